#include "ShortDate.h"

#include <QLocale>

#include <vector>

namespace {

const QString FallbackPattern = QStringLiteral("d/MM/yyyy");
const QString IsoPattern = QStringLiteral("yyyy-MM-dd");

// A date pattern split into runs of one field letter ("dd", "MMM", "yy") and literal
// text (separators, quoted text kept with its quotes).
struct Token {
    QString text;
    bool field = false;
};

std::vector<Token> tokenize(const QString& pattern) {
    std::vector<Token> tokens;
    const qsizetype size = pattern.size();
    for (qsizetype i = 0; i < size;) {
        qsizetype j = i + 1;
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'')) {
            // Quoted literal up to the closing quote; '' inside it is a quote.
            while (j < size) {
                if (pattern[j] == QLatin1Char('\'')) {
                    if (j + 1 < size && pattern[j + 1] == QLatin1Char('\'')) {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
            tokens.push_back({pattern.sliced(i, j - i), false});
        } else if (c.isLetter()) {
            while (j < size && pattern[j] == c)
                ++j;
            tokens.push_back({pattern.sliced(i, j - i), true});
        } else {
            while (j < size && !pattern[j].isLetter() && pattern[j] != QLatin1Char('\''))
                ++j;
            tokens.push_back({pattern.sliced(i, j - i), false});
        }
        i = j;
    }
    return tokens;
}

// The pattern with "dd" and "MM" read as "d" and "M", which accept one or two digits.
// Empty when two fields touch ("yyyyMMdd"): without separators only fixed widths work.
QString relaxed(const QString& pattern) {
    QString out;
    bool previousWasField = false;
    for (const Token& t : tokenize(pattern)) {
        if (t.field && previousWasField)
            return QString();
        previousWasField = t.field;
        out += t.field && (t.text == u"dd" || t.text == u"MM") ? t.text.left(1) : t.text;
    }
    return out;
}

QDate readWith(const QString& text, const QString& pattern) {
    const QLocale locale;
    QDate date = locale.toDate(text, pattern);
    if (!date.isValid()) {
        const QString loose = relaxed(pattern);
        if (!loose.isEmpty() && loose != pattern)
            date = locale.toDate(text, loose);
    }
    // Qt reads "yyyy" with a sign ("-2024"); such a year has no place in the account file.
    return ShortDate::inRange(date) ? date : QDate();
}

} // namespace

namespace ShortDate {

QString pattern() {
    const QString localePattern = QLocale().dateFormat(QLocale::ShortFormat);
    QString widened;
    bool hasDay = false;
    bool hasMonth = false;
    bool hasYear = false;
    for (const Token& t : tokenize(localePattern)) {
        if (!t.field) {
            widened += t.text;
            continue;
        }
        const QChar letter = t.text[0];
        if (letter == QLatin1Char('y')) {
            hasYear = true;
            widened += QStringLiteral("yyyy");
            continue;
        }
        if (letter == QLatin1Char('d') || letter == QLatin1Char('M')) {
            // Three or more letters are day or month names: not a numeric pattern.
            if (t.text.size() > 2)
                return FallbackPattern;
            (letter == QLatin1Char('d') ? hasDay : hasMonth) = true;
            widened += t.text;
            continue;
        }
        return FallbackPattern; // an era, a time or anything else unexpected
    }
    return hasDay && hasMonth && hasYear ? widened : FallbackPattern;
}

QString format(const QDate& date) {
    if (!date.isValid())
        return QString();
    return QLocale().toString(date, pattern());
}

QDate parse(const QString& text, const QString& displayFormat) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QDate();
    if (const QDate date = readWith(trimmed, displayFormat.isEmpty() ? pattern() : displayFormat);
        date.isValid())
        return date;
    return fromIso(trimmed);
}

bool inRange(const QDate& date) {
    return date.isValid() && date.year() >= 1 && date.year() <= 9999;
}

QDate normalise(const QDate& date) {
    if (!date.isValid())
        return QDate();
    return parse(format(date));
}

QString toIso(const QDate& date) {
    if (!date.isValid())
        return QString();
    return date.toString(Qt::ISODate);
}

QDate fromIso(const QString& text) {
    // Checked by hand: Qt's own ISO reading also takes other separators and trailing
    // text, which the account file never holds.
    if (text.size() != IsoPattern.size())
        return QDate();
    int parts[3] = {0, 0, 0};
    int part = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (IsoPattern[i] == QLatin1Char('-')) {
            if (c != QLatin1Char('-'))
                return QDate();
            ++part;
        } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            parts[part] = parts[part] * 10 + (c.unicode() - '0');
        } else {
            return QDate();
        }
    }
    return QDate(parts[0], parts[1], parts[2]);
}

} // namespace ShortDate
