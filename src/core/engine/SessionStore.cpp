#include "SessionStore.h"

#include "data/TransactionGuard.h"

#include <QSqlError>
#include <QSqlQuery>

namespace SessionStore {

void clear(QSqlDatabase db) {
    QSqlQuery(db).exec(QStringLiteral("delete from tblThisSession"));
}

void fillEmptyAmounts(QSqlDatabase db) {
    QSqlQuery(db).exec(
        QStringLiteral("update tblThisSession set GovtCharge=ifnull(GovtCharge,0),"
                       "BankCharge=ifnull(BankCharge,0),"
                       "UserWithdrawal=ifnull(UserWithdrawal,0),"
                       "Deposit=ifnull(Deposit,0),InterestPayment=ifnull(InterestPayment,0)"));
}

QString writeBalances(QSqlDatabase db, const QVector<RowBalance>& rows) {
    TransactionGuard transaction(db);
    if (!transaction.isActive())
        return transaction.lastError();
    QString error;
    {
        QSqlQuery write(db);
        if (!write.prepare(QStringLiteral("update tblThisSession set GovtCharge=?,BankCharge=?,"
                                          "UserWithdrawal=?,Deposit=?,InterestPayment=?,Balance=? "
                                          "where ID=?")))
            return write.lastError().text();
        for (const RowBalance& row : rows) {
            for (const Money& m : row.amounts)
                write.addBindValue(m.raw());
            write.addBindValue(row.balance.raw());
            write.addBindValue(row.id);
            if (!write.exec()) {
                error = write.lastError().text();
                break;
            }
        }
    }
    if (!transaction.commit() && error.isEmpty())
        error = transaction.lastError();
    return error;
}

} // namespace SessionStore
