// A split loan from the main window: Open Loan Set opens the set's summary by name (a file that
// is not a set says so), New Loan Set opens the set's window, and Check a Split Loan makes an
// account for each part from its bank file, never over a file there, and a set naming both.
#include "data/AccountConnection.h"
#include "loanset/LoanSet.h"
#include "shell/FormWindow.h"
#include "shell/MDIForm1.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/AccountFixture.h"
#include "support/ChargedHistory.h"
#include "support/Controls.h"
#include "support/MainWindowHarness.h"
#include "support/ScriptedDialogs.h"
#include "terms/LoanSetWindow.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>

// Stands in for the set's summary where the build has none: it keeps the set it was handed.
class ShownSet : public FormWindow {
    Q_OBJECT
public:
    explicit ShownSet(WindowHost& main) : FormWindow(main, WindowNames::SetSummary) {}
    Q_INVOKABLE void showSet(const QString& setPath) { shown = setPath; }
    QString shown;
};

namespace {

// The bank's export of a loan charged under `method` at `rate`: the debt positive, amounts as
// the borrower sees them, newest first.
QByteArray bankFile(int method, double rate, int months) {
    ChargedHistory::Loan loan;
    loan.months = months;
    const QVector<RatePeriod> rates = {
        {1, QDate(2023, 1, 1), QDate(2025, 12, 31), *Rate::fromReal(rate)}};
    const QVector<HistoryRow> rows = ChargedHistory::charged(method, QString(), {}, rates, loan);
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
    return "Date,Description,Amount,Balance\n" + lines.join('\n').toUtf8() + '\n';
}

} // namespace

class TestLoanSetRoad : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    MainWindowHarness m_main;
    ScriptedDialogs* m_dialogs = nullptr;

    void trigger(const char* action) { m_main->findChild<QAction*>(action)->trigger(); }
    // The set's summary, or its stand-in where the build has none.
    QString summaryShown() const {
        FormWindow* w = m_main->loadedWindow(WindowNames::SetSummary);
        if (auto* stand = qobject_cast<ShownSet*>(w))
            return stand->shown;
        // The program's own summary was handed the set: it says its verdict.
        const auto* verdict = w ? w->findChild<QLabel*>("verdictLabel") : nullptr;
        return verdict && !verdict->text().isEmpty() ? m_main->tag(Tag::LoanSet) : QString();
    }
    QString write(const QString& name, const QByteArray& content) const {
        const QString path = m_fixture->dataFolder() + name;
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qWarning("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void init() {
        m_fixture = std::make_unique<AccountFixture>();
        m_dialogs = &ScriptedDialogs::install();
        MDIForm1& main = m_main.start();
        if (!main.registry().names().contains(WindowNames::SetSummary))
            main.registry().add(
                WindowNames::SetSummary, [](MDIForm1& m) { return new ShownSet(m); }, false);
    }
    void cleanup() {
        m_main.reset();
        m_fixture.reset();
    }

    void openLoanSetOpensItsSummary() {
        const QString set = m_fixture->dataFolder() + "Home loan.vloan";
        QString error;
        QVERIFY2(LoanSet::write(set, {"Home loan", {{"Variable", "Variable.mdb", {}}}}, &error),
                 qPrintable(error));
        m_dialogs->files.enqueue(set);
        trigger("mnuOpenLoanSet");
        QCOMPARE(summaryShown(), set);
        QCOMPARE(m_main->tag(Tag::LoanSet), set);
        QVERIFY(m_dialogs->messages.isEmpty());

        // An account entered since leaves the set open, to be edited from the File menu.
        m_dialogs->files.enqueue(m_fixture->dataFolder() + "Other.mdb");
        trigger("mnuNew");
        QCOMPARE(m_main->tag(Tag::NewFile), m_fixture->dataFolder() + "Other.mdb");
        QCOMPARE(m_main->tag(Tag::LoanSet), set);
        auto* file = m_main->findChild<QMenu*>("mnuFile");
        QMetaObject::invokeMethod(file, "aboutToShow");
        auto* edit = m_main->findChild<QAction*>("mnuEditLoanSet");
        QVERIFY(edit->isEnabled());
        edit->trigger();
        auto* w = qobject_cast<LoanSetWindow*>(m_main->loadedWindow(WindowNames::LoanSet));
        QVERIFY(w);
        QCOMPARE(w->setPath(), set);
    }

    void notASetIsSaid() {
        m_dialogs->files.enqueue(write("notes.vloan", "Date,Amount\n"));
        trigger("mnuOpenLoanSet");
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(!m_main->isLoaded(WindowNames::SetSummary));
        QVERIFY(m_main->tag(Tag::LoanSet).isEmpty());
    }

    void newLoanSetOpensItsWindow() {
        const QString set = m_fixture->dataFolder() + "Ours.vloan";
        m_dialogs->files.enqueue(set);
        trigger("mnuNewLoanSet");
        auto* w = qobject_cast<LoanSetWindow*>(m_main->loadedWindow(WindowNames::LoanSet));
        QVERIFY(w);
        QCOMPARE(w->setPath(), set);
        QCOMPARE(m_main->tag(Tag::LoanSet), set);
    }

    void splitLoanFromTwoBankFiles() {
        const QString variable =
            write("variable.csv", bankFile(InterestMethod::VariableDay, 6.1, 12));
        const QString fixed = write("fixed.csv", bankFile(InterestMethod::VariableDay, 5.2, 10));
        // A file of the first part's name is there already: it is not written over.
        const QString taken = write("Home loan - Variable.mdb", "kept\n");
        const QString set = m_fixture->dataFolder() + "Home loan.vloan";
        m_dialogs->texts << QString("Home loan") << QString("Variable") << QString("Fixed");
        m_dialogs->files << set << variable << fixed;
        m_dialogs->answers << true << false; // another part after the first, none after the second
        trigger("mnuCheckSplitLoan");

        QString error;
        const std::optional<LoanSet::Set> read = LoanSet::read(set, &error);
        QVERIFY2(read, qPrintable(error + m_dialogs->messageTexts().join('\n')));
        QCOMPARE(read->name, QString("Home loan"));
        QCOMPARE(read->parts.size(), 2);
        QCOMPARE(read->parts[0].name, QString("Variable"));
        QCOMPARE(read->parts[0].account, QString("Home loan - Variable (2).mdb"));
        QCOMPARE(read->parts[1].account, QString("Home loan - Fixed.mdb"));
        for (const LoanSet::Part& p : read->parts) {
            QVERIFY2(AccountDatabase::isAccountFile(LoanSet::accountPath(set, p), &error),
                     qPrintable(error));
            QVERIFY2(p.method, qPrintable(m_dialogs->messageTexts().join('\n')));
            QVERIFY(!AccountFixture::column(LoanSet::accountPath(set, p),
                                            "select InterestRate from tblInterestChanges")
                         .isEmpty());
        }
        QFile kept(taken);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("kept\n"));
        QCOMPARE(summaryShown(), set);
    }

    void partThatCannotBeMadeLeavesTheOthers() {
        const QString bank = write("loan.csv", bankFile(InterestMethod::VariableDay, 6.1, 6));
        const QString notBank = write("notes.csv", "Nothing a bank would write\n");
        const QString set = m_fixture->dataFolder() + "Half.vloan";
        m_dialogs->texts << QString("Half") << QString("Variable") << QString("Fixed");
        m_dialogs->files << set << bank << notBank;
        m_dialogs->answers << true << false;
        trigger("mnuCheckSplitLoan");
        QString error;
        const std::optional<LoanSet::Set> read = LoanSet::read(set, &error);
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(read->parts.size(), 1);
        QCOMPARE(read->parts[0].account, QString("Half - Variable.mdb"));
        QVERIFY(!QFile::exists(m_fixture->dataFolder() + "Half - Fixed.mdb"));
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY2(m_dialogs->messages[0].text.contains("\"Fixed\" could not be made"),
                 qPrintable(m_dialogs->messages[0].text));
        auto* w = qobject_cast<LoanSetWindow*>(m_main->loadedWindow(WindowNames::LoanSet));
        QVERIFY(w);
        QCOMPARE(w->setPath(), set);
        QVERIFY(!m_main->isLoaded(WindowNames::SetSummary));
    }

    void startUpWindowTakesTheRoad() {
        FormWindow* splash = m_main->showWindow(WindowNames::Splash);
        QVERIFY(splash);
        CLICK(splash, "splitLoanButton");
        QCOMPARE(m_dialogs->textPrompts, QStringList{"Name of the loan set:"});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_main->isLoaded(WindowNames::Splash));
    }

    void setThatCannotStandMakesNothing() {
        const QString bank = write("loan.csv", bankFile(InterestMethod::VariableDay, 6.1, 6));
        const QString set = m_fixture->dataFolder() + "Twice.vloan";
        m_dialogs->texts << QString("Twice") << QString("Variable") << QString("Variable");
        m_dialogs->files << set << bank << bank;
        m_dialogs->answers << true << false;
        trigger("mnuCheckSplitLoan");
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(!QFile::exists(set));
        QVERIFY(!QFile::exists(m_fixture->dataFolder() + "Twice - Variable.mdb"));
        QVERIFY(!m_main->isLoaded(WindowNames::SetSummary));
    }
};

QTEST_MAIN(TestLoanSetRoad)
#include "tst_loansetroad.moc"
