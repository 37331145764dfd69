#pragma once

#include "LenderConventions.h"
#include "data/Money.h"

#include <QtNumeric>

#include <cmath>
#include <optional>

// One day's interest as the engine works it out, and its adding up from one posting to the next.
// The walk (InterestEngine) and whatever works a period's days again under another rate (the
// effective rate, InterestWorking) call this same code, so that the two cannot round apart.
namespace DayInterest {

// What the yearly rate is divided by on a day: 360 under Actual/360 and 30/360, 366 on the days
// of a leap year under Actual/Actual, else 365.
inline double divisor(DayCount dayCount, bool leapYear) {
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

// The interest accrued since the last posting, positive while the account is in debit, under
// one rounding: each day's amount to four decimals or to cents (ties to even) and then added up,
// or every day's amount added up unrounded and only the posting rounded.
class Accrual {
public:
    explicit Accrual(InterestRounding rounding = InterestRounding::Day4) : m_rounding(rounding) {}

    InterestRounding rounding() const { return m_rounding; }

    // Adds one day's unrounded amount (as unrounded() gives it): rounded under the daily
    // roundings, as it is under Posting. Returns what it added to accrued() (nothing under
    // Posting). An amount that cannot be represented, or would take the total out of the money
    // range, adds nothing and marks the accrual overflowed().
    Money add(double daily) {
        std::optional<Money> amount;
        switch (m_rounding) {
        case InterestRounding::Day4:
            amount = Money::fromDoubleProduct(daily);
            break;
        case InterestRounding::Day2:
            amount = Money::fromDoubleProduct(daily, 2);
            break;
        case InterestRounding::Posting:
            if (std::isfinite(daily))
                m_unrounded -= daily;
            else
                m_overflowed = true;
            return Money();
        }
        // Checked as Money::subtract checks, on the raw values: this runs on every day of every
        // calculation, and the search for the lender's method runs hundreds. The lowest raw value
        // has no opposite, so the change could not be said.
        qint64 accrued = 0;
        if (!amount || amount->raw() == std::numeric_limits<qint64>::min() ||
            qSubOverflow(m_accrued.raw(), amount->raw(), &accrued)) [[unlikely]] {
            m_overflowed = true;
            return Money();
        }
        m_accrued = Money::fromRaw(accrued);
        return Money::fromRaw(-amount->raw());
    }

    // A day's amount or the posting's total left the money range: the interest due is not known.
    bool overflowed() const { return m_overflowed; }

    // The interest due so far under the daily roundings (nothing under Posting until posted).
    Money accrued() const { return m_accrued; }

    // The interest due of the days added since the last posting, and a fresh start.
    Money post() {
        if (m_rounding == InterestRounding::Posting) {
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
    InterestRounding m_rounding;
    Money m_accrued;
    long double m_unrounded = 0; // under Posting: the days added so far, unrounded
    bool m_overflowed = false;
};

} // namespace DayInterest
