#pragma once

// Compact spellings of history rows, rate periods and report lines for the report tests.

#include "data/Money.h"
#include "engine/HistoryRows.h"
#include "engine/ReportLine.h"
#include "render/ReportRendering.h"

#include <QStringList>
#include <QVector>

namespace ReportRows {

// "2024-01-10 dep 1000 int 12.5 close -5000": a date ("-" empty, "bad" unreadable) and amounts
// by key (govt, bank, wd, dep, int, open, close; "?" cannot be read). IDs count from 1.
inline QVector<HistoryRow> history(const QStringList& spelled) {
    static const QStringList keys = {"govt", "bank", "wd", "dep", "int"};
    QVector<HistoryRow> rows;
    for (const QString& line : spelled) {
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        HistoryRow row;
        row.id = rows.size() + 1;
        if (parts[0] == QLatin1String("bad"))
            row.date = QDate(); // what an unreadable stored date reads as
        else if (parts[0] != QLatin1String("-"))
            row.date = QDate::fromString(parts[0], Qt::ISODate);
        for (int i = 1; i + 1 < parts.size(); i += 2) {
            const StoredMoney value = parts[i + 1] == QLatin1String("?")
                                          ? StoredMoney::unreadable()
                                          : StoredMoney::of(Money::parse(parts[i + 1]).value());
            if (parts[i] == QLatin1String("close"))
                row.closeBalance = value;
            else if (parts[i] == QLatin1String("open"))
                row.openBalance = value;
            else
                row.amounts[std::size_t(keys.indexOf(parts[i]))] = value;
        }
        rows << row;
    }
    return rows;
}

// "2024-01-01 2024-12-31 7.3", "-" for an empty field.
inline QVector<RatePeriod> rates(const QStringList& spelled) {
    QVector<RatePeriod> periods;
    for (const QString& line : spelled) {
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        RatePeriod p;
        p.id = periods.size() + 1;
        p.validFrom = QDate::fromString(parts[0], Qt::ISODate);
        p.validTo = QDate::fromString(parts[1], Qt::ISODate);
        if (parts[2] != QLatin1String("-"))
            p.interestRate = Rate::fromReal(parts[2].toDouble());
        periods << p;
    }
    return periods;
}

// "2024-01-15 T -99000.00" for a transaction line (date, balance), "2024-01-15 I 279.06
// -99000.00" for an interest line (date, interest due, balance).
inline QStringList lines(const QVector<ReportLine>& lines) {
    QStringList out;
    for (const ReportLine& l : lines) {
        QString s = l.date.toString(Qt::ISODate);
        if (l.kind == ReportLine::Kind::Interest)
            s += " I " + ReportRendering::plainAmount(l.interestDue.value_or(Money()));
        else
            s += " T";
        out << s + ' ' + ReportRendering::plainAmount(l.balance);
    }
    return out;
}

} // namespace ReportRows
