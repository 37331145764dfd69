#include "PeriodRuns.h"

#include "DayInterest.h"

namespace PeriodRuns {

void Recorder::day(const InterestWorking::WorkingDay& d) {
    const qint64 jd = d.date.toJulianDay();
    const double rate = d.rate.percent();
    if (!m_current.runs.isEmpty()) {
        Run& last = m_current.runs.last();
        if (jd == last.firstDay + last.count && last.day + last.count <= m_monthDays &&
            d.accruing == last.accruing && rate == last.rate) {
            ++last.count;
            last.endsMonth = last.day + last.count - 1 == m_monthDays;
            return;
        }
    }
    Run r;
    r.firstDay = jd;
    d.date.getDate(&r.year, &r.month, &r.day);
    r.count = 1;
    m_monthDays = d.date.daysInMonth();
    r.endsMonth = r.day == m_monthDays;
    r.accruing = d.accruing;
    r.rate = rate;
    m_current.runs.append(r);
}

void Recorder::posted(const ReportLine&, int) {
    m_postings.append(std::move(m_current));
    m_current = Posting();
}

namespace {

// The run's days into `accrual` on `balance`, as the walk accrues them one by one: every day
// but a month's last stands for one day; the last may stand for none or for more (the day count's
// weight).
void addRun(DayInterest::Accrual& accrual, const LenderConventions& c, const Run& run,
            Money balance) {
    const bool leap = c.dayCount == DayCount::ActualActual && QDate::isLeapYear(run.year);
    const double divisor = DayInterest::divisor(c.dayCount, leap);
    const int plain = run.endsMonth ? run.count - 1 : run.count;
    if (plain > 0)
        accrual.addDays(balance, run.rate, divisor, 1, plain);
    if (!run.endsMonth)
        return;
    const int weight =
        DayInterest::weight(c.dayCount, run.year, run.month, run.day + run.count - 1);
    if (weight > 0)
        accrual.addDays(balance, run.rate, divisor, weight);
}

} // namespace

QVector<std::optional<Money>> dues(const QVector<Posting>& postings, const LenderConventions& c) {
    QVector<std::optional<Money>> out;
    out.reserve(postings.size());
    DayInterest::Accrual accrual(c);
    Money held;
    bool walkStarted = false;
    for (const Posting& p : postings) {
        bool periodStarts = true;
        for (const Run& run : p.runs) {
            Money balance = run.accruing;
            // The held balance is taken on the first day of a period or block (runs split at
            // each month's first day and each posting), and on the walk's first day.
            switch (c.rest.kind) {
            case Rest::Kind::Daily:
                break;
            case Rest::Kind::PostingPeriod:
                if (periodStarts)
                    held = run.accruing;
                balance = held;
                break;
            case Rest::Kind::Months:
                if (!walkStarted || (run.day == 1 && c.rest.blockStartsIn(run.month)))
                    held = run.accruing;
                balance = held;
                break;
            }
            periodStarts = false;
            walkStarted = true;
            addRun(accrual, c, run, balance);
        }
        const Money due = accrual.post();
        if (accrual.overflowed())
            out << std::nullopt;
        else
            out << due;
    }
    return out;
}

} // namespace PeriodRuns
