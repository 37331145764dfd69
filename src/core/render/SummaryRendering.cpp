#include "SummaryRendering.h"

#include "GridText.h"
#include "ReportRendering.h"
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

// Rows of cells in columns: the first read from the left, the others line up on the right.
QString table(const QVector<QStringList>& rows) {
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
            line += c == 0 ? row[c].leftJustified(width[c])
                           : QStringLiteral("  ") + row[c].rightJustified(width[c]);
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        out += line + QLatin1Char('\n');
    }
    return out;
}

} // namespace

const QStringList& yearHeadings() {
    static const QStringList h = {"Year", "Charged", "Due", "Difference"};
    return h;
}

const QStringList& postingHeadings() {
    static const QStringList h = {"Date", "Charged", "Due", "Difference"};
    return h;
}

QString sentence(const InterestSummary::Summary& s) {
    if (s.monthsCompared == 0)
        return QStringLiteral("The report has no interest charged or due to compare.");
    const GridText grid;
    const QString months = QLatin1String(s.monthsCompared == 1 ? "month" : "months");
    if (!s.difference.isZero()) {
        const bool more = s.difference.raw() > 0;
        const Money amount = more ? s.difference : Money::fromRaw(-s.difference.raw());
        return QStringLiteral("Over %1 your lender charged %2 %3 interest than these figures give, "
                              "in %4 of %5 %6.")
            .arg(span(s), grid.amount(amount), QLatin1String(more ? "more" : "less"))
            .arg(s.monthsDiffering)
            .arg(s.monthsCompared)
            .arg(months);
    }
    if (s.monthsDiffering == 0 && s.monthsCompared == 1)
        return QStringLiteral("Over %1 your lender charged the interest these figures give.")
            .arg(span(s));
    if (s.monthsDiffering == 0)
        return QStringLiteral("Over %1 your lender charged the interest these figures give, in "
                              "all %2 months.")
            .arg(span(s))
            .arg(s.monthsCompared);
    return QStringLiteral("Over %1 your lender charged in total the interest these figures give, "
                          "though not in %2 of %3 %4.")
        .arg(span(s))
        .arg(s.monthsDiffering)
        .arg(s.monthsCompared)
        .arg(months);
}

QString methodLine(const Basis& basis) {
    const QStringList& names = InterestMethod::names();
    const int code = std::max(basis.method, 0);
    if (code >= names.size())
        return QStringLiteral("Method: none; the transactions alone, no interest calculated.");
    QString line = QStringLiteral("Method: ") + names[code];
    const bool fixedDay =
        code == InterestMethod::FixedDay || code == InterestMethod::FixedDayDeferred;
    if (fixedDay && !basis.fixedDay.isEmpty())
        line +=
            QStringLiteral(", interest periods ending on day %1 of each month").arg(basis.fixedDay);
    return line + QLatin1Char('.');
}

QString conventionsLine(const LenderConventions& c) {
    return QStringLiteral("Conventions: %1, %2.")
        .arg(Conventions::name(c.dayCount), Conventions::name(c.rounding).toLower());
}

QVector<std::pair<QString, Money>> totals(const InterestSummary::Summary& s) {
    return {
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
}

QString text(const InterestSummary::Summary& s, const Basis& basis) {
    const GridText grid;
    QString out = QStringLiteral("Interest charged and interest due\n");
    if (!basis.account.isEmpty())
        out += QStringLiteral("Account: %1\n").arg(basis.account);
    out += sentence(s) + QStringLiteral("\n\n");

    QVector<QStringList> rows;
    for (const auto& [label, amount] : totals(s))
        rows.append({label, grid.amount(amount)});
    out += table(rows);
    out += QLatin1Char('\n') + methodLine(basis) + QLatin1Char('\n') +
           conventionsLine(basis.conventions) + QLatin1Char('\n');
    out +=
        QStringLiteral("Each charge of the lender is compared with the interest due posted on\n"
                       "its date; amounts are added up as the report shows them, to the cent.\n");

    out += QStringLiteral("\nLargest differences\n");
    if (s.largest.isEmpty()) {
        out += QStringLiteral("None: every posting agrees.\n");
    } else {
        QVector<QStringList> largest = {postingHeadings()};
        for (const InterestSummary::Posting& p : s.largest)
            largest.append({grid.date(p.date), grid.amount(p.charged), grid.amount(p.due),
                            grid.amount(p.difference)});
        out += table(largest);
    }

    out += QStringLiteral("\nBy calendar year\n");
    QVector<QStringList> years = {yearHeadings()};
    for (const InterestSummary::Year& y : s.years)
        years.append({QString::number(y.year), grid.amount(y.charged), grid.amount(y.due),
                      grid.amount(y.difference)});
    years.append({QStringLiteral("Total"), grid.amount(s.charged), grid.amount(s.due),
                  grid.amount(s.difference)});
    out += table(years);

    const auto unpaired = [&](const QString& title, const QString& heading,
                              const QVector<InterestSummary::Unpaired>& list) {
        if (list.isEmpty())
            return;
        out += QLatin1Char('\n') + title + QLatin1Char('\n');
        QVector<QStringList> rows = {{QStringLiteral("Date"), heading}};
        for (const InterestSummary::Unpaired& u : list)
            rows.append({grid.date(u.date), grid.amount(u.amount)});
        out += table(rows);
    };
    unpaired(QStringLiteral("Charges without an interest posting on their date"),
             QStringLiteral("Charged"), s.chargesWithoutPosting);
    unpaired(QStringLiteral("Interest postings without a charge on their date"),
             QStringLiteral("Due"), s.postingsWithoutCharge);
    return out;
}

QByteArray csv(const InterestSummary::Summary& s) {
    QByteArray out = "year,charged,due,difference\n";
    const auto record = [&](const QString& first, Money charged, Money due, Money difference) {
        out += (first + QLatin1Char(',') + ReportRendering::plainAmount(charged) +
                QLatin1Char(',') + ReportRendering::plainAmount(due) + QLatin1Char(',') +
                ReportRendering::plainAmount(difference) + QLatin1Char('\n'))
                   .toLatin1();
    };
    for (const InterestSummary::Year& y : s.years)
        record(QString::number(y.year), y.charged, y.due, y.difference);
    record(QStringLiteral("total"), s.charged, s.due, s.difference);
    return out;
}

} // namespace SummaryRendering
