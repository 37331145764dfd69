#pragma once

#include <QString>

// Every path the program uses is built from the folder that holds the program.
namespace ProgramPaths {

QString programFolder();
// Tests run from their own folders; they point the program folder at a prepared one.
void setProgramFolder(const QString& folder);

QString templateFile(); // Blank.mdb beside the program
QString dataFolder();   // Data/, with a trailing separator
QString scratchFile();  // Data/Temp.mdb
QString defaultAccountName();
QString helpPage(int page); // 1..3, "" otherwise

} // namespace ProgramPaths
