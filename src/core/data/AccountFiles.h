#pragma once

#include <QString>

// The whole-file operations behind New and Open.
struct FileError {
    // Numbers the user sees in "Open File Error: " messages.
    enum Number {
        None = 0,
        NotFound = 53,
        AlreadyExists = 58,
        DiskFull = 61,
        AccessError = 75,
        NotAnAccount = 321,
    };
    int number = None;
    QString text;
    explicit operator bool() const { return number != None; }
};

// The file system steps, replaceable so that tests can make any one of them fail.
class FileOps {
public:
    virtual ~FileOps() = default;
    // A compacted copy of an SQLite file; `destination` must not exist, or be empty.
    virtual FileError vacuumInto(const QString& source, const QString& destination);
    virtual FileError sync(const QString& path);
    // Replaces `to` by `from` in one step (both on one file system).
    virtual FileError replace(const QString& from, const QString& to);
    // Renames `from` to `to` in one step, refusing when `to` exists (both on one file system).
    virtual FileError placeNew(const QString& from, const QString& to);
    virtual FileError copy(const QString& from, const QString& to);
    virtual FileError remove(const QString& path);
    virtual bool sameFileSystem(const QString& fileA, const QString& folderB);
};

namespace AccountFiles {

// New: the template copied to `destination`, which must not exist yet. Like every copy here, it
// is written under a part file beside `destination` (TempFolders::partFile) and renamed when
// whole, so that a program killed on the way leaves no broken file under the account's name.
FileError createFromTemplate(const QString& templatePath, const QString& destination, FileOps& ops);
FileError createFromTemplate(const QString& templatePath, const QString& destination);

// Open: the account replaced by a compacted copy of itself, made through `scratch` (Temp.mdb).
// First it is made whole (a crashed save rolled back, a WAL file checkpointed) and checked
// (AccountSchema::check); a read-only, foreign, newer or busy file is refused as it is. The
// replacement keeps the account's mode and, where allowed, its owner; no side file stays.
// At every step, whatever fails, the account stays intact under its own name and the scratch
// file is gone. The caller closes every connection to the account first.
FileError compactInPlace(const QString& account, const QString& scratch, FileOps& ops);
FileError compactInPlace(const QString& account, const QString& scratch);

// Before a write that changes many statements at once: a copy of the account beside it, named
// "<name> before import <date> <time>.mdb" so that the user finds it, and in `copy`. A consistent
// copy even while the account is open; nothing is kept when it fails.
FileError keepCopy(const QString& account, QString* copy, FileOps& ops);
FileError keepCopy(const QString& account, QString* copy);

} // namespace AccountFiles
