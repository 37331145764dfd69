#include "ProgramPaths.h"

#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <iterator>

namespace {
QString& overriddenFolder() {
    static QString folder;
    return folder;
}
QString ownDataFolder() {
    return ProgramPaths::programFolder() + "/Data/";
}

// The help pages in the order of helpPage(1..3).
const char* const HelpPages[] = {"hlpGettingStarted.rtf", "hlpMethod.rtf", "hlpWhatNow.rtf"};

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// `bytes` as the file `path`, replaced in one step, so that the help window never reads half a
// page. The copy of a read-only install is the user's own file: it must be writable.
void writeUserCopy(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
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
    copyProgramFiles(ownDataFolder(), folder);
}

void copyProgramFiles(const QString& from, const QString& to) {
    const QDir program(from), user(to);
    // The pages are the program's: the user's copies follow them, an upgrade's included, and
    // each language's pages in a folder of its own.
    QStringList folders = {QString()};
    for (const QString& language : Language::translated())
        folders << language + QLatin1Char('/');
    for (const QString& folder : folders) {
        for (const char* page : HelpPages) {
            const QString name = folder + QLatin1String(page);
            const QByteArray text = contents(program.filePath(name));
            if (text.isEmpty() || contents(user.filePath(name)) == text)
                continue;
            QDir().mkpath(user.filePath(folder));
            writeUserCopy(user.filePath(name), text);
        }
    }
    // The sample is an account the user may have changed: brought once, never replaced.
    const QString sample = user.filePath(QStringLiteral("Sample.mdb"));
    if (!QFile::exists(sample) &&
        QFile::copy(program.filePath(QStringLiteral("Sample.mdb")), sample))
        QFile::setPermissions(sample, QFile::ReadOwner | QFile::WriteOwner);
}

QString scratchFile() {
    return dataFolder() + "Temp.mdb";
}

QString defaultAccountName() {
    return QStringLiteral("HomeLoan1.mdb");
}

QString helpPage(int page) {
    if (page < 1 || page > int(std::size(HelpPages)))
        return {};
    // The windows' language's page where the program has one, else the English.
    const QString translated =
        dataFolder() + Language::current() + QLatin1Char('/') + QLatin1String(HelpPages[page - 1]);
    if (Language::current() != QLatin1String("en") && QFileInfo::exists(translated))
        return translated;
    return dataFolder() + QLatin1String(HelpPages[page - 1]);
}

} // namespace ProgramPaths
