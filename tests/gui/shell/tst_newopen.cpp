// Choosing the account: New and Open from the start-up window and from the main window, with
// their dialogs answered by script.
#include "app/RegisterWindows.h"
#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "shell/FormWindow.h"
#include "shell/MDIForm1.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/AccountFixture.h"
#include "support/Controls.h"
#include "support/MainWindowHarness.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

// Stands for any window that keeps a connection to the account while it is loaded.
class AccountWindow : public FormWindow {
public:
    AccountWindow(MDIForm1& main, const QString& name) : FormWindow(main, name) {
        m_connection.open(main.tag(Tag::NewFile));
    }

protected:
    void formUnload() override { m_connection.close(); }

private:
    AccountConnection m_connection;
};

const QString Hidden = QStringLiteral("frmHiddenAccountWindow");
const QString Plain = QStringLiteral("frmPlain");

} // namespace

class TestNewOpen : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    MainWindowHarness m_main;
    ScriptedDialogs* m_dialogs = nullptr;

    FormWindow* splash() const { return m_main->registry().loaded(WindowNames::Splash); }

    void startUp() {
        m_main.start();
        m_main->registry().add(
            Hidden, [](MDIForm1& m) { return new AccountWindow(m, Hidden); }, true);
        m_main->registry().add(
            Plain, [](MDIForm1& m) { return new FormWindow(m, Plain); }, false);
        m_main->show();
        m_main->showWindow(WindowNames::Splash);
    }

    void triggerMenu(const char* name) {
        auto* action = m_main->findChild<QAction*>(name);
        QVERIFY(action);
        action->trigger();
    }

private slots:
    void init() {
        m_fixture = std::make_unique<AccountFixture>();
        m_dialogs = &ScriptedDialogs::install();
        startUp();
    }
    void cleanup() {
        m_main.reset();
        m_fixture.reset();
    }

    void startsWithNoAccount() {
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Vantrell"));
        QVERIFY(splash());
        QCOMPARE(m_main->tag(Tag::NewFile), QString());
        QCOMPARE(m_main->tag(Tag::File), QString());
    }

    void leftOverScratchFileIsDeletedAtStartUp() {
        m_main.reset();
        QFile scratch(m_fixture->dataFolder() + "Temp.mdb");
        QVERIFY(scratch.open(QIODevice::WriteOnly));
        scratch.close();
        startUp();
        QVERIFY(!QFile::exists(m_fixture->dataFolder() + "Temp.mdb"));
    }

    void newFromStartUp_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("created");
        QTest::newRow("default name") << "HomeLoan1.mdb"
                                      << "HomeLoan1.mdb";
        QTest::newRow("name as typed, no extension added") << "MyLoan"
                                                           << "MyLoan";
    }
    void newFromStartUp() {
        QFETCH(QString, typed);
        QFETCH(QString, created);
        m_dialogs->files.enqueue(m_fixture->dataFolder() + typed);
        CLICK(splash(), "cmdNew");
        const FileDialogRequest& request = m_dialogs->fileRequests.constFirst();
        QCOMPARE(request.kind, FileDialogRequest::Save);
        QCOMPARE(request.title, QStringLiteral("Save New Account as..."));
        QCOMPARE(request.filter, QStringLiteral("Data|*.mdb"));
        QCOMPARE(request.fileName, QStringLiteral("HomeLoan1.mdb"));
        QCOMPARE(request.folder, m_fixture->dataFolder());
        const QString path = m_fixture->dataFolder() + created;
        QString error;
        QVERIFY2(AccountDatabase::isAccountFile(path, &error), qPrintable(error));
        QCOMPARE(m_main->tag(Tag::NewFile), path);
        QCOMPARE(m_main->tag(Tag::File), QStringLiteral("New"));
        QCOMPARE(m_main->windowTitle(), "Vantrell - " + path);
        QVERIFY(!splash());
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void newFromMainWindowAddsTheExtension() {
        m_dialogs->files.enqueue(m_fixture->dataFolder() + "MyLoan");
        QVERIFY(splash());
        triggerMenu("mnuNew");
        // The start-up window goes as its own New makes it go, and does not come back.
        QVERIFY(m_main->splashClosed());
        QVERIFY(!splash());
        QCOMPARE(m_dialogs->fileRequests.constFirst().defaultSuffix, QStringLiteral("mdb"));
        QVERIFY(QFile::exists(m_fixture->dataFolder() + "MyLoan.mdb"));
        QCOMPARE(m_main->tag(Tag::NewFile), m_fixture->dataFolder() + "MyLoan.mdb");
    }

    void cancelOnStartUp_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("accountAlreadySet");
        QTest::addColumn<bool>("splashStays");
        QTest::newRow("new, no account") << "cmdNew" << false << true;
        QTest::newRow("open, no account") << "cmdOpen" << false << true;
        QTest::newRow("new, account set") << "cmdNew" << true << false;
        QTest::newRow("open, account set") << "cmdOpen" << true << false;
    }
    void cancelOnStartUp() {
        QFETCH(QString, button);
        QFETCH(bool, accountAlreadySet);
        QFETCH(bool, splashStays);
        if (accountAlreadySet)
            m_main->setTag(Tag::NewFile, m_fixture->newAccount());
        CLICK(splash(), button);
        QCOMPARE(splash() != nullptr, splashStays);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void existingFileIsNotOverwritten_data() {
        QTest::addColumn<bool>("fromMainWindow");
        QTest::newRow("start-up window") << false;
        QTest::newRow("main window") << true;
    }
    void existingFileIsNotOverwritten() {
        QFETCH(bool, fromMainWindow);
        const QString existing = m_fixture->newAccount();
        AccountFixture::exec(existing, "insert into tblNumber (StatementNumber) values (1)");
        const QByteArray before = AccountFixture::sha256(existing);
        m_dialogs->files.enqueue(existing);
        if (fromMainWindow)
            triggerMenu("mnuNew");
        else
            CLICK(splash(), "cmdNew");
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(m_dialogs->messages[0].text.startsWith("File Creation Error: "));
        QCOMPARE(m_dialogs->messages[0].title, QStringLiteral("Vantrell"));
        QCOMPARE(AccountFixture::sha256(existing), before);
        QCOMPARE(m_main->tag(Tag::NewFile), QString());
    }

    void openFromStartUpCompacts() {
        const QString account = m_fixture->newAccount();
        AccountFixture::exec(account, "insert into tblNumber (StatementNumber) values (7)");
        m_dialogs->files.enqueue(account);
        CLICK(splash(), "cmdOpen");
        QCOMPARE(m_dialogs->fileRequests.constFirst().title, QStringLiteral("Open Database..."));
        QCOMPARE(m_dialogs->fileRequests.constFirst().kind, FileDialogRequest::Open);
        QVERIFY(m_dialogs->messages.isEmpty());
        QCOMPARE(m_main->tag(Tag::File), QStringLiteral("Open"));
        QCOMPARE(m_main->windowTitle(), "Vantrell - " + account);
        QVERIFY(!QFile::exists(m_fixture->dataFolder() + "Temp.mdb"));
        QCOMPARE(AccountFixture::column(account, "select StatementNumber from tblNumber"),
                 QStringList{"7"});
        QVERIFY(!splash());
    }

    // A failed Open leaves the caption and the workflow state as they were: the chosen file
    // never passes for the account.
    void openFailureOnStartUp() {
        const QString letter = m_fixture->dataFolder() + "Letter.mdb";
        QFile f(letter);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not an account");
        f.close();
        m_dialogs->files.enqueue(letter);
        CLICK(splash(), "cmdOpen");
        QCOMPARE(m_dialogs->messageTexts(),
                 QStringList{"Open File Error: 321'" + letter + "' is not a loan account file."});
        QVERIFY(splash());
        QCOMPARE(m_main->tag(Tag::NewFile), QString());
        QCOMPARE(m_main->tag(Tag::File), QString());
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Vantrell"));
        QVERIFY(!QFile::exists(m_fixture->dataFolder() + "Temp.mdb"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("not an account"));
    }

    void openFailureFromMainWindowKeepsTheAccount() {
        const QString current = m_fixture->newAccount();
        m_dialogs->files.enqueue(current);
        triggerMenu("mnuOpen");
        m_dialogs->files.enqueue(m_fixture->dataFolder() + "Gone.mdb");
        triggerMenu("mnuOpen");
        QCOMPARE(m_dialogs->messages.size(), 1);
        QVERIFY(m_dialogs->messages[0].text.startsWith("Open File Error: 53"));
        QCOMPARE(m_main->tag(Tag::NewFile), current);
        QCOMPARE(m_main->tag(Tag::File), QStringLiteral("Open"));
        QCOMPARE(m_main->windowTitle(), "Vantrell - " + current);
    }

    void toolbarClosesTheStartUpWindowFirst() {
        QVERIFY(!m_main->splashClosed());
        auto* action = m_main->findChild<QAction*>("NewFile");
        QVERIFY(action);
        QCOMPARE(action->toolTip(), QStringLiteral("New Loan Account"));
        QCOMPARE(m_main->findChild<QAction*>("OpenFile")->toolTip(),
                 QStringLiteral("Open Loan Account"));
        action->trigger(); // cancelled dialog
        QVERIFY(m_main->splashClosed());
        QVERIFY(!splash());
        QCOMPARE(m_dialogs->fileRequests.size(), 1);
    }

    // Leaving an account: every window with a connection to it goes, the others stay, and the
    // statement in progress is forgotten.
    void newAndOpenLeaveNothingOnTheOldAccount_data() {
        QTest::addColumn<QString>("menu");
        QTest::newRow("new") << "mnuNew";
        QTest::newRow("open") << "mnuOpen";
    }
    void newAndOpenLeaveNothingOnTheOldAccount() {
        QFETCH(QString, menu);
        const QString old = m_fixture->newAccount("Old.mdb");
        const QString next = menu == "mnuOpen" ? m_fixture->newAccount("Next.mdb")
                                               : m_fixture->dataFolder() + "Next.mdb";
        m_dialogs->files.enqueue(old);
        triggerMenu("mnuOpen");
        m_main->setTag(Tag::CloseBalance, "-100");
        m_main->setTag(Tag::Statement, "4");
        m_main->setTag(Tag::InterestChanged, "Yes");
        QVERIFY(m_main->window(Hidden)); // loaded, never shown
        m_main->showWindow(Plain);
        m_main->showWindow(WindowNames::Splash);
        m_main->mdiArea()->setActiveSubWindow(nullptr);
        QCOMPARE(AccountConnection::openCount(old), 1);

        m_dialogs->files.enqueue(next);
        triggerMenu(menu.toLatin1().constData());
        QVERIFY(m_dialogs->messages.isEmpty());
        QCOMPARE(AccountConnection::openCount(old), 0);
        QVERIFY(!m_main->isLoaded(Hidden));
        QVERIFY(m_main->isLoaded(Plain));
        QCOMPARE(m_main->tag(Tag::NewFile), next);
        QCOMPARE(m_main->tag(Tag::File), menu == "mnuNew" ? "New" : "Open");
        for (const QString& field : WorkflowState::fieldNames()) {
            if (field != Tag::NewFile && field != Tag::File)
                QCOMPARE(m_main->tag(field), QString());
        }
    }

    // A maximised window's caption joins the main window's; the account shown must still be the
    // current one after the account changes under it.
    void captionFollowsTheAccountUnderAMaximisedWindow() {
        const QString first = m_fixture->newAccount("First.mdb");
        const QString second = m_fixture->newAccount("Second.mdb");
        m_dialogs->files.enqueue(first);
        triggerMenu("mnuOpen");
        FormWindow* plain = m_main->showWindow(Plain);
        plain->setWindowTitle("Plain");
        m_main->registry().frameOf(Plain)->showMaximized();
        QCoreApplication::processEvents();
        m_main->mdiArea()->setActiveSubWindow(nullptr);
        m_dialogs->files.enqueue(second);
        triggerMenu("mnuOpen");
        QCoreApplication::processEvents();
        QVERIFY2(m_main->windowTitle().startsWith("Vantrell - " + second),
                 qPrintable(m_main->windowTitle()));
        m_main->unloadWindow(Plain);
        QCoreApplication::processEvents();
        QCOMPARE(m_main->windowTitle(), "Vantrell - " + second);
    }

    // With no account chosen yet there is no task to offer: a cancelled or failed dialog from
    // the main window leaves the frame empty.
    void noTaskMenuWithoutAnAccount_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("file");
        QTest::newRow("new cancelled") << "mnuNew"
                                       << "";
        QTest::newRow("open cancelled") << "mnuOpen"
                                        << "";
        QTest::newRow("open failed") << "mnuOpen"
                                     << "Gone.mdb";
    }
    void noTaskMenuWithoutAnAccount() {
        QFETCH(QString, menu);
        QFETCH(QString, file);
        if (!file.isEmpty())
            m_dialogs->files.enqueue(m_fixture->dataFolder() + file);
        triggerMenu(menu.toLatin1().constData());
        QVERIFY(!m_main->isLoaded(WindowNames::Options));
        QCOMPARE(m_dialogs->messages.size(), file.isEmpty() ? 0 : 1);
    }

    void cancelFromMainWindowKeepsTheAccountsWindows() {
        const QString current = m_fixture->newAccount();
        m_dialogs->files.enqueue(current);
        triggerMenu("mnuOpen");
        QVERIFY(m_main->window(Hidden));
        m_main->setTag(Tag::Statement, "4");
        triggerMenu("mnuOpen"); // cancelled
        QVERIFY(m_main->isLoaded(WindowNames::Options));
        QVERIFY(m_main->isLoaded(Hidden));
        QCOMPARE(m_main->tag(Tag::Statement), QStringLiteral("4"));
        QCOMPARE(m_main->tag(Tag::NewFile), current);
    }

    void reopeningTheCurrentAccountClosesItsConnectionsFirst() {
        const QString current = m_fixture->newAccount();
        m_dialogs->files.enqueue(current);
        triggerMenu("mnuOpen");
        QVERIFY(m_main->window(Hidden));
        m_dialogs->files.enqueue(current);
        triggerMenu("mnuOpen");
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(!m_main->isLoaded(Hidden));
        QCOMPARE(m_main->tag(Tag::NewFile), current);
    }
};

QTEST_MAIN(TestNewOpen)
#include "tst_newopen.moc"
