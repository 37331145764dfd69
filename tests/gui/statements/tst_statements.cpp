// The statement windows: entry of the header with its defaults, checks and questions; the
// transactions grid with its running balance; the closing checks that hand a statement over;
// and the missing-statement prompt.
#include "data/ShortDate.h"
#include "engine/StatementChecks.h"
#include "models/ReportLinesModel.h"
#include "report/frmCalculate.h"
#include "statements/frmInformation.h"
#include "support/FakeHost.h"
#include "support/RecordsHarness.h"
#include "support/StatementSteps.h"
#include "terms/frmMethod.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

namespace {

const QString AllDetails = QStringLiteral("Please enter all statement details requested.");
const QString CheckDates =
    QStringLiteral("Please check Statement Start Date and Statement End Date.");
const QString EnterRates =
    QStringLiteral("Please enter all Interest Rate details for this Loan Account.");
const QString Credit =
    QStringLiteral("Are you sure your Loan Account\nwas in Credit?\nIf not use '-' (minus signs).");
const QString Duplicate =
    QStringLiteral("This statement has already been entered.\nDo you want to continue?");
const QString Figures =
    QStringLiteral("Errors in data entry, please check your figures. Include '-' (minus) sign in "
                   "Open and Close Balances if appropriate.");
const QString DoneDateError = QStringLiteral("Date error, please check all dates.");
const QString EscapeDateError = QStringLiteral("Date Error. Please check all dates.");

struct Statements : RecordsHarness {
    explicit Statements(const QStringList& rows = {}, const QList<int>& numbers = {})
        : RecordsHarness(rows) {
        main->setTag(Tag::File, "Open");
        for (int n : numbers)
            sql(QStringLiteral("insert into tblNumber (StatementNumber) values (%1)").arg(n));
    }
    // The header of the Part's example, as statement entry would leave it.
    void header(const QString& close, const QString& open = "-900.00") {
        main->setTag(Tag::Statement, "1");
        main->setTag(Tag::StartDate, "3/1/2024");
        main->setTag(Tag::OpenBalance, open);
        main->setTag(Tag::EndDate, "3/31/2024");
        main->setTag(Tag::CloseBalance, close);
    }
    QString active() const {
        return main->activeForm() ? main->activeForm()->objectName() : QString();
    }
    bool visible(const QString& name) const {
        QMdiSubWindow* frame = main->registry().frameOf(name);
        return frame && frame->isVisible();
    }
    QStringList session(const QString& column) const {
        return AccountFixture::column(
            account, QStringLiteral("select %1 from tblThisSession order by Date, ID").arg(column));
    }
    QStringList table(const QString& sql) const { return AccountFixture::column(account, sql); }
    // The task menu's View Report, through the method window.
    void viewReport() {
        auto* menu = main->registry().loaded(WindowNames::Options);
        QVERIFY(menu);
        CLICK(menu, "cmdReport");
        auto* method = loaded<frmMethod>(*main, WindowNames::Method);
        QVERIFY(method);
        control<QListWidget>(method, "lstMethod")->setCurrentRow(2);
        CLICK(method, "cmdOK");
    }
};

} // namespace

class TestStatements : public QObject {
    Q_OBJECT

private slots:
    void transactionColumnsShowTheirText();
    void promptAsksTheHost();
    void coreClosingChecks_data();
    void coreClosingChecks();
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void entryDefaults_data();
    void entryDefaults();
    void entryChecks_data();
    void entryChecks();
    void transactionsExample();
    void closingChecks_data();
    void closingChecks();
    void gridRefusals_data();
    void gridRefusals();
    void refusedLoad();
    void abandonedStatementsAreNotCommitted_data();
    void abandonedStatementsAreNotCommitted();
    void promptIgnore();
};

// The proposals: the highest statement number + 1 (not the count + 1), the last row's date and
// the balance after it, shown as "$" amounts that read back as typed. An account that cannot be
// read says so once and proposes nothing more.
void TestStatements::entryDefaults_data() {
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("proposed");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("account gone") << true << QStringList() << QList<int>()
                                  << QStringList{"1", "", "", "", ""}
                                  << QStringList{"Could not find file '%1'.", AllDetails};
    QTest::newRow("new account") << false << QStringList() << QList<int>()
                                 << QStringList{"1", "", "", "", ""} << QStringList{AllDetails};
    QTest::newRow("statements 3, 5 and 9")
        << false << QStringList{"2024-03-31 I=5 O=-1234.5", "2024-03-01 C=-1000 O=-1000"}
        << QList<int>{5, 9, 3} << QStringList{"10", "3/31/2024", "-$1,234.50", "", ""}
        << QStringList{EnterRates};
}

void TestStatements::entryDefaults() {
    QFETCH(bool, missing);
    QFETCH(QStringList, rows);
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, proposed);
    QFETCH(QStringList, messages);
    Statements h(rows, numbers);
    if (missing) {
        h.main->setTag(Tag::NewFile, h.fixture.dataFolder() + "Gone.mdb");
        messages[0] = messages[0].arg(h.main->tag(Tag::NewFile));
    }
    auto* w = h.show<frmNewStatement>(WindowNames::NewStatement);
    QVERIFY(w);
    QVERIFY(h.main->isLoaded(WindowNames::InterestPeriod));
    QStringList shown;
    for (int i = 0; i < frmNewStatement::FieldCount; ++i) {
        shown << w->txtFields(i)->text();
        auto* label = control<QLabel>(w, QStringLiteral("lblLabels(%1)").arg(i));
        QVERIFY(label && label->buddy() == w->txtFields(i));
    }
    QCOMPARE(shown, proposed);
    typeHeader(w, {"", "", "", "4/30/2024", "-1,000.00"});
    CLICK(w, "btnYes");
    QCOMPARE(h.dialogs.messageTexts(), messages);
    if (messages == QStringList{EnterRates}) {
        QCOMPARE(h.main->tag(Tag::Statement), QStringLiteral("10"));
        QCOMPARE(h.main->tag(Tag::StartDate), QStringLiteral("3/31/2024"));
        QCOMPARE(Money::parse(h.main->tag(Tag::OpenBalance)), Money::parse("-1234.5"));
        QCOMPARE(h.active(), WindowNames::InterestChanges);
        QVERIFY(h.main->isLoaded(WindowNames::NewStatement));
        QVERIFY(!h.visible(WindowNames::NewStatement));
    }
}

// OK's checks, its two questions (text, buttons, icon, title; only No stops) and where it leads.
// A field that does not read is refused by name, and nothing reaches the workflow state.
void TestStatements::entryChecks_data() {
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("answers"); // Y / N, in order
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("tagStartDate"); // "" nothing written
    QTest::addColumn<QString>("startField");
    QTest::addColumn<QString>("next");
    const QString ok = WindowNames::InterestChanges, stays = WindowNames::NewStatement;
    auto fields = [](const QString& number, const QString& start, const QString& end,
                     const QString& close) {
        return QStringList{number, start, "-100.00", end, close};
    };
    QTest::newRow("start after end") << fields("6", "3/2/2024", "3/1/2024", "-50") << ""
                                     << QStringList() << QStringList{CheckDates} << ""
                                     << "3/2/2024" << stays;
    QTest::newRow("same day") << fields("6", "3/1/2024", "3/1/2024", "-50") << "" << QStringList()
                              << QStringList{EnterRates} << "3/1/2024"
                              << "3/1/2024" << ok;
    QTest::newRow("unreadable start date")
        << fields("6", "3/32/2024", "3/31/2024", "-50") << "" << QStringList()
        << QStringList{"Statement Start Date \"3/32/2024\" is not a date. Please enter it as "
                       "M/d/yyyy."}
        << ""
        << "3/32/2024" << stays;
    QTest::newRow("unreadable closing balance")
        << fields("6", "3/1/2024", "3/31/2024", "-5o") << "" << QStringList()
        << QStringList{"Closing Balance \"-5o\" is not an amount. Please enter a number, with a "
                       "'-' (minus) sign if the Loan Account was in debit."}
        << ""
        << "3/1/2024" << stays;
    QTest::newRow("blank number") << fields(" ", "3/1/2024", "3/31/2024", "-50") << ""
                                  << QStringList()
                                  << QStringList{"Statement Number \" \" is not a statement "
                                                 "number. Please enter a whole number."}
                                  << ""
                                  << "3/1/2024" << stays;
    QTest::newRow("no debit balance: 0") << fields("6", "3/1/2024", "3/31/2024", "0") << ""
                                         << QStringList() << QStringList{EnterRates} << "3/1/2024"
                                         << "3/1/2024" << ok;
    QTest::newRow("credit, No") << fields("6", "3/1/2024", "3/31/2024", "150.00") << "N"
                                << QStringList{Credit} << QStringList() << ""
                                << "3/1/2024" << stays;
    QTest::newRow("credit, Yes: start field a day back")
        << fields("6", "3/1/2024", "3/31/2024", "150.00") << "Y" << QStringList{Credit}
        << QStringList{EnterRates} << "3/1/2024"
        << "2/29/2024" << ok;
    QTest::newRow("duplicate, No: header kept, task menu")
        << fields("5", "3/1/2024", "3/31/2024", "-50") << "N" << QStringList{Duplicate}
        << QStringList() << "3/1/2024"
        << "" << WindowNames::Options;
    QTest::newRow("credit and duplicate, Yes")
        << fields("5", "3/1/2024", "3/31/2024", "$150") << "YY" << QStringList{Credit, Duplicate}
        << QStringList{EnterRates} << "3/1/2024"
        << "2/29/2024" << ok;
}

void TestStatements::entryChecks() {
    QFETCH(QStringList, fields);
    QFETCH(QString, answers);
    QFETCH(QStringList, questions);
    QFETCH(QStringList, messages);
    QFETCH(QString, tagStartDate);
    QFETCH(QString, startField);
    QFETCH(QString, next);
    Statements h({}, {5});
    for (QChar a : answers)
        h.dialogs.answers.enqueue(a == 'Y');
    auto* w = h.show<frmNewStatement>(WindowNames::NewStatement);
    typeHeader(w, fields);
    CLICK(w, "btnYes");
    QStringList asked;
    for (const ScriptedDialogs::Shown& q : std::as_const(h.dialogs.questions)) {
        asked << q.text;
        QCOMPARE(q.title, QStringLiteral("Vantrell Verification"));
        QCOMPARE(q.icon, DialogIcon::Stop);
    }
    QCOMPARE(asked, questions);
    QCOMPARE(h.dialogs.messageTexts(), messages);
    QCOMPARE(h.main->tag(Tag::StartDate), tagStartDate);
    QCOMPARE(h.main->tag(Tag::CloseBalance).isEmpty(), tagStartDate.isEmpty());
    QCOMPARE(h.active(), next);
    QCOMPARE(h.main->isLoaded(WindowNames::NewStatement), next != WindowNames::Options);
    if (h.main->isLoaded(WindowNames::NewStatement))
        QCOMPARE(w->txtFields(frmNewStatement::fldStartDate)->text(), startField);
}

// The example: opening -900.00; the first row carries the start date; every change is saved at
// once and every balance recomputed; Add proposes the last row's date; Close accepts the
// statement, hands it over and leads to the method, the window kept loaded with its rows.
void TestStatements::transactionsExample() {
    Statements h;
    h.header("-512.50");
    h.main->setTag(Tag::File, "New");
    auto* w = h.show<frmThisSession>(WindowNames::ThisSession);
    QVERIFY(w);
    QVERIFY(!(w->gridModel()->flags(w->gridModel()->index(0, frmThisSession::colBalance)) &
              Qt::ItemIsEditable));
    QCOMPARE(gridColumn(w, frmThisSession::colDate), QStringList{"3/1/2024"});

    typeTransaction(w, 0, {"", "", "5.00", "", "300.00", "7.50"});
    QCOMPARE(gridColumn(w, frmThisSession::colBalance), QStringList{"-612.50"});
    QCOMPARE(h.session("GovtCharge"), QStringList{"0"});
    CLICK(w, "cmdAdd");
    typeTransaction(w, 1, {"3/10/2024", "", "", "", "100.00"});
    QCOMPARE(gridColumn(w, frmThisSession::colBalance), (QStringList{"-612.50", "-512.50"}));
    CLICK(w, "cmdAdd");
    QCOMPARE(gridColumn(w, frmThisSession::colDate),
             (QStringList{"3/1/2024", "3/10/2024", "3/10/2024"}));

    CLICK(w, "cmdDone");
    QVERIFY(h.dialogs.messages.isEmpty());
    QCOMPARE(h.main->tag(Tag::File), QStringLiteral("Open"));
    QCOMPARE(h.active(), WindowNames::Method);
    QVERIFY(h.main->isLoaded(WindowNames::ThisSession));
    QVERIFY(!h.visible(WindowNames::ThisSession));
    QCOMPARE(h.session("Balance"), (QStringList{"-6125000", "-5125000", "-5125000"}));
    const std::optional<CheckedStatement> checked = w->checkedStatement();
    QVERIFY(checked);
    QCOMPARE(checked->header.number, QStringLiteral("1"));
    QCOMPARE(checked->header.openBalance, Money::parse("-900"));
    QCOMPARE(checked->rows.size(), 3);
}

// Both closing checks with their own orders and messages: exact balances, both date bounds
// inclusive, an empty statement; what follows a failure, and that only a success is held.
void TestStatements::closingChecks_data() {
    QTest::addColumn<bool>("escape");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("extraDate"); // a further row with no amounts; "none" no rows
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("next");
    const QString method = WindowNames::Method, entry = WindowNames::NewStatement;
    for (bool escape : {false, true}) {
        const char* key = escape ? "Escape: " : "Close: ";
        auto row = [&](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(key + QString(name)));
        };
        row("accepted, rows on both bounds") << escape << "-512.50"
                                             << "3/31/2024" << QStringList() << method;
        row("sign forgotten") << escape << "612.50"
                              << "" << QStringList{Figures} << entry;
        row("a cent out") << escape << "-512.49"
                          << "" << QStringList{Figures} << entry;
        row("a day before the start")
            << escape << "-512.50"
            << "2/29/2024" << QStringList{escape ? EscapeDateError : DoneDateError}
            << (escape ? WindowNames::ThisSession : entry);
        row("a day after the end")
            << escape << "-512.50"
            << "4/1/2024" << QStringList{escape ? EscapeDateError : DoneDateError}
            << (escape ? WindowNames::ThisSession : entry);
        row("no rows, balances agree") << escape << "-900.00"
                                       << "none" << QStringList() << method;
        row("no rows, balances differ") << escape << "-512.50"
                                        << "none" << QStringList{Figures} << entry;
    }
}

void TestStatements::closingChecks() {
    QFETCH(bool, escape);
    QFETCH(QString, close);
    QFETCH(QString, extraDate);
    QFETCH(QStringList, messages);
    QFETCH(QString, next);
    Statements h;
    h.header(close);
    h.main->setTag(Tag::File, "New");
    auto* w = h.show<frmThisSession>(WindowNames::ThisSession);
    QVERIFY(w);
    if (extraDate == "none") {
        CLICK(w, "cmdDelete");
    } else {
        // The first row (3/1) stays as proposed, with no amounts.
        h.sql("insert into tblThisSession (Date, BankCharge, Deposit, InterestPayment) "
              "values ('2024-03-05', 50000, 3000000, 75000)");
        h.sql("insert into tblThisSession (Date, Deposit) values ('2024-03-20', 1000000)");
        if (!extraDate.isEmpty())
            h.sql(QStringLiteral("insert into tblThisSession (Date) values ('%1')")
                      .arg(ShortDate::toIso(ShortDate::parse(extraDate))));
    }
    if (escape)
        QTest::keyClick(w->grid(), Qt::Key_Escape);
    else
        CLICK(w, "cmdDone");
    QCOMPARE(h.dialogs.messageTexts(), messages);
    QCOMPARE(h.active(), next);
    QCOMPARE(h.visible(WindowNames::ThisSession), next == WindowNames::ThisSession);
    QVERIFY(h.main->isLoaded(WindowNames::ThisSession));
    QCOMPARE(w->checkedStatement().has_value(), next == WindowNames::Method);
    QCOMPARE(h.main->tag(Tag::File), next == WindowNames::Method ? "Open" : "New");
}

// A cell the column cannot read is refused before it is stored; a date gives way to the date a
// new row would get, and the row is saved with it.
void TestStatements::gridRefusals_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("dates");
    QTest::newRow("date") << int(frmThisSession::colDate) << "13/45/2024"
                          << "Please enter a valid date." << QStringList{"2024-03-01"};
    QTest::newRow("amount") << int(frmThisSession::colDeposit) << "abc"
                            << "Type mismatch: 'abc' is not a valid value for Deposit."
                            << QStringList{"2024-03-20"};
}

void TestStatements::gridRefusals() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QStringList, dates);
    Statements h;
    h.header("-900.00");
    auto* w = h.show<frmThisSession>(WindowNames::ThisSession);
    QVERIFY(w);
    typeTransaction(w, 0, {"3/20/2024"});
    typeIntoSession(w, 0, column, typed);
    QCOMPARE(h.dialogs.messageTexts(), QStringList{message});
    QCOMPARE(h.session("Date"), dates);
    QCOMPARE(h.session("Deposit"), QStringList{"0"});
    QCOMPARE(h.session("Balance"), QStringList{"-9000000"});
}

// Without a header the transactions window refuses to load: it is never shown nor kept, and a
// fresh statement entry takes its place. The registry loads it normally afterwards.
void TestStatements::refusedLoad() {
    Statements h;
    QVERIFY(!h.main->showWindow(WindowNames::ThisSession));
    QCOMPARE(h.dialogs.messageTexts(),
             QStringList{"Please enter all statement details for current session."});
    QVERIFY(!h.main->isLoaded(WindowNames::ThisSession));
    QCOMPARE(h.active(), WindowNames::NewStatement);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QMdiSubWindow* frame : h.main->mdiArea()->subWindowList())
        QVERIFY(frame->objectName() != WindowNames::ThisSession + "Frame");
    h.header("-900.00");
    QVERIFY(h.show<frmThisSession>(WindowNames::ThisSession));
    QCOMPARE(h.active(), WindowNames::ThisSession);
}

// A statement abandoned on the way is never committed by a later report: not after a failed
// check and a Cancel, nor after No to the duplicate question. The report comes from the history
// alone and the session rows are gone.
void TestStatements::abandonedStatementsAreNotCommitted_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("duplicateNo");
    QTest::newRow("failed check, then Cancel") << "2" << false;
    QTest::newRow("No to the duplicate question") << "1" << true;
}

void TestStatements::abandonedStatementsAreNotCommitted() {
    QFETCH(QString, number);
    QFETCH(bool, duplicateNo);
    Statements h({"2024-01-01 C=-100000", "2024-01-31 I=600 O=-100600"}, {1});
    h.sql("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
          "values ('2024-01-01', '2024-12-31', 7.3)");
    h.dialogs.answers.enqueue(false);
    auto* menu = h.main->showWindow(WindowNames::Options);
    CLICK(menu, "cmdDataEntry");
    auto* entry = loaded<frmNewStatement>(*h.main, WindowNames::NewStatement);
    typeHeader(entry, {number, "2/1/2024", "", "2/29/2024", "-100,000.00"});
    CLICK(entry, "btnYes");
    if (!duplicateNo) {
        CLICK(h.main->registry().loaded(WindowNames::InterestChanges), "cmdClose");
        auto* w = loaded<frmThisSession>(*h.main, WindowNames::ThisSession);
        QVERIFY(w);
        typeTransaction(w, 0, {"", "", "", "", "100.00"});
        CLICK(w, "cmdDone");
        QCOMPARE(h.dialogs.messageTexts().last(), Figures);
        CLICK(h.main->registry().loaded(WindowNames::NewStatement), "cmdCancel");
    }
    QCOMPARE(h.active(), WindowNames::Options);
    h.viewReport();
    auto* report = loaded<frmCalculate>(*h.main, WindowNames::Calculate);
    QVERIFY(report);
    QCOMPARE(h.table("select StatementNumber from tblNumber"), QStringList{"1"});
    QCOMPARE(h.stored("CloseBalance"), (QStringList{"-100000", "0"}));
    QVERIFY(h.table("select ID from tblThisSession").isEmpty());
    QVERIFY(!h.main->isLoaded(WindowNames::ThisSession));
    QCOMPARE(report->reportModel()->rowCount(), 3);
}

// With two statements missing the prompt gives the general notice in a taller first box, starts
// on Ignore, and Ignore goes back to the report.
void TestStatements::promptIgnore() {
    Statements h({"2024-01-01 C=-100000", "2024-01-31 I=600"}, {1, 4});
    h.sql("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
          "values ('2024-01-01', '2024-12-31', 7.3)");
    h.main->setTag(Tag::Method, "2");
    auto* report = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(report);
    QTRY_COMPARE(h.active(), WindowNames::Information);
    auto* prompt = loaded<frmInformation>(*h.main, WindowNames::Information);
    auto text = [&](const char* name) {
        return control<QPlainTextEdit>(prompt, name)->toPlainText();
    };
    QCOMPARE(text("txtInformation"), QStringLiteral("Some statements have not been entered. "
                                                    "Calculated Interest Due for these periods "
                                                    "will not be accurate."));
    QCOMPARE(text("txtData"), QString());
    QCOMPARE(text("txtInfo2"), QString());
    QCOMPARE(control<QPlainTextEdit>(prompt, "txtInformation")->height(), 2295 / 15);
    QTRY_VERIFY(control<QPushButton>(prompt, "cmdIgnore")->hasFocus());
    CLICK(prompt, "cmdIgnore");
    QVERIFY(!h.main->isLoaded(WindowNames::Information));
    QCOMPARE(h.active(), WindowNames::Calculate);
    QVERIFY(report->flexGrid()->isVisible());
}

// The closing checks as every writer of statements runs them: dates first (the first row outside
// stops there), then the opening balance carried to the closing balance.
void TestStatements::coreClosingChecks_data() {
    QTest::addColumn<QStringList>("rows"); // "date deposit", "-" for no date
    QTest::addColumn<QString>("closing");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("row");
    using O = StatementChecks::Result::Outcome;
    QTest::newRow("balanced") << QStringList{"2024-01-05 100", "2024-01-31 50"} << "-850"
                              << int(O::Passed) << -1;
    QTest::newRow("no rows") << QStringList{} << "-1000" << int(O::Passed) << -1;
    QTest::newRow("figures short")
        << QStringList{"2024-01-05 100"} << "-850" << int(O::FiguresWrong) << -1;
    QTest::newRow("a date after the end, before the figures")
        << QStringList{"2024-01-05 100", "2024-02-01 1"} << "-850" << int(O::DateOutside) << 1;
    QTest::newRow("no date") << QStringList{"- 150"} << "-850" << int(O::DateOutside) << 0;
    QTest::newRow("closing does not read")
        << QStringList{"2024-01-05 150"} << "x" << int(O::FiguresWrong) << -1;
}

void TestStatements::coreClosingChecks() {
    QFETCH(QStringList, rows);
    QFETCH(QString, closing);
    QFETCH(int, outcome);
    QFETCH(int, row);
    const StatementHeader header{"1", QDate(2024, 1, 1), QDate(2024, 1, 31), Money::parse("-1000"),
                                 Money::parse(closing)};
    QVector<StatementChecks::Row> checked;
    for (const QString& r : rows) {
        StatementChecks::Row c;
        c.date = QDate::fromString(r.section(' ', 0, 0), Qt::ISODate);
        c.amounts[AmountColumn::Deposit] = *Money::parse(r.section(' ', 1, 1));
        checked << c;
    }
    const StatementChecks::Result result = StatementChecks::rows(header, checked);
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.row, row);
}

// The missing-statement prompt needs nothing of the main window but the host: Enter unloads the
// report and statement entry, then shows statement entry afresh.
void TestStatements::promptAsksTheHost() {
    FakeHost host;
    auto* prompt = new frmInformation(host);
    prompt->show();
    CLICK(prompt, "cmdEnter");
    QCOMPARE(
        host.asked,
        (QStringList{"unload " + WindowNames::Calculate, "unload " + WindowNames::NewStatement,
                     "show " + WindowNames::NewStatement, "unload " + WindowNames::Information}));
    delete prompt;
}

// Every heading and a balance of -9,999,999.99 fit in their columns, none narrower than drawn,
// and the columns share the window between them.
void TestStatements::transactionColumnsShowTheirText() {
    Statements h;
    h.header("-512.50");
    h.main->setTag(Tag::File, "New");
    auto* w = h.show<frmThisSession>(WindowNames::ThisSession);
    QVERIFY(w);
    QCoreApplication::processEvents();
    QTableView* grid = w->grid();
    QHeaderView* header = grid->horizontalHeader();
    const int widest = grid->fontMetrics().horizontalAdvance("-9,999,999.99");
    int total = 0;
    for (int c = 0; c < w->gridModel()->columnCount(); ++c) {
        const QString caption = w->gridModel()->headerData(c, Qt::Horizontal).toString();
        QVERIFY2(header->sectionSize(c) > header->fontMetrics().horizontalAdvance(caption) + 8,
                 qPrintable(caption));
        QVERIFY(header->sectionSize(c) >= (c == frmThisSession::colID ? 67 : 80));
        if (c >= frmThisSession::colGovtCharge)
            QVERIFY2(header->sectionSize(c) > widest, qPrintable(caption));
        total += header->sectionSize(c);
    }
    QVERIFY2(total >= grid->viewport()->width() - w->gridModel()->columnCount(),
             qPrintable(QString("%1 of %2").arg(total).arg(grid->viewport()->width())));
    // And every column is in view as the window first opens, the last one whole.
    QVERIFY2(total <= grid->viewport()->width(),
             qPrintable(QString("%1 of %2").arg(total).arg(grid->viewport()->width())));
    QCOMPARE(grid->horizontalScrollBar()->value(), 0);
}

QTEST_MAIN(TestStatements)
#include "tst_statements.moc"
