#include "Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {
std::unique_ptr<Dialogs>& current() {
    static std::unique_ptr<Dialogs> dialogs = std::make_unique<QtDialogs>();
    return dialogs;
}
} // namespace

Dialogs& Dialogs::instance() {
    return *current();
}

std::unique_ptr<Dialogs> Dialogs::install(std::unique_ptr<Dialogs> dialogs) {
    std::unique_ptr<Dialogs> previous = std::move(current());
    current() = std::move(dialogs);
    return previous;
}

void QtDialogs::message(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool QtDialogs::question(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::chooseFile(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.folder);
    // "Data|*.mdb" -> "Data (*.mdb)"
    const QStringList parts = request.filter.split('|');
    if (parts.size() == 2)
        dialog.setNameFilter(QStringLiteral("%1 (%2)").arg(parts[0], parts[1]));
    dialog.setAcceptMode(request.kind == FileDialogRequest::Save ? QFileDialog::AcceptSave
                                                                 : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileDialogRequest::Save ? QFileDialog::AnyFile
                                                               : QFileDialog::ExistingFile);
    // An existing name is refused by the copy with its own message; no second question here.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtDialogs::print(QPrinter& printer, int flags) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !(flags & PrintFlags::NoPageNums));
    const bool selection = flags & PrintFlags::Selection;
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selection);
    printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::beep() {
    QApplication::beep();
}
