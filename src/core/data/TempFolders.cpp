#include "TempFolders.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <limits>

#include <unistd.h>

namespace {

const QString Prefix = QStringLiteral("vantrell-");

// Only "no such process" proves the owner gone; a process of another user (EPERM) runs.
bool processGone(const QString& digits) {
    bool ok = false;
    const qint64 pid = digits.toLongLong(&ok);
    if (!ok || pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

namespace TempFolders {

std::unique_ptr<QTemporaryDir> create() {
    return std::make_unique<QTemporaryDir>(QDir::tempPath() + u'/' + Prefix +
                                           QString::number(QCoreApplication::applicationPid()) +
                                           QStringLiteral("-XXXXXX"));
}

int removeStale(const QString& root) {
    static const QRegularExpression name(QStringLiteral("^vantrell-([1-9][0-9]{0,9})-[^/]+$"));
    int removed = 0;
    const QFileInfoList entries =
        QDir(root).entryInfoList({Prefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        // A link is not a folder of ours, whatever its name: what it points to is left alone.
        if (entry.isSymLink() || !entry.isDir() || entry.ownerId() != ::getuid())
            continue;
        const QRegularExpressionMatch match = name.match(entry.fileName());
        if (!match.hasMatch() || !processGone(match.captured(1)))
            continue;
        if (QDir(entry.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

QString partFile(const QString& path) {
    const QFileInfo info(path);
    return info.dir().filePath(u'.' + info.fileName() + u'.' + Prefix +
                               QString::number(QCoreApplication::applicationPid()) +
                               QStringLiteral(".part"));
}

int removeStaleParts(const QString& folder) {
    static const QRegularExpression name(
        QStringLiteral("^\\..+\\.vantrell-([1-9][0-9]{0,9})\\.part(-journal|-wal|-shm)?$"));
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(
        {QStringLiteral(".*.part"), QStringLiteral(".*.part-*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || entry.ownerId() != ::getuid())
            continue;
        const QRegularExpressionMatch match = name.match(entry.fileName());
        if (!match.hasMatch() || !processGone(match.captured(1)))
            continue;
        if (QFile::remove(entry.filePath()) && match.captured(2).isEmpty())
            ++removed;
    }
    return removed;
}

} // namespace TempFolders
