#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Folders of the temporary location that belong to one running copy of the program, named
// "vantrell-<process id>-XXXXXX". A copy that is killed leaves its folder behind; a later copy
// removes it at start-up, and only it: a folder whose process still runs is never touched, so two
// copies running side by side keep each other's files.
namespace TempFolders {

// A new folder of this process's own under QDir::tempPath(), removed with everything in it when
// the object goes. Check isValid().
std::unique_ptr<QTemporaryDir> create();

// Removes the folders under `root` named for a process that no longer runs; returns how many.
int removeStale(const QString& root = QDir::tempPath());

} // namespace TempFolders
