#include "Dialogs.h"

#include "data/OutputFile.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

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

bool QtDialogs::question(const QString& text, const QString& title, DialogIcon icon) {
    QMessageBox box(icon == DialogIcon::Stop ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    text, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
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

void QtDialogs::preview(QPrinter& printer, const PaintFunction& paint) {
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    if (!printer.docName().isEmpty())
        dialog.setWindowTitle(printer.docName());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* p) { paint(*p, nullptr); });
    // Qt's preview saves nothing, and the report is mostly e-mailed to the lender.
    if (auto* bar = dialog.findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* save = bar->addAction(QCoreApplication::translate("Dialogs", "Save as PDF"));
        save->setObjectName(QStringLiteral("actionSaveAsPdf"));
        QObject::connect(save, &QAction::triggered, &dialog,
                         [this, &printer, &paint] { saveAsPdf(printer, paint); });
    }
    dialog.exec();
}

void QtDialogs::saveAsPdf(const QPrinter& printer, const PaintFunction& paint) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Save;
    request.title = QCoreApplication::translate("Dialogs", "Save as PDF");
    request.filter = QStringLiteral("PDF|*.pdf");
    request.fileName = printer.docName().isEmpty() ? QString() : printer.docName() + ".pdf";
    request.defaultSuffix = QStringLiteral("pdf");
    const std::optional<QString> path = chooseFile(request);
    if (!path)
        return;
    // Never over an account, through a link or over a pipe; written beside and put in place once
    // whole, so a failed save leaves an earlier file as it was.
    QString error;
    const bool written = OutputFile::write(
        *path,
        [&](QIODevice& file, QString* why) {
            QPdfWriter writer(&file);
            writer.setPageLayout(printer.pageLayout());
            writer.setTitle(printer.docName());
            writer.setCreator(AppTitle);
            return paint(writer, why);
        },
        {}, &error);
    if (!written)
        message(QCoreApplication::translate("Dialogs", "Save as PDF Error: %1").arg(error),
                AppTitle);
}

void QtDialogs::beep() {
    QApplication::beep();
}

std::optional<int> QtDialogs::chooseItem(const QString& text, const QStringList& items,
                                         const QString& title) {
    bool ok = false;
    const QString chosen =
        QInputDialog::getItem(QApplication::activeWindow(), title, text, items, 0, false, &ok);
    if (!ok)
        return std::nullopt;
    return int(items.indexOf(chosen));
}

std::optional<QString> QtDialogs::askText(const QString& prompt, const QString& initial,
                                          const QString& title) {
    bool ok = false;
    const QString typed = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                                QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return typed;
}
