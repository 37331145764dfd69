#include "SplitRoad.h"

#include "Dialogs.h"
#include "FormWindow.h"
#include "LoanSetCommands.h"
#include "WindowHost.h"
#include "Windows.h"
#include "data/ProgramPaths.h"
#include "loanset/LoanSet.h"
#include "loanset/PartImport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace SplitRoad {

namespace {

struct Asked {
    QString setPath;
    LoanSet::Set set; // the parts' accounts are their bank files until they are made
};

FileDialogRequest bankFileDialog(const QString& part) {
    FileDialogRequest r;
    r.kind = FileDialogRequest::Open;
    r.title = QCoreApplication::translate("SplitRoad", "The Bank's File of \"%1\"").arg(part);
    //: The kind of file a file dialog lists: the bank's exports
    r.filter = QCoreApplication::translate("SplitRoad", "Bank files") +
               QStringLiteral("|*.csv *.ofx *.qfx *.qif *.txt");
    return r;
}

// The set's name and file, then each part's name and bank file until the borrower says there
// is no other; nullopt when cancelled before a part was taken.
std::optional<Asked> ask() {
    Dialogs& d = Dialogs::instance();
    // The names offered are the user's data once taken: written into the set, they stay as
    // they are in every language.
    const std::optional<QString> name =
        d.askText(QCoreApplication::translate("SplitRoad", "Name of the loan set:"),
                  QStringLiteral("Home loan"));
    if (!name || name->trimmed().isEmpty())
        return std::nullopt;
    const std::optional<QString> setPath = d.chooseFile(LoanSetCommands::saveSetDialog(
        ProgramPaths::dataFolder(), name->trimmed() + u'.' + QLatin1String(LoanSet::Suffix)));
    if (!setPath)
        return std::nullopt;
    Asked asked{*setPath, {name->trimmed(), {}}};
    while (asked.set.parts.size() < LoanSet::MostParts) {
        const int n = int(asked.set.parts.size()) + 1;
        const std::optional<QString> part = d.askText(
            QCoreApplication::translate("SplitRoad", "Name of part %1 of the loan:").arg(n),
            n == 1 ? QStringLiteral("Variable") : QString());
        if (!part)
            break;
        const std::optional<QString> bank = d.chooseFile(bankFileDialog(part->trimmed()));
        if (!bank)
            break;
        asked.set.parts.append({part->trimmed(), *bank, std::nullopt});
        if (asked.set.parts.size() < LoanSet::MostParts &&
            !d.question(
                QCoreApplication::translate("SplitRoad", "Does the loan have another part?")))
            break;
    }
    if (asked.set.parts.isEmpty())
        return std::nullopt;
    return asked;
}

// Each part's account made from its bank file; the parts made so far when one cannot be, with
// why said.
LoanSet::Set makeParts(const Asked& asked, QStringList* notes, bool* whole) {
    const QString folder = QFileInfo(asked.setPath).absolutePath();
    LoanSet::Set made{asked.set.name, {}};
    *whole = true;
    for (const LoanSet::Part& part : asked.set.parts) {
        const QString account = PartImport::freshAccountPath(folder, asked.set.name, part.name);
        FormWindow::setHourglass();
        QString error;
        const auto goOn = [&part](const QString& caution) {
            FormWindow::setDefaultPointer();
            const bool yes = Dialogs::instance().question(
                QCoreApplication::translate("SplitRoad",
                                            "\"%1\": %2\n\nImport this file all the same?")
                    .arg(part.name, caution));
            FormWindow::setHourglass();
            return yes;
        };
        const std::optional<PartImport::Made> m =
            PartImport::make(part.account, account, goOn, &error);
        FormWindow::setDefaultPointer();
        if (!m) {
            notes->append(
                QCoreApplication::translate("SplitRoad", "\"%1\" could not be made from %2: %3")
                    .arg(part.name, part.account, error));
            *whole = false;
            break;
        }
        for (const QString& note : m->notes)
            notes->append(
                QCoreApplication::translate("SplitRoad", "\"%1\": %2").arg(part.name, note));
        made.parts.append({part.name, LoanSet::accountName(asked.setPath, m->account), m->method});
    }
    return made;
}

} // namespace

std::optional<QString> run(WindowHost& host) {
    const std::optional<Asked> asked = ask();
    if (!asked)
        return std::nullopt;
    // The set must stand before any account is made for it.
    if (const QString refused = LoanSet::refusal(asked->set); !refused.isEmpty()) {
        Dialogs::instance().message(refused);
        return std::nullopt;
    }
    QStringList notes;
    bool whole = false;
    const LoanSet::Set made = makeParts(*asked, &notes, &whole);
    if (made.parts.isEmpty()) {
        Dialogs::instance().message(notes.join(u'\n'));
        return std::nullopt;
    }
    QString error;
    if (!LoanSet::write(asked->setPath, made, &error)) {
        QStringList accounts;
        for (const LoanSet::Part& p : made.parts)
            accounts << LoanSet::accountPath(asked->setPath, p);
        notes << error
              << QCoreApplication::translate("SplitRoad", "The parts' accounts are kept: %1")
                     .arg(accounts.join(QStringLiteral(", ")));
        Dialogs::instance().message(notes.join(u'\n'));
        return std::nullopt;
    }
    if (!whole)
        notes.append(QCoreApplication::translate(
            "SplitRoad", "The set holds the parts made; add the others in its "
                         "window."));
    if (!notes.isEmpty())
        Dialogs::instance().message(notes.join(u'\n'));
    host.setTag(Tag::LoanSet, asked->setPath);
    // A set without all its parts is finished in its window; a whole one is checked at once.
    if (!whole) {
        // The set's window opens on the set just written, not on one open before.
        host.unloadWindow(WindowNames::LoanSet);
        host.showWindow(WindowNames::LoanSet);
    } else {
        LoanSetCommands::showSummary(host, asked->setPath);
    }
    return asked->setPath;
}

} // namespace SplitRoad
