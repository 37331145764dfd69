#pragma once

#include "CalculationBasis.h"
#include "LenderConventions.h"
#include "ReportLine.h"
#include "data/Money.h"
#include "data/Rate.h"

#include <QDate>
#include <QMap>
#include <QVector>

#include <functional>
#include <optional>
#include <span>

// The working of the interest due: each day of each posting's period as the engine's own walk
// accrued it (its balance, what accrues, the rate, the divisor, the days it stands for and its
// interest), recorded by an observer the walk is given; and, from those days held fixed, the
// rate at which the engine's rounding of the period gives exactly the lender's charge.
namespace InterestWorking {

// One day of the walk.
struct WorkingDay {
    QDate date;
    Money balance;               // the loan's running balance that day
    Money addedBack;             // deferred methods: the day's interest charge, bearing nothing
    std::optional<Money> offset; // the counted offset in force, for an account with offset data
    Money accruing;    // the balance that accrues: balance + addedBack less the offset, or held
                       // since the period or block began under a rest other than daily
    Rate rate;         // in force that day
    int divisor = 365; // what the yearly rate is divided by (Equal periods: n x days)
    qint8 weight = 1;  // the days of interest the day bears (0 to 3)
    bool afterReset = false; // a balance row reset the balance at the end of the day before
    // The day's interest before rounding, positive while in debit: accruing x rate / divisor /
    // 100 x weight, negated.
    double unrounded = 0;
    // What the day added to the interest due under a daily rounding (to four decimals or to
    // cents); nullopt under the posting's rounding, which adds the days unrounded.
    std::optional<Money> interest;

    friend bool operator==(const WorkingDay&, const WorkingDay&) = default;
};

// One posting: the interest line and the days it accrued, from the day after the previous
// posting's last day (or the walk's first day) to its own last day.
struct PostingWorking {
    int line = -1; // its interest line in the report's lines
    QDate date;    // the interest line's date
    Money interestDue;
    ReportLine::Incomplete incomplete = ReportLine::Incomplete::No;
    QVector<WorkingDay> days;

    bool comparable() const { return incomplete == ReportLine::Incomplete::No; }
    int dayCount() const; // the days of the period, as the day count weighs them
};

// The working of one run of the report.
struct Working {
    CalculationBasis basis;           // what the walk ran under
    QVector<PostingWorking> postings; // in the order of their lines
    QVector<WorkingDay> unposted;     // the days after the last posting, posted by no line

    // The posting whose interest line is dated `date`; -1 when none.
    int postingOn(const QDate& date) const;
};

// What the walk tells of itself, day by day and posting by posting. The engine takes a pointer,
// null by default: then nothing is recorded and the walk costs what it always did.
class WalkObserver {
public:
    virtual ~WalkObserver() = default;
    // A day accrued, after the day's transactions and its rate.
    virtual void day(const WorkingDay& day) = 0;
    // An interest line posted, as line `lineIndex` of the report: the days since the previous
    // posting are its period.
    virtual void posted(const ReportLine& line, int lineIndex) = 0;
    // The walk is done; `lines` are its report lines as handed back (the first posting may have
    // been marked since it was posted).
    virtual void finished(const QVector<ReportLine>& lines) { (void)lines; }
};

// Records the whole working.
class WorkingRecorder : public WalkObserver {
public:
    explicit WorkingRecorder(const CalculationBasis& basis);

    void day(const WorkingDay& day) override { m_pending.append(day); }
    void posted(const ReportLine& line, int lineIndex) override;
    void finished(const QVector<ReportLine>& lines) override;

    Working take();

private:
    Working m_working;
    QVector<WorkingDay> m_pending;
};

// The lender's charge on `date`: the report's Int Charge of that date, each rounded to the cent
// as shown and added up; nullopt when it charged nothing that day.
std::optional<Money> chargeOn(const QVector<ReportLine>& lines, const QDate& date);

// The rate of each day under another rate: per cent a year.
using RateOfDay = std::function<double(const WorkingDay& day)>;

// The interest due of `days` when each bears `rate(day)` instead of its own rate, everything
// else held as the walk had it (what accrues, the divisor, the days it stands for), added up and
// rounded under `rounding` exactly as the engine does (DayInterest): with each day's own rate it
// is the posting's interest due.
Money periodInterest(std::span<const WorkingDay> days, const LenderConventions& conventions,
                     const RateOfDay& rate);

// The yearly rate that, over a period's days held fixed, gives exactly the lender's charge to
// the cent.
struct EffectiveRate {
    Rate rate;          // the middle of the range to three decimals; when not exact, the nearest
    bool exact = false; // some rate gives the charge exactly
    double low = 0;     // the range of the rates that give it (exact), or where the period's
    double high = 0;    // interest jumps past the charge (not exact)
    friend bool operator==(const EffectiveRate&, const EffectiveRate&) = default;
};

// The search runs between these rates, per cent a year.
inline constexpr double LowestRate = -1000;
inline constexpr double HighestRate = 1000;

// The rate that gives `charge` (to the cent) as the period's interest due, one rate on every day:
// bisection on the yearly rate with the period's days from the working held fixed. nullopt when
// no rate within LowestRate to HighestRate comes to the charge, or the days accrue on nothing.
std::optional<EffectiveRate> effectiveRate(std::span<const WorkingDay> days,
                                           const LenderConventions& conventions, Money charge);

// The same over a family of rate functions with one parameter: `family(day, r)` is the rate of
// `day` for the parameter `r` (say, the rate after a change within the period, the rate before
// it held fixed). The family's interest must grow with `r` when the days are in debit (or fall in
// credit), as a rate does.
using RateFamily = std::function<double(const WorkingDay& day, double r)>;
std::optional<EffectiveRate> effectiveRate(std::span<const WorkingDay> days,
                                           const LenderConventions& conventions, Money charge,
                                           const RateFamily& family);

// A posting's rates: those entered for its period and the one its charge implies.
struct PostingRates {
    std::optional<Rate> enteredMin; // the lowest and highest rate in force on its days
    std::optional<Rate> enteredMax;
    std::optional<Money> charge; // the lender's charge on its date
    // None without a charge, for a period with no interest-bearing balance, and for a posting
    // that cannot be compared (its days are not the lender's).
    std::optional<EffectiveRate> effective;
    // The charge is not the interest due, and the effective rate lies DifferingRate or more
    // outside the range of the rates entered for the period (a change inside the period blends
    // them): where a borrower should look first.
    bool differs = false;
    friend bool operator==(const PostingRates&, const PostingRates&) = default;
};

// Percentage points.
inline constexpr Rate DifferingRate = Rate::fromThousandths(10);

// The rates of the posting `posting` of `working`, its charge read from the report's `lines`.
PostingRates ratesOf(const Working& working, int posting, const QVector<ReportLine>& lines);
// Every posting's, by its date.
QMap<QDate, PostingRates> postingRates(const Working& working, const QVector<ReportLine>& lines);

// The distinct rates in force on the days, in the order they first apply.
QVector<Rate> enteredRates(std::span<const WorkingDay> days);

} // namespace InterestWorking
