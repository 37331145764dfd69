#include "TransactionGuard.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

TransactionGuard::TransactionGuard(QSqlDatabase db) : m_db(db) {
    m_active = m_db.isOpen() && run("BEGIN IMMEDIATE");
}

TransactionGuard::~TransactionGuard() {
    if (m_active)
        run("ROLLBACK");
}

bool TransactionGuard::commit() {
    if (!m_active) {
        if (m_error.isEmpty())
            m_error = QCoreApplication::translate("TransactionGuard", "No transaction is open.");
        return false;
    }
    if (run("COMMIT")) {
        m_active = false;
        return true;
    }
    const QString error = m_error;
    run("ROLLBACK");
    m_active = false;
    m_error = error;
    return false;
}

bool TransactionGuard::run(const char* sql) {
    QSqlQuery q(m_db);
    if (q.exec(QString::fromLatin1(sql)))
        return true;
    m_error = q.lastError().text();
    return false;
}

bool TransactionGuard::begun(QString* error) const {
    if (!m_active && error)
        *error = m_error;
    return m_active;
}

bool TransactionGuard::commit(QString* error) {
    const bool done = commit();
    if (!done && error)
        *error = m_error;
    return done;
}
