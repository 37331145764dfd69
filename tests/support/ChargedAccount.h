#pragma once

// An account whose lender charged interest by a known method, day and conventions: each month's
// charge is the interest the engine posts on its date under them, in cents.

#include "data/ShortDate.h"
#include "support/AccountFixture.h"
#include "support/ChargedHistory.h"

#include <QStringList>
#include <QVector>

namespace ChargedAccount {

// Two years from 1 January 2023 (one of them a leap year) at 6.1 %: an opening debit of
// 400,000.00, a repayment on the 3rd and the lender's charge on the 15th of every month.
inline QVector<HistoryRow> history(int method, const QString& calcTo,
                                   const LenderConventions& conventions,
                                   const OffsetAccount& offset = {}) {
    return ChargedHistory::charged(
        method, calcTo, conventions,
        {{1, QDate(2023, 1, 1), QDate(2024, 12, 31), *Rate::fromReal(6.1)}}, {}, offset);
}

// The rows written into the account at `path`, with no rate periods.
inline void writeRows(const QString& path, const QVector<HistoryRow>& rows) {
    const auto sql = [](const StoredMoney& m) {
        return m.money() ? QString::number(m.money()->raw()) : QStringLiteral("null");
    };
    QStringList values;
    for (const HistoryRow& row : rows)
        values << QStringLiteral("('%1', %2, %3, %4)")
                      .arg(ShortDate::toIso(row.date), sql(row.amounts[AmountColumn::Deposit]),
                           sql(row.amounts[AmountColumn::InterestPayment]), sql(row.closeBalance));
    AccountFixture::exec(path, "insert into tblAllRecords (Date, Deposit, InterestPayment, "
                               "CloseBalance) values " +
                                   values.join(','));
}

// The rows and the rate written into the account at `path`.
inline void write(const QString& path, const QVector<HistoryRow>& rows) {
    writeRows(path, rows);
    AccountFixture::exec(path, "insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
                               "values ('2023-01-01', '2024-12-31', 6.1)");
}

} // namespace ChargedAccount
