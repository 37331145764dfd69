#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

struct sqlite3;

// One window's connection to the account file. Opening never creates a file: a missing account
// is an error, not a new empty database. Every connection is hardened (defensive mode, untrusted
// schema) so that a crafted file cannot run code of its own through triggers or views.
class AccountConnection {
public:
    AccountConnection() = default;
    ~AccountConnection();
    AccountConnection(const AccountConnection&) = delete;
    AccountConnection& operator=(const AccountConnection&) = delete;

    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_db.isOpen(); }
    QSqlDatabase database() const { return m_db; }
    QString path() const { return m_path; }
    QString lastError() const { return m_error; }

    // How many connections are open on `path` in this process (New and Open must see 0).
    static int openCount(const QString& path);

private:
    QSqlDatabase m_db;
    QString m_name;
    QString m_path;
    QString m_error;
};

namespace AccountDatabase {

// The six tables every account file has.
const QStringList& tableNames();

// Applies the schema to a new file (the template builder and test fixtures use it).
bool createFromSchema(const QString& path, QString* error);

// True when `path` can be read and starts like an SQLite file.
bool hasDatabaseHeader(const QString& path);

// Opens `path` read-only, hardened, without leaving anything beside it: SQLite reading a file in
// WAL mode makes a -wal and -shm next to it that a read-only connection cannot remove, so such a
// file with no write-ahead log pending is read as it stands. SQLITE_OK or SQLite's error code;
// `*db` is to be closed either way.
int openReadOnly(const QString& path, sqlite3** db);

// True when `path` is an account this program accepts (see AccountSchema::check), read without
// changing it; otherwise `error` says why not.
bool isAccountFile(const QString& path, QString* error);

// Copies the account at `path`, read read-only (openReadOnly) and checked as Open checks it,
// into the open in-memory database `memory`: what the command-line tools work on, so that the
// file itself is never written. "" on success, else what is wrong.
QString copyIntoMemory(const QString& path, QSqlDatabase& memory);

// Sets defensive mode and turns off trusted schema on a raw handle.
bool harden(sqlite3* handle);

// Whether `table` of the open account has `column`: a column of a later layout is read and
// written only where the file has it (a file the tools read without bringing it up to date).
bool hasColumn(QSqlDatabase db, const QString& table, const QString& column);

} // namespace AccountDatabase
