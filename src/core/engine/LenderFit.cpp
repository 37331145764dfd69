#include "LenderFit.h"

#include "AccountStore.h"
#include "CalcDay.h"
#include "InterestEngine.h"
#include "Parallel.h"
#include "PeriodRuns.h"
#include "data/Queries.h"
#include "data/TransactionGuard.h"

#include <QSqlQuery>

#include <algorithm>
#include <limits>

namespace {

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

// The lender's charges of a report, by date, with the interest lines posted on each date: one
// report's lines serve every convention's interest due.
class ChargeTable {
public:
    explicit ChargeTable(const QVector<ReportLine>& lines) {
        // Lines come in date order, so each date's totals are gathered in one pass.
        int posting = 0;
        for (const ReportLine& line : lines) {
            std::optional<Money> charge;
            const bool posted = line.kind == ReportLine::Kind::Interest;
            if (!posted && line.amounts[AmountColumn::InterestPayment] &&
                !line.amounts[AmountColumn::InterestPayment]->isZero())
                charge = line.amounts[AmountColumn::InterestPayment];
            if (!charge && !posted)
                continue;
            if (m_dates.isEmpty() || m_dates.last().date != line.date)
                m_dates.append(Date{line.date, std::nullopt, {}});
            if (charge)
                addTo(m_dates.last().charge, *charge);
            if (posted)
                m_dates.last().postings << posting++;
        }
    }

    // The score when the interest lines, in order, post `dues`.
    FitScore score(const QVector<std::optional<Money>>& dues) const {
        FitScore s;
        for (const Date& d : m_dates) {
            if (!d.charge || d.charge->isZero())
                continue;
            ++s.charges;
            std::optional<Money> posting;
            for (int i : d.postings) {
                if (const std::optional<Money>& due = dues.value(i))
                    addTo(posting, *due);
            }
            const Money charged = d.charge->roundedToCents().value_or(*d.charge);
            if (!posting) {
                s.difference = saturatingAdd(s.difference, magnitude(charged));
                continue;
            }
            const Money posted = posting->roundedToCents().value_or(*posting);
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

private:
    struct Date {
        QDate date;
        std::optional<Money> charge;
        QVector<int> postings; // the interest lines of the date, as counted among all of them
    };
    QVector<Date> m_dates;
};

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

int suggestedPerYear(const QVector<HistoryRow>& history) {
    QVector<qint64> days;
    for (const HistoryRow& row : history) {
        const std::optional<Money> charge = row.amounts[AmountColumn::InterestPayment].money();
        if (row.date.isValid() && charge && !charge->isZero() &&
            (days.isEmpty() || days.last() != row.date.toJulianDay()))
            days << row.date.toJulianDay();
    }
    QVector<qint64> gaps;
    for (qsizetype i = 1; i < days.size(); ++i)
        gaps << days[i] - days[i - 1];
    if (gaps.isEmpty())
        return 12;
    std::nth_element(gaps.begin(), gaps.begin() + gaps.size() / 2, gaps.end());
    const qint64 median = gaps[gaps.size() / 2];
    if (median <= 8)
        return 52;
    if (median == 14)
        return 26;
    return median <= 18 ? 24 : 12;
}

QVector<LenderConventions> searchedConventions(int perYear) {
    QVector<LenderConventions> list;
    for (const Compounding compounding : {Compounding::None, Compounding::HalfYearly}) {
        for (const Rest& rest : Conventions::searchedRests()) {
            for (int d = 0; d < Conventions::DayCountCount; ++d) {
                for (int r = 0; r < Conventions::RoundingCount; ++r) {
                    const bool usesPerYear =
                        DayCount(d) == DayCount::EqualPeriods || compounding != Compounding::None;
                    const LenderConventions c{DayCount(d), InterestRounding(r), rest, compounding,
                                              usesPerYear ? perYear : 12};
                    if (Conventions::refusal(c).isEmpty())
                        list << c;
                }
            }
        }
    }
    // Today's choices, on the daily balance at the entered rate, lead in their own order.
    std::stable_partition(list.begin(), list.end(),
                          [](const LenderConventions& c) { return !c.beyondDaily(); });
    return list;
}

namespace {

// The method-and-day walks of the search, in the order of candidates().
QVector<CalculationBasis> walks(const QStringList& days) {
    QVector<CalculationBasis> list;
    for (int code = 0; code < InterestMethod::Count; ++code) {
        const auto method = InterestMethod::Code(code);
        if (!InterestMethod::isFixedDay(method)) {
            list << CalculationBasis{method, CalcDay::Day(), {}};
            continue;
        }
        for (const QString& day : days)
            list << CalculationBasis{method, CalcDay::Day::fromCalcFrom(day), {}};
    }
    return list;
}

} // namespace

QVector<FitCandidate> candidates(const QStringList& days, int perYear) {
    QVector<FitCandidate> list;
    const QVector<CalculationBasis> ways = walks(days);
    for (const LenderConventions& c : searchedConventions(perYear)) {
        for (CalculationBasis way : ways) {
            way.conventions = c;
            list << way;
        }
    }
    return list;
}

FitScore score(const QVector<ReportLine>& lines) {
    const ChargeTable table(lines);
    QVector<std::optional<Money>> dues;
    for (const ReportLine& line : lines) {
        if (line.kind == ReportLine::Kind::Interest)
            dues << line.interestDue;
    }
    return table.score(dues);
}

Ranking rank(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
             const QString& storedDay, const OffsetAccount& offset, int threads) {
    const QVector<CalculationBasis> ways = walks(candidateDays(history, storedDay));
    const QVector<LenderConventions> conventions = searchedConventions(suggestedPerYear(history));
    const qsizetype perWay = conventions.size();
    QVector<FitScore> scores(ways.size() * perWay);
    QStringList notices;

    // Each walk reads the same rows and writes only its own scores.
    FitScore* out = scores.data();
    Parallel::forEachIndex(ways.size(), threads, [&](qsizetype w) {
        PeriodRuns::Recorder recorder;
        const InterestEngine::Result result = InterestEngine::calculate(
            history, rates, ways[w], offset, InterestEngine::Output::Postings, &recorder);
        const ChargeTable table(result.lines);
        const QVector<QVector<std::optional<Money>>> dues =
            PeriodRuns::dues(recorder.postings(), conventions);
        for (qsizetype c = 0; c < perWay; ++c) {
            // Candidates run conventions first, then method and day (candidates()).
            FitScore& s = out[c * ways.size() + w];
            s = table.score(dues[c]);
            s.candidate = ways[w];
            s.candidate.conventions = conventions[c];
        }
        if (w == 0)
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
