#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

#include <compare>
#include <optional>

// An exact amount of money: a signed 64-bit count of ten-thousandths, so 123.45 is raw
// 1234500. Every amount and balance of an account is one of these; doubles appear only
// where a value has to be read from or handed to floating point code, and the
// conversion is explicit and rounded.
//
// Text conversions use QLocale() (the default locale), so a test's QLocale::setDefault
// reaches them all.
class Money {
public:
    static constexpr qint64 Scale = 10000;
    static constexpr int MaxDecimals = 4;

    constexpr Money() = default;

    static constexpr Money fromRaw(qint64 tenThousandths) {
        Money m;
        m.m_raw = tenThousandths;
        return m;
    }
    constexpr qint64 raw() const { return m_raw; }
    constexpr bool isZero() const { return m_raw == 0; }

    // Reads what a user typed or what the program wrote. Around the number: optional
    // whitespace, at most one sign ('+', '-' or the locale's) and at most one currency
    // symbol ('$' or the locale's), the symbol either before the number (on either side
    // of the sign) or after it. The number is tried first in the locale's form (its group
    // separator, correctly placed, and its decimal point), then in the plain C form
    // ("-1234.5": no groups, '.' point), which stored and program-made texts use. In a
    // locale that groups with '.', "1.234" is therefore 1234, while "1234.5" and
    // "12.0001" cannot be locale numbers and read as C numbers. At most four decimals.
    // Empty text, junk, a lone sign or symbol, five or more decimals and values outside
    // 64 bits give nullopt.
    static std::optional<Money> parse(const QString& text);

    // Rounds value * 10000 half to even, exactly: the double is split into its integer
    // mantissa and binary exponent and the product is done in integers, so no
    // intermediate floating point rounding can move a value across a half.
    // NaN, infinities and values outside the raw range give nullopt.
    static std::optional<Money> fromDouble(double value);
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }

    // Checked arithmetic: nullopt instead of a wrapped value.
    static std::optional<Money> add(Money a, Money b);
    static std::optional<Money> subtract(Money a, Money b);
    // `value` added to `sum` in place; false, and `sum` as it was, when the sum leaves the range.
    static bool addTo(Money& sum, Money value);

    // The value with its sign turned, and its magnitude: nullopt for the most negative raw value,
    // which has no positive counterpart. There are no throwing operators: an exception that
    // reached Qt's event loop would end the program, so every sum and negation is checked and
    // its nullopt handled where it arises.
    std::optional<Money> negated() const;
    std::optional<Money> magnitude() const { return m_raw < 0 ? negated() : *this; }

    friend constexpr auto operator<=>(const Money&, const Money&) = default;
    friend constexpr bool operator==(const Money&, const Money&) = default;

    // "#,##0.00": the locale's grouping and decimal point, a leading '-', rounded half
    // away from zero to two decimals. A value that rounds to zero shows no sign.
    QString format() const { return formatGrouped(2); }
    // The same with 0 to 4 decimals (values outside are clamped).
    QString formatGrouped(int decimals = 2) const;

    // The value as an unformatted field shows it: no groups, the locale's decimal point,
    // no trailing zeros, a leading '-' ("-1234.5", "0", "12.0001"). Exact, and parse()
    // reads it back to the same value in every locale.
    QString toPlainText() const;

    // How a value is rounded to fewer decimals, after the exact money types of finance
    // libraries: half away from zero (how amounts are shown and interest is posted) or half to
    // even (banker's rounding).
    enum class Rounding : quint8 { HalfAwayFromZero, HalfToEven };
    // The value rounded to `decimals` (0 to 4); nullopt when the result leaves the range.
    std::optional<Money> rounded(int decimals, Rounding mode = Rounding::HalfAwayFromZero) const;
    // The value as shown with two decimals: rounded half away from zero to whole cents.
    std::optional<Money> roundedToCents() const { return rounded(2); }
    // The magnitude as a display of `decimals` (0 to 4) shows it, half away from zero, in units
    // of the last decimal shown: 12.345 with 2 gives 1235. Never overflows.
    quint64 shownMagnitude(int decimals) const;

    // value * 10^decimals computed in double, then rounded once to a whole number with ties to
    // even (nearbyint in the default rounding mode): the rounding of the daily interest, to four
    // decimals or to cents, so that every build gives the same cents. The unrounded amount is
    // rounded once: a day of 0.00504 is 0.01 to cents, where rounding its four-decimal 0.0050
    // again would give 0.00. Unlike fromDouble(), which rounds the exact binary value, the
    // multiplication rounds first; the two differ for about a dozen daily amounts in a million.
    // NaN, infinities and values outside the raw range give nullopt.
    static std::optional<Money> fromDoubleProduct(double value, int decimals = MaxDecimals);

private:
    qint64 m_raw = 0;
};

Q_DECLARE_METATYPE(Money)
