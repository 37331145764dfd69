#pragma once

#include "HistoryRows.h"
#include "LenderConventions.h"
#include "OffsetAccount.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <optional>

// The account store: the history, the rate periods, the settings and the offset balances, each
// table read with one query into plain rows, and the calculation's changes written back in one
// transaction.
namespace AccountStore {

// Everything a calculation of the account reads: the report, the report tool in every mode, Find
// Lender's Method and the rate proposal read it here, so they cannot read it apart.
struct CalculationInputs {
    QVector<HistoryRow> history;
    QVector<RatePeriod> rates;
    QVector<int> statementNumbers; // tblNumber's readable numbers
    LenderConventions conventions;
    OffsetAccount offset;
    // A setting this version does not read: its default is used, and the user is told.
    QStringList notices;
};

// nullopt, with `error` saying why, when the history, the rate periods or the statement numbers
// cannot be read (or the history spans more than any loan); the settings never stop it.
std::optional<CalculationInputs> readInputs(QSqlDatabase db, QString* error);

// tblAllRecords in the report order (Date, InterestPayment, ID). A history over more years than
// any loan runs (HistorySpan) is refused with `error` saying so.
bool readHistory(QSqlDatabase db, QVector<HistoryRow>* rows, QString* error);

// tblInterestChanges in its order (ValidTo, ID).
bool readRatePeriods(QSqlDatabase db, QVector<RatePeriod>* periods, QString* error);

// Writes OpenBalance values, the "0" fills and the deletions of redundant balance rows, all or
// nothing: on failure the file is as it was and `error` says why.
bool writeBack(QSqlDatabase db, const HistoryChanges& changes, QString* error);

// The lender's conventions kept in the account's settings table. An account without the table
// (a file of layout 1, read by the report tool) has the defaults. A stored value this program
// does not know leaves the default in its place and returns false with `error` saying so.
bool readConventions(QSqlDatabase db, LenderConventions* conventions, QString* error);

// Stores both choices at once, replacing what was there. `ownTransaction` false: the caller
// has begun one, so that the choices are stored together with its other writes.
bool writeConventions(QSqlDatabase db, const LenderConventions& conventions, QString* error,
                      bool ownTransaction = true);

// The offset account: its two settings and its balances by date. An account without the balances
// table (a file of an older layout, read by the report tool) has none. A stored share that does
// not read leaves 100 % in its place, an OffsetAccount other than yes or no (in any case) reads
// as no; both return false with `error` saying so.
bool readOffset(QSqlDatabase db, OffsetAccount* offset, QString* error);
bool writeOffsetSettings(QSqlDatabase db, bool enabled, int share, QString* error);
// Stores one setting, replacing what was there.
bool writeSetting(QSqlDatabase db, const QString& name, const QString& value, QString* error);
// Stores each name's value at once. `ownTransaction` false: the caller has begun one.
bool writeSettings(QSqlDatabase db, const QVector<std::pair<QString, QString>>& settings,
                   QString* error, bool ownTransaction = true);
// A setting's stored text; nullopt when it is not stored, or the account has no settings.
std::optional<QString> readSetting(QSqlDatabase db, const QString& name);
// Appends the balances to tblOffsetBalances in one transaction: all or nothing.
bool addOffsetBalances(QSqlDatabase db, const QVector<OffsetBalance>& balances, QString* error);

} // namespace AccountStore
