#include "RepaymentRendering.h"

#include "GridText.h"
#include "ReportRendering.h"

#include <QCoreApplication>

namespace RepaymentRendering {

namespace {

using RepaymentCheck::Cause;
using RepaymentCheck::FindingKind;

// "After the rate change of 1/2/2021", "From the first repayment".
QString after(const RepaymentCheck::Event& e, const GridText& grid) {
    switch (e.cause) {
    case Cause::Start:
        return QCoreApplication::translate("RepaymentRendering", "From the first repayment");
    case Cause::RateChange:
        return QCoreApplication::translate("RepaymentRendering", "After the rate change of %1")
            .arg(grid.date(e.date));
    case Cause::InterestOnlyEnds:
        return QCoreApplication::translate("RepaymentRendering",
                                           "After the interest-only period ended on %1")
            .arg(grid.date(e.date));
    }
    return {};
}

QString plainOrEmpty(const std::optional<Money>& m) {
    return m ? ReportRendering::plainAmount(*m) : QString();
}

QString shownOrEmpty(const std::optional<Money>& m, const GridText& grid) {
    return m ? grid.amount(*m) : QString();
}

} // namespace

QString word(FindingKind k) {
    return k == FindingKind::InterestOnlyKept ? QStringLiteral("interest-only-kept")
                                              : QStringLiteral("repayment-not-recalculated");
}

QString findingText(const RepaymentCheck::Finding& f) {
    const GridText grid;
    switch (f.kind) {
    case FindingKind::NotRecalculated:
        return QCoreApplication::translate("RepaymentRendering",
                                           "Repayment of %1 kept after the rate change of %2")
            .arg(grid.amount(f.taken), grid.date(f.event.date));
    case FindingKind::OverMoreRepayments:
        return QCoreApplication::translate(
                   "RepaymentRendering", "Repayment worked out over %1 repayments where %2 remain")
            .arg(f.over.value_or(0))
            .arg(f.event.remaining);
    case FindingKind::TookLess:
        return QCoreApplication::translate("RepaymentRendering",
                                           "Repayment of %1 taken where %2 is required")
            .arg(grid.amount(f.taken), grid.amount(f.required));
    case FindingKind::InterestOnlyKept:
        return QCoreApplication::translate("RepaymentRendering",
                                           "Interest only kept past the period's end on %1")
            .arg(grid.date(f.event.date));
    }
    return {};
}

QString sentence(const RepaymentCheck::Finding& f) {
    const GridText grid;
    QString what;
    switch (f.kind) {
    case FindingKind::NotRecalculated:
        what =
            QCoreApplication::translate(
                "RepaymentRendering", "%1 the lender kept the repayment of %2 where %3 is required")
                .arg(after(f.event, grid), grid.amount(f.taken), grid.amount(f.required));
        break;
    case FindingKind::OverMoreRepayments:
        what = QCoreApplication::translate(
                   "RepaymentRendering",
                   "%1 the lender worked the repayment of %2 out over %3 repayments where %4 "
                   "remain, and %5 is required")
                   .arg(after(f.event, grid), grid.amount(f.taken))
                   .arg(f.over.value_or(0))
                   .arg(f.event.remaining)
                   .arg(grid.amount(f.required));
        break;
    case FindingKind::TookLess:
        what = QCoreApplication::translate("RepaymentRendering",
                                           "%1 the lender took %2 where %3 is required")
                   .arg(after(f.event, grid), grid.amount(f.taken), grid.amount(f.required));
        break;
    case FindingKind::InterestOnlyKept:
        what = QCoreApplication::translate(
                   "RepaymentRendering",
                   "%1 the lender kept taking interest only (%2) where %3 is required")
                   .arg(after(f.event, grid), grid.amount(f.taken), grid.amount(f.required));
        break;
    }
    QString out = what + QCoreApplication::translate("RepaymentRendering",
                                                     ": %1 short each repayment (%2 repayments)")
                             .arg(grid.amount(f.shortfall))
                             .arg(f.repayments);
    if (f.leftAtEnd && f.leftAtEnd->raw() > 0)
        out += QCoreApplication::translate("RepaymentRendering",
                                           ", leaving %1 owed at the term's end on %2")
                   .arg(grid.amount(*f.leftAtEnd), grid.date(f.termEnd));
    return out + QLatin1Char('.');
}

QString verdict(const RepaymentCheck::Result& r) {
    if (r.findings.isEmpty())
        return {};
    const RepaymentCheck::Finding& last = r.findings.last();
    const GridText grid;
    QString out = QCoreApplication::translate(
                      "RepaymentRendering",
                      "The loan is underfunded: since %1 each repayment taken is %2 short of the "
                      "one its terms require")
                      .arg(grid.date(last.from.isValid() ? last.from : last.event.date),
                           grid.amount(last.shortfall));
    if (last.leftAtEnd && last.leftAtEnd->raw() > 0)
        out += QCoreApplication::translate("RepaymentRendering",
                                           ", which would leave %1 owed at the term's end")
                   .arg(grid.amount(*last.leftAtEnd));
    return out + QLatin1Char('.');
}

QString underfundedWording() {
    return QCoreApplication::translate(
        "RepaymentRendering",
        "The repayment you set is too low to repay the mortgage by the end of its term: "
        "the mortgage is underfunded. I ask you to recalculate the repayment over the "
        "remaining term, to tell me the shortfall it has left, and to put it right "
        "without cost to me.");
}

QStringList headings() {
    return {QCoreApplication::translate("RepaymentRendering", "Date"),
            QCoreApplication::translate("RepaymentRendering", "Rate"),
            QCoreApplication::translate("RepaymentRendering", "Balance"),
            //: Repayments remaining
            QCoreApplication::translate("RepaymentRendering", "Remaining"),
            //: The repayment required
            QCoreApplication::translate("RepaymentRendering", "Required"),
            //: The repayment taken
            QCoreApplication::translate("RepaymentRendering", "Taken"),
            QCoreApplication::translate("RepaymentRendering", "Shortfall")};
}

QVector<QStringList> rows(const RepaymentCheck::Result& r) {
    const GridText grid;
    QVector<QStringList> out;
    out.reserve(r.rows.size());
    for (const RepaymentCheck::Row& row : r.rows)
        out << QStringList{grid.date(row.date),
                           row.rate.columnText(),
                           grid.amount(row.balance),
                           QString::number(row.remaining),
                           shownOrEmpty(row.required, grid),
                           shownOrEmpty(row.taken, grid),
                           shownOrEmpty(row.shortfall, grid)};
    return out;
}

QByteArray csv(const RepaymentCheck::Result& r) {
    QByteArray out = "date,rate,balance,remaining,required,taken,shortfall\n";
    for (const RepaymentCheck::Row& row : r.rows)
        out += QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
                   .arg(row.date.toString(Qt::ISODate), row.rate.text(),
                        ReportRendering::plainAmount(row.balance))
                   .arg(row.remaining)
                   .arg(plainOrEmpty(row.required), plainOrEmpty(row.taken),
                        plainOrEmpty(row.shortfall))
                   .toUtf8();
    return out;
}

QString statedLine(const RepaymentCheck::Result& r, const std::optional<Money>& stated) {
    if (!stated || r.events.isEmpty() || !r.events.first().required ||
        *r.events.first().required == *stated)
        return {};
    const GridText grid;
    return QCoreApplication::translate(
               "RepaymentRendering",
               "The lender stated a repayment of %1 at the start; the terms require %2.")
        .arg(grid.amount(*stated), grid.amount(*r.events.first().required));
}

QString text(const RepaymentCheck::Result& r, const std::optional<Money>& stated) {
    QVector<QStringList> table{headings()};
    table += rows(r);
    QString out = alignedTable(table);
    if (const QString line = statedLine(r, stated); !line.isEmpty())
        out += QLatin1Char('\n') + line + QLatin1Char('\n');
    for (const RepaymentCheck::Finding& f : r.findings)
        out += QLatin1Char('\n') + sentence(f) + QLatin1Char('\n');
    if (r.findings.isEmpty() && !r.rows.isEmpty())
        out += QLatin1Char('\n') +
               QCoreApplication::translate("RepaymentRendering",
                                           "Every repayment taken is at least the one the terms "
                                           "require.") +
               QLatin1Char('\n');
    return out;
}

QStringList payoffLines(const Payoff::Result& p, const QDate& termEnd) {
    const GridText grid;
    QStringList out;
    if (!p.base)
        return p.notices;
    const Payoff::Projection& b = *p.base;
    if (!b.payoff.isValid()) {
        out << QCoreApplication::translate(
                   "RepaymentRendering",
                   "At the repayment of %1 the loan is not paid off within 60 years of the "
                   "term's end.")
                   .arg(grid.amount(b.repayment));
    } else if (b.monthsToSpare >= 0) {
        out << QCoreApplication::translate(
                   "RepaymentRendering",
                   "At the repayment of %1 the loan is paid off on %2, %3 months before the term "
                   "ends on %4.")
                   .arg(grid.amount(b.repayment), grid.date(b.payoff))
                   .arg(b.monthsToSpare)
                   .arg(grid.date(termEnd));
    } else {
        out << QCoreApplication::translate(
                   "RepaymentRendering",
                   "At the repayment of %1 the loan is paid off on %2, %3 months after the term "
                   "ends on %4.")
                   .arg(grid.amount(b.repayment), grid.date(b.payoff))
                   .arg(-b.monthsToSpare)
                   .arg(grid.date(termEnd));
    }
    out << QCoreApplication::translate("RepaymentRendering", "Owed at the term's end: %1.")
               .arg(grid.amount(b.leftAtTermEnd));
    if (p.extra && p.extra->payoff.isValid())
        out << QCoreApplication::translate(
                   "RepaymentRendering",
                   "With %1 more each repayment it is paid off on %2, saving %3 of interest.")
                   .arg(grid.amount(p.extraAmount), grid.date(p.extra->payoff),
                        grid.amount(p.interestSaved));
    return out + p.notices;
}

QByteArray payoffCsv(const Payoff::Result& p) {
    QByteArray out = "payoff_date,balance_left,months_to_spare,new_payoff_date,interest_saved\n";
    if (!p.base)
        return out;
    const Payoff::Projection& b = *p.base;
    const bool extra = p.extra.has_value();
    out += QStringLiteral("%1,%2,%3,%4,%5\n")
               .arg(b.payoff.toString(Qt::ISODate), ReportRendering::plainAmount(b.leftAtTermEnd),
                    b.payoff.isValid() ? QString::number(b.monthsToSpare) : QString(),
                    extra ? p.extra->payoff.toString(Qt::ISODate) : QString(),
                    extra ? ReportRendering::plainAmount(p.interestSaved) : QString())
               .toUtf8();
    return out;
}

} // namespace RepaymentRendering
