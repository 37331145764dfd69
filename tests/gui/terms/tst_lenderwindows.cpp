// The lender's windows: the conventions, stored the moment they are chosen and still there after
// the account is opened again, a preset storing its whole set, choices that cannot go together
// refused, the window whole on a 1280x800 screen; and the search for the lender's method, whose
// choice Apply makes the account's before it opens the report.
#include "data/AccountFiles.h"
#include "engine/AccountStore.h"
#include "report/frmCalculate.h"
#include "shell/WindowFit.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/ChargedAccount.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"
#include "terms/ConventionsWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

Q_DECLARE_METATYPE(LenderConventions)

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

ConventionsWindow* openConventions(RecordsHarness& h) {
    return dynamic_cast<ConventionsWindow*>(h.main->showWindow(WindowNames::Conventions));
}

// Each step clicks the control named, or sets a spin box: "perYearSpin=26".
void take(QWidget* w, const QStringList& steps) {
    for (const QString& step : steps) {
        const QStringList parts = step.split(u'=');
        if (parts.size() == 2) {
            auto* spin = control<QSpinBox>(w, parts[0]);
            QVERIFY2(spin && spin->isEnabled(), qPrintable(parts[0]));
            spin->setValue(parts[1].toInt());
        } else
            CLICK(w, step);
    }
}

} // namespace

class TestLenderWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void conventionsStoredAtOnce();
    void choicesStored_data();
    void choicesStored();
    void presetStoresItsWhole_data();
    void presetStoresItsWhole();
    void equalPeriodsRefused_data();
    void equalPeriodsRefused();
    void conventionsFitTheScreen();
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

void TestLenderWindows::choicesStored_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<LenderConventions>("stored");
    const InterestRounding posting = InterestRounding::Posting;
    QTest::newRow("posting period")
        << QStringList{"restOption1"}
        << LenderConventions{DayCount::Actual365Fixed, InterestRounding::Day4,
                             Rest::postingPeriod()};
    QTest::newRow("6-month blocks from January")
        << QStringList{"restOption2", "restMonthsSpin=6"}
        << LenderConventions{DayCount::Actual365Fixed, InterestRounding::Day4, Rest::blocks(6, 1)};
    QTest::newRow("half-yearly, 26 a year")
        << QStringList{"compoundingOption1", "perYearSpin=26"}
        << LenderConventions{DayCount::Actual365Fixed, InterestRounding::Day4, Rest::daily(),
                             Compounding::HalfYearly, 26};
    QTest::newRow("equal periods, 52 a year")
        << QStringList{"roundingOption2", "dayCountOption5", "perYearSpin=52"}
        << LenderConventions{DayCount::EqualPeriods, posting, Rest::daily(), Compounding::None, 52};
    // Unused, the periods a year are the default's: the set is the defaults again.
    QTest::newRow("periods a year unused")
        << QStringList{"compoundingOption1", "perYearSpin=26", "compoundingOption0"}
        << LenderConventions();
}

// Each choice is stored as it is made, and the window opened again shows it.
void TestLenderWindows::choicesStored() {
    QFETCH(QStringList, steps);
    QFETCH(LenderConventions, stored);
    RecordsHarness h;
    ConventionsWindow* w = openConventions(h);
    QVERIFY(w);
    take(w, steps);
    QVERIFY(storedIn(h.account) == stored);
    if (stored.rest.kind == Rest::Kind::Months)
        QCOMPARE(Conventions::word(storedIn(h.account).rest), "months:6@1");
    CLICK(w, "closeButton");
    QTRY_VERIFY(!h.main->isLoaded(WindowNames::Conventions));
    w = openConventions(h);
    QVERIFY(w->shownConventions() == stored);
    QVERIFY(h.dialogs.messages.isEmpty());
}

void TestLenderWindows::presetStoresItsWhole_data() {
    QTest::addColumn<int>("preset");
    for (int i = 0; i < Conventions::presets().size(); ++i)
        QTest::addRow("%s", qPrintable(Conventions::presets()[i].name)) << i;
}

// From Actual/360 each day to cents, a preset stores its conventions and keeps nothing else; its
// use is said beside it.
void TestLenderWindows::presetStoresItsWhole() {
    QFETCH(int, preset);
    const Conventions::Preset p = Conventions::presets()[preset];
    RecordsHarness h;
    ConventionsWindow* w = openConventions(h);
    QVERIFY(w);
    take(w, {"dayCountOption3", "roundingOption1"});
    control<QComboBox>(w, "presetBox")->setCurrentIndex(preset);
    QVERIFY(control<QLabel>(w, "presetUseLabel")->text().contains(p.usedBy));
    CLICK(w, "applyPresetButton");
    QVERIFY(storedIn(h.account) == p.conventions);
    QVERIFY(w->shownConventions() == p.conventions);
    QVERIFY(h.dialogs.messages.isEmpty());
}

void TestLenderWindows::equalPeriodsRefused_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<LenderConventions>("stored");
    QTest::newRow("equal periods, each day to four decimals")
        << QStringList{"dayCountOption5"} << LenderConventions();
    QTest::newRow("equal periods, each day to cents")
        << QStringList{"roundingOption1", "dayCountOption5"}
        << LenderConventions{DayCount::Actual365Fixed, InterestRounding::Day2};
    QTest::newRow("the rounding changed away from the posting")
        << QStringList{"roundingOption2", "dayCountOption5", "roundingOption0"}
        << LenderConventions{DayCount::EqualPeriods, InterestRounding::Posting};
}

// Equal periods round only at the posting: any other rounding with them is refused with the
// reason, nothing is stored, and the window shows what is.
void TestLenderWindows::equalPeriodsRefused() {
    QFETCH(QStringList, steps);
    QFETCH(LenderConventions, stored);
    RecordsHarness h;
    ConventionsWindow* w = openConventions(h);
    QVERIFY(w);
    take(w, steps);
    QCOMPARE(h.dialogs.messageTexts(),
             QStringList{QString::fromLatin1(Conventions::EqualPeriodsNeedPosting)});
    QVERIFY(storedIn(h.account) == stored);
    QVERIFY(w->shownConventions() == stored);
}

// In the main window of a 1280x800 screen every choice reads without scrolling, Close in view.
void TestLenderWindows::conventionsFitTheScreen() {
    RecordsHarness h;
    h.main->resize(WindowFit::mainWindowSize(QSize(1280, 800)));
    QCoreApplication::processEvents();
    ConventionsWindow* w = openConventions(h);
    QVERIFY(w);
    QCoreApplication::processEvents();
    const QWidget* room = h.main->mdiArea()->viewport();
    QVERIFY(
        room->rect().contains(h.main->registry().frameOf(WindowNames::Conventions)->geometry()));
    auto* close = control<QPushButton>(w, "closeButton");
    const QRect seen(close->mapTo(room, QPoint(0, 0)), close->size());
    QVERIFY(room->rect().contains(seen));
    QVERIFY(!control<QScrollArea>(w, "conventionsBodyScroll")->verticalScrollBar()->isVisible());
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
                                "Daily", "None", "24 of 24", "0.00"}));
    QVERIFY(control<QLabel>(w, "triedLabel")->text().endsWith("the best 10 are shown."));

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
