// The loan set's window: parts added and removed, the set saved as the file reads it back, a
// set that cannot stand refused with nothing written, a part whose account is missing or is
// not one shown so, and Check opening the set's summary by name.
#include "loanset/LoanSet.h"
#include "shell/Windows.h"
#include "support/AccountFixture.h"
#include "support/Controls.h"
#include "support/FakeHost.h"
#include "support/ScriptedDialogs.h"
#include "terms/LoanSetWindow.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

class TestLoanSetWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    ScriptedDialogs* m_dialogs = nullptr;
    std::unique_ptr<FakeHost> m_host;

    QString setPath() const { return m_fixture->dataFolder() + "Home loan.vloan"; }
    std::unique_ptr<LoanSetWindow> open() {
        m_host->setTag(Tag::LoanSet, setPath());
        return std::make_unique<LoanSetWindow>(*m_host);
    }
    // A part added as the borrower adds one: the account chosen, then its name.
    static void addPart(LoanSetWindow* w, ScriptedDialogs* d, const QString& account,
                        const QString& name) {
        d->files.enqueue(account);
        d->texts.enqueue(name);
        CLICK(w, "addPartButton");
    }

private slots:
    void init() {
        m_fixture = std::make_unique<AccountFixture>();
        m_dialogs = &ScriptedDialogs::install();
        m_host = std::make_unique<FakeHost>();
    }
    void cleanup() {
        m_host.reset();
        m_fixture.reset();
    }

    void partsAddedRemovedAndSaved() {
        const QString variable = m_fixture->newAccount("Variable.mdb");
        const QString fixed = m_fixture->newAccount("Fixed.mdb");
        const QString spare = m_fixture->newAccount("Spare.mdb");
        const auto w = open();
        auto* name = control<QLineEdit>(w.get(), "nameEdit");
        QCOMPARE(control<QLabel>(w.get(), "nameLabel")->buddy(), name);
        QCOMPARE(name->text(), QString("Home loan"));
        name->setText("Our home");
        addPart(w.get(), m_dialogs, variable, "Variable");
        addPart(w.get(), m_dialogs, spare, "Spare");
        addPart(w.get(), m_dialogs, fixed, "Fixed 3 years");
        auto* grid = control<QTableWidget>(w.get(), "partsGrid");
        QCOMPARE(grid->rowCount(), 3);
        grid->selectRow(1);
        CLICK(w.get(), "removePartButton");
        QCOMPARE(grid->rowCount(), 2);
        CLICK(w.get(), "saveButton");
        QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->messageTexts().join('\n')));

        QString error;
        const std::optional<LoanSet::Set> read = LoanSet::read(setPath(), &error);
        QVERIFY2(read, qPrintable(error));
        const LoanSet::Set expected{"Our home",
                                    {{"Variable", "Variable.mdb", std::nullopt},
                                     {"Fixed 3 years", "Fixed.mdb", std::nullopt}}};
        QCOMPARE(*read, expected);
        QCOMPARE(m_host->tag(Tag::LoanSet), setPath());
        QCOMPARE(grid->item(1, LoanSetWindow::colAccount)->text(), QString("Fixed.mdb"));
    }

    void setThatCannotStandIsRefused() {
        const QString a = m_fixture->newAccount("A.mdb");
        const QString b = m_fixture->newAccount("B.mdb");
        const auto w = open();
        addPart(w.get(), m_dialogs, a, "Variable");
        addPart(w.get(), m_dialogs, b, "Variable");
        QVERIFY(!w->save());
        QCOMPARE(m_dialogs->messages.size(), 1);
        const LoanSet::Set twice{"Home loan",
                                 {{"Variable", "A.mdb", {}}, {"Variable", "B.mdb", {}}}};
        QVERIFY(!LoanSet::refusal(twice).isEmpty());
        QCOMPARE(m_dialogs->messages.first().text, LoanSet::refusal(twice));
        QVERIFY(!QFile::exists(setPath()));
        QVERIFY(m_host->asked.isEmpty());
    }

    void notAnAccountIsNotAdded() {
        const QString text = m_fixture->path("notes.mdb");
        QFile f(text);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not an account\n");
        f.close();
        const auto w = open();
        addPart(w.get(), m_dialogs, text, "Variable");
        QCOMPARE(control<QTableWidget>(w.get(), "partsGrid")->rowCount(), 0);
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(m_dialogs->messages.first().text.contains("is not an account"));
    }

    void partStatusShown_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("status");
        QTest::newRow("an account") << "account"
                                    << "";
        QTest::newRow("missing") << "missing"
                                 << "Missing";
        QTest::newRow("not an account") << "text"
                                        << "Not an account";
    }
    void partStatusShown() {
        QFETCH(QString, kind);
        QFETCH(QString, status);
        const QString account = m_fixture->dataFolder() + "Part.mdb";
        if (kind == "account") {
            m_fixture->newAccount("Part.mdb");
        } else if (kind == "text") {
            QFile f(account);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("Date,Amount\n");
        }
        QString error;
        QVERIFY2(
            LoanSet::write(setPath(),
                           {"Home loan", {{"Variable", "Part.mdb", InterestMethod::VariableDay}}},
                           &error),
            qPrintable(error));
        const auto w = open();
        auto* grid = control<QTableWidget>(w.get(), "partsGrid");
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, LoanSetWindow::colStatus)->text(), status);
        QCOMPARE(grid->item(0, LoanSetWindow::colMethod)->text(),
                 InterestMethod::names().value(InterestMethod::VariableDay));
    }

    void setHandedOverIsShown() {
        const QString other = m_fixture->dataFolder() + "Other.vloan";
        QString error;
        QVERIFY2(LoanSet::write(other, {"Other", {{"Fixed", "Fixed.mdb", {}}}}, &error),
                 qPrintable(error));
        const auto w = open();
        QCOMPARE(control<QTableWidget>(w.get(), "partsGrid")->rowCount(), 0);
        w->setTag(other);
        w->formActivate();
        QCOMPARE(w->setPath(), other);
        QCOMPARE(control<QLineEdit>(w.get(), "nameEdit")->text(), QString("Other"));
        QCOMPARE(control<QTableWidget>(w.get(), "partsGrid")->rowCount(), 1);
        QCOMPARE(m_host->tag(Tag::LoanSet), other);
    }

    void checkSavesAndOpensTheSummary() {
        const QString a = m_fixture->newAccount("A.mdb");
        const auto w = open();
        addPart(w.get(), m_dialogs, a, "Variable");
        CLICK(w.get(), "checkButton");
        QVERIFY(QFile::exists(setPath()));
        QCOMPARE(m_host->asked, QStringList{"show " + WindowNames::SetSummary});
    }
};

QTEST_MAIN(TestLoanSetWindow)
#include "tst_loansetwindow.moc"
