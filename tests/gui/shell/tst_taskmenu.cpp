// The task menu: which tasks it offers for the account state, how it places itself, and where
// each button leads.
#include "app/RegisterWindows.h"
#include "shell/FormWindow.h"
#include "shell/MDIForm1.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/AccountFixture.h"
#include "support/Controls.h"
#include "support/MainWindowHarness.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The windows the buttons lead to, as plain windows that count how often they are loaded.
const QStringList TaskWindows = {WindowNames::NewStatement,   WindowNames::InterestChanges,
                                 WindowNames::AllRecords,     WindowNames::Method,
                                 WindowNames::InterestPeriod, WindowNames::Calculate};

const QStringList AllButtons = {"cmdDataEntry", "cmdInterest", "cmdPrevious", "cmdReport",
                                "cmdExit"};

} // namespace

class TestTaskMenu : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    MainWindowHarness m_main;
    ScriptedDialogs* m_dialogs = nullptr;
    QHash<QString, int> m_loads;

    FormWindow* menu() const { return m_main->registry().loaded(WindowNames::Options); }

    void registerTaskWindows() {
        for (const QString& name : TaskWindows) {
            m_main->registry().add(
                name,
                [this, name](MDIForm1& m) {
                    ++m_loads[name];
                    return new FormWindow(m, name);
                },
                false);
        }
    }

    // As long as a window is not built, its name leads nowhere.
    void registerNoTaskWindows() {
        for (const QString& name : TaskWindows)
            m_main->registry().add(
                name, [](MDIForm1&) { return nullptr; }, false);
    }

    FormWindow* showMenu(const QString& accountState) {
        m_main->setTag(Tag::NewFile, m_fixture->newAccount());
        m_main->setTag(Tag::File, accountState);
        return m_main->showWindow(WindowNames::Options);
    }

    QStringList enabledButtons() const {
        QStringList enabled;
        for (const QString& name : AllButtons) {
            auto* button = control<QPushButton>(menu(), name);
            if (button && button->isEnabled())
                enabled << name;
        }
        return enabled;
    }

    static void verifyCentred(const QWidget* frame1, const QWidget* window) {
        const QPoint offset = frame1->geometry().center() - window->rect().center();
        QVERIFY2(
            qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
            qPrintable(
                QStringLiteral("Frame1 is off centre by %1,%2").arg(offset.x()).arg(offset.y())));
    }

private slots:
    void init() {
        m_fixture = std::make_unique<AccountFixture>();
        m_dialogs = &ScriptedDialogs::install();
        m_loads.clear();
        m_main.start();
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }
    void cleanup() {
        m_main.reset();
        m_fixture.reset();
    }

    // A new account has nothing committed: only a statement can be entered. An opened one,
    // even an empty one, offers every task.
    void enablingAfterNewAndOpen_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QStringList>("enabled");
        const QStringList newOnly = {"cmdDataEntry", "cmdExit"};
        QTest::newRow("New from the File menu") << "mnuNew" << false << newOnly;
        QTest::newRow("Open from the File menu") << "mnuOpen" << true << AllButtons;
        QTest::newRow("New from the start-up window") << "cmdNew" << false << newOnly;
        QTest::newRow("Open from the start-up window") << "cmdOpen" << true << AllButtons;
    }
    void enablingAfterNewAndOpen() {
        QFETCH(QString, from);
        QFETCH(bool, open);
        QFETCH(QStringList, enabled);
        m_dialogs->files.enqueue(open ? m_fixture->newAccount("Existing.mdb")
                                      : m_fixture->dataFolder() + "Fresh.mdb");
        if (from.startsWith("mnu")) {
            auto* action = m_main->findChild<QAction*>(from);
            QVERIFY(action);
            action->trigger();
        } else {
            FormWindow* splash = m_main->showWindow(WindowNames::Splash);
            QVERIFY(splash);
            CLICK(splash, from);
        }
        QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->messageTexts().join('\n')));
        QVERIFY(menu());
        QCOMPARE(m_main->activeForm(), menu());
        QCOMPARE(enabledButtons(), enabled);
    }

    // The menu stays loaded behind other windows; each return to it reflects what the last
    // task made of the account state.
    void enablingReadOnEveryActivation_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("checks passed: New to Open") << "New"
                                                    << "Open" << true;
        QTest::newRow("no transactions: Open to New") << "Open"
                                                      << "New" << false;
        QTest::newRow("Open to not set") << "Open"
                                         << "" << false;
    }
    void enablingReadOnEveryActivation() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, enabled);
        registerTaskWindows();
        QVERIFY(showMenu(before));
        QVERIFY(m_main->showWindow(WindowNames::AllRecords));
        QCOMPARE(m_main->activeForm()->objectName(), WindowNames::AllRecords);
        m_main->setTag(Tag::File, after);
        m_main->mdiArea()->setActiveSubWindow(m_main->registry().frameOf(WindowNames::Options));
        QCOMPARE(m_main->activeForm(), menu());
        for (const char* name : {"cmdInterest", "cmdPrevious", "cmdReport"})
            QCOMPARE(control<QPushButton>(menu(), name)->isEnabled(), enabled);
        QVERIFY(control<QPushButton>(menu(), "cmdDataEntry")->isEnabled());
        QVERIFY(control<QPushButton>(menu(), "cmdExit")->isEnabled());
    }

    void activationMaximisesAndCentres() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        FormWindow* options = showMenu("Open");
        QVERIFY(options);
        QVERIFY(m_main->registry().frameOf(WindowNames::Options)->isMaximized());
        // A task that left the hourglass up does not leave it over the menu.
        QVERIFY(!QApplication::overrideCursor());

        auto* frame1 = control<QGroupBox>(options, "Frame1");
        QVERIFY(frame1);
        QVERIFY(frame1->isVisible());
        verifyCentred(frame1, options);

        const QSize before = options->size();
        m_main->resize(m_main->width() + 300, m_main->height() + 200);
        QTRY_VERIFY(options->width() > before.width() && options->height() > before.height());
        QVERIFY(frame1->isVisible());
        verifyCentred(frame1, options);
    }

    // The restore button of the maximised menu leaves a window that still shows every task.
    void restoredMenuShowsEveryButton() {
        FormWindow* options = showMenu("Open");
        QVERIFY(options);
        QMdiSubWindow* frame = m_main->registry().frameOf(WindowNames::Options);
        frame->showNormal();
        QCoreApplication::processEvents();

        // Restored it has a caption; maximised it leaves the main window's caption alone.
        QCOMPARE(frame->windowTitle(), QStringLiteral("Task Menu"));
        const QString caption = m_main->windowTitle();
        frame->showMaximized();
        QCoreApplication::processEvents();
        QCOMPARE(m_main->windowTitle(), caption);
        QVERIFY(!caption.contains("Task Menu"));
        frame->showNormal();
        QCoreApplication::processEvents();

        for (const QString& name : AllButtons) {
            auto* button = control<QPushButton>(options, name);
            // Nothing of the button is cut off by the window, its frame or the area.
            QVERIFY2(button->isVisible() && button->visibleRegion() == QRegion(button->rect()),
                     qPrintable(name));
        }
    }

    // Coming back to the menu from any task ends a report still on screen.
    void activationClosesReport() {
        registerTaskWindows();
        QVERIFY(m_main->showWindow(WindowNames::Calculate));
        QVERIFY(showMenu("Open"));
        QVERIFY(!m_main->isLoaded(WindowNames::Calculate));
    }

    // Windows that are not built yet: the button closes the menu and nothing else happens.
    void buttonWithoutItsWindow_data() {
        QTest::addColumn<QString>("button");
        for (const char* name : {"cmdDataEntry", "cmdInterest", "cmdPrevious", "cmdReport"})
            QTest::newRow(name) << QString(name);
    }
    void buttonWithoutItsWindow() {
        QFETCH(QString, button);
        registerNoTaskWindows();
        QVERIFY(showMenu("Open"));
        CLICK(menu(), button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu());
        QVERIFY(m_dialogs->messages.isEmpty());
        for (const QString& name : TaskWindows)
            QVERIFY2(!m_main->isLoaded(name), qPrintable(name));
    }

    // Before the menu shows, a statement entry window is loaded (hidden), as a previous task
    // leaves it, and sometimes the period loader too.
    void buttonReachesItsWindow_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("accountState");
        QTest::addColumn<bool>("loaderBefore");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("entryFresh");
        QTest::addColumn<bool>("loaderAfter");
        QTest::addColumn<int>("loaderLoads");

        const QString entry = WindowNames::NewStatement;
        QTest::newRow("statement entry, opened account: loader reloaded")
            << "cmdDataEntry"
            << "Open" << true << entry << true << true << 2;
        QTest::newRow("statement entry, opened account: loader loaded")
            << "cmdDataEntry"
            << "Open" << false << entry << true << true << 1;
        QTest::newRow("statement entry, new account: loader left alone")
            << "cmdDataEntry"
            << "New" << true << entry << true << true << 1;
        QTest::newRow("statement entry, new account: no loader")
            << "cmdDataEntry"
            << "New" << false << entry << true << false << 0;
        QTest::newRow("interest changes")
            << "cmdInterest"
            << "Open" << false << WindowNames::InterestChanges << false << false << 0;
        QTest::newRow("transactions")
            << "cmdPrevious"
            << "Open" << false << WindowNames::AllRecords << false << false << 0;
        QTest::newRow("report: loader loaded")
            << "cmdReport"
            << "Open" << false << WindowNames::Method << false << true << 1;
        QTest::newRow("report: loaded loader kept")
            << "cmdReport"
            << "Open" << true << WindowNames::Method << false << true << 1;
    }
    void buttonReachesItsWindow() {
        QFETCH(QString, button);
        QFETCH(QString, accountState);
        QFETCH(bool, loaderBefore);
        QFETCH(QString, shown);
        QFETCH(bool, entryFresh);
        QFETCH(bool, loaderAfter);
        QFETCH(int, loaderLoads);
        registerTaskWindows();
        const QPointer<FormWindow> oldEntry = m_main->window(WindowNames::NewStatement);
        QVERIFY(oldEntry);
        if (loaderBefore)
            QVERIFY(m_main->window(WindowNames::InterestPeriod));
        QVERIFY(showMenu(accountState));

        CLICK(menu(), button);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QVERIFY(!menu());
        FormWindow* target = m_main->registry().loaded(shown);
        QVERIFY(target);
        QVERIFY(target->isVisible());
        QCOMPARE(m_main->activeForm(), target);
        // The menu's maximised state does not carry over to the task window.
        QVERIFY(!m_main->registry().frameOf(shown)->isMaximized());
        QCOMPARE(!oldEntry || oldEntry->isUnloaded(), entryFresh);
        // The period loader works unseen.
        QCOMPARE(m_main->isLoaded(WindowNames::InterestPeriod), loaderAfter);
        if (loaderAfter)
            QVERIFY(!m_main->registry().frameOf(WindowNames::InterestPeriod)->isVisible());
        QCOMPARE(m_loads.value(WindowNames::InterestPeriod), loaderLoads);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // Exit ends the program at once: the event loop returns without anything asked.
    void exitEndsProgram() {
        FormWindow* options = showMenu("New");
        QVERIFY(options);
        QTimer fallback;
        fallback.setSingleShot(true);
        connect(&fallback, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        fallback.start(10000);
        QTimer::singleShot(0, options, [options] {
            if (auto* exit = control<QPushButton>(options, "cmdExit"))
                exit->click();
        });
        QCOMPARE(QCoreApplication::exec(), 0);
        fallback.stop();
        QVERIFY(m_dialogs->messages.isEmpty());
        QVERIFY(m_dialogs->questions.isEmpty());
    }
};

QTEST_MAIN(TestTaskMenu)
#include "tst_taskmenu.moc"
