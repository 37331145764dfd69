// Importing a statement's transactions through the windows: the preview's Import of the ticked
// rows, the OFX reader's child behind both import dialogs, a QIF, camt or MT940 file of several
// accounts, a pending entry, and the import tool showing what the preview shows.
#include "data/AccountConnection.h"
#include "data/ProgramPaths.h"
#include "data/Queries.h"
#include "data/RunningBalance.h"
#include "data/ShortDate.h"
#include "import/ImportChoices.h"
#include "models/ImportRowsModel.h"
#include "statements/ImportDialog.h"
#include "support/AccountFixture.h"
#include "support/Controls.h"
#include "support/ImportSamples.h"
#include "support/ReportTool.h"
#include "support/ScriptedDialogs.h"
#include "terms/OffsetImportDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class tst_Import : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia)); }
    // The OFX reader's child program is in the build's program folder.
    void init() { ProgramPaths::setProgramFolder(QStringLiteral(VANTRELL_PROGRAM_DIR)); }

    // Both import dialogs read OFX through the child, and Cancel on its busy indicator ends it:
    // no dialog, no message, nothing left.
    void ofxInDialogs_data();
    void ofxInDialogs();
    // The preview refuses while a row that does not read is ticked; then Import writes exactly
    // the ticked rows, and the statement's closing balance checks out.
    void importWritesTickedRows();
    void toolShowsWhatThePreviewShows();
    void qifOfSeveralAccountsAsksWhichOne();
    void europeanStatementOfSeveralAccounts_data();
    void europeanStatementOfSeveralAccounts();
    void pendingEntryUntickedWithItsReason();
};

void tst_Import::ofxInDialogs_data() {
    QTest::addColumn<bool>("offset");
    QTest::addColumn<bool>("hostile");
    QTest::newRow("statement import reads") << false << false;
    QTest::newRow("statement import cancelled") << false << true;
    QTest::newRow("offset import reads") << true << false;
    QTest::newRow("offset import cancelled") << true << true;
}

void tst_Import::ofxInDialogs() {
    QFETCH(bool, offset);
    QFETCH(bool, hostile);
    ScriptedDialogs& dialogs = ScriptedDialogs::install();
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    QTemporaryDir dir;
    const QString file =
        writeFile(dir, "statement.ofx", hostile ? deeplyNestedOfx() : OneTransactionOfx);
    const OwnTempFolder temp;
    AccountConnection connection;
    QVERIFY(connection.open(account));

    // On the hostile file the user presses Cancel as soon as the busy indicator shows; that it
    // shows at all means the event loop runs while the file is read. A good file is waited for,
    // however slowly the machine reads it.
    bool cancelled = false;
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [&] {
        if (!hostile)
            return;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"BusyDialog" && w->isVisible()) {
                if (auto* cancel = w->findChild<QPushButton*>("cmdCancel")) {
                    cancel->click();
                    cancelled = true;
                }
            }
        }
    });
    canceller.start(50);
    const bool opened =
        offset ? bool(OffsetImportDialog::open(file, connection.database(), std::nullopt))
               : bool(ImportDialog::open(file, connection.database(), January, ImportChoices()));
    canceller.stop();
    QCOMPARE(opened, !hostile);
    QCOMPARE(cancelled, hostile);
    QCOMPARE(dialogs.messageTexts(), QStringList());
    QCOMPARE(childProcesses(), QStringList());
    QCOMPARE(temp.entries(), QStringList());
}

void tst_Import::importWritesTickedRows() {
    ScriptedDialogs& dialogs = ScriptedDialogs::install();
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    AccountFixture::exec(account, "insert into tblThisSession (Date,Deposit) values "
                                  "('2024-01-10',3000000)");
    QTemporaryDir dir;
    const QString file = writeFile(dir, "january.csv",
                                   "Date,Description,Amount,Balance\n"
                                   "05/01/2024,Interest charged,-7.50,-907.50\n"
                                   "10/01/2024,Repayment,300.00,-607.50\n"
                                   "31/01/2024,Account fee,-5.00,-612.50\n"
                                   "31/01/2024,Summary,n/a,\n"
                                   "01/02/2024,Interest charged,-1.00,-613.50\n");
    AccountConnection connection;
    QVERIFY(connection.open(account));
    std::unique_ptr<ImportDialog> window =
        ImportDialog::open(file, connection.database(), January, ImportChoices());
    QVERIFY2(window, qPrintable(dialogs.messageTexts().join(u'\n')));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* status = control<QLabel>(window.get(), "statusLabel");
    QVERIFY(status->text().startsWith("3 of 5 rows ticked."));
    // Every reason shows whole, its heading too, and every column picker its whole column name.
    auto* preview = control<QTableView>(window.get(), "importGrid");
    const int reasonWidth = preview->horizontalHeader()->sectionSize(ImportRowsModel::Reason);
    QVERIFY(preview->horizontalHeader()->fontMetrics().horizontalAdvance("Reason") + 8 <
            reasonWidth);
    for (int row = 0; row < preview->model()->rowCount(); ++row) {
        const QString reason =
            preview->model()->index(row, ImportRowsModel::Reason).data().toString();
        QVERIFY2(preview->fontMetrics().horizontalAdvance(reason) < reasonWidth,
                 qPrintable(reason));
    }
    for (const char* name :
         {"dateColumnBox", "descriptionColumnBox", "amountColumnBox", "balanceColumnBox"}) {
        auto* picker = control<QComboBox>(window.get(), name);
        QVERIFY2(picker->width() >= picker->sizeHint().width(),
                 qPrintable(QStringLiteral("%1: %2 of %3 (window %4)")
                                .arg(name)
                                .arg(picker->width())
                                .arg(picker->sizeHint().width())
                                .arg(window->width())));
        QCOMPARE(picker->toolTip(), picker->currentText());
    }

    CLICK(window.get(), "importButton");
    QCOMPARE(dialogs.messageTexts(),
             QStringList{"Line 5 does not read: The amount \"n/a\" does not read.\nUntick it to "
                         "import the other rows."});
    QCOMPARE(AccountFixture::column(account, "select count(*) from tblThisSession"),
             QStringList{"1"});

    // The user unticks the bad row in the grid.
    auto* grid = control<QTableView>(window.get(), "importGrid");
    QVERIFY(grid);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(3, 0));
    QTest::keyClick(grid, Qt::Key_Space);
    QVERIFY(!window->preview().rows()[3].ticked);
    QVERIFY(status->text().contains("reaches its closing balance, -612.50"));

    CLICK(window.get(), "importButton");
    QCOMPARE(window->result(), int(QDialog::Accepted));
    QCOMPARE(window->importedRows(), 2);
    QCOMPARE(window->choices().csv->header, true);
    QCOMPARE(AccountFixture::column(
                 account,
                 "select Date||' '||ifnull(GovtCharge,'NULL')||' '||ifnull(BankCharge,'NULL')"
                 "||' '||ifnull(UserWithdrawal,'NULL')||' '||Deposit||' '"
                 "||ifnull(InterestPayment,'NULL')||' '||Balance from tblThisSession "
                 "order by Date,ID"),
             QStringList({"2024-01-05 0 0 0 0 75000 -9075000",
                          "2024-01-10 NULL NULL NULL 3000000 NULL -6075000",
                          "2024-01-31 0 50000 0 0 0 -6125000"}));

    // The closing check: every row within the dates, the balance carried through them arrives.
    QSqlQuery q(connection.database());
    QVERIFY(q.exec(Queries::ThisSessionReport));
    Money balance = *January.openBalance;
    while (q.next()) {
        const QDate date = ShortDate::fromIso(q.value(1).toString());
        QVERIFY(date >= January.start && date <= January.end);
        TransactionAmounts amounts;
        for (AmountColumn c : AmountColumns::All)
            amounts[c] = Money::fromRaw(q.value(2 + int(c)).toLongLong());
        const auto next = RunningBalance::after(balance, amounts);
        QVERIFY(next);
        balance = *next;
    }
    QCOMPARE(balance, *January.closeBalance);
}

// vantrell-import goes the preview's way: the same rows, ticks and reasons as the window shows
// for the same file, statement and account.
void tst_Import::toolShowsWhatThePreviewShows() {
    ScriptedDialogs::install();
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    AccountFixture::exec(account, "insert into tblThisSession (Date,Deposit) values "
                                  "('2024-01-10',3000000)");
    QTemporaryDir dir;
    const QString file = writeFile(dir, "january.csv",
                                   "Date,Description,Amount,Balance\n"
                                   "05/01/2024,\"Interest, charged\",-7.50,-907.50\n"
                                   "10/01/2024,Repayment,300.00,-607.50\n"
                                   "31/01/2024,Account fee,-5.00,-612.50\n"
                                   "31/01/2024,Summary,n/a,\n"
                                   "01/02/2024,Interest charged,-1.00,-613.50\n");
    QStringList shown;
    {
        AccountConnection connection;
        QVERIFY(connection.open(account));
        const std::unique_ptr<ImportDialog> window =
            ImportDialog::open(file, connection.database(), January, ImportChoices());
        QVERIFY(window);
        const auto* model = control<QTableView>(window.get(), "importGrid")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            shown << QStringLiteral("%1,%2,%3")
                         .arg(window->preview().row(row).source.line)
                         .arg(window->preview().row(row).ticked ? 1 : 0)
                         .arg(model->index(row, ImportRowsModel::Reason).data().toString());
    }
    const Run run =
        importTool({file, "--format", "csv", "--account", account, "--start", "2024-01-01", "--end",
                    "2024-01-31", "--opening", "-900", "--closing", "-612.50"});
    QCOMPARE(run.status, 0);
    QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeFirst(),
             QStringLiteral("line,date,description,amount,column,ticked,reason"));
    QCOMPARE(lines.first(), QStringLiteral("2,2024-01-05,\"Interest, charged\",-7.50,"
                                           "InterestPayment,1,"));
    // The quoted description holds a comma: ticks and reasons counted from the end.
    QStringList tail;
    for (const QString& line : lines) {
        const QStringList cells = line.split(u',');
        const int ticked = cells.size() - 2;
        tail << cells[0] + u',' + cells[ticked] + u',' + cells[ticked + 1];
    }
    QCOMPARE(tail.size(), shown.size());
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(tail[i].section(u',', 0, 1), shown[i].section(u',', 0, 1));
    QVERIFY(run.out.contains("Already in the statement."));
    QVERIFY2(run.err.contains("format: CSV\n") && run.err.contains("header line: 1\n") &&
                 run.err.contains("balance check: "),
             qPrintable(run.err));
}

// A QIF file of several accounts: the preview asks which one and shows its rows alone; a cancel
// opens nothing. The tool takes the choice as --qif-account and refuses the file without one.
void tst_Import::qifOfSeveralAccountsAsksWhichOne() {
    ScriptedDialogs& dialogs = ScriptedDialogs::install();
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    const QString file =
        QStringLiteral(VANTRELL_SOURCE_DIR "/tests/statements/import-corpus/several-accounts.qif");
    AccountConnection connection;
    QVERIFY(connection.open(account));
    QVERIFY(!ImportDialog::open(file, connection.database(), January, ImportChoices()));
    QCOMPARE(dialogs.itemLists.size(), 1);
    QVERIFY2(dialogs.itemLists[0].contains("Home Loan (Oth L, 3 rows)"),
             qPrintable(dialogs.itemLists[0]));
    dialogs.items.enqueue(1);
    const std::unique_ptr<ImportDialog> window =
        ImportDialog::open(file, connection.database(), January, ImportChoices());
    QVERIFY2(window, qPrintable(dialogs.messageTexts().join(u'\n')));
    QCOMPARE(window->preview().rows().size(), 3);
    QCOMPARE(window->preview().row(0).source.description, QStringLiteral("Interest"));

    QCOMPARE(importTool({file}).status, 2);
    const Run chosen = importTool({file, "--qif-account", "home loan", "--format", "csv"});
    QCOMPARE(chosen.status, 0);
    QCOMPARE(chosen.out.count(u'\n'), 4);
}

// A camt or MT940 file of two accounts: the preview asks which one and shows its rows alone, as
// the tool does with --qif-account; without it the tool lists both in the file's order.
void tst_Import::europeanStatementOfSeveralAccounts_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("camt.053") << "camt053-fr-v6-accounts.xml";
    QTest::newRow("MT940 in SOH/ETX frames") << "mt940-soh-two-accounts.sta";
}

void tst_Import::europeanStatementOfSeveralAccounts() {
    QFETCH(QString, name);
    ScriptedDialogs& dialogs = ScriptedDialogs::install();
    AccountFixture fixture;
    const QString file = QStringLiteral(VANTRELL_SOURCE_DIR "/tests/statements/import-corpus/") + name;
    AccountConnection connection;
    QVERIFY(connection.open(fixture.newAccount()));
    dialogs.items.enqueue(1);
    const std::unique_ptr<ImportDialog> window =
        ImportDialog::open(file, connection.database(), January, ImportChoices());
    QVERIFY2(window, qPrintable(dialogs.messageTexts().join(u'\n')));
    QCOMPARE(dialogs.itemLists.size(), 1);
    QCOMPARE(dialogs.itemLists[0].count(u'|'), 1); // two accounts offered

    const Run second = importTool({file, "--qif-account", "2", "--format", "csv"});
    QCOMPARE(second.status, 0);
    QCOMPARE(window->preview().rows().size(), second.out.count(u'\n') - 1);
    const Run all = importTool({file, "--format", "csv"});
    QCOMPARE(all.status, 0);
    QVERIFY(all.out.count(u'\n') > second.out.count(u'\n'));
}

// An entry the bank has not booked is shown unticked, with the reason the file gives.
void tst_Import::pendingEntryUntickedWithItsReason() {
    ScriptedDialogs& dialogs = ScriptedDialogs::install();
    AccountFixture fixture;
    AccountConnection connection;
    QVERIFY(connection.open(fixture.newAccount()));
    const std::unique_ptr<ImportDialog> window = ImportDialog::open(
        QStringLiteral(VANTRELL_SOURCE_DIR "/tests/statements/import-corpus/camt052-at-v8-pending.xml"),
        connection.database(), January, ImportChoices());
    QVERIFY2(window, qPrintable(dialogs.messageTexts().join(u'\n')));
    QStringList pending;
    for (const ImportPreview::Row& r : window->preview().rows()) {
        if (r.status == ImportPreview::Status::Pending && !r.ticked)
            pending << r.reason;
    }
    QCOMPARE(pending, QStringList({"Not booked yet: the bank lists it as pending.",
                                   "Not booked: the bank lists it for information only."}));
}

QTEST_MAIN(tst_Import)
#include "tst_import.moc"
