#include "SummaryRendering.h"

#include "GridText.h"
#include "ReportRendering.h"
#include "WorkingRendering.h"
#include "engine/InterestEngine.h"

#include <algorithm>

namespace SummaryRendering {

namespace {

QString counted(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

QString span(const InterestSummary::Summary& s) {
    // Under two years the months say more than "1 year".
    if (s.monthsSpanned < 24)
        return counted(s.monthsSpanned, "month", "months");
    return counted(s.monthsSpanned / 12, "year", "years");
}

// "more in 2 and less in 1 of 35 months".
QString overAndUnder(const InterestSummary::Summary& s) {
    QStringList parts;
    if (s.monthsOver > 0)
        parts << QStringLiteral("more in %1").arg(s.monthsOver);
    if (s.monthsUnder > 0)
        parts << QStringLiteral("less in %1").arg(s.monthsUnder);
    return QStringLiteral("%1 of %2")
        .arg(parts.join(QLatin1String(" and ")), counted(s.monthsCompared, "month", "months"));
}

// The sentence without its full stop, over the postings that can be compared.
QString headline(const InterestSummary::Summary& s) {
    if (s.monthsCompared == 0)
        return QStringLiteral("The report has no interest charged or due to compare");
    const GridText grid;
    const Money compared =
        Money::subtract(s.difference, s.incompleteDifference).value_or(s.difference);
    if (!compared.isZero()) {
        const bool more = compared.raw() > 0;
        const Money amount = compared.magnitude().value_or(compared);
        return QStringLiteral("Over %1 your lender charged %2 %3 interest than these figures give, "
                              "%4")
            .arg(span(s), grid.amount(amount), QLatin1String(more ? "more" : "less"),
                 overAndUnder(s));
    }
    if (s.monthsDiffering == 0 && s.monthsCompared == 1)
        return QStringLiteral("Over %1 your lender charged the interest these figures give")
            .arg(span(s));
    if (s.monthsOver == 0 && s.monthsUnder == 0)
        return QStringLiteral("Over %1 your lender charged the interest these figures give, in "
                              "all %2 months")
            .arg(span(s))
            .arg(s.monthsCompared);
    return QStringLiteral("Over %1 your lender charged in total the interest these figures give, "
                          "though %2")
        .arg(span(s), overAndUnder(s));
}

} // namespace

QString yearLabel(const InterestSummary::Year& y) {
    return y.incomplete > 0 ? QStringLiteral("%1 *").arg(y.year) : QString::number(y.year);
}

const QStringList& yearHeadings() {
    static const QStringList h = {"Year", "Charged", "Due", "Difference"};
    return h;
}

QVector<QStringList> yearRows(const InterestSummary::Summary& s) {
    const GridText grid;
    QVector<QStringList> rows;
    for (const InterestSummary::Year& y : s.years)
        rows.append(
            {yearLabel(y), grid.amount(y.charged), grid.amount(y.due), grid.amount(y.difference)});
    if (s.incomplete.isEmpty()) {
        rows.append({QStringLiteral("Total"), grid.amount(s.charged), grid.amount(s.due),
                     grid.amount(s.difference)});
        return rows;
    }
    rows.append({QStringLiteral("Total of every posting"), grid.amount(s.charged),
                 grid.amount(s.due), grid.amount(s.difference)});
    Money charged = s.charged;
    Money due = s.due;
    for (const InterestSummary::Posting& p : s.incomplete) {
        charged = Money::subtract(charged, p.charged).value_or(charged);
        due = Money::subtract(due, p.due).value_or(due);
    }
    const Money difference =
        Money::subtract(s.difference, s.incompleteDifference).value_or(s.difference);
    rows.append({QStringLiteral("Total compared"), grid.amount(charged), grid.amount(due),
                 grid.amount(difference)});
    return rows;
}

const QStringList& postingHeadings() {
    static const QStringList h = {"Date", "Charged", "Due", "Difference"};
    return h;
}

QStringList postingHeadings(const InterestSummary::Summary& s) {
    QStringList h = postingHeadings();
    if (s.hasRates)
        h << QStringLiteral("Rate entered") << QStringLiteral("Effective rate");
    return h;
}

QStringList postingCells(const InterestSummary::Summary& s, const InterestSummary::Posting& p) {
    const GridText grid;
    QStringList cells = {grid.date(p.date), grid.amount(p.charged), grid.amount(p.due),
                         grid.amount(p.difference)};
    if (s.hasRates)
        cells << WorkingRendering::enteredText(p.rates) << WorkingRendering::effectiveText(p.rates);
    return cells;
}

QString ratesSentence(int differing, int rated) {
    if (rated == 0)
        return QStringLiteral("No posting that can be compared has a lender's charge to find the "
                              "effective rate of.");
    const QString points = InterestWorking::DifferingRate.exactText();
    if (differing == 0)
        return QStringLiteral("In every one of %1 the lender charged the interest due or "
                              "effectively a rate within %2 percentage points of the rates "
                              "entered for the period.")
            .arg(counted(rated, "posting", "postings"), points);
    return QStringLiteral("In %1 of %2 the lender effectively charged a rate %3 percentage points "
                          "or more from every rate entered for the period: look there first.")
        .arg(QString::number(differing), counted(rated, "posting", "postings"), points);
}

QString ratesLine(const InterestSummary::Summary& s) {
    return s.hasRates && s.ratesDiffering > 0 ? ratesSentence(s.ratesDiffering, s.ratesCompared)
                                              : QString();
}

QString sentence(const InterestSummary::Summary& s) {
    return headline(s) + notCounting(s) + QLatin1Char('.');
}

QString notCounting(const InterestSummary::Summary& s) {
    if (s.incomplete.isEmpty())
        return {};
    bool gap = false, part = false;
    for (const InterestSummary::Posting& p : s.incomplete) {
        gap = gap || p.incomplete == ReportLine::Incomplete::HistoryGap;
        part = part || p.incomplete == ReportLine::Incomplete::PartPeriod;
    }
    QStringList why;
    if (gap && s.missingStatement > 0)
        why << QStringLiteral("a missing statement (%1)").arg(s.missingStatement);
    else if (gap)
        why << QStringLiteral("statements missing before it");
    if (part)
        why << QStringLiteral("a history that starts part-way through the lender's period");
    const qsizetype n = s.incomplete.size();
    return QStringLiteral(", not counting %1 whose period is incomplete: %2")
        .arg(counted(int(n), "posting", "postings"), why.join(QLatin1String(" and ")));
}

QString methodLine(const Basis& basis) {
    const std::optional<InterestMethod::Code> method = basis.calculation.method;
    if (!method)
        return QStringLiteral("Method: none; the transactions alone, no interest calculated.");
    QString line = QStringLiteral("Method: ") + InterestMethod::names()[*method];
    const QString& periodEnd = basis.calculation.day.calcTo();
    if (InterestMethod::isFixedDay(*method) && !periodEnd.isEmpty())
        line += QStringLiteral(", interest periods ending on day %1 of each month").arg(periodEnd);
    return line + QLatin1Char('.');
}

QString conventionsLine(const LenderConventions& c) {
    return QStringLiteral("Conventions: %1.").arg(Conventions::describe(c));
}

QVector<std::pair<QString, Money>> totals(const InterestSummary::Summary& s) {
    QVector<std::pair<QString, Money>> rows = {
        {QStringLiteral("Interest charged:"), s.charged},
        {QStringLiteral("Interest due:"), s.due},
        {QStringLiteral("Charged - due:"), s.difference},
        {QStringLiteral("Over-charged (%1):")
             .arg(counted(s.overChargedCount, "posting", "postings")),
         s.overCharged},
        {QStringLiteral("Under-charged (%1):")
             .arg(counted(s.underChargedCount, "posting", "postings")),
         s.underCharged},
        {QStringLiteral("Charges without a posting (%1):").arg(s.chargesWithoutPosting.size()),
         s.unpairedCharged},
        {QStringLiteral("Postings without a charge (%1):").arg(s.postingsWithoutCharge.size()),
         s.unpairedDue},
    };
    if (!s.incomplete.isEmpty())
        rows.append({QStringLiteral("Incomplete periods (%1):")
                         .arg(counted(int(s.incomplete.size()), "posting", "postings")),
                     s.incompleteDifference});
    return rows;
}

QString text(const InterestSummary::Summary& s, const Basis& basis) {
    const GridText grid;
    QString out = QStringLiteral("Interest charged and interest due\n");
    if (!basis.account.isEmpty())
        out += QStringLiteral("Account: %1\n").arg(basis.account);
    out += sentence(s) + QLatin1Char('\n');
    if (!basis.ratesNote.isEmpty())
        out += basis.ratesNote + QLatin1Char('\n');
    if (!basis.repaymentVerdict.isEmpty())
        out += basis.repaymentVerdict + QLatin1Char('\n');
    if (s.hasRates)
        out += ratesLine(s) + QLatin1Char('\n');
    out += QLatin1Char('\n');

    QVector<QStringList> rows;
    for (const auto& [label, amount] : totals(s))
        rows.append({label, grid.amount(amount)});
    out += alignedTable(rows);
    out += QLatin1Char('\n') + methodLine(basis) + QLatin1Char('\n') +
           conventionsLine(basis.calculation.conventions) + QLatin1Char('\n');
    out +=
        QStringLiteral("Each charge of the lender is compared with the interest due posted on\n"
                       "its date; amounts are added up as the report shows them, to the cent.\n");

    if (!s.incomplete.isEmpty()) {
        out += QStringLiteral("\nIncomplete periods (not counted above)\n");
        QVector<QStringList> rows = {postingHeadings(s)};
        for (const InterestSummary::Posting& p : s.incomplete)
            rows.append(postingCells(s, p));
        out += alignedTable(rows);
    }

    out += QStringLiteral("\nLargest differences\n");
    if (s.largest.isEmpty()) {
        out += QStringLiteral("None: every posting agrees.\n");
    } else {
        QVector<QStringList> largest = {postingHeadings(s)};
        for (const InterestSummary::Posting& p : s.largest)
            largest.append(postingCells(s, p));
        out += alignedTable(largest);
    }

    out += QStringLiteral("\nBy calendar year\n");
    out += alignedTable(QVector<QStringList>{yearHeadings()} + yearRows(s));
    if (!s.incomplete.isEmpty())
        out += QString::fromLatin1(IncompleteYearNote) + QLatin1Char('\n');

    const auto unpaired = [&](const QString& title, const QString& heading,
                              const QVector<InterestSummary::Unpaired>& list) {
        if (list.isEmpty())
            return;
        out += QLatin1Char('\n') + title + QLatin1Char('\n');
        QVector<QStringList> rows = {{QStringLiteral("Date"), heading}};
        for (const InterestSummary::Unpaired& u : list)
            rows.append({grid.date(u.date), grid.amount(u.amount)});
        out += alignedTable(rows);
    };
    unpaired(QStringLiteral("Charges without an interest posting on their date"),
             QStringLiteral("Charged"), s.chargesWithoutPosting);
    unpaired(QStringLiteral("Interest postings without a charge on their date"),
             QStringLiteral("Due"), s.postingsWithoutCharge);
    return out;
}

QByteArray csv(const InterestSummary::Summary& s) {
    QByteArray out = "year,charged,due,difference,not_comparable\n";
    const auto record = [&](const QString& first, Money charged, Money due, Money difference,
                            qsizetype incomplete) {
        out += (first + QLatin1Char(',') + ReportRendering::plainAmount(charged) +
                QLatin1Char(',') + ReportRendering::plainAmount(due) + QLatin1Char(',') +
                ReportRendering::plainAmount(difference) + QLatin1Char(',') +
                QString::number(incomplete) + QLatin1Char('\n'))
                   .toLatin1();
    };
    for (const InterestSummary::Year& y : s.years)
        record(QString::number(y.year), y.charged, y.due, y.difference, y.incomplete);
    record(QStringLiteral("total"), s.charged, s.due, s.difference, s.incomplete.size());
    return out;
}

} // namespace SummaryRendering
