#pragma once

#include "Dialogs.h"
#include "loanset/LoanSet.h"

#include <QString>

#include <optional>

class WindowHost;

// What the main window, the loan set's window and the split loan's road share: the dialogs
// that choose a set's file and a part's account, the set read with its message, and the set's
// summary opened.
namespace LoanSetCommands {

FileDialogRequest openSetDialog();
// Where a set is saved, offered as `fileName` in `folder`.
FileDialogRequest saveSetDialog(const QString& folder, const QString& fileName);
// An existing account to add as a part, from `folder`.
FileDialogRequest partAccountDialog(const QString& folder);

// The set at `path`; nullopt, with its message shown, for a file that is not one.
std::optional<LoanSet::Set> readOrSay(const QString& path);

// The set's summary opened by name and handed the set; the set becomes the one open
// (tagLoanSet). False when there is no such window to open.
bool showSummary(WindowHost& host, const QString& setPath);

} // namespace LoanSetCommands
