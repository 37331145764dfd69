// The record set every window works through: moves, pending changes and their saving, the
// will-change event, and what other connections to the same file see.
#include "data/AccountConnection.h"
#include "data/Money.h"
#include "data/Queries.h"
#include "data/RecordSet.h"
#include "support/AccountFixture.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

class TestRecordSet : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    QString m_account;
    AccountConnection m_connection;

    // Three committed rows on three days, with their balances.
    void seedThreeRows() {
        AccountFixture::exec(m_account,
                             "insert into tblAllRecords (Date, Deposit, OpenBalance) values "
                             "('2024-01-01', 10000, -1000000), ('2024-01-02', 20000, -980000), "
                             "('2024-01-03', NULL, NULL)");
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_fixture = std::make_unique<AccountFixture>();
        m_account = m_fixture->newAccount();
        QVERIFY(m_connection.open(m_account));
    }
    void cleanup() {
        m_connection.close();
        m_fixture.reset();
    }

    void emptySetIsAtBothEnds() {
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QCOMPARE(rs.recordCount(), 0);
        QVERIFY(rs.isBOF());
        QVERIFY(rs.isEOF());
        QVERIFY(rs.moveFirst());
        QVERIFY(rs.moveLast());
        QVERIFY(!rs.moveNext());
        QVERIFY(!rs.lastError().isEmpty());
        QVERIFY(!rs.value("Date").isValid());
    }

    void movesReportPositions() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsLastBalance);
        QSignalSpy moved(&rs, &RecordSet::moveComplete);
        QVERIFY(rs.open());
        QCOMPARE(rs.absolutePosition(), 1);
        QVERIFY(rs.moveLast());
        QCOMPARE(rs.absolutePosition(), 3);
        QVERIFY(rs.moveNext());
        QVERIFY(rs.isEOF());
        QCOMPARE(rs.absolutePosition(), RecordSet::PosEOF);
        QVERIFY(!rs.moveNext());
        QVERIFY(rs.moveFirst());
        QVERIFY(rs.movePrevious());
        QVERIFY(rs.isBOF());
        QCOMPARE(rs.absolutePosition(), RecordSet::PosBOF);
        QVERIFY(rs.setAbsolutePosition(2));
        QCOMPARE(rs.value("Date").toDate(), QDate(2024, 1, 2));
        QCOMPARE(moved.count(), 6);
    }

    void valuesAreTyped() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QCOMPARE(rs.value("Date").toDate(), QDate(2024, 1, 1));
        QCOMPARE(rs.value("Deposit").value<Money>(), Money::fromRaw(10000));
        QCOMPARE(rs.text("OpenBalance"), QStringLiteral("-100"));
        QVERIFY(rs.value("GovtCharge").isNull());
        QCOMPARE(rs.text("GovtCharge"), QString());
    }

    void bookmarkSurvivesAdds() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsLastBalance);
        QVERIFY(rs.open());
        QVERIFY(rs.setAbsolutePosition(2));
        const RecordSet::Bookmark mark = rs.bookmark();
        QVERIFY(mark > 0);
        QVERIFY(rs.addNew());
        QVERIFY(rs.setValue("Date", QDate(2024, 2, 1)));
        QVERIFY(rs.update());
        QVERIFY(rs.setBookmark(mark));
        QCOMPARE(rs.value("Date").toDate(), QDate(2024, 1, 2));
        QVERIFY(!rs.setBookmark(mark + 1000));
    }

    // The balance pass of the all-records window depends on this: it changes a row and moves
    // on, and the row must be in the file.
    void movingOffAnEditedRowSavesIt() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QVERIFY(rs.setValue("Deposit", QVariant::fromValue(Money::fromRaw(12345600))));
        QVERIFY(rs.editPending());
        QVERIFY(rs.moveNext());
        QVERIFY(!rs.editPending());
        QCOMPARE(AccountFixture::column(m_account, "select Deposit from tblAllRecords where "
                                                   "Date='2024-01-01'"),
                 QStringList{"12345600"});
    }

    void eachSaveIsSeenByAnotherConnection_data() {
        QTest::addColumn<QString>("operation");
        QTest::newRow("update") << "update";
        QTest::newRow("add") << "add";
        QTest::newRow("delete") << "delete";
    }
    void eachSaveIsSeenByAnotherConnection() {
        QFETCH(QString, operation);
        seedThreeRows();
        AccountConnection other;
        QVERIFY(other.open(m_account));
        RecordSet writer(m_connection.database(), Queries::AllRecordsView);
        RecordSet reader(other.database(), Queries::AllRecordsView);
        QVERIFY(writer.open());
        QVERIFY(reader.open());
        if (operation == "update") {
            QVERIFY(writer.setValue("BankCharge", QStringLiteral("5")));
            QVERIFY(writer.updateBatch());
        } else if (operation == "add") {
            QVERIFY(writer.addNew());
            QVERIFY(writer.setValue("Date", QDate(2025, 1, 1)));
            QVERIFY(writer.update());
            QVERIFY(writer.value("ID").toLongLong() > 3);
        } else {
            QVERIFY(writer.deleteCurrent());
        }
        QVERIFY(reader.requery());
        const int expected = operation == "add" ? 4 : operation == "delete" ? 2 : 3;
        QCOMPARE(reader.recordCount(), expected);
        if (operation == "update")
            QCOMPARE(reader.value("BankCharge").value<Money>(), Money::fromRaw(50000));
        // No read lock is left behind: the reader's connection can write straight away.
        QSqlQuery q(other.database());
        QVERIFY(q.exec("update tblAllRecords set InterestDue = 1"));
    }

    void willChangeFiresBeforeTheWriteAndMayAlterTheRow() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QList<RecordSet::Reason> reasons;
        QStringList storedDuringEvent;
        connect(&rs, &RecordSet::willChangeRecord, this, [&](RecordSet::Reason reason) {
            reasons << reason;
            if (reason == RecordSet::Reason::Update) {
                storedDuringEvent = AccountFixture::column(
                    m_account, "select BankCharge from tblAllRecords where ID=1");
                rs.setValue("GovtCharge", QStringLiteral("7"));
            }
        });
        QVERIFY(rs.setValue("BankCharge", QStringLiteral("3")));
        QVERIFY(rs.update());
        QCOMPARE(reasons, (QList<RecordSet::Reason>{RecordSet::Reason::FirstChange,
                                                    RecordSet::Reason::Update}));
        QCOMPARE(storedDuringEvent, QStringList{"NULL"});
        QCOMPARE(AccountFixture::column(m_account, "select GovtCharge || '/' || BankCharge from "
                                                   "tblAllRecords where ID=1"),
                 QStringList{"70000/30000"});
    }

    void settingAnEqualValueChangesNothing() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QSignalSpy changing(&rs, &RecordSet::willChangeRecord);
        QVERIFY(rs.setValue("Deposit", QStringLiteral("1")));
        QVERIFY(rs.setValue("GovtCharge", QString()));
        QVERIFY(!rs.editPending());
        QCOMPARE(changing.count(), 0);
    }

    void badValuesAreRefusedAndTheRowKept_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("junk amount") << "Deposit"
                                     << "12abc";
        QTest::newRow("five decimals") << "Deposit"
                                       << "1.23456";
        QTest::newRow("impossible date") << "Date"
                                         << "2/30/2024";
        QTest::newRow("negative year") << "Date"
                                       << "1/1/-2024";
        QTest::newRow("key") << "ID"
                             << "99";
    }
    void badValuesAreRefusedAndTheRowKept() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        const QVariant before = rs.value(field);
        QVERIFY(!rs.setValue(field, text));
        QVERIFY(!rs.lastError().isEmpty());
        QCOMPARE(rs.value(field), before);
        QVERIFY(!rs.editPending());
    }

    // A row without its required value is never stored, by a save or a move; what was typed
    // stays pending until the value is given.
    void requiredValueRefusesTheSave() {
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        rs.setRequired("Date");
        QVERIFY(rs.addNew());
        QVERIFY(rs.setValue("Deposit", QStringLiteral("100")));
        QVERIFY(!rs.update());
        QVERIFY2(rs.lastError().contains("without a Date"), qPrintable(rs.lastError()));
        QVERIFY(rs.editPending());
        QCOMPARE(rs.value("Deposit").value<Money>(), Money::fromRaw(1000000));
        QCOMPARE(AccountFixture::column(m_account, "select count(*) from tblAllRecords"),
                 QStringList{"0"});
        QVERIFY(rs.setValue("Date", QStringLiteral("1/5/2024")));
        QVERIFY(rs.update());
        QCOMPARE(AccountFixture::column(m_account, "select Date from tblAllRecords"),
                 QStringList{"2024-01-05"});
    }

    void cancelUndoesThePendingChange() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QVERIFY(rs.setAbsolutePosition(2));
        QVERIFY(rs.setValue("Deposit", QStringLiteral("99")));
        rs.cancelUpdate();
        QCOMPARE(rs.value("Deposit").value<Money>(), Money::fromRaw(20000));
        // An abandoned new row disappears and the row before it is current again.
        QVERIFY(rs.addNew());
        QCOMPARE(rs.recordCount(), 4);
        rs.cancelUpdate();
        QCOMPARE(rs.recordCount(), 3);
        QCOMPARE(rs.absolutePosition(), 2);
        QCOMPARE(AccountFixture::column(m_account, "select count(*) from tblAllRecords"),
                 QStringList{"3"});
    }

    // A blank row would sort first in every date order and start the balances from nothing.
    void untouchedNewRowIsNeverStored_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("update") << "update";
        QTest::newRow("move away") << "move";
        QTest::newRow("requery") << "requery";
    }
    void untouchedNewRowIsNeverStored() {
        QFETCH(QString, how);
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QVERIFY(rs.addNew());
        if (how == "update")
            QVERIFY(rs.update());
        else if (how == "move")
            QVERIFY(rs.moveFirst());
        else
            QVERIFY(rs.requery());
        QCOMPARE(rs.recordCount(), 3);
        QVERIFY(!rs.editPending());
        QCOMPARE(AccountFixture::column(m_account, "select count(*) from tblAllRecords"),
                 QStringList{"3"});
    }

    void newRowStaysLastUntilRequery() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QVERIFY(rs.addNew());
        QVERIFY(rs.setValue("Date", QStringLiteral("12/31/2023")));
        QVERIFY(rs.updateBatch());
        QCOMPARE(rs.absolutePosition(), 4);
        QVERIFY(rs.requery());
        QCOMPARE(rs.value("Date").toDate(), QDate(2023, 12, 31));
    }

    void deleteLeavesThePlaceForTheNextMove() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QVERIFY(rs.setAbsolutePosition(2));
        QVERIFY(rs.deleteCurrent());
        QVERIFY(!rs.value("Date").isValid());
        QVERIFY(rs.moveNext());
        QCOMPARE(rs.value("Date").toDate(), QDate(2024, 1, 3));
        QVERIFY(rs.deleteCurrent());
        QVERIFY(rs.moveNext());
        QVERIFY(rs.isEOF());
        QVERIFY(rs.moveLast());
        QCOMPARE(rs.value("Date").toDate(), QDate(2024, 1, 1));
        QCOMPARE(rs.recordCount(), 1);
    }

    void failedWriteKeepsThePendingRow() {
        seedThreeRows();
        RecordSet rs(m_connection.database(), Queries::AllRecordsView);
        QVERIFY(rs.open());
        QVERIFY(rs.setValue("Deposit", QStringLiteral("5")));
        AccountFixture::exec(m_account, "drop table tblAllRecords");
        QVERIFY(!rs.update());
        QVERIFY(!rs.lastError().isEmpty());
        QVERIFY(rs.editPending());
        QVERIFY(!rs.moveNext());
        QCOMPARE(rs.absolutePosition(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
