// The whole road, as a user who has never seen the program walks it: a new account, statement 1
// with its rates and transactions, the method and the report; then statements 2 and 4, and the
// prompt naming the missing statement 3. Every figure of the last report follows from what was
// typed, worked out by hand below.
#include "app/RegisterWindows.h"
#include "models/ReportLinesModel.h"
#include "report/frmCalculate.h"
#include "statements/frmInformation.h"
#include "support/AccountFixture.h"
#include "support/MainWindowHarness.h"
#include "support/ScriptedDialogs.h"
#include "support/StatementSteps.h"
#include "terms/frmMethod.h"
#include "terms/frmUserInterestChanges.h"

#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTest>

namespace {

const QString EnterRates =
    QStringLiteral("Please enter all Interest Rate details for this Loan Account.");
const QString EnterTransactions =
    QStringLiteral("Please enter all transactions for this statement.");

// The sum of one money column of the report's lines.
Money total(const frmCalculate* report, int column) {
    Money sum;
    for (const ReportLine& line : report->reportModel()->lines())
        sum = Money::add(sum, line.cell(column).value_or(Money())).value_or(Money());
    return sum;
}

} // namespace

class TestStatementRoad : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    MainWindowHarness m_main;
    ScriptedDialogs* m_dialogs = nullptr;

    FormWindow* active() const { return m_main->activeForm(); }

    // From the task menu to the report: header, rates (the first time, the period and its rate
    // are typed), transactions, method.
    void enterStatement(const QStringList& header, const QList<QStringList>& transactions,
                        bool firstRates = false) {
        m_dialogs->messages.clear();
        CLICK(active(), "cmdDataEntry");
        auto* entry = loaded<frmNewStatement>(*m_main, WindowNames::NewStatement);
        typeHeader(entry, header);
        CLICK(entry, "btnYes");
        QCOMPARE(m_dialogs->messageTexts(), QStringList{EnterRates});

        auto* rates = loaded<frmUserInterestChanges>(*m_main, WindowNames::InterestChanges);
        QVERIFY(rates);
        if (firstRates) {
            typeIntoCell(rates->grid(), 0, frmUserInterestChanges::colValidTo, "12/31/2024");
            typeIntoCell(rates->grid(), 0, frmUserInterestChanges::colInterestRate, "7.3");
        }
        CLICK(rates, "cmdClose");
        QCOMPARE(m_dialogs->messageTexts(), (QStringList{EnterRates, EnterTransactions}));

        auto* session = loaded<frmThisSession>(*m_main, WindowNames::ThisSession);
        QVERIFY(session);
        QCOMPARE(active(), session);
        for (int row = 0; row < transactions.size(); ++row) {
            if (row > 0)
                CLICK(session, "cmdAdd");
            typeTransaction(session, row, transactions[row]);
        }
        CLICK(session, "cmdDone");
        QCOMPARE(m_dialogs->messages.size(), 2);

        auto* method = loaded<frmMethod>(*m_main, WindowNames::Method);
        QVERIFY(method);
        control<QListWidget>(method, "lstMethod")->setCurrentRow(2); // Variable Day
        CLICK(method, "cmdOK");
    }

    frmCalculate* report() const { return loaded<frmCalculate>(*m_main, WindowNames::Calculate); }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_fixture = std::make_unique<AccountFixture>();
        m_dialogs = &ScriptedDialogs::install();
        m_main.start();
        m_main->show();
    }
    void cleanup() {
        m_main.reset();
        m_fixture.reset();
    }

    void threeStatementsToTheReport();
};

// Rate 7.3 % all year: a balance B accrues B x 0.0002 a day. Variable Day posts, on each day the
// lender charged interest, the interest accrued up to the day before.
//
// Statement 1, 1/1 to 1/31, -100,000.00 to -100,600.00: interest 600.00 charged on 1/31.
//   Due: 30 days x 20.00 = 600.00.
// Statement 2, 2/1 to 2/29, -100,600.00 (as proposed, "-$100,600.00") to -100,181.00:
//   deposit 1,000.00 on 2/15, interest 581.00 charged on 2/29. Due: 1/31 at -100,600 (20.12)
//   + 14 days at -100,600 (281.68) + 14 days at -99,600 (278.88) = 580.68.
// Statement 4, 4/1 to 4/30, -99,700.00 to -100,200.00: interest 500.00 charged on 4/30. Its
//   balance row resets the balance at the end of 2/29, the first day it is next to apply.
//   Due: 2/29 at -100,181 (20.0362) + 31 days at -99,700 (618.14) + 29 days at -99,700
//   (578.26) = 1,216.4362.
// Totals: Int Charge 600.00 + 581.00 + 500.00 = 1,681.00; Int Due 600.00 + 580.68 + 1,216.4362
// = 2,397.1162.
void TestStatementRoad::threeStatementsToTheReport() {
    const QString account = m_fixture->dataFolder() + "Road.mdb";
    m_dialogs->files.enqueue(account);
    m_main->newAccount();
    QCOMPARE(m_main->tag(Tag::File), QStringLiteral("New"));

    enterStatement({"", "1/1/2024", "-100,000.00", "1/31/2024", "-100,600.00"},
                   {{"1/31/2024", "", "", "", "", "600.00"}}, true);
    QVERIFY(report());
    QCOMPARE(total(report(), ReportLine::InterestDueColumn), *Money::parse("600"));
    QCOMPARE(m_main->tag(Tag::File), QStringLiteral("Open"));
    CLICK(report(), "cmdClose");

    enterStatement({"", "2/1/2024", "", "2/29/2024", "-100,181.00"},
                   {{"2/15/2024", "", "", "", "1,000.00"}, {"2/29/2024", "", "", "", "", "581"}});
    QVERIFY(report());
    QCOMPARE(total(report(), ReportLine::InterestDueColumn), *Money::parse("1180.68"));
    QVERIFY(!m_main->isLoaded(WindowNames::Information));
    CLICK(report(), "cmdClose");

    enterStatement({"4", "4/1/2024", "-99,700.00", "4/30/2024", "-100,200.00"},
                   {{"4/30/2024", "", "", "", "", "500.00"}});
    frmCalculate* last = report();
    QVERIFY(last);
    QCOMPARE(total(last, ReportLine::InterestChargeColumn), *Money::parse("1681"));
    QCOMPARE(total(last, ReportLine::InterestDueColumn), *Money::parse("2397.1162"));
    QCOMPARE(AccountFixture::column(account, "select StatementNumber from tblNumber order by 1"),
             (QStringList{"1", "2", "4"}));

    QTRY_COMPARE(active()->objectName(), WindowNames::Information);
    auto* prompt = loaded<frmInformation>(*m_main, WindowNames::Information);
    QStringList notice;
    for (const char* name : {"txtInformation", "txtData", "txtInfo2"})
        notice << control<QPlainTextEdit>(prompt, name)->toPlainText();
    QCOMPARE(notice, (QStringList{"Statement number", "3",
                                  "has not been entered. Calculated Interest Due for this period "
                                  "will not be accurate."}));
    // Entering it now: the report goes, and statement entry starts afresh.
    CLICK(prompt, "cmdEnter");
    QVERIFY(!m_main->isLoaded(WindowNames::Calculate));
    QVERIFY(!m_main->isLoaded(WindowNames::Information));
    auto* entry = loaded<frmNewStatement>(*m_main, WindowNames::NewStatement);
    QVERIFY(entry);
    QCOMPARE(active(), entry);
    QCOMPARE(entry->txtFields(frmNewStatement::fldNumber)->text(), QStringLiteral("5"));
}

QTEST_MAIN(TestStatementRoad)
#include "tst_statementroad.moc"
