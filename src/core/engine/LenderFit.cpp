#include "LenderFit.h"

#include "CalcDay.h"
#include "InterestEngine.h"
#include "Parallel.h"
#include "AccountStore.h"
#include "data/Queries.h"
#include "data/TransactionGuard.h"

#include <QSqlQuery>

#include <algorithm>
#include <limits>

namespace {

// Each date that has a charge or a posting, with their totals, in date order.
struct DateTotals {
    QDate date;
    std::optional<Money> charge;
    std::optional<Money> posting;
};

void addTo(std::optional<Money>& total, Money value) {
    if (!total) {
        total = value;
    } else if (const std::optional<Money> sum = Money::add(*total, value)) {
        total = *sum;
    }
}

Money magnitude(Money m) {
    return m.magnitude().value_or(Money::fromRaw(std::numeric_limits<qint64>::max()));
}

Money saturatingAdd(Money a, Money b) {
    return Money::add(a, b).value_or(Money::fromRaw(std::numeric_limits<qint64>::max()));
}

// More charges matched, then less difference; ties are left to the caller's order.
bool better(const FitScore& a, const FitScore& b) {
    if (a.matched != b.matched)
        return a.matched > b.matched;
    return a.difference < b.difference;
}

} // namespace

namespace LenderFit {

QStringList candidateDays(const QVector<HistoryRow>& history, const QString& storedDay) {
    QStringList days;
    if (CalcDay::calcToFor(storedDay))
        days << QString::number(storedDay.toInt());
    bool seen[CalcDay::LastDay + 1] = {};
    for (const HistoryRow& row : history) {
        const std::optional<Money> charge = row.amounts[AmountColumn::InterestPayment].money();
        if (row.date.isValid() && charge && !charge->isZero() && CalcDay::isDay(row.date.day()))
            seen[row.date.day()] = true;
    }
    for (int day = CalcDay::FirstDay; day <= CalcDay::LastDay; ++day) {
        const QString text = QString::number(day);
        if (seen[day] && !days.contains(text))
            days << text;
    }
    return days;
}

QVector<FitCandidate> candidates(const QStringList& days) {
    QVector<FitCandidate> list;
    for (int d = 0; d < Conventions::CalendarDayCountCount; ++d) {
        for (int r = 0; r < Conventions::RoundingCount; ++r) {
            const LenderConventions conventions{DayCount(d), InterestRounding(r)};
            for (int code = 0; code < InterestMethod::Count; ++code) {
                const auto method = InterestMethod::Code(code);
                if (!InterestMethod::isFixedDay(method)) {
                    list << FitCandidate{method, CalcDay::Day(), conventions};
                    continue;
                }
                for (const QString& day : days)
                    list << FitCandidate{method, CalcDay::Day::fromCalcFrom(day), conventions};
            }
        }
    }
    return list;
}

FitScore score(const QVector<ReportLine>& lines) {
    // Lines come in date order, so each date's totals are gathered in one pass.
    QVector<DateTotals> dates;
    for (const ReportLine& line : lines) {
        std::optional<Money> charge;
        std::optional<Money> posting;
        if (line.kind == ReportLine::Kind::Interest)
            posting = line.interestDue;
        else if (line.amounts[AmountColumn::InterestPayment] &&
                 !line.amounts[AmountColumn::InterestPayment]->isZero())
            charge = line.amounts[AmountColumn::InterestPayment];
        if (!charge && !posting)
            continue;
        if (dates.isEmpty() || dates.last().date != line.date)
            dates.append(DateTotals{line.date, std::nullopt, std::nullopt});
        if (charge)
            addTo(dates.last().charge, *charge);
        if (posting)
            addTo(dates.last().posting, *posting);
    }

    FitScore s;
    for (const DateTotals& d : dates) {
        if (!d.charge || d.charge->isZero())
            continue;
        ++s.charges;
        const Money charged = d.charge->roundedToCents().value_or(*d.charge);
        if (!d.posting) {
            s.difference = saturatingAdd(s.difference, magnitude(charged));
            continue;
        }
        const Money posted = d.posting->roundedToCents().value_or(*d.posting);
        const std::optional<Money> apart = Money::subtract(posted, charged);
        if (apart && apart->isZero())
            ++s.matched;
        else
            s.difference = saturatingAdd(
                s.difference,
                apart ? magnitude(*apart) : Money::fromRaw(std::numeric_limits<qint64>::max()));
    }
    return s;
}

Ranking rank(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
             const QString& storedDay, const OffsetAccount& offset, int threads) {
    const QVector<FitCandidate> list = candidates(candidateDays(history, storedDay));
    QVector<FitScore> scores(list.size());
    QStringList notices;

    // Each run reads the same rows and writes only its own score.
    FitScore* out = scores.data();
    Parallel::forEachIndex(list.size(), threads, [&](qsizetype i) {
        const FitCandidate& c = list[i];
        InterestEngine::Result result =
            InterestEngine::calculate(history, rates, c, offset, InterestEngine::Output::Postings);
        out[i] = score(result.lines);
        out[i].candidate = c;
        if (i == 0)
            notices = result.notices;
    });

    std::stable_sort(scores.begin(), scores.end(), better);
    return {scores, notices};
}

bool write(QSqlDatabase db, const FitCandidate& chosen, QString* error) {
    const QString& day = chosen.day.calcFrom();
    if (!day.isEmpty() && CalcDay::inForce(db).value_or(CalcDay::Day()).calcFrom() != day &&
        !CalcDay::append(db, day, error))
        return false;
    return AccountStore::writeConventions(db, chosen.conventions, error, false);
}

bool store(QSqlDatabase db, const FitCandidate& chosen, QString* error) {
    TransactionGuard transaction(db);
    if (!transaction.begun(error))
        return false;
    return write(db, chosen, error) && transaction.commit(error);
}

} // namespace LenderFit
