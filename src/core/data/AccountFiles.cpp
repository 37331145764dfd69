#include "AccountFiles.h"

#include "AccountConnection.h"
#include "AccountSchema.h"
#include "TempFolders.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileError error(int number, const QString& text) {
    return FileError{number, text};
}

FileError fromErrno(int err, const QString& what) {
    const int number = (err == ENOSPC || err == EFBIG || err == EDQUOT) ? FileError::DiskFull
                       : err == ENOENT                                  ? FileError::NotFound
                       : err == EEXIST                                  ? FileError::AlreadyExists
                                                                        : FileError::AccessError;
    return error(number, QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(strerror(err))));
}

FileError fromSqlite(sqlite3* db, int rc, const QString& what) {
    const int primary = rc & 0xff;
    const int number = primary == SQLITE_FULL              ? FileError::DiskFull
                       : primary == SQLITE_NOTADB          ? FileError::NotAnAccount
                       : primary == SQLITE_CANTOPEN && !db ? FileError::NotFound
                                                           : FileError::AccessError;
    const QString message =
        db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    return error(number, QStringLiteral("%1: %2").arg(what, message));
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

bool fsyncPath(const QString& path, int flags) {
    const int fd = ::open(native(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

const char* const SideSuffixes[] = {"-journal", "-wal", "-shm"};

// The scratch copy and any side file SQLite made beside it.
void removeScratch(FileOps& ops, const QString& scratch) {
    ops.remove(scratch);
    for (const char* suffix : SideSuffixes)
        ops.remove(scratch + suffix);
}

// Read-only for the user: no write permission for anyone (even an administrator, who could
// write it, is asked to respect that), or none for this process.
bool isReadOnly(const QString& path) {
    struct stat st {};
    if (::stat(native(path).constData(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           ::access(native(path).constData(), W_OK) != 0;
}

bool canWriteIn(const QString& folder) {
    return ::access(native(folder).constData(), W_OK | X_OK) == 0;
}

FileError dataFolderError(const QString& scratch) {
    return error(
        FileError::AccessError,
        QCoreApplication::translate("AccountFiles", "The Data folder '%1' cannot be written.")
            .arg(QFileInfo(scratch).absolutePath()));
}

// The scratch file made empty and private before the copy fills it, so that a private
// account is never readable by others in the Data folder, not even for a moment.
FileError createPrivate(const QString& scratch) {
    const int fd = ::open(native(scratch).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          S_IRUSR | S_IWUSR);
    if (fd < 0) {
        const int err = errno;
        return err == EACCES || err == EROFS || err == EPERM
                   ? dataFolderError(scratch)
                   : fromErrno(err,
                               QCoreApplication::translate("AccountFiles", "Could not create '%1'")
                                   .arg(scratch));
    }
    ::close(fd);
    return {};
}

// The replacement takes the account's owner and group, where this process may give a file
// away, and then its permissions: a private account stays private. A group that cannot be
// carried over gets no access, rather than this process's group getting the account's.
FileError carryOwnership(const QString& account, const QString& replacement) {
    struct stat st {};
    if (::stat(native(account).constData(), &st) != 0)
        return fromErrno(
            errno, QCoreApplication::translate("AccountFiles", "Could not read '%1'").arg(account));
    const QByteArray path = native(replacement);
    const bool groupCarried = ::chown(path.constData(), st.st_uid, st.st_gid) == 0 ||
                              ::chown(path.constData(), uid_t(-1), st.st_gid) == 0;
    const mode_t mode = st.st_mode & (groupCarried ? 0777 : 0707);
    if (::chmod(path.constData(), mode) != 0)
        return fromErrno(errno, QCoreApplication::translate("AccountFiles",
                                                            "Could not set the permissions of '%1'")
                                    .arg(replacement));
    return {};
}

using Handle = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

// One text value of a pragma; `rc` holds how the query ended.
QString pragmaText(sqlite3* db, const char* sql, int* rc) {
    sqlite3_stmt* stmt = nullptr;
    QString value;
    *rc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    if (*rc == SQLITE_OK) {
        *rc = sqlite3_step(stmt);
        if (*rc == SQLITE_ROW) {
            value = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
            *rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(stmt);
    return value.toLower();
}

// Makes the account one whole file holding every committed row, and checks it on the way:
// - a hot rollback journal, left by a program that died in a save, is rolled back; only a
//   read-write connection can, and its first read does;
// - a file another tool left in WAL mode is checkpointed and set back to the rollback journal,
//   which fails while that tool still has it open;
// - the checks of AccountSchema run before anything is written, so a refused file stays as is.
// `file` is the account's real path, `shown` the one the user chose.
FileError bringToOneFile(const QString& file, const QString& shown, int* version) {
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(native(file).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const Handle db(raw, &sqlite3_close);
    if (opened != SQLITE_OK)
        return fromSqlite(
            raw, opened,
            QCoreApplication::translate("AccountFiles", "Could not read '%1'").arg(shown));
    if (!AccountDatabase::harden(raw))
        return error(
            FileError::AccessError,
            QCoreApplication::translate("AccountFiles", "Could not read '%1' safely.").arg(shown));
    sqlite3_busy_timeout(raw, 2000);
    if (FileError e = AccountSchema::check(raw, shown, version))
        return e;

    int rc = SQLITE_OK;
    if (pragmaText(raw, "pragma journal_mode", &rc) == "wal" &&
        pragmaText(raw, "pragma journal_mode=delete", &rc) != "delete")
        return rc == SQLITE_OK ? AccountSchema::inUse(shown)
                               : AccountSchema::queryError(raw, rc, shown);
    if (rc != SQLITE_OK)
        return AccountSchema::queryError(raw, rc, shown);

    // Holding the write lock, no other program is in a save: a journal still beside the file
    // is a spent one (a hot one was rolled back above) and would be left beside the copy.
    rc = sqlite3_exec(raw, "begin immediate", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        return AccountSchema::queryError(raw, rc, shown);
    ::unlink(native(file + "-journal").constData());
    sqlite3_exec(raw, "rollback", nullptr, nullptr, nullptr);
    return {};
}

// A file of an older layout is brought up to date in its compacted copy, before the copy takes
// the account's place.
FileError upgradeCopy(const QString& copy, int version, const QString& shown) {
    if (version >= AccountSchema::CurrentVersion)
        return {};
    sqlite3* raw = nullptr;
    const int opened =
        sqlite3_open_v2(native(copy).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    const Handle db(raw, &sqlite3_close);
    if (opened != SQLITE_OK)
        return fromSqlite(
            raw, opened,
            QCoreApplication::translate("AccountFiles", "Could not update '%1'").arg(copy));
    if (!AccountDatabase::harden(raw))
        return error(
            FileError::AccessError,
            QCoreApplication::translate("AccountFiles", "Could not update '%1' safely.").arg(copy));
    return AccountSchema::upgrade(raw, version, shown);
}

} // namespace

FileError FileOps::vacuumInto(const QString& source, const QString& destination) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(native(source).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        const FileError e = fromSqlite(
            db, rc, QCoreApplication::translate("AccountFiles", "Could not read '%1'").arg(source));
        sqlite3_close(db);
        return e;
    }
    if (!AccountDatabase::harden(db)) {
        sqlite3_close(db);
        return error(
            FileError::AccessError,
            QCoreApplication::translate("AccountFiles", "Could not read '%1' safely.").arg(source));
    }
    sqlite3_stmt* stmt = nullptr;
    rc = sqlite3_prepare_v2(db, "VACUUM INTO ?", -1, &stmt, nullptr);
    if (rc == SQLITE_OK) {
        const QByteArray dest = destination.toUtf8();
        sqlite3_bind_text(stmt, 1, dest.constData(), int(dest.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    FileError result;
    if (rc != SQLITE_OK)
        result = fromSqlite(
            db, rc, QCoreApplication::translate("AccountFiles", "Could not copy '%1'").arg(source));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return result;
}

FileError FileOps::sync(const QString& path) {
    if (!fsyncPath(path, O_RDONLY))
        return fromErrno(
            errno,
            QCoreApplication::translate("AccountFiles", "Could not write '%1' to disk").arg(path));
    return {};
}

FileError FileOps::replace(const QString& from, const QString& to) {
    if (::rename(native(from).constData(), native(to).constData()) != 0)
        return fromErrno(
            errno, QCoreApplication::translate("AccountFiles", "Could not rename '%1'").arg(from));
    // The rename itself must reach the disk before the old contents are gone for good.
    fsyncPath(QFileInfo(to).absolutePath(), O_RDONLY | O_DIRECTORY);
    return {};
}

FileError FileOps::placeNew(const QString& from, const QString& to) {
    const QByteArray source = native(from);
    const QByteArray target = native(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) !=
        0) {
        const int err = errno;
        if (err != EINVAL && err != ENOSYS)
            return fromErrno(
                err,
                QCoreApplication::translate("AccountFiles", "Could not rename '%1'").arg(from));
        // A file system without the no-replace rename: a hard link refuses an existing name too.
        if (::link(source.constData(), target.constData()) != 0)
            return fromErrno(
                errno,
                QCoreApplication::translate("AccountFiles", "Could not rename '%1'").arg(from));
        ::unlink(source.constData());
    }
    fsyncPath(QFileInfo(to).absolutePath(), O_RDONLY | O_DIRECTORY);
    return {};
}

FileError FileOps::copy(const QString& from, const QString& to) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly))
        return error(FileError::AccessError,
                     QCoreApplication::translate("AccountFiles", "Could not read '%1'").arg(from));
    // Private until the caller gives it the account's own mode.
    if (QFileInfo::exists(to) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                                           QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return error(FileError::AccessError,
                     QCoreApplication::translate("AccountFiles", "Could not create '%1'").arg(to));
    char buffer[1 << 16];
    qint64 n = 0;
    while ((n = in.read(buffer, sizeof buffer)) > 0) {
        if (out.write(buffer, n) != n) {
            const QString reason = out.errorString();
            out.close();
            QFile::remove(to);
            return error(FileError::DiskFull,
                         QCoreApplication::translate("AccountFiles", "Could not write '%1': %2")
                             .arg(to, reason));
        }
    }
    if (n < 0 || !out.flush() || ::fsync(out.handle()) != 0) {
        out.close();
        QFile::remove(to);
        return error(FileError::AccessError,
                     QCoreApplication::translate("AccountFiles", "Could not copy '%1'").arg(from));
    }
    return {};
}

FileError FileOps::remove(const QString& path) {
    if (::unlink(native(path).constData()) != 0 && errno != ENOENT)
        return fromErrno(
            errno, QCoreApplication::translate("AccountFiles", "Could not delete '%1'").arg(path));
    return {};
}

bool FileOps::sameFileSystem(const QString& fileA, const QString& folderB) {
    struct stat a {};
    struct stat b {};
    if (::stat(native(fileA).constData(), &a) != 0 || ::stat(native(folderB).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev;
}

namespace {

// A compacted copy of `source` at `destination`, whole or not at all: written under a part file
// beside it, synced, and renamed only then, never over a file that exists. Part files that a
// killed program left in that folder go first.
FileError writeWhole(FileOps& ops, const QString& source, const QString& destination) {
    TempFolders::removeStaleParts(QFileInfo(destination).absolutePath());
    const QString part = TempFolders::partFile(destination);
    removeScratch(ops, part);
    FileError e = ops.vacuumInto(source, part);
    if (!e)
        e = ops.sync(part);
    if (!e)
        e = ops.placeNew(part, destination);
    if (e)
        removeScratch(ops, part);
    return e;
}

} // namespace

namespace AccountFiles {

FileError createFromTemplate(const QString& templatePath, const QString& destination,
                             FileOps& ops) {
    if (!QFileInfo(templatePath).isFile())
        return error(FileError::NotFound,
                     QCoreApplication::translate("AccountFiles", "The template '%1' is missing.")
                         .arg(templatePath));
    if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
        return error(FileError::AlreadyExists,
                     QCoreApplication::translate("AccountFiles", "The file '%1' already exists.")
                         .arg(destination));
    return writeWhole(ops, templatePath, destination);
}

FileError createFromTemplate(const QString& templatePath, const QString& destination) {
    FileOps ops;
    return createFromTemplate(templatePath, destination, ops);
}

namespace {

// The account is there, readable, and an account file: else why it cannot be compacted.
FileError compactable(const QString& account, const QFileInfo& info) {
    if (!info.exists())
        return error(
            FileError::NotFound,
            QCoreApplication::translate("AccountFiles", "Could not find file '%1'.").arg(account));
    if (info.isFile() && !info.isReadable())
        return error(
            FileError::AccessError,
            QCoreApplication::translate("AccountFiles", "Could not read '%1'.").arg(account));
    if (!info.isFile() || !AccountDatabase::hasDatabaseHeader(account))
        return error(FileError::NotAnAccount,
                     QCoreApplication::translate("AccountFiles", "'%1' is not a loan account file.")
                         .arg(account));
    return {};
}

} // namespace

FileError compactInPlace(const QString& account, const QString& scratch, FileOps& ops) {
    const QFileInfo info(account);
    if (FileError e = compactable(account, info))
        return e;
    // Replace the file a link points to, not the link.
    const QString target = info.canonicalFilePath();
    if (isReadOnly(target))
        return error(
            FileError::AccessError,
            QCoreApplication::translate("AccountFiles", "The account file '%1' is read-only.")
                .arg(account));
    const QString accountFolder = QFileInfo(target).absolutePath();
    if (!canWriteIn(accountFolder))
        return error(
            FileError::AccessError,
            QCoreApplication::translate("AccountFiles",
                                        "The folder '%1' that holds the account cannot be written.")
                .arg(accountFolder));
    if (!canWriteIn(QFileInfo(scratch).absolutePath()))
        return dataFolderError(scratch);
    // What a program killed while copying into this folder left.
    TempFolders::removeStaleParts(accountFolder);

    int version = 0;
    if (FileError e = bringToOneFile(target, account, &version))
        return e;
    // A side file still there belongs to a program that has the account open: the copy would
    // miss its rows, and the file that takes the account's place would meet its pages.
    for (const char* suffix : SideSuffixes) {
        if (QFileInfo::exists(target + suffix))
            return AccountSchema::inUse(account);
    }

    // A scratch file left over would make the copy fail.
    if (FileError e = ops.remove(scratch))
        return e;
    removeScratch(ops, scratch);
    if (FileError e = createPrivate(scratch))
        return e;
    if (FileError e = ops.vacuumInto(target, scratch)) {
        removeScratch(ops, scratch);
        return e;
    }
    if (FileError e = upgradeCopy(scratch, version, account)) {
        removeScratch(ops, scratch);
        return e;
    }
    if (FileError e = ops.sync(scratch)) {
        removeScratch(ops, scratch);
        return e;
    }

    // A rename cannot cross file systems: then the copy first moves beside the account.
    QString replacement = scratch;
    if (!ops.sameFileSystem(scratch, accountFolder)) {
        replacement = accountFolder + "/." + QFileInfo(target).fileName() + ".compacting";
        ops.remove(replacement);
        FileError e = ops.copy(scratch, replacement);
        removeScratch(ops, scratch);
        if (e) {
            ops.remove(replacement);
            return e;
        }
    }
    FileError e = carryOwnership(target, replacement);
    if (!e)
        e = ops.replace(replacement, target);
    if (e) {
        ops.remove(replacement);
        removeScratch(ops, scratch);
        return e;
    }
    return {};
}

FileError compactInPlace(const QString& account, const QString& scratch) {
    FileOps ops;
    return compactInPlace(account, scratch, ops);
}

FileError keepCopy(const QString& account, QString* copy, FileOps& ops) {
    const QFileInfo info(account);
    const QString path = info.dir().filePath(
        QStringLiteral("%1 before import %2.mdb")
            .arg(info.completeBaseName(),
                 QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hhmmss"))));
    if (QFileInfo::exists(path))
        return error(FileError::AlreadyExists,
                     QCoreApplication::translate("AccountFiles", "'%1' exists already").arg(path));
    if (FileError e = writeWhole(ops, account, path))
        return e;
    *copy = path;
    return {};
}

FileError keepCopy(const QString& account, QString* copy) {
    FileOps ops;
    return keepCopy(account, copy, ops);
}

} // namespace AccountFiles
