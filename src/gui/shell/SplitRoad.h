#pragma once

#include <QString>

#include <optional>

class WindowHost;

// Check a Split Loan…: the set's name and where it is saved, then each part's name and the
// bank's file of it. Each part gets a new account beside the set's file, its history imported
// and its rates proposed from the lender's charges (loanset/PartImport); the set is written
// naming them with the methods found, and its summary opens.
namespace SplitRoad {

// The set written, or nullopt when the borrower stopped before it was or it could not be.
std::optional<QString> run(WindowHost& host);

} // namespace SplitRoad
