#include "BankText.h"

#include "data/ShortDate.h"

#include <QStringDecoder>

#include <array>
#include <limits>

namespace {

struct Token {
    QStringView text;
    bool number = false;
    bool afterApostrophe = false; // QIF's "'" before a year of 2000 on
};

bool isSeparator(QChar c) {
    return c == u' ' || c == u'/' || c == u'-' || c == u'.' || c == u',' || c == u'\'' ||
           c == u'\t';
}

int monthFromName(QStringView word) {
    static const std::array<const char16_t*, 12> names = {
        u"january", u"february", u"march",     u"april",   u"may",      u"june",
        u"july",    u"august",   u"september", u"october", u"november", u"december"};
    if (word.size() < 3)
        return 0;
    for (int m = 0; m < 12; ++m) {
        const QStringView name(names[m]);
        // "Jan", "January", and "Sept" as some banks write it.
        if (word.size() <= name.size() && name.startsWith(word, Qt::CaseInsensitive))
            return m + 1;
    }
    return 0;
}

bool isWeekday(QStringView word) {
    static const std::array<const char16_t*, 7> names = {
        u"monday", u"tuesday", u"wednesday", u"thursday", u"friday", u"saturday", u"sunday"};
    if (word.size() < 3)
        return false;
    for (const char16_t* n : names) {
        const QStringView name(n);
        if (word.size() <= name.size() && name.startsWith(word, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The value of a run of digits; -1 for more than nine, which no day, month or year has and
// which an int could not hold.
int toInt(QStringView digits) {
    if (digits.size() > 9)
        return -1;
    int value = 0;
    for (QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

// The year a token writes, 0 when it is not one: four digits, two, after an apostrophe one or
// two counted from 2000 (Quicken's "8/31' 0"), or three counted from 1900 (the "03/25/099" of
// exporters that wrote the year less 1900).
int fullYear(const Token& year) {
    const qsizetype digits = year.text.size();
    if (digits > 4)
        return 0;
    const int y = toInt(year.text);
    if (digits == 4)
        return y;
    if (year.afterApostrophe && digits <= 2)
        return 2000 + y;
    if (digits == 3 && !year.afterApostrophe)
        return 1900 + y;
    if (digits == 2)
        return y < 70 ? 2000 + y : 1900 + y;
    return 0;
}

QDate makeDate(int y, int m, int d) {
    const QDate date(y, m, d);
    return ShortDate::inRange(date) ? date : QDate();
}

// A date's words and numbers in the order written, up to a time of day.
struct DateTokens {
    std::array<Token, 8> tokens; // at most a handful; more is not a date
    int count = 0;
};

// nullopt for a character no date has, and for more tokens than a date has.
std::optional<DateTokens> dateTokens(QStringView text) {
    DateTokens out;
    std::array<Token, 8>& tokens = out.tokens;
    int& count = out.count;
    bool apostrophe = false; // since the last token
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == u':') {
            // A time of day follows: drop its hour, and an ISO 'T' before it.
            if (count > 0 && tokens[count - 1].number)
                --count;
            if (count > 0 && !tokens[count - 1].number &&
                tokens[count - 1].text.compare(u"T", Qt::CaseInsensitive) == 0)
                --count;
            break;
        }
        if (isSeparator(c)) {
            if (c == u'\'')
                apostrophe = true;
            ++i;
            continue;
        }
        qsizetype j = i;
        const bool digit = c.isDigit() && c.unicode() < 128;
        if (digit) {
            while (j < n && text[j].isDigit() && text[j].unicode() < 128)
                ++j;
        } else if (c.isLetter()) {
            while (j < n && text[j].isLetter())
                ++j;
            // "2024-01-05T10:00": the 'T' sticks to the hour.
            if (j - i == 1 && (text[i] == u'T' || text[i] == u't') && j < n && text[j].isDigit()) {
                i = j;
                continue;
            }
        } else {
            return std::nullopt;
        }
        if (count == int(tokens.size()))
            return std::nullopt;
        tokens[count++] = Token{text.mid(i, j - i), digit, apostrophe};
        apostrophe = false;
        i = j;
    }
    return out;
}

// A date's numbers, and the month its name gives.
struct DateParts {
    std::array<Token, 4> numbers;
    int numberCount = 0;
    int month = 0;          // 0 when no month is named
    int monthPosition = -1; // among the numbers: how many came before the month's name
};

// nullopt for more numbers than a date has, for a word that is neither a weekday nor a month,
// and for a second month.
std::optional<DateParts> dateParts(const DateTokens& t) {
    DateParts p;
    for (int k = 0; k < t.count; ++k) {
        const Token& token = t.tokens[k];
        if (token.number) {
            if (p.numberCount == int(p.numbers.size()))
                return std::nullopt;
            p.numbers[p.numberCount++] = token;
            continue;
        }
        if (isWeekday(token.text))
            continue;
        const int m = monthFromName(token.text);
        if (m == 0 || p.month != 0)
            return std::nullopt;
        p.month = m;
        p.monthPosition = p.numberCount;
    }
    return p;
}

// A date with its month named: "05 Jan 24", "Jan 5, 2024", "2024 Jan 05".
QDate namedMonthDate(const DateParts& p) {
    if (p.numberCount != 2)
        return {};
    Token day;
    Token year;
    if (p.numbers[0].text.size() >= 3 && p.numbers[1].text.size() <= 2) { // 2024 Jan 05
        year = p.numbers[0];
        day = p.numbers[1];
    } else if (p.monthPosition == 1 || p.monthPosition == 0) { // 05 Jan 24, Jan 5, 2024
        day = p.numbers[0];
        year = p.numbers[1];
    } else {
        return {};
    }
    const int y = fullYear(year);
    if (day.text.size() > 2 || y == 0)
        return {};
    return makeDate(y, p.month, toInt(day.text));
}

// A date of numbers alone: "20240105", "2024-01-05", and "05/01/2024" in `order`.
QDate numericDate(const DateParts& p, DateOrder order) {
    const std::array<Token, 4>& numbers = p.numbers;
    if (p.numberCount == 1 && numbers[0].text.size() == 8) { // 20240105
        const QStringView s = numbers[0].text;
        return makeDate(toInt(s.mid(0, 4)), toInt(s.mid(4, 2)), toInt(s.mid(6, 2)));
    }
    if (p.numberCount != 3)
        return {};
    if (numbers[0].text.size() == 4) { // 2024-01-05
        if (numbers[1].text.size() > 2 || numbers[2].text.size() > 2)
            return {};
        return makeDate(toInt(numbers[0].text), toInt(numbers[1].text), toInt(numbers[2].text));
    }
    const int year = fullYear(numbers[2]);
    if (numbers[0].text.size() > 2 || numbers[1].text.size() > 2 || year == 0)
        return {};
    const int first = toInt(numbers[0].text);
    const int second = toInt(numbers[1].text);
    return order == DateOrder::DayFirst ? makeDate(year, second, first)
                                        : makeDate(year, first, second);
}

// The sign written around an amount's number.
struct AmountSign {
    bool negative = false;
    bool seen = false;
};

// The text inside brackets and before a "CR" or "DR" suffix, with the sign they give; nullopt
// for both at once.
std::optional<QStringView> withoutSignMarks(QStringView text, AmountSign& sign) {
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        sign.negative = sign.seen = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    if (text.size() >= 2) {
        const QStringView suffix = text.right(2);
        const bool cr = suffix.compare(u"CR", Qt::CaseInsensitive) == 0;
        const bool dr = suffix.compare(u"DR", Qt::CaseInsensitive) == 0;
        if (cr || dr) {
            if (sign.seen)
                return std::nullopt;
            sign.negative = dr;
            sign.seen = true;
            text = text.chopped(2).trimmed();
        }
    }
    return text;
}

// An amount's characters read from left to right: the whole cents so far, and what has been
// seen of its point, sign and currency symbol. Each step says false for a character that makes
// the text no amount.
class AmountDigits {
public:
    AmountDigits(QStringView text, QChar decimal, AmountSign sign)
        : m_text(text), m_decimal(decimal), m_group(decimal == u',' ? u'.' : u','), m_sign(sign) {}

    std::optional<Money> read() {
        for (qsizetype i = 0; i < m_text.size(); ++i) {
            const QChar c = m_text[i];
            if (!step(i, c))
                return std::nullopt;
            m_previous = c;
        }
        return value();
    }

private:
    static constexpr qint64 MaxCents = std::numeric_limits<qint64>::max() / 100 - 1;

    bool step(qsizetype i, QChar c) {
        if (c.isDigit() && c.unicode() < 128)
            return digit(c);
        if (c == m_decimal)
            return point();
        if (c == m_group || c == u' ' || c == u'\'' || c == QChar(0x00A0) || c == QChar(0x202F))
            return separator(i, c);
        if (c == u'-' || c == u'+' || c == QChar(0x2212))
            return sign(i, c);
        if (c == u'$' || c == QChar(0x00A3) || c == QChar(0x20AC) || c == QChar(0x00A5) ||
            c == QChar(0x20B9))
            return symbol();
        return false;
    }

    bool digit(QChar c) {
        if (m_afterNumber)
            return false;
        m_digitSeen = true;
        const int d = c.unicode() - u'0';
        if (!m_pointSeen) {
            if (m_cents > MaxCents / 10)
                return false;
            m_cents = m_cents * 10 + d * 100;
            return m_cents <= MaxCents;
        }
        ++m_fractionDigits;
        if (m_fractionDigits == 1)
            m_cents += d * 10;
        else if (m_fractionDigits == 2)
            m_cents += d;
        else if (m_fractionDigits == 3)
            m_roundUp = d >= 5;
        return true;
    }

    bool point() {
        if (m_pointSeen || m_afterNumber)
            return false;
        m_pointSeen = true;
        return true;
    }

    // Between digits a group separator; elsewhere a blank is allowed, a group mark not.
    bool separator(qsizetype i, QChar c) {
        const bool between = m_previous.isDigit() && i + 1 < m_text.size() &&
                             m_text[i + 1].isDigit() && !m_pointSeen;
        if (!between) {
            if (c != u' ' && c != QChar(0x00A0))
                return false;
            if (m_digitSeen)
                m_afterNumber = true;
        }
        return true;
    }

    bool sign(qsizetype i, QChar c) {
        if (m_sign.seen)
            return false;
        m_sign.seen = true;
        m_sign.negative = c != u'+';
        if (m_digitSeen) {
            // Only as the last character: "12.50-".
            if (i + 1 != m_text.size())
                return false;
            m_afterNumber = true;
        }
        return true;
    }

    bool symbol() {
        if (m_symbolSeen)
            return false;
        m_symbolSeen = true;
        if (m_digitSeen)
            m_afterNumber = true;
        return true;
    }

    std::optional<Money> value() const {
        if (!m_digitSeen)
            return std::nullopt;
        const qint64 cents = m_roundUp ? m_cents + 1 : m_cents;
        if (cents > MaxCents)
            return std::nullopt;
        const Money value =
            Money::fromRaw((m_sign.negative ? -cents : cents) * (Money::Scale / 100));
        if (!BankText::fitsAnAccount(value))
            return std::nullopt;
        return value;
    }

    QStringView m_text;
    QChar m_decimal;
    QChar m_group;
    AmountSign m_sign;
    qint64 m_cents = 0; // whole cents so far
    int m_fractionDigits = 0;
    bool m_roundUp = false;
    bool m_pointSeen = false;
    bool m_symbolSeen = false;
    bool m_digitSeen = false;
    bool m_afterNumber = false; // a sign or symbol after the digits ends them
    QChar m_previous;
};

} // namespace

namespace BankText {

QDate parseDate(QStringView text, DateOrder order) {
    const std::optional<DateTokens> tokens = dateTokens(text);
    if (!tokens)
        return {};
    const std::optional<DateParts> parts = dateParts(*tokens);
    if (!parts)
        return {};
    return parts->month != 0 ? namedMonthDate(*parts) : numericDate(*parts, order);
}

OrderFit fitOrders(QStringView text) {
    const QDate dayFirst = parseDate(text, DateOrder::DayFirst);
    const QDate monthFirst = parseDate(text, DateOrder::MonthFirst);
    return OrderFit{dayFirst.isValid(), monthFirst.isValid(),
                    dayFirst.isValid() && monthFirst.isValid() && dayFirst != monthFirst};
}

std::optional<Money> parseAmount(QStringView text, QChar decimal) {
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    AmountSign sign;
    const std::optional<QStringView> number = withoutSignMarks(text, sign);
    if (!number)
        return std::nullopt;
    return AmountDigits(*number, decimal, sign).read();
}

QChar detectDecimal(const QStringList& samples) {
    int comma = 0;
    int point = 0;
    for (const QString& s : samples) {
        const QString t = s.trimmed();
        const qsizetype comma_ = t.lastIndexOf(u',');
        const qsizetype point_ = t.lastIndexOf(u'.');
        const qsizetype last = std::max(comma_, point_);
        if (last <= 0 || !t[last - 1].isDigit())
            continue;
        qsizetype digits = 0;
        qsizetype k = last + 1;
        while (k < t.size() && t[k].isDigit()) {
            ++digits;
            ++k;
        }
        if (digits < 1 || digits > 2)
            continue;
        if (last == comma_)
            ++comma;
        else
            ++point;
    }
    return comma > point ? u',' : u'.';
}

DateOrder localeOrder() {
    const QString pattern = ShortDate::pattern();
    const qsizetype month = pattern.indexOf(u'M');
    const qsizetype day = pattern.indexOf(u'd');
    return month >= 0 && day >= 0 && month < day ? DateOrder::MonthFirst : DateOrder::DayFirst;
}

std::optional<QString> decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(bytes.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                          : QStringConverter::Utf16BE);
        QString text = utf16.decode(bytes.mid(2));
        if (utf16.hasError() || text.contains(QChar(0)))
            return std::nullopt;
        return text;
    }
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid()) {
        text = cp1252.decode(bytes);
        if (!cp1252.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

QString reversal(const QString& description) {
    return QStringLiteral("Reversal: ") + description;
}

} // namespace BankText
