#include "Money.h"

#include <QLocale>
#include <QStringList>
#include <QtNumeric>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// |INT64_MIN|: the largest magnitude a (negative) raw value can have.
constexpr quint64 MaxNegativeMagnitude = quint64(std::numeric_limits<qint64>::max()) + 1;
constexpr quint64 MaxPositiveMagnitude = quint64(std::numeric_limits<qint64>::max());

constexpr quint64 powerOfTen(int n) {
    quint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

std::optional<Money> fromMagnitude(bool negative, quint64 magnitude) {
    if (magnitude > (negative ? MaxNegativeMagnitude : MaxPositiveMagnitude))
        return std::nullopt;
    if (!negative)
        return Money::fromRaw(qint64(magnitude));
    if (magnitude == MaxNegativeMagnitude)
        return Money::fromRaw(std::numeric_limits<qint64>::min());
    return Money::fromRaw(-qint64(magnitude));
}

quint64 magnitudeOf(qint64 raw) {
    // Written so that INT64_MIN does not overflow.
    return raw < 0 ? quint64(-(raw + 1)) + 1 : quint64(raw);
}

// Some locales wrap signs and symbols in invisible direction marks (U+200E, U+061C ...).
// They carry no meaning for a number, so they are dropped before reading.
QString withoutFormatMarks(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.category() != QChar::Other_Format)
            out.append(c);
    }
    return out;
}

// How the digits part of an amount is written.
struct NumberForm {
    QStringList groupSeparators; // empty: no grouping allowed
    QString decimalPoint;
    // Locales that leave four-digit numbers ungrouped also write a longer first group
    // ("1234 567"), so the first group may have this many digits.
    int firstGroupMax = 3;
};

struct Affixes {
    QStringList symbols; // longest first
    QStringList negativeSigns;
    QStringList positiveSigns;
};

qsizetype matchAny(QStringView text, qsizetype pos, const QStringList& candidates) {
    for (const QString& c : candidates) {
        if (text.sliced(pos).startsWith(c))
            return c.size();
    }
    return 0;
}

// The decimal digit at pos in any script (some scripts' digits lie outside the BMP and
// take two QChars): its value and width, or width 0 when there is none.
struct Digit {
    int value = 0;
    qsizetype width = 0;
};

Digit digitAt(QStringView text, qsizetype pos) {
    if (pos >= text.size())
        return {};
    char32_t code = text[pos].unicode();
    qsizetype width = 1;
    if (QChar::isHighSurrogate(code) && pos + 1 < text.size() && text[pos + 1].isLowSurrogate()) {
        code = QChar::surrogateToUcs4(text[pos], text[pos + 1]);
        width = 2;
    }
    if (!QChar::isDigit(code))
        return {};
    return {QChar::digitValue(code), width};
}

void skipSpaces(QStringView text, qsizetype& pos) {
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
}

// Reads digits, groups and decimals at pos as ten-thousandths. Groups must sit where a
// locale puts them (the last one three digits, middle ones two or three) so that a
// misplaced separator is not silently dropped: in a locale that groups with '.', that
// is what tells "12.0001" (a C number) from "12.000" (12000).
std::optional<quint64> readNumber(QStringView text, qsizetype& pos, const NumberForm& form) {
    quint64 whole = 0;
    int wholeDigits = 0;
    int groupDigits = 0;
    int groups = 0;
    for (;;) {
        if (const Digit d = digitAt(text, pos); d.width > 0) {
            if (qMulOverflow(whole, quint64(10), &whole) ||
                qAddOverflow(whole, quint64(d.value), &whole))
                return std::nullopt;
            ++wholeDigits;
            ++groupDigits;
            pos += d.width;
            continue;
        }
        const qsizetype sep = wholeDigits > 0 ? matchAny(text, pos, form.groupSeparators) : 0;
        if (sep > 0 && digitAt(text, pos + sep).width > 0) {
            const int minDigits = groups == 0 ? 1 : 2;
            const int maxDigits = groups == 0 ? form.firstGroupMax : 3;
            if (groupDigits < minDigits || groupDigits > maxDigits)
                return std::nullopt;
            ++groups;
            groupDigits = 0;
            pos += sep;
            continue;
        }
        break;
    }
    if (groups > 0 && groupDigits != 3)
        return std::nullopt;

    quint64 fraction = 0;
    int fractionDigits = 0;
    if (text.sliced(pos).startsWith(form.decimalPoint)) {
        pos += form.decimalPoint.size();
        for (Digit d = digitAt(text, pos); d.width > 0; d = digitAt(text, pos)) {
            if (++fractionDigits > Money::MaxDecimals)
                return std::nullopt;
            fraction = fraction * 10 + quint64(d.value);
            pos += d.width;
        }
    }
    if (wholeDigits + fractionDigits == 0)
        return std::nullopt;

    quint64 magnitude = 0;
    if (qMulOverflow(whole, quint64(Money::Scale), &magnitude) ||
        qAddOverflow(magnitude, fraction * powerOfTen(Money::MaxDecimals - fractionDigits),
                     &magnitude))
        return std::nullopt;
    return magnitude;
}

// The longest run of digits the locale writes without a group separator, at least 3.
int longestUngrouped(const QLocale& locale, const QString& group) {
    QLocale grouping = locale;
    grouping.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    int digits = 3;
    while (digits < 6 && !grouping.toString(qulonglong(powerOfTen(digits))).contains(group))
        ++digits;
    return digits;
}

std::optional<Money> parseWith(QStringView text, const Affixes& affixes, const NumberForm& form) {
    qsizetype pos = 0;
    bool haveSign = false;
    bool negative = false;
    bool haveSymbol = false;
    // Sign and symbol in either order: "-$5", "$-5", "- € 5".
    for (;;) {
        if (!haveSign) {
            if (qsizetype n = matchAny(text, pos, affixes.negativeSigns)) {
                haveSign = negative = true;
                pos += n;
                skipSpaces(text, pos);
                continue;
            }
            if (qsizetype n = matchAny(text, pos, affixes.positiveSigns)) {
                haveSign = true;
                pos += n;
                skipSpaces(text, pos);
                continue;
            }
        }
        if (!haveSymbol) {
            if (qsizetype n = matchAny(text, pos, affixes.symbols)) {
                haveSymbol = true;
                pos += n;
                skipSpaces(text, pos);
                continue;
            }
        }
        break;
    }

    const std::optional<quint64> magnitude = readNumber(text, pos, form);
    if (!magnitude)
        return std::nullopt;

    // A trailing symbol, as in "1.234,50 €".
    skipSpaces(text, pos);
    if (!haveSymbol)
        pos += matchAny(text, pos, affixes.symbols);
    if (pos != text.size())
        return std::nullopt;
    return fromMagnitude(negative, *magnitude);
}

// The locale's digits for n, without grouping.
QString plainDigits(const QLocale& locale, quint64 n) {
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(qulonglong(n));
}

// The fraction digits of `fraction` with leading zeros kept, in the locale's digits.
// Writing 10^decimals + fraction and dropping the leading one keeps the zeros whatever
// the width of the locale's zero digit.
QString fractionDigits(const QLocale& locale, quint64 fraction, int decimals) {
    const QString one = plainDigits(locale, 1);
    return plainDigits(locale, powerOfTen(decimals) + fraction).sliced(one.size());
}

} // namespace

std::optional<Money> Money::parse(const QString& text) {
    const QString cleaned = withoutFormatMarks(text);
    const QStringView trimmed = QStringView(cleaned).trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;

    const QLocale locale;
    Affixes affixes;
    affixes.symbols << withoutFormatMarks(locale.currencySymbol()).trimmed() << QStringLiteral("$");
    affixes.symbols.removeAll(QString());
    affixes.symbols.removeDuplicates();
    std::sort(affixes.symbols.begin(), affixes.symbols.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    affixes.negativeSigns << QStringLiteral("-") << QString(QChar(0x2212));
    affixes.positiveSigns << QStringLiteral("+");
    const QString localeMinus = withoutFormatMarks(locale.negativeSign());
    const QString localePlus = withoutFormatMarks(locale.positiveSign());
    if (!localeMinus.isEmpty() && !affixes.negativeSigns.contains(localeMinus))
        affixes.negativeSigns << localeMinus;
    if (!localePlus.isEmpty() && !affixes.positiveSigns.contains(localePlus))
        affixes.positiveSigns << localePlus;

    NumberForm localForm;
    localForm.decimalPoint = withoutFormatMarks(locale.decimalPoint());
    const QString group = withoutFormatMarks(locale.groupSeparator());
    if (group.size() == 1 && group[0].isSpace()) {
        // Locales that group with a (narrow) no-break space: people type a plain space.
        localForm.groupSeparators << QStringLiteral(" ") << QString(QChar(0x00A0))
                                  << QString(QChar(0x202F));
    } else if (!group.isEmpty()) {
        localForm.groupSeparators << group;
    }
    if (!localForm.groupSeparators.isEmpty())
        localForm.firstGroupMax = longestUngrouped(locale, locale.groupSeparator());
    if (auto m = parseWith(trimmed, affixes, localForm))
        return m;

    const NumberForm cForm{{}, QStringLiteral(".")};
    return parseWith(trimmed, affixes, cForm);
}

std::optional<Money> Money::fromDouble(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == 0)
        return Money();

    // |value| = mantissa * 2^exponent exactly, with an integer mantissa below 2^53.
    // Then |value| * 10000 = (mantissa * 625) * 2^(exponent + 4), and mantissa * 625 is
    // below 2^63, so the whole product and its rounding are done in 64-bit integers.
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    const quint64 mantissa = quint64(std::ldexp(fraction, 53));
    const quint64 product = mantissa * 625;
    const int shift = exponent - 53 + 4;
    const bool negative = value < 0;
    const quint64 limit = negative ? MaxNegativeMagnitude : MaxPositiveMagnitude;

    quint64 magnitude = 0;
    if (shift >= 0) {
        if (shift >= 64 || product > (limit >> shift))
            return std::nullopt;
        magnitude = product << shift;
    } else if (-shift < 64) {
        const int drop = -shift;
        const quint64 rest = product & ((quint64(1) << drop) - 1);
        const quint64 half = quint64(1) << (drop - 1);
        magnitude = product >> drop;
        if (rest > half || (rest == half && (magnitude & 1) != 0))
            ++magnitude;
    }
    // else: below 2^-64 ten-thousandths' worth of half, so it rounds to zero.
    return fromMagnitude(negative, magnitude);
}

std::optional<Money> Money::add(Money a, Money b) {
    qint64 sum = 0;
    if (qAddOverflow(a.m_raw, b.m_raw, &sum))
        return std::nullopt;
    return fromRaw(sum);
}

bool Money::addTo(Money& sum, Money value) {
    const std::optional<Money> total = add(sum, value);
    if (!total)
        return false;
    sum = *total;
    return true;
}

std::optional<Money> Money::subtract(Money a, Money b) {
    qint64 difference = 0;
    if (qSubOverflow(a.m_raw, b.m_raw, &difference))
        return std::nullopt;
    return fromRaw(difference);
}

std::optional<Money> Money::negated() const {
    if (m_raw == std::numeric_limits<qint64>::min())
        return std::nullopt;
    return fromRaw(-m_raw);
}

QString Money::formatGrouped(int decimals) const {
    decimals = std::clamp(decimals, 0, MaxDecimals);
    // Half away from zero: round the magnitude, then put the sign back.
    const quint64 rounded = shownMagnitude(decimals);
    const quint64 shown = powerOfTen(decimals);

    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString text = locale.toString(qulonglong(rounded / shown));
    if (decimals > 0)
        text += locale.decimalPoint() + fractionDigits(locale, rounded % shown, decimals);
    if (m_raw < 0 && rounded != 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

QString Money::toPlainText() const {
    const QLocale locale;
    const quint64 magnitude = magnitudeOf(m_raw);
    QString text = plainDigits(locale, magnitude / Scale);
    quint64 fraction = magnitude % Scale;
    if (fraction != 0) {
        int decimals = MaxDecimals;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --decimals;
        }
        text += locale.decimalPoint() + fractionDigits(locale, fraction, decimals);
    }
    if (m_raw < 0)
        text.prepend(QLatin1Char('-'));
    return text;
}

std::optional<Money> Money::fromDoubleProduct(double value, int decimals) {
    decimals = std::clamp(decimals, 0, MaxDecimals);
    const double unit = double(powerOfTen(MaxDecimals - decimals));
    const double scaled = std::nearbyint(value * double(powerOfTen(decimals))) * unit;
    // -2^63 is exact in double; 2^63 is the first value past the raw range.
    constexpr double Limit = 9223372036854775808.0;
    if (!std::isfinite(scaled) || scaled < -Limit || scaled >= Limit)
        return std::nullopt;
    return fromRaw(qint64(scaled));
}

quint64 Money::shownMagnitude(int decimals) const {
    const quint64 unit = powerOfTen(MaxDecimals - std::clamp(decimals, 0, MaxDecimals));
    const quint64 magnitude = magnitudeOf(m_raw);
    // Half away from zero; written so that the largest magnitude cannot overflow.
    return magnitude / unit + (magnitude % unit >= unit - unit / 2 ? 1 : 0);
}

std::optional<Money> Money::rounded(int decimals, Rounding mode) const {
    decimals = std::clamp(decimals, 0, MaxDecimals);
    const quint64 unit = powerOfTen(MaxDecimals - decimals);
    const quint64 magnitude = magnitudeOf(m_raw);
    quint64 units = magnitude / unit;
    const quint64 rest = magnitude % unit;
    const bool up = mode == Rounding::HalfAwayFromZero
                        ? rest >= unit - unit / 2
                        : rest * 2 > unit || (rest * 2 == unit && units % 2 == 1);
    units += up ? 1 : 0;
    quint64 result = 0;
    if (qMulOverflow(units, unit, &result))
        return std::nullopt;
    return fromMagnitude(m_raw < 0, result);
}
