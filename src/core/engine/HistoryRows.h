#pragma once

#include "data/AmountColumns.h"
#include "data/HistorySpan.h"
#include "data/Money.h"
#include "data/Rate.h"
#include "data/StoredValue.h"

#include <QDate>
#include <QVector>

#include <optional>

// The account's rows the interest calculation reads and the changes it hands back, apart from
// the engine itself: the account store reads and writes them without the calculation.

// One tblAllRecords row, as the report query reads it.
struct HistoryRow {
    qint64 id = 0;
    QDate date;                           // not valid when empty or unreadable
    PerAmountColumn<StoredMoney> amounts; // GovtCharge ... InterestPayment
    StoredMoney openBalance;
    StoredMoney closeBalance;
};

// The first and last valid dates of a history (not valid when no row has one).
using HistoryDates = DateSpan;
inline HistoryDates historyDates(const QVector<HistoryRow>& rows) {
    HistoryDates d;
    for (const HistoryRow& row : rows)
        d.include(row.date);
    return d;
}

// One tblInterestChanges row. Dates not valid and a missing rate mean empty or unreadable.
struct RatePeriod {
    qint64 id = 0;
    QDate validFrom;
    QDate validTo;
    std::optional<Rate> interestRate;
};

// What the calculation changes in tblAllRecords, for one transaction to write back.
struct HistoryUpdate {
    qint64 id = 0;
    std::optional<Money> openBalance; // the running balance after the row, when it differs
    bool fillAmounts = false;         // store 0 in the row's empty amounts
    bool fillCloseBalance = false;    // store 0 in its empty CloseBalance
};

struct HistoryChanges {
    QVector<HistoryUpdate> updates;
    QVector<qint64> deletions; // redundant balance rows
    bool isEmpty() const { return updates.isEmpty() && deletions.isEmpty(); }
};
