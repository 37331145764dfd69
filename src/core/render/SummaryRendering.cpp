#include "SummaryRendering.h"

#include "GridText.h"
#include "ReportRendering.h"
#include "WorkingRendering.h"
#include "engine/InterestEngine.h"

#include <QCoreApplication>

#include <algorithm>

namespace SummaryRendering {

namespace {

QString months(int n) {
    return n == 1 ? QCoreApplication::translate("SummaryRendering", "%1 month").arg(n)
                  : QCoreApplication::translate("SummaryRendering", "%1 months").arg(n);
}

QString postings(int n) {
    return n == 1 ? QCoreApplication::translate("SummaryRendering", "%1 posting").arg(n)
                  : QCoreApplication::translate("SummaryRendering", "%1 postings").arg(n);
}

QString span(const InterestSummary::Summary& s) {
    // Under two years the months say more than "1 year".
    if (s.monthsSpanned < 24)
        return months(s.monthsSpanned);
    const int years = s.monthsSpanned / 12;
    return years == 1 ? QCoreApplication::translate("SummaryRendering", "%1 year").arg(years)
                      : QCoreApplication::translate("SummaryRendering", "%1 years").arg(years);
}

// "more in 2 and less in 1 of 35 months".
QString overAndUnder(const InterestSummary::Summary& s) {
    const QString of = months(s.monthsCompared);
    if (s.monthsOver > 0 && s.monthsUnder > 0)
        return QCoreApplication::translate("SummaryRendering", "more in %1 and less in %2 of %3")
            .arg(s.monthsOver)
            .arg(s.monthsUnder)
            .arg(of);
    if (s.monthsOver > 0)
        return QCoreApplication::translate("SummaryRendering", "more in %1 of %2")
            .arg(s.monthsOver)
            .arg(of);
    if (s.monthsUnder > 0)
        return QCoreApplication::translate("SummaryRendering", "less in %1 of %2")
            .arg(s.monthsUnder)
            .arg(of);
    return QLatin1Char(' ') + QCoreApplication::translate("SummaryRendering", "of %1").arg(of);
}

// The sentence without its full stop, over the postings that can be compared.
QString headline(const InterestSummary::Summary& s) {
    if (s.monthsCompared == 0)
        return QCoreApplication::translate("SummaryRendering",
                                           "The report has no interest charged or due to compare");
    const GridText grid;
    const Money compared =
        Money::subtract(s.difference, s.incompleteDifference).value_or(s.difference);
    if (!compared.isZero()) {
        const Money amount = compared.magnitude().value_or(compared);
        if (compared.raw() > 0)
            return QCoreApplication::translate("SummaryRendering",
                                               "Over %1 your lender charged %2 more interest "
                                               "than these figures give, %3")
                .arg(span(s), grid.amount(amount), overAndUnder(s));
        return QCoreApplication::translate("SummaryRendering",
                                           "Over %1 your lender charged %2 less interest than "
                                           "these figures give, %3")
            .arg(span(s), grid.amount(amount), overAndUnder(s));
    }
    if (s.monthsDiffering == 0 && s.monthsCompared == 1)
        return QCoreApplication::translate(
                   "SummaryRendering",
                   "Over %1 your lender charged the interest these figures give")
            .arg(span(s));
    if (s.monthsOver == 0 && s.monthsUnder == 0)
        return QCoreApplication::translate("SummaryRendering",
                                           "Over %1 your lender charged the interest these "
                                           "figures give, in all %2 months")
            .arg(span(s))
            .arg(s.monthsCompared);
    return QCoreApplication::translate("SummaryRendering",
                                       "Over %1 your lender charged in total the interest these "
                                       "figures give, though %2")
        .arg(span(s), overAndUnder(s));
}

// How the summary's figures are compared, under its totals.
QString comparedNote() {
    return QCoreApplication::translate("SummaryRendering",
                                       "Each charge of the lender is compared with the interest "
                                       "due posted on\nits date; amounts are added up as the "
                                       "report shows them, to the cent.");
}

} // namespace

QString yearLabel(const InterestSummary::Year& y) {
    return y.incomplete > 0 ? QStringLiteral("%1 *").arg(y.year) : QString::number(y.year);
}

QStringList yearHeadings() {
    return {QCoreApplication::translate("SummaryRendering", "Year"),
            QCoreApplication::translate("SummaryRendering", "Charged"),
            //: Interest due
            QCoreApplication::translate("SummaryRendering", "Due"),
            QCoreApplication::translate("SummaryRendering", "Difference")};
}

QVector<QStringList> yearRows(const InterestSummary::Summary& s) {
    const GridText grid;
    QVector<QStringList> rows;
    for (const InterestSummary::Year& y : s.years)
        rows.append(
            {yearLabel(y), grid.amount(y.charged), grid.amount(y.due), grid.amount(y.difference)});
    if (s.incomplete.isEmpty()) {
        rows.append({QCoreApplication::translate("SummaryRendering", "Total"),
                     grid.amount(s.charged), grid.amount(s.due), grid.amount(s.difference)});
        return rows;
    }
    rows.append({QCoreApplication::translate("SummaryRendering", "Total of every posting"),
                 grid.amount(s.charged), grid.amount(s.due), grid.amount(s.difference)});
    Money charged = s.charged;
    Money due = s.due;
    for (const InterestSummary::Posting& p : s.incomplete) {
        charged = Money::subtract(charged, p.charged).value_or(charged);
        due = Money::subtract(due, p.due).value_or(due);
    }
    const Money difference =
        Money::subtract(s.difference, s.incompleteDifference).value_or(s.difference);
    rows.append({QCoreApplication::translate("SummaryRendering", "Total compared"),
                 grid.amount(charged), grid.amount(due), grid.amount(difference)});
    return rows;
}

QStringList postingHeadings() {
    return {QCoreApplication::translate("SummaryRendering", "Date"),
            QCoreApplication::translate("SummaryRendering", "Charged"),
            //: Interest due
            QCoreApplication::translate("SummaryRendering", "Due"),
            QCoreApplication::translate("SummaryRendering", "Difference")};
}

QStringList postingHeadings(const InterestSummary::Summary& s) {
    QStringList h = postingHeadings();
    if (s.hasRates)
        h << QCoreApplication::translate("SummaryRendering", "Rate entered")
          << QCoreApplication::translate("SummaryRendering", "Effective rate");
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
        return QCoreApplication::translate(
            "SummaryRendering", "No posting that can be compared has a lender's charge to find the "
                                "effective rate of.");
    const QString points = InterestWorking::DifferingRate.exactText();
    if (differing == 0)
        return QCoreApplication::translate(
                   "SummaryRendering",
                   "In every one of %1 the lender charged the interest due or "
                   "effectively a rate within %2 percentage points of the rates "
                   "entered for the period.")
            .arg(postings(rated), points);
    return QCoreApplication::translate(
               "SummaryRendering",
               "In %1 of %2 the lender effectively charged a rate %3 percentage points "
               "or more from every rate entered for the period: look there first.")
        .arg(QString::number(differing), postings(rated), points);
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
    QString why;
    if (gap && s.missingStatement > 0)
        why = QCoreApplication::translate("SummaryRendering", "a missing statement (%1)")
                  .arg(s.missingStatement);
    else if (gap)
        why = QCoreApplication::translate("SummaryRendering", "statements missing before it");
    const QString partWay = QCoreApplication::translate(
        "SummaryRendering", "a history that starts part-way through the lender's period");
    if (part)
        why = why.isEmpty()
                  ? partWay
                  : QCoreApplication::translate("SummaryRendering", "%1 and %2").arg(why, partWay);
    const qsizetype n = s.incomplete.size();
    return QCoreApplication::translate("SummaryRendering",
                                       ", not counting %1 whose period is incomplete: %2")
        .arg(postings(int(n)), why);
}

QString methodLine(const Basis& basis) {
    const std::optional<InterestMethod::Code> method = basis.calculation.method;
    if (!method)
        return QCoreApplication::translate(
            "SummaryRendering", "Method: none; the transactions alone, no interest calculated.");
    const QString name = InterestMethod::shownNames().value(*method);
    const QString& periodEnd = basis.calculation.day.calcTo();
    if (InterestMethod::isFixedDay(*method) && !periodEnd.isEmpty())
        return QCoreApplication::translate("SummaryRendering",
                                           "Method: %1, interest periods ending on day %2 of "
                                           "each month.")
            .arg(name, periodEnd);
    return QCoreApplication::translate("SummaryRendering", "Method: %1.").arg(name);
}

QString conventionsLine(const LenderConventions& c) {
    return QCoreApplication::translate("SummaryRendering", "Conventions: %1.")
        .arg(Conventions::describe(c));
}

QVector<std::pair<QString, Money>> totals(const InterestSummary::Summary& s) {
    QVector<std::pair<QString, Money>> rows = {
        {QCoreApplication::translate("SummaryRendering", "Interest charged:"), s.charged},
        {QCoreApplication::translate("SummaryRendering", "Interest due:"), s.due},
        {QCoreApplication::translate("SummaryRendering", "Charged - due:"), s.difference},
        {QCoreApplication::translate("SummaryRendering", "Over-charged (%1):")
             .arg(postings(s.overChargedCount)),
         s.overCharged},
        {QCoreApplication::translate("SummaryRendering", "Under-charged (%1):")
             .arg(postings(s.underChargedCount)),
         s.underCharged},
        {QCoreApplication::translate("SummaryRendering", "Charges without a posting (%1):")
             .arg(s.chargesWithoutPosting.size()),
         s.unpairedCharged},
        {QCoreApplication::translate("SummaryRendering", "Postings without a charge (%1):")
             .arg(s.postingsWithoutCharge.size()),
         s.unpairedDue},
    };
    if (!s.incomplete.isEmpty())
        rows.append({QCoreApplication::translate("SummaryRendering", "Incomplete periods (%1):")
                         .arg(postings(int(s.incomplete.size()))),
                     s.incompleteDifference});
    return rows;
}

QString text(const InterestSummary::Summary& s, const Basis& basis) {
    const GridText grid;
    QString out =
        QCoreApplication::translate("SummaryRendering", "Interest charged and interest due") +
        QLatin1Char('\n');
    if (!basis.account.isEmpty())
        out += QCoreApplication::translate("SummaryRendering", "Account: %1").arg(basis.account) +
               QLatin1Char('\n');
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
    out += comparedNote() + QLatin1Char('\n');

    if (!s.incomplete.isEmpty()) {
        out += QLatin1Char('\n') +
               QCoreApplication::translate("SummaryRendering",
                                           "Incomplete periods (not counted above)") +
               QLatin1Char('\n');
        QVector<QStringList> rows = {postingHeadings(s)};
        for (const InterestSummary::Posting& p : s.incomplete)
            rows.append(postingCells(s, p));
        out += alignedTable(rows);
    }

    out += QLatin1Char('\n') +
           QCoreApplication::translate("SummaryRendering", "Largest differences") +
           QLatin1Char('\n');
    if (s.largest.isEmpty()) {
        out += QCoreApplication::translate("SummaryRendering", "None: every posting agrees.") +
               QLatin1Char('\n');
    } else {
        QVector<QStringList> largest = {postingHeadings(s)};
        for (const InterestSummary::Posting& p : s.largest)
            largest.append(postingCells(s, p));
        out += alignedTable(largest);
    }

    out += QLatin1Char('\n') + QCoreApplication::translate("SummaryRendering", "By calendar year") +
           QLatin1Char('\n');
    out += alignedTable(QVector<QStringList>{yearHeadings()} + yearRows(s));
    if (!s.incomplete.isEmpty())
        out +=
            QCoreApplication::translate("SummaryRendering", IncompleteYearNote) + QLatin1Char('\n');

    const auto unpaired = [&](const QString& title, const QString& heading,
                              const QVector<InterestSummary::Unpaired>& list) {
        if (list.isEmpty())
            return;
        out += QLatin1Char('\n') + title + QLatin1Char('\n');
        QVector<QStringList> rows = {
            {QCoreApplication::translate("SummaryRendering", "Date"), heading}};
        for (const InterestSummary::Unpaired& u : list)
            rows.append({grid.date(u.date), grid.amount(u.amount)});
        out += alignedTable(rows);
    };
    unpaired(QCoreApplication::translate("SummaryRendering",
                                         "Charges without an interest posting on their date"),
             QCoreApplication::translate("SummaryRendering", "Charged"), s.chargesWithoutPosting);
    unpaired(QCoreApplication::translate("SummaryRendering",
                                         "Interest postings without a charge on their date"),
             //: Interest due
             QCoreApplication::translate("SummaryRendering", "Due"), s.postingsWithoutCharge);
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
