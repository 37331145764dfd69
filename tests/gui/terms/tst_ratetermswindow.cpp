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
        QCOMPARE(control<QTableWidget>(w, "owedGrid")->item(0, 2)->text(), "4 %");
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
        CLICK(w, "deleteButton");
        QCOMPARE(AccountFixture::column(h.account, "select count(*) from tblRateTerms"),
                 QStringList{"0"});
    }
};

QTEST_MAIN(TestRateTermsWindow)
#include "tst_ratetermswindow.moc"
