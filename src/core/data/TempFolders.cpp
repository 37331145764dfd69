#include "TempFolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <limits>

#include <unistd.h>

namespace {

const QString Prefix = QStringLiteral("vantrell-");

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
        bool ok = false;
        const qint64 pid = match.hasMatch() ? match.captured(1).toLongLong(&ok) : 0;
        if (!ok || pid > std::numeric_limits<pid_t>::max())
            continue;
        // Only "no such process" proves the owner gone; a process of another user (EPERM) runs.
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH)
            continue;
        if (QDir(entry.filePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

} // namespace TempFolders
