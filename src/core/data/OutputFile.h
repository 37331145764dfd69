#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

// A file the program writes at the borrower's asking (the printed report, the letter and its
// evidence, a working as CSV), by the windows and the tools alike. The target is checked first:
// never the account (`keep`) or a file that resolves to it, never a symbolic link (nothing is
// written through one, nor where a dangling one points), nothing but a regular file or a new
// name, never an account file of any kind. The file is then written whole or not at all: under a
// part file beside it (TempFolders::partFile), synced, and renamed over the name only when whole,
// so an earlier file of that name stays as it was when anything fails.
namespace OutputFile {

// Why `path` may not be written, "" when it may.
QString refusal(const QString& path, const QStringList& keep = {});
// Why the outputs of one run may not be written: the first refusal among them, or two of them
// naming one file (directly, through a linked folder or a hard link).
QString refusal(const QStringList& paths, const QStringList& keep);

// Writes what `fill` puts into the open file; `fill` gives false, with its reason in `why`, when
// it cannot make the contents. False, with `error` saying why ("Cannot write 'PATH': ..."),
// when the target is refused or anything fails; then nothing is left of the new file.
using Fill = std::function<bool(QIODevice& file, QString* why)>;
bool write(const QString& path, const Fill& fill, const QStringList& keep, QString* error);
bool write(const QString& path, const QByteArray& bytes, const QStringList& keep, QString* error);

} // namespace OutputFile
