#include "PeriodRuns.h"

#include "DayInterest.h"

#include <algorithm>
#include <vector>

namespace PeriodRuns {

// Adds the day to the last of `runs` when it follows on in the same month at the same rate (and
// on the same balance, if asked); true when it did.
bool Recorder::extend(QVector<Run>& runs, qint64 day, double rate, Money accruing,
                      bool sameBalance) {
    if (runs.isEmpty())
        return false;
    Run& last = runs.last();
    if (day != last.firstDay + last.count || last.day + last.count > m_monthDays ||
        rate != last.rate || (sameBalance && accruing != last.accruing))
        return false;
    ++last.count;
    last.endsMonth = last.day + last.count - 1 == m_monthDays;
    return true;
}

void Recorder::day(const InterestWorking::WorkingDay& d) {
    const qint64 jd = d.date.toJulianDay();
    const double rate = d.rate.percent();
    const bool inSpan = extend(m_current.spans, jd, rate, d.accruing, false);
    if (inSpan && extend(m_current.runs, jd, rate, d.accruing, true))
        return;
    Run r;
    r.firstDay = jd;
    d.date.getDate(&r.year, &r.month, &r.day);
    r.count = 1;
    m_monthDays = d.date.daysInMonth();
    r.endsMonth = r.day == m_monthDays;
    r.accruing = d.accruing;
    r.rate = rate;
    m_current.runs.append(r);
    if (!inSpan)
        m_current.spans.append(r);
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

namespace {

// The balance that bears the days of each run under a rest: the day's own, or the one held
// since the period or block began (runs split at each month's first day and each posting; the
// walk's first day begins one too).
class Held {
public:
    explicit Held(const Rest& rest) : m_rest(rest) {}
    void startPosting() { m_periodStarts = true; }
    Money of(const Run& run) {
        switch (m_rest.kind) {
        case Rest::Kind::Daily:
            m_held = run.accruing;
            break;
        case Rest::Kind::PostingPeriod:
            if (m_periodStarts)
                m_held = run.accruing;
            break;
        case Rest::Kind::Months:
            if (!m_walkStarted || (run.day == 1 && m_rest.blockStartsIn(run.month)))
                m_held = run.accruing;
            break;
        }
        m_periodStarts = false;
        m_walkStarted = true;
        return m_held;
    }

private:
    Rest m_rest;
    Money m_held;
    bool m_periodStarts = true;
    bool m_walkStarted = false;
};

// One way's accrual and dues.
struct Lane {
    int index = 0; // in the caller's list
    LenderConventions conventions;
    DayInterest::Accrual accrual;
    QVector<std::optional<Money>> dues;
    double divisor = 0; // the day count's, in a common year and in a leap year
    double leapDivisor = 0;
};

void post(Lane& lane) {
    const Money due = lane.accrual.post();
    lane.dues << (lane.accrual.overflowed() ? std::nullopt : std::optional<Money>(due));
}

// A day of weight one on `balance` under each divisor (365, 366, 360) and each daily rounding,
// worked out when first asked for.
class DayAmounts {
public:
    void reset(Money balance, double percent) {
        m_balance = balance;
        m_percent = percent;
        m_known = 0;
    }
    const std::pair<double, std::optional<Money>>& of(double divisor, InterestRounding r) {
        const int slot = (divisor == 366   ? 1
                          : divisor == 360 ? 2
                                           : 0) *
                             2 +
                         (r == InterestRounding::Day2 ? 1 : 0);
        if (!(m_known & (1 << slot))) {
            const double daily = DayInterest::unrounded(m_balance, m_percent, divisor, 1);
            m_amounts[slot] = {daily, r == InterestRounding::Posting
                                          ? std::nullopt
                                          : DayInterest::Accrual::roundedDay(daily, r)};
            m_known |= 1 << slot;
        }
        return m_amounts[slot];
    }

private:
    Money m_balance;
    double m_percent = 0;
    int m_known = 0;
    std::pair<double, std::optional<Money>> m_amounts[6];
};

// The run on `balance` into each lane of one rest and compounding.
void addRunToLanes(std::vector<Lane>& lanes, const Run& run, Money balance, double dayRate,
                   DayAmounts& amounts) {
    amounts.reset(balance, dayRate);
    const bool leapYear = QDate::isLeapYear(run.year);
    for (Lane& lane : lanes) {
        const LenderConventions& c = lane.conventions;
        // Exact sums, and a month's last day of another weight, go the one way.
        if (lane.accrual.exact() || (run.endsMonth && run.count == 1)) {
            addRun(lane.accrual, c, run, balance);
            continue;
        }
        const double divisor = leapYear ? lane.leapDivisor : lane.divisor;
        const int plain = run.endsMonth ? run.count - 1 : run.count;
        const auto& [daily, amount] = amounts.of(divisor, c.rounding);
        lane.accrual.addDaysRounded(daily, amount, plain);
        if (run.endsMonth) {
            Run last = run;
            last.day += plain;
            last.count = 1;
            last.firstDay += plain;
            addRun(lane.accrual, c, last, balance);
        }
    }
}

// The lanes of one rest and compounding through every posting.
void runLanes(const QVector<Posting>& postings, std::vector<Lane>& lanes) {
    const LenderConventions& first = lanes.front().conventions;
    Held held(first.rest);
    DayAmounts amounts;
    double rate = std::numeric_limits<double>::quiet_NaN();
    double dayRate = 0;
    for (const Posting& p : postings) {
        held.startPosting();
        for (const Run& run : first.rest.isDaily() ? p.runs : p.spans) {
            if (run.rate != rate) {
                rate = run.rate;
                dayRate = DayInterest::dayRate(first, rate);
            }
            addRunToLanes(lanes, run, held.of(run), dayRate, amounts);
        }
        for (Lane& lane : lanes)
            post(lane);
    }
}

} // namespace

QVector<QVector<std::optional<Money>>> dues(const QVector<Posting>& postings,
                                            const QVector<LenderConventions>& conventions) {
    // The ways grouped by rest and compounding (and the periods a year they compound over).
    std::vector<std::vector<Lane>> groups;
    for (int i = 0; i < conventions.size(); ++i) {
        const LenderConventions& c = conventions[i];
        auto group = std::find_if(groups.begin(), groups.end(), [&](const std::vector<Lane>& g) {
            const LenderConventions& f = g.front().conventions;
            return f.rest == c.rest && f.compounding == c.compounding &&
                   (c.compounding == Compounding::None || f.perYear == c.perYear);
        });
        if (group == groups.end())
            group = groups.insert(groups.end(), std::vector<Lane>());
        group->push_back(
            Lane{i,
                 c,
                 DayInterest::Accrual(c),
                 {},
                 DayInterest::divisor(c.dayCount, false),
                 DayInterest::divisor(c.dayCount, c.dayCount == DayCount::ActualActual)});
        group->back().dues.reserve(postings.size());
    }
    QVector<QVector<std::optional<Money>>> out(conventions.size());
    for (std::vector<Lane>& group : groups) {
        runLanes(postings, group);
        for (Lane& lane : group)
            out[lane.index] = std::move(lane.dues);
    }
    return out;
}

} // namespace PeriodRuns
