#pragma once

#include <QString>

// Every path the program uses is built from the folder that holds the program, except where that
// folder cannot be written.
namespace ProgramPaths {

QString programFolder();
// Tests run from their own folders; they point the program folder at a prepared one.
void setProgramFolder(const QString& folder);

QString templateFile(); // Blank.mdb beside the program
// Data/ beside the program, with a trailing separator; when that cannot be written (an installed
// program), Data/ in the user's own application data location.
QString dataFolder();
// Makes the user's Data folder where it is not the program's own, with the help pages and the
// sample account the program brings; run once at start-up.
void prepareDataFolder();
// Brings what the program keeps in its own Data folder `from` into the user's `to`: the help
// pages whenever the program's differ from the user's copies (an upgrade brings new ones), the
// sample account only where the user has none. No other file of `to` is touched.
void copyProgramFiles(const QString& from, const QString& to);
QString scratchFile(); // Data/Temp.mdb
QString defaultAccountName();
QString helpPage(int page); // 1..3, "" otherwise

} // namespace ProgramPaths
