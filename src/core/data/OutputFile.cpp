#include "OutputFile.h"

#include "TempFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

QString cannot(const QString& path, const QString& why) {
    return QCoreApplication::translate("OutputFile", "Cannot write '%1': %2").arg(path, why);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether a regular file begins as every SQLite database does: an account, ours or another's.
bool holdsDatabase(const QString& path) {
    const int fd = ::open(native(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    static const char Header[] = "SQLite format 3";
    char head[sizeof Header] = {};
    const ssize_t n = ::read(fd, head, sizeof head);
    ::close(fd);
    return n == ssize_t(sizeof head) && std::memcmp(head, Header, sizeof head) == 0;
}

// The name of `path` with its folder's links resolved, for telling two names of one file apart.
QString resolvedName(const QString& path) {
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? QDir::cleanPath(info.absolutePath()) : folder) + u'/' +
           info.fileName();
}

// The folder entry itself must reach the disk, or a crash could bring the old file back.
void syncFolder(const QString& folder) {
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

namespace OutputFile {

QString refusal(const QString& path, const QStringList& keep) {
    if (path.isEmpty())
        return QCoreApplication::translate("OutputFile", "Cannot write a file without a name.");
    struct stat entry {};
    if (::lstat(native(path).constData(), &entry) != 0)
        return QString(); // a new name; a folder that is not there is said by the write
    struct stat target {};
    const bool reaches = ::stat(native(path).constData(), &target) == 0;
    for (const QString& kept : keep) {
        struct stat account {};
        if (reaches && !kept.isEmpty() && ::stat(native(kept).constData(), &account) == 0 &&
            sameFile(target, account))
            return cannot(path, S_ISLNK(entry.st_mode)
                                    ? QCoreApplication::translate(
                                          "OutputFile", "it is a link to the account '%1', which "
                                                        "is never written over.")
                                          .arg(kept)
                                    : QCoreApplication::translate(
                                          "OutputFile", "it is the account itself, which is never "
                                                        "written over."));
    }
    if (S_ISLNK(entry.st_mode))
        return cannot(path, QCoreApplication::translate(
                                "OutputFile", "it is a symbolic link, and nothing is written "
                                              "through one: name the file itself."));
    if (S_ISDIR(entry.st_mode))
        return cannot(path, QCoreApplication::translate("OutputFile", "it is a folder."));
    if (!S_ISREG(entry.st_mode))
        return cannot(path, QCoreApplication::translate(
                                "OutputFile", "it is not a regular file (a pipe, a device or a "
                                              "socket), and is never replaced."));
    if (holdsDatabase(path))
        return cannot(path,
                      QCoreApplication::translate(
                          "OutputFile", "it is an account file, which is never written over."));
    return QString();
}

QString refusal(const QStringList& paths, const QStringList& keep) {
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (const QString why = refusal(paths[i], keep); !why.isEmpty())
            return why;
        struct stat a {};
        const bool aExists = ::stat(native(paths[i]).constData(), &a) == 0;
        for (qsizetype j = 0; j < i; ++j) {
            struct stat b {};
            const bool same =
                resolvedName(paths[i]) == resolvedName(paths[j]) ||
                (aExists && ::stat(native(paths[j]).constData(), &b) == 0 && sameFile(a, b));
            if (same)
                return cannot(paths[i], QCoreApplication::translate(
                                            "OutputFile", "it names the same file as '%1', and "
                                                          "each output needs a file of its own.")
                                            .arg(paths[j]));
        }
    }
    return QString();
}

bool write(const QString& path, const Fill& fill, const QStringList& keep, QString* error) {
    if (const QString why = refusal(path, keep); !why.isEmpty()) {
        *error = why;
        return false;
    }
    const QString folder = QFileInfo(path).absolutePath();
    TempFolders::removeStaleParts(folder);
    // The part file is made new (a link in its place is refused, never followed) and renamed
    // over the name, which replaces the folder's entry and never writes into what it named.
    const QString part = TempFolders::partFile(path);
    QFile::remove(part);
    QFile file(part);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        *error = cannot(path, file.errorString());
        return false;
    }
    struct stat earlier {};
    if (::stat(native(path).constData(), &earlier) == 0 && S_ISREG(earlier.st_mode))
        ::fchmod(file.handle(), earlier.st_mode & 07777);
    QString why;
    const bool filled = fill(file, &why);
    if (filled && (!file.flush() || ::fsync(file.handle()) != 0))
        why = file.errorString();
    const bool whole = filled && why.isEmpty() && file.error() == QFileDevice::NoError;
    if (!whole && why.isEmpty())
        why = file.errorString();
    file.close();
    if (whole && ::rename(native(part).constData(), native(path).constData()) != 0)
        why = qt_error_string(errno);
    if (!why.isEmpty()) {
        QFile::remove(part);
        *error = cannot(path, why);
        return false;
    }
    syncFolder(folder);
    return true;
}

bool write(const QString& path, const QByteArray& bytes, const QStringList& keep, QString* error) {
    return write(
        path,
        [&bytes](QIODevice& file, QString* why) {
            if (file.write(bytes) == bytes.size())
                return true;
            *why = file.errorString();
            return false;
        },
        keep, error);
}

} // namespace OutputFile
