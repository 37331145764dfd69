#include "Parallel.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace Parallel {

void forEachIndex(qsizetype count, int threads, const std::function<void(qsizetype)>& work) {
    std::atomic<qsizetype> next{0};
    const auto run = [&] {
        for (qsizetype i = next++; i < count; i = next++)
            work(i);
    };
    int helpers = threads > 0 ? threads : int(std::max(1u, std::thread::hardware_concurrency()));
    helpers = int(std::min<qsizetype>(helpers, count)) - 1;
    std::vector<std::thread> pool;
    for (int t = 0; t < helpers; ++t) {
        // A thread the system refuses leaves its share to the others.
        try {
            pool.emplace_back(run);
        } catch (const std::system_error&) {
            break;
        }
    }
    run();
    for (std::thread& t : pool)
        t.join();
}

} // namespace Parallel
