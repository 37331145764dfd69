#include "InterestEngine.h"

#include "data/RunningBalance.h"

#include <algorithm>
#include <limits>

namespace InterestMethod {

const QStringList& names() {
    static const QStringList list = {"Fixed Day", "Fixed Day, Deferred Interest", "Variable Day",
                                     "Variable Day, Deferred Interest"};
    return list;
}

} // namespace InterestMethod

namespace {

constexpr qint64 NoDay = std::numeric_limits<qint64>::max();

QString undatedNotice(int count) {
    return QStringLiteral(
               "Transaction date error. %1 record(s) without a date were left out of the "
               "calculation. Please check all dates.")
        .arg(count);
}

// The fixed-day test compares the day of the month written in decimals with the fixed day text,
// so only the text of a day number without a leading zero can match: "5" matches, "05" never.
int fixedDayNumber(const QString& text) {
    bool ok = false;
    const int day = text.toInt(&ok);
    return ok && day >= 1 && day <= 31 && QString::number(day) == text ? day : 0;
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
                        int method, const QString& fixedDay);

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
    void accrueWithDayCharge();
    void postInterest(const QDate& postingDate);
    bool isFixedDay() const { return m_currentDay.day() == m_fixedDay; }
    void moveToNextRow();
    InterestEngine::Result finish();

    // Inputs. An empty amount or CloseBalance counts as the 0 that is written into it.
    QVector<const HistoryRow*> m_rows; // the dated rows, in order
    const QVector<RatePeriod>& m_rates;
    int m_method = 0;
    int m_fixedDay = 0; // 0: never matches

    // Calculation state.
    QDate m_startDay;
    QDate m_endDay;
    QDate m_currentDay;
    QDate m_nextRowDate; // not valid: no row left
    Money m_runningBalance;
    Money m_accruedInterest;
    Money m_dayInterestCharge;
    double m_rate = 0;
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
    bool m_rowChecked = false; // the balance row check has looked at the row under the cursor
    QVector<HistoryUpdate> m_updates;
    QVector<qint64> m_deletions;
    QVector<ReportLine> m_lines;
    QStringList m_notices;
};

InterestCalculation::InterestCalculation(const QVector<HistoryRow>& history,
                                         const QVector<RatePeriod>& rates, int method,
                                         const QString& fixedDay)
    : m_rates(rates), m_method(method < 1 ? 0 : method), m_fixedDay(fixedDayNumber(fixedDay)) {
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

    m_lines.reserve(m_rows.size() + m_rows.size() / 8);
    m_updates.reserve(m_rows.size());

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
    m_accruedInterest = Money();
    if (m_rows.isEmpty())
        return;
    // The first row is the opening balance, not a transaction: the walk starts on the second.
    m_cursor = 1;
    m_rowUpdate = updateOf(m_cursor < m_rows.size() ? m_rows[m_cursor]->id : 0);
    for (m_currentDay = m_startDay; m_currentDay <= m_endDay;
         m_currentDay = m_currentDay.addDays(1)) {
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
    Money* targets[] = {&amounts.govtCharge, &amounts.bankCharge, &amounts.userWithdrawal,
                        &amounts.deposit, &amounts.interestPayment};
    for (int a = 0; a < ReportLine::AmountCount; ++a) {
        const StoredMoney& amount = row.amounts[std::size_t(a)];
        if (amount.isEmpty())
            m_rowUpdate.fillAmounts = true;
        if (amount.state == StoredMoney::State::Unreadable) {
            readable = false;
            continue;
        }
        *targets[a] = amount.value;
        line.amounts[std::size_t(a)] = amount.value;
        counts = counts || !amount.value.isZero();
    }
    if (const std::optional<Money> close = row.closeBalance.money())
        counts = counts || !close->isZero();

    if (counts) {
        if (line.amounts[ReportLine::InterestPayment])
            m_dayInterestCharge = amounts.interestPayment;
        line.kind = ReportLine::Kind::Transaction;
        line.date = row.date;
        // An amount that cannot be read, or a balance that would leave the money range, leaves
        // the balance as it was.
        if (readable) {
            if (const std::optional<Money> after = RunningBalance::after(m_runningBalance, amounts))
                m_runningBalance = *after;
        }
        line.balance = m_runningBalance;
        if (row.openBalance.money() != m_runningBalance)
            m_rowUpdate.openBalance = m_runningBalance;
        m_lines.append(line);
    }
    moveToNextRow();
}

// Leaves the row under the cursor, keeping what was changed in it.
void InterestCalculation::moveToNextRow() {
    if (m_rowUpdate.openBalance || m_rowUpdate.fillAmounts || m_rowUpdate.fillCloseBalance)
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
    m_notices << QString::fromLatin1(InterestEngine::InterestDateError);
    // The rest of this day runs as the end day, and the walk ends with it.
    m_currentDay = m_endDay;
}

// One day of interest on `interestBearing`, accrued with the opposite sign: positive while the
// account is in debit.
void InterestCalculation::accrue(Money interestBearing) {
    const double daily = interestBearing.toDouble() * m_rate / 365 / 100;
    const std::optional<Money> amount = Money::fromDoubleProduct(daily);
    if (!amount)
        return;
    if (const std::optional<Money> accrued = Money::subtract(m_accruedInterest, *amount))
        m_accruedInterest = *accrued;
}

// With the deferred methods the lender's interest charge of the day bears no interest that day.
void InterestCalculation::accrueWithDayCharge() {
    if (const std::optional<Money> bearing = Money::add(m_runningBalance, m_dayInterestCharge))
        accrue(*bearing);
}

void InterestCalculation::postInterest(const QDate& postingDate) {
    ReportLine line;
    line.kind = ReportLine::Kind::Interest;
    line.date = postingDate;
    line.interestDue = m_accruedInterest;
    line.balance = m_runningBalance;
    m_lines.append(line);
    m_accruedInterest = Money();
}

void InterestCalculation::AccrueFixedDay() {
    accrue(m_runningBalance);
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

void InterestCalculation::AccrueVariableDay() {
    if (!m_dayInterestCharge.isZero())
        postInterest(m_currentDay);
    m_dayInterestCharge = Money();
    accrue(m_runningBalance);
}

void InterestCalculation::AccrueVariableDayDeferred() {
    accrueWithDayCharge();
    if (!m_dayInterestCharge.isZero())
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
        m_runningBalance = *close;
    }
}

InterestEngine::Result InterestCalculation::finish() {
    // The row the walk ended under keeps what the check wrote into it.
    if (m_cursor < m_rows.size())
        moveToNextRow();
    InterestEngine::Result result;
    result.changes.updates = std::move(m_updates);
    result.changes.deletions = std::move(m_deletions);
    result.lines = std::move(m_lines);
    result.notices = std::move(m_notices);
    return result;
}

} // namespace

namespace InterestEngine {

Result calculate(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates, int method,
                 const QString& fixedDay) {
    return InterestCalculation(history, rates, method, fixedDay).run();
}

} // namespace InterestEngine
