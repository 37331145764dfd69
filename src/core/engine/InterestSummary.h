#pragma once

#include "InterestWorking.h"
#include "ReportLine.h"
#include "data/Money.h"

#include <QDate>
#include <QMap>
#include <QPointF>
#include <QString>
#include <QVector>

#include <optional>

// What the lender over- or under-charged: the report's interest charged beside the interest due,
// posting by posting, year by year and over the whole history. Shared by the summary window, the
// printed report's first page and the command-line tool, so that all three give the same figures.
//
// A posting is a date on which the report has an interest line (the interest due of the period
// it closes) and the lender charged interest (a non-zero "Int Charge"): the two are compared.
// A charge on a date without an interest line, and an interest line without a charge on its
// date, are kept apart rather than paired with a neighbour; an interest line of 0.00 without a
// charge agrees with the lender and counts as a posting charged 0.00. Every amount is summed
// from its two-decimal value as the report shows it, so that each total equals the report's.
namespace InterestSummary {

// One posting: the statement period it closes.
struct Posting {
    QDate date;
    Money charged;
    Money due;
    Money difference;   // charged - due: above zero the lender charged more
    Money runningTotal; // of the postings' differences up to and including this one
    ReportLine::Incomplete incomplete = ReportLine::Incomplete::No;
    // The rates entered for its period and the one the lender effectively charged, when the
    // summary was given the working.
    InterestWorking::PostingRates rates = {};
    bool comparable() const { return incomplete == ReportLine::Incomplete::No; }
    friend bool operator==(const Posting&, const Posting&) = default;
};

// A charge without an interest line on its date, or an interest line without a charge.
struct Unpaired {
    QDate date;
    Money amount;
    friend bool operator==(const Unpaired&, const Unpaired&) = default;
};

// A calendar year: every charge and every interest line dated in it, paired or not, so that the
// years add up to the report's column totals.
struct Year {
    int year = 0;
    Money charged;
    Money due;
    Money difference;
    int incomplete = 0; // postings in the year that cannot be compared
    friend bool operator==(const Year&, const Year&) = default;
};

struct Summary {
    QDate first; // the report's first and last dates (invalid when it has no lines)
    QDate last;

    QVector<Posting> postings;
    QVector<Unpaired> chargesWithoutPosting;
    QVector<Unpaired> postingsWithoutCharge;
    QVector<Year> years; // every year from the first line's to the last line's

    // The whole history: the report's "Int Charge" and "Int Due" totals and their difference.
    Money charged;
    Money due;
    Money difference;
    // Postings that cannot be compared (ReportLine::Incomplete): in the postings, the years and
    // the totals, but left out of the over- and under-charges, the months and the largest
    // differences. Their differences' sum apart.
    QVector<Posting> incomplete;
    Money incompleteDifference;
    // The one statement the missing-statement notice names (0: none, or several), to say why.
    int missingStatement = 0;

    // The comparable postings' differences above and below zero (the latter as a positive
    // amount), and how many postings each.
    Money overCharged;
    Money underCharged;
    int overChargedCount = 0;
    int underChargedCount = 0;
    // The unpaired amounts' sums: difference = overCharged - underCharged + unpairedCharged -
    // unpairedDue + incompleteDifference.
    Money unpairedCharged;
    Money unpairedDue;

    // Calendar months with a posting or an unpaired amount, and those of them in which a
    // posting differs or an unpaired amount stands.
    int monthsCompared = 0;
    int monthsDiffering = 0;
    // Of those, the months in which the lender charged more (a posting over-charged, or a charge
    // without a posting) and less (under-charged, or a posting without a charge).
    int monthsOver = 0;
    int monthsUnder = 0;
    // Calendar months from the first line's to the last line's, both counted.
    int monthsSpanned = 0;

    // Up to ten postings that differ, the largest difference either way first (equal ones in
    // date order).
    QVector<Posting> largest;

    // Comparable postings with an effective rate, and those of them whose effective rate lies
    // InterestWorking::DifferingRate or more from every rate entered: where to look first.
    int ratesCompared = 0;
    int ratesDiffering = 0;
    bool hasRates = false; // the summary was given the postings' rates
};

inline constexpr int LargestCount = 10;

// Each posting's rates by its date (InterestWorking::postingRates).
using PostingRateMap = QMap<QDate, InterestWorking::PostingRates>;

// nullopt when a sum leaves the money range. `missingStatement`: the one statement the
// missing-statement notice names, or 0. `rates`: the postings' rates, when known.
std::optional<Summary> summarise(const QVector<ReportLine>& lines, int missingStatement = 0,
                                 const PostingRateMap* rates = nullptr);
// One line's interest figures, whatever the line came from (the printed report's rows too):
// the charge ("Int Charge") and the interest due as they stand, and whether the due can be
// compared.
struct Figures {
    QDate date;
    std::optional<Money> charged;
    std::optional<Money> due;
    ReportLine::Incomplete incomplete = ReportLine::Incomplete::No;
};
// The same from each line's figures.
std::optional<Summary> summarise(const QVector<Figures>& lines, int missingStatement = 0,
                                 const PostingRateMap* rates = nullptr);
// The postings that cannot be compared, by date.
using IncompletePostings = QMap<QDate, ReportLine::Incomplete>;
// The postings of `lines` that cannot be compared, by date.
IncompletePostings incompletePostings(const QVector<ReportLine>& lines);

// The running total's chart: one point per posting, x the posting date's start of day in
// milliseconds since the epoch (the unit of a date-time axis), y the running total.
QVector<QPointF> runningTotalSeries(const Summary& s);

// The span a chart's value axis shows: zero and every value in `values`, at least one unit wide
// (a single value still gets room to stand in). The window's charts and the printed page's alike.
struct ValueRange {
    double low = 0;
    double high = 1;
};
ValueRange valueRange(const QVector<double>& values);
// The running total's: its series' values.
ValueRange valueRange(const QVector<QPointF>& series);

// The date format of a time axis from `first` to `last` with `ticks` evenly spaced labels, such
// that no two labels read the same: month and year ("Sep 2023") while the labels lie a month or
// more apart, the day too ("14 Sep 2023") when they lie closer.
QString timeAxisFormat(const QDate& first, const QDate& last, int ticks);

// The posting whose date is nearest to the chart position `x` (as runningTotalSeries gives
// it); -1 when there is none. For the pointer's tooltip.
int nearestPosting(const Summary& s, double x);

} // namespace InterestSummary
