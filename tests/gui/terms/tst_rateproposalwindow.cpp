// The proposal of rate periods from the lender's charges in the rate periods window: enabled
// only with charges, preset from the method window's last choice and the account's conventions,
// stored periods beside the proposal and replaced only after a question, Cancel storing nothing,
// and every method tried at once.
#include "data/AccountConnection.h"
#include "engine/AccountStore.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RateHistory.h"
#include "support/RecordsHarness.h"
#include "terms/RateProposalDialog.h"
#include "terms/frmUserInterestChanges.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

// The lender's history: Fixed Day from the 15th under Actual/360, the rates of 2022 and 2023.
const QStringList Truth = {"2022-01-01 2022-04-15 5.25", "2022-04-16 2022-09-30 6.1",
                           "2022-10-01 2024-12-31 5.85"};
const LenderConventions Lenders{DayCount::Actual360, InterestRounding::Day4};

void writeLenders(const QString& account, int method = InterestMethod::FixedDay) {
    RateHistory::write(account, RateHistory::history(method, Lenders, ReportRows::rates(Truth)));
    AccountConnection c;
    QString error;
    QVERIFY(c.open(account));
    QVERIFY2(AccountStore::writeConventions(c.database(), Lenders, &error), qPrintable(error));
}

QStringList rows(QTableWidget* grid, int firstColumn = 0) {
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r) {
        QStringList cells;
        for (int c = firstColumn; c < grid->columnCount() && c < firstColumn + 3; ++c)
            cells << grid->item(r, c)->text();
        out << cells.join(' ');
    }
    return out;
}

QStringList storedPeriods(const QString& account) {
    return AccountFixture::column(account, "select ValidFrom || ' ' || ValidTo || ' ' || "
                                           "InterestRate from tblInterestChanges order by "
                                           "ValidTo, ID");
}

// Runs `step` on the modal proposal once the window's button has opened it.
void onDialog(const std::function<void(RateProposalDialog*)>& step) {
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<RateProposalDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        // A check that fails inside `step` returns early: the dialog must not stay open.
        const auto close = qScopeGuard([dialog] {
            if (dialog->isVisible())
                dialog->reject();
        });
        step(dialog);
    });
}

} // namespace

class TestRateProposalWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void enabledWithChargesOnly();
    void presetProposedAndStored();
    void cancelStoresNothing();
    void tryEveryMethod();
    void noMethodChosenYet();
    void proposingAgainRewritesOnlyChanges();
    void storedWayBecomesTheAccounts();
    void restAndCompoundingChosen();
};

void TestRateProposalWindow::enabledWithChargesOnly() {
    RecordsHarness empty({"2024-01-01 C=-1000", "2024-01-10 D=100"});
    auto* w = empty.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    w->formActivate();
    QVERIFY(!control<QPushButton>(w, "cmdProposeRates")->isEnabled());

    RecordsHarness charged;
    writeLenders(charged.account);
    w = charged.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    w->formActivate();
    QVERIFY(control<QPushButton>(w, "cmdProposeRates")->isEnabled());
}

// The method and day come from the method window's last choice, the conventions from the
// account; the stored period that overlaps is replaced only once the user says yes.
void TestRateProposalWindow::presetProposedAndStored() {
    RecordsHarness h;
    writeLenders(h.account);
    AccountFixture::exec(h.account, "insert into tblInterestChanges (ValidFrom, ValidTo, "
                                    "InterestRate) values ('2022-01-01', '2022-02-28', 9)");
    h.main->setTag(Tag::Method, "0");
    h.main->setTag(Tag::IntCalcTo, "14");
    auto* w = h.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    w->formActivate();

    bool checked = false;
    onDialog([&](RateProposalDialog* d) {
        QCOMPARE(control<QComboBox>(d, "methodBox")->currentIndex(), 0);
        QCOMPARE(control<QSpinBox>(d, "daySpin")->value(), 15);
        QCOMPARE(control<QComboBox>(d, "dayCountBox")->currentIndex(), int(DayCount::Actual360));
        QCOMPARE(rows(control<QTableWidget>(d, "proposalGrid"), 1),
                 QStringList({"1/1/2022 4/15/2022 5.25 %", "4/16/2022 9/30/2022 6.10 %",
                              "10/1/2022 6/15/2024 5.85 %"}));
        QCOMPARE(rows(control<QTableWidget>(d, "storedGrid")),
                 QStringList{"1/1/2022 2/28/2022 9.00 %"});
        QCOMPARE(control<QTableWidget>(d, "unexplainedGrid")->rowCount(), 0);
        // The last period is not to be stored; the first overlaps the stored one. No keeps it.
        control<QTableWidget>(d, "proposalGrid")->item(2, 0)->setCheckState(Qt::Unchecked);
        h.dialogs.answers << false;
        CLICK(d, "storeButton");
        QVERIFY(d->isVisible());
        QCOMPARE(storedPeriods(h.account), QStringList{"2022-01-01 2022-02-28 9.0"});
        h.dialogs.answers << true;
        CLICK(d, "storeButton");
        checked = true;
    });
    CLICK(w, "cmdProposeRates");
    QVERIFY(checked);
    QCOMPARE(h.dialogs.questions.size(), 2);
    QVERIFY(h.dialogs.questions.last().text.contains("1/1/2022 to 2/28/2022 at 9.00 %"));
    QCOMPARE(storedPeriods(h.account),
             QStringList({"2022-01-01 2022-04-15 5.25", "2022-04-16 2022-09-30 6.1"}));
    QCOMPARE(w->grid()->model()->rowCount(), 2);
}

void TestRateProposalWindow::cancelStoresNothing() {
    RecordsHarness h;
    writeLenders(h.account);
    h.main->setTag(Tag::Method, "0");
    h.main->setTag(Tag::IntCalcTo, "14");
    auto* w = h.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    w->formActivate();
    bool cancelled = false;
    onDialog([&](RateProposalDialog* d) {
        QCOMPARE(d->proposal().periods.size(), 3);
        CLICK(d, "cancelButton");
        cancelled = true;
    });
    CLICK(w, "cmdProposeRates");
    QVERIFY(cancelled);
    QVERIFY(storedPeriods(h.account).isEmpty());
    QVERIFY(h.dialogs.questions.isEmpty() && h.dialogs.messages.isEmpty());
}

// Preset to the wrong method, the borrower tries every one: the lender's is chosen and shown;
// a choice changed by hand is proposed under at once.
void TestRateProposalWindow::tryEveryMethod() {
    RecordsHarness h;
    writeLenders(h.account, InterestMethod::VariableDayDeferred);
    AccountConnection c;
    QVERIFY(c.open(h.account));
    RateProposalDialog d(c.database(), InterestMethod::FixedDayDeferred,
                         CalcDay::Day::fromCalcTo(QStringLiteral("27")));
    QCOMPARE(control<QComboBox>(&d, "methodBox")->currentIndex(), 1);
    QCOMPARE(control<QSpinBox>(&d, "daySpin")->value(), 28);
    QVERIFY(d.proposal().reproduced() < 29);
    CLICK(&d, "tryEveryButton");
    QCOMPARE(control<QComboBox>(&d, "methodBox")->currentIndex(),
             int(InterestMethod::VariableDayDeferred));
    QVERIFY(!control<QSpinBox>(&d, "daySpin")->isEnabled());
    QCOMPARE(control<QComboBox>(&d, "dayCountBox")->currentIndex(), int(DayCount::Actual360));
    QCOMPARE(d.proposal().reproduced(), 29);
    QCOMPARE(rows(control<QTableWidget>(&d, "proposalGrid"), 1).size(), 3);
    // Another choice is proposed at once.
    control<QComboBox>(&d, "roundingBox")->setCurrentIndex(int(InterestRounding::Day2));
    QVERIFY(d.proposal().reproduced() < 29);
}

// A new account has no method yet: the proposal opens under the way that reproduces the charges,
// not under Fixed Day.
void TestRateProposalWindow::noMethodChosenYet() {
    RecordsHarness h;
    writeLenders(h.account, InterestMethod::VariableDayDeferred);
    AccountConnection c;
    QVERIFY(c.open(h.account));
    RateProposalDialog d(c.database(), std::nullopt, CalcDay::Day());
    QCOMPARE(control<QComboBox>(&d, "methodBox")->currentIndex(),
             int(InterestMethod::VariableDayDeferred));
    QCOMPARE(d.proposal().reproduced(), 29);
    QVERIFY(control<QLabel>(&d, "aboutLabel")->text().contains("Tried "));

    // Return stores the proposal: Store is the default button, not Try Every Method.
    d.show();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTest::keyClick(control<QComboBox>(&d, "methodBox"), Qt::Key_Return);
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(storedPeriods(h.account).size(), 3);
}

// Stored once, proposed again: the periods that stay are neither asked about nor rewritten; a
// period changed by hand is the only one replaced.
void TestRateProposalWindow::proposingAgainRewritesOnlyChanges() {
    RecordsHarness h;
    writeLenders(h.account);
    AccountConnection c;
    QVERIFY(c.open(h.account));
    const auto idsAndPeriods = [&] {
        return AccountFixture::column(h.account,
                                      "select ID || ' ' || ValidFrom || ' ' || "
                                      "InterestRate from tblInterestChanges order by ID");
    };
    {
        RateProposalDialog d(c.database(), InterestMethod::FixedDay,
                             CalcDay::Day::fromCalcTo(QStringLiteral("14")));
        CLICK(&d, "storeButton");
    }
    const QStringList first = idsAndPeriods();
    QCOMPARE(first.size(), 3);
    {
        RateProposalDialog d(c.database(), InterestMethod::FixedDay,
                             CalcDay::Day::fromCalcTo(QStringLiteral("14")));
        CLICK(&d, "storeButton");
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QVERIFY(h.dialogs.questions.isEmpty());
    QCOMPARE(idsAndPeriods(), first);

    AccountFixture::exec(h.account, "update tblInterestChanges set InterestRate=9 where ID=(select "
                                    "min(ID) from tblInterestChanges)");
    {
        RateProposalDialog d(c.database(), InterestMethod::FixedDay,
                             CalcDay::Day::fromCalcTo(QStringLiteral("14")));
        h.dialogs.answers << true;
        CLICK(&d, "storeButton");
    }
    QCOMPARE(h.dialogs.questions.size(), 1);
    QVERIFY2(h.dialogs.questions.first().text.startsWith("1 stored rate period"),
             qPrintable(h.dialogs.questions.first().text));
    const QStringList after = idsAndPeriods();
    QCOMPARE(after.mid(0, 2), first.mid(1, 2));
    QVERIFY(after.last().endsWith(" 2022-01-01 5.25"));
}

// The periods stored under the way Try Every Method found: the way is the account's, and the
// method window opens on it.
void TestRateProposalWindow::storedWayBecomesTheAccounts() {
    RecordsHarness h;
    writeLenders(h.account, InterestMethod::VariableDayDeferred);
    h.main->setTag(Tag::Method, "1");
    h.main->setTag(Tag::IntCalcTo, "27");
    auto* w = h.show<frmUserInterestChanges>(WindowNames::InterestChanges);
    w->formActivate();
    bool stored = false;
    onDialog([&](RateProposalDialog* d) {
        CLICK(d, "tryEveryButton");
        CLICK(d, "storeButton");
        stored = true;
    });
    CLICK(w, "cmdProposeRates");
    QVERIFY(stored);
    QCOMPARE(h.main->tag(Tag::Method), QString::number(InterestMethod::VariableDayDeferred));
    AccountConnection c;
    QVERIFY(c.open(h.account));
    LenderConventions conventions;
    QString error;
    QVERIFY(AccountStore::readConventions(c.database(), &conventions, &error));
    QVERIFY(conventions == Lenders);
    auto* method = h.show<FormWindow>(WindowNames::Method);
    QVERIFY(method);
    QCOMPARE(control<QListWidget>(method, "lstMethod")->currentRow(),
             int(InterestMethod::VariableDayDeferred));
}

// The account's rest opens chosen, one the searches do not try among them; compounding asks for
// the periods a year; equal periods with a daily rounding are refused and the choice comes back.
void TestRateProposalWindow::restAndCompoundingChosen() {
    RecordsHarness h;
    writeLenders(h.account);
    const LenderConventions blocks{DayCount::Actual360, InterestRounding::Day4, Rest::blocks(4, 2)};
    {
        AccountConnection c;
        QString error;
        QVERIFY(c.open(h.account));
        QVERIFY2(AccountStore::writeConventions(c.database(), blocks, &error), qPrintable(error));
    }
    AccountConnection c;
    QVERIFY(c.open(h.account));
    RateProposalDialog d(c.database(), InterestMethod::FixedDay,
                         CalcDay::Day::fromCalcTo(QStringLiteral("14")));
    QCOMPARE(control<QComboBox>(&d, "restBox")->currentText(), "4-month blocks from February");
    QVERIFY(d.way().conventions == blocks);
    auto* perYear = control<QSpinBox>(&d, "perYearSpin");
    QVERIFY(!perYear->isEnabled());
    control<QComboBox>(&d, "compoundingBox")->setCurrentIndex(int(Compounding::HalfYearly));
    QVERIFY(perYear->isEnabled());
    perYear->setValue(26);
    const LenderConventions compounded{DayCount::Actual360, InterestRounding::Day4,
                                       Rest::blocks(4, 2), Compounding::HalfYearly, 26};
    QVERIFY(d.way().conventions == compounded);
    QVERIFY(h.dialogs.messages.isEmpty());

    control<QComboBox>(&d, "dayCountBox")->setCurrentIndex(int(DayCount::EqualPeriods));
    QCOMPARE(h.dialogs.messageTexts(),
             QStringList{QString::fromLatin1(Conventions::EqualPeriodsNeedPosting)});
    QCOMPARE(control<QComboBox>(&d, "dayCountBox")->currentIndex(), int(DayCount::Actual360));
    QVERIFY(d.way().conventions == compounded);
}

QTEST_MAIN(TestRateProposalWindow)
#include "tst_rateproposalwindow.moc"
