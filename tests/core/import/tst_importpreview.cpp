// The preview of a statement's rows: the column each row goes to, the rows left unticked (outside
// the dates, already in the statement or the history, the bank's corrections) and the check of
// the balances the file states.
#include "data/AccountConnection.h"
#include "data/AmountColumns.h"
#include "data/ShortDate.h"
#include "import/ColumnRules.h"
#include "import/ImportPreview.h"
#include "support/AccountFixture.h"
#include "support/ImportSamples.h"

#include <QLocale>
#include <QTest>

namespace {

ImportedRow row(const QString& date, const QString& amount, const QString& description = {},
                const QString& balance = {}) {
    ImportedRow r;
    r.line = 1;
    r.date = QDate::fromString(date, Qt::ISODate);
    r.amount = *Money::parse(amount);
    r.description = description;
    if (!balance.isEmpty())
        r.balance = *Money::parse(balance);
    return r;
}

} // namespace

class TestImportPreview : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia)); }

    void columnRules_data();
    void columnRules();
    // Rows outside the dates, in the statement, in the history: shown unticked, each with its
    // reason; identical rows of one file stay two transactions.
    void duplicates();
    void balanceCheck_data();
    void balanceCheck();
};

void TestImportPreview::columnRules_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("ofxType");
    QTest::addColumn<QString>("rules"); // "" for the defaults
    QTest::addColumn<QString>("column");
    QTest::newRow("interest") << "INTEREST CHARGED"
                              << "-7.50"
                              << ""
                              << ""
                              << "Interest Charge";
    QTest::newRow("fee, plural") << "Monthly fees"
                                 << "-5"
                                 << ""
                                 << ""
                                 << "Bank Charge";
    QTest::newRow("charge") << "Late payment charge"
                            << "-20"
                            << ""
                            << ""
                            << "Bank Charge";
    QTest::newRow("duty") << "Stamp duty"
                          << "-3"
                          << ""
                          << ""
                          << "Govt Charge";
    QTest::newRow("govt") << "Govt debits tax"
                          << "-3"
                          << ""
                          << ""
                          << "Govt Charge";
    QTest::newRow("inside a word") << "Coffee"
                                   << "-4"
                                   << ""
                                   << ""
                                   << "User W'drawal";
    QTest::newRow("money in") << "Interest refund"
                              << "2"
                              << ""
                              << ""
                              << "Deposit";
    QTest::newRow("OFX FEE") << "Monthly"
                             << "-5"
                             << "FEE"
                             << ""
                             << "Bank Charge";
    QTest::newRow("OFX SRVCHG") << "Monthly"
                                << "-5"
                                << "SRVCHG"
                                << ""
                                << "Bank Charge";
    QTest::newRow("OFX INT") << "January"
                             << "-7"
                             << "INT"
                             << ""
                             << "Interest Charge";
    QTest::newRow("rule before type") << "Tax"
                                      << "-7"
                                      << "FEE"
                                      << ""
                                      << "Govt Charge";
    QTest::newRow("by sign") << "Redraw"
                             << "-100"
                             << "DEBIT"
                             << ""
                             << "User W'drawal";
    QTest::newRow("edited rule") << "Insurance premium"
                                 << "-30"
                                 << ""
                                 << "insurance = Bank Charge\nfee = Govt Charge"
                                 << "Bank Charge";
    QTest::newRow("edited rules only") << "Fee"
                                       << "-30"
                                       << ""
                                       << "insurance = Bank Charge\nfee = Govt Charge"
                                       << "Govt Charge";
}

void TestImportPreview::columnRules() {
    QFETCH(QString, description);
    QFETCH(QString, amount);
    QFETCH(QString, ofxType);
    QFETCH(QString, rules);
    QFETCH(QString, column);
    ColumnRules r = ColumnRules::defaults();
    if (!rules.isEmpty()) {
        QString error;
        const auto edited = ColumnRules::fromText(rules, &error);
        QVERIFY2(edited, qPrintable(error));
        r = *edited;
    }
    ImportedRow imported = row("2024-01-05", amount, description);
    imported.ofxType = ofxType;
    QCOMPARE(AmountColumns::caption(r.columnFor(imported)), column);
}

void TestImportPreview::duplicates() {
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    // Committed by the last statement, which ended on 2 January, one row with the bank's id.
    AccountFixture::exec(account, "insert into tblAllRecords (Date,InterestPayment) values "
                                  "('2024-01-02',70000)");
    AccountFixture::exec(account, "insert into tblAllRecords (Date,Deposit,FITID) values "
                                  "('2023-12-20',10000,'B9')");
    AccountFixture::exec(account, "insert into tblAllRecords (Date,CloseBalance) values "
                                  "('2024-01-03',-9000000)");
    // Typed into this statement already.
    AccountFixture::exec(account, "insert into tblThisSession (Date,Deposit) values "
                                  "('2024-01-10',3000000)");
    AccountFixture::exec(account, "insert into tblThisSession (Date,BankCharge) values "
                                  "('2024-01-25',20000)");
    AccountConnection connection;
    QVERIFY(connection.open(account));
    QString error;
    auto known = KnownTransactions::load(connection.database(), &error);
    QVERIFY2(known, qPrintable(error));

    ImportedRow byId = row("2024-01-20", "-1.00", "corrected by the bank");
    byId.fitId = "B9";
    // The bank's corrections: a replacement of a row the account holds, one of a row it does not
    // hold (imported as any row), and a deletion.
    const auto correction = [](const char* date, const char* amount, const char* corrects,
                               bool cancels) {
        ImportedRow r = row(date, amount);
        r.correctsFitId = corrects;
        r.cancels = cancels;
        return r;
    };
    ImportPreview preview(January, *known, ColumnRules::defaults());
    preview.setRows({row("2023-12-31", "-6.00"), row("2024-01-02", "-7.00"),
                     row("2024-01-03", "-900.00"), row("2024-01-10", "300.00"),
                     row("2024-01-15", "-5.00"), row("2024-01-15", "-5.00"), byId,
                     row("2024-01-25", "-2.00"), row("2024-01-25", "-2.00"),
                     correction("2024-01-26", "-3.00", "B9", false),
                     correction("2024-01-27", "-4.00", "ZZ", false),
                     correction("2024-01-28", "-6.00", "ZZ", true), row("2024-02-01", "-1.00")});
    QStringList got;
    for (const ImportPreview::Row& r : preview.rows())
        got << QStringLiteral("%1 %2").arg(r.ticked ? "+" : "-", r.reason);
    const QString outside =
        QStringLiteral("Outside the statement's dates (%1 to %2).")
            .arg(ShortDate::format(January.start), ShortDate::format(January.end));
    QCOMPARE(got, QStringList({"- " + outside, "- Already in the account's history.",
                               "+ ", // a balance row is no transaction
                               "- Already in the statement.", "+ ", "+ ",
                               "- Already in the account's history.", "- Already in the statement.",
                               "+ ",
                               "- The bank corrects its transaction B9 of an earlier file, which "
                               "the account holds: change it by hand instead.",
                               "+ ",
                               "- The bank cancels its transaction ZZ of an earlier file; if it "
                               "was entered, delete it by hand.",
                               "- " + outside}));
}

void TestImportPreview::balanceCheck_data() {
    QTest::addColumn<QStringList>("balances"); // one a row; "" where the file states none
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("partsAt");
    QTest::newRow("agrees") << QStringList{"-907.50", "-607.50", "-612.50"} << true << -1;
    QTest::newRow("some rows without") << QStringList{"", "-607.50", ""} << true << -1;
    QTest::newRow("parts at the third")
        << QStringList{"-907.50", "-607.50", "-612.49"} << true << 2;
    QTest::newRow("parts at the first")
        << QStringList{"-900.00", "-607.50", "-612.50"} << true << 0;
    QTest::newRow("positive debt") << QStringList{"907.50", "607.50", "612.50"} << true << -1;
    QTest::newRow("sign changes midway") << QStringList{"907.50", "-607.50", "612.50"} << true << 1;
    QTest::newRow("none") << QStringList{"", "", ""} << false << -1;
}

void TestImportPreview::balanceCheck() {
    QFETCH(QStringList, balances);
    QFETCH(bool, available);
    QFETCH(int, partsAt);
    ImportPreview preview(January, KnownTransactions(), ColumnRules::defaults());
    // A row outside the dates is not part of the statement's running balance.
    preview.setRows({row("2023-12-31", "-1.00", "", "-1.00"),
                     row("2024-01-05", "-7.50", "", balances[0]),
                     row("2024-01-10", "300.00", "", balances[1]),
                     row("2024-01-31", "-5.00", "", balances[2])});
    const ImportPreview::BalanceCheck check = preview.balanceCheck();
    QCOMPARE(check.available, available);
    QCOMPARE(check.partsAt, partsAt < 0 ? -1 : partsAt + 1);

    // The file starts with the interest charged on the last day of the statement before, which
    // the history already holds: the opening balance is the balance after it, so the check skips
    // it as it skips rows outside the dates.
    KnownTransactions known;
    known.committed.append({QDate(2024, 1, 1), *Money::parse("-8.00")});
    ImportPreview continued(January, known, ColumnRules::defaults());
    continued.setRows({row("2024-01-01", "-8.00", "", "-900.00"),
                       row("2024-01-05", "-7.50", "", balances[0]),
                       row("2024-01-10", "300.00", "", balances[1]),
                       row("2024-01-31", "-5.00", "", balances[2])});
    QCOMPARE(continued.rows()[0].status, ImportPreview::Status::Committed);
    QCOMPARE(continued.balanceCheck().partsAt, partsAt < 0 ? -1 : partsAt + 1);
}

QTEST_GUILESS_MAIN(TestImportPreview)
#include "tst_importpreview.moc"
