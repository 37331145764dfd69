#pragma once

#include "shell/Dialogs.h"

#include <QQueue>
#include <QStringList>
#include <optional>

// Answers every dialog from a queue and records every message, so tests run without a person.
// An empty queue answers "cancel" / "No", so a forgotten answer shows up as a failing test.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        DialogIcon icon = DialogIcon::None;
    };

    // Installs a fresh scripted instance and returns it; the installed one lives until the next
    // install.
    static ScriptedDialogs& install();

    QQueue<std::optional<QString>> files;
    QQueue<bool> answers;
    QQueue<bool> printAnswers;
    QQueue<std::optional<int>> items;     // the index chosen, nullopt to cancel
    QStringList itemLists;                // each list offered, its items joined by '|'
    QQueue<std::optional<QString>> texts; // the text typed, nullopt to cancel
    QStringList textPrompts;              // each prompt asked

    QList<Shown> messages;
    QList<Shown> questions;
    QList<FileDialogRequest> fileRequests;
    QList<int> printFlags;
    int beeps = 0;

    QStringList messageTexts() const;

    void message(const QString& text, const QString& title) override;
    bool question(const QString& text, const QString& title, DialogIcon icon) override;
    std::optional<QString> chooseFile(const FileDialogRequest& request) override;
    std::optional<int> chooseItem(const QString& text, const QStringList& items,
                                  const QString& title) override;
    std::optional<QString> askText(const QString& prompt, const QString& initial,
                                   const QString& title) override;
    bool print(QPrinter& printer, int flags) override;
    // Paints the pages at once instead of showing them: into previewToPdf when set, else into
    // memory, so that a failing paint still shows in `previews`.
    void preview(QPrinter& printer, const PaintFunction& paint) override;
    void beep() override;

    // Where an accepted print goes, so a test can read what was printed.
    QString printToPdf;

    struct Preview {
        QString caption; // the printer's document name
        bool painted = false;
        QString error;
    };
    QList<Preview> previews;
    QString previewToPdf;
};
