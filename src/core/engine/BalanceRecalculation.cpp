#include "BalanceRecalculation.h"

#include "data/AmountColumns.h"

#include "data/Money.h"
#include "data/RecordSet.h"
#include "data/RunningBalance.h"
#include "data/TransactionGuard.h"

#include <QSignalBlocker>
#include <QSqlQuery>
#include <array>
#include <optional>

namespace {

// Rows between two chances for the screen to repaint: often enough to keep it painted, rare
// enough not to show in the pass's time.
constexpr int RowsBetweenEvents = 1024;

// The columns the pass reads and writes, in the order of the update statement below: the five
// amounts at their AmountColumn's position, then the balances.
enum Column { Open = AmountColumns::Count, Close, ColumnCount };
const QStringList& columnNames() {
    static const QStringList names =
        AmountColumns::fieldNames() + QStringList{"OpenBalance", "CloseBalance"};
    return names;
}

using Values = std::array<QVariant, ColumnCount>;

std::optional<Money> moneyOf(const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return std::nullopt;
    if (value.typeId() == qMetaTypeId<Money>())
        return value.value<Money>();
    return Money::parse(value.toString());
}

// The balance after the row; nothing when an amount cannot be read or the result leaves the
// money range.
std::optional<Money> applyAmounts(Money balance, const Values& v) {
    TransactionAmounts amounts;
    for (AmountColumn c : AmountColumns::All) {
        const std::optional<Money> amount = moneyOf(v[std::size_t(c)]);
        if (!amount)
            return std::nullopt;
        amounts[c] = *amount;
    }
    return RunningBalance::after(balance, amounts);
}

bool same(const QVariant& a, const QVariant& b) {
    return a.isNull() == b.isNull() && (a.isNull() || moneyOf(a) == moneyOf(b));
}

QVariant storage(const QVariant& value) {
    if (const std::optional<Money> m = moneyOf(value))
        return m->raw();
    return QVariant(QMetaType(QMetaType::LongLong));
}

} // namespace

namespace BalanceRecalculation {

void recalculate(QSqlDatabase db, RecordSet& rs, const std::function<void()>& letEventsRun) {
    const QSignalBlocker quiet(rs);
    // One transaction for the pass: thousands of single-row commits would each wait for the disk.
    TransactionGuard transaction(db);

    // Saves what the user typed, then fetches the rows in the query's order. A typed row that
    // cannot be saved (no date) stays pending for the user to complete: balances computed around
    // it would follow from values the file does not hold, so the pass waits for the next one.
    if (!rs.requery()) {
        // Commit, not roll back: the typed row may have been saved before the fetch failed.
        transaction.commit();
        return;
    }
    if (letEventsRun)
        letEventsRun();

    std::array<int, ColumnCount> field;
    for (int c = 0; c < ColumnCount; ++c)
        field[c] = rs.fieldIndex(columnNames()[c]);
    const int id = rs.fieldIndex(QStringLiteral("ID"));

    QSqlQuery write(db);
    const bool canWrite =
        id >= 0 && !rs.table().isEmpty() &&
        write.prepare(QStringLiteral("update %1 set GovtCharge=?,BankCharge=?,UserWithdrawal=?,"
                                     "Deposit=?,InterestPayment=?,OpenBalance=?,CloseBalance=? "
                                     "where ID=?")
                          .arg(rs.table()));

    // The order puts a day's balance rows first whatever their sign, and storing 0 in an empty
    // CloseBalance moves no row, so one pass is final: the next stores the same balances.
    bool wrote = false;
    // Every pass starts from 0, so that a first row without a CloseBalance does not carry the
    // previous pass's final balance into this one.
    Money balance;
    const QVariant zero = QVariant::fromValue(Money());
    for (int row = 0; row < rs.recordCount(); ++row) {
        Values stored, values;
        for (int c = 0; c < ColumnCount; ++c)
            stored[c] = values[c] = rs.valueAt(row, field[c]);
        if (row == 0) {
            // The first row only starts the balance; its own empty amounts stay empty.
            if (const std::optional<Money> close = moneyOf(values[Close]))
                balance = *close;
        } else {
            for (QVariant& v : values) {
                if (v.isNull())
                    v = zero;
            }
            if (const std::optional<Money> next = applyAmounts(balance, values))
                balance = *next;
            const std::optional<Money> close = moneyOf(values[Close]);
            if (close && !close->isZero())
                balance = *close;
        }
        values[Open] = QVariant::fromValue(balance);

        bool changed = false;
        for (int c = 0; c < ColumnCount && !changed; ++c)
            changed = !same(values[c], stored[c]);
        // Only rows whose values change are written; a row that cannot be written keeps what it
        // had and the pass goes on.
        if (changed && canWrite) {
            for (int c = 0; c < ColumnCount; ++c)
                write.bindValue(c, storage(values[c]));
            write.bindValue(ColumnCount, rs.valueAt(row, id));
            wrote = write.exec() || wrote;
        }
        if (letEventsRun && row % RowsBetweenEvents == RowsBetweenEvents - 1)
            letEventsRun();
    }
    write.finish();

    transaction.commit();
    // The rows show what the file holds, and the pass ends on the last row as a walk through
    // them would.
    if (wrote)
        rs.requery();
    rs.moveLast();
}

} // namespace BalanceRecalculation
