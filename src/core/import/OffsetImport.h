#pragma once

#include "ImportRow.h"
#include "engine/OffsetAccount.h"

#include <QList>
#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

#include <optional>

// The offset account's transactions, as the bank's file gives them, made into the balance at the
// end of each day on which it changed: what tblOffsetBalances keeps.
namespace OffsetImport {

struct Day {
    QDate date;
    Money balance;
    bool stored = false; // the account holds a balance of this date already: it is not imported
    friend bool operator==(const Day&, const Day&) = default;
};

struct Days {
    QVector<Day> days;  // oldest first, one a date
    int unreadable = 0; // rows that do not read, left out
    int pending = 0;    // rows without a date yet, left out
    // Rows of a file with balances that come before its first stated balance: their days' balances
    // cannot be known, so they are left out too.
    int beforeFirstBalance = 0;
    QString error; // the balances run beyond what an amount can hold; no days then
};

// The rows that read, oldest first: a file that lists the newest first is turned round, and the
// order of a day's rows is kept. `unreadable` counts the rows that do not read, pending ones
// apart.
QList<ImportedRow> oldestFirst(const QList<ImportedRow>& rows, int* unreadable = nullptr);

// Each date's balance at the end of the day. A file that states balances gives the balance of
// each date's last row (a row without one moves the balance before it by its amount); any other
// file needs `opening`, the balance before its first row, and adds up the amounts from it.
// Without an opening balance such a file gives no days.
Days daily(const QList<ImportedRow>& rows, std::optional<Money> opening);

// Marks the days whose date already has a row in the account.
void markStored(QVector<Day>& days, const QSet<QDate>& storedDates);

// The balances to add: the days not stored yet.
QVector<OffsetBalance> newBalances(const QVector<Day>& days);

// Every date of tblOffsetBalances, with a balance or without one. False, and why, when the table
// cannot be read.
bool storedDates(QSqlDatabase db, QSet<QDate>* dates, QString* error);

} // namespace OffsetImport
