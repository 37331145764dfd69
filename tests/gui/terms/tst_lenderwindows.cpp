// The lender's windows: the conventions, stored the moment they are chosen and still there after
// the account is opened again; and the search for the lender's method, whose choice Apply makes
// the account's before it opens the report.
#include "data/AccountFiles.h"
#include "engine/AccountStore.h"
#include "report/frmCalculate.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/ChargedAccount.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"

#include <QAction>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

LenderConventions storedIn(const QString& account) {
    AccountConnection connection;
    LenderConventions c;
    QString error;
    if (connection.open(account))
        AccountStore::readConventions(connection.database(), &c, &error);
    return c;
}

bool checked(QWidget* w, const char* name) {
    auto* option = control<QRadioButton>(w, name);
    return option && option->isChecked();
}

} // namespace

class TestLenderWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void conventionsStoredAtOnce();
    void findMethodApplies();
};

void TestLenderWindows::conventionsStoredAtOnce() {
    RecordsHarness h;
    FormWindow* method = h.main->showWindow(WindowNames::Method);
    CLICK(method, "cmdConventions");
    FormWindow* w = h.main->registry().loaded(WindowNames::Conventions);
    QVERIFY(w && w->isVisible());
    QVERIFY(checked(w, "dayCountOption0") && checked(w, "roundingOption0"));
    CLICK(w, "dayCountOption1");
    QVERIFY(storedIn(h.account) == (LenderConventions{DayCount::ActualActual}));
    CLICK(w, "roundingOption2");
    const LenderConventions chosen{DayCount::ActualActual, InterestRounding::Posting};
    QVERIFY(storedIn(h.account) == chosen);
    CLICK(w, "closeButton");
    QVERIFY(!h.main->isLoaded(WindowNames::Conventions));

    // Opened again: the account is compacted into its place, the choices stay.
    h.main->registry().unloadAccountWindows();
    const FileError e =
        AccountFiles::compactInPlace(h.account, h.fixture.dataFolder() + "Temp.mdb");
    QVERIFY2(!e, qPrintable(e.text));
    h.main->findChild<QAction*>("mnuConventions")->trigger();
    w = h.main->registry().loaded(WindowNames::Conventions);
    QVERIFY(w);
    QVERIFY(checked(w, "dayCountOption1") && checked(w, "roundingOption2"));
    QVERIFY(h.dialogs.messages.isEmpty());
}

// Charges made by Fixed Day from the 15th under Actual/Actual: the search shows that way first,
// and Apply stores the day and the conventions, sets the method and opens the report, which says
// which conventions it used.
void TestLenderWindows::findMethodApplies() {
    RecordsHarness h;
    ChargedAccount::write(h.account, ChargedAccount::history(InterestMethod::FixedDay, "14",
                                                             {DayCount::ActualActual}));
    h.main->setTag(Tag::File, "Open");
    FormWindow* method = h.main->showWindow(WindowNames::Method);
    CLICK(method, "cmdFindMethod");
    FormWindow* w = h.main->registry().loaded(WindowNames::FindMethod);
    QVERIFY(w);
    auto* grid = control<QTableWidget>(w, "fitGrid");
    QCOMPARE(grid->rowCount(), 10);
    QStringList best;
    for (int c = 0; c < grid->columnCount(); ++c)
        best << grid->item(0, c)->text();
    QCOMPARE(best, (QStringList{"Fixed Day", "15", "Actual/Actual", "Each day to four decimals",
                                "24 of 24", "0.00"}));

    grid->selectRow(0);
    CLICK(w, "applyButton");
    QCOMPARE(h.main->tag(Tag::Method), "0");
    QCOMPARE(h.main->tag(Tag::IntCalcTo), "14");
    QCOMPARE(AccountFixture::column(h.account, "select CalcFrom || '/' || CalcTo from tblCalcTo"),
             QStringList{"15/14"});
    QVERIFY(storedIn(h.account) == (LenderConventions{DayCount::ActualActual}));
    QVERIFY(!h.main->isLoaded(WindowNames::Method));
    QVERIFY(!h.main->isLoaded(WindowNames::FindMethod));
    auto* report = dynamic_cast<frmCalculate*>(h.main->registry().loaded(WindowNames::Calculate));
    QVERIFY(report);
    auto* note = control<QLabel>(report, "lblConventions");
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), "Lender's conventions: Actual/Actual, each day to four decimals.");
    QVERIFY(h.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestLenderWindows)
#include "tst_lenderwindows.moc"
