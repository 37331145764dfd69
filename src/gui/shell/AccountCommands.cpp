#include "AccountCommands.h"

#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "data/ProgramPaths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace AccountCommands {

namespace {
FileDialogRequest request(FileDialogRequest::Kind kind, const QString& title, Place place) {
    FileDialogRequest r;
    r.kind = kind;
    r.title = title;
    r.filter = accountFilter();
    r.folder = ProgramPaths::dataFolder();
    r.fileName = ProgramPaths::defaultAccountName();
    // The main window completes a bare name with ".mdb"; the start-up window takes it as typed.
    r.defaultSuffix = place == Place::MainWindow ? QStringLiteral("mdb") : QString();
    return r;
}

// The number runs straight into the description, as the message has always read.
QString openError(int number, const QString& text) {
    return QCoreApplication::translate("AccountCommands", "Open File Error: %1%2")
        .arg(QString::number(number), text);
}
} // namespace

QString accountFilter() {
    //: The kind of file a file dialog lists: the loan accounts
    return QCoreApplication::translate("AccountCommands", "Data") + QStringLiteral("|*.mdb");
}

FileDialogRequest newDialog(Place place) {
    return request(FileDialogRequest::Save,
                   QCoreApplication::translate("AccountCommands", "Save New Account as..."), place);
}

FileDialogRequest openDialog(Place place) {
    return request(FileDialogRequest::Open,
                   QCoreApplication::translate("AccountCommands", "Open Database..."), place);
}

QString createAccount(const QString& path) {
    const FileError e = AccountFiles::createFromTemplate(ProgramPaths::templateFile(), path);
    return e ? QCoreApplication::translate("AccountCommands", "File Creation Error: %1").arg(e.text)
             : QString();
}

QString compactAccount(const QString& path) {
    // Replacing a file that a window still writes to would send its saves to a deleted file.
    if (AccountConnection::openCount(path) > 0)
        return openError(
            FileError::AccessError,
            QCoreApplication::translate("AccountCommands", "The account '%1' is in use.")
                .arg(path));
    const FileError e = AccountFiles::compactInPlace(path, ProgramPaths::scratchFile());
    return e ? openError(e.number, e.text) : QString();
}

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    return fa.exists() && fb.exists() ? fa.canonicalFilePath() == fb.canonicalFilePath()
                                      : fa.absoluteFilePath() == fb.absoluteFilePath();
}

} // namespace AccountCommands
