#pragma once

#include "data/AmountColumns.h"
#include "data/Money.h"

#include <QDataStream>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Day and month in a numeric date: which comes first. A four-digit year in front (ISO) and a
// month written as a name read the same in either order.
enum class DateOrder : quint8 { DayFirst, MonthFirst };

// One transaction as a bank's file gives it, before it is given a column.
struct ImportedRow {
    int line = 0; // the file's line the row starts on, from 1
    QDate date;
    QString description;
    Money amount; // as the balance sees it: positive money in, negative money out; in cents
    std::optional<Money> balance; // the balance the file states after the row, if it has one
    QString fitId;                // OFX: the bank's id of the transaction
    QString ofxType;              // OFX: TRNTYPE ("FEE", "SRVCHG", "INT" ...)
    // OFX: the row corrects the bank's earlier transaction of this id, replacing it or, when
    // `cancels`, deleting it. Earlier rows of the same file are already taken out by the reader.
    QString correctsFitId;
    bool cancels = false;
    // The bank lists it without a date yet ("Pending"), or as not yet booked: shown, never
    // entered. `pendingReason` says why where the file gives more than that.
    bool pending = false;
    QString pendingReason;
    // Dated by the entry's value date, from which interest runs, rather than its booking date.
    bool valueDated = false;
    QString error; // why the row does not read; "" when it does

    bool ok() const { return error.isEmpty() && !pending; }
    // It reads and moves money in this file: the bank's deletion of a transaction of an earlier
    // file does not.
    bool movesMoney() const { return ok() && !cancels; }
};

// True when a row that moves money states the balance after it: the file's own balances then
// decide.
bool statesBalances(const QList<ImportedRow>& rows);

// A balance the bank's own lines state of the whole file ("Opening balance", "Ending balance as
// of 01/31/2024").
struct StatedBalance {
    int line = 0;
    QDate date; // invalid when the line gives none
    Money amount;
};

// What a file's summary lines state (BankSummary), and whether its rows agree.
struct StatedSummary {
    std::optional<StatedBalance> opening;
    std::optional<StatedBalance> closing;
    std::optional<Money> totalIn;  // "Total credits"
    std::optional<Money> totalOut; // "Total debits"
    bool checked = false;          // enough is stated, and every row reads, to check the rows
    QString disagreement;          // checked, and the rows do not agree: how not; "" otherwise

    bool empty() const { return !opening && !closing && !totalIn && !totalOut; }
};

enum class StatementFormat : quint8 { Csv, Ofx, Qif, Camt, Mt940 };
// "CSV", "OFX", "QIF", "camt", "MT940".
QString formatName(StatementFormat format);

// One account of a file that may hold several (QIF, camt, MT940): a window asks which to import.
struct StatementAccount {
    QString name; // as the file names it (an IBAN, an account number); "" when it names none
    QString type; // what the file says of it (QIF's register type, a currency); may be ""
    int rows = 0; // its entries that read() reads, good or bad
};
// More than one of `accounts` has entries: a window must ask which one to import.
bool severalHaveEntries(const QList<StatementAccount>& accounts);

// What a reader made of a whole file.
struct ReadResult {
    StatementFormat format = StatementFormat::Csv;
    QList<ImportedRow> rows;
    // The file as a whole was refused (not what it claims, too large, no transactions); no rows.
    QString error;
    // The order the numeric dates were read in, and whether the other order read every one of
    // them too, giving other dates: then the user has to say which.
    DateOrder dateOrder = DateOrder::DayFirst;
    bool dateOrderAmbiguous = false;
    // CSV: what the bank's own lines state of the file (the other formats state none here).
    StatedSummary summary;
};

// A whole result in a stream: how the OFX reader's child hands it back. Reading sets the stream's
// status to ReadCorruptData when what it reads is not such a result.
QDataStream& operator<<(QDataStream& out, const ReadResult& result);
QDataStream& operator>>(QDataStream& in, ReadResult& result);
