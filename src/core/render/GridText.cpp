#include "GridText.h"

#include "data/ShortDate.h"

#include <QLocale>

#include <algorithm>

namespace {

void appendNumber(QString& out, int n, int width) {
    const QString digits = QString::number(n);
    for (qsizetype i = digits.size(); i < width; ++i)
        out += QLatin1Char('0');
    out += digits;
}

} // namespace

GridText::GridText() {
    const QLocale locale;
    m_group = locale.groupSeparator();
    m_point = locale.decimalPoint();
    QLocale grouping = locale;
    grouping.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    m_plainNumbers = locale.zeroDigit() == QLatin1String("0") && !m_point.isEmpty() &&
                     grouping.toString(qulonglong(1234)) == QStringLiteral("1") + m_group + "234" &&
                     grouping.toString(qulonglong(1234567)) ==
                         QStringLiteral("1") + m_group + "234" + m_group + "567";

    if (locale.zeroDigit() != QLatin1String("0"))
        return;
    // Only the fields the Short Date can have, between separators without letters or quotes.
    const QString pattern = ShortDate::pattern();
    QVector<Part> parts;
    for (qsizetype i = 0; i < pattern.size();) {
        qsizetype j = i + 1;
        const QChar c = pattern[i];
        if (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y')) {
            while (j < pattern.size() && pattern[j] == c)
                ++j;
            const qsizetype run = j - i;
            Field field = Field::Literal;
            if (c == QLatin1Char('d') && run <= 2)
                field = run == 1 ? Field::Day : Field::Day2;
            else if (c == QLatin1Char('M') && run <= 2)
                field = run == 1 ? Field::Month : Field::Month2;
            else if (c == QLatin1Char('y') && run == 4)
                field = Field::Year;
            else
                return;
            parts.append({field, QString()});
        } else if (c.isLetter() || c == QLatin1Char('\'')) {
            return;
        } else {
            while (j < pattern.size() && !pattern[j].isLetter() && pattern[j] != QLatin1Char('\''))
                ++j;
            parts.append({Field::Literal, pattern.sliced(i, j - i)});
        }
        i = j;
    }
    m_datePattern = parts;
}

QString GridText::amount(Money m) const {
    if (!m_plainNumbers)
        return m.format();
    // Half away from zero to cents, as Money::format rounds.
    const qint64 raw = m.raw();
    const quint64 cents = m.shownMagnitude(2);
    const QString whole = QString::number(cents / 100);
    QString text;
    text.reserve(whole.size() + whole.size() / 3 + 4);
    if (raw < 0 && cents != 0)
        text += QLatin1Char('-');
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            text += m_group;
        text += whole[i];
    }
    text += m_point;
    appendNumber(text, int(cents % 100), 2);
    return text;
}

QString GridText::date(const QDate& d) const {
    // Years outside 1 to 9999 the Short Date writes its own way.
    if (m_datePattern.isEmpty() || !d.isValid() || d.year() < 1 || d.year() > 9999)
        return ShortDate::format(d);
    int year = 0, month = 0, day = 0;
    d.getDate(&year, &month, &day);
    QString text;
    text.reserve(12);
    for (const Part& p : m_datePattern) {
        switch (p.field) {
        case Field::Literal:
            text += p.text;
            break;
        case Field::Day:
        case Field::Day2:
            appendNumber(text, day, p.field == Field::Day2 ? 2 : 1);
            break;
        case Field::Month:
        case Field::Month2:
            appendNumber(text, month, p.field == Field::Month2 ? 2 : 1);
            break;
        case Field::Year:
            appendNumber(text, year, 4);
            break;
        }
    }
    return text;
}

QString alignedTable(const QVector<QStringList>& rows,
                     const std::function<bool(qsizetype column)>& right) {
    QVector<qsizetype> width;
    for (const QStringList& row : rows) {
        width.resize(std::max(width.size(), row.size()));
        for (qsizetype c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], row[c].size());
    }
    QString out;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += (c ? QStringLiteral("  ") : QString()) + ((right ? right(c) : c > 0)
                                                                  ? row[c].rightJustified(width[c])
                                                                  : row[c].leftJustified(width[c]));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line + QLatin1Char('\n');
    }
    return out;
}
