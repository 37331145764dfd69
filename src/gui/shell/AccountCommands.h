#pragma once

#include "Dialogs.h"

#include <QString>

// New and Open, shared by the start-up window and the main window: the dialog each shows, and
// the messages of their failures.
namespace AccountCommands {

enum class Place { StartUp, MainWindow };

// "Data|*.mdb", its description in the windows' language: the filter of every dialog that
// chooses an account.
QString accountFilter();

FileDialogRequest newDialog(Place place);
FileDialogRequest openDialog(Place place);

// "File Creation Error: " + description, or "" on success.
QString createAccount(const QString& path);
// "Open File Error: " + number + text, or "" on success.
QString compactAccount(const QString& path);

// True when both paths name one file (through links too); false when either is "".
bool sameFile(const QString& a, const QString& b);

} // namespace AccountCommands
