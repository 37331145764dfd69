#include "LenderFitRendering.h"

#include "GridText.h"
#include "ReportRendering.h"

namespace LenderFitRendering {

const QStringList& conventionHeadings() {
    static const QStringList headings = {"Day Count", "Rounding", "Rest", "Compounding"};
    return headings;
}

QStringList conventionCells(const LenderConventions& c) {
    const QString perYear = QStringLiteral(" (%1)").arg(c.perYear);
    QString dayCount = Conventions::name(c.dayCount);
    if (c.dayCount == DayCount::EqualPeriods)
        dayCount += perYear;
    QString compounding = Conventions::name(c.compounding);
    if (c.compounding != Compounding::None)
        compounding += perYear;
    return {dayCount, Conventions::name(c.rounding), Conventions::name(c.rest), compounding};
}

QByteArray csv(const QVector<FitScore>& scores) {
    QByteArray out =
        "method,day,day_count,rounding,matched,charges,difference,rest,compounding,per_year\n";
    for (const FitScore& s : scores) {
        const LenderConventions& c = s.candidate.conventions;
        out += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10\n")
                   .arg(s.candidate.methodCode())
                   .arg(s.candidate.day.calcFrom(), Conventions::word(c.dayCount),
                        Conventions::word(c.rounding))
                   .arg(s.matched)
                   .arg(s.charges)
                   .arg(ReportRendering::plainAmount(s.difference), Conventions::word(c.rest),
                        Conventions::word(c.compounding),
                        c.usesPerYear() ? QString::number(c.perYear) : QString())
                   .toUtf8();
    }
    return out;
}

QByteArray text(const QVector<FitScore>& scores) {
    const GridText grid;
    const QStringList headings = QStringList{"Method", "Day"} + conventionHeadings() +
                                 QStringList{"Charges Matched", "Total Difference"};
    // Words read from the left, counts and amounts line up on the right.
    const qsizetype words = headings.size() - 2;
    QVector<QStringList> rows;
    rows.reserve(scores.size());
    for (const FitScore& s : scores)
        rows << QStringList{InterestMethod::names().value(s.candidate.methodCode()),
                            s.candidate.day.calcFrom()} +
                    conventionCells(s.candidate.conventions) +
                    QStringList{QStringLiteral("%1 of %2").arg(s.matched).arg(s.charges),
                                grid.amount(s.difference)};
    QVector<qsizetype> width(headings.size());
    for (int c = 0; c < headings.size(); ++c)
        width[c] = headings[c].size();
    for (const QStringList& row : rows)
        for (int c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], row[c].size());
    const auto line = [&](const QStringList& cells) {
        QString text;
        for (int c = 0; c < cells.size(); ++c) {
            if (c > 0)
                text += QLatin1String("  ");
            text +=
                c < words ? cells[c].leftJustified(width[c]) : cells[c].rightJustified(width[c]);
        }
        return text.toUtf8() + '\n';
    };
    QByteArray out = line(headings);
    for (const QStringList& row : rows)
        out += line(row);
    return out;
}

} // namespace LenderFitRendering
