#include "PassOn.h"

#include "data/ShortDate.h"
#include "engine/InterestEngine.h"

#include <QCoreApplication>

#include <algorithm>

namespace PassOn {

namespace {

int signOf(Rate r) {
    return r.raw() > 0 ? 1 : (r.raw() < 0 ? -1 : 0);
}

// The rates with one row's change passed on in full in place of the lender's answer.
QVector<RatePeriod> passedOn(const QVector<RatePeriod>& rates, const Row& row, int lagDays) {
    QVector<RatePeriod> r = shifted(rates, row.reference.date.addDays(lagDays), row.reference.size);
    if (row.lender)
        r = shifted(r, row.lender->date, -row.lender->size);
    return r;
}

QString costsRefused(qsizetype changes, qsizetype rows) {
    return QCoreApplication::translate(
               "PassOn", "The costs are not worked out: the series changes %1 times within a "
                         "history of %2 rows, and %3 million changes times rows is the most "
                         "whose costs are worked out.")
        .arg(changes)
        .arg(rows)
        .arg(MostCostWork / 1'000'000);
}

} // namespace

QVector<Change> lenderChanges(const QVector<RatePeriod>& stored) {
    QVector<RatePeriod> periods;
    for (const RatePeriod& p : stored) {
        if (p.validFrom.isValid() && p.interestRate)
            periods << p;
    }
    std::stable_sort(periods.begin(), periods.end(), [](const RatePeriod& a, const RatePeriod& b) {
        return a.validFrom < b.validFrom;
    });
    QVector<Change> changes;
    for (int i = 1; i < periods.size(); ++i) {
        const Rate before = *periods[i - 1].interestRate;
        const Rate after = *periods[i].interestRate;
        if (after != before)
            changes << Change{periods[i].validFrom, after - before, after};
    }
    return changes;
}

QVector<Change> seriesChanges(const ReferenceSeries& series, const QDate& first,
                              const QDate& last) {
    QVector<Change> changes;
    for (int i = 1; i < series.changes.size(); ++i) {
        const SeriesChange& c = series.changes[i];
        if (c.date > first && c.date <= last)
            changes << Change{c.date, c.rate - series.changes[i - 1].rate, c.rate};
    }
    return changes;
}

QVector<Row> match(const QVector<Change>& reference, const QVector<Change>& lender, int lagDays) {
    QVector<bool> used(lender.size(), false);
    QVector<Row> rows;
    rows.reserve(reference.size());
    for (const Change& r : reference) {
        Row row;
        row.reference = r;
        row.notPassedOn = r.size;
        const QDate last = r.date.addDays(lagDays + AnswerDays);
        // The lender's changes are in date order: only those of the window are looked at.
        const auto first =
            std::lower_bound(lender.cbegin(), lender.cend(), r.date,
                             [](const Change& l, const QDate& date) { return l.date < date; });
        for (qsizetype i = first - lender.cbegin(); i < lender.size(); ++i) {
            const Change& l = lender[i];
            if (l.date > last)
                break;
            if (used[i] || signOf(l.size) != signOf(r.size))
                continue;
            used[i] = true;
            row.lender = l;
            row.daysLate = int(r.date.addDays(lagDays).daysTo(l.date));
            row.notPassedOn = r.size - l.size;
            break;
        }
        rows << row;
    }
    return rows;
}

QVector<RatePeriod> shifted(const QVector<RatePeriod>& rates, const QDate& from, Rate size) {
    QVector<RatePeriod> out;
    out.reserve(rates.size() + 1);
    for (const RatePeriod& p : rates) {
        if (!p.interestRate || !p.validFrom.isValid() || !p.validTo.isValid() || p.validTo < from) {
            out << p;
        } else if (p.validFrom >= from) {
            out << RatePeriod{p.id, p.validFrom, p.validTo, *p.interestRate + size};
        } else {
            out << RatePeriod{p.id, p.validFrom, from.addDays(-1), p.interestRate};
            out << RatePeriod{p.id, from, p.validTo, *p.interestRate + size};
        }
    }
    return out;
}

std::optional<Money> interestDue(const Calculation& c, const QVector<RatePeriod>& rates) {
    const InterestEngine::Result result = InterestEngine::calculate(
        c.history, rates, c.basis, c.offset, InterestEngine::Output::Postings);
    if (result.notices.contains(
            QCoreApplication::translate("InterestEngine", InterestEngine::InterestDateError)))
        return std::nullopt;
    Money sum;
    for (const ReportLine& line : result.lines) {
        if (line.kind != ReportLine::Kind::Interest || !line.interestDue)
            continue;
        const std::optional<Money> next = Money::add(sum, *line.interestDue);
        if (!next)
            return std::nullopt;
        sum = *next;
    }
    return sum;
}

Table table(const Calculation& c, const QVector<RatePeriod>& stored, const ReferenceSeries& series,
            int lagDays, const QDate& from, const QDate& to) {
    Table t;
    auto [first, last] = historyDates(c.history);
    if (from.isValid() && from.addDays(-1) > first)
        first = from.addDays(-1);
    if (to.isValid() && to < last)
        last = to;
    t.rows = match(seriesChanges(series, first, last), lenderChanges(stored), lagDays);
    if (qint64(t.rows.size()) * c.history.size() > MostCostWork) {
        t.costsRefused = true;
        t.notices << costsRefused(t.rows.size(), c.history.size());
        return t;
    }
    const std::optional<Money> due = interestDue(c, stored);
    if (!due) {
        t.notices << QCoreApplication::translate(
            "PassOn", "The costs cannot be worked out: the stored rate periods do "
                      "not give the interest due over the whole history.");
        return t;
    }
    QVector<RatePeriod> all = stored;
    for (Row& row : t.rows) {
        const std::optional<Money> under = interestDue(c, passedOn(stored, row, lagDays));
        const std::optional<Money> cost = under ? Money::subtract(*due, *under) : std::nullopt;
        const std::optional<Money> total = cost ? Money::add(t.total, *cost) : std::nullopt;
        if (!total) {
            t.notices << QCoreApplication::translate(
                             "PassOn", "The cost of the change of %1 cannot be worked out.")
                             .arg(ShortDate::format(row.reference.date));
            continue;
        }
        row.cost = *cost;
        t.total = *total;
        all = passedOn(all, row, lagDays);
    }
    if (const std::optional<Money> under = interestDue(c, all))
        t.allPassedOn = Money::subtract(*due, *under);
    if (!t.allPassedOn)
        t.notices << QCoreApplication::translate(
            "PassOn", "The cost of every change passed on in full cannot be worked "
                      "out: it is more than an account can hold.");
    return t;
}

} // namespace PassOn
