#include "AccountSchema.h"

#include "AmountColumns.h"
#include "ColumnKind.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringList>
#include <sqlite3.h>
#include <utility>
#include <vector>

namespace {

// Columns the program reads from each table, in the order the checks report them. Further
// columns are allowed: no behaviour depends on them.
const std::vector<std::pair<QString, QStringList>>& requiredColumns() {
    const QStringList& amounts = AmountColumns::fieldNames();
    static const QStringList history = QStringList{"ID", "Date"} + amounts +
                                       QStringList{"OpenBalance", "CloseBalance", "InterestDue"};
    static const std::vector<std::pair<QString, QStringList>> columns = {
        {"tblAllRecords", history},
        {"tblThisSession", QStringList{"ID", "Date"} + amounts + QStringList{"Balance"}},
        {"tblInterestChanges", {"ID", "ValidFrom", "ValidTo", "InterestRate"}},
        {"tblCalcTo", {"ID", "CalcFrom", "CalcTo"}},
        {"tblNumber", {"ID", "StatementNumber"}},
        {"tblReport", history},
    };
    return columns;
}

// The tables that keep the bank's id of each transaction, from layout 5.
const QStringList BankIdTables = {QStringLiteral("tblAllRecords"),
                                  QStringLiteral("tblThisSession")};

// The tables of later layouts, each with the version that added it: checked in files of that
// version and in older files that already hold one of the name.
struct LaterTable {
    int version;
    std::pair<QString, QStringList> columns;
};
const std::vector<LaterTable>& laterTables() {
    static const std::vector<LaterTable> tables = {
        {2, {"tblSettings", {"ID", "Name", "Value"}}},
        {3, {"tblOffsetBalances", {"ID", "Date", "Balance"}}},
        {4,
         {"tblRateTerms",
          {"ID", "ValidFrom", "Terms", "InterestRate", "ValidTo", "Series", "Margin", "LagDays",
           "NextMonth", "Rounding", "RoundingStep", "FirstChange", "ChangeMonths", "LookBackDays",
           "FirstCap", "EachCap", "LifeCap", "RateFloor"}}},
        {4, {"tblSeries", {"ID", "Series", "Name", "Publisher", "Source", "CoversTo"}}},
        {4, {"tblSeriesRates", {"ID", "Series", "Date", "InterestRate"}}},
    };
    return tables;
}

// The statement that makes `table`, as resources/schema.sql writes it: the one source of the
// layout, for the steps that bring an older file up to date.
QString createStatement(const QString& table) {
    QFile file(QStringLiteral(":/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString schema = QString::fromUtf8(file.readAll());
    const qsizetype start = schema.indexOf(QStringLiteral("CREATE TABLE %1 (").arg(table));
    const qsizetype end = start < 0 ? -1 : schema.indexOf(QStringLiteral("\n);"), start);
    return end < 0 ? QString() : schema.mid(start, end + 3 - start);
}

FileError missingLayout(const QString& path) {
    return FileError{FileError::AccessError,
                     QCoreApplication::translate(
                         "AccountSchema", "Could not bring '%1' up to date: the account layout is "
                                          "missing from the program.")
                         .arg(path)};
}

class Statement {
public:
    Statement(sqlite3* db, const QString& sql) {
        m_rc = sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &m_stmt, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    // True while a row is there; a failure ends the rows and stays in rc().
    bool next() {
        if (m_rc != SQLITE_OK && m_rc != SQLITE_ROW)
            return false;
        m_rc = sqlite3_step(m_stmt);
        return m_rc == SQLITE_ROW;
    }
    bool failed() const { return m_rc != SQLITE_OK && m_rc != SQLITE_ROW && m_rc != SQLITE_DONE; }
    int rc() const { return m_rc; }
    QString text(int column) const {
        return QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column)));
    }
    sqlite3_int64 integer(int column) const { return sqlite3_column_int64(m_stmt, column); }

private:
    sqlite3_stmt* m_stmt = nullptr;
    int m_rc = SQLITE_OK;
};

QString quoted(const QString& identifier) {
    return '"' + QString(identifier).replace('"', "\"\"") + '"';
}

FileError notAnAccount(const QString& path, const QString& why) {
    return FileError{
        FileError::NotAnAccount,
        QCoreApplication::translate("AccountSchema", "'%1' is not a loan account file: %2.")
            .arg(path, why)};
}

enum class Affinity { Integer, Text, Blob, Real, Numeric };

// SQLite's rules for the affinity of a declared column type.
Affinity affinityOf(const QString& declared) {
    const QString type = declared.toUpper();
    if (type.contains("INT"))
        return Affinity::Integer;
    if (type.contains("CHAR") || type.contains("CLOB") || type.contains("TEXT"))
        return Affinity::Text;
    if (type.isEmpty() || type.contains("BLOB"))
        return Affinity::Blob;
    if (type.contains("REAL") || type.contains("FLOA") || type.contains("DOUB"))
        return Affinity::Real;
    return Affinity::Numeric;
}

// The declared type a column of each kind needs, so that the values the program binds are
// stored as they are bound; "" when any will do.
QString neededType(ColumnKind kind, Affinity affinity) {
    switch (kind) {
    case ColumnKind::Money:
    case ColumnKind::Integer:
        return affinity == Affinity::Integer ? QString() : QStringLiteral("INTEGER");
    case ColumnKind::Date:
    case ColumnKind::Text:
        return affinity == Affinity::Text ? QString() : QStringLiteral("TEXT");
    case ColumnKind::Double:
        return affinity == Affinity::Real || affinity == Affinity::Numeric ? QString()
                                                                           : QStringLiteral("REAL");
    case ColumnKind::Key:
        break;
    }
    return {};
}

// The condition a stored value of each kind fails; the same rules as the CHECK constraints of
// resources/schema.sql, for files written without them.
QString wrongKind(ColumnKind kind, const QString& c) {
    switch (kind) {
    case ColumnKind::Money:
        return QStringLiteral("typeof(%1) <> 'integer'").arg(c);
    case ColumnKind::Integer:
        return QStringLiteral("typeof(%1) <> 'integer' or %1 not between -32768 and 32767").arg(c);
    case ColumnKind::Date:
        return QStringLiteral(
                   "typeof(%1) <> 'text' or length(%1) <> 10 or date(%1, '+0 days') is not %1")
            .arg(c);
    case ColumnKind::Double:
        return QStringLiteral("typeof(%1) not in ('real', 'integer')").arg(c);
    case ColumnKind::Text:
        return QStringLiteral("typeof(%1) <> 'text'").arg(c);
    case ColumnKind::Key:
        break;
    }
    return {};
}

FileError checkTable(sqlite3* db, const QString& path, const QString& table,
                     const QStringList& columns) {
    Statement kind(db, "select type, wr from pragma_table_list(?1) where schema = 'main'");
    kind.bind(1, table);
    if (!kind.next())
        return kind.failed() ? AccountSchema::queryError(db, kind.rc(), path)
                             : notAnAccount(path, QCoreApplication::translate("AccountSchema",
                                                                              "it has no table %1")
                                                      .arg(table));
    if (kind.text(0) == "view")
        return notAnAccount(
            path,
            QCoreApplication::translate("AccountSchema", "%1 is a view, not a table").arg(table));
    if (kind.text(0) != "table" || kind.integer(1) != 0)
        return notAnAccount(
            path,
            QCoreApplication::translate("AccountSchema", "%1 is not an ordinary table").arg(table));

    struct Declared {
        QString type;
        int pk = 0;
        int hidden = 0;
    };
    QHash<QString, Declared> declared;
    int keyColumns = 0;
    Statement info(db, "select name, type, pk, hidden from pragma_table_xinfo(?1)");
    info.bind(1, table);
    while (info.next()) {
        declared.insert(info.text(0).toLower(),
                        {info.text(1), int(info.integer(2)), int(info.integer(3))});
        keyColumns += info.integer(2) > 0 ? 1 : 0;
    }
    if (info.failed())
        return AccountSchema::queryError(db, info.rc(), path);

    for (const QString& column : columns) {
        const auto it = declared.constFind(column.toLower());
        if (it == declared.cend() || it->hidden != 0)
            return notAnAccount(
                path, QCoreApplication::translate("AccountSchema", "the table %1 has no column %2")
                          .arg(table, column));
        const ColumnKind kind = columnKind(column);
        if (kind == ColumnKind::Key) {
            // Only "INTEGER PRIMARY KEY" makes the key the row's own number, assigned by SQLite.
            if (it->pk != 1 || keyColumns != 1 || it->type.toUpper() != "INTEGER")
                return notAnAccount(
                    path, QCoreApplication::translate(
                              "AccountSchema", "the key ID of %1 is not assigned automatically")
                              .arg(table));
            continue;
        }
        if (const QString type = neededType(kind, affinityOf(it->type)); !type.isEmpty())
            return notAnAccount(path, QCoreApplication::translate(
                                          "AccountSchema", "the column %2 of %1 is not declared %3")
                                          .arg(table, column, type));
    }
    return {};
}

FileError checkValues(sqlite3* db, const QString& path, const QString& table,
                      const QStringList& columns) {
    for (const QString& column : columns) {
        const QString wrong = wrongKind(columnKind(column), quoted(column));
        if (wrong.isEmpty())
            continue;
        Statement first(db, QStringLiteral("select ID from %1 where %2 is not null and (%3) "
                                           "order by ID limit 1")
                                .arg(quoted(table), quoted(column), wrong));
        if (first.next())
            return notAnAccount(path,
                                QCoreApplication::translate(
                                    "AccountSchema",
                                    "the column %2 of %1 holds a value of the wrong kind in the "
                                    "row with ID %3")
                                    .arg(table, column)
                                    .arg(first.integer(0)));
        if (first.failed())
            return AccountSchema::queryError(db, first.rc(), path);
    }
    return {};
}

} // namespace

namespace AccountSchema {

FileError queryError(sqlite3* db, int rc, const QString& path) {
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return inUse(path);
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return FileError{FileError::AccessError,
                         QCoreApplication::translate("AccountSchema", "Could not read '%1': %2")
                             .arg(path, message)};
    case SQLITE_FULL:
        return FileError{FileError::DiskFull,
                         QCoreApplication::translate("AccountSchema", "Could not read '%1': %2")
                             .arg(path, message)};
    default:
        return notAnAccount(path, message);
    }
}

FileError inUse(const QString& path) {
    return FileError{
        FileError::AccessError,
        QCoreApplication::translate("AccountSchema",
                                    "The account '%1' is in use by another program. Close that "
                                    "program, then open the account again.")
            .arg(path)};
}

FileError check(sqlite3* db, const QString& path, int* version) {
    // The version first: a newer layout may well differ in everything checked below.
    Statement userVersion(db, "pragma user_version");
    if (!userVersion.next())
        return queryError(db, userVersion.rc(), path);
    *version = int(userVersion.integer(0));
    if (*version > CurrentVersion)
        return FileError{
            FileError::NotAnAccount,
            QCoreApplication::translate("AccountSchema",
                                        "'%1' was made by a newer version of Vantrell and cannot "
                                        "be opened by this one.")
                .arg(path)};

    // The tables of later layouts, and those an older file already holds, must be sound.
    std::vector<std::pair<QString, QStringList>> tables = requiredColumns();
    for (auto& [table, columns] : tables) {
        if (*version >= 3 && table == QLatin1String("tblReport"))
            columns << QStringLiteral("Offset");
        if (*version >= 5 && BankIdTables.contains(table))
            columns << QStringLiteral("FITID");
    }
    for (const LaterTable& later : laterTables()) {
        Statement present(db, "select count(*) from sqlite_schema where name = ?1 collate nocase");
        present.bind(1, later.columns.first);
        if (!present.next())
            return queryError(db, present.rc(), path);
        if (*version >= later.version || present.integer(0) > 0)
            tables.push_back(later.columns);
    }
    for (const auto& [table, columns] : tables) {
        if (FileError e = checkTable(db, path, table, columns))
            return e;
    }
    // A trigger or view would run code of its own on the account's rows.
    Statement extra(db, "select type, name from sqlite_schema where type in ('trigger', 'view') "
                        "order by rowid limit 1");
    if (extra.next())
        return notAnAccount(path, QCoreApplication::translate("AccountSchema", "it holds the %1 %2")
                                      .arg(extra.text(0), extra.text(1)));
    if (extra.failed())
        return queryError(db, extra.rc(), path);

    for (const auto& [table, columns] : tables) {
        if (FileError e = checkValues(db, path, table, columns))
            return e;
        // One value a setting: with two, which one counts would depend on the reader.
        if (table == QLatin1String("tblSettings")) {
            Statement twice(db, "select Name from tblSettings group by Name having count(*) > 1 "
                                "order by min(ID) limit 1");
            if (twice.next())
                return notAnAccount(
                    path,
                    QCoreApplication::translate(
                        "AccountSchema", "the table tblSettings holds the name '%1' more than once")
                        .arg(twice.text(0)));
            if (twice.failed())
                return queryError(db, twice.rc(), path);
        }
    }
    return {};
}

FileError upgrade(sqlite3* db, int fromVersion, const QString& path) {
    if (fromVersion >= CurrentVersion)
        return {};
    QString steps;
    // One step per later layout, applied in order from the file's version up. Version 0 (no
    // version kept) holds layout 1, which the checks have confirmed.
    // A later table the file already has passed the checks: it is kept as it is.
    for (const LaterTable& later : laterTables()) {
        if (fromVersion >= later.version)
            continue;
        const QString create = createStatement(later.columns.first);
        if (create.isEmpty())
            return missingLayout(path);
        steps += QString(create).replace(QStringLiteral("CREATE TABLE "),
                                         QStringLiteral("CREATE TABLE IF NOT EXISTS ")) +
                 QLatin1Char(';');
    }
    if (fromVersion < 3) {
        // The printed report's Offset column, unless another tool's file has one already.
        Statement offset(db, "select count(*) from pragma_table_info('tblReport') "
                             "where name = 'Offset' collate nocase");
        if (!offset.next())
            return queryError(db, offset.rc(), path);
        if (offset.integer(0) == 0)
            steps += QStringLiteral("alter table tblReport add column Offset INTEGER CHECK "
                                    "(Offset IS NULL OR typeof(Offset) = 'integer');");
    }
    if (fromVersion < 5) {
        // The bank's transaction ids, unless another tool's file has the column already.
        for (const QString& table : BankIdTables) {
            Statement fitId(db, QStringLiteral("select count(*) from pragma_table_info('%1') "
                                               "where name = 'FITID' collate nocase")
                                    .arg(table));
            if (!fitId.next())
                return queryError(db, fitId.rc(), path);
            if (fitId.integer(0) == 0)
                steps += QStringLiteral("alter table %1 add column FITID TEXT CHECK (FITID IS "
                                        "NULL OR typeof(FITID) = 'text');")
                             .arg(table);
        }
    }
    steps += QStringLiteral("pragma user_version = %1;").arg(CurrentVersion);

    char* message = nullptr;
    const QByteArray sql = ("begin immediate;" + steps + "commit;").toUtf8();
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        return {};
    const QString why =
        message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errstr(rc));
    sqlite3_free(message);
    sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
    return FileError{
        FileError::AccessError,
        QCoreApplication::translate("AccountSchema", "Could not bring '%1' up to date: %2")
            .arg(path, why)};
}

} // namespace AccountSchema
