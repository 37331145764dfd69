#pragma once

#include "CommandLine.h"
#include "ReportOptions.h"

// The options vantrell-report reads, each with its help and the reading of its value: the table
// the command line is read by and the usage is written from. Which options go together is the
// modes' business (ReportOptions.cpp).
namespace ReportOptions {

// The command line as given, before its mode is checked.
struct Given {
    Options options;
    bool method = false; // --method, by number, name or "any"
    bool format = false;
};

// The options, in the order of the usage. An argument that does not begin with "--", or is "--"
// alone, is an ACCOUNT; "-h" is --help.
const CommandLine::Tool<Given>& optionTable();

} // namespace ReportOptions
