#include "LenderFitRendering.h"

#include "GridText.h"
#include "ReportRendering.h"

namespace LenderFitRendering {

QByteArray csv(const QVector<FitScore>& scores) {
    QByteArray out = "method,day,day_count,rounding,matched,charges,difference\n";
    for (const FitScore& s : scores) {
        out += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
                   .arg(s.candidate.methodCode())
                   .arg(s.candidate.day.calcFrom(),
                        Conventions::word(s.candidate.conventions.dayCount),
                        Conventions::word(s.candidate.conventions.rounding))
                   .arg(s.matched)
                   .arg(s.charges)
                   .arg(ReportRendering::plainAmount(s.difference))
                   .toUtf8();
    }
    return out;
}

QByteArray text(const QVector<FitScore>& scores) {
    const GridText grid;
    const QStringList headings = {
        "Method", "Day", "Day Count", "Rounding", "Charges Matched", "Total Difference"};
    QVector<QStringList> rows;
    rows.reserve(scores.size());
    for (const FitScore& s : scores)
        rows << QStringList{InterestMethod::names().value(s.candidate.methodCode()),
                            s.candidate.day.calcFrom(),
                            Conventions::name(s.candidate.conventions.dayCount),
                            Conventions::name(s.candidate.conventions.rounding),
                            QStringLiteral("%1 of %2").arg(s.matched).arg(s.charges),
                            grid.amount(s.difference)};
    QVector<qsizetype> width(headings.size());
    for (int c = 0; c < headings.size(); ++c)
        width[c] = headings[c].size();
    for (const QStringList& row : rows)
        for (int c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], row[c].size());
    // Words read from the left, counts and amounts line up on the right.
    const auto line = [&](const QStringList& cells) {
        QString text;
        for (int c = 0; c < cells.size(); ++c) {
            if (c > 0)
                text += QLatin1String("  ");
            text += c < 4 ? cells[c].leftJustified(width[c]) : cells[c].rightJustified(width[c]);
        }
        return text.toUtf8() + '\n';
    };
    QByteArray out = line(headings);
    for (const QStringList& row : rows)
        out += line(row);
    return out;
}

} // namespace LenderFitRendering
