#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
QString& overriddenFolder() {
    static QString folder;
    return folder;
}
QString ownDataFolder() {
    return ProgramPaths::programFolder() + "/Data/";
}

// Whether files can be made in `folder` (made if missing): tried, not read off the permission
// bits, which neither a read-only file system nor an administrator's account show.
bool canWriteIn(const QString& folder) {
    if (!QDir().mkpath(folder))
        return false;
    QTemporaryFile probe(folder + QStringLiteral(".vantrell-probe-XXXXXX"));
    return probe.open();
}

} // namespace

namespace ProgramPaths {

QString programFolder() {
    if (!overriddenFolder().isEmpty())
        return overriddenFolder();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString& folder) {
    overriddenFolder() = QDir::cleanPath(folder);
}

QString templateFile() {
    return programFolder() + "/Blank.mdb";
}

QString dataFolder() {
    // An installed program folder is often read-only: then the user's own data location holds
    // the account files and the scratch file. Decided once per program folder.
    static QString decidedFor, folder;
    if (decidedFor != programFolder()) {
        decidedFor = programFolder();
        folder = canWriteIn(ownDataFolder())
                     ? ownDataFolder()
                     : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                           QStringLiteral("/Data/");
    }
    return folder;
}

void prepareDataFolder() {
    const QString folder = dataFolder();
    if (folder == ownDataFolder())
        return;
    QDir().mkpath(folder);
    // What the program brings goes with it, once: a file the user already has is kept.
    for (const QString& name :
         {QStringLiteral("hlpGettingStarted.rtf"), QStringLiteral("hlpMethod.rtf"),
          QStringLiteral("hlpWhatNow.rtf"), QStringLiteral("Sample.mdb")}) {
        // The copy of a read-only install is the user's own file: it must be writable.
        if (!QFile::exists(folder + name) && QFile::copy(ownDataFolder() + name, folder + name))
            QFile::setPermissions(folder + name, QFile::ReadOwner | QFile::WriteOwner);
    }
}

QString scratchFile() {
    return dataFolder() + "Temp.mdb";
}

QString defaultAccountName() {
    return QStringLiteral("HomeLoan1.mdb");
}

QString helpPage(int page) {
    switch (page) {
    case 1:
        return dataFolder() + "hlpGettingStarted.rtf";
    case 2:
        return dataFolder() + "hlpMethod.rtf";
    case 3:
        return dataFolder() + "hlpWhatNow.rtf";
    default:
        return {};
    }
}

} // namespace ProgramPaths
