// The whole road of the program, through the real windows as a newcomer walks it: a new
// account, three statements (one into credit, one whose check fails and is corrected), each
// method's report, the printed report to PDF, the same report after opening the file again,
// and the report following a corrected amount. And the short road: a new account from the
// bank's whole history, its rates, its report, and the history continued.
#include "app/RegisterWindows.h"
#include "data/ShortDate.h"
#include "models/ReportLinesModel.h"
#include "records/frmAllRecords.h"
#include "render/ReportRendering.h"
#include "report/SummaryWindow.h"
#include "report/frmCalculate.h"
#include "statements/HistoryImportWindow.h"
#include "support/AccountFixture.h"
#include "support/ChargedHistory.h"
#include "support/MainWindowHarness.h"
#include "support/ScriptedDialogs.h"
#include "support/StatementSteps.h"
#include "terms/RateProposalDialog.h"
#include "terms/frmMethod.h"
#include "terms/frmUserInterestChanges.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTest>
#include <QTimer>

namespace {

const QString FiguresError =
    QStringLiteral("Errors in data entry, please check your figures. Include '-' (minus) sign in "
                   "Open and Close Balances if appropriate.");

Money total(const frmCalculate* report, int column) {
    Money sum;
    for (const ReportLine& line : report->reportModel()->lines())
        sum =
            Money::add(sum, line.cell(column).value_or(Money()).roundedToCents().value_or(Money()))
                .value_or(Money());
    return sum;
}

} // namespace

// Clicks a button of a window on the road; the step gives nothing when it is missing.
#define CLICK_OR_NULL(parent, name)                                                                \
    do {                                                                                           \
        auto* b_ = (parent) ? (parent)->findChild<QAbstractButton*>(name) : nullptr;               \
        if (!b_ || !b_->isEnabled())                                                               \
            return nullptr;                                                                        \
        b_->click();                                                                               \
    } while (false)

class TestWholeRoad : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    MainWindowHarness m_main;
    ScriptedDialogs* m_dialogs = nullptr;

    FormWindow* active() const { return m_main->activeForm(); }
    frmCalculate* report() const { return loaded<frmCalculate>(*m_main, WindowNames::Calculate); }

    // Header, rates (typed the first time), transactions; the closing check must pass.
    frmThisSession* enterStatement(const QStringList& header, bool firstRates = false) {
        CLICK_OR_NULL(active(), "cmdDataEntry");
        auto* entry = loaded<frmNewStatement>(*m_main, WindowNames::NewStatement);
        typeHeader(entry, header);
        entry->findChild<QAbstractButton*>("btnYes")->click();
        auto* rates = loaded<frmUserInterestChanges>(*m_main, WindowNames::InterestChanges);
        if (!rates)
            return nullptr;
        if (firstRates) {
            typeIntoCell(rates->grid(), 0, frmUserInterestChanges::colValidTo, "12/31/2024");
            typeIntoCell(rates->grid(), 0, frmUserInterestChanges::colInterestRate, "7.3");
        }
        rates->findChild<QAbstractButton*>("cmdClose")->click();
        return loaded<frmThisSession>(*m_main, WindowNames::ThisSession);
    }

    void typeRows(frmThisSession* session, const QList<QStringList>& rows) {
        for (int row = 0; row < rows.size(); ++row) {
            if (row > 0)
                session->findChild<QAbstractButton*>("cmdAdd")->click();
            typeTransaction(session, row, rows[row]);
        }
    }

    // The method window from wherever the road stands: day 1 for the fixed-day methods.
    frmCalculate* chooseMethod(int method) {
        auto* w = loaded<frmMethod>(*m_main, WindowNames::Method);
        if (!w)
            return nullptr;
        control<QListWidget>(w, "lstMethod")->setCurrentRow(method);
        if (method < 2)
            control<QLineEdit>(w, "txtDay")->setText("1");
        w->findChild<QAbstractButton*>("cmdOK")->click();
        return report();
    }

    frmCalculate* viewReport(int method) {
        if (frmCalculate* shown = report())
            shown->findChild<QAbstractButton*>("cmdClose")->click();
        active()->findChild<QAbstractButton*>("cmdReport")->click();
        return chooseMethod(method);
    }

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

    // The Import menu's command, its preview driven once it is up: `drive` imports or cancels.
    void importHistory(const std::function<void()>& command,
                       const std::function<void(HistoryImportWindow*)>& drive) {
        // The command may run the event loop before its preview is up: the timer waits for it.
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&timer, &drive] {
            auto* w = qobject_cast<HistoryImportWindow*>(QApplication::activeModalWidget());
            if (!w)
                return;
            timer.stop();
            drive(w);
            if (w->isVisible())
                w->reject();
        });
        timer.start(0);
        command();
    }

    void newAccountToReportAndBack();
    void historyToReport();
    void bankFileToVerdict();
};

void TestWholeRoad::newAccountToReportAndBack() {
    const QString account = m_fixture->dataFolder() + "Road.mdb";
    m_dialogs->files.enqueue(account);
    m_main->newAccount();

    // Statement 1: -100,000.00 to -100,600.00, the lender's interest on 31 January.
    frmThisSession* session =
        enterStatement({"", "1/1/2024", "-100,000.00", "1/31/2024", "-100,600.00"}, true);
    QVERIFY(session);
    typeRows(session, {{"1/31/2024", "", "", "", "", "600.00"}});
    CLICK(session, "cmdDone");
    QVERIFY(chooseMethod(2));

    // Statement 2: the interest typed wrongly first; the check refuses, the corrected row passes.
    report()->findChild<QAbstractButton*>("cmdClose")->click();
    session = enterStatement({"", "2/1/2024", "", "2/29/2024", "-100,181.00"});
    QVERIFY(session);
    typeRows(session,
             {{"2/15/2024", "", "", "", "1,000.00"}, {"2/29/2024", "", "", "", "", "518.00"}});
    m_dialogs->messages.clear();
    CLICK(session, "cmdDone");
    QCOMPARE(m_dialogs->messageTexts(), QStringList{FiguresError});
    QVERIFY(!m_main->isLoaded(WindowNames::Method));
    // Back through statement entry and the rates to the transactions, where the figure is put
    // right.
    auto* entry = loaded<frmNewStatement>(*m_main, WindowNames::NewStatement);
    QVERIFY(entry);
    CLICK(entry, "btnYes");
    auto* rates = loaded<frmUserInterestChanges>(*m_main, WindowNames::InterestChanges);
    QVERIFY(rates);
    CLICK(rates, "cmdClose");
    session = loaded<frmThisSession>(*m_main, WindowNames::ThisSession);
    QVERIFY(session);
    if (session->grid()->model()->rowCount() < 2)
        typeRows(session,
                 {{"2/15/2024", "", "", "", "1,000.00"}, {"2/29/2024", "", "", "", "", "581.00"}});
    else
        typeIntoSession(session, 1, frmThisSession::colInterestPayment, "581.00");
    CLICK(session, "cmdDone");
    QVERIFY(chooseMethod(2));

    // Statement 3 ends in credit: the question is asked with the stop icon and answered Yes.
    report()->findChild<QAbstractButton*>("cmdClose")->click();
    m_dialogs->answers.enqueue(true);
    session = enterStatement({"", "3/1/2024", "", "3/31/2024", "900.00"});
    QVERIFY(session);
    QCOMPARE(m_dialogs->questions.size(), 1);
    QCOMPARE(m_dialogs->questions[0].title, QStringLiteral("Vantrell Verification"));
    typeRows(session, {{"3/10/2024", "", "", "", "101,000.00"}, {"3/20/2024", "", "", "", "81"}});
    CLICK(session, "cmdDone");
    QVERIFY(chooseMethod(2));
    QCOMPARE(m_main->tag(Tag::File), QStringLiteral("Open"));

    // Every method gives a report with interest due.
    QList<Money> due;
    for (int method = 0; method < 4; ++method) {
        frmCalculate* w = viewReport(method);
        QVERIFY(w);
        due << total(w, ReportLine::InterestDueColumn);
        QVERIFY2(!due.last().isZero(), qPrintable(QString::number(method)));
    }

    // The printed report, to PDF through the preview.
    frmCalculate* w = viewReport(2);
    QVERIFY(w);
    const QString pdf = m_fixture->path("report.pdf");
    m_dialogs->previewToPdf = pdf;
    CLICK(w, "cmdPreview");
    QCOMPARE(m_dialogs->previews.size(), 1);
    QVERIFY(m_dialogs->previews[0].painted);
    QVERIFY(QFile(pdf).size() > 1000);
    const QByteArray before = ReportRendering::csv(w->reportModel()->lines());
    const Money dueBefore = total(w, ReportLine::InterestDueColumn);

    // Opened again: the same report.
    w->findChild<QAbstractButton*>("cmdClose")->click();
    m_dialogs->files.enqueue(account);
    m_main->openAccount();
    QCOMPARE(m_main->tag(Tag::File), QStringLiteral("Open"));
    w = viewReport(2);
    QVERIFY(w);
    QCOMPARE(ReportRendering::csv(w->reportModel()->lines()), before);

    // The February deposit corrected to 2,000.00: less debt, less interest due.
    w->findChild<QAbstractButton*>("cmdClose")->click();
    CLICK(active(), "cmdPrevious");
    auto* all = loaded<frmAllRecords>(*m_main, WindowNames::AllRecords);
    QVERIFY(all);
    int row = -1;
    for (int r = 0; r < all->gridModel()->rowCount(); ++r) {
        if (all->gridModel()->index(r, 0).data().toString() == "2/15/2024")
            row = r;
    }
    QVERIFY(row >= 0);
    typeIntoCell(all->grid(), row, frmAllRecords::fldDeposit, "2,000.00");
    CLICK(all, "cmdClose");
    w = viewReport(2);
    QVERIFY(w);
    QVERIFY(total(w, ReportLine::InterestDueColumn) < dueBefore);
}

// A borrower with only the bank's export: two years of a loan, newest first, positive balances,
// one month overcharged by 25.00. From the program's start to the verdict: Check a Loan, the
// account's name, the bank's file, Import, the message that says what was imported, Store.
void TestWholeRoad::bankFileToVerdict() {
    ChargedHistory::Loan loan;
    loan.overcharged.insert(QDate(2024, 3, 15), Money::fromRaw(25 * Money::Scale));
    const QVector<RatePeriod> rates = {
        {1, QDate(2023, 1, 1), QDate(2023, 8, 31), *Rate::fromReal(5.85)},
        {2, QDate(2023, 9, 1), QDate(2025, 12, 31), *Rate::fromReal(6.1)}};
    const QVector<HistoryRow> rows =
        ChargedHistory::charged(InterestMethod::VariableDay, QString(), {}, rates, loan);
    // The bank's export: the debt positive, amounts as the borrower sees them, newest first.
    Money debt = rows.first().closeBalance.money()->negated().value();
    QStringList lines;
    for (const HistoryRow& row : rows.mid(1)) {
        const std::optional<Money> repaid = row.amounts[AmountColumn::Deposit].money();
        const std::optional<Money> charged = row.amounts[AmountColumn::InterestPayment].money();
        const Money amount = repaid ? *repaid : charged->negated().value();
        debt = Money::subtract(debt, amount).value();
        lines.prepend(QStringLiteral("%1,%2,%3,%4")
                          .arg(row.date.toString(Qt::ISODate), repaid ? "Repayment" : "Interest",
                               amount.toPlainText(), debt.toPlainText()));
    }
    const QString bankFile = m_fixture->path("loan.csv");
    {
        QFile f(bankFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Date,Description,Amount,Balance\n" + lines.join('\n').toUtf8() + '\n');
    }

    int actions = 1; // Check a Loan from the Bank's File…
    m_dialogs->files.enqueue(m_fixture->dataFolder() + "Loan.mdb");
    m_dialogs->files.enqueue(bankFile);
    bool stored = false;
    QTimer storer;
    connect(&storer, &QTimer::timeout, this, [&] {
        auto* d = qobject_cast<RateProposalDialog*>(QApplication::activeModalWidget());
        if (!d)
            return;
        storer.stop();
        QVERIFY(!d->proposal().periods.isEmpty());
        CLICK(d, "storeButton");
        ++actions;
        stored = true;
    });
    storer.start(0);
    importHistory([this] { m_main->findChild<QAction*>("mnuCheckLoan")->trigger(); },
                  [&](HistoryImportWindow* w) {
                      CLICK(w, "importButton");
                      ++actions;
                  });
    QTRY_VERIFY(stored);
    const auto summaryShown = [this] {
        return qobject_cast<SummaryWindow*>(m_main->registry().loaded(SummaryWindow::Name));
    };
    QTRY_VERIFY2(summaryShown() && summaryShown()->isVisible(),
                 qPrintable(m_dialogs->messageTexts().join('\n')));
    SummaryWindow* summary = summaryShown();
    actions += 2 + int(m_dialogs->messages.size() + m_dialogs->questions.size());
    QVERIFY2(actions <= 6, qPrintable(m_dialogs->messageTexts().join('\n')));
    const QString verdict = control<QLabel>(summary, "sentenceLabel")->text();
    QVERIFY2(verdict.contains("25."), qPrintable(verdict));
    QVERIFY(control<QLabel>(summary, "nextLabel")->text().contains("Show Working"));
    QVERIFY(m_main->tag(Tag::CheckLoan).isEmpty());

    // Taken up again from the menu with no new file: the history is there, the rates cover it
    // under the method found, and the report and its verdict come again.
    m_main->unloadWindow(SummaryWindow::Name);
    m_main->unloadWindow(WindowNames::Calculate);
    QVERIFY(!summaryShown());
    m_main->findChild<QAction*>("mnuCheckLoan")->trigger();
    QTRY_VERIFY(summaryShown() && summaryShown()->isVisible());
    QCOMPARE(control<QLabel>(summaryShown(), "sentenceLabel")->text(), verdict);
}

void TestWholeRoad::historyToReport() {
    // The loan as the bank shows it: a positive debt, amounts signed for the borrower, the newest
    // row first. Its first month is a part period; April is not complete.
    const QString bankFile = m_fixture->path("history.csv");
    const auto write = [&](const QByteArray& rows) {
        QFile f(bankFile);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("Date,Description,Amount,Balance\n" + rows);
    };
    const QByteArray threeMonths = "2024-04-05,Repayment,1000.00,97750.00\n"
                                   "2024-03-31,Interest,-590.00,98750.00\n"
                                   "2024-03-05,Repayment,1000.00,98160.00\n"
                                   "2024-02-29,Interest,-560.00,99160.00\n"
                                   "2024-02-05,Repayment,1000.00,98600.00\n"
                                   "2024-01-31,Interest,-600.00,99600.00\n"
                                   "2024-01-05,Repayment,1000.00,99000.00\n";
    write(threeMonths);
    const QString account = m_fixture->dataFolder() + "History.mdb";
    m_dialogs->files.enqueue(account);
    m_dialogs->files.enqueue(bankFile);
    QStringList shown;
    importHistory([this] { m_main->newAccountFromHistory(); },
                  [&](HistoryImportWindow* w) {
                      // It fits a screen 768 pixels high, and its column pickers read whole.
                      QVERIFY2(w->height() <= 740 && w->minimumSizeHint().height() <= 740,
                               qPrintable(QString::number(w->height())));
                      for (QComboBox* picker : w->findChildren<QComboBox*>()) {
                          if (picker->objectName().endsWith("Column"))
                              QVERIFY2(picker->width() >= picker->sizeHint().width(),
                                       qPrintable(picker->currentText()));
                      }
                      QVERIFY(w->signs().turnBalances);
                      QVERIFY(!w->signs().turnAmounts);
                      for (const HistoryImport::Statement& s : w->plan().statements)
                          shown << QStringLiteral("%1 %2 %3 %4 %5")
                                       .arg(s.number)
                                       .arg(ShortDate::format(s.start), s.opening.format(),
                                            s.closing.format(), s.statusShown());
                      w->importStatements();
                  });
    QCOMPARE(shown, QStringList({"1 1/5/2024 -100,000.00 -99,600.00 ready",
                                 "2 2/1/2024 -99,600.00 -99,160.00 ready",
                                 "3 3/1/2024 -99,160.00 -98,750.00 ready"}));
    QCOMPARE(m_dialogs->messageTexts(),
             QStringList{"3 statements with 6 transactions were imported."});
    QCOMPARE(m_main->tag(Tag::File), QStringLiteral("Open"));
    QVERIFY(m_main->tag(Tag::EndDate).isEmpty());

    // The rates are asked for the span imported; Add proposes its first day.
    auto* rates = loaded<frmUserInterestChanges>(*m_main, WindowNames::InterestChanges);
    QVERIFY(rates);
    QVERIFY(control<QLabel>(rates, "lblNote")->text().contains("from 1/5/2024 to 3/31/2024"));
    CLICK(rates, "cmdAdd");
    QCOMPARE(rates->grid()->model()->index(0, frmUserInterestChanges::colValidFrom).data(),
             QVariant("1/5/2024"));
    typeIntoCell(rates->grid(), 0, frmUserInterestChanges::colValidTo, "12/31/2024");
    typeIntoCell(rates->grid(), 0, frmUserInterestChanges::colInterestRate, "7.3");
    CLICK(rates, "cmdClose");
    frmCalculate* w = viewReport(2);
    QVERIFY(w);
    QCOMPARE(total(w, ReportLine::InterestChargeColumn), *Money::parse("1750"));
    QVERIFY(!total(w, ReportLine::InterestDueColumn).isZero());
    w->findChild<QAbstractButton*>("cmdClose")->click();

    // Continued with April and May: the months committed are left alone, a copy is kept first.
    write("2024-05-31,Interest,-580.00,97680.00\n2024-05-05,Repayment,1000.00,97100.00\n"
          "2024-04-30,Interest,-350.00,98100.00\n" +
          threeMonths);
    m_dialogs->files.enqueue(bankFile);
    m_dialogs->messages.clear();
    shown.clear();
    importHistory([this] { m_main->statementsFromHistory(); },
                  [&](HistoryImportWindow* w) {
                      for (const HistoryImport::Statement& s : w->plan().statements)
                          shown << QStringLiteral("%1 %2").arg(s.number).arg(s.statusShown());
                      w->importStatements();
                      QVERIFY(QFile::exists(w->keptCopy()));
                  });
    // The months held keep their numbers; the new ones follow the account's last.
    QCOMPARE(shown, QStringList({"1 already in the account", "2 already in the account",
                                 "3 already in the account", "4 ready", "5 ready"}));
    QCOMPARE(m_dialogs->messageTexts().size(), 1);
    QVERIFY(m_dialogs->messageTexts()[0].startsWith(
        "2 statements with 4 transactions were imported.\nThe account as it was before the import "
        "is kept as "));
}

QTEST_MAIN(TestWholeRoad)
#include "tst_wholeroad.moc"
