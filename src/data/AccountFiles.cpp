#include "AccountFiles.h"

#include "AccountConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
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

} // namespace

FileError FileOps::vacuumInto(const QString& source, const QString& destination) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(native(source).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) {
        const FileError e = fromSqlite(db, rc, QStringLiteral("Could not read '%1'").arg(source));
        sqlite3_close(db);
        return e;
    }
    if (!AccountDatabase::harden(db)) {
        sqlite3_close(db);
        return error(FileError::AccessError,
                     QStringLiteral("Could not read '%1' safely.").arg(source));
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
        result = fromSqlite(db, rc, QStringLiteral("Could not copy '%1'").arg(source));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return result;
}

FileError FileOps::sync(const QString& path) {
    if (!fsyncPath(path, O_RDONLY))
        return fromErrno(errno, QStringLiteral("Could not write '%1' to disk").arg(path));
    return {};
}

FileError FileOps::replace(const QString& from, const QString& to) {
    if (::rename(native(from).constData(), native(to).constData()) != 0)
        return fromErrno(errno, QStringLiteral("Could not rename '%1'").arg(from));
    // The rename itself must reach the disk before the old contents are gone for good.
    fsyncPath(QFileInfo(to).absolutePath(), O_RDONLY | O_DIRECTORY);
    return {};
}

FileError FileOps::copy(const QString& from, const QString& to) {
    QFile in(from);
    QFile out(to);
    if (!in.open(QIODevice::ReadOnly))
        return error(FileError::AccessError, QStringLiteral("Could not read '%1'").arg(from));
    if (QFileInfo::exists(to) || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return error(FileError::AccessError, QStringLiteral("Could not create '%1'").arg(to));
    char buffer[1 << 16];
    qint64 n = 0;
    while ((n = in.read(buffer, sizeof buffer)) > 0) {
        if (out.write(buffer, n) != n) {
            const QString reason = out.errorString();
            out.close();
            QFile::remove(to);
            return error(FileError::DiskFull,
                         QStringLiteral("Could not write '%1': %2").arg(to, reason));
        }
    }
    if (n < 0 || !out.flush() || ::fsync(out.handle()) != 0) {
        out.close();
        QFile::remove(to);
        return error(FileError::AccessError, QStringLiteral("Could not copy '%1'").arg(from));
    }
    return {};
}

FileError FileOps::remove(const QString& path) {
    if (::unlink(native(path).constData()) != 0 && errno != ENOENT)
        return fromErrno(errno, QStringLiteral("Could not delete '%1'").arg(path));
    return {};
}

bool FileOps::sameFileSystem(const QString& fileA, const QString& folderB) {
    struct stat a {};
    struct stat b {};
    if (::stat(native(fileA).constData(), &a) != 0 || ::stat(native(folderB).constData(), &b) != 0)
        return false;
    return a.st_dev == b.st_dev;
}

namespace AccountFiles {

FileError createFromTemplate(const QString& templatePath, const QString& destination,
                             FileOps& ops) {
    if (!QFileInfo(templatePath).isFile())
        return error(FileError::NotFound,
                     QStringLiteral("The template '%1' is missing.").arg(templatePath));
    if (QFileInfo::exists(destination) || QFileInfo(destination).isSymLink())
        return error(FileError::AlreadyExists,
                     QStringLiteral("The file '%1' already exists.").arg(destination));
    if (FileError e = ops.vacuumInto(templatePath, destination)) {
        // Never leave a half-written account behind; an existing file was refused above.
        ops.remove(destination);
        return e;
    }
    return {};
}

FileError createFromTemplate(const QString& templatePath, const QString& destination) {
    FileOps ops;
    return createFromTemplate(templatePath, destination, ops);
}

FileError compactInPlace(const QString& account, const QString& scratch, FileOps& ops) {
    QString reason;
    if (!AccountDatabase::isAccountFile(account, &reason)) {
        const bool missing = !QFileInfo::exists(account);
        return error(missing ? FileError::NotFound : FileError::NotAnAccount, reason);
    }
    // Replace the file a link points to, not the link.
    const QString target = QFileInfo(account).canonicalFilePath();

    // A scratch file left over would make the copy fail.
    if (FileError e = ops.remove(scratch))
        return e;
    if (FileError e = ops.vacuumInto(account, scratch)) {
        ops.remove(scratch);
        return e;
    }
    QFile::setPermissions(scratch, QFile::permissions(target));
    if (FileError e = ops.sync(scratch)) {
        ops.remove(scratch);
        return e;
    }

    // A rename cannot cross file systems: then the copy first moves beside the account.
    QString replacement = scratch;
    const QString accountFolder = QFileInfo(target).absolutePath();
    if (!ops.sameFileSystem(scratch, accountFolder)) {
        replacement = accountFolder + "/." + QFileInfo(target).fileName() + ".compacting";
        ops.remove(replacement);
        FileError e = ops.copy(scratch, replacement);
        ops.remove(scratch);
        if (e) {
            ops.remove(replacement);
            return e;
        }
    }
    if (FileError e = ops.replace(replacement, target)) {
        ops.remove(replacement);
        return e;
    }
    return {};
}

FileError compactInPlace(const QString& account, const QString& scratch) {
    FileOps ops;
    return compactInPlace(account, scratch, ops);
}

} // namespace AccountFiles
