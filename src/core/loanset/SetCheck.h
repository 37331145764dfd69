#pragma once

#include "LoanSet.h"
#include "run/ReportCase.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

// A split loan checked as one: each part's report under its own method, day and conventions,
// each part's verdict and the set's, the difference of each calendar year per part and in total,
// what each offset account saved, each fixed part's end, the balance-weighted rate, and whether
// an offset was linked to the wrong part.
namespace SetCheck {

// What the parts run under beyond their accounts: a method for every part (else each part's
// own from the set), a calculation day, and the conventions over each account's.
struct Options {
    std::optional<InterestMethod::Code> method;
    std::optional<CalcDay::Day> day;
    // The part's conventions from its account's; nullopt, with `problem`, refuses them.
    std::function<std::optional<LenderConventions>(const LenderConventions& stored,
                                                   QString* problem)>
        conventions;
    // Each part's working recorded, for the evidence of a complaint.
    bool recordWorking = false;
};

struct PartRun {
    LoanSet::Part part;
    QString path;    // the account file
    QString problem; // why the part is not checked ("" when it is): missing, not an account
    std::shared_ptr<ReportCase> run;
    std::optional<InterestSummary::Summary> summary;
    QString verdict; // the part's sentence
    // The interest due without the part's offset account less that with it; none without one.
    std::optional<Money> offsetBenefit;
    QDate fixedUntil;        // the last day of the fixed rate in force at the history's end
    std::optional<Rate> rate; // in force on the history's last day
    Money owed;               // on the history's last day (a magnitude)

    bool checked() const { return problem.isEmpty() && run && summary; }
};

// One calendar year: each part's charged less due (none for a part without postings that
// year), and their sum.
struct Year {
    int year = 0;
    QVector<std::optional<Money>> parts;
    Money total;
};

// An offset account counted against another part than its own: the charges of both parts over
// the span are those of the offset linked to `to` (none: to no part).
struct WrongOffset {
    int from = 0;          // the part whose offset it is
    std::optional<int> to; // the part the lender linked it to
    QDate first;           // the first and last postings reproduced so
    QDate last;
    int postings = 0;
    Money amount; // the charges of both parts less their interest due over the span
};

struct Result {
    QString name;
    QVector<PartRun> parts;
    QVector<Year> years;
    Money charged;    // of every part checked, compared postings
    Money due;
    Money difference; // charged - due: the sum of the parts' differences
    std::optional<Rate> weightedRate; // by the balances owed at each part's history's end
    QVector<WrongOffset> wrongOffsets;
    QStringList notices;

    int checkedParts() const;
};

// Each part of `set` (its accounts found from `setPath`'s folder) read into memory, never
// written, and checked; a part that is missing or is not an account is said and the rest
// still checked.
Result check(const LoanSet::Set& set, const QString& setPath, const Options& options = {});

// The summary sentence of the whole set: "Across its 2 parts your lender charged 41.09 more
// interest than these figures give."
QString verdict(const Result& r);
// "From 1/1/2024 to 31/1/2024 the charges of both parts equal exactly those of the offset of
// "Variable" linked to "Fixed 3 years": 41.09 more than due."
QString sentence(const Result& r, const WrongOffset& w);

// The set's summary as text: its verdict, each part's, the offset explanations, the yearly
// table per part and in total, the offsets' benefit, the fixed parts' ends and the weighted
// rate. Lines end with '\n'.
QString text(const Result& r);
// "part,year,charged,due,difference", one record a part and year, then "total,YEAR,..." for each
// year and "total,all,...": plain decimals, the same in every locale.
QByteArray csv(const Result& r);
// The diagnosis of every part and the set's offset explanations as text, or as the diagnosis's
// CSV with a first column "part" ("set" for the offset rows, explanation
// "offset-linked-to-wrong-part").
QString diagnosisText(const Result& r);
QByteArray diagnosisCsv(const Result& r);

} // namespace SetCheck
