#include "InterestSummary.h"

#include "data/HistorySpan.h"

#include <QDateTime>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace InterestSummary {

namespace {

// The charges and the interest due of one date, as shown.
struct Day {
    Money charged;
    Money due;
    bool hasCharge = false;
    bool hasDue = false;
    ReportLine::Incomplete incomplete = ReportLine::Incomplete::No;
};

Money magnitude(Money m) {
    // The most negative raw value has no positive counterpart; sums of cents never reach it.
    return m.magnitude().value_or(m);
}

int monthKey(const QDate& d) {
    return d.year() * 12 + d.month() - 1;
}

// Each date's charges and interest due, summed as shown; `dates` spans every dated line. nullopt
// when a sum leaves the money range.
std::optional<QMap<QDate, Day>> daysOf(const QVector<Figures>& lines, DateSpan& dates) {
    QMap<QDate, Day> days;
    for (const Figures& line : lines) {
        if (!line.date.isValid())
            continue;
        dates.include(line.date);
        std::optional<Money> charged, due;
        if (line.charged) {
            charged = line.charged->roundedToCents();
            if (!charged)
                return std::nullopt;
        }
        if (line.due) {
            due = line.due->roundedToCents();
            if (!due)
                return std::nullopt;
        }
        // A line that charged 0.00 (a deposit, a balance row) charged nothing.
        const bool isCharge = charged && !charged->isZero();
        if (!isCharge && !due)
            continue;
        Day& day = days[line.date];
        if (isCharge) {
            if (!Money::addTo(day.charged, *charged))
                return std::nullopt;
            day.hasCharge = true;
        }
        if (due) {
            if (!Money::addTo(day.due, *due))
                return std::nullopt;
            day.hasDue = true;
            if (line.incomplete != ReportLine::Incomplete::No)
                day.incomplete = line.incomplete;
        }
    }
    return days;
}

// The calendar months (monthKey) with a posting or an unpaired amount, and those of them in
// which one differs, the lender charging more or less.
struct Months {
    QSet<int> compared, differing, over, under;
};

// Whether the day pairs a charge with an interest line: a charge of its own, or a due of 0.00
// that agrees with no charge.
bool isPosting(const Day& day) {
    return day.hasDue && (day.hasCharge || day.due.isZero());
}

// The day as a posting; false when a sum leaves the money range.
bool addPosting(Summary& s, Year& year, Months& months, Money& running, const QDate& date,
                const Day& day, const PostingRateMap* rates) {
    const std::optional<Money> difference = Money::subtract(day.charged, day.due);
    if (!difference || !Money::addTo(running, *difference))
        return false;
    Posting posting{date, day.charged, day.due, *difference, running, day.incomplete};
    if (rates)
        posting.rates = rates->value(date);
    s.postings.append(posting);
    if (!posting.comparable()) {
        s.incomplete.append(posting);
        ++year.incomplete;
        return Money::addTo(s.incompleteDifference, *difference);
    }
    const int month = monthKey(date);
    months.compared.insert(month);
    if (posting.rates.effective) {
        ++s.ratesCompared;
        s.ratesDiffering += posting.rates.differs ? 1 : 0;
    }
    if (difference->raw() > 0) {
        months.over.insert(month);
        if (!Money::addTo(s.overCharged, *difference))
            return false;
        ++s.overChargedCount;
    } else if (difference->raw() < 0) {
        months.under.insert(month);
        if (!Money::addTo(s.underCharged, magnitude(*difference)))
            return false;
        ++s.underChargedCount;
    }
    if (!difference->isZero())
        months.differing.insert(month);
    return true;
}

// The day as a charge without an interest line, or an interest line without a charge; false
// when a sum leaves the money range.
bool addUnpaired(Summary& s, Months& months, const QDate& date, const Day& day) {
    const int month = monthKey(date);
    months.compared.insert(month);
    months.differing.insert(month);
    if (day.hasCharge) {
        months.over.insert(month);
        s.chargesWithoutPosting.append(Unpaired{date, day.charged});
        return Money::addTo(s.unpairedCharged, day.charged);
    }
    months.under.insert(month);
    s.postingsWithoutCharge.append(Unpaired{date, day.due});
    return Money::addTo(s.unpairedDue, day.due);
}

// Every day into its year, the whole history's totals and the postings or the unpaired amounts;
// false when a sum leaves the money range.
bool addDays(Summary& s, const QMap<QDate, Day>& days, const PostingRateMap* rates) {
    Months months;
    Money running;
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        const QDate& date = it.key();
        const Day& day = it.value();
        Year& year = s.years[date.year() - s.first.year()];
        if (!Money::addTo(year.charged, day.charged) || !Money::addTo(year.due, day.due) ||
            !Money::addTo(s.charged, day.charged) || !Money::addTo(s.due, day.due))
            return false;
        const bool added = isPosting(day) ? addPosting(s, year, months, running, date, day, rates)
                                          : addUnpaired(s, months, date, day);
        if (!added)
            return false;
    }
    s.monthsCompared = int(months.compared.size());
    s.monthsDiffering = int(months.differing.size());
    s.monthsOver = int(months.over.size());
    s.monthsUnder = int(months.under.size());
    return true;
}

// Each year's difference and the whole history's; false when one leaves the money range.
bool addDifferences(Summary& s) {
    for (Year& y : s.years) {
        const std::optional<Money> d = Money::subtract(y.charged, y.due);
        if (!d)
            return false;
        y.difference = *d;
    }
    const std::optional<Money> d = Money::subtract(s.charged, s.due);
    if (!d)
        return false;
    s.difference = *d;
    return true;
}

void pickLargest(Summary& s) {
    for (const Posting& p : s.postings) {
        if (p.comparable() && !p.difference.isZero())
            s.largest.append(p);
    }
    std::stable_sort(s.largest.begin(), s.largest.end(), [](const Posting& a, const Posting& b) {
        return magnitude(a.difference) > magnitude(b.difference);
    });
    if (s.largest.size() > LargestCount)
        s.largest.resize(LargestCount);
}

double chartX(const QDate& date) {
    return double(date.startOfDay().toMSecsSinceEpoch());
}

} // namespace

std::optional<Summary> summarise(const QVector<Figures>& lines, int missingStatement,
                                 const PostingRateMap* rates) {
    Summary s;
    s.missingStatement = missingStatement;
    s.hasRates = rates != nullptr;
    DateSpan dates;
    const std::optional<QMap<QDate, Day>> days = daysOf(lines, dates);
    if (!days)
        return std::nullopt;
    s.first = dates.first;
    s.last = dates.last;
    if (!s.first.isValid())
        return s;

    s.monthsSpanned = monthKey(s.last) - monthKey(s.first) + 1;
    for (int y = s.first.year(); y <= s.last.year(); ++y)
        s.years.append(Year{y, Money(), Money(), Money()});
    if (!addDays(s, *days, rates) || !addDifferences(s))
        return std::nullopt;
    pickLargest(s);
    return s;
}

std::optional<Summary> summarise(const QVector<ReportLine>& lines, int missingStatement,
                                 const PostingRateMap* rates) {
    QVector<Figures> figures;
    figures.reserve(lines.size());
    for (const ReportLine& line : lines)
        figures.append(Figures{line.date, line.amounts[AmountColumn::InterestPayment],
                               line.interestDue, line.incomplete});
    return summarise(figures, missingStatement, rates);
}

IncompletePostings incompletePostings(const QVector<ReportLine>& lines) {
    IncompletePostings marks;
    for (const ReportLine& line : lines) {
        if (line.kind == ReportLine::Kind::Interest && !line.comparable())
            marks.insert(line.date, line.incomplete);
    }
    return marks;
}

QVector<QPointF> runningTotalSeries(const Summary& s) {
    QVector<QPointF> points;
    points.reserve(s.postings.size());
    for (const Posting& p : s.postings)
        points.append(QPointF(chartX(p.date), p.runningTotal.toDouble()));
    return points;
}

ValueRange valueRange(const QVector<double>& values) {
    ValueRange r{0, 0};
    for (const double v : values) {
        r.low = std::min(r.low, v);
        r.high = std::max(r.high, v);
    }
    if (r.high - r.low < 1)
        r.high = r.low + 1;
    return r;
}

ValueRange valueRange(const QVector<QPointF>& series) {
    QVector<double> values;
    values.reserve(series.size());
    for (const QPointF& p : series)
        values << p.y();
    return valueRange(values);
}

QString timeAxisFormat(const QDate& first, const QDate& last, int ticks) {
    const qint64 apart = first.daysTo(last) / std::max(1, ticks - 1);
    return apart >= 31 ? QStringLiteral("MMM yyyy") : QStringLiteral("d MMM yyyy");
}

int nearestPosting(const Summary& s, double x) {
    if (s.postings.isEmpty())
        return -1;
    const auto after =
        std::lower_bound(s.postings.cbegin(), s.postings.cend(), x,
                         [](const Posting& p, double value) { return chartX(p.date) < value; });
    if (after == s.postings.cbegin())
        return 0;
    if (after == s.postings.cend())
        return int(s.postings.size()) - 1;
    const auto before = after - 1;
    return std::abs(chartX(after->date) - x) < std::abs(x - chartX(before->date))
               ? int(after - s.postings.cbegin())
               : int(before - s.postings.cbegin());
}

} // namespace InterestSummary
