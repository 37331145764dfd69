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

// The year a token writes, 0 when it is not one: four digits, two, or after an apostrophe one
// or two counted from 2000 (Quicken's "8/31' 0").
int fullYear(const Token& year) {
    const qsizetype digits = year.text.size();
    if (digits > 4)
        return 0;
    const int y = toInt(year.text);
    if (digits == 4)
        return y;
    if (year.afterApostrophe && digits <= 2)
        return 2000 + y;
    if (digits == 2)
        return y < 70 ? 2000 + y : 1900 + y;
    return 0;
}

QDate makeDate(int y, int m, int d) {
    const QDate date(y, m, d);
    return ShortDate::inRange(date) ? date : QDate();
}

} // namespace

namespace BankText {

QDate parseDate(QStringView text, DateOrder order) {
    // At most a handful of tokens; more is not a date.
    std::array<Token, 8> tokens;
    int count = 0;
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
            return {};
        }
        if (count == int(tokens.size()))
            return {};
        tokens[count++] = Token{text.mid(i, j - i), digit, apostrophe};
        apostrophe = false;
        i = j;
    }

    std::array<Token, 4> numbers;
    int numberCount = 0;
    int month = 0;
    int monthPosition = -1; // among the numbers: how many came before the month's name
    for (int t = 0; t < count; ++t) {
        if (tokens[t].number) {
            if (numberCount == int(numbers.size()))
                return {};
            numbers[numberCount++] = tokens[t];
            continue;
        }
        if (isWeekday(tokens[t].text))
            continue;
        const int m = monthFromName(tokens[t].text);
        if (m == 0 || month != 0)
            return {};
        month = m;
        monthPosition = numberCount;
    }

    if (month != 0) {
        if (numberCount != 2)
            return {};
        Token day;
        Token year;
        if (numbers[0].text.size() >= 3 && numbers[1].text.size() <= 2) { // 2024 Jan 05
            year = numbers[0];
            day = numbers[1];
        } else if (monthPosition == 1 || monthPosition == 0) { // 05 Jan 24, Jan 5, 2024
            day = numbers[0];
            year = numbers[1];
        } else {
            return {};
        }
        const int y = fullYear(year);
        if (day.text.size() > 2 || y == 0)
            return {};
        return makeDate(y, month, toInt(day.text));
    }

    if (numberCount == 1 && numbers[0].text.size() == 8) { // 20240105
        const QStringView s = numbers[0].text;
        return makeDate(toInt(s.mid(0, 4)), toInt(s.mid(4, 2)), toInt(s.mid(6, 2)));
    }
    if (numberCount != 3)
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
    bool negative = false;
    bool signSeen = false;
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        negative = signSeen = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    if (text.size() >= 2) {
        const QStringView suffix = text.right(2);
        const bool cr = suffix.compare(u"CR", Qt::CaseInsensitive) == 0;
        const bool dr = suffix.compare(u"DR", Qt::CaseInsensitive) == 0;
        if (cr || dr) {
            if (signSeen)
                return std::nullopt;
            negative = dr;
            signSeen = true;
            text = text.chopped(2).trimmed();
        }
    }
    const QChar group = decimal == u',' ? u'.' : u',';

    // Whole cents so far, and the digits after the point.
    constexpr qint64 MaxCents = std::numeric_limits<qint64>::max() / 100 - 1;
    qint64 cents = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    bool pointSeen = false;
    bool symbolSeen = false;
    bool digitSeen = false;
    bool afterNumber = false; // a sign or symbol after the digits ends them
    QChar previous;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool isDigit = c.isDigit() && c.unicode() < 128;
        if (isDigit) {
            if (afterNumber)
                return std::nullopt;
            digitSeen = true;
            const int d = c.unicode() - u'0';
            if (!pointSeen) {
                if (cents > MaxCents / 10)
                    return std::nullopt;
                cents = cents * 10 + d * 100;
                if (cents > MaxCents)
                    return std::nullopt;
            } else {
                ++fractionDigits;
                if (fractionDigits == 1)
                    cents += d * 10;
                else if (fractionDigits == 2)
                    cents += d;
                else if (fractionDigits == 3)
                    roundUp = d >= 5;
            }
        } else if (c == decimal) {
            if (pointSeen || afterNumber)
                return std::nullopt;
            pointSeen = true;
        } else if (c == group || c == u' ' || c == u'\'' || c == QChar(0x00A0) ||
                   c == QChar(0x202F)) {
            // Between digits a group separator; elsewhere a blank is allowed, a group mark not.
            const bool between =
                previous.isDigit() && i + 1 < text.size() && text[i + 1].isDigit() && !pointSeen;
            if (!between) {
                if (c != u' ' && c != QChar(0x00A0))
                    return std::nullopt;
                if (digitSeen)
                    afterNumber = true;
            }
        } else if (c == u'-' || c == u'+' || c == QChar(0x2212)) {
            if (signSeen)
                return std::nullopt;
            signSeen = true;
            negative = c != u'+';
            if (digitSeen) {
                // Only as the last character: "12.50-".
                if (i + 1 != text.size())
                    return std::nullopt;
                afterNumber = true;
            }
        } else if (c == u'$' || c == QChar(0x00A3) || c == QChar(0x20AC) || c == QChar(0x00A5) ||
                   c == QChar(0x20B9)) {
            if (symbolSeen)
                return std::nullopt;
            symbolSeen = true;
            if (digitSeen)
                afterNumber = true;
        } else {
            return std::nullopt;
        }
        previous = c;
    }
    if (!digitSeen)
        return std::nullopt;
    if (roundUp)
        ++cents;
    if (cents > MaxCents)
        return std::nullopt;
    const Money value = Money::fromRaw((negative ? -cents : cents) * (Money::Scale / 100));
    if (!fitsAnAccount(value))
        return std::nullopt;
    return value;
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

} // namespace BankText
