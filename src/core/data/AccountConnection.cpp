#include "AccountConnection.h"

#include "AccountSchema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <sqlite3.h>

namespace {

QHash<QString, int>& openConnections() {
    static QHash<QString, int> counts;
    return counts;
}

QString countKey(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

sqlite3* handleOf(const QSqlDatabase& db) {
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.data());
}

} // namespace

AccountConnection::~AccountConnection() {
    close();
}

bool AccountConnection::open(const QString& path) {
    close();
    m_error.clear();
    if (!QFileInfo(path).isFile()) {
        m_error =
            QCoreApplication::translate("AccountConnection", "Could not find file '%1'.").arg(path);
        return false;
    }
    static int serial = 0;
    m_name = QStringLiteral("account-%1").arg(++serial);
    m_db = QSqlDatabase::addDatabase("QSQLITE", m_name);
    m_db.setDatabaseName(path);
    m_db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=2000");
    if (!m_db.open()) {
        m_error = m_db.lastError().text();
        close();
        return false;
    }
    if (!AccountDatabase::harden(handleOf(m_db))) {
        m_error = QCoreApplication::translate("AccountConnection",
                                              "The account file '%1' could not be opened safely.")
                      .arg(path);
        close();
        return false;
    }
    m_path = path;
    ++openConnections()[countKey(path)];
    return true;
}

void AccountConnection::close() {
    if (m_name.isEmpty())
        return;
    if (m_db.isOpen()) {
        m_db.close();
        const QString key = countKey(m_path);
        if (--openConnections()[key] <= 0)
            openConnections().remove(key);
    }
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
    m_path.clear();
}

int AccountConnection::openCount(const QString& path) {
    return openConnections().value(countKey(path));
}

namespace AccountDatabase {

const QStringList& tableNames() {
    static const QStringList names = {"tblAllRecords", "tblThisSession", "tblInterestChanges",
                                      "tblCalcTo",     "tblNumber",      "tblReport"};
    return names;
}

bool harden(sqlite3* handle) {
    if (!handle)
        return false;
    int on = 0;
    if (sqlite3_db_config(handle, SQLITE_DBCONFIG_DEFENSIVE, 1, &on) != SQLITE_OK || on != 1)
        return false;
    if (sqlite3_db_config(handle, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &on) != SQLITE_OK || on != 0)
        return false;
    return sqlite3_exec(handle, "PRAGMA trusted_schema=OFF", nullptr, nullptr, nullptr) ==
           SQLITE_OK;
}

bool createFromSchema(const QString& path, QString* error) {
    QFile schemaFile(":/schema.sql");
    if (!schemaFile.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("AccountConnection",
                                             "The account schema is missing from the program.");
        return false;
    }
    const QByteArray schema = schemaFile.readAll();
    if (QFileInfo::exists(path)) {
        *error =
            QCoreApplication::translate("AccountConnection", "File already exists: %1").arg(path);
        return false;
    }
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK && !harden(db))
        rc = SQLITE_ERROR;
    char* message = nullptr;
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, schema.constData(), nullptr, nullptr, &message);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        *error = message ? QString::fromUtf8(message) : QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_free(message);
        sqlite3_close(db);
        QFile::remove(path);
        return false;
    }
    sqlite3_close(db);
    return true;
}

bool hasDatabaseHeader(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray("SQLite format 3\0", 16);
}

int openReadOnly(const QString& path, sqlite3** db) {
    *db = nullptr;
    // Bytes 18 and 19 of the header are 2 in WAL mode.
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(20) : QByteArray();
    const bool wal = header.size() == 20 && header[18] == 2 && header[19] == 2;
    const bool pending = QFileInfo::exists(path + QStringLiteral("-wal"));
    int rc = SQLITE_OK;
    if (wal && !pending) {
        const QByteArray uri =
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded() + "?immutable=1";
        rc = sqlite3_open_v2(uri.constData(), db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    } else {
        rc = sqlite3_open_v2(path.toUtf8().constData(), db, SQLITE_OPEN_READONLY, nullptr);
    }
    if (rc == SQLITE_OK && !harden(*db))
        rc = SQLITE_ERROR;
    return rc;
}

bool isAccountFile(const QString& path, QString* error) {
    if (!QFileInfo::exists(path)) {
        *error =
            QCoreApplication::translate("AccountConnection", "Could not find file '%1'.").arg(path);
        return false;
    }
    if (!hasDatabaseHeader(path)) {
        *error =
            QCoreApplication::translate("AccountConnection", "'%1' is not a loan account file.")
                .arg(path);
        return false;
    }
    sqlite3* db = nullptr;
    FileError e;
    if (openReadOnly(path, &db) != SQLITE_OK) {
        e = FileError{
            FileError::NotAnAccount,
            QCoreApplication::translate("AccountConnection", "'%1' is not a loan account file.")
                .arg(path)};
    } else {
        int version = 0;
        e = AccountSchema::check(db, path, &version);
    }
    sqlite3_close(db);
    if (e)
        *error = e.text;
    return !e;
}

// Copies the account at `path` into the in-memory database `memory`, reading the file read-only.
// "" on success, else what is wrong.
QString copyIntoMemory(const QString& path, QSqlDatabase& memory) {
    if (!QFileInfo(path).isFile())
        return QCoreApplication::translate("AccountConnection", "Could not find file '%1'.")
            .arg(path);

    sqlite3* file = nullptr;
    int rc = openReadOnly(path, &file);
    // The program may be saving to it just now: wait for that as its windows do.
    if (rc == SQLITE_OK)
        rc = sqlite3_busy_timeout(file, 2000);
    // The first read finds a journal left by a crash: read-only, it cannot be rolled back.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(file, "select count(*) from sqlite_schema", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const bool hotJournal = sqlite3_extended_errcode(file) == SQLITE_READONLY_ROLLBACK;
        sqlite3_close(file);
        if (hotJournal)
            return QCoreApplication::translate(
                       "AccountConnection",
                       "The account file '%1' was left half-written when a program "
                       "stopped. Open it in Vantrell once to repair it, then run the "
                       "report again.")
                .arg(path);
        QString error;
        if (!isAccountFile(path, &error))
            return error;
        return QCoreApplication::translate("AccountConnection",
                                           "The account file '%1' cannot be read.")
            .arg(path);
    }
    QString error;
    if (!isAccountFile(path, &error)) {
        sqlite3_close(file);
        return error;
    }

    sqlite3* target = handleOf(memory);
    if (!target || !harden(target)) {
        sqlite3_close(file);
        return QCoreApplication::translate("AccountConnection",
                                           "The account file '%1' could not be opened safely.")
            .arg(path);
    }
    sqlite3_backup* backup = sqlite3_backup_init(target, "main", file, "main");
    rc = backup ? sqlite3_backup_step(backup, -1) : SQLITE_ERROR;
    const int finished = backup ? sqlite3_backup_finish(backup) : SQLITE_ERROR;
    if (rc != SQLITE_DONE || finished != SQLITE_OK)
        error = QCoreApplication::translate("AccountConnection",
                                            "The account file '%1' cannot be read: %2")
                    .arg(path, QString::fromUtf8(sqlite3_errmsg(target)));
    sqlite3_close(file);
    return error;
}

bool hasColumn(QSqlDatabase db, const QString& table, const QString& column) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("select count(*) from pragma_table_info(?) where name = ? "
                             "collate nocase"));
    q.addBindValue(table);
    q.addBindValue(column);
    return q.exec() && q.next() && q.value(0).toInt() > 0;
}

} // namespace AccountDatabase
