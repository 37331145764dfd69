// The offset account: its file from the bank made into the balance at the end of each day, the
// window that keeps the two settings and the balances, and the import that stores each day once.
#include "data/AccountConnection.h"
#include "import/CsvReader.h"
#include "import/OffsetImport.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"
#include "terms/OffsetImportDialog.h"
#include "terms/OffsetWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Two rows on the 13th, one on the 14th, two on the 16th; the balance after each.
const QByteArray WithBalances = "Date,Description,Amount,Balance\n"
                                "13/03/2024,Salary,3000.00,5000.00\n"
                                "13/03/2024,Rent,-1200.00,3800.00\n"
                                "14/03/2024,Groceries,-150.25,3649.75\n"
                                "16/03/2024,Transfer,500.00,4149.75\n"
                                "16/03/2024,Fee,-2.00,4147.75\n";
const QStringList WithBalancesDays = {"2024-03-13 3800", "2024-03-14 3649.75",
                                      "2024-03-16 4147.75"};

QByteArray newestFirst(const QByteArray& csv) {
    QList<QByteArray> lines = csv.trimmed().split('\n');
    std::reverse(lines.begin() + 1, lines.end());
    return lines.join('\n') + '\n';
}

QString setting(const QString& account, const QString& name) {
    return AccountFixture::column(
               account, QStringLiteral("select Value from tblSettings where Name = '%1'").arg(name))
        .value(0);
}

QStringList storedBalances(const QString& account) {
    QStringList rows =
        AccountFixture::column(account, "select Date || ' ' || Balance from tblOffsetBalances "
                                        "order by Date, ID");
    for (QString& r : rows)
        r = r.section(' ', 0, 0) + ' ' +
            Money::fromRaw(r.section(' ', 1).toLongLong()).toPlainText();
    return rows;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(f.fileName()));
    return f.fileName();
}

OffsetWindow* openFromMenu(RecordsHarness& h) {
    h.main->findChild<QAction*>("mnuOffset")->trigger();
    return dynamic_cast<OffsetWindow*>(h.main->registry().loaded(WindowNames::Offset));
}

// The preview's table, a line a day: "Date|Balance|Status".
QStringList previewRows(const QWidget* dialog) {
    QStringList rows;
    const auto* grid = dialog->findChild<QTableWidget*>("daysGrid");
    for (int r = 0; grid && r < grid->rowCount(); ++r)
        rows << grid->item(r, 0)->text() + '|' + grid->item(r, 1)->text() + '|' +
                    grid->item(r, 2)->text();
    return rows;
}

} // namespace

class TestOffsetWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void dailyBalances_data();
    void dailyBalances();
    void shareStoredOrRefused_data();
    void shareStoredOrRefused();
    void balancesTypedKeptAndDeleted();
    void importStoresEachDayOnce();
    void importAsksOpeningBalance();
};

void TestOffsetWindow::dailyBalances_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("expected"); // "date balance", "+" after a date stored already
    QTest::addColumn<int>("unreadable");

    QTest::newRow("balances, several rows a day")
        << WithBalances << QString() << QStringList() << WithBalancesDays << 0;
    QTest::newRow("balances, newest first")
        << newestFirst(WithBalances) << QString() << QStringList() << WithBalancesDays << 0;
    // Only the balances tell the order of a file of one day.
    QTest::newRow("balances, one day newest first")
        << QByteArray("Date,Description,Amount,Balance\n"
                      "13/03/2024,Rent,-1200.00,3800.00\n"
                      "13/03/2024,Salary,3000.00,5000.00\n")
        << QString() << QStringList() << QStringList{"2024-03-13 3800"} << 0;
    QTest::newRow("balances, a row that does not read")
        << QByteArray(WithBalances + "17/03/2024,Odd,n/a,1.00\n") << QString() << QStringList()
        << WithBalancesDays << 1;
    // The opening balance is ignored where the file states balances.
    QTest::newRow("balances, a date stored already")
        << WithBalances << QString("99") << QStringList{"2024-03-14"}
        << QStringList{"2024-03-13 3800", "2024-03-14 3649.75+", "2024-03-16 4147.75"} << 0;
    const QByteArray amounts = "Date,Description,Amount\n"
                               "13/03/2024,Salary,3000.00\n"
                               "13/03/2024,Rent,-1200.00\n"
                               "14/03/2024,Groceries,-150.25\n";
    QTest::newRow("amounts from the opening balance")
        << amounts << QString("-2,000.00") << QStringList()
        << QStringList{"2024-03-13 -200", "2024-03-14 -350.25"} << 0;
    QTest::newRow("amounts without an opening balance")
        << amounts << QString() << QStringList() << QStringList() << 0;
}

void TestOffsetWindow::dailyBalances() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, opening);
    QFETCH(QStringList, stored);
    QFETCH(QStringList, expected);
    QFETCH(int, unreadable);

    const CsvReader reader(QString::fromUtf8(csv));
    QString error;
    const auto proposal = reader.propose(std::nullopt, &error);
    QVERIFY2(proposal, qPrintable(error));
    OffsetImport::Days days = OffsetImport::daily(
        proposal->result.rows, opening.isEmpty() ? std::nullopt : Money::parse(opening));
    QSet<QDate> storedDates;
    for (const QString& d : stored)
        storedDates << QDate::fromString(d, Qt::ISODate);
    OffsetImport::markStored(days.days, storedDates);

    QStringList shown;
    for (const OffsetImport::Day& d : days.days)
        shown << d.date.toString(Qt::ISODate) + ' ' + d.balance.toPlainText() +
                     (d.stored ? "+" : "");
    QCOMPARE(shown, expected);
    QCOMPARE(days.unreadable, unreadable);
    QCOMPARE(OffsetImport::newBalances(days.days).size(), expected.size() - stored.size());
}

void TestOffsetWindow::shareStoredOrRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("refused");

    QTest::newRow("whole") << "40"
                           << "40" << false;
    QTest::newRow("two decimals") << "33.50"
                                  << "33.5" << false;
    QTest::newRow("nothing counts") << "0"
                                    << "0" << false;
    QTest::newRow("above 100") << "100.5"
                               << "100" << true;
    QTest::newRow("three decimals") << "12.345"
                                    << "100" << true;
    QTest::newRow("words") << "forty"
                           << "100" << true;
    QTest::newRow("empty") << ""
                           << "100" << true;
}

// Reached from the method window; the share is stored when typed, a refused one is not.
void TestOffsetWindow::shareStoredOrRefused() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, refused);

    RecordsHarness h;
    FormWindow* method = h.main->showWindow(WindowNames::Method);
    CLICK(method, "cmdOffset");
    FormWindow* w = h.main->registry().loaded(WindowNames::Offset);
    QVERIFY(w && w->isVisible());
    auto* share = control<QLineEdit>(w, "shareEdit");
    QCOMPARE(share->text(), "100");
    QVERIFY(!share->isEnabled());
    CLICK(w, "offsetCheck");
    QCOMPARE(setting(h.account, "OffsetAccount"), "yes");
    QVERIFY(share->isEnabled());

    share->setFocus();
    share->clear();
    QTest::keyClicks(share, typed);
    QTest::keyClick(share, Qt::Key_Return);
    QCOMPARE(setting(h.account, "OffsetShare"), stored);
    QCOMPARE(share->text(), stored);
    QCOMPARE(h.dialogs.messages.size(), refused ? 1 : 0);
    if (refused)
        QVERIFY2(h.dialogs.messages[0].text.contains("from 0 to 100"),
                 qPrintable(h.dialogs.messages[0].text));
}

// A balance typed into the grid is stored, one without a date is refused and kept as typed;
// unticking the box keeps the balances; Delete removes one.
void TestOffsetWindow::balancesTypedKeptAndDeleted() {
    RecordsHarness h;
    OffsetWindow* w = openFromMenu(h);
    QVERIFY(w);
    auto* grid = control<QTableView>(w, "balancesGrid");
    QVERIFY(!grid->isEnabled());
    CLICK(w, "offsetCheck");
    CLICK(w, "cmdAdd");
    typeIntoCell(grid, 0, OffsetWindow::colBalance, "2,500.50");
    CLICK(w, "cmdClose");
    QVERIFY(h.main->isLoaded(WindowNames::Offset));
    QCOMPARE(h.dialogs.messages.size(), 1);
    QVERIFY2(h.dialogs.messages[0].text.contains("without a Date"),
             qPrintable(h.dialogs.messages[0].text));
    QCOMPARE(grid->model()->index(0, OffsetWindow::colBalance).data().toString(), "2,500.50");
    typeIntoCell(grid, 0, OffsetWindow::colDate, "3/14/2024");
    CLICK(w, "cmdClose");
    QVERIFY(!h.main->isLoaded(WindowNames::Offset));
    QCOMPARE(storedBalances(h.account), QStringList{"2024-03-14 2500.5"});

    w = openFromMenu(h);
    QVERIFY(w);
    grid = control<QTableView>(w, "balancesGrid");
    QCOMPARE(grid->model()->index(0, OffsetWindow::colDate).data().toString(), "3/14/2024");
    CLICK(w, "offsetCheck");
    QCOMPARE(setting(h.account, "OffsetAccount"), "no");
    QVERIFY(!grid->isEnabled());
    QCOMPARE(storedBalances(h.account), QStringList{"2024-03-14 2500.5"});
    CLICK(w, "offsetCheck");
    grid->setFocus();
    h.dialogs.answers << true;
    QTest::keyClick(grid, Qt::Key_Delete);
    QCOMPARE(h.dialogs.questions.size(), 1);
    QCOMPARE(h.dialogs.questions[0].text, "Delete the balance of 3/14/2024 (2,500.50)?");
    QCOMPARE(storedBalances(h.account), QStringList());
    QCOMPARE(h.dialogs.messages.size(), 1);
}

// Through the file dialog: the days are stored once, shown in the grid, and the layout is kept;
// the same file again has nothing new.
void TestOffsetWindow::importStoresEachDayOnce() {
    RecordsHarness h;
    QTemporaryDir dir;
    const QString file = writeFile(dir, "offset.csv", WithBalances);
    OffsetWindow* w = openFromMenu(h);
    QVERIFY(w);
    CLICK(w, "offsetCheck");

    QStringList previewed;
    auto answerPreview = [&](bool cancelAfter) {
        QTimer::singleShot(0, w, [&previewed, cancelAfter] {
            QWidget* preview = QApplication::activeModalWidget();
            if (!preview || preview->objectName() != "OffsetImportDialog")
                return;
            previewed = previewRows(preview);
            preview->findChild<QAbstractButton*>("importButton")->click();
            if (cancelAfter)
                preview->findChild<QAbstractButton*>("cancelButton")->click();
        });
    };
    h.dialogs.files << file;
    answerPreview(false);
    CLICK(w, "importButton");
    QCOMPARE(previewed, (QStringList{"3/13/2024|3,800.00|New", "3/14/2024|3,649.75|New",
                                     "3/16/2024|4,147.75|New"}));
    QCOMPARE(storedBalances(h.account), WithBalancesDays);
    QCOMPARE(w->gridModel()->rowCount(), 3);
    QCOMPARE(w->gridModel()->index(2, OffsetWindow::colBalance).data().toString(), "4,147.75");
    QVERIFY(setting(h.account, OffsetImportDialog::ChoicesSetting).contains("balance="));
    QVERIFY(h.dialogs.messages.isEmpty());

    h.dialogs.files << file;
    answerPreview(true);
    CLICK(w, "importButton");
    QCOMPARE(previewed,
             (QStringList{"3/13/2024|3,800.00|Already stored", "3/14/2024|3,649.75|Already stored",
                          "3/16/2024|4,147.75|Already stored"}));
    QCOMPARE(h.dialogs.messageTexts(),
             QStringList{"Every day of the file already has a balance in the account: there is "
                         "nothing to import."});
    QCOMPARE(storedBalances(h.account), WithBalancesDays);
}

// A file without balances: the opening balance its summary line states is offered; Import needs
// an opening balance that reads, and the days follow it.
void TestOffsetWindow::importAsksOpeningBalance() {
    ScriptedDialogs& dialogs = ScriptedDialogs::install();
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    QTemporaryDir dir;
    const QString file = writeFile(dir, "offset.csv",
                                   "Opening balance,,500.00\n\n"
                                   "Date,Description,Amount\n"
                                   "13/03/2024,Salary,3000.00\n"
                                   "14/03/2024,Rent,-1200.00\n");
    AccountConnection connection;
    QVERIFY(connection.open(account));
    auto window = OffsetImportDialog::open(file, connection.database(), std::nullopt);
    QVERIFY2(window, qPrintable(dialogs.messageTexts().join('\n')));
    window->show();
    auto* opening = control<QLineEdit>(window.get(), "openingEdit");
    QVERIFY(opening->isVisible());
    QCOMPARE(opening->text(), "500");
    QCOMPARE(previewRows(window.get()),
             (QStringList{"3/13/2024|3,500.00|New", "3/14/2024|2,300.00|New"}));

    for (const QString& typed : {QString(), QString("lots")}) {
        opening->setText(typed);
        CLICK(window.get(), "importButton");
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages.takeFirst().text.contains("opening balance"), qPrintable(typed));
    }
    opening->setText("1,000");
    QCOMPARE(previewRows(window.get()),
             (QStringList{"3/13/2024|4,000.00|New", "3/14/2024|2,800.00|New"}));
    CLICK(window.get(), "importButton");
    QCOMPARE(window->result(), int(QDialog::Accepted));
    QCOMPARE(window->added(), 2);
    QCOMPARE(storedBalances(account), (QStringList{"2024-03-13 4000", "2024-03-14 2800"}));
}

QTEST_MAIN(TestOffsetWindow)
#include "tst_offsetwindow.moc"
