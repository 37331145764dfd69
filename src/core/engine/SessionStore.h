#pragma once

#include "data/Money.h"
#include "data/RunningBalance.h"

#include <QSqlDatabase>
#include <QString>
#include <QVector>

// tblThisSession, the transactions of the statement being entered: the writes its window and the
// report make besides the record set's own.
namespace SessionStore {

// Empties it. The statement's rows are then gone; a failure leaves them (nothing to report: the
// next statement's entry clears them again).
void clear(QSqlDatabase db);

// Stores 0 in every empty amount, as the balance pass does.
void fillEmptyAmounts(QSqlDatabase db);

// A row's amounts as the balance pass stores them (empty ones as 0) and the balance after it.
struct RowBalance {
    qint64 id = 0;
    TransactionAmounts amounts;
    Money balance;
};
// Writes every row in one transaction; "" when written, else why not (the rows before the
// failure are kept).
QString writeBalances(QSqlDatabase db, const QVector<RowBalance>& rows);

} // namespace SessionStore
