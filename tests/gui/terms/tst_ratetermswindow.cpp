// The Rate Terms window: a series typed in and terms periods saved are in the account at once;
// a value that does not read is refused and nothing stored; the lender's variable rate against
// the series gives the pass-on table, in the window and in the report's summary; tracker terms
// that cover the history give the verdict and the report under the owed rates.
#include "reference/TermsStore.h"
#include "report/frmCalculate.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RateHistory.h"
#include "support/RecordsHarness.h"
#include "terms/RateTermsWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

namespace {

const QStringList Lender = {"2022-01-01 2022-05-19 4", "2022-05-20 2022-06-07 4.25",
                            "2022-06-08 2022-11-15 4.75", "2022-11-16 2023-02-21 4.9",
                            "2023-02-22 2024-12-31 4.75"};
const QString Cash = "2021-11-03 0.1\n2022-05-04 0.35\n2022-06-08 0.85\n2022-08-03 1.35\n"
                     "2022-11-02 1.6\n2023-02-08 1.35\n";

// An account whose lender charged under Lender for 20 months, those rates stored.
void writeAccount(const QString& path) {
    RateHistory::write(
        path, RateHistory::history(InterestMethod::VariableDay, {}, ReportRows::rates(Lender), 20));
    RateHistory::writeRates(path, Lender);
}

void set(QWidget* w, const char* name, const QString& text) {
    auto* edit = control<QLineEdit>(w, name);
    QVERIFY(edit);
    edit->setText(text);
}

void choose(QWidget* w, const char* name, int index) {
    auto* box = control<QComboBox>(w, name);
    QVERIFY(box);
    box->setCurrentIndex(index);
}

RateTermsWindow* openWindow(RecordsHarness& h) {
    h.main->findChild<QAction*>("mnuRateTerms")->trigger();
    return dynamic_cast<RateTermsWindow*>(h.main->registry().loaded(WindowNames::RateTerms));
}

} // namespace

class TestRateTermsWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void variableRatePassedOn() {
        RecordsHarness h;
        writeAccount(h.account);
        h.main->setTag(Tag::Method, "2");
        RateTermsWindow* w = openWindow(h);
        QVERIFY(w);
        control<QLineEdit>(w, "seriesNameEdit")->setText("Cash rate");
        control<QPlainTextEdit>(w, "seriesTextEdit")->setPlainText(Cash);
        CLICK(w, "addTypedButton");
        QCOMPARE(AccountFixture::column(h.account, "select Series || ' ' || Name from tblSeries"),
                 QStringList{"cash-rate Cash rate"});
        QCOMPARE(control<QTableWidget>(w, "seriesGrid")->rowCount(), 1);

        // A rate that does not read: said, nothing stored.
        choose(w, "kindBox", int(RateTerms::Kind::Fixed));
        set(w, "fromEdit", "2022-01-01");
        set(w, "rateEdit", "four");
        QVERIFY(!w->savePeriod());
        QVERIFY(h.dialogs.messages.last().text.contains("'four' is not a rate"));
        QCOMPARE(AccountFixture::column(h.account, "select count(*) from tblRateTerms"),
                 QStringList{"0"});

        choose(w, "kindBox", int(RateTerms::Kind::Variable));
        auto* series = control<QComboBox>(w, "seriesBox");
        series->setCurrentIndex(series->findData("cash-rate"));
        CLICK(w, "saveButton");
        QCOMPARE(AccountFixture::column(h.account, "select ValidFrom || ' ' || Terms || ' ' || "
                                                   "Series from tblRateTerms"),
                 QStringList{"2022-01-01 variable cash-rate"});
        auto* passOn = control<QTableWidget>(w, "passOnGrid");
        QCOMPARE(passOn->rowCount(), 5);
        QCOMPARE(passOn->item(2, 3)->text(), "never");
        // Rates in a column with the lender's decimals: the cash rate's 1.6 and the lender's 4.9.
        QCOMPARE(passOn->item(3, 2)->text(), "1.60 %");
        QCOMPARE(passOn->item(3, 5)->text(), "4.90 %");
        QVERIFY(control<QLabel>(w, "passOnTotalLabel")->text().contains("over the history"));
        // Where the lender's answer is looked for: from the change's date plus the lag.
        QVERIFY(control<QLabel>(w, "passOnTotalLabel")->text().contains("to 62 days after it."));
        control<QSpinBox>(w, "lagSpin")->setValue(30);
        CLICK(w, "saveButton");
        QVERIFY2(control<QLabel>(w, "passOnTotalLabel")
                     ->text()
                     .contains("62 days after its date plus the lag of 30 days"),
                 qPrintable(control<QLabel>(w, "passOnTotalLabel")->text()));
        control<QSpinBox>(w, "lagSpin")->setValue(0);
        CLICK(w, "saveButton");
        // The owed rates of the lender's variable rate are the stored ones.
        QCOMPARE(control<QTableWidget>(w, "owedGrid")->rowCount(), 5);

        // The report under the stored rates: its summary carries the same table.
        h.main->setTag(Tag::File, "Open");
        h.main->showWindow(WindowNames::Calculate);
        auto* report =
            dynamic_cast<frmCalculate*>(h.main->registry().loaded(WindowNames::Calculate));
        QVERIFY(report);
        CLICK(report, "cmdSummary");
        FormWindow* summary = h.main->registry().loaded("SummaryWindow");
        QVERIFY(summary);
        QCOMPARE(control<QTableWidget>(summary, "passOnGrid")->rowCount(), 5);
        QVERIFY(control<QTableWidget>(summary, "passOnGrid")->isVisibleTo(summary));
    }

    void trackerReportUnderTheTerms() {
        RecordsHarness h;
        writeAccount(h.account);
        RateTermsWindow* w = openWindow(h);
        QVERIFY(w);
        QVERIFY(!control<QPushButton>(w, "reportButton")->isEnabled());
        control<QLineEdit>(w, "seriesNameEdit")->setText("Cash");
        control<QPlainTextEdit>(w, "seriesTextEdit")->setPlainText(Cash);
        CLICK(w, "addTypedButton");
        choose(w, "kindBox", int(RateTerms::Kind::Tracker));
        set(w, "fromEdit", "1/1/2022");
        set(w, "marginEdit", "3.9");
        CLICK(w, "saveButton");
        QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.messageTexts().join('\n')));
        QCOMPARE(control<QTableWidget>(w, "owedGrid")->rowCount(), 6);
        QCOMPARE(control<QTableWidget>(w, "owedGrid")->item(0, 2)->text(), "4.00 %");
        QVERIFY(control<QLabel>(w, "verdictLabel")->text().startsWith("Under the terms: "));

        h.main->setTag(Tag::File, "Open");
        CLICK(w, "reportButton");
        QVERIFY(h.main->tag(Tag::OwedRates).isEmpty());
        auto* report =
            dynamic_cast<frmCalculate*>(h.main->registry().loaded(WindowNames::Calculate));
        QVERIFY(report);
        QVERIFY(control<QLabel>(report, "lblConventions")->text().contains("terms owe"));
        CLICK(report, "cmdSummary");
        FormWindow* summary = h.main->registry().loaded("SummaryWindow");
        QVERIFY(control<QLabel>(summary, "termsLabel")->text().contains("terms owe"));
        // The stored rate periods are as they were.
        QCOMPARE(AccountFixture::column(h.account, "select count(*) from tblInterestChanges"),
                 QStringList{"5"});

        // Deleted, the period is gone from the account.
        control<QTableWidget>(w, "termsGrid")->setCurrentCell(0, 0);
        h.dialogs.answers << true;
        CLICK(w, "deleteButton");
        QCOMPARE(AccountFixture::column(h.account, "select count(*) from tblRateTerms"),
                 QStringList{"0"});
    }

    // Return saves the period typed; Delete Period asks first, and No keeps it.
    void periodKeysAndDelete() {
        RecordsHarness h;
        writeAccount(h.account);
        RateTermsWindow* w = openWindow(h);
        QVERIFY(w);
        h.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.main.get()));
        choose(w, "kindBox", int(RateTerms::Kind::Fixed));
        set(w, "fromEdit", "2022-01-01");
        auto* rate = control<QLineEdit>(w, "rateEdit");
        rate->setFocus();
        QTest::keyClicks(rate, "4.1");
        QTest::keyClick(rate, Qt::Key_Return);
        QCOMPARE(w->terms().size(), 1);

        // Tab goes on from the periods' table, it does not walk its cells.
        auto* grid = control<QTableWidget>(w, "termsGrid");
        grid->setFocus();
        grid->setCurrentCell(0, 0);
        QTest::keyClick(grid, Qt::Key_Tab);
        QVERIFY(!grid->hasFocus());
        QCOMPARE(grid->currentColumn(), 0);

        grid->setCurrentCell(0, 0);
        h.dialogs.answers << false;
        CLICK(w, "deleteButton");
        QCOMPARE(h.dialogs.questions.size(), 1);
        QVERIFY2(h.dialogs.questions[0].text.startsWith("Delete the terms period from 1/1/2022"),
                 qPrintable(h.dialogs.questions[0].text));
        QCOMPARE(AccountFixture::column(h.account, "select count(*) from tblRateTerms"),
                 QStringList{"1"});
        h.dialogs.answers << true;
        CLICK(w, "deleteButton");
        QCOMPARE(AccountFixture::column(h.account, "select count(*) from tblRateTerms"),
                 QStringList{"0"});
    }

    // Escape closes at once when nothing is typed; a typed period not saved is asked about.
    void escapeWithTypedPeriod_data() {
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        QTest::newRow("nothing typed") << false << false << false << false << true;
        QTest::newRow("saved, then shown") << true << false << false << false << true;
        QTest::newRow("typed, stay") << false << true << false << true << false;
        QTest::newRow("typed, close") << false << true << true << true << true;
        QTest::newRow("saved period changed") << true << true << false << true << false;
    }
    void escapeWithTypedPeriod() {
        QFETCH(bool, saved);
        QFETCH(bool, typed);
        QFETCH(bool, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closed);
        RecordsHarness h;
        writeAccount(h.account);
        RateTermsWindow* w = openWindow(h);
        QVERIFY(w);
        if (saved) {
            choose(w, "kindBox", int(RateTerms::Kind::Fixed));
            set(w, "fromEdit", "2022-01-01");
            set(w, "rateEdit", "4.1");
            QVERIFY(w->savePeriod());
        }
        if (typed)
            set(w, "rateEdit", "4.35");
        h.dialogs.answers << answer;
        QTest::keyClick(control<QLineEdit>(w, "fromEdit"), Qt::Key_Escape);
        QCOMPARE(h.dialogs.questions.size(), asked ? 1 : 0);
        QCOMPARE(!h.main->isLoaded(WindowNames::RateTerms), closed);
        QCOMPARE(AccountFixture::column(h.account, "select count(*) from tblRateTerms"),
                 QStringList{saved ? "1" : "0"});
    }
};

QTEST_MAIN(TestRateTermsWindow)
#include "tst_ratetermswindow.moc"
