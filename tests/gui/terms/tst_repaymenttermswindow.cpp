// The Repayment Terms window: terms typed and saved are in the account; a value that does not
// read or terms that cannot stand are refused, said, nothing stored and nothing typed lost; a
// lender that kept the old repayment after a rate rise shows the shortfall, the finding's
// sentence and, in the summary, the verdict; an unticked deposit is no repayment taken.
#include "data/AccountConnection.h"
#include "render/RepaymentRendering.h"
#include "repayment/RepaymentTerms.h"
#include "report/SummaryWindow.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RateHistory.h"
#include "support/RecordsHarness.h"
#include "terms/RepaymentTermsWindow.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using Repayments::TermKind;

namespace {

const QStringList Lender = {"2022-01-01 2022-05-19 4", "2022-05-20 2022-06-07 4.25",
                            "2022-06-08 2022-11-15 4.75", "2022-11-16 2023-02-21 4.9",
                            "2023-02-22 2024-12-31 4.75"};

// 400,000.00 lent on 1 January 2022 and 2,950.00 repaid on the 3rd of every month for a year,
// through the rises of May and June: over 190 repayments 2,950.00 is enough at 4 % and 4.25 %,
// short at 4.75 %.
void writeAccount(const QString& path) {
    RateHistory::write(
        path, RateHistory::history(InterestMethod::VariableDay, {}, ReportRows::rates(Lender), 12));
    RateHistory::writeRates(path, Lender);
}

Repayments::Terms stored(const QString& path) {
    AccountConnection c;
    if (!c.open(path))
        return {};
    QString notice;
    return Repayments::read(c.database(), &notice);
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

// Monthly from 3 January 2022 over 190 repayments, saved.
void enterTerms(QWidget* w) {
    set(w, "firstRepaymentEdit", "1/3/2022");
    choose(w, "termKindBox", int(TermKind::Count));
    set(w, "countEdit", "190");
}

struct Opened {
    RecordsHarness h;
    RepaymentTermsWindow* w = nullptr;
    Opened() {
        writeAccount(h.account);
        h.main->setTag(Tag::Method, "2");
        h.main->findChild<QAction*>("mnuRepaymentTerms")->trigger();
        w = dynamic_cast<RepaymentTermsWindow*>(
            h.main->registry().loaded(WindowNames::RepaymentTerms));
    }
    QString label(const char* name) const { return control<QLabel>(w, name)->text(); }
    QTableWidget* grid(const char* name) const { return control<QTableWidget>(w, name); }
};

} // namespace

class TestRepaymentTermsWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each way of giving the term is stored as typed, and read back; Clear Terms asks first.
    void savedTermsAreStored_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::newRow("last repayment") << int(TermKind::LastRepayment) << "lastRepaymentEdit"
                                        << "10/3/2037";
        QTest::newRow("number") << int(TermKind::Count) << "countEdit"
                                << "190";
        QTest::newRow("initial rate") << int(TermKind::InitialRate) << "initialRateEdit"
                                      << "2.5";
    }
    void savedTermsAreStored() {
        QFETCH(int, kind);
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        Opened o;
        QVERIFY(o.w);
        QCOMPARE(o.label("findingsLabel"), "No repayment terms are kept for this account.");
        QCOMPARE(o.label("payoffLabel"), "No repayment terms are kept for this account.");
        QVERIFY(control<QLineEdit>(o.w, "firstRepaymentEdit")->text().isEmpty());
        QVERIFY(!control<QPushButton>(o.w, "clearButton")->isEnabled());
        set(o.w, "firstRepaymentEdit", "1/3/2022");
        choose(o.w, "termKindBox", kind);
        // Only the chosen term's input is open.
        for (const char* other : {"lastRepaymentEdit", "countEdit", "initialRateEdit"})
            QCOMPARE(control<QLineEdit>(o.w, other)->isEnabled(), edit == other);
        set(o.w, qPrintable(edit), typed);
        choose(o.w, "frequencyBox", int(Repayments::Frequency::Fortnightly));
        choose(o.w, "roundingBox", int(Repayments::Rounding::UpToDollar));
        set(o.w, "statedEdit", "1,234.50");
        CLICK(o.w, "addInterestOnlyButton");
        auto* io = o.grid("interestOnlyGrid");
        io->item(0, 0)->setText("1/3/2022");
        io->item(0, 1)->setText("2022-06-30");
        QVERIFY2(o.w->saveTerms(), qPrintable(o.h.dialogs.messageTexts().join('\n')));

        Repayments::Terms expected;
        expected.firstRepayment = QDate(2022, 1, 3);
        expected.termKind = TermKind(kind);
        expected.lastRepayment =
            kind == int(TermKind::LastRepayment) ? QDate(2037, 10, 3) : QDate();
        expected.count = kind == int(TermKind::Count) ? 190 : 0;
        expected.initialRate = kind == int(TermKind::InitialRate) ? *Rate::parse(u"2.5") : Rate();
        expected.frequency = Repayments::Frequency::Fortnightly;
        expected.rounding = Repayments::Rounding::UpToDollar;
        expected.stated = Money::parse("1234.5");
        expected.interestOnly = {{QDate(2022, 1, 3), QDate(2022, 6, 30)}};
        QCOMPARE(stored(o.h.account), expected);
        QCOMPARE(o.w->storedTerms(), expected);
        QVERIFY(o.grid("repaymentGrid")->rowCount() > 0);

        o.h.dialogs.answers << false << true;
        CLICK(o.w, "clearButton");
        QCOMPARE(stored(o.h.account), expected);
        CLICK(o.w, "clearButton");
        QVERIFY(!stored(o.h.account).isSet());
        QCOMPARE(o.label("findingsLabel"), "No repayment terms are kept for this account.");
        QVERIFY(control<QLineEdit>(o.w, "firstRepaymentEdit")->text().isEmpty());
    }

    // A value that does not read, named; terms that cannot stand, refused as the terms say.
    void refusedTermsStoreNothing_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("said");
        QTest::newRow("first repayment") << "firstRepaymentEdit"
                                         << "31/31/2022"
                                         << "The first repayment '31/31/2022' is not a date.";
        QTest::newRow("no first repayment") << "firstRepaymentEdit"
                                            << ""
                                            << "Give the first repayment's date.";
        QTest::newRow("count") << "countEdit"
                               << "many"
                               << "The number of repayments 'many' is not a whole number.";
        QTest::newRow("count out of range") << "countEdit"
                                            << "0"
                                            << "The number of repayments must be from 1 to 2600.";
        QTest::newRow("stated") << "statedEdit"
                                << "lots"
                                << "The repayment stated by the lender 'lots' is not an amount.";
        QTest::newRow("stated zero") << "statedEdit"
                                     << "0"
                                     << "The repayment the lender stated must be above zero.";
        QTest::newRow("interest only") << "interestOnly"
                                       << "soon"
                                       << "The interest-only period in row 1: 'soon' is not a "
                                          "date.";
        QTest::newRow("interest only without its end")
            << "interestOnly"
            << ""
            << "The interest-only period in row 1 needs the day it starts and the day it ends.";
    }
    void refusedTermsStoreNothing() {
        QFETCH(QString, edit);
        QFETCH(QString, typed);
        QFETCH(QString, said);
        Opened o;
        QVERIFY(o.w);
        enterTerms(o.w);
        if (edit == "interestOnly") {
            CLICK(o.w, "addInterestOnlyButton");
            o.grid("interestOnlyGrid")->item(0, 0)->setText("1/3/2022");
            o.grid("interestOnlyGrid")->item(0, 1)->setText(typed);
        } else {
            set(o.w, qPrintable(edit), typed);
        }
        QVERIFY(!o.w->saveTerms());
        QCOMPARE(o.h.dialogs.messageTexts().value(0), said);
        QVERIFY(!stored(o.h.account).isSet());
        // Nothing typed is lost.
        if (edit != "interestOnly")
            QCOMPARE(control<QLineEdit>(o.w, qPrintable(edit))->text(), typed);
        QCOMPARE(control<QLineEdit>(o.w, "countEdit")->text(), edit == "countEdit" ? typed : "190");
    }

    // The lender kept 2,950.00 after the rise to 4.75 %: each repayment after it is short, the
    // finding says so, and the summary's verdict and its text follow the check.
    void keptRepaymentFallsShort() {
        Opened o;
        QVERIFY(o.w);
        enterTerms(o.w);
        QVERIFY2(o.w->saveTerms(), qPrintable(o.h.dialogs.messageTexts().join('\n')));
        QTableWidget* grid = o.grid("repaymentGrid");
        QCOMPARE(grid->rowCount(), 12);
        const int shortfall = int(RepaymentRendering::headings().indexOf("Shortfall"));
        const int taken = int(RepaymentRendering::headings().indexOf("Taken"));
        QCOMPARE(grid->item(0, taken)->text(), "2,950.00");
        // Before the rise the repayment taken is more than enough; after it, short.
        QVERIFY(grid->item(0, shortfall)->text().startsWith('-'));
        QVERIFY(!grid->item(6, shortfall)->text().startsWith('-'));
        QVERIFY(!grid->item(6, shortfall)->text().isEmpty());
        const QString finding = o.label("findingsLabel");
        QVERIFY2(finding.startsWith("After the rate change of 6/8/2022 the lender kept the "
                                    "repayment of 2,950.00 where "),
                 qPrintable(finding));
        // Kept on, 2,950.00 clears the loan after the term's end; 100.00 more, before it.
        QVERIFY2(o.label("payoffLabel")
                     .startsWith("At the repayment of 2,950.00 the loan is paid "
                                 "off on 1/3/2038, 3 months after the term ends "
                                 "on 10/3/2037."),
                 qPrintable(o.label("payoffLabel")));
        auto* chart = control<QChartView>(o.w, "payoffChart")->chart();
        QCOMPARE(chart->series().size(), 3);
        set(o.w, "extraEdit", "some");
        QVERIFY(!o.w->project());
        QCOMPARE(o.h.dialogs.messageTexts().value(0),
                 "The extra each repayment 'some' is not an amount of zero or more.");
        set(o.w, "extraEdit", "100");
        CLICK(o.w, "projectButton");
        QVERIFY2(
            o.label("payoffLabel").contains("With 100.00 more each repayment it is paid off on "),
            qPrintable(o.label("payoffLabel")));
        QCOMPARE(chart->series().size(), 4);
        QCOMPARE(chart->series().last()->name(), "Projection with extra");

        o.h.main->setTag(Tag::File, "Open");
        o.h.main->showWindow(WindowNames::Calculate);
        FormWindow* report = o.h.main->registry().loaded(WindowNames::Calculate);
        QVERIFY(report);
        CLICK(report, "cmdSummary");
        FormWindow* summary = o.h.main->registry().loaded(SummaryWindow::Name);
        QVERIFY(summary);
        auto* verdict = control<QLabel>(summary, "repaymentVerdictLabel");
        QVERIFY(verdict && verdict->isVisibleTo(summary));
        QVERIFY2(verdict->text().startsWith("The loan is underfunded: since 12/3/2022 each "
                                            "repayment taken is "),
                 qPrintable(verdict->text()));
        CLICK(summary, "copyButton");
        const QString text = QGuiApplication::clipboard()->text();
        const QString sentence = control<QLabel>(summary, "sentenceLabel")->text();
        QVERIFY2(text.contains(sentence + '\n' + verdict->text() + '\n'), qPrintable(text));
    }

    // Without terms the summary says nothing of the repayments.
    void noVerdictWithoutTerms() {
        Opened o;
        o.h.main->setTag(Tag::File, "Open");
        o.h.main->showWindow(WindowNames::Calculate);
        CLICK(o.h.main->registry().loaded(WindowNames::Calculate), "cmdSummary");
        FormWindow* summary = o.h.main->registry().loaded(SummaryWindow::Name);
        QVERIFY(summary);
        QVERIFY(!control<QLabel>(summary, "repaymentVerdictLabel")->isVisibleTo(summary));
        CLICK(summary, "copyButton");
        QVERIFY(!QGuiApplication::clipboard()->text().contains("underfunded"));
    }

    // Return saves the terms typed; Tab goes on from the interest-only list and the check's grid.
    void keys() {
        Opened o;
        QVERIFY(o.w);
        o.h.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(o.h.main.get()));
        enterTerms(o.w);
        auto* count = control<QLineEdit>(o.w, "countEdit");
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Return);
        QVERIFY2(stored(o.h.account).isSet(), qPrintable(o.h.dialogs.messageTexts().join('\n')));
        for (const char* name : {"interestOnlyGrid", "repaymentGrid", "depositsGrid"}) {
            QTableWidget* grid = o.grid(name);
            o.w->findChild<QTabWidget*>()->setCurrentWidget(grid->parentWidget());
            if (grid->rowCount() == 0)
                CLICK(o.w, "addInterestOnlyButton");
            grid->setFocus();
            grid->setCurrentCell(0, 0);
            QTest::keyClick(grid, Qt::Key_Tab);
            QVERIFY2(!grid->hasFocus(), name);
            QCOMPARE(grid->currentColumn(), 0);
        }
    }

    // A deposit unticked is stored at once and taken for no repayment; ticked again, it is.
    void untickedDepositIsNoRepayment() {
        Opened o;
        QVERIFY(o.w);
        enterTerms(o.w);
        QVERIFY(o.w->saveTerms());
        QTableWidget* deposits = o.grid("depositsGrid");
        QCOMPARE(deposits->rowCount(), 12);
        QTableWidgetItem* march = deposits->item(2, 2);
        QCOMPARE(deposits->item(2, 0)->text(), "3/3/2022");
        QCOMPARE(march->checkState(), Qt::Checked);
        const qint64 id = march->data(Qt::UserRole).toLongLong();
        const int taken = int(RepaymentRendering::headings().indexOf("Taken"));

        march->setCheckState(Qt::Unchecked);
        QTRY_COMPARE(stored(o.h.account).unticked, QVector<qint64>{id});
        QCOMPARE(o.grid("repaymentGrid")->item(2, taken)->text(), QString());
        QCOMPARE(deposits->item(2, 2)->checkState(), Qt::Unchecked);

        deposits->item(2, 2)->setCheckState(Qt::Checked);
        QTRY_VERIFY(stored(o.h.account).unticked.isEmpty());
        QCOMPARE(o.grid("repaymentGrid")->item(2, taken)->text(), "2,950.00");
    }
};

QTEST_MAIN(TestRepaymentTermsWindow)
#include "tst_repaymenttermswindow.moc"
