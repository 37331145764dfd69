#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString& overriddenFolder() {
    static QString folder;
    return folder;
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
    return programFolder() + "/Data/";
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
