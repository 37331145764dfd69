#pragma once

#include "engine/CalculationBasis.h"
#include "engine/InterestSummary.h"
#include "engine/LenderConventions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <utility>

// The over/under-charge summary as text: the one sentence, the plain text a borrower pastes into
// a letter to the lender (and the report tool prints), and CSV.
namespace SummaryRendering {

// How the interest due was worked out, for the reader of the text.
struct Basis {
    QString account; // the account file; "" leaves the line out
    CalculationBasis calculation;
    // Whose rates the interest due is worked under, when not the stored rate periods: said
    // under the sentence.
    QString ratesNote;
    // Whether the repayments fall short of those the loan's repayment terms require: said under
    // the sentence too ("" without a finding).
    QString repaymentVerdict;
};

// "Over 40 years your lender charged 1,234.56 more interest than these figures give, more in 30
// and less in 7 of 480 months." Amounts as the report grid shows them. Postings that cannot be
// compared are left out and said: "..., not counting 1 posting whose period is incomplete: a
// missing statement (20)."
QString sentence(const InterestSummary::Summary& s);
// The sentence's ", not counting ..." part; "" when every posting can be compared.
QString notCounting(const InterestSummary::Summary& s);

// A year of the yearly table, marked "2023 *" when it holds a posting that cannot be compared.
QString yearLabel(const InterestSummary::Year& y);
// Marked for translation: shown through QCoreApplication::translate("SummaryRendering", ...).
inline constexpr const char* IncompleteYearNote = QT_TRANSLATE_NOOP(
    "SummaryRendering",
    "* holds a posting whose period is incomplete (in the totals, not in the comparison).");

// "Method: Fixed Day, interest periods ending on day 28 of each month."
QString methodLine(const Basis& basis);
// "Conventions: Actual/365 Fixed, each day to four decimals."
QString conventionsLine(const LenderConventions& conventions);

// The totals under their labels: charged, due, their difference, the over- and under-charges
// with how many postings each, the unpaired amounts with how many of them, and the incomplete
// periods' difference where there are any.
QVector<std::pair<QString, Money>> totals(const InterestSummary::Summary& s);

// The sentence, the totals, the method and conventions, the largest differences with their
// dates, the yearly table and the unpaired amounts, in aligned columns. Lines end with '\n'.
QString text(const InterestSummary::Summary& s, const Basis& basis);

// "year,charged,due,difference,not_comparable", one record per calendar year, then "total,...":
// plain decimals ('.' point, no groups), the same in every locale; not_comparable counts the
// postings that cannot be compared. Lines end with '\n'.
QByteArray csv(const InterestSummary::Summary& s);

// The column headings the window and the printed page share.
QStringList yearHeadings(); // "Year", "Charged", "Due", "Difference"
// The table under those headings: a row a year, then the total. With postings that cannot be
// compared, the total is said twice, plainly: "Total of every posting" (the report's totals) and
// "Total compared" (what the headline speaks of).
QVector<QStringList> yearRows(const InterestSummary::Summary& s);
QStringList postingHeadings(); // "Date", "Charged", "Due", "Difference"
// The postings' headings of a summary: with its rates, "Rate entered" and "Effective rate" too.
QStringList postingHeadings(const InterestSummary::Summary& s);
// A posting's cells under those headings, as the report grid shows dates and amounts.
QStringList postingCells(const InterestSummary::Summary& s, const InterestSummary::Posting& p);

// How many postings' effective rate lies away from every rate entered: "In 3 of 24 postings the
// lender effectively charged a rate 0.01 percentage points or more from every rate entered for
// the period: look there first."
QString ratesSentence(int differing, int rated);
// The same for a summary, where it only points at postings: "" when it was not given the rates
// or no posting is counted.
QString ratesLine(const InterestSummary::Summary& s);

} // namespace SummaryRendering
