#include "data/AccountConnection.h"
#include "data/Queries.h"
#include "data/RecordSet.h"
#include "engine/BalanceRecalculation.h"
#include "engine/CalcDay.h"
#include "engine/InterestEngine.h"
#include "engine/ReportPreparation.h"
#include "engine/AccountStore.h"
#include "support/AccountFixture.h"
#include "support/ReportRows.h"

#include <QTest>

namespace {

const QString NotEntered = QStringLiteral(
    "has not been entered. Calculated Interest Due for this period will not be accurate.");
const QString SomeNotEntered = QStringLiteral("Some statements have not been entered. Calculated "
                                              "Interest Due for these periods will not be "
                                              "accurate.");

SessionRow sessionRow(const QString& date, AmountColumn amount, qint64 dollars) {
    SessionRow row;
    row.date = QDate::fromString(date, Qt::ISODate);
    row.amounts[std::size_t(amount)] = StoredMoney::of(Money::fromRaw(dollars * Money::Scale));
    return row;
}

// Every row of tblAllRecords in ID order, as "Date open close amounts".
QStringList allRecords(const QString& account) {
    return AccountFixture::column(
        account, "select coalesce(Date,'') || ' ' || coalesce(OpenBalance,'-') || ' ' || "
                 "coalesce(CloseBalance,'-') || ' ' || coalesce(GovtCharge,'-') || '/' || "
                 "coalesce(BankCharge,'-') || '/' || coalesce(UserWithdrawal,'-') || '/' || "
                 "coalesce(Deposit,'-') || '/' || coalesce(InterestPayment,'-') "
                 "from tblAllRecords order by ID");
}

} // namespace

class TestReportPreparation : public QObject {
    Q_OBJECT

private slots:
    void missingStatements_data();
    void missingStatements();
    void balanceRow_data();
    void balanceRow();
    void calcTo_data();
    void calcTo();

    void firstStatementIsCommittedWhole();
    void followingStatementContinuesTheBalance();
    void failedCommitLeavesTheFileAsItWas();
    void writeBackIsAllOrNothing();

private:
    AccountFixture m_fixture;
};

void TestReportPreparation::missingStatements_data() {
    QTest::addColumn<QVector<int>>("numbers");
    QTest::addColumn<QStringList>("texts"); // empty: no notice

    QTest::newRow("none recorded") << QVector<int>{} << QStringList();
    QTest::newRow("1, 2, 3") << QVector<int>{1, 2, 3} << QStringList();
    QTest::newRow("first statement numbered 3")
        << QVector<int>{3} << QStringList{"Statement(s) prior to", "3", NotEntered};
    QTest::newRow("1, 2 and 4") << QVector<int>{1, 2, 4}
                                << QStringList{"Statement number", "3", NotEntered};
    QTest::newRow("1 and 4") << QVector<int>{1, 4} << QStringList{SomeNotEntered, "", ""};
    QTest::newRow("2 and 4: one before, one between")
        << QVector<int>{2, 4} << QStringList{SomeNotEntered, "", ""};
    // A repeated number must neither count as a gap nor make the walk wait for it forever.
    QTest::newRow("1, 1, 2") << QVector<int>{1, 1, 2} << QStringList();
    QTest::newRow("1, 2, 2, 4") << QVector<int>{1, 2, 2, 4}
                                << QStringList{"Statement number", "3", NotEntered};
    QTest::newRow("far apart") << QVector<int>{-32768, 32767}
                               << QStringList{SomeNotEntered, "", ""};
}

void TestReportPreparation::missingStatements() {
    QFETCH(QVector<int>, numbers);
    QFETCH(QStringList, texts);
    const auto notice = ReportPreparation::missingStatements(numbers);
    QCOMPARE(notice.has_value(), !texts.isEmpty());
    if (notice)
        QCOMPARE((QStringList{notice->information, notice->data, notice->info2}), texts);
}

void TestReportPreparation::balanceRow_data() {
    QTest::addColumn<QVector<int>>("numbers");
    QTest::addColumn<int>("entered");
    QTest::addColumn<bool>("needed");

    QTest::newRow("the first statement") << QVector<int>{1} << 1 << true;
    QTest::newRow("3 after 1 and 2") << QVector<int>{1, 2, 3} << 3 << false;
    QTest::newRow("5 after 3") << QVector<int>{1, 2, 3, 5} << 5 << true;
    QTest::newRow("2 entered late, after 1 and 3") << QVector<int>{1, 2, 3} << 2 << true;
    QTest::newRow("a number recorded twice counts once") << QVector<int>{1, 2, 2} << 2 << false;
}

void TestReportPreparation::balanceRow() {
    QFETCH(QVector<int>, numbers);
    QFETCH(int, entered);
    QFETCH(bool, needed);
    QCOMPARE(ReportPreparation::needsBalanceRow(numbers, entered), needed);
}

void TestReportPreparation::calcTo_data() {
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("calcTo"); // "" refused

    QTest::newRow("1 ends periods on the 28th") << "1"
                                                << "28";
    QTest::newRow("28") << "28"
                        << "27";
    QTest::newRow("leading zero") << "07"
                                  << "6";
    QTest::newRow("29") << "29"
                        << "";
    QTest::newRow("fraction") << "15.5"
                              << "";
}

void TestReportPreparation::calcTo() {
    QFETCH(QString, day);
    QFETCH(QString, calcTo);
    QCOMPARE(CalcDay::calcToFor(day).value_or(QString()), calcTo);
}

// The first statement: its number, a balance row with its opening balance, and its transactions
// with the running balance and CloseBalance 0. The all-records pass then finds every balance as
// stored: the two orders of the history agree once CloseBalance is no longer empty.
void TestReportPreparation::firstStatementIsCommittedWhole() {
    const QString account = m_fixture.newAccount("first.mdb");
    AccountConnection c;
    QVERIFY(c.open(account));
    StatementHeader header{"1", QDate(2024, 1, 1), {}, Money::fromRaw(-100000 * Money::Scale), {}};
    const QVector<SessionRow> session = {
        sessionRow("2024-01-01", AmountColumn::Deposit, 1000),
        sessionRow("2024-01-20", AmountColumn::InterestPayment, 300)};
    QString error;
    const auto result = ReportPreparation::commitStatement(c.database(), header, session, &error);
    QVERIFY2(result, qPrintable(error));
    QVERIFY(result->balanceRowAdded);
    QCOMPARE(result->appendedRows, 2);
    QVERIFY(!result->missing);
    QCOMPARE(AccountFixture::column(account, "select StatementNumber from tblNumber"),
             QStringList{"1"});
    const QStringList committed = {"2024-01-01 -1000000000 -1000000000 -/-/-/-/-",
                                   "2024-01-01 -990000000 0 -/-/-/10000000/-",
                                   "2024-01-20 -993000000 0 -/-/-/-/3000000"};
    QCOMPARE(allRecords(account), committed);

    RecordSet rs(c.database(), Queries::AllRecordsView);
    QVERIFY(rs.open());
    BalanceRecalculation::recalculate(c.database(), rs);
    QStringList balances;
    for (const QString& row : allRecords(account))
        balances << row.section(' ', 0, 1);
    QStringList expected;
    for (const QString& row : committed)
        expected << row.section(' ', 0, 1);
    QCOMPARE(balances, expected);
}

void TestReportPreparation::followingStatementContinuesTheBalance() {
    const QString account = m_fixture.newAccount("following.mdb");
    AccountFixture::exec(account, "insert into tblNumber (StatementNumber) values (1)");
    AccountFixture::exec(account, "insert into tblAllRecords (Date, OpenBalance, CloseBalance) "
                                  "values ('2024-01-01', -1000000000, -1000000000), "
                                  "('2024-01-20', -990000000, 0)");
    AccountConnection c;
    QVERIFY(c.open(account));
    StatementHeader header{"2", QDate(2024, 2, 1), {}, Money::fromRaw(-990000000), {}};
    QString error;
    const auto result = ReportPreparation::commitStatement(
        c.database(), header, {sessionRow("2024-02-10", AmountColumn::UserWithdrawal, 50)}, &error);
    QVERIFY2(result, qPrintable(error));
    QVERIFY(!result->balanceRowAdded);
    QCOMPARE(allRecords(account).last(), QStringLiteral("2024-02-10 -990500000 0 -/-/500000/-/-"));
    QCOMPARE(AccountFixture::column(account, "select StatementNumber from tblNumber"),
             (QStringList{"1", "2"}));
}

// Number, balance row and transactions go together or not at all.
void TestReportPreparation::failedCommitLeavesTheFileAsItWas() {
    const QString account = m_fixture.newAccount("failing.mdb");
    AccountFixture::exec(account, "create trigger refuse before insert on tblAllRecords "
                                  "when new.Date = '2024-01-20' begin "
                                  "select raise(abort, 'disk full'); end");
    AccountConnection c;
    QVERIFY(c.open(account));
    StatementHeader header{"1", QDate(2024, 1, 1), {}, Money::fromRaw(-1000000000), {}};
    const QVector<SessionRow> session = {sessionRow("2024-01-05", AmountColumn::Deposit, 1000),
                                         sessionRow("2024-01-20", AmountColumn::Deposit, 1000)};
    QString error;
    QVERIFY(!ReportPreparation::commitStatement(c.database(), header, session, &error));
    QVERIFY2(error.contains("disk full"), qPrintable(error));
    QVERIFY(allRecords(account).isEmpty());
    QVERIFY(AccountFixture::column(account, "select StatementNumber from tblNumber").isEmpty());
}

// The calculation's changes are written in one transaction: a failure on the last write leaves
// every earlier one undone.
void TestReportPreparation::writeBackIsAllOrNothing() {
    const QString account = m_fixture.newAccount("writeback.mdb");
    AccountFixture::exec(account,
                         "insert into tblAllRecords (Date, Deposit, CloseBalance) values "
                         "('2024-01-01', null, -1000000000), ('2024-01-05', 10000000, null), "
                         "('2024-01-10', null, -990000000), ('2024-01-12', 10000, null)");
    AccountFixture::exec(account, "create trigger refuse before delete on tblAllRecords begin "
                                  "select raise(abort, 'locked'); end");
    AccountConnection c;
    QVERIFY(c.open(account));
    QVector<HistoryRow> history;
    QString error;
    QVERIFY(AccountStore::readHistory(c.database(), &history, &error));
    const auto result =
        InterestEngine::calculate(history, ReportRows::rates({"2024-01-01 2024-12-31 7.3"}),
                                  CalculationBasis::of(InterestMethod::VariableDay));
    QCOMPARE(result.changes.deletions, (QVector<qint64>{3}));

    const QStringList before = allRecords(account);
    QVERIFY(!AccountStore::writeBack(c.database(), result.changes, &error));
    QVERIFY2(error.contains("locked"), qPrintable(error));
    QCOMPARE(allRecords(account), before);

    AccountFixture::exec(account, "drop trigger refuse");
    QVERIFY2(AccountStore::writeBack(c.database(), result.changes, &error), qPrintable(error));
    QCOMPARE(allRecords(account), (QStringList{"2024-01-01 - -1000000000 -/-/-/-/-",
                                               "2024-01-05 -990000000 0 0/0/0/10000000/0",
                                               "2024-01-12 -989990000 0 0/0/0/10000/0"}));
}

QTEST_GUILESS_MAIN(TestReportPreparation)
#include "tst_reportpreparation.moc"
