#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>

// Names planted where a report, a letter or its evidence must not be written, and the proof
// afterwards that nothing was written there or through them.
namespace PlantedTargets {

struct Planted {
    QString target;       // the name the program is given
    QString watched;      // the file whose bytes must stay as they were, if any
    QByteArray before;    // its bytes when planted
    QString mustNotExist; // where a dangling link points
    enum Kind { File, Link, Fifo, Folder } kind = File;
};

inline QByteArray bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// The kinds: "the account", "a link to the account", "a hard link to the account", "a link to
// a file", "a dangling link", "a fifo", "a folder", "another account". `folder` holds the
// planted names; `account` is the account the program works on.
inline Planted plant(const QString& kind, const QString& folder, const QString& account) {
    Planted p;
    // The account is watched where the target reaches it.
    p.watched = kind.contains(QLatin1String("account")) ? account : QString();
    p.target = QDir(folder).filePath(QStringLiteral("target.out"));
    const QByteArray target = native(p.target);
    if (kind == QLatin1String("the account")) {
        p.target = account;
    } else if (kind == QLatin1String("a link to the account")) {
        ::symlink(native(account).constData(), target.constData());
        p.kind = Planted::Link;
    } else if (kind == QLatin1String("a hard link to the account")) {
        ::link(native(account).constData(), target.constData());
    } else if (kind == QLatin1String("a link to a file")) {
        p.watched = QDir(folder).filePath(QStringLiteral("passwd"));
        QFile f(p.watched);
        if (f.open(QIODevice::WriteOnly))
            f.write("root:x:0:0:root:/root:/bin/sh\n");
        f.close();
        ::symlink(native(p.watched).constData(), target.constData());
        p.kind = Planted::Link;
    } else if (kind == QLatin1String("a dangling link")) {
        p.mustNotExist = QDir(folder).filePath(QStringLiteral("planted-elsewhere"));
        ::symlink(native(p.mustNotExist).constData(), target.constData());
        p.kind = Planted::Link;
    } else if (kind == QLatin1String("a fifo")) {
        ::mkfifo(target.constData(), 0600);
        p.kind = Planted::Fifo;
    } else if (kind == QLatin1String("a folder")) {
        QDir().mkpath(p.target);
        p.kind = Planted::Folder;
    } else if (kind == QLatin1String("another account")) {
        QFile::copy(account, p.target);
        p.watched = p.target;
    }
    p.before = bytes(p.watched);
    return p;
}

// "" when everything planted is as it was; else what changed.
inline QString changed(const Planted& p) {
    if (!p.watched.isEmpty() && bytes(p.watched) != p.before)
        return QStringLiteral("%1 was written over").arg(p.watched);
    if (!p.mustNotExist.isEmpty() && QFileInfo::exists(p.mustNotExist))
        return QStringLiteral("a file was made where the link points");
    struct stat st {};
    if (::lstat(native(p.target).constData(), &st) != 0)
        return QStringLiteral("%1 is gone").arg(p.target);
    const bool same = p.kind == Planted::Link     ? S_ISLNK(st.st_mode)
                      : p.kind == Planted::Fifo   ? S_ISFIFO(st.st_mode)
                      : p.kind == Planted::Folder ? S_ISDIR(st.st_mode)
                                                  : S_ISREG(st.st_mode);
    return same ? QString() : QStringLiteral("%1 was replaced").arg(p.target);
}

inline const QStringList& kinds() {
    static const QStringList k = {
        "the account",      "a link to the account", "a hard link to the account",
        "a link to a file", "a dangling link",       "a fifo",
        "a folder",         "another account"};
    return k;
}

} // namespace PlantedTargets
