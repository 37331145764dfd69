#pragma once

#include "ReportOptions.h"

// vantrell-report over a split loan: several accounts, or the parts a loan set names, checked
// together (SetCheck) for the set's summary or diagnosis.
namespace ReportSet {

// The summary or diagnosis of the parts on standard output, each part not checked said on
// standard error; the exit status (Written when at least one part was checked).
int run(const ReportOptions::Options& o);

} // namespace ReportSet
