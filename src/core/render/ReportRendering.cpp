#include "ReportRendering.h"

#include "GridText.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace {

void appendDigits(QByteArray& out, quint64 n, int minWidth) {
    char digits[24];
    int count = 0;
    do {
        digits[count++] = char('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (count < minWidth)
        digits[count++] = '0';
    while (count > 0)
        out += digits[--count];
}

void appendPlainAmount(QByteArray& out, Money m, int decimals = 2) {
    decimals = std::clamp(decimals, 0, Money::MaxDecimals);
    quint64 unit = 1;
    for (int d = 0; d < decimals; ++d)
        unit *= 10;
    const quint64 shown = m.shownMagnitude(decimals);
    if (m.raw() < 0 && shown != 0)
        out += '-';
    appendDigits(out, shown / unit, 1);
    if (decimals == 0)
        return;
    out += '.';
    appendDigits(out, shown % unit, decimals);
}

void appendIsoDate(QByteArray& out, const QDate& date) {
    if (!date.isValid())
        return;
    int y = 0, m = 0, d = 0;
    date.getDate(&y, &m, &d);
    if (y < 0)
        out += '-';
    appendDigits(out, quint64(y < 0 ? -y : y), 4);
    out += '-';
    appendDigits(out, quint64(m), 2);
    out += '-';
    appendDigits(out, quint64(d), 2);
}

void addShown(std::optional<Money>& total, const std::optional<Money>& value) {
    if (!total || !value)
        return;
    const std::optional<Money> shown = value->roundedToCents();
    total = shown ? Money::add(*total, *shown) : std::nullopt;
}

} // namespace

namespace ReportRendering {

QString csvField(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString plainAmount(Money m, int decimals) {
    QByteArray text;
    appendPlainAmount(text, m, decimals);
    return QString::fromLatin1(text);
}

Totals totals(const QVector<ReportLine>& lines) {
    Totals t{Money(), Money(), std::nullopt};
    for (const ReportLine& line : lines) {
        addShown(t.interestCharged, line.amounts[AmountColumn::InterestPayment]);
        addShown(t.interestDue, line.interestDue);
    }
    if (t.interestCharged && t.interestDue)
        t.difference = Money::subtract(*t.interestCharged, *t.interestDue);
    return t;
}

QByteArray csv(const QVector<ReportLine>& lines, bool offsetColumn) {
    const int columns = ReportLine::columnCount(offsetColumn);
    QStringList fields;
    for (int c = 0; c < columns; ++c)
        fields << csvField(ReportLine::heading(c));
    QByteArray out = fields.join(QLatin1Char(',')).toUtf8() + '\n';
    // Ten thousand lines: written digit by digit into one buffer rather than through strings.
    out.reserve(out.size() + 80 * lines.size());
    for (const ReportLine& line : lines) {
        appendIsoDate(out, line.date);
        for (int c = ReportLine::GovtChargeColumn; c < columns; ++c) {
            out += ',';
            if (const std::optional<Money> m = line.cell(c))
                appendPlainAmount(out, *m);
        }
        out += '\n';
    }
    return out;
}

QByteArray text(const QVector<ReportLine>& lines, bool offsetColumn) {
    const GridText grid;
    const QString zero = grid.amount(Money());
    const int Columns = ReportLine::columnCount(offsetColumn);
    const auto cellText = [&](const ReportLine& line, int column) {
        if (column == ReportLine::DateColumn)
            return grid.date(line.date);
        const std::optional<Money> m = line.cell(column);
        return !m ? QString() : m->isZero() ? zero : grid.amount(*m);
    };
    // Formatted twice, for the widths and for the output, rather than kept: eighty thousand
    // cells held at once cost more than formatting them again.
    QVector<qsizetype> width(Columns);
    for (int c = 0; c < Columns; ++c)
        width[c] = ReportLine::heading(c).size();
    for (const ReportLine& line : lines) {
        for (int c = 0; c < Columns; ++c)
            width[c] = std::max(width[c], cellText(line, c).size());
    }

    // The date column reads from the left, the amounts line up on their decimal point.
    QByteArray out;
    QString row;
    const auto addRow = [&](const auto& cell) {
        row.clear();
        for (int c = 0; c < Columns; ++c) {
            const QString text = cell(c);
            if (c > 0)
                row.resize(row.size() + 2 + width[c] - text.size(), QLatin1Char(' '));
            row += text;
            if (c == 0)
                row.resize(width[0], QLatin1Char(' '));
        }
        row += QLatin1Char('\n');
        out += row.toUtf8();
    };
    addRow([](int c) { return ReportLine::heading(c); });
    for (const ReportLine& line : lines)
        addRow([&](int c) { return cellText(line, c); });

    const Totals t = totals(lines);
    const QString labels[] = {QStringLiteral("Total Int Charge:"), QStringLiteral("Total Int Due:"),
                              QStringLiteral("Int Charge - Int Due:")};
    const std::optional<Money> values[] = {t.interestCharged, t.interestDue, t.difference};
    QStringList shown;
    for (const std::optional<Money>& v : values)
        shown << (v ? grid.amount(*v) : QStringLiteral("overflow"));
    qsizetype labelWidth = 0, valueWidth = 0;
    for (int i = 0; i < 3; ++i) {
        labelWidth = std::max(labelWidth, labels[i].size());
        valueWidth = std::max(valueWidth, shown[i].size());
    }
    out += '\n';
    for (int i = 0; i < 3; ++i)
        out += (labels[i].leftJustified(labelWidth) + QLatin1String("  ") +
                shown[i].rightJustified(valueWidth) + QLatin1Char('\n'))
                   .toUtf8();
    return out;
}

} // namespace ReportRendering
