#include "ScriptedDialogs.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

ScriptedDialogs& ScriptedDialogs::install() {
    auto dialogs = std::make_unique<ScriptedDialogs>();
    ScriptedDialogs& ref = *dialogs;
    Dialogs::install(std::move(dialogs));
    return ref;
}

QStringList ScriptedDialogs::messageTexts() const {
    QStringList texts;
    for (const Shown& m : messages)
        texts << m.text;
    return texts;
}

void ScriptedDialogs::message(const QString& text, const QString& title) {
    messages.append({text, title});
}

bool ScriptedDialogs::question(const QString& text, const QString& title, DialogIcon icon) {
    questions.append({text, title, icon});
    return answers.isEmpty() ? false : answers.dequeue();
}

std::optional<int> ScriptedDialogs::chooseItem(const QString&, const QStringList& list,
                                               const QString&) {
    itemLists.append(list.join(u'|'));
    return items.isEmpty() ? std::nullopt : items.dequeue();
}

std::optional<QString> ScriptedDialogs::askText(const QString& prompt, const QString&,
                                                const QString&) {
    textPrompts.append(prompt);
    return texts.isEmpty() ? std::nullopt : texts.dequeue();
}

std::optional<QString> ScriptedDialogs::chooseFile(const FileDialogRequest& request) {
    fileRequests.append(request);
    if (files.isEmpty())
        return std::nullopt;
    std::optional<QString> chosen = files.dequeue();
    // A real dialog completes a bare name with the default extension.
    if (chosen && !request.defaultSuffix.isEmpty() && !chosen->section('/', -1).contains('.'))
        *chosen += '.' + request.defaultSuffix;
    return chosen;
}

bool ScriptedDialogs::print(QPrinter& printer, int flags) {
    printFlags.append(flags);
    const bool accepted = printAnswers.isEmpty() ? false : printAnswers.dequeue();
    if (accepted && !printToPdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printToPdf);
    }
    return accepted;
}

void ScriptedDialogs::preview(QPrinter& printer, const PaintFunction& paint) {
    QBuffer memory;
    memory.open(QIODevice::WriteOnly);
    const auto writer = previewToPdf.isEmpty() ? std::make_unique<QPdfWriter>(&memory)
                                               : std::make_unique<QPdfWriter>(previewToPdf);
    writer->setPageLayout(printer.pageLayout());
    Preview shown{printer.docName(), false, QString()};
    shown.painted = paint(*writer, &shown.error);
    previews.append(shown);
}

void ScriptedDialogs::beep() {
    ++beeps;
}
