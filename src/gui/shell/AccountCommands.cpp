#include "AccountCommands.h"

#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "data/ProgramPaths.h"

#include <QFileInfo>

namespace AccountCommands {

namespace {
const QString Filter = QStringLiteral("Data|*.mdb");
const QString CreationError = QStringLiteral("File Creation Error: ");
const QString OpenError = QStringLiteral("Open File Error: ");

FileDialogRequest request(FileDialogRequest::Kind kind, const QString& title, Place place) {
    FileDialogRequest r;
    r.kind = kind;
    r.title = title;
    r.filter = Filter;
    r.folder = ProgramPaths::dataFolder();
    r.fileName = ProgramPaths::defaultAccountName();
    // The main window completes a bare name with ".mdb"; the start-up window takes it as typed.
    r.defaultSuffix = place == Place::MainWindow ? QStringLiteral("mdb") : QString();
    return r;
}
} // namespace

FileDialogRequest newDialog(Place place) {
    return request(FileDialogRequest::Save, QStringLiteral("Save New Account as..."), place);
}

FileDialogRequest openDialog(Place place) {
    return request(FileDialogRequest::Open, QStringLiteral("Open Database..."), place);
}

QString createAccount(const QString& path) {
    const FileError e = AccountFiles::createFromTemplate(ProgramPaths::templateFile(), path);
    return e ? CreationError + e.text : QString();
}

QString compactAccount(const QString& path) {
    // Replacing a file that a window still writes to would send its saves to a deleted file.
    if (AccountConnection::openCount(path) > 0)
        return OpenError + QString::number(FileError::AccessError) +
               QStringLiteral("The account '%1' is in use.").arg(path);
    const FileError e = AccountFiles::compactInPlace(path, ProgramPaths::scratchFile());
    return e ? OpenError + QString::number(e.number) + e.text : QString();
}

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    return fa.exists() && fb.exists() ? fa.canonicalFilePath() == fb.canonicalFilePath()
                                      : fa.absoluteFilePath() == fb.absoluteFilePath();
}

} // namespace AccountCommands
