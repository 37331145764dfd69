#include "ImportWriter.h"

#include "data/AccountConnection.h"
#include "data/AmountColumns.h"
#include "data/Queries.h"
#include "data/ShortDate.h"
#include "data/StoredValue.h"
#include "data/TransactionGuard.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// A row's amount as the balance pass reads it: empty is 0; nullopt when it cannot be read.
std::optional<Money> moneyAt(const QSqlQuery& q, int field) {
    const StoredMoney stored = StoredValue::money(q.value(field));
    if (stored.isEmpty())
        return Money();
    return stored.money();
}

std::optional<TransactionAmounts> amountsAt(const QSqlQuery& q) {
    TransactionAmounts amounts;
    for (AmountColumn c : AmountColumns::All) {
        const std::optional<Money> m = moneyAt(q, 2 + int(c));
        if (!m)
            return std::nullopt;
        amounts[c] = *m;
    }
    return amounts;
}

} // namespace

namespace ImportWriter {

std::optional<int> write(QSqlDatabase db, const ImportPreview& preview, QString* error) {
    auto fail = [&](const QString& why) -> std::optional<int> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const int unreadable = preview.firstTickedUnreadable();
    if (unreadable >= 0) {
        const ImportedRow bad = preview.rows()[unreadable].source;
        return fail(QCoreApplication::translate("ImportWriter", "Line %1 does not read: %2")
                        .arg(bad.line)
                        .arg(bad.error));
    }

    TransactionGuard transaction(db);
    if (!transaction.isActive())
        return fail(transaction.lastError());
    const bool withFitId =
        AccountDatabase::hasColumn(db, QStringLiteral("tblThisSession"), QStringLiteral("FITID"));
    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral("insert into tblThisSession (Date,GovtCharge,BankCharge,"
                                       "UserWithdrawal,Deposit,InterestPayment%1) values "
                                       "(?,?,?,?,?,?%2)")
                            .arg(withFitId ? QStringLiteral(",FITID") : QString(),
                                 withFitId ? QStringLiteral(",?") : QString())))
        return fail(insert.lastError().text());
    int written = 0;
    for (const ImportPreview::Row r : preview.rows()) {
        if (!r.ticked)
            continue;
        const TransactionAmounts a = ImportPreview::amountsOf(r);
        insert.bindValue(0, ShortDate::toIso(r.source.date));
        for (AmountColumn c : AmountColumns::All)
            insert.bindValue(1 + int(c), a[c].raw());
        if (withFitId)
            insert.bindValue(6, r.source.fitId.isEmpty() ? QVariant() : QVariant(r.source.fitId));
        if (!insert.exec())
            return fail(insert.lastError().text());
        ++written;
    }

    // Every row's balance, in the window's order, from the opening balance: the statement's one
    // balance pass after an import (the window only reads the rows again).
    QSqlQuery rows(db);
    rows.setForwardOnly(true);
    if (!rows.exec(QString::fromLatin1(Queries::ThisSession)))
        return fail(rows.lastError().text());
    QList<QPair<qint64, Money>> balances;
    Money balance = preview.statement().openBalance.value_or(Money());
    while (rows.next()) {
        const std::optional<TransactionAmounts> a = amountsAt(rows);
        if (!a)
            return fail(QCoreApplication::translate("ImportWriter",
                                                    "An amount of the row of %1 cannot be read.")
                            .arg(ShortDate::format(StoredValue::date(rows.value(1)))));
        const auto next = RunningBalance::after(balance, *a);
        if (!next)
            return fail(QCoreApplication::translate(
                "ImportWriter", "The running balance leaves the range of amounts."));
        balance = *next;
        balances << qMakePair(rows.value(0).toLongLong(), balance);
    }
    rows.finish();
    insert.finish();
    QSqlQuery update(db);
    if (!update.prepare(QStringLiteral("update tblThisSession set Balance=? where ID=?")))
        return fail(update.lastError().text());
    for (const auto& [id, b] : std::as_const(balances)) {
        update.bindValue(0, b.raw());
        update.bindValue(1, id);
        if (!update.exec())
            return fail(update.lastError().text());
    }
    if (!transaction.commit())
        return fail(transaction.lastError());
    return written;
}

} // namespace ImportWriter
