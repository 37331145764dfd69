#include "data/ShortDate.h"
#include "records/frmAllRecords.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

QStringList column(frmAllRecords* w, int col) {
    QStringList texts;
    const QAbstractItemModel* m = w->grid()->model();
    for (int row = 0; row < m->rowCount(); ++row)
        texts << m->index(row, col).data().toString();
    return texts;
}

enum Col { Date, Govt, Bank, Withdrawal, Deposit, Interest, Balance, Close };

} // namespace

class TestAllRecords : public QObject {
    Q_OBJECT

private slots:
    void dateColumnSaysItsForm();
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void layout();
    void formats_data();
    void formats();
    void recalculation_data();
    void recalculation();
    void refreshTwiceStoresTheSameBalances();
    void editedAmountMovesLaterBalances();
    void refreshShowsNoHalfState();
    void addedRowTakesItsPlace();
    void deleteMovesOn_data();
    void deleteMovesOn();
    void failedDeleteRefreshes();
    void closeSavesAndReturnsToTaskMenu_data();
    void closeSavesAndReturnsToTaskMenu();
    void rowWithoutDateIsKept_data();
    void rowWithoutDateIsKept();
    void taskMenuRoundTrip();
};

// The window shows the stated columns in order, its rows in the all-records order (a balance
// row in debit before that day's transactions), and only the buttons the user may use.
void TestAllRecords::layout() {
    RecordsHarness h({"2024-01-05 D=100 C=0", "2024-01-05 C=-2000", "2024-01-01 C=-1000"});
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);

    const QStringList visible = {"Date",    "Govt Charge",     "Bank Charge", "User Withdrawal",
                                 "Deposit", "Interest Charge", "Balance",     "CloseBalance"};
    QStringList shown;
    for (int c = 0; c < w->gridModel()->columnCount(); ++c) {
        if (!w->grid()->isColumnHidden(c))
            shown << w->gridModel()->headerData(c, Qt::Horizontal).toString();
    }
    QCOMPARE(shown, visible);
    QCOMPARE(column(w, Date), QStringList({"1/1/2024", "1/5/2024", "1/5/2024"}));
    QCOMPARE(column(w, Close), QStringList({"-1,000.00", "-2,000.00", "0.00"}));
    QCOMPARE(w->grid()->accessibleName(), WindowNames::AllRecords);
    QVERIFY(w->grid()->isVisible());
    QVERIFY(w->parentWidget()->isMaximized());

    for (const char* name : {"cmdAdd", "cmdDelete", "cmdRefresh", "cmdClose"})
        QVERIFY2(control<QAbstractButton>(w, name)->isVisible(), name);
    for (const char* name : {"cmdEdit", "cmdUpdate", "cmdCancel"})
        QVERIFY2(!control<QAbstractButton>(w, name)->isVisible(), name);
    QVERIFY(h.dialogs.messages.isEmpty());
}

// Dates show and read as the user's Short Date, amounts in the column's format; each cell reads
// back what it shows. A date the Short Date cannot read is refused, never read in another order,
// and the row keeps the date it had.
void TestAllRecords::formats_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("stored");

    QTest::newRow("en_US date") << "en_US" << int(Date) << "2/29/2024"
                                << "2/29/2024"
                                << "2024-02-29";
    QTest::newRow("de_DE date") << "de_DE" << int(Date) << "29.2.2024"
                                << "29.02.2024"
                                << "2024-02-29";
    QTest::newRow("en_GB date, day first") << "en_GB" << int(Date) << "05/04/2023"
                                           << "05/04/2023"
                                           << "2023-04-05";
    QTest::newRow("en_AU date, day first") << "en_AU" << int(Date) << "05/04/2023"
                                           << "5/4/2023"
                                           << "2023-04-05";
    QTest::newRow("en_GB refuses month first") << "en_GB" << int(Date) << "04/15/2023"
                                               << "02/01/2024"
                                               << "2024-01-02";
    QTest::newRow("de_DE refuses M/d/yyyy") << "de_DE" << int(Date) << "2/29/2024"
                                            << "02.01.2024"
                                            << "2024-01-02";
    QTest::newRow("negative year refused") << "en_US" << int(Date) << "1/1/-2024"
                                           << "1/2/2024"
                                           << "2024-01-02";
    QTest::newRow("en_US money") << "en_US" << int(Deposit) << "1,234.5"
                                 << "1,234.50"
                                 << "12345000";
    QTest::newRow("de_DE money") << "de_DE" << int(Deposit) << "1.234,5"
                                 << "1.234,50"
                                 << "12345000";
    QTest::newRow("four decimals kept") << "en_US" << int(Deposit) << "0.0049"
                                        << "0.00"
                                        << "49";
    // Refresh stores an emptied amount as 0 (the row is not the first).
    QTest::newRow("emptied amount") << "en_US" << int(Govt) << ""
                                    << ""
                                    << "0";
}

void TestAllRecords::formats() {
    QFETCH(QString, locale);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QLocale::setDefault(QLocale(locale));

    RecordsHarness h({"2024-01-01 G=1 D=7 C=-1000", "2024-01-02 G=3 D=5"});
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    typeIntoCell(w->grid(), 1, col, typed);
    if (QString(QTest::currentDataTag()).contains("refuse"))
        QCOMPARE(h.dialogs.messageTexts(),
                 QStringList("Type mismatch: '" + typed +
                             "' is not a valid value for Date. Please enter it as " +
                             ShortDate::pattern() + "."));
    else
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.messageTexts().join('|')));
    QCOMPARE(w->gridModel()->index(1, col).data().toString(), shown);
    CLICK(w, "cmdRefresh");

    const QString name = w->gridModel()->columns()[col].field;
    const QStringList values = AccountFixture::column(
        h.account, QStringLiteral("select %1 from tblAllRecords where ID=2").arg(name));
    QCOMPARE(values, QStringList(stored));
}

// The recomputation on activation: what it stores in each row, in the window's order.
void TestAllRecords::recalculation_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("balances");
    QTest::addColumn<QStringList>("deposits");

    QTest::newRow("empty table") << QStringList() << QStringList() << QStringList();
    QTest::newRow("first row without CloseBalance starts from 0")
        << QStringList{"2024-01-01 D=100", "2024-01-02 W=30", "2024-01-03 D=5.25"}
        << QStringList{"0", "-30", "-24.75"} << QStringList{"100", "0", "5.25"};
    QTest::newRow("first row's empty amounts stay empty, the others become 0")
        << QStringList{"2024-01-01 C=-1000", "2024-01-02 G=10", "2024-01-03 B=2.5"}
        << QStringList{"-1000", "-1010", "-1012.5"} << QStringList{"NULL", "0", "0"};
    QTest::newRow("every amount applies")
        << QStringList{"2024-01-01 C=-1000", "2024-01-02 G=1 B=2 W=3 D=100 I=4"}
        << QStringList{"-1000", "-910"} << QStringList{"NULL", "100"};
    QTest::newRow("CloseBalance 0 keeps the balance")
        << QStringList{"2024-01-01 C=-1000", "2024-01-02 D=100 C=0"} << QStringList{"-1000", "-900"}
        << QStringList{"NULL", "100"};
    QTest::newRow("a balance row resets the balance, whatever its amounts")
        << QStringList{"2024-01-01 C=-1000", "2024-01-02 W=50", "2024-01-03 D=99 C=-500",
                       "2024-01-04 I=2"}
        << QStringList{"-1000", "-1050", "-500", "-502"} << QStringList{"NULL", "0", "99", "0"};
    QTest::newRow("a day's balance row comes before its transactions")
        << QStringList{"2024-01-01 C=-1000", "2024-01-05 D=100 C=0", "2024-01-05 C=-700"}
        << QStringList{"-1000", "-700", "-600"} << QStringList{"NULL", "0", "100"};
    QTest::newRow("a transaction appended without CloseBalance settles after the balance row")
        << QStringList{"2024-01-01 C=-1000", "2024-01-05 D=100", "2024-01-05 C=-700"}
        << QStringList{"-1000", "-700", "-600"} << QStringList{"NULL", "0", "100"};
    // The first statement: the opening balance row and a transaction on the same day, the
    // transaction appended with an empty CloseBalance.
    QTest::newRow("a transaction on the opening day")
        << QStringList{"2024-01-01 C=-1000", "2024-01-01 D=100", "2024-01-02 W=10"}
        << QStringList{"-1000", "-900", "-910"} << QStringList{"NULL", "100", "0"};
    QTest::newRow("a balance row in credit comes before its day's transactions")
        << QStringList{"2024-01-01 D=50", "2024-01-01 C=500", "2024-01-01 W=20 C=0"}
        << QStringList{"500", "550", "530"} << QStringList{"NULL", "50", "0"};
    QTest::newRow("two balance rows on one day, by CloseBalance")
        << QStringList{"2024-01-01 C=-1000", "2024-01-02 D=10", "2024-01-02 C=-900",
                       "2024-01-02 C=-950"}
        << QStringList{"-1000", "-950", "-900", "-890"} << QStringList{"NULL", "0", "0", "10"};
    QTest::newRow("a stale balance is replaced")
        << QStringList{"2024-01-01 C=-1000 O=5", "2024-01-02 D=1 O=123"}
        << QStringList{"-1000", "-999"} << QStringList{"NULL", "1"};
    QTest::newRow("an amount out of range leaves the balance as it was")
        << QStringList{"2024-01-01 C=1000", "2024-01-02 D=922337203685477", "2024-01-03 W=1"}
        << QStringList{"1000", "1000", "999"} << QStringList{"NULL", "922337203685477", "0"};
}

void TestAllRecords::recalculation() {
    QFETCH(QStringList, rows);
    QFETCH(QStringList, balances);
    QFETCH(QStringList, deposits);

    RecordsHarness h(rows);
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);

    QCOMPARE(h.stored("OpenBalance"), balances);
    QCOMPARE(h.stored("Deposit"), deposits);
    if (rows.size() > 1) {
        // Every further row's empty amounts are stored as 0.
        for (const char* amount : {"GovtCharge", "BankCharge", "UserWithdrawal", "Deposit",
                                   "InterestPayment", "CloseBalance"})
            QVERIFY2(!h.stored(amount).mid(1).contains("NULL"), amount);
    }
    QCOMPARE(w->gridModel()->rowCount(), int(rows.size()));
    QVERIFY(h.dialogs.messages.isEmpty());
}

// Nothing edited, nothing moves: the first pass stores its final values (the 0s it fills in
// move no row), and a pass never builds on the balance the last pass ended with.
void TestAllRecords::refreshTwiceStoresTheSameBalances() {
    RecordsHarness h({"2024-01-01 C=-1000", "2024-01-01 D=100", "2024-01-02 W=10", "2024-01-03 D=5",
                      "2024-01-03 C=250", "2024-01-03 I=1 C=0"});
    const QString everything = QStringLiteral(
        "select ID||'|'||ifnull(GovtCharge,'-')||'|'||ifnull(BankCharge,'-')||'|'||"
        "ifnull(UserWithdrawal,'-')||'|'||ifnull(Deposit,'-')||'|'||ifnull(InterestPayment,'-')"
        "||'|'||ifnull(OpenBalance,'-')||'|'||ifnull(CloseBalance,'-') from tblAllRecords "
        "order by ID");
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    const QStringList first = AccountFixture::column(h.account, everything);
    QCOMPARE(h.stored("OpenBalance"), QStringList({"-1000", "-900", "-910", "250", "255", "254"}));

    CLICK(w, "cmdRefresh");
    QCOMPARE(AccountFixture::column(h.account, everything), first);
    CLICK(w, "cmdRefresh");
    QCOMPARE(AccountFixture::column(h.account, everything), first);

    // Coming back to the window recomputes again, from 0 again.
    h.main->showWindow(WindowNames::Options);
    h.main->showWindow(WindowNames::AllRecords);
    QCOMPARE(AccountFixture::column(h.account, everything), first);
    QCOMPARE(column(w, Balance),
             QStringList({"-1,000.00", "-900.00", "-910.00", "250.00", "255.00", "254.00"}));
}

// An amount edited in the grid moves every later balance up to the next balance row, once
// Refresh is pressed.
void TestAllRecords::editedAmountMovesLaterBalances() {
    RecordsHarness h({"2024-01-01 C=-1000", "2024-01-02 D=100", "2024-01-03 W=10", "2024-01-04 I=5",
                      "2024-01-05 C=-2000", "2024-01-06 D=1"});
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    QCOMPARE(h.stored("OpenBalance"),
             QStringList({"-1000", "-900", "-910", "-915", "-2000", "-1999"}));

    typeIntoCell(w->grid(), 1, Deposit, "150");
    CLICK(w, "cmdRefresh");

    const QStringList expected = {"-1000", "-850", "-860", "-865", "-2000", "-1999"};
    QCOMPARE(h.stored("OpenBalance"), expected);
    QCOMPARE(column(w, Balance),
             QStringList({"-1,000.00", "-850.00", "-860.00", "-865.00", "-2,000.00", "-1,999.00"}));
    QVERIFY(h.dialogs.messages.isEmpty());
}

// While Refresh recomputes, the grid hears of no single row: it is rebuilt from the result.
void TestAllRecords::refreshShowsNoHalfState() {
    RecordsHarness h({"2024-01-01 C=-1000", "2024-01-02 D=100", "2024-01-03 W=10"});
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    h.sql("update tblAllRecords set Deposit=2000000 where ID=2");
    QSignalSpy changed(w->gridModel(), &QAbstractItemModel::dataChanged);
    QSignalSpy reset(w->gridModel(), &QAbstractItemModel::modelReset);

    CLICK(w, "cmdRefresh");

    QCOMPARE(changed.count(), 0);
    QVERIFY(reset.count() > 0);
    QCOMPARE(column(w, Balance), QStringList({"-1,000.00", "-800.00", "-810.00"}));
    QVERIFY(w->grid()->isVisible());
    QVERIFY(!QGuiApplication::overrideCursor());
}

// Add puts a new row at the end for the user to type into; Refresh sorts it into its place.
void TestAllRecords::addedRowTakesItsPlace() {
    RecordsHarness h({"2024-01-01 C=-1000", "2024-01-03 W=10"});
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    w->grid()->setCurrentIndex(w->gridModel()->index(0, Deposit));
    CLICK(w, "cmdAdd");
    QCOMPARE(w->recordSet()->absolutePosition(), 3);
    QCOMPARE(w->grid()->currentIndex(), w->gridModel()->index(2, Date));
    QVERIFY(!w->addFlag());

    typeIntoCell(w->grid(), 2, Date, "1/2/2024");
    typeIntoCell(w->grid(), 2, Deposit, "100");
    CLICK(w, "cmdRefresh");

    QCOMPARE(column(w, Date), QStringList({"1/1/2024", "1/2/2024", "1/3/2024"}));
    QCOMPARE(h.stored("OpenBalance"), QStringList({"-1000", "-900", "-910"}));
    QVERIFY(h.dialogs.messages.isEmpty());
}

// Delete removes the row the user clicked and makes the next one current (the last when the
// deleted one was last), so a second Delete removes the row the status then shows.
void TestAllRecords::deleteMovesOn_data() {
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("afterFirst");
    QTest::addColumn<int>("afterSecond");
    QTest::addColumn<QStringList>("dates");

    QTest::newRow("middle row") << 2 << 2 << 2 << QStringList({"2024-01-01", "2024-01-04"});
    QTest::newRow("last row") << 4 << 3 << 2 << QStringList({"2024-01-01", "2024-01-02"});
}

void TestAllRecords::deleteMovesOn() {
    QFETCH(int, clicked);
    QFETCH(int, afterFirst);
    QFETCH(int, afterSecond);
    QFETCH(QStringList, dates);

    RecordsHarness h(
        {"2024-01-01 C=-1000", "2024-01-02 D=100", "2024-01-03 W=10", "2024-01-04 D=1"});
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    auto* status = control<QLabel>(w, "lblStatus");
    const QRect cell = w->grid()->visualRect(w->gridModel()->index(clicked - 1, Deposit));
    QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(status->text(), QStringLiteral("Record: %1").arg(clicked));

    CLICK(w, "cmdDelete");
    QCOMPARE(status->text(), QStringLiteral("Record: %1").arg(afterFirst));
    QCOMPARE(w->grid()->currentIndex().row(), afterFirst - 1);
    CLICK(w, "cmdDelete");
    QCOMPARE(status->text(), QStringLiteral("Record: %1").arg(afterSecond));

    QCOMPARE(h.stored("Date"), dates);
    QVERIFY(h.dialogs.messages.isEmpty());
}

// A delete that fails says nothing and refreshes instead: the balances are recomputed.
void TestAllRecords::failedDeleteRefreshes() {
    RecordsHarness h({"2024-01-01 C=-1000", "2024-01-02 D=100"});
    h.sql("create trigger keep before delete on tblAllRecords "
          "begin select raise(abort, 'rows cannot be deleted'); end");
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    typeIntoCell(w->grid(), 1, Deposit, "300");

    CLICK(w, "cmdDelete");

    QVERIFY(h.dialogs.messages.isEmpty());
    QCOMPARE(w->recordSet()->recordCount(), 2);
    QCOMPARE(h.stored("OpenBalance"), QStringList({"-1000", "-700"}));
}

// Close saves what was typed, returns to the task menu and unloads the window; Escape and the
// frame's close button are Close. An unload by New or Open saves it too.
void TestAllRecords::closeSavesAndReturnsToTaskMenu_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("cellOpen"); // still typing in the cell
    QTest::newRow("Close") << "Close" << false;
    QTest::newRow("Escape") << "Escape" << false;
    QTest::newRow("frame") << "frame" << false;
    QTest::newRow("frame, cell still open") << "frame" << true;
    QTest::newRow("unloaded by New/Open") << "unload" << false;
    QTest::newRow("unloaded by New/Open, cell still open") << "unload" << true;
}

void TestAllRecords::closeSavesAndReturnsToTaskMenu() {
    QFETCH(QString, how);
    QFETCH(bool, cellOpen);

    RecordsHarness h({"2024-01-01 C=-1000", "2024-01-02 D=100"});
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    if (cellOpen) {
        const QModelIndex cell = w->gridModel()->index(1, Deposit);
        w->grid()->setCurrentIndex(cell);
        w->grid()->edit(cell);
        auto* editor = w->grid()->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "555");
    } else {
        typeIntoCell(w->grid(), 1, Deposit, "555");
        QVERIFY(w->recordSet()->editPending());
    }

    if (how == "Escape")
        QTest::keyClick(w->grid(), Qt::Key_Escape);
    else if (how == "Close")
        CLICK(w, "cmdClose");
    else if (how == "frame")
        w->parentWidget()->close();
    else
        h.main->unloadWindow(WindowNames::AllRecords);

    QTRY_VERIFY(!h.main->isLoaded(WindowNames::AllRecords));
    QCOMPARE(h.stored("Deposit"), QStringList({"NULL", "555"}));
    QCOMPARE(h.main->isLoaded(WindowNames::Options), how != "unload");
    QCOMPARE(AccountConnection::openCount(h.account), 0);
    QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.messageTexts().join('|')));
}

// A row typed without a date is not saved (it would start every balance); every way of saving
// or leaving says why, and the row's values stay in view: in the window, which stays open when
// the user closed it, or in the message when New or Open unloads it.
void TestAllRecords::rowWithoutDateIsKept_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("Refresh") << "Refresh"
                             << "Refresh Error: ";
    QTest::newRow("Close") << "Close"
                           << "Update Error: ";
    QTest::newRow("frame") << "frame"
                           << "Update Error: ";
    QTest::newRow("unloaded by New/Open") << "unload"
                                          << "Update Error: ";
}

void TestAllRecords::rowWithoutDateIsKept() {
    QFETCH(QString, how);
    QFETCH(QString, prefix);

    RecordsHarness h({"2024-01-01 C=-1000", "2024-01-02 D=100"});
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    CLICK(w, "cmdAdd");
    typeIntoCell(w->grid(), 2, Deposit, "555");

    if (how == "Refresh")
        CLICK(w, "cmdRefresh");
    else if (how == "Close")
        CLICK(w, "cmdClose");
    else if (how == "frame")
        w->parentWidget()->close();
    else
        h.main->unloadWindow(WindowNames::AllRecords);
    QCoreApplication::processEvents();

    const QString refused = "This row cannot be saved without a Date. Type its Date, then save "
                            "it again.";
    QTRY_COMPARE(h.dialogs.messages.size(), 1);
    QCOMPARE(h.dialogs.messages.first().text,
             prefix + refused +
                 (how == "unload" ? QStringLiteral("\n\nThe row not saved: Deposit 555.00")
                                  : QString()));
    QCOMPARE(AccountFixture::column(h.account, "select count(*) from tblAllRecords"),
             QStringList("2"));
    if (how == "unload") {
        QVERIFY(!h.main->isLoaded(WindowNames::AllRecords));
        return;
    }
    QVERIFY(h.main->isLoaded(WindowNames::AllRecords));
    QVERIFY(w->isVisible() && w->grid()->isVisible());
    QCOMPARE(column(w, Deposit), QStringList({"", "100.00", "555.00"}));

    // Completed, the row is saved and the window closes as usual.
    typeIntoCell(w->grid(), 2, Date, "1/3/2024");
    CLICK(w, "cmdClose");
    QVERIFY(!h.main->isLoaded(WindowNames::AllRecords));
    QCOMPARE(h.stored("Deposit"), QStringList({"NULL", "100", "555"}));
    QCOMPARE(h.dialogs.messages.size(), 1);
}

// From the task menu of an opened account: every row in order, an edited amount carried
// through every later balance by Refresh, and the edits in the file after Close.
void TestAllRecords::taskMenuRoundTrip() {
    RecordsHarness h({"2024-02-01 D=100 C=0", "2024-01-01 C=-1000", "2024-03-01 I=7.5 C=0"});
    h.main->setTag(Tag::File, "Open");
    FormWindow* menu = h.main->showWindow(WindowNames::Options);
    QVERIFY(menu);
    CLICK(menu, "cmdPrevious");
    auto* w = dynamic_cast<frmAllRecords*>(h.main->activeForm());
    QVERIFY(w);
    QCOMPARE(column(w, Date), QStringList({"1/1/2024", "2/1/2024", "3/1/2024"}));
    QCOMPARE(column(w, Balance), QStringList({"-1,000.00", "-900.00", "-907.50"}));

    typeIntoCell(w->grid(), 1, Deposit, "250");
    CLICK(w, "cmdRefresh");
    QCOMPARE(column(w, Balance), QStringList({"-1,000.00", "-750.00", "-757.50"}));
    CLICK(w, "cmdClose");

    QVERIFY(!h.main->isLoaded(WindowNames::AllRecords));
    QVERIFY(h.main->isLoaded(WindowNames::Options));
    QCOMPARE(h.stored("Deposit"), QStringList({"NULL", "250", "0"}));
    QCOMPARE(h.stored("OpenBalance"), QStringList({"-1000", "-750", "-757.5"}));
    QVERIFY(h.dialogs.messages.isEmpty());
}

// The Date column says the form it reads: in its heading's tooltip and in the empty cell editor.
void TestAllRecords::dateColumnSaysItsForm() {
    RecordsHarness h({"2024-01-01 D=7 C=-1000"});
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    const int date = w->gridModel()->columnOf("Date");
    QCOMPARE(w->gridModel()->headerData(date, Qt::Horizontal, Qt::ToolTipRole).toString(),
             "Dates as " + ShortDate::pattern());
    QVERIFY(w->gridModel()->headerData(date + 1, Qt::Horizontal, Qt::ToolTipRole).isNull());
    w->grid()->setCurrentIndex(w->gridModel()->index(0, date));
    w->grid()->edit(w->grid()->currentIndex());
    auto* editor = w->grid()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QCOMPARE(editor->placeholderText(), ShortDate::pattern());
}

QTEST_MAIN(TestAllRecords)
#include "tst_allrecords.moc"
