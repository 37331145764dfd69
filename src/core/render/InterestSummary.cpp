#include "InterestSummary.h"

#include "ReportRendering.h"
#include "data/HistorySpan.h"

#include <QDateTime>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace InterestSummary {

namespace {

// One line's interest figures, whatever the line came from.
struct Item {
    QDate date;
    std::optional<Money> charged;
    std::optional<Money> due;
    ReportLine::Incomplete incomplete = ReportLine::Incomplete::No;
};

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

std::optional<Summary> summariseItems(const QVector<Item>& items, int missingStatement,
                                      const PostingRateMap* rates) {
    Summary s;
    s.missingStatement = missingStatement;
    s.hasRates = rates != nullptr;
    QMap<QDate, Day> days;
    DateSpan dates;
    for (const Item& item : items) {
        if (!item.date.isValid())
            continue;
        dates.include(item.date);
        std::optional<Money> charged, due;
        if (item.charged) {
            charged = item.charged->roundedToCents();
            if (!charged)
                return std::nullopt;
        }
        if (item.due) {
            due = item.due->roundedToCents();
            if (!due)
                return std::nullopt;
        }
        // A line that charged 0.00 (a deposit, a balance row) charged nothing.
        const bool isCharge = charged && !charged->isZero();
        if (!isCharge && !due)
            continue;
        Day& day = days[item.date];
        if (isCharge) {
            if (!Money::addTo(day.charged, *charged))
                return std::nullopt;
            day.hasCharge = true;
        }
        if (due) {
            if (!Money::addTo(day.due, *due))
                return std::nullopt;
            day.hasDue = true;
            if (item.incomplete != ReportLine::Incomplete::No)
                day.incomplete = item.incomplete;
        }
    }
    s.first = dates.first;
    s.last = dates.last;
    if (!s.first.isValid())
        return s;

    s.monthsSpanned = monthKey(s.last) - monthKey(s.first) + 1;
    for (int y = s.first.year(); y <= s.last.year(); ++y)
        s.years.append(Year{y, Money(), Money(), Money()});

    QSet<int> monthsCompared, monthsDiffering, monthsOver, monthsUnder;
    Money running;
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        const QDate& date = it.key();
        const Day& day = it.value();
        Year& year = s.years[date.year() - s.first.year()];
        if (!Money::addTo(year.charged, day.charged) || !Money::addTo(year.due, day.due) ||
            !Money::addTo(s.charged, day.charged) || !Money::addTo(s.due, day.due))
            return std::nullopt;
        const int month = monthKey(date);
        if (day.hasDue && (day.hasCharge || day.due.isZero())) {
            const std::optional<Money> difference = Money::subtract(day.charged, day.due);
            if (!difference || !Money::addTo(running, *difference))
                return std::nullopt;
            Posting posting{date, day.charged, day.due, *difference, running, day.incomplete};
            if (rates)
                posting.rates = rates->value(date);
            s.postings.append(posting);
            if (!posting.comparable()) {
                s.incomplete.append(posting);
                ++year.incomplete;
                if (!Money::addTo(s.incompleteDifference, *difference))
                    return std::nullopt;
                continue;
            }
            monthsCompared.insert(month);
            if (posting.rates.effective) {
                ++s.ratesCompared;
                s.ratesDiffering += posting.rates.differs ? 1 : 0;
            }
            if (difference->raw() > 0) {
                monthsOver.insert(month);
                if (!Money::addTo(s.overCharged, *difference))
                    return std::nullopt;
                ++s.overChargedCount;
            } else if (difference->raw() < 0) {
                monthsUnder.insert(month);
                if (!Money::addTo(s.underCharged, magnitude(*difference)))
                    return std::nullopt;
                ++s.underChargedCount;
            }
            if (!difference->isZero())
                monthsDiffering.insert(month);
            continue;
        }
        monthsCompared.insert(month);
        if (day.hasCharge) {
            monthsOver.insert(month);
            s.chargesWithoutPosting.append(Unpaired{date, day.charged});
            if (!Money::addTo(s.unpairedCharged, day.charged))
                return std::nullopt;
        } else {
            monthsUnder.insert(month);
            s.postingsWithoutCharge.append(Unpaired{date, day.due});
            if (!Money::addTo(s.unpairedDue, day.due))
                return std::nullopt;
        }
        monthsDiffering.insert(month);
    }
    for (Year& y : s.years) {
        const std::optional<Money> d = Money::subtract(y.charged, y.due);
        if (!d)
            return std::nullopt;
        y.difference = *d;
    }
    const std::optional<Money> d = Money::subtract(s.charged, s.due);
    if (!d)
        return std::nullopt;
    s.difference = *d;
    s.monthsCompared = int(monthsCompared.size());
    s.monthsDiffering = int(monthsDiffering.size());
    s.monthsOver = int(monthsOver.size());
    s.monthsUnder = int(monthsUnder.size());

    for (const Posting& p : s.postings) {
        if (p.comparable() && !p.difference.isZero())
            s.largest.append(p);
    }
    std::stable_sort(s.largest.begin(), s.largest.end(), [](const Posting& a, const Posting& b) {
        return magnitude(a.difference) > magnitude(b.difference);
    });
    if (s.largest.size() > LargestCount)
        s.largest.resize(LargestCount);
    return s;
}

double chartX(const QDate& date) {
    return double(date.startOfDay().toMSecsSinceEpoch());
}

} // namespace

std::optional<Summary> summarise(const QVector<ReportLine>& lines, int missingStatement,
                                 const PostingRateMap* rates) {
    QVector<Item> items;
    items.reserve(lines.size());
    for (const ReportLine& line : lines)
        items.append(Item{line.date, line.amounts[AmountColumn::InterestPayment], line.interestDue,
                          line.incomplete});
    return summariseItems(items, missingStatement, rates);
}

std::optional<Summary> summarise(const QVector<ReportTableRow>& rows,
                                 const IncompletePostings& incomplete, int missingStatement,
                                 const PostingRateMap* rates) {
    QVector<Item> items;
    items.reserve(rows.size());
    for (const ReportTableRow& row : rows) {
        const std::optional<Money>& due = row.values[ReportTableRow::InterestDue];
        items.append(Item{row.date, row.values[ReportTableRow::InterestPayment], due,
                          due ? incomplete.value(row.date, ReportLine::Incomplete::No)
                              : ReportLine::Incomplete::No});
    }
    return summariseItems(items, missingStatement, rates);
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
