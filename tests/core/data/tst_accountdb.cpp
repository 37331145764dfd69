// The account file: a fresh account answers every query, the two history orders put a day's
// rows where the windows expect them, and the file refuses values of the wrong kind.
#include "data/AccountConnection.h"
#include "data/AccountSchema.h"
#include "data/Queries.h"
#include "data/RecordSet.h"
#include "support/AccountFixture.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

class TestAccountDb : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    QString m_account;

    QStringList ids(const char* sql) {
        AccountConnection c;
        if (!c.open(m_account))
            return {"cannot open"};
        RecordSet rs(c.database(), sql);
        if (!rs.open())
            return {rs.lastError()};
        QStringList result;
        for (int i = 0; i < rs.recordCount(); ++i)
            result << rs.valueAt(i, rs.fieldIndex("ID")).toString();
        return result;
    }

private slots:
    void init() {
        m_fixture = std::make_unique<AccountFixture>();
        m_account = m_fixture->newAccount();
    }
    void cleanup() { m_fixture.reset(); }

    void freshAccountAnswersEveryQuery() {
        AccountConnection c;
        QVERIFY2(c.open(m_account), qPrintable(c.lastError()));
        for (const char* sql : Queries::All) {
            RecordSet rs(c.database(), sql);
            QVERIFY2(rs.open(), qPrintable(QString(sql) + ": " + rs.lastError()));
            QCOMPARE(rs.recordCount(), 0);
        }
        QCOMPARE(AccountFixture::column(m_account, "pragma user_version"),
                 QStringList{QString::number(AccountSchema::CurrentVersion)});
    }

    void templateIsAnEmptyAccount() {
        QString error;
        QVERIFY2(AccountDatabase::isAccountFile(m_fixture->path("Blank.mdb"), &error),
                 qPrintable(error));
        for (const QString& table : AccountDatabase::tableNames())
            QCOMPARE(AccountFixture::column(m_fixture->path("Blank.mdb"),
                                            "select count(*) from " + table),
                     QStringList{"0"});
    }

    // On one day: a balance row in debit and a transaction without interest, then the
    // lender's interest charge, and a row with nothing filled in at all.
    void historyOrdersPutADaysRowsInPlace() {
        AccountFixture::exec(m_account,
                             "insert into tblAllRecords (ID, Date, Deposit, InterestPayment, "
                             "CloseBalance) values "
                             "(1, '2024-03-01', 50000, NULL, 0),"
                             "(2, '2024-03-01', NULL, 120000, 0),"
                             "(3, '2024-03-01', NULL, NULL, -9990000),"
                             "(4, '2024-02-28', 1, NULL, NULL),"
                             "(5, NULL, NULL, NULL, NULL)");
        // Empty values sort first; a balance row in debit before the day's transactions.
        QCOMPARE(ids(Queries::AllRecordsView), (QStringList{"5", "4", "3", "1", "2"}));
        // The report: rows without an interest charge first, the lender's charge last.
        QCOMPARE(ids(Queries::AllRecordsReport), (QStringList{"5", "4", "1", "3", "2"}));
        QCOMPARE(ids(Queries::AllRecordsLastBalance), (QStringList{"5", "4", "1", "2", "3"}));
    }

    void fileRefusesValuesOfTheWrongKind_data() {
        QTest::addColumn<QString>("sql");
        QTest::newRow("money as text") << "insert into tblAllRecords (Deposit) values ('12.50')";
        QTest::newRow("money as real") << "insert into tblAllRecords (Deposit) values (12.5)";
        QTest::newRow("date not ISO") << "insert into tblAllRecords (Date) values ('3/1/2024')";
        QTest::newRow("impossible date")
            << "insert into tblAllRecords (Date) values ('2023-02-29')";
        QTest::newRow("date with time")
            << "insert into tblReport (Date) values ('2024-03-01 10:00')";
        QTest::newRow("rate as text")
            << "insert into tblInterestChanges (InterestRate) values ('7.25%')";
        QTest::newRow("statement number beyond 16 bits")
            << "insert into tblNumber (StatementNumber) values (40000)";
        QTest::newRow("day as a blob") << "insert into tblCalcTo (CalcFrom) values (x'3135')";
    }
    void fileRefusesValuesOfTheWrongKind() {
        QFETCH(QString, sql);
        AccountConnection c;
        QVERIFY(c.open(m_account));
        QSqlQuery q(c.database());
        QVERIFY(!q.exec(sql));
        QVERIFY(q.lastError().text().contains("CHECK constraint failed"));
    }

    void openingNeverCreatesAFile() {
        AccountConnection c;
        const QString missing = m_fixture->dataFolder() + "Missing.mdb";
        QVERIFY(!c.open(missing));
        QVERIFY(c.lastError().contains("Missing.mdb"));
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(AccountConnection::openCount(missing), 0);
    }

    void connectionsAreCounted() {
        {
            AccountConnection a, b;
            QVERIFY(a.open(m_account));
            QVERIFY(b.open(m_account));
            QCOMPARE(AccountConnection::openCount(m_account), 2);
        }
        QCOMPARE(AccountConnection::openCount(m_account), 0);
    }

    void onlyAccountFilesAreAccounts_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("sql");
        QTest::newRow("text file") << QByteArray("hello, this is not a database") << "";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("sqlite without the tables") << QByteArray() << "create table t(x)";
        QTest::newRow("account missing a column")
            << QByteArray() << "drop table tblNumber; create table tblNumber(ID integer)";
    }
    void onlyAccountFilesAreAccounts() {
        QFETCH(QByteArray, content);
        QFETCH(QString, sql);
        const QString file = m_fixture->dataFolder() + "Other.mdb";
        if (sql.startsWith("drop")) {
            QVERIFY(QFile::copy(m_account, file));
            for (const QString& s : sql.split(';'))
                AccountFixture::exec(file, s);
        } else if (!sql.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            AccountFixture::exec(file, sql);
        } else {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QString error;
        QVERIFY(!AccountDatabase::isAccountFile(file, &error));
        QVERIFY(error.contains("not a loan account"));
    }

    // A crafted file must not run code of its own: with defensive mode the schema cannot be
    // rewritten through the connection, and functions with side effects stay out of views.
    void connectionsAreHardened() {
        AccountConnection c;
        QVERIFY(c.open(m_account));
        QSqlQuery q(c.database());
        QVERIFY(q.exec("pragma trusted_schema"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 0);
        QVERIFY(q.exec("pragma writable_schema=ON"));
        QVERIFY(!q.exec("update sqlite_master set sql='x' where name='tblNumber'"));
    }
};

QTEST_GUILESS_MAIN(TestAccountDb)
#include "tst_accountdb.moc"
