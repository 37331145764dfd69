#include "Payoff.h"

#include "engine/InterestEngine.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace Payoff {

namespace {

QDate lastDate(const QVector<HistoryRow>& history) {
    return historyDates(history).last;
}

// The repayment to go on: the last one taken, else the last one required.
std::optional<Money> lastRepayment(const RepaymentCheck::Result& check, QStringList& notices) {
    for (auto row = check.rows.rbegin(); row != check.rows.rend(); ++row)
        if (row->taken)
            return row->taken;
    for (auto row = check.rows.rbegin(); row != check.rows.rend(); ++row)
        if (row->required) {
            notices << QCoreApplication::translate(
                "Payoff", "No repayment was taken from the history: the projection goes on at "
                          "the repayment the terms require.");
            return row->required;
        }
    return std::nullopt;
}

// The lender's day of the month for its charges, for a method that posts on them.
int chargeDay(const RepaymentCheck::Inputs& in) {
    int day = in.terms.firstRepayment.day();
    for (const HistoryRow& row : in.history) {
        const std::optional<Money> charge = row.amounts[AmountColumn::InterestPayment].money();
        if (row.date.isValid() && charge && !charge->isZero())
            day = row.date.day();
    }
    return day;
}

// The rates as stored with the last of them running on to `until`; none unless one is in force
// at the history's end. Periods stored past the end are known changes and are kept: running the
// one in force at the end on over them would leave the walk to stop where they stop.
std::optional<QVector<RatePeriod>> ratesTo(const QVector<RatePeriod>& rates, const QDate& end,
                                           const QDate& until) {
    const auto usable = [](const RatePeriod& p) {
        return p.interestRate && p.validFrom.isValid() && p.validTo.isValid();
    };
    if (std::none_of(rates.begin(), rates.end(), [&](const RatePeriod& p) {
            return usable(p) && p.validFrom <= end && end <= p.validTo;
        }))
        return std::nullopt;
    QVector<RatePeriod> extended = rates;
    RatePeriod* last = nullptr;
    for (RatePeriod& p : extended)
        if (usable(p) && (!last || p.validTo >= last->validTo))
            last = &p;
    last->validTo = std::max(last->validTo, until);
    return extended;
}

std::optional<Projection> walk(const RepaymentCheck::Inputs& in, const QVector<RatePeriod>& rates,
                               const QDate& end, const QDate& until, const QDate& termEnd,
                               Money repayment) {
    Projection p;
    p.repayment = repayment;
    QVector<HistoryRow> rows = in.history;
    QSet<qint64> repaymentDays;
    InterestEngine::Projection projection{end, {}};
    const int day = chargeDay(in);
    for (QDate month = QDate(end.year(), end.month(), 1); month <= until; month = month.addMonths(1))
        projection.postingDays << QDate(month.year(), month.month(),
                                        std::min(day, month.daysInMonth()));
    for (int k = 0;; ++k) {
        const QDate d = Repayments::repaymentDate(in.terms, k);
        if (!d.isValid() || d > until)
            break;
        if (d <= end)
            continue;
        HistoryRow row;
        row.id = -1 - k;
        row.date = d;
        row.amounts[AmountColumn::Deposit] = StoredMoney::of(repayment);
        rows << row;
        repaymentDays.insert(d.toJulianDay());
        p.from = p.from.isValid() ? p.from : d;
    }
    const InterestEngine::Result run =
        InterestEngine::project(rows, rates, in.basis, in.offset, projection);
    // A day is judged after all its lines: the month's interest is posted after its repayment.
    for (qsizetype k = 0; k < run.lines.size() && !p.payoff.isValid(); ++k) {
        const ReportLine& line = run.lines[k];
        if (line.date <= end)
            continue;
        if (line.kind == ReportLine::Kind::Interest && line.interestDue)
            p.interest = Money::add(p.interest, *line.interestDue).value_or(p.interest);
        if (k + 1 < run.lines.size() && run.lines[k + 1].date == line.date)
            continue;
        const Money owed = std::max(Money(), line.balance.negated().value_or(Money()));
        if (line.date <= termEnd)
            p.leftAtTermEnd = owed;
        if (repaymentDays.contains(line.date.toJulianDay()) || line.balance >= Money())
            p.owed << Point{line.date, owed};
        if (line.balance >= Money())
            p.payoff = line.date;
    }
    if (p.payoff.isValid())
        p.monthsToSpare = monthsBetween(p.payoff, termEnd);
    return p;
}

// Owed as the terms require: each period's interest at its rate, less the required repayment.
QVector<Point> requiredPath(const RepaymentCheck::Inputs& in, const RepaymentCheck::Result& c) {
    QVector<Point> path;
    if (c.events.isEmpty())
        return path;
    long double owed = (long double)(c.events.first().balance.raw()) / Money::Scale;
    path << Point{c.events.first().date, c.events.first().balance};
    for (const RepaymentCheck::Row& row : c.rows) {
        const long double i =
            Repayments::periodicRate(row.rate, in.terms.frequency, in.basis.conventions.compounding);
        const long double interest = owed * i;
        const long double repaid =
            row.required ? (long double)(row.required->raw()) / Money::Scale : interest;
        owed = std::max(0.0L, owed + interest - repaid);
        path << Point{row.date, Repayments::rounded(owed, Repayments::Rounding::NearestCent)
                                    .value_or(Money())};
        if (owed <= 0)
            break;
    }
    return path;
}

} // namespace

int monthsBetween(const QDate& a, const QDate& b) {
    if (b < a)
        return -monthsBetween(b, a);
    int months = (b.year() - a.year()) * 12 + b.month() - a.month();
    if (b.day() < a.day() && b.day() < b.daysInMonth())
        --months;
    return months;
}

Result project(const RepaymentCheck::Inputs& in, const RepaymentCheck::Result& check,
               Money extra) {
    Result r;
    r.extraAmount = extra;
    for (const ReportLine& line : in.lines)
        if (line.kind == ReportLine::Kind::Transaction)
            r.history << Point{line.date, line.balance.negated().value_or(Money())};
    r.required = requiredPath(in, check);
    const QDate end = lastDate(in.history);
    const std::optional<Money> repayment = lastRepayment(check, r.notices);
    if (!in.terms.isSet() || !end.isValid() || !repayment || !in.basis.method)
        return r;
    // No loan runs on for longer: a repayment that never clears it stops here.
    const QDate until = std::max(end, check.termEnd).addYears(60);
    const std::optional<QVector<RatePeriod>> rates = ratesTo(in.rates, end, until);
    if (!rates) {
        r.notices << QCoreApplication::translate(
            "Payoff", "No rate period covers the history's last day: nothing can be "
                      "projected past it.");
        return r;
    }
    // A projection that never clears the loan is said by its rendering (payoff not valid).
    r.base = walk(in, *rates, end, until, check.termEnd, *repayment);
    if (extra.raw() > 0) {
        if (const std::optional<Money> more = Money::add(*repayment, extra))
            r.extra = walk(in, *rates, end, until, check.termEnd, *more);
        if (r.extra && r.extra->payoff.isValid() && r.base->payoff.isValid())
            r.interestSaved = Money::subtract(r.base->interest, r.extra->interest).value_or(Money());
    }
    return r;
}

} // namespace Payoff
