#include "AccountStore.h"

#include "ReportPreparation.h"

#include "data/StoredValue.h"

#include "data/HistorySpan.h"
#include "data/Queries.h"
#include "data/ShortDate.h"
#include "data/TransactionGuard.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>
#include <sqlite3.h>

namespace {

sqlite3* handleOf(const QSqlDatabase& db) {
    if (!db.isOpen())
        return nullptr;
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.data());
}

// A prepared statement on the connection's own handle: the report reads ten thousand rows, and
// reading their columns directly is several times quicker than through QVariants.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        if (db)
            sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return m_stmt != nullptr; }
    int step() { return sqlite3_step(m_stmt); }
    operator sqlite3_stmt*() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

bool failed(sqlite3* handle, QString* error) {
    if (error)
        *error = handle
                     ? QString::fromUtf8(sqlite3_errmsg(handle))
                     : QCoreApplication::translate("AccountStore", "The account file is not open.");
    return false;
}

bool failed(const QSqlQuery& q, QString* error) {
    if (error)
        *error = q.lastError().text();
    return false;
}

QVariant money(const std::optional<Money>& m) {
    return m ? QVariant(m->raw()) : QVariant(QMetaType(QMetaType::LongLong));
}

} // namespace

namespace AccountStore {

bool writeSettings(QSqlDatabase db, const QVector<std::pair<QString, QString>>& settings,
                   QString* error, bool ownTransaction) {
    std::optional<TransactionGuard> transaction;
    if (ownTransaction)
        transaction.emplace(db);
    if (transaction && !transaction->isActive()) {
        if (error)
            *error = transaction->lastError();
        return false;
    }
    QSqlQuery remove(db);
    QSqlQuery insert(db);
    if (!remove.prepare(QStringLiteral("delete from tblSettings where Name = ?")))
        return failed(remove, error);
    if (!insert.prepare(QStringLiteral("insert into tblSettings (Name, Value) values (?, ?)")))
        return failed(insert, error);
    for (const auto& [name, value] : settings) {
        remove.bindValue(0, name);
        if (!remove.exec())
            return failed(remove, error);
        insert.bindValue(0, name);
        insert.bindValue(1, value);
        if (!insert.exec())
            return failed(insert, error);
    }
    remove.finish();
    insert.finish();
    if (transaction && !transaction->commit()) {
        if (error)
            *error = transaction->lastError();
        return false;
    }
    return true;
}

std::optional<CalculationInputs> readInputs(QSqlDatabase db, QString* error) {
    CalculationInputs in;
    if (!readHistory(db, &in.history, error) || !readRatePeriods(db, &in.rates, error) ||
        !ReportPreparation::readStatementNumbers(db, &in.statementNumbers, error))
        return std::nullopt;
    QString notice;
    if (!readConventions(db, &in.conventions, &notice))
        in.notices << notice;
    if (!readOffset(db, &in.offset, &notice))
        in.notices << notice;
    return in;
}

bool readHistory(QSqlDatabase db, QVector<HistoryRow>* rows, QString* error) {
    sqlite3* handle = handleOf(db);
    Statement count(handle, "select count(*) from tblAllRecords");
    Statement q(handle, Queries::AllRecordsReport);
    if (!count.ok() || !q.ok() || count.step() != SQLITE_ROW)
        return failed(handle, error);
    // Columns: ID, Date, five amounts, OpenBalance, CloseBalance, InterestDue.
    QVector<HistoryRow> read;
    read.reserve(sqlite3_column_int64(count, 0));
    int rc = SQLITE_ROW;
    while ((rc = q.step()) == SQLITE_ROW) {
        HistoryRow& row = read.emplace_back();
        row.id = sqlite3_column_int64(q, 0);
        row.date = StoredValue::date(q, 1);
        for (int a = 0; a < AmountColumns::Count; ++a)
            row.amounts[std::size_t(a)] = StoredValue::money(q, 2 + a);
        row.openBalance = StoredValue::money(q, 7);
        row.closeBalance = StoredValue::money(q, 8);
    }
    if (rc != SQLITE_DONE)
        return failed(handle, error);
    const auto [first, last] = historyDates(read);
    if (!HistorySpan::fits(first, last)) {
        if (error)
            *error = HistorySpan::refusal(
                QCoreApplication::translate("AccountStore", "The account's history"), first, last);
        return false;
    }
    *rows = std::move(read);
    return true;
}

bool readRatePeriods(QSqlDatabase db, QVector<RatePeriod>* periods, QString* error) {
    sqlite3* handle = handleOf(db);
    Statement q(handle, Queries::InterestChanges);
    if (!q.ok())
        return failed(handle, error);
    QVector<RatePeriod> read;
    int rc = SQLITE_ROW;
    while ((rc = q.step()) == SQLITE_ROW) {
        RatePeriod& p = read.emplace_back();
        p.id = sqlite3_column_int64(q, 0);
        p.validFrom = StoredValue::date(q, 1);
        p.validTo = StoredValue::date(q, 2);
        p.interestRate = StoredValue::rate(q, 3);
    }
    if (rc != SQLITE_DONE)
        return failed(handle, error);
    *periods = std::move(read);
    return true;
}

bool writeBack(QSqlDatabase db, const HistoryChanges& changes, QString* error) {
    if (changes.isEmpty())
        return true;
    TransactionGuard transaction(db);
    if (!transaction.begun(error))
        return false;
    QSqlQuery update(db);
    // Only empty amounts become 0: a value that was there stays, whatever it is.
    if (!update.prepare(
            QStringLiteral("update tblAllRecords set OpenBalance=coalesce(?,OpenBalance),"
                           "GovtCharge=iif(?,coalesce(GovtCharge,0),GovtCharge),"
                           "BankCharge=iif(?,coalesce(BankCharge,0),BankCharge),"
                           "UserWithdrawal=iif(?,coalesce(UserWithdrawal,0),UserWithdrawal),"
                           "Deposit=iif(?,coalesce(Deposit,0),Deposit),"
                           "InterestPayment=iif(?,coalesce(InterestPayment,0),InterestPayment),"
                           "CloseBalance=iif(?,coalesce(CloseBalance,0),CloseBalance) where ID=?")))
        return failed(update, error);
    for (const HistoryUpdate& u : changes.updates) {
        int p = 0;
        update.bindValue(p++, money(u.openBalance));
        for (int a = 0; a < AmountColumns::Count; ++a)
            update.bindValue(p++, u.fillAmounts ? 1 : 0);
        update.bindValue(p++, u.fillCloseBalance ? 1 : 0);
        update.bindValue(p++, u.id);
        if (!update.exec())
            return failed(update, error);
    }
    QSqlQuery remove(db);
    if (!remove.prepare(QStringLiteral("delete from tblAllRecords where ID=?")))
        return failed(remove, error);
    for (qint64 id : changes.deletions) {
        remove.bindValue(0, id);
        if (!remove.exec())
            return failed(remove, error);
    }
    update.finish();
    remove.finish();
    return transaction.commit(error);
}

namespace {

// Each stored choice into `conventions`; one it does not know leaves the default, and says so.
bool readConventionValues(const QHash<QString, QString>& values, LenderConventions* c,
                          QString* error) {
    QStringList unknown;
    const auto read = [&](const char* setting, const char* what, auto parse, auto& into) {
        const auto it = values.constFind(QString::fromLatin1(setting));
        if (it == values.constEnd())
            return;
        if (const auto value = parse(*it))
            into = *value;
        else
            unknown << QStringLiteral("%1 '%2'").arg(
                QCoreApplication::translate("AccountStore", what), *it);
    };
    read(Conventions::DayCountSetting, QT_TRANSLATE_NOOP("AccountStore", "day count"),
         Conventions::dayCountFromWord, c->dayCount);
    read(Conventions::RoundingSetting, QT_TRANSLATE_NOOP("AccountStore", "rounding"),
         Conventions::roundingFromWord, c->rounding);
    read(Conventions::RestSetting, QT_TRANSLATE_NOOP("AccountStore", "rest"),
         Conventions::restFromWord, c->rest);
    read(Conventions::CompoundingSetting, QT_TRANSLATE_NOOP("AccountStore", "compounding"),
         Conventions::compoundingFromWord, c->compounding);
    read(Conventions::PerYearSetting, QT_TRANSLATE_NOOP("AccountStore", "periods a year"),
         Conventions::perYearFromWord, c->perYear);
    // Choices that cannot go together (equal periods rounded each day) are not the lender's:
    // the defaults stand, and the user is told.
    if (unknown.isEmpty() && !Conventions::refusal(*c).isEmpty()) {
        const QString why = Conventions::refusal(*c);
        *c = LenderConventions();
        if (error)
            *error = QCoreApplication::translate(
                         "AccountStore", "The account's lender's conventions cannot be worked with "
                                         "together (%1); the defaults are used instead.")
                         .arg(why);
        return false;
    }
    if (unknown.isEmpty())
        return true;
    if (error)
        *error = QCoreApplication::translate("AccountStore",
                                             "The account holds a lender's %1 that this version of "
                                             "Vantrell does not know; the default is used instead.")
                     //: Joins two of the lender's settings: "day count 'x' and a rounding 'y'".
                     .arg(unknown.join(QCoreApplication::translate("AccountStore", " and a ")));
    return false;
}

} // namespace

bool readConventions(QSqlDatabase db, LenderConventions* conventions, QString* error) {
    *conventions = LenderConventions();
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select count(*) from sqlite_schema where type = 'table' and "
                               "name = 'tblSettings' collate nocase")) ||
        !q.next())
        return failed(q, error);
    if (q.value(0).toInt() == 0)
        return true;
    if (!q.prepare(QStringLiteral("select Name, Value from tblSettings where Name in (?, ?, ?, ?, "
                                  "?) order by ID")))
        return failed(q, error);
    const char* const names[] = {Conventions::DayCountSetting, Conventions::RoundingSetting,
                                 Conventions::RestSetting, Conventions::CompoundingSetting,
                                 Conventions::PerYearSetting};
    for (const char* name : names)
        q.addBindValue(QString::fromLatin1(name));
    if (!q.exec())
        return failed(q, error);
    // The last row of a name counts.
    QHash<QString, QString> values;
    while (q.next())
        values.insert(q.value(0).toString(), q.value(1).toString());
    if (q.lastError().isValid())
        return failed(q, error);
    return readConventionValues(values, conventions, error);
}

bool writeConventions(QSqlDatabase db, const LenderConventions& conventions, QString* error,
                      bool ownTransaction) {
    QVector<std::pair<QString, QString>> settings = {
        {Conventions::DayCountSetting, Conventions::word(conventions.dayCount)},
        {Conventions::RoundingSetting, Conventions::word(conventions.rounding)}};
    // The later choices go in only once one is made, so that a file that never had them stays
    // as it was; once there, they are kept up to date.
    if (conventions.beyondDaily() ||
        readSetting(db, QString::fromLatin1(Conventions::RestSetting))) {
        settings.append({Conventions::RestSetting, Conventions::word(conventions.rest)});
        settings.append(
            {Conventions::CompoundingSetting, Conventions::word(conventions.compounding)});
        settings.append({Conventions::PerYearSetting, QString::number(conventions.perYear)});
    }
    return writeSettings(db, settings, error, ownTransaction);
}

bool readOffset(QSqlDatabase db, OffsetAccount* offset, QString* error) {
    *offset = OffsetAccount();
    sqlite3* handle = handleOf(db);
    Statement present(handle, "select count(*), sum(name = 'tblSettings' collate nocase) from "
                              "sqlite_schema where type = 'table' and name in "
                              "('tblOffsetBalances', 'tblSettings') collate nocase");
    if (!present.ok() || present.step() != SQLITE_ROW)
        return failed(handle, error);
    const bool hasSettings = sqlite3_column_int64(present, 1) > 0;
    if (sqlite3_column_int64(present, 0) < (hasSettings ? 2 : 1))
        return true;
    // A row without a readable date or balance says nothing about any day: it is left out.
    Statement q(handle, "select ID, Date, Balance from tblOffsetBalances order by Date, ID");
    if (!q.ok())
        return failed(handle, error);
    QVector<OffsetBalance> balances;
    int rc = SQLITE_ROW;
    while ((rc = q.step()) == SQLITE_ROW) {
        const QDate date = StoredValue::date(q, 1);
        const std::optional<Money> balance = StoredValue::money(q, 2).money();
        if (date.isValid() && balance)
            balances.append({sqlite3_column_int64(q, 0), date, *balance});
    }
    if (rc != SQLITE_DONE)
        return failed(handle, error);
    offset->balances = Offset::byDate(std::move(balances));

    if (!hasSettings)
        return true;
    Statement settings(handle, "select Name, Value from tblSettings where Name in "
                               "('OffsetAccount', 'OffsetShare') order by ID");
    if (!settings.ok())
        return failed(handle, error);
    // Open refuses a name stored twice; the report tool reads what Open would accept.
    std::optional<QString> badShare;
    std::optional<QString> badEnabled;
    while ((rc = settings.step()) == SQLITE_ROW) {
        const QString name =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(settings, 0)));
        const QString value =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(settings, 1)));
        if (name == QLatin1String(Offset::EnabledSetting)) {
            const QString word = value.trimmed().toLower();
            offset->enabled = word == QLatin1String("yes");
            badEnabled = word == QLatin1String("yes") || word == QLatin1String("no")
                             ? std::nullopt
                             : std::optional<QString>(value);
        } else {
            const std::optional<int> share = Offset::shareFromStorage(value);
            offset->share = share.value_or(Offset::FullShare);
            badShare = share ? std::nullopt : std::optional<QString>(value);
        }
    }
    if (rc != SQLITE_DONE)
        return failed(handle, error);
    QStringList problems;
    if (badEnabled)
        problems << QCoreApplication::translate(
                        "AccountStore",
                        "The account's offset account setting is '%1', neither yes nor "
                        "no; the loan is taken to have no offset account.")
                        .arg(*badEnabled);
    if (badShare)
        problems << QCoreApplication::translate(
                        "AccountStore", "The account holds an offset share of '%1', which is not a "
                                        "per cent from 0 to 100; 100 is used instead.")
                        .arg(*badShare);
    if (!problems.isEmpty()) {
        if (error)
            *error = problems.join(QLatin1Char(' '));
        return false;
    }
    return true;
}

std::optional<QString> readSetting(QSqlDatabase db, const QString& name) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select count(*) from sqlite_schema where type = 'table' and "
                               "name = 'tblSettings' collate nocase")) ||
        !q.next() || q.value(0).toInt() == 0)
        return std::nullopt;
    if (!q.prepare(QStringLiteral("select Value from tblSettings where Name = ?")))
        return std::nullopt;
    q.addBindValue(name);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return q.value(0).isNull() ? QString() : q.value(0).toString();
}

bool writeSetting(QSqlDatabase db, const QString& name, const QString& value, QString* error) {
    return writeSettings(db, {{name, value}}, error, true);
}

bool writeOffsetSettings(QSqlDatabase db, bool enabled, int share, QString* error) {
    return writeSettings(
        db,
        {{Offset::EnabledSetting, enabled ? QStringLiteral("yes") : QStringLiteral("no")},
         {Offset::ShareSetting, Offset::shareToStorage(share)}},
        error, true);
}

bool addOffsetBalances(QSqlDatabase db, const QVector<OffsetBalance>& balances, QString* error) {
    if (balances.isEmpty())
        return true;
    TransactionGuard transaction(db);
    if (!transaction.begun(error))
        return false;
    QSqlQuery insert(db);
    if (!insert.prepare(
            QStringLiteral("insert into tblOffsetBalances (Date, Balance) values (?, ?)")))
        return failed(insert, error);
    for (const OffsetBalance& b : balances) {
        insert.bindValue(0, ShortDate::toIso(b.date));
        insert.bindValue(1, b.balance.raw());
        if (!insert.exec())
            return failed(insert, error);
    }
    insert.finish();
    return transaction.commit(error);
}

} // namespace AccountStore
