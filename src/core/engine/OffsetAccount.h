#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>
#include <QVector>

#include <optional>

// The offset account's balance at the end of a day; it holds until the next one.
struct OffsetBalance {
    qint64 id = 0; // tblOffsetBalances.ID; 0 for a balance not stored yet
    QDate date;
    Money balance;
    friend bool operator==(const OffsetBalance&, const OffsetBalance&) = default;
};

// A transaction account whose balance the lender sets against the loan's before working out the
// interest. Without one (the default) every figure of a report is what it always was.
struct OffsetAccount {
    bool enabled = false;
    int share = 10000; // the part of the balance that counts, in hundredths of a per cent
    QVector<OffsetBalance> balances; // by date, then ID; rows without a readable date left out

    // The engine, the report's Offset column and the report tool use it only then.
    bool hasData() const { return enabled && !balances.isEmpty(); }
};

namespace Offset {

inline constexpr int FullShare = 10000;

// The settings table's names: "yes" or "no", and the share as the user wrote it ("40", "33.5").
inline constexpr const char* EnabledSetting = "OffsetAccount";
inline constexpr const char* ShareSetting = "OffsetShare";

// The part of `balance` that counts against the loan: nothing while it is below zero, else the
// share of it, to the ten-thousandth, half away from zero.
Money counted(Money balance, int share);

// "100", "40", "33,5", "12.25": the share in per cent as the user reads it, with the locale's
// decimal point and no trailing zeros.
QString shareText(int share);
// What the user typed: a per cent from 0 to 100 with at most two decimals ('.' or the locale's
// point); nullopt for anything else.
std::optional<int> shareFromText(const QString& text);
// The stored form, the same in every locale: "33.5". Reading also takes a ',' point, as older
// files were written in the user's locale.
QString shareToStorage(int share);
std::optional<int> shareFromStorage(const QString& text);

// The balances as stored: one row a date, the last written for a date counting. `balances` in
// any order; the result by date.
QVector<OffsetBalance> byDate(QVector<OffsetBalance> balances);

} // namespace Offset
