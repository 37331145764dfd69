#pragma once

#include <QString>
#include <QTemporaryDir>

// A program folder of its own in a temporary directory (Blank.mdb, the OFX reader's child program,
// Data/ with the help pages) and fresh account files in it. Points ProgramPaths at it for the
// test's lifetime.
class AccountFixture {
public:
    AccountFixture();
    ~AccountFixture();

    bool isValid() const { return m_dir.isValid(); }
    QString programFolder() const { return m_dir.path(); }
    QString dataFolder() const { return m_dir.path() + "/Data/"; }
    QString path(const QString& relative) const { return m_dir.filePath(relative); }

    // A new empty account in the Data folder (or at an absolute path).
    QString newAccount(const QString& name = QStringLiteral("HomeLoan1.mdb"));

    // Runs one SQL statement on the account (for setting up rows); fails the test on error.
    static void exec(const QString& account, const QString& sql);
    // First column of every row of a query.
    static QStringList column(const QString& account, const QString& sql);

    static QByteArray sha256(const QString& file);

private:
    QTemporaryDir m_dir;
};
