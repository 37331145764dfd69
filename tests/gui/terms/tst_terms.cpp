// The interest terms: the calculation method window and its day, the period loader, and the
// rate periods with the checks their Close makes before leading on.
#include "engine/CalcDay.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"
#include "terms/frmMethod.h"
#include "terms/frmUserInterestChanges.h"

#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

namespace {

const QString DayRefused = QStringLiteral(
    "Please enter the day of month that Interest Calculations start.\nOr choose Variable Day.");
const QString DateError = QStringLiteral("Date Error. Please check all dates.");

// The windows the terms lead to, as plain windows; the harness records which were shown.
const QStringList NextWindows = {WindowNames::NewStatement, WindowNames::ThisSession,
                                 WindowNames::Calculate};

struct Terms : RecordsHarness {
    explicit Terms(const QStringList& rows = {}) : RecordsHarness(rows) {
        for (const QString& name : NextWindows)
            main->registry().add(
                name, [name](MDIForm1& m) { return new FormWindow(m, name); }, false);
    }
    QStringList shown() const {
        QStringList names;
        for (const QString& name : NextWindows + QStringList{WindowNames::Options})
            if (main->isLoaded(name))
                names << name;
        return names;
    }
    QStringList calcRows() const {
        return AccountFixture::column(
            account, "select CalcFrom || '/' || CalcTo from tblCalcTo order by ID");
    }
    QStringList periods() const {
        return AccountFixture::column(account, "select ValidFrom || '..' || ValidTo || ' ' || "
                                               "ifnull(InterestRate, 'NULL') from "
                                               "tblInterestChanges order by ValidTo, ID");
    }
    void addPeriod(const QString& from, const QString& to, const QString& rate = "5") {
        sql(QStringLiteral("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
                           "values ('%1', '%2', %3)")
                .arg(from, to, rate));
    }
};

} // namespace

class TestTerms : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // Every record set goes before its window's connection.
        QTest::failOnWarning(QRegularExpression("still in use"));
    }

    void calcToRule_data();
    void calcToRule();
    void methodDay_data();
    void methodDay();
    void methodKeys();
    void methodOnOpening_data();
    void methodOnOpening();
    void methodReturnConfirmsOnce();
    void reportRoad();
    void periodLoader_data();
    void periodLoader();
    void rateSeededOnce();
    void rateAddProposes_data();
    void rateAddProposes();
    void rateRefusesUnreadable_data();
    void rateRefusesUnreadable();
    void rateClose_data();
    void rateClose();
    void rateKeptWhenClosedByFrame();
};

// Only whole days 1 to 28 are calculation days; the period ends the day before, 28 for day 1.
void TestTerms::calcToRule_data() {
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("calcTo"); // "-" refused
    QTest::newRow("1") << "1"
                       << "28";
    QTest::newRow("28") << "28"
                        << "27";
    QTest::newRow("15") << "15"
                        << "14";
    QTest::newRow("leading zero") << "07"
                                  << "6";
    QTest::newRow("0") << "0"
                       << "-";
    QTest::newRow("29") << "29"
                        << "-";
    QTest::newRow("negative") << "-5"
                              << "-";
    QTest::newRow("fraction") << "15.5"
                              << "-";
    QTest::newRow("text") << "abc"
                          << "-";
    QTest::newRow("empty") << ""
                           << "-";
}

void TestTerms::calcToRule() {
    QFETCH(QString, day);
    QFETCH(QString, calcTo);
    QCOMPARE(CalcDay::calcToFor(day).value_or("-"), calcTo);
}

// OK stores a changed day, writes the method and the period's end, and leads to the report; a
// refused day keeps the window open with an empty day box and stores nothing.
void TestTerms::methodDay_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<int>("method"); // list row; -1 none selected
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("tagMethod");
    QTest::addColumn<QString>("tagIntCalcTo");
    const QStringList none;
    QTest::newRow("day 1, no selection") << none << -1 << "1" << QStringList{"1/28"} << "0"
                                         << "28";
    QTest::newRow("day 28") << none << 1 << "28" << QStringList{"28/27"} << "1"
                            << "27";
    QTest::newRow("same day") << QStringList{"7/6"} << 0 << "7" << QStringList{"7/6"} << "0"
                              << "6";
    QTest::newRow("07 after 7") << QStringList{"7/6"} << 0 << "07" << QStringList{"7/6", "07/6"}
                                << "0"
                                << "6";
    QTest::newRow("variable day unchecked") << none << 2 << "abc" << none << "2"
                                            << "x";
    QTest::newRow("0 refused") << none << 0 << "0" << none << ""
                               << "x";
    QTest::newRow("29 refused") << QStringList{"7/6"} << 0 << "29" << QStringList{"7/6"} << ""
                                << "x";
    QTest::newRow("15.5 refused") << none << 1 << "15.5" << none << ""
                                  << "x";
    QTest::newRow("empty refused") << none << 0 << "" << none << ""
                                   << "x";
}

void TestTerms::methodDay() {
    QFETCH(QStringList, stored);
    QFETCH(int, method);
    QFETCH(QString, typed);
    QFETCH(QStringList, rows);
    QFETCH(QString, tagMethod);
    QFETCH(QString, tagIntCalcTo);
    Terms h;
    for (const QString& row : stored)
        h.sql(QStringLiteral("insert into tblCalcTo (CalcFrom, CalcTo) values ('%1', '%2')")
                  .arg(row.section('/', 0, 0), row.section('/', 1)));
    h.main->setTag(Tag::IntCalcTo, "x");
    auto* w = h.show<frmMethod>(WindowNames::Method);
    QVERIFY(w);
    auto* txtDay = control<QLineEdit>(w, "txtDay");
    QCOMPARE(txtDay->text(), stored.isEmpty() ? QString() : stored.last().section('/', 0, 0));
    control<QListWidget>(w, "lstMethod")->setCurrentRow(method);
    QCOMPARE(txtDay->isHidden(), method >= 2);
    txtDay->setText(typed);
    CLICK(w, "cmdOK");

    const bool refused = tagMethod.isEmpty();
    QCOMPARE(h.dialogs.messageTexts(), refused ? QStringList{DayRefused} : QStringList());
    QCOMPARE(h.calcRows(), rows);
    QCOMPARE(h.main->tag(Tag::Method), tagMethod);
    QCOMPARE(h.main->tag(Tag::IntCalcTo), tagIntCalcTo);
    QCOMPARE(h.shown().contains(WindowNames::Calculate), !refused);
    QCOMPARE(h.main->isLoaded(WindowNames::Method), refused);
    if (refused) {
        QVERIFY(txtDay->isVisible());
        QCOMPARE(txtDay->text(), QString());
    }
}

// The list and the day box keep their own keys; Escape still closes without storing anything.
void TestTerms::methodKeys() {
    Terms h;
    auto* w = h.show<frmMethod>(WindowNames::Method);
    auto* list = control<QListWidget>(w, "lstMethod");
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(h.dialogs.beeps, 0);
    auto* txtDay = control<QLineEdit>(w, "txtDay");
    txtDay->setFocus();
    txtDay->setText("15");
    QTest::keyClick(txtDay, Qt::Key_Home);
    QCOMPARE(txtDay->cursorPosition(), 0);
    QTest::keyClick(txtDay, Qt::Key_Escape);
    QVERIFY(!h.main->isLoaded(WindowNames::Method));
    QVERIFY(h.calcRows().isEmpty());
    QCOMPARE(h.main->tag(Tag::Method), QString());
}

// The method is chosen anew for each report: the window opens with none selected, after one was
// chosen by hand too; one the program found (the rates' proposal, Find Lender's Method) is
// offered until the borrower confirms another.
void TestTerms::methodOnOpening_data() {
    QTest::addColumn<QString>("tagMethod");
    QTest::addColumn<QString>("found");
    QTest::addColumn<int>("confirmed"); // the row confirmed by OK; -2: the window is not used
    QTest::addColumn<int>("selected");  // the row selected when the window opens again
    QTest::newRow("first report") << ""
                                  << "" << -2 << -1;
    QTest::newRow("chosen by hand for the last report") << "2"
                                                        << "" << -2 << -1;
    QTest::newRow("found") << "3"
                           << "3" << -2 << 3;
    QTest::newRow("found, confirmed") << "3"
                                      << "3" << 3 << 3;
    QTest::newRow("found, another confirmed") << "3"
                                              << "3" << 2 << -1;
    QTest::newRow("chosen by hand, confirmed again") << ""
                                                     << "" << 2 << -1;
}

void TestTerms::methodOnOpening() {
    QFETCH(QString, tagMethod);
    QFETCH(QString, found);
    QFETCH(int, confirmed);
    QFETCH(int, selected);
    Terms h;
    h.main->setTag(Tag::Method, tagMethod);
    h.main->setTag(Tag::MethodFound, found);
    auto* w = h.show<frmMethod>(WindowNames::Method);
    QVERIFY(w);
    if (confirmed >= -1) {
        control<QListWidget>(w, "lstMethod")->setCurrentRow(confirmed);
        CLICK(w, "cmdOK");
        QVERIFY(!h.main->isLoaded(WindowNames::Method));
        h.main->unloadWindow(WindowNames::Calculate);
        w = h.show<frmMethod>(WindowNames::Method);
        QVERIFY(w);
    }
    QCOMPARE(control<QListWidget>(w, "lstMethod")->currentRow(), selected);
}

// Return in the day box presses OK once: a refused day is said once.
void TestTerms::methodReturnConfirmsOnce() {
    Terms h;
    h.main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.main.get()));
    auto* w = h.show<frmMethod>(WindowNames::Method);
    QVERIFY(w);
    control<QListWidget>(w, "lstMethod")->setCurrentRow(0);
    auto* txtDay = control<QLineEdit>(w, "txtDay");
    txtDay->setFocus();
    QTest::keyClicks(txtDay, "29");
    QTest::keyClick(txtDay, Qt::Key_Return);
    QCOMPARE(h.dialogs.messageTexts(), QStringList{DayRefused});
    QTest::keyClicks(txtDay, "15");
    QTest::keyClick(txtDay, Qt::Key_Return);
    QCOMPARE(h.dialogs.messages.size(), 1);
    QCOMPARE(h.main->tag(Tag::Method), QStringLiteral("0"));
    QVERIFY(!h.main->isLoaded(WindowNames::Method));
}

// "View Report" on an opened account loads the period in force and asks for the method.
void TestTerms::reportRoad() {
    Terms h({"2024-01-10 C=-1000"});
    h.sql("insert into tblCalcTo (CalcFrom, CalcTo) values ('15', '14')");
    h.main->setTag(Tag::File, "Open");
    FormWindow* menu = h.main->showWindow(WindowNames::Options);
    CLICK(menu, "cmdReport");
    QCOMPARE(h.main->tag(Tag::IntCalcTo), QStringLiteral("14"));
    auto* w = dynamic_cast<frmMethod*>(h.main->activeForm());
    QVERIFY(w);
    QCOMPARE(control<QLineEdit>(w, "txtDay")->text(), QStringLiteral("15"));
    CLICK(w, "cmdOK");
    QCOMPARE(h.main->tag(Tag::Method), QStringLiteral("0"));
    QCOMPARE(h.shown(), QStringList{WindowNames::Calculate});
}

// The loader copies the end day of the last period in force; an empty table leaves the field.
void TestTerms::periodLoader_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("15 then 1") << QStringList{"15/14", "1/28"} << "28";
    QTest::newRow("empty") << QStringList() << "kept";
}

void TestTerms::periodLoader() {
    QFETCH(QStringList, stored);
    QFETCH(QString, expected);
    Terms h;
    for (const QString& row : stored)
        h.sql(QStringLiteral("insert into tblCalcTo (CalcFrom, CalcTo) values ('%1', '%2')")
                  .arg(row.section('/', 0, 0), row.section('/', 1)));
    h.main->setTag(Tag::IntCalcTo, "kept");
    QVERIFY(h.main->window(WindowNames::InterestPeriod));
    QCOMPARE(h.main->tag(Tag::IntCalcTo), expected);
    // Loaded once: a second request reads nothing more.
    h.sql("insert into tblCalcTo (CalcFrom, CalcTo) values ('10', '9')");
    h.main->window(WindowNames::InterestPeriod);
    QCOMPARE(h.main->tag(Tag::IntCalcTo), expected);
}

// With no period yet and a statement in progress, the window proposes the statement's dates
// with rate 0, once.
void TestTerms::rateSeededOnce() {
    Terms h;
    h.main->setTag(Tag::StartDate, "3/1/2024");
    h.main->setTag(Tag::EndDate, "3/31/2024");
    auto* w = h.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    QVERIFY(w);
    QCOMPARE(h.periods(), QStringList{"2024-03-01..2024-03-31 NULL"});
    const QModelIndex rate = w->grid()->currentIndex();
    QCOMPARE(rate.column(), int(frmUserInterestChanges::colInterestRate));
    QCOMPARE(rate.data().toString(), QStringLiteral("0"));
    w->formActivate();
    QCOMPARE(h.periods().size(), 1);
}

// Add follows on from the last period up to the statement's end; with no period it starts with
// the statement, or with the history.
void TestTerms::rateAddProposes_data() {
    QTest::addColumn<bool>("hasPeriod");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("after last") << true << "7/1/2024"
                                << "12/31/2024"
                                << "7/1/2024"
                                << "12/31/2024";
    QTest::newRow("no statement") << true << ""
                                  << ""
                                  << "7/1/2024"
                                  << "";
    QTest::newRow("empty, history") << false << ""
                                    << ""
                                    << "1/10/2024"
                                    << "";
}

void TestTerms::rateAddProposes() {
    QFETCH(bool, hasPeriod);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, from);
    QFETCH(QString, to);
    Terms h({"2024-01-10 C=-1000", "2024-02-20 D=10"});
    if (hasPeriod)
        h.addPeriod("2024-01-01", "2024-06-30");
    h.main->setTag(Tag::StartDate, start);
    h.main->setTag(Tag::EndDate, end);
    auto* w = h.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    CLICK(w, "cmdAdd");
    const int row = w->grid()->model()->rowCount() - 1;
    auto cell = [&](int col) { return w->grid()->model()->index(row, col).data().toString(); };
    QCOMPARE(cell(frmUserInterestChanges::colValidFrom), from);
    QCOMPARE(cell(frmUserInterestChanges::colValidTo), to);
    QCOMPARE(cell(frmUserInterestChanges::colInterestRate), QString());
    QCOMPARE(w->grid()->currentIndex().column(), int(frmUserInterestChanges::colValidFrom));
}

// Text a column cannot read is refused with a message and never stored.
void TestTerms::rateRefusesUnreadable_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::newRow("rate") << int(frmUserInterestChanges::colInterestRate) << "five";
    QTest::newRow("from") << int(frmUserInterestChanges::colValidFrom) << "31/31/2024";
    QTest::newRow("to") << int(frmUserInterestChanges::colValidTo) << "soon";
}

void TestTerms::rateRefusesUnreadable() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    Terms h;
    h.addPeriod("2024-01-01", "2024-06-30");
    auto* w = h.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    typeIntoCell(w->grid(), 0, column, typed);
    QCOMPARE(h.dialogs.messages.size(), 1);
    w->cmdUpdate_Click();
    QCOMPARE(h.periods(), QStringList{"2024-01-01..2024-06-30 5.0"});
}

// Close checks that the periods cover the range and leads on accordingly.
void TestTerms::rateClose_data() {
    QTest::addColumn<QStringList>("periods"); // "from..to", ISO
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("interestChanged");
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("next"); // "" stays open
    const QStringList march = {"2024-03-01 C=-1000"};
    QTest::newRow("a day late, new statement")
        << QStringList{"2024-03-02..2024-03-31"} << "3/1/2024"
        << "3/31/2024"
        << "Yes" << march << QStringList{"Please enter all transactions for this statement."}
        << WindowNames::ThisSession;
    QTest::newRow("covered, from the menu") << QStringList{"2024-03-01..2024-03-31"} << "3/1/2024"
                                            << "3/31/2024"
                                            << "" << march << QStringList() << WindowNames::Options;
    QTest::newRow("two days late")
        << QStringList{"2024-03-03..2024-03-31"} << "3/1/2024"
        << "3/31/2024"
        << "Yes" << march << QStringList{DateError} << WindowNames::NewStatement;
    QTest::newRow("ends early") << QStringList{"2024-03-01..2024-03-30"} << "3/1/2024"
                                << "3/31/2024"
                                << "Yes" << march << QStringList{DateError}
                                << WindowNames::NewStatement;
    QTest::newRow("first by earliest end")
        << QStringList{"2024-01-05..2024-01-10", "2024-01-01..2024-01-31"} << "1/1/2024"
        << "1/31/2024"
        << "" << march << QStringList{DateError} << WindowNames::NewStatement;
    QTest::newRow("history's span") << QStringList{"2024-01-10..2024-02-20"} << ""
                                    << ""
                                    << "" << QStringList{"2024-02-20 D=5", "2024-01-10 C=-9"}
                                    << QStringList() << WindowNames::Options;
    QTest::newRow("history not covered") << QStringList{"2024-01-12..2024-02-20"} << ""
                                         << ""
                                         << "" << QStringList{"2024-02-20 D=5", "2024-01-10 C=-9"}
                                         << QStringList{DateError} << WindowNames::NewStatement;
    QTest::newRow("no statement, no history")
        << QStringList() << ""
        << ""
        << "" << QStringList() << QStringList{"You must enter a statement first."}
        << WindowNames::NewStatement;
    QTest::newRow("no rates") << QStringList() << ""
                              << ""
                              << "" << march << QStringList{"Please enter interest rates."} << "";
}

void TestTerms::rateClose() {
    QFETCH(QStringList, periods);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(QString, interestChanged);
    QFETCH(QStringList, records);
    QFETCH(QStringList, messages);
    QFETCH(QString, next);
    Terms h(records);
    for (const QString& p : periods)
        h.addPeriod(p.section("..", 0, 0), p.section("..", 1));
    h.main->setTag(Tag::StartDate, start);
    h.main->setTag(Tag::EndDate, end);
    h.main->setTag(Tag::InterestChanged, interestChanged);
    auto* w = h.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    CLICK(w, "cmdClose");
    QCOMPARE(h.dialogs.messageTexts(), messages);
    QCOMPARE(h.shown(), next.isEmpty() ? QStringList() : QStringList{next});
    QCOMPARE(h.main->isLoaded(WindowNames::InterestChanges), next.isEmpty());
}

// A rate typed but not yet saved is stored when the window is closed by its frame.
void TestTerms::rateKeptWhenClosedByFrame() {
    Terms h;
    h.addPeriod("2024-01-01", "2024-06-30");
    auto* w = h.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    typeIntoCell(w->grid(), 0, frmUserInterestChanges::colInterestRate, "6.25");
    w->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(h.periods(), QStringList{"2024-01-01..2024-06-30 6.25"});
}

QTEST_MAIN(TestTerms)
#include "tst_terms.moc"
