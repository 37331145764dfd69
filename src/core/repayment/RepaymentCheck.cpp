#include "RepaymentCheck.h"

#include <QCoreApplication>

#include <algorithm>

namespace RepaymentCheck {

namespace {

using Repayments::Terms;

// The owed balance after every row of a day, as the report shows it: the last line dated on or
// before it, or the opening balance before the first.
class Balances {
public:
    explicit Balances(const Inputs& in) : m_lines(in.lines) {
        for (const HistoryRow& row : in.history)
            if (row.date.isValid() && (!m_first.isValid() || row.date < m_first)) {
                m_first = row.date;
                m_opening = row.closeBalance.money().value_or(Money());
            }
        for (const HistoryRow& row : in.history)
            if (row.date.isValid() && (!m_last.isValid() || row.date > m_last))
                m_last = row.date;
    }
    const QDate& first() const { return m_first; }
    const QDate& last() const { return m_last; }
    // nullopt past the history.
    std::optional<Money> owedAfter(const QDate& day) const {
        if (!m_first.isValid() || day > m_last)
            return std::nullopt;
        const auto after = std::upper_bound(
            m_lines.begin(), m_lines.end(), day,
            [](const QDate& d, const ReportLine& line) { return d < line.date; });
        const Money balance = after == m_lines.begin() ? m_opening : std::prev(after)->balance;
        return balance.negated();
    }

private:
    const QVector<ReportLine>& m_lines;
    QDate m_first;
    QDate m_last;
    Money m_opening;
};

// The rate in force on a day: the period that starts last on or before it, while it lasts. Sorted
// once, so that an account of many thousand periods is looked up in steps of its logarithm.
class RatesInForce {
public:
    explicit RatesInForce(const QVector<RatePeriod>& rates) {
        for (const RatePeriod& p : rates)
            if (p.interestRate && p.validFrom.isValid() && p.validTo.isValid())
                m_periods.append(p);
        std::stable_sort(m_periods.begin(), m_periods.end(),
                         [](const RatePeriod& a, const RatePeriod& b) {
                             return a.validFrom < b.validFrom;
                         });
    }
    std::optional<Rate> on(const QDate& day) const {
        const auto after = std::upper_bound(
            m_periods.begin(), m_periods.end(), day,
            [](const QDate& d, const RatePeriod& p) { return d < p.validFrom; });
        if (after == m_periods.begin() || std::prev(after)->validTo < day)
            return std::nullopt;
        return std::prev(after)->interestRate;
    }
    const QVector<RatePeriod>& periods() const { return m_periods; }

private:
    QVector<RatePeriod> m_periods;
};

int datedAfter(const QVector<QDate>& dates, const QDate& day) {
    return int(dates.end() - std::upper_bound(dates.begin(), dates.end(), day));
}

long double periodicOf(const Inputs& in, Rate rate) {
    return Repayments::periodicRate(rate, in.terms.frequency, in.basis.conventions.compounding);
}

// The required repayment from an event on, or none while interest only.
std::optional<Money> requiredAt(const Inputs& in, const QVector<QDate>& dates, const Event& e) {
    const QVector<QDate>::const_iterator next =
        std::upper_bound(dates.begin(), dates.end(), e.date);
    if (next == dates.end() || in.terms.interestOnlyOn(*next))
        return std::nullopt;
    if (e.cause == Cause::Start && in.terms.termKind == Repayments::TermKind::InitialRate) {
        const Rate both = e.rate + in.terms.initialRate;
        const long double amount = (long double)(e.balance.raw()) / Money::Scale;
        return Repayments::rounded(amount * both.percent() / 100.0L /
                                       Repayments::perYear(in.terms.frequency),
                                   in.terms.rounding);
    }
    return Repayments::level(e.balance, periodicOf(in, e.rate), e.remaining, in.terms.rounding);
}

// The days the required repayment is worked out again: the start, each change of the rate and
// each end of interest only within the term and the history, in date order, one a day.
QVector<Event> eventsOf(const Inputs& in, const RatesInForce& rates, const Balances& balances,
                        const QDate& start, const QDate& termEnd) {
    QVector<Event> events;
    events.append({Cause::Start, start, {}, {}, 0, std::nullopt});
    const QDate until = std::min(termEnd, balances.last());
    for (const RatePeriod& p : rates.periods()) {
        if (p.validFrom <= start || p.validFrom > until)
            continue;
        const std::optional<Rate> now = rates.on(p.validFrom);
        const std::optional<Rate> before = rates.on(p.validFrom.addDays(-1));
        if (now && before && *now != *before)
            events.append({Cause::RateChange, p.validFrom, {}, {}, 0, std::nullopt});
    }
    for (const Repayments::InterestOnly& io : in.terms.interestOnly)
        if (io.to >= start && io.to < until)
            events.append({Cause::InterestOnlyEnds, io.to, {}, {}, 0, std::nullopt});
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.date < b.date; });
    events.erase(std::unique(events.begin(), events.end(),
                             [](const Event& a, const Event& b) { return a.date == b.date; }),
                 events.end());
    return events;
}

// The interest due posted over a repayment's period, from the day after the one before.
std::optional<Money> interestOver(const Inputs& in, const QDate& after, const QDate& upTo) {
    std::optional<Money> sum;
    auto line = std::upper_bound(in.lines.begin(), in.lines.end(), after,
                                 [](const QDate& d, const ReportLine& l) { return d < l.date; });
    for (; line != in.lines.end() && line->date <= upTo; ++line)
        if (line->kind == ReportLine::Kind::Interest && line->interestDue)
            sum = Money::add(sum.value_or(Money()), *line->interestDue);
    return sum;
}

QVector<Deposit> depositsOf(const Inputs& in) {
    QVector<Deposit> deposits;
    bool opening = true; // the first dated row is the opening balance, not a transaction
    for (const HistoryRow& row : in.history) {
        if (!row.date.isValid())
            continue;
        const std::optional<Money> amount = row.amounts[AmountColumn::Deposit].money();
        if (!opening && amount && amount->raw() > 0)
            deposits.append({row.id, row.date, *amount, false,
                             in.terms.unticked.contains(row.id)});
        opening = false;
    }
    return deposits;
}

// Takes for each repayment the deposit nearest its date within the days allowed, each once.
void takeRepayments(const Inputs& in, QVector<Row>& rows, QVector<Deposit>& deposits) {
    const int within = takenWithin(in.terms.frequency);
    std::stable_sort(deposits.begin(), deposits.end(),
                     [](const Deposit& a, const Deposit& b) { return a.date < b.date; });
    for (Row& row : rows) {
        Deposit* best = nullptr;
        qint64 bestDays = within + 1;
        auto d = std::lower_bound(
            deposits.begin(), deposits.end(), row.date.addDays(-within),
            [](const Deposit& deposit, const QDate& day) { return deposit.date < day; });
        for (; d != deposits.end() && d->date <= row.date.addDays(within); ++d) {
            const qint64 days = std::abs(row.date.daysTo(d->date));
            if (!d->taken && !d->unticked && days < bestDays) {
                best = &*d;
                bestDays = days;
            }
        }
        if (!best)
            continue;
        best->taken = true;
        row.taken = best->amount;
        row.takenRow = best->row;
        row.takenOn = best->date;
        if (row.required)
            row.shortfall = Money::subtract(*row.required, best->amount);
    }
}

QVector<Row> rowsOf(const Inputs& in, const RatesInForce& rates, const Balances& balances,
                    const QVector<QDate>& dates, const QVector<Event>& events) {
    QVector<Row> rows;
    rows.reserve(dates.size());
    const QDate through = balances.last().addDays(takenWithin(in.terms.frequency));
    for (qsizetype k = 0; k < dates.size() && dates[k] <= through; ++k) {
        Row row;
        row.date = dates[k];
        row.rate = rates.on(row.date).value_or(Rate());
        row.balance = balances.owedAfter(row.date.addDays(-1)).value_or(Money());
        row.remaining = int(dates.size() - k - 1);
        row.interestOnly = in.terms.interestOnlyOn(row.date);
        const auto e = std::find_if(events.rbegin(), events.rend(),
                                    [&](const Event& ev) { return ev.date < row.date; });
        if (e == events.rend())
            continue; // before the history
        if (!row.interestOnly) {
            row.required = e->required;
        } else if (row.date <= balances.last()) {
            const QDate previous = k > 0 ? dates[k - 1] : row.date.addMonths(-1);
            row.required = interestOver(in, previous, row.date);
        }
        rows.append(row);
    }
    return rows;
}

// Whether the repayment taken is the level one over more repayments than remain: any smaller
// repayment needs more of them, so it counts only where it is that one to the rounding's step.
bool overMore(const Inputs& in, const Event& e, const Finding& f, Money tol) {
    if (!f.over || *f.over <= e.remaining)
        return false;
    const std::optional<Money> level =
        Repayments::level(e.balance, periodicOf(in, e.rate), *f.over, in.terms.rounding);
    const std::optional<Money> gap = level ? Money::subtract(f.taken, *level) : std::nullopt;
    const std::optional<Money> size = gap ? gap->magnitude() : std::nullopt;
    return size && *size <= tol;
}

std::optional<Finding> findingAfter(const Inputs& in, const QVector<Row>& rows, const Event& e,
                                    const QDate& nextEvent) {
    if (!e.required)
        return std::nullopt;
    const Money tol = tolerance(in.terms.rounding);
    const Row* settled = nullptr;
    const Row* before = nullptr;
    Finding f;
    for (const Row& row : rows) {
        if (!row.taken)
            continue;
        if (row.date <= e.date)
            before = &row;
        else if (!nextEvent.isValid() || row.date <= nextEvent)
            settled = &row;
        if (row.date > e.date && (!nextEvent.isValid() || row.date <= nextEvent) &&
            row.shortfall && *row.shortfall > tol) {
            f.from = f.from.isValid() ? f.from : row.date;
            f.to = row.date;
            ++f.repayments;
        }
    }
    if (!settled || !settled->shortfall || *settled->shortfall <= tol)
        return std::nullopt;
    f.event = e;
    f.required = *e.required;
    f.taken = *settled->taken;
    f.shortfall = *settled->shortfall;
    const long double i = periodicOf(in, e.rate);
    f.leftAtEnd = Repayments::leftAfter(e.balance, i, f.taken, e.remaining);
    const std::optional<Money> interest =
        Repayments::rounded((long double)(e.balance.raw()) / Money::Scale * i,
                            Repayments::Rounding::NearestCent);
    const std::optional<Money> gap =
        before ? Money::subtract(f.taken, *before->taken) : std::nullopt;
    f.over = Repayments::repaymentsNeeded(e.balance, i, f.taken);
    const std::optional<Money> interestOnly =
        interest ? Money::add(*interest, tol) : std::nullopt;
    if (e.cause == Cause::InterestOnlyEnds && interestOnly && f.taken <= *interestOnly)
        f.kind = FindingKind::InterestOnlyKept;
    else if (e.cause != Cause::Start && gap && gap->magnitude() <= tol)
        f.kind = FindingKind::NotRecalculated;
    else if (overMore(in, e, f, tol))
        f.kind = FindingKind::OverMoreRepayments;
    else
        f.kind = FindingKind::TookLess;
    return f;
}

} // namespace

int takenWithin(Repayments::Frequency f) {
    switch (f) {
    case Repayments::Frequency::Fortnightly:
        return 3;
    case Repayments::Frequency::Weekly:
        return 2;
    case Repayments::Frequency::Monthly:
        break;
    }
    return 5;
}

Money tolerance(Repayments::Rounding r) {
    return Money::fromRaw(r == Repayments::Rounding::UpToDollar ? Money::Scale : Money::Scale / 100);
}

Result check(const Inputs& in) {
    Result result;
    const Balances balances(in);
    if (!in.terms.isSet() || !balances.first().isValid())
        return result;
    QVector<QDate> dates = Repayments::schedule(in.terms);
    if (dates.isEmpty())
        return result;
    const QDate start = std::max(balances.first(), dates.first().addDays(-1));
    const RatesInForce rates(in.rates);
    QVector<Event> events = eventsOf(in, rates, balances, start, dates.last());
    for (qsizetype i = 0; i < events.size(); ++i) {
        Event& e = events[i];
        e.rate = rates.on(e.date).value_or(Rate());
        e.balance = balances.owedAfter(e.date).value_or(Money());
        e.remaining = datedAfter(dates, e.date);
        e.required = requiredAt(in, dates, e);
        // An initial repayment rate fixes the term: the repayments it needs from the start.
        if (i == 0 && in.terms.termKind == Repayments::TermKind::InitialRate && e.required) {
            const std::optional<int> n =
                Repayments::repaymentsNeeded(e.balance, periodicOf(in, e.rate), *e.required);
            const qsizetype keep = (dates.size() - e.remaining) + n.value_or(e.remaining);
            dates.resize(std::min(dates.size(), keep));
            e.remaining = datedAfter(dates, e.date);
        }
    }
    result.termEnd = dates.last();
    result.rows = rowsOf(in, rates, balances, dates, events);
    result.deposits = depositsOf(in);
    takeRepayments(in, result.rows, result.deposits);
    for (qsizetype i = 0; i < events.size(); ++i) {
        const QDate next = i + 1 < events.size() ? events[i + 1].date : QDate();
        if (std::optional<Finding> f = findingAfter(in, result.rows, events[i], next)) {
            f->termEnd = result.termEnd;
            result.findings.append(*f);
        }
    }
    result.events = std::move(events);
    if (result.deposits.isEmpty())
        result.notices << QCoreApplication::translate(
            "RepaymentCheck", "The history holds no deposit to take as a repayment.");
    return result;
}

} // namespace RepaymentCheck
