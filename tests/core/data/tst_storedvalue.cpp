// The one reading of stored values: through Qt SQL and straight from SQLite, every kind of value
// another tool may have written reads the same both ways, and only the stored form reads.
#include "data/StoredValue.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTest>
#include <sqlite3.h>

class TestStoredValue : public QObject {
    Q_OBJECT
private slots:
    void bothReadingsAgree_data();
    void bothReadingsAgree();
};

void TestStoredValue::bothReadingsAgree_data() {
    QTest::addColumn<QString>("sql"); // one value, as SQLite stores it
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("number");
    // "empty", "?" unreadable, else the value read.
    QTest::newRow("null") << "null"
                          << "empty"
                          << "empty"
                          << "empty";
    QTest::newRow("integer") << "1234500"
                             << "123.45"
                             << "?"
                             << "1234500";
    QTest::newRow("money as text") << "'123.45'"
                                   << "?"
                                   << "?"
                                   << "?";
    QTest::newRow("real") << "7.25"
                          << "?"
                          << "?"
                          << "7.25";
    QTest::newRow("ISO date") << "'2024-02-29'"
                              << "?"
                              << "2024-02-29"
                              << "?";
    QTest::newRow("no such day") << "'2023-02-29'"
                                 << "?"
                                 << "?"
                                 << "?";
    QTest::newRow("date without zeros") << "'2024-2-9'"
                                        << "?"
                                        << "?"
                                        << "?";
    QTest::newRow("date with a time") << "'2024-02-29 10:00'"
                                      << "?"
                                      << "?"
                                      << "?";
}

void TestStoredValue::bothReadingsAgree() {
    QFETCH(QString, sql);
    QFETCH(QString, money);
    QFETCH(QString, date);
    QFETCH(QString, number);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "values");
        db.setDatabaseName(":memory:");
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec("select " + sql) && q.next());
        const QVariant v = q.value(0);

        const StoredMoney m = StoredValue::money(v);
        const QString readMoney = m.isEmpty() ? "empty" : m.money() ? m.value.toPlainText() : "?";
        QCOMPARE(readMoney, money);
        bool bad = false;
        const QDate d = StoredValue::date(v, &bad);
        QCOMPARE(d.isValid() ? d.toString(Qt::ISODate) : bad ? "?" : "empty", date);
        const std::optional<double> n = StoredValue::number(v, &bad);
        QCOMPARE(n ? QString::number(*n, 'g', 12) : bad ? "?" : "empty", number);

        // The same value read from SQLite's own statement.
        sqlite3* handle = *static_cast<sqlite3* const*>(db.driver()->handle().data());
        sqlite3_stmt* stmt = nullptr;
        QCOMPARE(
            sqlite3_prepare_v2(handle, ("select " + sql).toUtf8().constData(), -1, &stmt, nullptr),
            SQLITE_OK);
        QCOMPARE(sqlite3_step(stmt), SQLITE_ROW);
        const StoredMoney rawMoney = StoredValue::money(stmt, 0);
        QCOMPARE(int(rawMoney.state), int(m.state));
        QCOMPARE(rawMoney.value, m.value);
        QCOMPARE(StoredValue::date(stmt, 0), d);
        QCOMPARE(StoredValue::number(stmt, 0), n);
        sqlite3_finalize(stmt);
    }
    QSqlDatabase::removeDatabase("values");
}

QTEST_GUILESS_MAIN(TestStoredValue)
#include "tst_storedvalue.moc"
