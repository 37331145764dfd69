#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Folders of the temporary location that belong to one running copy of the program, named
// "vantrell-<process id>-XXXXXX". A copy that is killed leaves its folder behind; a later copy
// removes it at start-up, and only it: a folder whose process still runs is never touched, so two
// copies running side by side keep each other's files. The same holds for the part files written
// beside an account.
namespace TempFolders {

// A new folder of this process's own under QDir::tempPath(), removed with everything in it when
// the object goes. Check isValid().
std::unique_ptr<QTemporaryDir> create();

// Removes the folders under `root` named for a process that no longer runs; returns how many.
int removeStale(const QString& root = QDir::tempPath());

// A file written whole or not at all is first written under this name beside `path`: hidden,
// named for this process (".<name>.vantrell-<process id>.part"), and renamed to `path` when whole.
QString partFile(const QString& path);
// Removes from `folder` the part files, and the side files SQLite made beside them, of processes
// that no longer run; returns how many part files.
int removeStaleParts(const QString& folder);

} // namespace TempFolders
