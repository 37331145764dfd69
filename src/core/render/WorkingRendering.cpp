#include "WorkingRendering.h"

#include "GridText.h"
#include "ReportRendering.h"
#include "engine/DayInterest.h"
#include "engine/InterestEngine.h"

#include <QCoreApplication>
#include <QLocale>

#include <iterator>

namespace WorkingRendering {

namespace {

using InterestWorking::PostingRates;
using InterestWorking::PostingWorking;
using InterestWorking::Working;
using InterestWorking::WorkingDay;

// Unrounded amounts (the posting's rounding) to this many decimals: shown, and in CSV.
constexpr int ShownUnrounded = 6;
constexpr int PlainUnrounded = 8;

// Two decimals, or four where the amount has a part of a cent (a counted offset share).
int decimalsOf(Money m) {
    return m.raw() % 100 == 0 ? 2 : Money::MaxDecimals;
}

int dailyDecimals(InterestRounding rounding) {
    return rounding == InterestRounding::Day2 ? 2 : Money::MaxDecimals;
}

bool hasOffset(const Working& w) {
    const auto any = [](const QVector<WorkingDay>& days) {
        return !days.isEmpty() && days.first().offset.has_value();
    };
    return std::any_of(w.postings.cbegin(), w.postings.cend(),
                       [&](const PostingWorking& p) { return any(p.days); }) ||
           any(w.unposted);
}

bool deferred(const Working& w) {
    return w.basis.method && InterestMethod::isDeferred(*w.basis.method);
}

// The rate as entered, plain ("6.1", "5.99"), or as it stands in a column with the locale's
// point ("6.10").
QString rateAsEntered(::Rate rate, bool plain) {
    if (plain)
        return rate.exactText();
    return rate.columnText().replace(QLatin1Char('.'), QLocale().decimalPoint());
}

QString rateShown(::Rate rate) {
    return rate.text().replace(QLatin1Char('.'), QLocale().decimalPoint());
}

// The period's interest up to and including a day, as the engine keeps it.
struct SoFar {
    Money money;               // under the daily roundings
    long double unrounded = 0; // under the posting's
};

// One cell of a day: shown in the default locale, or plain for CSV.
QString cell(Column c, const WorkingDay& d, const SoFar& running, const LenderConventions& lender,
             bool plain, const GridText& grid) {
    const InterestRounding rounding = lender.rounding;
    const auto money = [&](Money m, int decimals) {
        return plain ? ReportRendering::plainAmount(m, decimals) : m.formatGrouped(decimals);
    };
    const auto unrounded = [&](long double v) {
        return plain ? QString::number(double(v), 'f', PlainUnrounded)
                     : QLocale().toString(double(v), 'f', ShownUnrounded);
    };
    switch (c) {
    case Date:
        return plain ? d.date.toString(Qt::ISODate)
                     : grid.date(d.date) + (d.afterReset ? QStringLiteral(" *") : QString());
    case Balance:
        return money(d.balance, decimalsOf(d.balance));
    case Offset:
        return d.offset ? money(*d.offset, decimalsOf(*d.offset)) : QString();
    case Accruing:
        return money(d.accruing, decimalsOf(d.accruing));
    case Deferred:
        return money(d.addedBack, decimalsOf(d.addedBack));
    case Rate:
        return rateAsEntered(d.rate, plain);
    case Divisor:
        // Under equal periods the day's part of a year, 1/(n × the period's days), as shown.
        if (!plain && lender.dayCount == DayCount::EqualPeriods)
            return QStringLiteral("1/%1").arg(d.divisor);
        return QString::number(d.divisor);
    case Days:
        return QString::number(d.weight);
    case Amount:
        if (rounding == InterestRounding::Posting)
            return unrounded(d.unrounded);
        return d.interest ? money(*d.interest, dailyDecimals(rounding)) : QString();
    case Running:
        if (rounding == InterestRounding::Posting)
            return unrounded(running.unrounded);
        return money(running.money, dailyDecimals(rounding));
    default:
        return QString();
    }
}

// The days' running totals, as the engine adds them up.
QVector<SoFar> runningTotals(const PostingWorking& p) {
    QVector<SoFar> totals;
    totals.reserve(p.days.size());
    SoFar r;
    for (const WorkingDay& d : p.days) {
        if (d.interest)
            r.money = Money::add(r.money, *d.interest).value_or(r.money);
        r.unrounded += d.unrounded;
        totals.append(r);
    }
    return totals;
}

QString incompleteText(ReportLine::Incomplete incomplete) {
    switch (incomplete) {
    case ReportLine::Incomplete::HistoryGap:
        return QCoreApplication::translate(
            "WorkingRendering", "No: a balance row reset the balance within the period (statements "
                                "are missing before it)");
    case ReportLine::Incomplete::PartPeriod:
        return QCoreApplication::translate(
            "WorkingRendering", "No: the history starts part-way through the lender's period");
    default:
        return QCoreApplication::translate("WorkingRendering", "Yes");
    }
}

QString periodLine(const PostingWorking& p, const GridText& grid) {
    if (p.days.isEmpty())
        return QCoreApplication::translate("WorkingRendering", "Period: no day accrued interest.");
    const int days = int(p.days.size());
    const int weighed = p.dayCount();
    QString line =
        (days == 1 ? QCoreApplication::translate("WorkingRendering", "Period: %1 to %2, %3 day")
                   : QCoreApplication::translate("WorkingRendering", "Period: %1 to %2, %3 days"))
            .arg(grid.date(p.days.first().date), grid.date(p.days.last().date))
            .arg(days);
    if (weighed != days)
        line +=
            (weighed == 1
                 ? QCoreApplication::translate("WorkingRendering", " bearing %1 day of interest")
                 : QCoreApplication::translate("WorkingRendering", " bearing %1 days of interest"))
                .arg(weighed);
    return line + QLatin1Char('.');
}

// The rest, equal periods and compounding as they show in a posting's days: a line each.
QStringList conventionLines(const PostingWorking& p, const LenderConventions& c) {
    QStringList lines;
    //: "Rest": the interest rest, the balance held for a block of days
    if (c.rest.kind == Rest::Kind::PostingPeriod)
        lines << QCoreApplication::translate(
            "WorkingRendering", "Rest: the posting period. The balance on its first day is held "
                                "for the period (Held balance).");
    else if (c.rest.kind == Rest::Kind::Months)
        //: "Rest": the interest rest; %1 is its length
        lines << QCoreApplication::translate(
                     "WorkingRendering",
                     "Rest: %1. The balance on the first day of each block is held for "
                     "the block (Held balance).")
                     .arg(Conventions::name(c.rest));
    if (c.dayCount == DayCount::EqualPeriods)
        lines << QCoreApplication::translate(
                     "WorkingRendering",
                     "Equal periods: each posting period is 1/%1 of a year; each of its "
                     "days bears 1/(%1 × its days) of the yearly rate (Part of a year).")
                     .arg(c.perYear);
    if (c.compounding == Compounding::HalfYearly) {
        lines << QCoreApplication::translate(
                     "WorkingRendering",
                     "Compounding: each day bears the nominal rate over %1 periods a "
                     "year equivalent to the rate entered compounded half-yearly.")
                     .arg(c.perYear);
        // Each rate of the period with the one its days bear.
        QStringList rates;
        for (const WorkingDay& d : p.days) {
            const double borne = DayInterest::dayRate(c, d.rate.percent());
            const QString rate =
                QCoreApplication::translate("WorkingRendering", "%1 % for %2 % entered")
                    .arg(QLocale().toString(borne, 'f', ShownUnrounded), rateShown(d.rate));
            if (!rates.contains(rate))
                rates << rate;
        }
        if (!rates.isEmpty())
            lines << QCoreApplication::translate("WorkingRendering", "Rate the days bear: %1.")
                         .arg(rates.join(QLatin1String(", ")));
    }
    return lines;
}

// The headings of the shown columns: under a rest the balance that bears interest is the one
// held, under equal periods the divisor is shown as the day's part of a year.
QStringList shownHeadings(const QVector<Column>& columns, const LenderConventions& c) {
    QStringList headings;
    for (Column column : columns) {
        if (column == Accruing && !c.rest.isDaily())
            headings << QCoreApplication::translate("WorkingRendering", "Held balance");
        else if (column == Divisor && c.dayCount == DayCount::EqualPeriods)
            headings << QCoreApplication::translate("WorkingRendering", "Part of a year");
        else
            headings << heading(column);
    }
    return headings;
}

} // namespace

const QStringList& csvHeadings() {
    static const QStringList h = {"date", "balance", "offset", "accruing", "deferred",
                                  "rate", "divisor", "days",   "amount",   "running"};
    return h;
}

QString heading(Column column) {
    static const char* const h[] = {QT_TRANSLATE_NOOP("WorkingRendering", "Date"),
                                    QT_TRANSLATE_NOOP("WorkingRendering", "Balance"),
                                    QT_TRANSLATE_NOOP("WorkingRendering", "Offset"),
                                    QT_TRANSLATE_NOOP("WorkingRendering", "Bears interest"),
                                    QT_TRANSLATE_NOOP("WorkingRendering", "Deferred"),
                                    QT_TRANSLATE_NOOP("WorkingRendering", "Rate %"),
                                    QT_TRANSLATE_NOOP("WorkingRendering", "Divisor"),
                                    QT_TRANSLATE_NOOP("WorkingRendering", "Days"),
                                    QT_TRANSLATE_NOOP("WorkingRendering", "Interest"),
                                    QT_TRANSLATE_NOOP("WorkingRendering", "Running total")};
    const int i = int(column);
    if (i < 0 || i >= int(std::size(h)))
        return QString();
    return QCoreApplication::translate("WorkingRendering", h[i]);
}

QVector<Column> shownColumns(const Working& working) {
    QVector<Column> columns;
    for (int c = 0; c < ColumnCount; ++c) {
        if ((c == Offset && !hasOffset(working)) || (c == Deferred && !deferred(working)))
            continue;
        columns.append(Column(c));
    }
    return columns;
}

QString effectiveText(const PostingRates& rates) {
    if (!rates.effective)
        return QString();
    const QString rate = rateShown(rates.effective->rate) + QStringLiteral(" %");
    return rates.effective->exact ? rate : QStringLiteral("≈ ") + rate;
}

QString enteredText(const PostingRates& rates) {
    if (!rates.enteredMin)
        return QString();
    // As entered, the lender's decimals; the effective rate is worked out, to three.
    const auto entered = [](::Rate rate) { return rateAsEntered(rate, false); };
    if (*rates.enteredMin == *rates.enteredMax)
        return entered(*rates.enteredMin) + QStringLiteral(" %");
    return QCoreApplication::translate("WorkingRendering", "%1 to %2 %")
        .arg(entered(*rates.enteredMin), entered(*rates.enteredMax));
}

QString noEffectiveRate(const Working& working, int posting, const PostingRates& rates) {
    if (rates.effective || posting < 0 || posting >= working.postings.size())
        return QString();
    const PostingWorking& p = working.postings[posting];
    if (!rates.charge)
        return QCoreApplication::translate("WorkingRendering",
                                           "none: the lender charged nothing on this date");
    if (!p.comparable())
        return QCoreApplication::translate("WorkingRendering",
                                           "none: the posting cannot be compared");
    const bool bears = std::any_of(p.days.cbegin(), p.days.cend(), [](const WorkingDay& d) {
        return d.weight != 0 && !d.accruing.isZero();
    });
    if (!bears)
        return QCoreApplication::translate("WorkingRendering",
                                           "none: no balance bore interest in the period");
    return QCoreApplication::translate("WorkingRendering",
                                       "none: no rate from %1 to %2 % comes to the charge")
        .arg(InterestWorking::LowestRate)
        .arg(InterestWorking::HighestRate);
}

Table table(const Working& working, int posting, const PostingRates& rates,
            const SummaryRendering::Basis& basis) {
    Table t;
    if (posting < 0 || posting >= working.postings.size())
        return t;
    const PostingWorking& p = working.postings[posting];
    const GridText grid;
    const InterestRounding rounding = working.basis.conventions.rounding;
    t.title = QCoreApplication::translate("WorkingRendering", "Working of the interest due on %1")
                  .arg(grid.date(p.date));
    t.about << SummaryRendering::methodLine(basis)
            << SummaryRendering::conventionsLine(working.basis.conventions)
            << conventionLines(p, working.basis.conventions) << periodLine(p, grid);

    const QVector<Column> columns = shownColumns(working);
    t.headings = shownHeadings(columns, working.basis.conventions);
    const QVector<SoFar> running = runningTotals(p);
    t.rows.reserve(p.days.size());
    for (qsizetype i = 0; i < p.days.size(); ++i) {
        QStringList row;
        for (Column c : columns)
            row << cell(c, p.days[i], running[i], working.basis.conventions, false, grid);
        t.rows.append(row);
        t.reset.append(p.days[i].afterReset);
    }

    if (rounding == InterestRounding::Posting) {
        const long double total = running.isEmpty() ? 0 : running.last().unrounded;
        t.foot.append(
            {QCoreApplication::translate("WorkingRendering", "Total of the days, unrounded:"),
             QLocale().toString(double(total), 'f', ShownUnrounded)});
    } else {
        const Money total = running.isEmpty() ? Money() : running.last().money;
        t.foot.append({QCoreApplication::translate("WorkingRendering", "Total of the days:"),
                       total.formatGrouped(dailyDecimals(rounding))});
    }
    t.foot.append({QCoreApplication::translate("WorkingRendering", "Interest due (Int Due):"),
                   grid.amount(p.interestDue)});
    const Money due = p.interestDue.roundedToCents().value_or(p.interestDue);
    if (rates.charge) {
        t.foot.append(
            {QCoreApplication::translate("WorkingRendering", "Lender's charge (Int Charge):"),
             grid.amount(*rates.charge)});
        if (const std::optional<Money> difference = Money::subtract(*rates.charge, due))
            t.foot.append({QCoreApplication::translate("WorkingRendering", "Charged - due:"),
                           grid.amount(*difference)});
    } else {
        t.foot.append(
            {QCoreApplication::translate("WorkingRendering", "Lender's charge (Int Charge):"),
             QCoreApplication::translate("WorkingRendering", "none on this date")});
    }
    t.foot.append(
        {QCoreApplication::translate("WorkingRendering", "Rate entered:"), enteredText(rates)});
    t.foot.append(
        {QCoreApplication::translate("WorkingRendering", "Effective rate:"),
         rates.effective ? effectiveText(rates) : noEffectiveRate(working, posting, rates)});
    t.foot.append({QCoreApplication::translate("WorkingRendering", "Comparable:"),
                   incompleteText(p.incomplete)});

    if (t.reset.contains(true))
        t.notes << QCoreApplication::translate("WorkingRendering", ResetNote);
    if (rates.effective && !rates.effective->exact)
        t.notes << QCoreApplication::translate(
            "WorkingRendering", "≈ No rate gives the charge exactly: a step of the rounding "
                                "jumps over it. The rate shown is where it does.");
    if (rates.differs)
        t.notes << QCoreApplication::translate(
                       "WorkingRendering",
                       "The effective rate lies %1 percentage points or more from every "
                       "rate entered for the period.")
                       .arg(InterestWorking::DifferingRate.exactText());
    return t;
}

QString text(const Table& t) {
    QString out = t.title + QLatin1Char('\n');
    for (const QString& line : t.about)
        out += line + QLatin1Char('\n');
    out += QLatin1Char('\n');
    QVector<QStringList> rows = {t.headings};
    rows += t.rows;
    out += alignedTable(rows);
    out += QLatin1Char('\n');
    QVector<QStringList> foot;
    for (const auto& [label, value] : t.foot)
        foot.append({label, value});
    // The foot's values read from the left: some are words.
    qsizetype width = 0;
    for (const QStringList& row : foot)
        width = std::max(width, row[0].size());
    for (const QStringList& row : foot)
        out += row[0].leftJustified(width) + QStringLiteral("  ") + row[1] + QLatin1Char('\n');
    if (!t.notes.isEmpty())
        out += QLatin1Char('\n') + t.notes.join(QLatin1Char('\n')) + QLatin1Char('\n');
    return out;
}

QString tabSeparated(const Table& t) {
    QString out = t.headings.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList& row : t.rows)
        out += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return out;
}

QByteArray csv(const Working& working, int posting) {
    QByteArray out = csvHeadings().join(QLatin1Char(',')).toLatin1() + '\n';
    if (posting < 0 || posting >= working.postings.size())
        return out;
    const PostingWorking& p = working.postings[posting];
    const bool deferredMethod = deferred(working);
    const QVector<SoFar> running = runningTotals(p);
    const GridText grid;
    for (qsizetype i = 0; i < p.days.size(); ++i) {
        QStringList fields;
        for (int c = 0; c < ColumnCount; ++c) {
            if (c == Deferred && !deferredMethod)
                fields << QString();
            else
                fields << cell(Column(c), p.days[i], running[i], working.basis.conventions, true,
                               grid);
        }
        out += fields.join(QLatin1Char(',')).toLatin1() + '\n';
    }
    return out;
}

QByteArray ratesCsv(const Working& working, const QMap<QDate, PostingRates>& rates) {
    QByteArray out = "date,charged,due,entered_min,entered_max,effective,exact,comparable\n";
    for (const PostingWorking& p : working.postings) {
        const PostingRates r = rates.value(p.date);
        const auto rate = [](const std::optional<::Rate>& v) { return v ? v->text() : QString(); };
        const QStringList fields = {p.date.toString(Qt::ISODate),
                                    r.charge ? ReportRendering::plainAmount(*r.charge) : QString(),
                                    ReportRendering::plainAmount(p.interestDue),
                                    rate(r.enteredMin),
                                    rate(r.enteredMax),
                                    r.effective ? r.effective->rate.text() : QString(),
                                    r.effective ? QString::number(r.effective->exact ? 1 : 0)
                                                : QString(),
                                    QString::number(p.comparable() ? 1 : 0)};
        out += fields.join(QLatin1Char(',')).toLatin1() + '\n';
    }
    return out;
}

QString ratesText(const Working& working, const QMap<QDate, PostingRates>& rates,
                  const SummaryRendering::Basis& basis) {
    const GridText grid;
    QString out = QStringLiteral("The rate the lender effectively charged\n");
    if (!basis.account.isEmpty())
        out += QStringLiteral("Account: %1\n").arg(basis.account);
    out += SummaryRendering::methodLine(basis) + QLatin1Char('\n') +
           SummaryRendering::conventionsLine(working.basis.conventions) + QStringLiteral("\n\n");
    QVector<QStringList> rows = {{QStringLiteral("Date"), QStringLiteral("Charged"),
                                  QStringLiteral("Due"), QStringLiteral("Rate entered"),
                                  QStringLiteral("Effective rate"), QString()}};
    int differing = 0, rated = 0;
    bool incomplete = false;
    for (const PostingWorking& p : working.postings) {
        const PostingRates r = rates.value(p.date);
        QString date = grid.date(p.date);
        if (!p.comparable()) {
            date += QStringLiteral(" *");
            incomplete = true;
        }
        rated += r.effective ? 1 : 0;
        differing += r.differs ? 1 : 0;
        rows.append({date, r.charge ? grid.amount(*r.charge) : QString(),
                     grid.amount(p.interestDue), enteredText(r), effectiveText(r),
                     r.differs ? QStringLiteral("<") : QString()});
    }
    out += alignedTable(rows);
    out +=
        QLatin1Char('\n') + SummaryRendering::ratesSentence(differing, rated) + QLatin1Char('\n');
    if (differing > 0)
        out += QStringLiteral("< the effective rate lies %1 percentage points or more from every "
                              "rate entered.\n")
                   .arg(InterestWorking::DifferingRate.exactText());
    if (incomplete)
        out += QStringLiteral("* the posting's period is incomplete: it has no effective rate.\n");
    if (std::any_of(rates.cbegin(), rates.cend(),
                    [](const PostingRates& r) { return r.effective && !r.effective->exact; }))
        out += QStringLiteral("≈ no rate gives the charge exactly; the nearest is shown.\n");
    return out;
}

} // namespace WorkingRendering
