#include "LoanSetCommands.h"

#include "AccountCommands.h"
#include "FormWindow.h"
#include "SetViewer.h"
#include "WindowHost.h"
#include "Windows.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace LoanSetCommands {

namespace {
QString setFilter() {
    //: The kind of file a file dialog lists: the loan sets
    return QCoreApplication::translate("LoanSetCommands", "Loan Set") +
           QStringLiteral("|*.%1").arg(QLatin1String(LoanSet::Suffix));
}
} // namespace

FileDialogRequest openSetDialog() {
    FileDialogRequest r;
    r.kind = FileDialogRequest::Open;
    r.title = QCoreApplication::translate("LoanSetCommands", "Open Loan Set");
    r.filter = setFilter();
    return r;
}

FileDialogRequest saveSetDialog(const QString& folder, const QString& fileName) {
    FileDialogRequest r;
    r.kind = FileDialogRequest::Save;
    r.title = QCoreApplication::translate("LoanSetCommands", "Save Loan Set");
    r.filter = setFilter();
    r.folder = folder;
    r.fileName = fileName;
    r.defaultSuffix = QString::fromLatin1(LoanSet::Suffix);
    return r;
}

FileDialogRequest partAccountDialog(const QString& folder) {
    FileDialogRequest r;
    r.kind = FileDialogRequest::Open;
    r.title = QCoreApplication::translate("LoanSetCommands", "Add Part");
    r.filter = AccountCommands::accountFilter();
    r.folder = folder;
    return r;
}

std::optional<LoanSet::Set> readOrSay(const QString& path) {
    QString error;
    std::optional<LoanSet::Set> set = LoanSet::read(path, &error);
    if (!set)
        Dialogs::instance().message(error);
    return set;
}

bool showSummary(WindowHost& host, const QString& setPath) {
    host.setTag(Tag::LoanSet, setPath);
    FormWindow* form = host.showWindow(WindowNames::SetSummary);
    if (!form)
        return false;
    if (auto* viewer = dynamic_cast<SetViewer*>(form))
        viewer->showSet(setPath);
    else
        QMetaObject::invokeMethod(form, "showSet", Qt::DirectConnection, Q_ARG(QString, setPath));
    return true;
}

} // namespace LoanSetCommands
