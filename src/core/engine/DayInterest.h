#pragma once

#include "LenderConventions.h"
#include "data/Money.h"

#include <QtNumeric>

#include <cmath>
#include <optional>
#include <vector>

// One day's interest as the engine works it out, and its adding up from one posting to the next.
// The walk (InterestEngine) and whatever works a period's days again under another rate (the
// effective rate, InterestWorking) call this same code, so that the two cannot round apart.
namespace DayInterest {

// What the yearly rate is divided by on a day: 360 under Actual/360 and 30/360, 366 on the days
// of a leap year under Actual/Actual, else 365. Under Equal periods it is known only when the
// period is posted (periods a year x its days), and 0 stands for it until then.
inline double divisor(DayCount dayCount, bool leapYear) {
    if (dayCount == DayCount::EqualPeriods)
        return 0;
    if (dayCount == DayCount::Actual360 || dayCount == DayCount::Thirty360)
        return 360;
    return dayCount == DayCount::ActualActual && leapYear ? 366 : 365;
}

// How many days of interest a day bears under the day count: 0 on 29 February without leap
// days, and under 30/360 on the 31st; up to the 30th on the last day of February under 30/360;
// else 1.
inline int weight(DayCount dayCount, int year, int month, int day) {
    switch (dayCount) {
    case DayCount::Actual365NoLeap:
        return month == 2 && day == 29 ? 0 : 1;
    case DayCount::Thirty360: {
        if (day == 31)
            return 0;
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        if (month == 2 && day == (leap ? 29 : 28))
            return 31 - day;
        return 1;
    }
    default:
        return 1;
    }
}

// The day's amount before any rounding: the balance that accrues x rate / divisor / 100, times
// the days it stands for. Below zero while the balance is in debit. The order of the operations
// is the engine's: every build gives the same double.
inline double unrounded(Money accruing, double rate, double divisor, int weight) {
    double daily = accruing.toDouble() * rate / divisor / 100;
    if (weight != 1)
        daily *= weight;
    return daily;
}

// The rate a day bears under the compounding, per cent a year: the entered rate, or the nominal
// rate over `perYear` periods equivalent to it compounded half-yearly, 100·n·((1 + r/200)^(2/n) −
// 1).
inline double dayRate(const LenderConventions& c, double percent) {
    if (c.compounding == Compounding::None)
        return percent;
    const double n = c.perYear;
    return 100 * n * (std::pow(1 + percent / 200, 2 / n) - 1);
}

// The unrounded total of a period in cents, half away from zero (InterestRounding::Posting).
// Float noise below a millionth of a cent is dropped first, so that a total that is a half cent
// exactly on paper rounds as one. nullopt outside the money range.
inline std::optional<Money> postingTotal(long double total) {
    const long double micro = std::nearbyint(total * 100 * 1000000);
    constexpr long double Limit = 9.2e18L;
    if (!std::isfinite(micro) || micro <= -Limit || micro >= Limit)
        return std::nullopt;
    // Cut to the raw unit, ten thousand millionths of a cent, toward zero (a half cent stays a
    // half), then round as every amount shown is.
    return Money::fromRaw(qint64(micro) / 10000).roundedToCents();
}

// A period added up exactly, as the posting's rounding takes it under a choice beyond the daily
// balance by the calendar (LenderConventions::beyondDaily) or under Equal periods: each day's
// balance in ten-thousandths times the days it stands for, summed as integers per rate (in
// billionths of a per cent) and divisor; the total is worked out once, at the posting. Without
// compounding the total is a fraction of integers, rounded half away from zero; with it the
// compounding factor is as pow gives it.
class ExactPeriod {
public:
    // Adds `count` days on `accruing` at `percent`, each standing for `weight` days, with the
    // day count's divisor (0 under Equal periods). False when the sum leaves 128 bits.
    bool add(Money accruing, double percent, int divisor, int weight, int count);
    // The period's interest due in cents, positive while in debit, and a fresh start. nullopt
    // when it cannot be represented.
    std::optional<Money> post(const LenderConventions& c);

private:
    struct Part {
        qint64 rate = 0; // billionths of a per cent
        int divisor = 0;
        __int128 sum = 0; // balance in ten-thousandths x days
    };
    std::vector<Part> m_parts;
    qint64 m_days = 0; // days added (Equal periods divide the period among them)
    // The compounding factor of the last rate, kept while it stays.
    qint64 m_factorRate = std::numeric_limits<qint64>::min();
    int m_factorPerYear = 0;
    double m_factor = 0;
};

// The interest accrued since the last posting, positive while the account is in debit, under
// the lender's conventions: each day's amount to four decimals or to cents (ties to even) and then
// added up, or every day's amount added up unrounded and only the posting rounded; under a choice
// beyond the daily balance by the calendar the posting's rounding adds the days up exactly
// (ExactPeriod), and Equal periods always do.
class Accrual {
public:
    explicit Accrual(const LenderConventions& conventions = {})
        : m_conventions(conventions), m_exact(conventions.dayCount == DayCount::EqualPeriods ||
                                              (conventions.rounding == InterestRounding::Posting &&
                                               conventions.beyondDaily())) {}

    InterestRounding rounding() const { return m_conventions.rounding; }

    // What a day added: to accrued() (nothing under the posting's rounding), and its amount
    // before rounding (0 under Equal periods, whose divisor waits for the posting).
    struct Added {
        Money interest;
        double unrounded = 0;
    };

    // Adds `count` days on `accruing` at the entered rate `percent`, each standing for `weight`
    // days, with the day count's `divisor`: the one way a day's interest is worked out.
    Added addDays(Money accruing, double percent, double divisor, int weight, int count = 1) {
        if (m_exact) {
            if (!m_period.add(accruing, percent, int(divisor), weight, count))
                m_overflowed = true;
            if (divisor == 0)
                return {};
            return {Money(), unrounded(accruing, dayRate(percent), divisor, weight)};
        }
        const double daily = unrounded(accruing, dayRate(percent), divisor, weight);
        const Money first = add(daily);
        if (count > 1)
            repeat(daily, first, count - 1);
        return {first, daily};
    }

    // A day's amount rounded as the daily roundings round it: to four decimals or to cents, ties
    // to even. nullopt when it cannot be represented.
    static std::optional<Money> roundedDay(double daily, InterestRounding rounding) {
        return Money::fromDoubleProduct(
            daily, rounding == InterestRounding::Day2 ? 2 : Money::MaxDecimals);
    }

    // Adds one day's unrounded amount (as unrounded() gives it): rounded under the daily
    // roundings, as it is under Posting. Returns what it added to accrued() (nothing under
    // Posting). An amount that cannot be represented, or would take the total out of the money
    // range, adds nothing and marks the accrual overflowed().
    Money add(double daily) {
        if (m_conventions.rounding == InterestRounding::Posting) {
            if (std::isfinite(daily))
                m_unrounded -= daily;
            else
                m_overflowed = true;
            return Money();
        }
        return addRounded(roundedDay(daily, m_conventions.rounding));
    }

    // `count` days of `daily` whose amount under a daily rounding is `amount` (roundedDay), as
    // add() adds them: for the search, which rounds a day once for every way that shares it.
    void addDaysRounded(double daily, const std::optional<Money>& amount, int count) {
        if (m_conventions.rounding == InterestRounding::Posting) {
            add(daily);
            if (count > 1)
                repeat(daily, Money(), count - 1);
            return;
        }
        const Money first = addRounded(amount);
        if (count > 1)
            repeat(daily, first, count - 1);
    }

    // A day count's amount under the daily roundings, checked as Money::subtract checks, on the
    // raw values: this runs on every day of every calculation, and the search for the lender's
    // method runs thousands. The lowest raw value has no opposite, so the change could not be
    // said.
    Money addRounded(const std::optional<Money>& amount) {
        qint64 accrued = 0;
        if (!amount || amount->raw() == std::numeric_limits<qint64>::min() ||
            qSubOverflow(m_accrued.raw(), amount->raw(), &accrued)) [[unlikely]] {
            m_overflowed = true;
            return Money();
        }
        m_accrued = Money::fromRaw(accrued);
        return Money::fromRaw(-amount->raw());
    }

    // Whether the days are added up exactly (ExactPeriod) rather than day by day.
    bool exact() const { return m_exact; }

    // A day's amount or the posting's total left the money range: the interest due is not known.
    bool overflowed() const { return m_overflowed; }

    // The interest due so far under the daily roundings (nothing under Posting until posted).
    Money accrued() const { return m_accrued; }

    // The interest due of the days added since the last posting, and a fresh start.
    Money post() {
        if (m_exact) {
            const std::optional<Money> total = m_period.post(m_conventions);
            m_overflowed = m_overflowed || !total;
            return total.value_or(Money());
        }
        if (m_conventions.rounding == InterestRounding::Posting) {
            const std::optional<Money> total = postingTotal(m_unrounded);
            m_overflowed = m_overflowed || !total;
            m_accrued = total.value_or(Money());
            m_unrounded = 0;
        }
        const Money due = m_accrued;
        m_accrued = Money();
        return due;
    }

private:
    // `times` more days like the one just added: under the daily roundings each adds what it
    // did, under the posting's each is added unrounded, one after another as the walk adds them.
    void repeat(double daily, Money added, int times) {
        if (m_conventions.rounding == InterestRounding::Posting) {
            for (int i = 0; i < times && std::isfinite(daily); ++i)
                m_unrounded -= daily;
            return;
        }
        qint64 more = 0;
        qint64 accrued = 0;
        if (m_overflowed || qMulOverflow(added.raw(), qint64(times), &more) ||
            qAddOverflow(m_accrued.raw(), more, &accrued)) {
            m_overflowed = true;
            return;
        }
        m_accrued = Money::fromRaw(accrued);
    }

    // The compounded rate of the entered one, kept while the rate stays.
    double dayRate(double percent) {
        if (m_conventions.compounding == Compounding::None)
            return percent;
        if (percent != m_lastRate) {
            m_lastRate = percent;
            m_lastDayRate = DayInterest::dayRate(m_conventions, percent);
        }
        return m_lastDayRate;
    }

    LenderConventions m_conventions;
    bool m_exact = false;
    Money m_accrued;
    long double m_unrounded = 0; // under Posting: the days added so far, unrounded
    ExactPeriod m_period;
    double m_lastRate = std::numeric_limits<double>::quiet_NaN();
    double m_lastDayRate = 0;
    bool m_overflowed = false;
};

} // namespace DayInterest
