#include "RateProposalRendering.h"

#include "GridText.h"
#include "LenderFitRendering.h"
#include "ReportRendering.h"

#include <QCoreApplication>
#include <QLocale>

using RateProposal::Period;
using RateProposal::Proposal;

namespace RateProposalRendering {

QByteArray csv(const Proposal& p) {
    QByteArray out = "kind,from,to,rate,postings,date,charged,nearest_rate,difference\n";
    for (const Period& period : p.periods)
        out += QStringLiteral("period,%1,%2,%3,%4,,,,\n")
                   .arg(period.from.toString(Qt::ISODate), period.to.toString(Qt::ISODate),
                        period.rate.text())
                   .arg(period.postings.size())
                   .toLatin1();
    for (const RateProposal::Unexplained& u : p.unexplained)
        out += QStringLiteral("unexplained,,,,,%1,%2,%3,%4\n")
                   .arg(u.date.toString(Qt::ISODate), ReportRendering::plainAmount(u.charged),
                        u.nearestRate ? u.nearestRate->text() : QString(),
                        ReportRendering::plainAmount(u.difference))
                   .toLatin1();
    return out;
}

QString rateCell(Rate rate) {
    return rate.columnText() + QStringLiteral(" %");
}

QString postingsCell(const Period& period) {
    const GridText grid;
    QStringList dates;
    for (const QDate& d : period.postings)
        dates << grid.date(d);
    return dates.join(QLatin1String(", "));
}

QString changeNote(const Period& period) {
    if (period.otherChangeDays.isEmpty())
        return QString();
    const GridText grid;
    return QCoreApplication::translate(
               "RateProposalRendering",
               "a change on any of %1 days from %2 to %3 reproduces the charge; the "
               "earliest is taken")
        .arg(period.otherChangeDays.size() + 1)
        .arg(grid.date(period.from), grid.date(period.otherChangeDays.last()));
}

QString nothingLine(const Proposal& p, const QString& tryEvery) {
    if (!p.periods.isEmpty())
        return QString();
    if (p.methodDoesNotFit())
        return QCoreApplication::translate("RateProposal", RateProposal::MethodDoesNotFit) + QLatin1Char(' ') + tryEvery;
    return QCoreApplication::translate("RateProposal", RateProposal::NothingToPropose);
}

QStringList countLines(const Proposal& p) {
    QStringList lines;
    lines << QCoreApplication::translate(
                 "RateProposalRendering",
                 "The proposed periods reproduce %1 of %2 charges to the cent.")
                 .arg(p.reproduced())
                 .arg(p.compared);
    if (p.leftOut > 0)
        lines << QCoreApplication::translate(
                     "RateProposalRendering",
                     "%1 posting(s) left out: their period is incomplete, the lender "
                     "charged nothing on their date or nothing bore interest.")
                     .arg(p.leftOut);
    if (!p.unpairedCharges.isEmpty())
        lines << QCoreApplication::translate(
                     "RateProposalRendering",
                     "%1 charge(s) fall on a date with no posting under this method "
                     "and were left out.")
                     .arg(p.unpairedCharges.size());
    return lines;
}

QString text(const Proposal& p, const SummaryRendering::Basis& basis) {
    const GridText grid;
    QString out = QStringLiteral("Rate periods proposed from the lender's charges\n");
    if (!basis.account.isEmpty())
        out += QStringLiteral("Account: %1\n").arg(basis.account);
    out += SummaryRendering::methodLine(basis) + QLatin1Char('\n') +
           SummaryRendering::conventionsLine(p.basis.conventions) + QStringLiteral("\n\n");
    if (p.periods.isEmpty()) {
        out += nothingLine(p, QString::fromLatin1(TryEveryOption)) + QLatin1Char('\n');
    } else {
        QVector<QStringList> rows = {{QStringLiteral("From"), QStringLiteral("To"),
                                      QStringLiteral("Rate"), QStringLiteral("Postings")}};
        QStringList notes;
        for (const Period& period : p.periods) {
            rows.append({grid.date(period.from), grid.date(period.to), rateCell(period.rate),
                         QString::number(period.postings.size())});
            if (const QString note = changeNote(period); !note.isEmpty())
                notes << grid.date(period.from) + QStringLiteral(": ") + note + '.';
        }
        out += alignedTable(rows);
        for (const QString& note : notes)
            out += note + QLatin1Char('\n');
    }
    if (!p.unexplained.isEmpty() && !p.methodDoesNotFit()) {
        out += QStringLiteral("\nCharges no proposed rate reproduces\n");
        QVector<QStringList> rows = {{QStringLiteral("Date"), QStringLiteral("Charged"),
                                      QStringLiteral("Nearest rate"),
                                      QStringLiteral("Difference")}};
        for (const RateProposal::Unexplained& u : p.unexplained)
            rows.append({grid.date(u.date), grid.amount(u.charged),
                         u.nearestRate ? rateCell(*u.nearestRate) : QString(),
                         grid.amount(u.difference)});
        out += alignedTable(rows);
        out += QStringLiteral("Difference: the charge less the interest due under the proposed "
                              "periods.\n");
    }
    out += QLatin1Char('\n') + countLines(p).join(QLatin1Char('\n')) + QLatin1Char('\n');
    out += QLatin1Char('\n') + QString::fromLatin1(Caution) + QLatin1Char('\n');
    return out;
}

QString rankingText(const QVector<RateProposal::Ranked>& ranked, int shown) {
    QVector<QStringList> rows = {
        QStringList{QStringLiteral("Method"), QStringLiteral("Day")} +
        LenderFitRendering::conventionHeadings() +
        QStringList{QStringLiteral("Reproduced"), QStringLiteral("Periods")}};
    for (int i = 0; i < ranked.size() && i < shown; ++i) {
        const RateProposal::Ranked& r = ranked[i];
        rows.append(QStringList{InterestMethod::names().value(r.candidate.methodCode()),
                                r.candidate.day.calcFrom()} +
                    LenderFitRendering::conventionCells(r.candidate.conventions) +
                    QStringList{QStringLiteral("%1 of %2").arg(r.reproduced).arg(r.charges),
                                QString::number(r.periods)});
    }
    // Words read from the left, counts line up on the right.
    const qsizetype words = rows.first().size() - 2;
    return alignedTable(rows, [words](qsizetype column) { return column >= words; });
}

} // namespace RateProposalRendering
