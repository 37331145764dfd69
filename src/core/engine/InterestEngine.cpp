#include "InterestEngine.h"

#include "DayInterest.h"
#include "data/RunningBalance.h"
#include "data/ShortDate.h"

#include <QCoreApplication>
#include <QtNumeric>

#include <algorithm>
#include <cmath>
#include <limits>

namespace InterestMethod {

namespace {

const char* const Names[Count] = {
    QT_TRANSLATE_NOOP("InterestMethod", "Fixed Day"),
    QT_TRANSLATE_NOOP("InterestMethod", "Fixed Day, Deferred Interest"),
    QT_TRANSLATE_NOOP("InterestMethod", "Variable Day"),
    QT_TRANSLATE_NOOP("InterestMethod", "Variable Day, Deferred Interest")};

} // namespace

const QStringList& names() {
    static const QStringList list(std::begin(Names), std::end(Names));
    return list;
}

QStringList shownNames() {
    QStringList list;
    for (const char* name : Names)
        list << QCoreApplication::translate("InterestMethod", name);
    return list;
}

} // namespace InterestMethod

namespace {

constexpr qint64 NoDay = std::numeric_limits<qint64>::max();

QString undatedNotice(int count) {
    return QCoreApplication::translate(
               "InterestEngine",
               "Transaction date error. %1 record(s) without a date were left out of the "
               "calculation. Please check all dates.")
        .arg(count);
}

// A calendar date as numbers.
struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// The date of a Julian day by integer arithmetic (days to civil, proleptic Gregorian): asked on
// every day of the walk, QDate's own conversion took a fifth of the calculation's time.
CivilDate civilFromJulian(qint64 jd) {
    constexpr qint64 FirstOfYearOne = 1721426; // before it QDate has no year 0
    if (jd < FirstOfYearOne) {
        const QDate d = QDate::fromJulianDay(jd);
        return {d.year(), d.month(), d.day()};
    }
    const qint64 z = jd - 2440588 + 719468; // days since 1 March of year 0
    const qint64 era = z / 146097;
    const qint64 dayOfEra = z - era * 146097;
    const qint64 yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const qint64 dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const qint64 mp = (5 * dayOfYear + 2) / 153;
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    return {int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0)), month,
            int(dayOfYear - (153 * mp + 2) / 5 + 1)};
}

// No change yet to the row `id`.
HistoryUpdate updateOf(qint64 id) {
    HistoryUpdate u;
    u.id = id;
    return u;
}

// One run of the calculation: the state the procedures share, and the procedures themselves.
class InterestCalculation {
public:
    InterestCalculation(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
                        const CalculationBasis& basis, const OffsetAccount& offset,
                        InterestEngine::Output output, InterestWorking::WalkObserver* observer,
                        const InterestEngine::Projection* projection = nullptr);

    InterestEngine::Result run() {
        InitialiseCalculation();
        CalculateInterest();
        return finish();
    }

private:
    void InitialiseCalculation();
    void CalculateInterest();
    void PostTransaction();
    void FindInterestRate();
    void AccrueFixedDay();
    void AccrueFixedDayDeferred();
    void AccrueVariableDay();
    void AccrueVariableDayDeferred();
    void CheckBalanceRow();

    void findRateFromCache();
    void interestDateError();
    void accrue(Money interestBearing);
    Money restBalance(Money interestBearing);
    void interestOutOfRange();
    void recordDay(Money interestBearing, int days, double daily, Money interest);
    Money lessOffset(Money loan) const;
    void moveOffsetTo(qint64 day);
    Money countedOn(const QDate& date) const;
    int daysAccrued();
    double divisor() {
        return DayInterest::divisor(m_conventions.dayCount,
                                    m_conventions.dayCount == DayCount::ActualActual &&
                                        QDate::isLeapYear(today().year));
    }
    void accrueWithDayCharge();
    void postInterest(const QDate& postingDate);
    bool postsToday();
    void chargeDue(Money due);
    bool isFixedDay() { return today().day == m_fixedDay; }
    const CivilDate& today();
    void moveToNextRow();
    void markPartPeriod();
    InterestEngine::Result finish();

    // Inputs. An empty amount or CloseBalance counts as the 0 that is written into it.
    QVector<const HistoryRow*> m_rows; // the dated rows, in order
    const QVector<RatePeriod>& m_rates;
    int m_method = 0;   // the method's code; -1 for none (the transactions alone)
    int m_fixedDay = 0; // 0: never matches
    LenderConventions m_conventions;
    bool m_postingsOnly = false;
    InterestWorking::WalkObserver* m_observer = nullptr; // told of each day and posting
    bool m_deferred = false;                             // a deferred method
    // The offset account's counted balances by day (as Julian days); empty without offset data.
    QVector<qint64> m_offsetDays;
    QVector<Money> m_offsetCounted;
    int m_offsetRow = -1; // the row in force on the current day, -1 before the first

    // Calculation state.
    QDate m_startDay;
    QDate m_endDay;
    QDate m_currentDay;
    CivilDate m_today; // m_currentDay's parts, when m_todayJulian is its Julian day
    qint64 m_todayJulian = std::numeric_limits<qint64>::min();
    QDate m_nextRowDate; // not valid: no row left
    Money m_runningBalance;
    DayInterest::Accrual m_accrual; // the interest accrued since the last posting
    // Under a rest other than daily: the balance held since the period or block began, and
    // whether the next day accrued begins one.
    Money m_held;
    bool m_restStarts = true;
    Money m_dayInterestCharge;
    // A projection: postings after m_projectFrom are charged as due; a variable-day method posts
    // on m_projectedPostings (Julian days, in order) there. A fixed-day deferred method's charge
    // bears nothing on its posting's date (m_pendingCharge).
    QDate m_projectFrom;
    QVector<qint64> m_projectedPostings;
    int m_nextProjected = 0;
    Money m_pendingCharge;
    Rate m_rate;
    QDate m_ratePeriodStart;
    QDate m_ratePeriodEnd;
    int m_cursor = 0; // index into m_rows; m_rows.size() is past the last row

    // The rate search gives the same answer until a period starts or ends, so with readable rate
    // rows its answer is kept until then.
    bool m_ratesReadable = true;
    QVector<qint64> m_fromAfter; // earliest ValidFrom of the rows from i on (as Julian days)
    QVector<qint64> m_toAfter;   // earliest ValidTo of the rows from i on
    qint64 m_rateKnownUntil = std::numeric_limits<qint64>::min();
    int m_rateRow = -1;

    // The changes to the row under the cursor, final once the cursor leaves it.
    HistoryUpdate m_rowUpdate;
    bool m_rowChecked = false;    // the balance row check has looked at the row under the cursor
    bool m_resetInPeriod = false; // a balance row reset the balance since the last posting
    bool m_resetToday = false;    // for the observer: the balance was reset at the end of the day
    QVector<HistoryUpdate> m_updates;
    QVector<qint64> m_deletions;
    QVector<ReportLine> m_lines;
    QStringList m_notices;
    bool m_outOfRange = false;
};

InterestCalculation::InterestCalculation(const QVector<HistoryRow>& history,
                                         const QVector<RatePeriod>& rates,
                                         const CalculationBasis& basis, const OffsetAccount& offset,
                                         InterestEngine::Output output,
                                         InterestWorking::WalkObserver* observer,
                                         const InterestEngine::Projection* projection)
    : m_rates(rates), m_method(basis.method ? int(*basis.method) : -1),
      m_fixedDay(basis.day.periodEndDay()), m_conventions(basis.conventions),
      m_postingsOnly(output == InterestEngine::Output::Postings), m_observer(observer),
      m_deferred(InterestMethod::isDeferred(m_method)), m_accrual(basis.conventions) {
    // A row without a readable date can be applied on no day, and taken as the first row it
    // would start the walk nowhere: it is left out, and the user told once.
    m_rows.reserve(history.size());
    int undated = 0;
    for (const HistoryRow& row : history) {
        if (row.date.isValid())
            m_rows.append(&row);
        else
            ++undated;
    }
    if (undated > 0)
        m_notices << undatedNotice(undated);

    if (offset.hasData()) {
        for (const OffsetBalance& b : Offset::byDate(offset.balances)) {
            if (b.date.isValid()) {
                m_offsetDays.append(b.date.toJulianDay());
                m_offsetCounted.append(Offset::counted(b.balance, offset.share));
            }
        }
        // An offset account with no dated balance still shows its column, at nothing.
        if (m_offsetDays.isEmpty()) {
            m_offsetDays.append(std::numeric_limits<qint64>::min());
            m_offsetCounted.append(Money());
        }
    }

    if (projection) {
        m_projectFrom = projection->from;
        for (const QDate& d : projection->postingDays)
            if (d > m_projectFrom)
                m_projectedPostings.append(d.toJulianDay());
        std::sort(m_projectedPostings.begin(), m_projectedPostings.end());
    }

    if (!m_postingsOnly) {
        m_lines.reserve(m_rows.size() + m_rows.size() / 8);
        m_updates.reserve(m_rows.size());
    }

    const int n = int(m_rates.size());
    m_fromAfter.resize(n + 1);
    m_toAfter.resize(n + 1);
    m_fromAfter[n] = m_toAfter[n] = NoDay;
    for (int i = n - 1; i >= 0; --i) {
        const RatePeriod& p = m_rates[i];
        m_ratesReadable = m_ratesReadable && p.validFrom.isValid() && p.validTo.isValid() &&
                          p.interestRate.has_value();
        m_fromAfter[i] = std::min(m_fromAfter[i + 1], p.validFrom.toJulianDay());
        m_toAfter[i] = std::min(m_toAfter[i + 1], p.validTo.toJulianDay());
    }
}

void InterestCalculation::InitialiseCalculation() {
    if (m_rows.isEmpty())
        return;
    m_endDay = m_rows.last()->date;
    m_startDay = m_rows.first()->date;
    if (const std::optional<Money> opening = m_rows.first()->closeBalance.money())
        m_runningBalance = *opening;
    // The first row applied is the second one, on its own date.
    m_nextRowDate = m_rows.size() > 1 ? m_rows[1]->date : QDate();
}

void InterestCalculation::CalculateInterest() {
    m_accrual = DayInterest::Accrual(m_conventions);
    if (m_rows.isEmpty())
        return;
    // The first row is the opening balance, not a transaction: the walk starts on the second.
    m_cursor = 1;
    m_rowUpdate = updateOf(m_cursor < m_rows.size() ? m_rows[m_cursor]->id : 0);
    for (m_currentDay = m_startDay; m_currentDay <= m_endDay;
         m_currentDay = m_currentDay.addDays(1)) {
        if (!m_offsetDays.isEmpty())
            moveOffsetTo(m_currentDay.toJulianDay());
        while (m_nextRowDate.isValid() && m_nextRowDate == m_currentDay)
            PostTransaction();
        FindInterestRate();
        switch (m_method) {
        case InterestMethod::FixedDay:
            AccrueFixedDay();
            break;
        case InterestMethod::FixedDayDeferred:
            AccrueFixedDayDeferred();
            break;
        case InterestMethod::VariableDay:
            AccrueVariableDay();
            break;
        case InterestMethod::VariableDayDeferred:
            AccrueVariableDayDeferred();
            break;
        default:
            break;
        }
        CheckBalanceRow();
    }
}

void InterestCalculation::PostTransaction() {
    if (m_cursor >= m_rows.size()) {
        m_nextRowDate = QDate();
        return;
    }
    const HistoryRow& row = *m_rows[m_cursor];

    // Empty amounts are stored as 0. A row counts when any of its values is not zero: values that
    // cancel out still make a line.
    bool counts = false;
    bool readable = true;
    ReportLine line;
    TransactionAmounts amounts;
    for (AmountColumn a : AmountColumns::All) {
        const StoredMoney& amount = row.amounts[a];
        if (amount.isEmpty())
            m_rowUpdate.fillAmounts = true;
        if (amount.state == StoredMoney::State::Unreadable) {
            readable = false;
            continue;
        }
        amounts[a] = amount.value;
        line.amounts[a] = amount.value;
        counts = counts || !amount.value.isZero();
    }
    if (const std::optional<Money> close = row.closeBalance.money())
        counts = counts || !close->isZero();

    if (counts) {
        if (line.amounts[AmountColumn::InterestPayment])
            m_dayInterestCharge = amounts[AmountColumn::InterestPayment];
        line.kind = ReportLine::Kind::Transaction;
        line.date = row.date;
        // An amount that cannot be read, or a balance that would leave the money range, leaves
        // the balance as it was.
        if (readable) {
            if (const std::optional<Money> after = RunningBalance::after(m_runningBalance, amounts))
                m_runningBalance = *after;
        }
        line.balance = m_runningBalance;
        if (!m_offsetDays.isEmpty())
            line.offset = countedOn(row.date);
        if (row.openBalance.money() != m_runningBalance)
            m_rowUpdate.openBalance = m_runningBalance;
        if (!m_postingsOnly || !amounts[AmountColumn::InterestPayment].isZero())
            m_lines.append(line);
    }
    moveToNextRow();
}

// Leaves the row under the cursor, keeping what was changed in it.
void InterestCalculation::moveToNextRow() {
    if (!m_postingsOnly &&
        (m_rowUpdate.openBalance || m_rowUpdate.fillAmounts || m_rowUpdate.fillCloseBalance))
        m_updates << m_rowUpdate;
    ++m_cursor;
    m_rowChecked = false;
    const bool more = m_cursor < m_rows.size();
    m_rowUpdate = updateOf(more ? m_rows[m_cursor]->id : 0);
    m_nextRowDate = more ? m_rows[m_cursor]->date : QDate();
}

void InterestCalculation::FindInterestRate() {
    if (m_ratesReadable) {
        findRateFromCache();
        return;
    }
    // Searched backwards from the latest ValidTo. A field that cannot be read leaves what it
    // would have set as it was.
    const int n = int(m_rates.size());
    int row = n - 1;
    for (int tried = 0;; ++tried, --row) {
        const RatePeriod* period = row >= 0 ? &m_rates[row] : nullptr;
        if (period && period->validFrom.isValid())
            m_ratePeriodStart = period->validFrom;
        if (period && period->validTo.isValid())
            m_ratePeriodEnd = period->validTo;
        // Never read (no rate rows at all) counts as a period that ended before the first day.
        if (!m_ratePeriodEnd.isValid() || m_ratePeriodEnd < m_currentDay) {
            interestDateError();
            return;
        }
        if (!m_ratePeriodStart.isValid() || m_ratePeriodStart <= m_currentDay) {
            if (period && period->interestRate)
                m_rate = *period->interestRate;
            return;
        }
        if (tried + 1 >= n)
            return;
    }
}

// The same search over readable rows, done again only on a day on which its answer can change:
// the day after a passed-over row starts, or after a row's period ends.
void InterestCalculation::findRateFromCache() {
    const qint64 day = m_currentDay.toJulianDay();
    if (day < m_rateKnownUntil) {
        if (m_rateRow >= 0)
            m_rate = *m_rates[m_rateRow].interestRate;
        return;
    }
    const int n = int(m_rates.size());
    int found = -1;
    for (int row = n - 1; row >= 0; --row) {
        const RatePeriod& period = m_rates[row];
        if (period.validTo.toJulianDay() < day) {
            interestDateError();
            return;
        }
        if (period.validFrom.toJulianDay() <= day) {
            found = row;
            break;
        }
    }
    if (n == 0) {
        interestDateError();
        return;
    }
    // Rows after the one found failed because they start later and have not ended; the found
    // row passes until it ends.
    qint64 until = std::min(m_fromAfter[found + 1],
                            m_toAfter[found + 1] == NoDay ? NoDay : m_toAfter[found + 1] + 1);
    if (found >= 0) {
        m_rate = *m_rates[found].interestRate;
        until = std::min(until, m_rates[found].validTo.toJulianDay() + 1);
    }
    m_rateRow = found;
    m_rateKnownUntil = until;
}

void InterestCalculation::interestDateError() {
    m_notices << QCoreApplication::translate("InterestEngine", InterestEngine::InterestDateError);
    // The rest of this day runs as the end day, and the walk ends with it.
    m_currentDay = m_endDay;
}

const CivilDate& InterestCalculation::today() {
    if (const qint64 jd = m_currentDay.toJulianDay(); jd != m_todayJulian) {
        // The walk moves a day at a time, and before the 28th the next day is in the same month.
        if (jd == m_todayJulian + 1 && m_today.day < 28)
            ++m_today.day;
        else
            m_today = civilFromJulian(jd);
        m_todayJulian = jd;
    }
    return m_today;
}

// How many days of interest the current day bears under the day count.
int InterestCalculation::daysAccrued() {
    if (m_conventions.dayCount != DayCount::Actual365NoLeap &&
        m_conventions.dayCount != DayCount::Thirty360)
        return 1;
    const CivilDate& d = today();
    return DayInterest::weight(m_conventions.dayCount, d.year, d.month, d.day);
}

// The offset row in force on `day`: the walk only moves forward.
void InterestCalculation::moveOffsetTo(qint64 day) {
    while (m_offsetRow + 1 < m_offsetDays.size() && m_offsetDays[m_offsetRow + 1] <= day)
        ++m_offsetRow;
}

// The counted offset on `date`, the current day or a later one.
Money InterestCalculation::countedOn(const QDate& date) const {
    const qint64 day = date.toJulianDay();
    int row = m_offsetRow;
    while (row + 1 < m_offsetDays.size() && m_offsetDays[row + 1] <= day)
        ++row;
    return row >= 0 ? m_offsetCounted[row] : Money();
}

// The balance that accrues: a loan in debit less the counted offset of the day, never past zero.
Money InterestCalculation::lessOffset(Money loan) const {
    if (m_offsetRow < 0 || loan.raw() >= 0)
        return loan;
    // Both within the money range and of opposite signs: the sum cannot overflow.
    return Money::fromRaw(std::min<qint64>(0, loan.raw() + m_offsetCounted[m_offsetRow].raw()));
}

// One day of interest on `interestBearing`, accrued with the opposite sign: positive while the
// account is in debit.
void InterestCalculation::accrue(Money interestBearing) {
    if (!m_conventions.rest.isDaily()) [[unlikely]]
        interestBearing = restBalance(interestBearing);
    const int days = daysAccrued();
    if (days == 0) {
        if (m_observer) [[unlikely]]
            recordDay(interestBearing, 0, 0, Money());
        return;
    }
    const DayInterest::Accrual::Added added =
        m_accrual.addDays(interestBearing, m_rate.percent(), divisor(), days);
    if (m_accrual.overflowed()) [[unlikely]]
        interestOutOfRange();
    if (m_observer) [[unlikely]]
        recordDay(interestBearing, days, added.unrounded, added.interest);
}

// The balance that bears the day's interest under a held rest: the one that would accrue on the
// first day of the posting period or block (after that day's rows), held until the next begins.
// The history's first day begins one.
Money InterestCalculation::restBalance(Money interestBearing) {
    const Rest& rest = m_conventions.rest;
    if (!m_restStarts && rest.kind == Rest::Kind::Months) {
        const CivilDate& d = today();
        m_restStarts = d.day == 1 && rest.blockStartsIn(d.month);
    }
    if (m_restStarts) {
        m_held = interestBearing;
        m_restStarts = false;
    }
    return m_held;
}

// No interest due can be said once a day's interest, or the sum of a period's, leaves the money
// range: the account is refused from that day, rather than charged nothing.
void InterestCalculation::interestOutOfRange() {
    if (m_outOfRange)
        return;
    m_outOfRange = true;
    m_notices << QCoreApplication::translate(
                     "InterestEngine",
                     "The interest due from %1 is more than an account can hold: the "
                     "account cannot be calculated from there.")
                     .arg(ShortDate::format(m_currentDay));
    m_currentDay = m_endDay;
}

// Tells the observer of the day just accrued: what it added to the interest due under a daily
// rounding was `interest`. Kept out of the walk's way: it runs only when asked for.
[[gnu::noinline, gnu::cold]] void InterestCalculation::recordDay(Money interestBearing, int days,
                                                                 double daily, Money interest) {
    InterestWorking::WorkingDay d;
    d.date = m_currentDay;
    d.balance = m_runningBalance;
    if (m_deferred)
        d.addedBack = m_dayInterestCharge;
    if (!m_offsetDays.isEmpty())
        d.offset = m_offsetRow >= 0 ? m_offsetCounted[m_offsetRow] : Money();
    d.accruing = interestBearing;
    d.rate = m_rate;
    d.divisor = int(divisor());
    d.weight = qint8(days);
    d.afterReset = m_resetToday;
    m_resetToday = false;
    d.unrounded = -daily;
    if (m_conventions.rounding != InterestRounding::Posting)
        d.interest = interest;
    m_observer->day(d);
}

// With the deferred methods the lender's interest charge of the day bears no interest that day.
void InterestCalculation::accrueWithDayCharge() {
    qint64 bearing = 0;
    if (!m_pendingCharge.isZero()) [[unlikely]] {
        m_dayInterestCharge = Money::add(m_dayInterestCharge, m_pendingCharge).value_or(Money());
        m_pendingCharge = Money();
    }
    if (!qAddOverflow(m_runningBalance.raw(), m_dayInterestCharge.raw(), &bearing))
        accrue(lessOffset(Money::fromRaw(bearing)));
}

void InterestCalculation::postInterest(const QDate& postingDate) {
    ReportLine line;
    line.kind = ReportLine::Kind::Interest;
    line.date = postingDate;
    line.interestDue = m_accrual.post();
    if (m_projectFrom.isValid() && postingDate > m_projectFrom) [[unlikely]]
        chargeDue(*line.interestDue);
    if (m_conventions.rest.kind == Rest::Kind::PostingPeriod)
        m_restStarts = true;
    if (m_accrual.overflowed()) [[unlikely]]
        interestOutOfRange();
    line.balance = m_runningBalance;
    if (m_resetInPeriod)
        line.incomplete = ReportLine::Incomplete::HistoryGap;
    m_resetInPeriod = false;
    if (!m_offsetDays.isEmpty())
        line.offset = countedOn(postingDate);
    if (m_observer) [[unlikely]]
        m_observer->posted(line, int(m_lines.size()));
    m_lines.append(line);
}

void InterestCalculation::AccrueFixedDay() {
    accrue(lessOffset(m_runningBalance));
    m_dayInterestCharge = Money();
    if (isFixedDay())
        postInterest(m_currentDay.addDays(1));
}

void InterestCalculation::AccrueFixedDayDeferred() {
    accrueWithDayCharge();
    m_dayInterestCharge = Money();
    if (isFixedDay())
        postInterest(m_currentDay.addDays(1));
}

// Past the history the lender is taken to charge exactly the interest due, on the posting's date.
void InterestCalculation::chargeDue(Money due) {
    if (const std::optional<Money> after = Money::subtract(m_runningBalance, due))
        m_runningBalance = *after;
    if (m_method == InterestMethod::FixedDayDeferred)
        m_pendingCharge = due;
}

bool InterestCalculation::postsToday() {
    if (m_projectedPostings.isEmpty()) [[likely]]
        return false;
    const qint64 day = m_currentDay.toJulianDay();
    while (m_nextProjected < m_projectedPostings.size() &&
           m_projectedPostings[m_nextProjected] < day)
        ++m_nextProjected;
    return m_nextProjected < m_projectedPostings.size() &&
           m_projectedPostings[m_nextProjected] == day;
}

void InterestCalculation::AccrueVariableDay() {
    if (!m_dayInterestCharge.isZero() || postsToday())
        postInterest(m_currentDay);
    m_dayInterestCharge = Money();
    accrue(lessOffset(m_runningBalance));
}

void InterestCalculation::AccrueVariableDayDeferred() {
    accrueWithDayCharge();
    if (!m_dayInterestCharge.isZero() || postsToday())
        postInterest(m_currentDay);
    m_dayInterestCharge = Money();
}

// The row under the cursor, looked at once: the first time it waits there at the end of a day.
// A balance row that agrees with the running balance is redundant and goes; one that differs
// resets the balance now and is applied later on its own date.
void InterestCalculation::CheckBalanceRow() {
    if (m_cursor >= m_rows.size() || m_rowChecked)
        return;
    m_rowChecked = true;
    const HistoryRow& row = *m_rows[m_cursor];
    if (row.closeBalance.isEmpty())
        m_rowUpdate.fillCloseBalance = true;
    const std::optional<Money> close = row.closeBalance.money();
    if (!close || close->isZero())
        return;
    if (*close == m_runningBalance) {
        m_deletions << row.id;
        m_rowUpdate = updateOf(row.id);
        moveToNextRow();
    } else {
        // The rows before it did not reach the balance the bank stated: the days from here to the
        // next posting are worked out on a balance the history cannot vouch for.
        m_runningBalance = *close;
        m_resetInPeriod = true;
        m_resetToday = true;
    }
}

// The first posting covers the days from the history's first; the lender's period began at its
// previous charge, a period's length (the gap to the second posting, a month at least) before.
// A history that starts after that has fewer days than the lender charged for.
void InterestCalculation::markPartPeriod() {
    ReportLine* first = nullptr;
    const ReportLine* second = nullptr;
    for (ReportLine& line : m_lines) {
        if (line.kind != ReportLine::Kind::Interest)
            continue;
        if (!first) {
            first = &line;
        } else {
            second = &line;
            break;
        }
    }
    if (!first || !first->comparable())
        return;
    int months = 1;
    if (second) {
        const QDate& a = first->date;
        const QDate& b = second->date;
        months = std::clamp((b.year() - a.year()) * 12 + b.month() - a.month(), 1, 12);
    }
    if (m_startDay > first->date.addMonths(-months))
        first->incomplete = ReportLine::Incomplete::PartPeriod;
}

InterestEngine::Result InterestCalculation::finish() {
    // The row the walk ended under keeps what the check wrote into it.
    if (m_cursor < m_rows.size())
        moveToNextRow();
    markPartPeriod();
    InterestEngine::Result result;
    result.changes.updates = std::move(m_updates);
    result.changes.deletions = std::move(m_deletions);
    result.lines = std::move(m_lines);
    result.notices = std::move(m_notices);
    if (m_observer)
        m_observer->finished(result.lines);
    return result;
}

} // namespace

namespace InterestEngine {

Result calculate(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
                 const CalculationBasis& basis, const OffsetAccount& offset, Output output,
                 InterestWorking::WalkObserver* observer) {
    return InterestCalculation(history, rates, basis, offset, output, observer).run();
}

Result project(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
               const CalculationBasis& basis, const OffsetAccount& offset,
               const Projection& projection) {
    return InterestCalculation(history, rates, basis, offset, Output::Report, nullptr, &projection)
        .run();
}

Worked calculateWithWorking(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
                            const CalculationBasis& basis, const OffsetAccount& offset,
                            Output output) {
    InterestWorking::WorkingRecorder recorder(basis);
    Worked w;
    w.result = calculate(history, rates, basis, offset, output, &recorder);
    w.working = recorder.take();
    return w;
}

} // namespace InterestEngine
