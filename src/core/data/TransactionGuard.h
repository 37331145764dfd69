#pragma once

#include <QSqlDatabase>
#include <QString>

// One SQLite transaction for a write that must happen whole or not at all. It begins IMMEDIATE,
// so the write lock is taken at once rather than on the first write (two windows that both read
// first and then write cannot then wait on each other), and rolls back when it goes out of scope
// without commit().
class TransactionGuard {
public:
    explicit TransactionGuard(QSqlDatabase db);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    // False when the transaction could not begin; nothing may be written then.
    bool isActive() const { return m_active; }
    // Makes the writes permanent; false (and rolled back) when the commit fails.
    bool commit();
    QString lastError() const { return m_error; }

    // The same, each copying the error into `error` (when given) on failure: the step every
    // writer of the account takes.
    bool begun(QString* error) const;
    bool commit(QString* error);

private:
    bool run(const char* sql);

    QSqlDatabase m_db;
    bool m_active = false;
    QString m_error;
};
