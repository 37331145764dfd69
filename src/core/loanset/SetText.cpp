// The set's summary and diagnosis as the borrower reads them, and as CSV.
#include "SetCheck.h"

#include "diagnosis/DiagnosisText.h"
#include "render/GridText.h"
#include "render/ReportRendering.h"

#include <QCoreApplication>

namespace SetCheck {

namespace {

QString shown(const std::optional<Money>& m, const GridText& grid) {
    return m ? grid.amount(*m) : QString();
}

QString partsTable(const Result& r, const GridText& grid) {
    QVector<QStringList> rows = {{QCoreApplication::translate("SetCheck", "Part"),
                                  QCoreApplication::translate("SetCheck", "Charged"),
                                  //: Interest due
                                  QCoreApplication::translate("SetCheck", "Due"),
                                  QCoreApplication::translate("SetCheck", "Difference"),
                                  QCoreApplication::translate("SetCheck", "Offset saved"),
                                  QCoreApplication::translate("SetCheck", "Fixed until"),
                                  QCoreApplication::translate("SetCheck", "Rate"),
                                  QCoreApplication::translate("SetCheck", "Owed")}};
    for (const PartRun& p : r.parts) {
        if (!p.checked())
            continue;
        rows << QStringList{p.part.name,
                            grid.amount(p.summary->charged),
                            grid.amount(p.summary->due),
                            grid.amount(p.summary->difference),
                            shown(p.offsetBenefit, grid),
                            p.fixedUntil.isValid() ? grid.date(p.fixedUntil) : QString(),
                            p.rate ? p.rate->columnText() : QString(),
                            grid.amount(p.owed)};
    }
    rows << QStringList{QCoreApplication::translate("SetCheck", "Total"), grid.amount(r.charged),
                        grid.amount(r.due), grid.amount(r.difference)};
    return alignedTable(rows);
}

QString yearsTable(const Result& r, const GridText& grid) {
    QStringList heading{QCoreApplication::translate("SetCheck", "Year")};
    for (const PartRun& p : r.parts)
        if (p.checked())
            heading << p.part.name;
    heading << QCoreApplication::translate("SetCheck", "Total");
    QVector<QStringList> rows{heading};
    for (const Year& y : r.years) {
        QStringList row{QString::number(y.year)};
        for (qsizetype i = 0; i < r.parts.size(); ++i)
            if (r.parts[i].checked())
                row << shown(y.parts.value(i), grid);
        rows << (row << grid.amount(y.total));
    }
    return alignedTable(rows);
}

} // namespace

QString verdict(const Result& r) {
    const GridText grid;
    const int n = r.checkedParts();
    if (n == 0)
        return QCoreApplication::translate("SetCheck", "No part of the loan set could be checked.");
    const Money size = r.difference.magnitude().value_or(r.difference);
    if (r.difference.isZero())
        return QCoreApplication::translate(
                   "SetCheck",
                   "Across its %1 parts your lender charged the interest these figures give.")
            .arg(n);
    if (r.difference.raw() > 0)
        return QCoreApplication::translate("SetCheck", "Across its %1 parts your lender charged %2 "
                                                       "more interest than these figures give.")
            .arg(n)
            .arg(grid.amount(size));
    return QCoreApplication::translate("SetCheck", "Across its %1 parts your lender charged %2 "
                                                   "less interest than these figures give.")
        .arg(n)
        .arg(grid.amount(size));
}

QString sentence(const Result& r, const WrongOffset& w) {
    const GridText grid;
    const Money size = w.amount.magnitude().value_or(w.amount);
    const QString way =
        w.to ? QCoreApplication::translate("SetCheck", "the offset of \"%1\" linked to \"%2\"")
                   .arg(r.parts[w.from].part.name, r.parts[*w.to].part.name)
             : QCoreApplication::translate("SetCheck", "the offset of \"%1\" linked to no part")
                   .arg(r.parts[w.from].part.name);
    if (w.amount.raw() < 0)
        return QCoreApplication::translate("SetCheck",
                                           "From %1 to %2 (%3 postings) the charges "
                                           "equal exactly those of %4: %5 less than due.")
            .arg(grid.date(w.first), grid.date(w.last))
            .arg(w.postings)
            .arg(way, grid.amount(size));
    return QCoreApplication::translate("SetCheck", "From %1 to %2 (%3 postings) the charges equal "
                                                   "exactly those of %4: %5 more than due.")
        .arg(grid.date(w.first), grid.date(w.last))
        .arg(w.postings)
        .arg(way, grid.amount(size));
}

QString text(const Result& r) {
    const GridText grid;
    QString out = QCoreApplication::translate("SetCheck", "Loan set: %1").arg(r.name) +
                  QLatin1Char('\n') + verdict(r) + QLatin1Char('\n');
    for (const WrongOffset& w : r.wrongOffsets)
        out += sentence(r, w) + QLatin1Char('\n');
    out += QLatin1Char('\n');
    for (const PartRun& p : r.parts)
        out += p.part.name + QStringLiteral(": ") + (p.checked() ? p.verdict : p.problem) +
               QLatin1Char('\n');
    out += QLatin1Char('\n') + partsTable(r, grid);
    out += QLatin1Char('\n') +
           QCoreApplication::translate("SetCheck", "By calendar year (charged less due)") +
           QLatin1Char('\n') + yearsTable(r, grid);
    if (r.weightedRate)
        out += QLatin1Char('\n') +
               QCoreApplication::translate("SetCheck", "Rate weighted by the balances owed: %1 %")
                   .arg(r.weightedRate->columnText()) +
               QLatin1Char('\n');
    return out;
}

QByteArray csv(const Result& r) {
    QByteArray out = "part,year,charged,due,difference\n";
    const auto record = [&](const QString& part, const QString& year, Money charged, Money due,
                            Money difference) {
        out += (ReportRendering::csvField(part) + QLatin1Char(',') + year + QLatin1Char(',') +
                ReportRendering::plainAmount(charged) + QLatin1Char(',') +
                ReportRendering::plainAmount(due) + QLatin1Char(',') +
                ReportRendering::plainAmount(difference) + QLatin1Char('\n'))
                   .toUtf8();
    };
    for (const PartRun& p : r.parts)
        if (p.checked())
            for (const InterestSummary::Year& y : p.summary->years)
                record(p.part.name, QString::number(y.year), y.charged, y.due, y.difference);
    QMap<int, std::pair<Money, Money>> years;
    for (const PartRun& p : r.parts)
        if (p.checked())
            for (const InterestSummary::Year& y : p.summary->years) {
                Money::addTo(years[y.year].first, y.charged);
                Money::addTo(years[y.year].second, y.due);
            }
    for (const Year& y : r.years)
        record(QStringLiteral("total"), QString::number(y.year), years[y.year].first,
               years[y.year].second, y.total);
    record(QStringLiteral("total"), QStringLiteral("all"), r.charged, r.due, r.difference);
    return out;
}

QString diagnosisText(const Result& r) {
    QString out;
    for (const PartRun& p : r.parts) {
        out += p.part.name + QLatin1Char('\n');
        out += p.checked() ? DiagnosisText::text(p.run->diagnosis()) : p.problem + QLatin1Char('\n');
        out += QLatin1Char('\n');
    }
    out += QCoreApplication::translate("SetCheck", "The offset accounts across the parts") +
           QLatin1Char('\n');
    if (r.wrongOffsets.isEmpty())
        out += QCoreApplication::translate("SetCheck",
                                           "No offset account was found linked to another part.") +
               QLatin1Char('\n');
    for (const WrongOffset& w : r.wrongOffsets)
        out += sentence(r, w) + QLatin1Char('\n');
    return out;
}

QByteArray diagnosisCsv(const Result& r) {
    QByteArray out = "part,explanation,from,to,postings,parameter,amount\n";
    for (const PartRun& p : r.parts) {
        if (!p.checked())
            continue;
        const QByteArray rows = DiagnosisText::csv(p.run->diagnosis());
        const QList<QByteArray> lines = rows.split('\n');
        for (qsizetype i = 1; i < lines.size(); ++i)
            if (!lines[i].isEmpty())
                out += ReportRendering::csvField(p.part.name).toUtf8() + ',' + lines[i] + '\n';
    }
    for (const WrongOffset& w : r.wrongOffsets)
        out += QStringLiteral("set,offset-linked-to-wrong-part,%1,%2,%3,%4,%5\n")
                   .arg(w.first.toString(Qt::ISODate), w.last.toString(Qt::ISODate))
                   .arg(w.postings)
                   .arg(ReportRendering::csvField(
                            r.parts[w.from].part.name + QStringLiteral(" to ") +
                            (w.to ? r.parts[*w.to].part.name : QStringLiteral("none"))),
                        ReportRendering::plainAmount(w.amount))
                   .toUtf8();
    return out;
}

} // namespace SetCheck
