#pragma once

#include "ComplaintDetails.h"
#include "render/PrintedReport.h"
#include "render/SummaryRendering.h"
#include "run/ReportCase.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

// A complaint the lender must answer: the postings to raise, the letter that raises them and the
// evidence behind it, prepared once from the account for the window and the report tool alike.
namespace Complaint {

// A posting the lender charged more than was due.
struct Posting {
    QDate date;
    Money charged;
    Money due;
    Money difference;    // charged - due, above zero
    QString explanation; // what explains it, where the diagnosis found one: the letter's words
    QString shownExplanation; // the same in the windows' language
    bool raised = false; // ticked: at or above the threshold by default
};

struct Case {
    QString account; // the account file
    ComplaintDetails details;
    QVector<Posting> postings; // every comparable posting charged above its due, by date
    QDate historyEnd;          // the interest the total would have saved runs to this day

    // What the evidence shows: the report's run, its lines, working and rates.
    std::shared_ptr<const ReportCase> run;
    SummaryRendering::Basis basis;
    QStringList rateSources;         // where each rate period of the run came from, in its order
    QString passOnText;              // the pass-on tables, for an account with variable terms
    QStringList explanations;        // the diagnosis's sentences
    QVector<QStringList> statements; // "Statement", "Closing date", "Opening", "Closing" rows
};

// The postings, diagnosis and evidence of the report's run of `account`, with the details kept
// in the account. nullopt, with `error` saying why, when the rate terms do not read, the owed
// rates asked for cannot stand in, or the report's sums leave the range of amounts.
std::optional<Case> prepare(std::shared_ptr<ReportCase> run, const QString& account,
                            QString* error);

// Ticks the postings at or above `threshold` and no others.
void tickAtThreshold(Case& c, Money threshold);

// The raised postings' differences, and the interest their total would have saved: each
// difference at the rates in force from the day after its posting to the history's end, each
// day's rate divided as the account's day count divides it.
Money total(const Case& c);
Money interestSaved(const Case& c);

// Why no letter can be written ("" when one can): nothing charged above due by the threshold,
// or nothing ticked.
QString noLetter(const Case& c);

// The letter as an OpenDocument text (`.odt`) the borrower can edit, naming `evidenceName` among
// the enclosures, a blank detail it needs written as its placeholder
// (Complaints::missingDetails); the evidence as a PDF. Each file goes through OutputFile::write:
// never over the account, through a link or over anything but a regular file, and whole or not
// at all: false, with `error` saying why, and any earlier file of that name as it was.
bool writeLetter(const Case& c, const QString& path, const QString& evidenceName, QString* error);
bool writeEvidence(const Case& c, const QString& path, QString* error);

// The letter's text as it is written, for the window's preview and the tests.
QString letterText(const Case& c, const QString& evidenceName);

// The parts of a split loan in one letter and one evidence pack: each part's findings under its
// name (and account number), after what was found across the parts; the first part's details
// head the letter. Each part's pages in the evidence from a page of their own.
struct Part {
    const Case* c = nullptr;
    QString name; // "" for an account alone
};
QString letterText(const QVector<Part>& parts, const QStringList& acrossParts,
                   const QString& evidenceName);
bool writeLetter(const QVector<Part>& parts, const QStringList& acrossParts, const QString& path,
                 const QString& evidenceName, QString* error);
// The evidence's contents of one case, as writeEvidence prints them.
PrintedReport::Content evidenceOf(const Case& c);
bool writeEvidence(const QVector<const Case*>& parts, const QString& path, QString* error);

} // namespace Complaint
