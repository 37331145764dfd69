#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <compare>
#include <optional>

// A yearly interest rate in per cent, exact: a signed count of billionths of a per cent, so 5.125
// is raw 5125000000. A rate is read from the account file (a real), proposed on a grid of
// thousandths and compared as shown, to three decimals; holding it exactly keeps those steps from
// drifting apart in binary fractions. Only the day's interest is worked out in floating point,
// from percent().
class Rate {
public:
    static constexpr qint64 Scale = 1'000'000'000;
    static constexpr qint64 PerThousandth = Scale / 1000;
    // No rate a lender charges comes near: a stored real beyond it is not a rate.
    static constexpr qint64 LimitPercent = 1'000'000'000;

    constexpr Rate() = default;
    static constexpr Rate fromRaw(qint64 billionths) {
        Rate r;
        r.m_raw = billionths;
        return r;
    }
    static constexpr Rate fromThousandths(qint64 thousandths) {
        return fromRaw(thousandths * PerThousandth);
    }
    constexpr qint64 raw() const { return m_raw; }

    // A stored real as the nearest billionth, so that the real a typed "5.1" was stored as is 5.1
    // again. nullopt when not finite or beyond LimitPercent.
    static std::optional<Rate> fromReal(double percent);
    // The one rounding of a worked-out rate to three decimals: half away from zero, the rate as
    // given times a thousand. nullopt when not finite or beyond LimitPercent.
    static std::optional<Rate> nearestThousandth(double percent);

    // A rate as written ("4.35", "-0.5", "+0.25", "7%"): at most nine decimals, '.' as the
    // point, no groups, within ±TextLimitPercent. nullopt for anything else.
    static constexpr qint64 TextLimitPercent = 1000;
    static std::optional<Rate> parse(QStringView text);

    // Sums and differences of rates that are bounded (as read, parsed or rounded here): they
    // stay far inside 64 bits.
    friend constexpr Rate operator+(Rate a, Rate b) { return fromRaw(a.m_raw + b.m_raw); }
    friend constexpr Rate operator-(Rate a, Rate b) { return fromRaw(a.m_raw - b.m_raw); }
    constexpr Rate operator-() const { return fromRaw(-m_raw); }

    // The rate for the day's arithmetic: the nearest double.
    double percent() const { return double(m_raw) / double(Scale); }

    // The rate to three decimals, half away from zero, in thousandths.
    qint64 thousandths() const;

    // "6.125": to three decimals with '.', the same in every locale (the text of CSV and reports).
    QString text() const;
    // "6.1", "5.99", "0": every decimal it has and no more, with '.'.
    QString exactText() const;
    // "6.10", "5.99", "4.125", "0.00": as a rate stands in a column, every decimal it has and at
    // least two, as lenders write their rates; with '.'.
    QString columnText() const;

    friend constexpr auto operator<=>(const Rate&, const Rate&) = default;
    friend constexpr bool operator==(const Rate&, const Rate&) = default;

private:
    qint64 m_raw = 0;
};
