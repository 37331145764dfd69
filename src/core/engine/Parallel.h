#pragma once

#include <QtGlobal>

#include <functional>

// Independent runs of the engine, spread over the machine's cores: the search for the lender's
// method and the diagnosis of the lender's mistake run each of their trials once, on whichever
// thread is free.
namespace Parallel {

// Calls `work(i)` once for every i from 0 to count - 1, on up to `threads` threads (0: as many as
// the machine has), and returns when all are done. `work` must write only what its own i owns.
void forEachIndex(qsizetype count, int threads, const std::function<void(qsizetype)>& work);

} // namespace Parallel
