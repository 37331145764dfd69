// The report window: what loading it commits, the grid it shows, the missing-statement prompt
// it leads to, and what Close ends.
#include "engine/StatementHandOver.h"
#include "models/ReportLinesModel.h"
#include "report/frmCalculate.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

namespace {

// The transactions window after its checks: it holds the statement that passed them.
class CheckedSession : public FormWindow, public CheckedStatementSource {
public:
    CheckedSession(MDIForm1& m, std::optional<CheckedStatement> checked)
        : FormWindow(m, WindowNames::ThisSession), m_checked(std::move(checked)) {}
    std::optional<CheckedStatement> checkedStatement() const override { return m_checked; }

private:
    std::optional<CheckedStatement> m_checked;
};

struct Report : RecordsHarness {
    explicit Report(const QStringList& rows = {}) : RecordsHarness(rows) {
        main->setTag(Tag::File, "Open");
        sql("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
            "values ('2024-01-01', '2024-12-31', 7.3)");
    }
    frmCalculate* run(const QString& method) {
        main->setTag(Tag::Method, method);
        return show<frmCalculate>(WindowNames::Calculate);
    }
    QStringList gridRow(frmCalculate* w, int row) const {
        QStringList cells;
        for (int c = 0; c < ReportLine::ColumnCount; ++c)
            cells << w->reportModel()->cellText(row, c);
        return cells;
    }
    QStringList information() const {
        QStringList texts;
        if (FormWindow* w = main->registry().loaded(WindowNames::Information))
            for (const char* name : {"txtInformation", "txtData", "txtInfo2"})
                texts << control<QPlainTextEdit>(w, name)->toPlainText();
        return texts;
    }
};

} // namespace

class TestReportWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void showsTheCalculatedReport();
    void nothingToReport_data();
    void nothingToReport();
    void commitsTheStatementAndPrompts();
    void commitsOnlyACheckedStatement();
};

// -100,000 at 7.3 % accrues 20.00 a day: the lender's charge on 31 January stands beside the
// 600.00 due, the balances are stored, and the bar offers the report's buttons.
void TestReportWindow::showsTheCalculatedReport() {
    Report h({"2024-01-01 C=-100000", "2024-01-31 I=600"});
    frmCalculate* w = h.run("2");
    QVERIFY(w);
    QCOMPARE(w->reportModel()->rowCount(), 3);
    QCOMPARE(h.gridRow(w, 0), (QStringList{"1/31/2024", "0.00", "0.00", "0.00", "0.00", "600.00",
                                           "", "-100,600.00"}));
    QCOMPARE(h.gridRow(w, 1),
             (QStringList{"1/31/2024", "", "", "", "", "", "600.00", "-100,600.00"}));
    QCOMPARE(h.gridRow(w, 2), QStringList(8, QString()));
    QVERIFY(w->flexGrid()->isVisible());
    // The columns share the window's width: nothing to scroll sideways.
    QCoreApplication::processEvents();
    QCOMPARE(w->flexGrid()->horizontalScrollBar()->maximum(), 0);
    for (const char* name : {"cmdHelp", "cmdPreview", "cmdPrint", "cmdClose"})
        QVERIFY2(control<QPushButton>(w, name)->isVisible(), name);
    QCOMPARE(h.stored("OpenBalance").last(), QStringLiteral("-100600"));
    QVERIFY(h.dialogs.messages.isEmpty());
    // Escape closes the report and ends the session.
    h.sql("insert into tblThisSession (Date) values ('2024-02-01')");
    QTest::keyClick(w->flexGrid(), Qt::Key_Escape);
    QVERIFY(!h.main->isLoaded(WindowNames::Calculate));
    QVERIFY(AccountFixture::column(h.account, "select ID from tblThisSession").isEmpty());
}

// A new account has nothing to calculate; an open one without rows says so and offers no
// printing.
void TestReportWindow::nothingToReport_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("new account") << "New" << QStringList();
    QTest::newRow("no transactions")
        << "Open" << QStringList{"No transactions have been entered. Report cannot be generated."};
}

void TestReportWindow::nothingToReport() {
    QFETCH(QString, file);
    QFETCH(QStringList, messages);
    Report h;
    h.main->setTag(Tag::File, file);
    frmCalculate* w = h.run("0");
    QCOMPARE(h.dialogs.messageTexts(), messages);
    QCOMPARE(h.main->tag(Tag::File), QStringLiteral("New"));
    QVERIFY(!w->flexGrid()->isVisible());
    if (!messages.isEmpty()) {
        QVERIFY(!control<QPushButton>(w, "cmdPreview")->isEnabled());
        QVERIFY(!control<QPushButton>(w, "cmdPrint")->isEnabled());
        QVERIFY(control<QPushButton>(w, "cmdClose")->isVisible());
    }
}

// A first statement numbered 3, checked in this run, is committed as it stood at its check with
// its balance row and rows, and the prompt names the statements before it once the report is on
// screen.
void TestReportWindow::commitsTheStatementAndPrompts() {
    Report h;
    CheckedStatement checked;
    checked.header = {"3", QDate(2024, 1, 1), {}, Money::parse("-5000"), {}};
    SessionRow row;
    row.date = QDate(2024, 1, 10);
    row.amounts[AmountColumn::Deposit] = StoredMoney::of(*Money::parse("100"));
    checked.rows = {row};
    h.main->registry().add(
        WindowNames::ThisSession, [checked](MDIForm1& m) { return new CheckedSession(m, checked); },
        true);
    h.main->window(WindowNames::ThisSession);
    // The workflow state has moved on since the check: the checked header counts.
    h.main->setTag(Tag::Statement, "7");
    frmCalculate* w = h.run("3");
    QVERIFY(w);
    QVERIFY(!h.main->isLoaded(WindowNames::ThisSession));
    QCOMPARE(AccountFixture::column(h.account, "select StatementNumber from tblNumber"),
             QStringList{"3"});
    QCOMPARE(h.stored("CloseBalance"), (QStringList{"-5000", "0"}));
    QCOMPARE(h.stored("OpenBalance"), (QStringList{"-5000", "-4900"}));
    QCOMPARE(h.main->tag(Tag::Statement), QString());
    QTRY_VERIFY(h.main->isLoaded(WindowNames::Information));
    QCOMPARE(h.information(),
             (QStringList{"Statement(s) prior to", "3",
                          "has not been entered. Calculated Interest Due for this period will "
                          "not be accurate."}));
    QCOMPARE(h.main->activeForm()->objectName(), WindowNames::Information);
}

// Rows an earlier run left in the file are no checked statement, whatever the workflow state
// holds: the report comes from the history alone and the stray rows are discarded.
void TestReportWindow::commitsOnlyACheckedStatement() {
    Report h({"2024-01-01 C=-100000", "2024-01-31 I=600"});
    h.sql("insert into tblThisSession (Date, Deposit) values ('2024-01-10', 1000000)");
    h.main->setTag(Tag::Statement, "2");
    h.main->setTag(Tag::StartDate, "1/1/2024");
    h.main->setTag(Tag::OpenBalance, "-5000");
    frmCalculate* w = h.run("2");
    QVERIFY(w);
    QVERIFY(AccountFixture::column(h.account, "select ID from tblNumber").isEmpty());
    QCOMPARE(h.stored("CloseBalance"), (QStringList{"-100000", "0"}));
    QVERIFY(AccountFixture::column(h.account, "select ID from tblThisSession").isEmpty());
    QCOMPARE(w->reportModel()->rowCount(), 3);
    QVERIFY(h.dialogs.messages.isEmpty());
}

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
