// The help viewer (pages, paging, its menu, printing), the way the program reaches it, and the
// About window.
#include "ProgramVersion.h"
#include "app/RegisterWindows.h"
#include "data/ProgramPaths.h"
#include "shell/FormWindow.h"
#include "shell/MDIForm1.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "shell/frmHelp.h"
#include "support/AccountFixture.h"
#include "support/Controls.h"
#include "support/MainWindowHarness.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

namespace {

const QString Other = QStringLiteral("frmOther");

// Each page says which it is; the last one runs over several printed pages.
const QString PageText[] = {{}, "This is page one.", "This is page two.", "This is page three."};
constexpr int LastPageLines = 250;

QByteArray pageRtf(int page) {
    QByteArray rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 ";
    rtf += PageText[page].toLatin1() + "\\par ";
    if (page == 3) {
        for (int line = 1; line <= LastPageLines; ++line)
            rtf += "Line " + QByteArray::number(line) + " of the last page.\\par ";
    }
    return rtf + "}";
}

int pdfPages(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QString text = QString::fromLatin1(file.readAll());
    return int(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"))));
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT

    std::unique_ptr<AccountFixture> m_fixture;
    MainWindowHarness m_main;
    ScriptedDialogs* m_dialogs = nullptr;

    frmHelp* help() const {
        return qobject_cast<frmHelp*>(m_main->registry().loaded(WindowNames::Help));
    }
    QTextEdit* viewer() const { return control<QTextEdit>(help(), "rtfData"); }
    QAction* action(const char* name) const { return control<QAction>(help(), name); }
    QString shownText() const { return viewer() ? viewer()->toPlainText() : QString(); }

    // The tag, the Back and Next entries and the page the viewer shows.
    void verifyPage(const QString& tag, bool back, bool next, int page) {
        QVERIFY(help());
        QCOMPARE(help()->tag(), tag);
        QCOMPARE(action("mnuBack")->isEnabled(), back);
        QCOMPARE(action("mnuNext")->isEnabled(), next);
        QVERIFY2(shownText().startsWith(PageText[page]), qPrintable(shownText().left(60)));
    }

    void triggerMain(const QString& name) {
        auto* a = m_main->findChild<QAction*>(name);
        QVERIFY2(a, qPrintable(name));
        a->trigger();
    }

    // How many of Print, Back and Next the main window's menu bar holds.
    int helpEntriesInMenuBar() const {
        int found = 0;
        for (const QAction* a : m_main->menuBar()->actions())
            found += QStringList{"mnuPrint", "mnuBack", "mnuNext"}.contains(a->objectName());
        return found;
    }

private slots:
    void init() {
        m_fixture = std::make_unique<AccountFixture>();
        for (int page = 1; page <= 3; ++page) {
            QFile file(ProgramPaths::helpPage(page));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(pageRtf(page));
        }
        m_dialogs = &ScriptedDialogs::install();
        m_main.start();
        m_main->registry().add(
            Other, [](MDIForm1& m) { return new FormWindow(m, Other); }, false);
        m_main->show();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }
    void cleanup() {
        m_main.reset();
        m_fixture.reset();
    }

    void activationShowsTaggedPage_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("shownTag");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("next");
        QTest::addColumn<int>("page");
        QTest::newRow("no page set") << ""
                                     << "1" << false << true << 1;
        QTest::newRow("page 1") << "1"
                                << "1" << false << true << 1;
        QTest::newRow("page 2") << "2"
                                << "2" << true << true << 2;
        QTest::newRow("page 3") << "3"
                                << "3" << true << false << 3;
    }
    void activationShowsTaggedPage() {
        QFETCH(QString, tag);
        QFETCH(QString, shownTag);
        QFETCH(bool, back);
        QFETCH(bool, next);
        QFETCH(int, page);
        FormWindow* window = m_main->window(WindowNames::Help);
        QVERIFY(window);
        window->setTag(tag);
        QVERIFY(m_main->showWindow(WindowNames::Help));
        QCOMPARE(m_main->activeForm(), window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Vantrell Help"));
        verifyPage(shownTag, back, next, page);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void unknownPageChangesNothing() {
        m_main->showHelpPage("2");
        m_main->showHelpPage("4");
        verifyPage("4", true, true, 2);
    }

    // Steps: N = Next, B = Back, taken from the menu when enabled and straight from the handler
    // when not (as a stray shortcut would), so the tag can never leave "1" to "3".
    void paging_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("back");
        QTest::addColumn<bool>("next");
        QTest::addColumn<int>("page");
        QTest::newRow("next from 1") << "1"
                                     << "N"
                                     << "2" << true << true << 2;
        QTest::newRow("next from 2") << "2"
                                     << "N"
                                     << "3" << true << false << 3;
        QTest::newRow("back from 3") << "3"
                                     << "B"
                                     << "2" << true << true << 2;
        QTest::newRow("back from 2") << "2"
                                     << "B"
                                     << "1" << false << true << 1;
        QTest::newRow("to the end and back") << "1"
                                             << "NNBB"
                                             << "1" << false << true << 1;
        QTest::newRow("next on the last page") << "1"
                                               << "NNN"
                                               << "3" << true << false << 3;
        QTest::newRow("back on the first page") << "2"
                                                << "BB"
                                                << "1" << false << true << 1;
        QTest::newRow("back and forth") << "3"
                                        << "BNBBN"
                                        << "2" << true << true << 2;
    }
    void paging() {
        QFETCH(QString, start);
        QFETCH(QString, steps);
        QFETCH(QString, tag);
        QFETCH(bool, back);
        QFETCH(bool, next);
        QFETCH(int, page);
        m_main->showHelpPage(start);
        for (const QChar step : steps) {
            QAction* a = action(step == 'N' ? "mnuNext" : "mnuBack");
            if (a->isEnabled())
                a->trigger();
            else if (step == 'N')
                help()->mnuNext_Click();
            else
                help()->mnuBack_Click();
            const int tagNumber = help()->tag().toInt();
            QVERIFY2(tagNumber >= 1 && tagNumber <= 3, qPrintable(help()->tag()));
        }
        verifyPage(tag, back, next, page);
    }

    // A page that cannot be read leaves what the viewer showed; paging goes on.
    void missingPageLeavesViewer() {
        QVERIFY(QFile::remove(ProgramPaths::helpPage(2)));
        m_main->showHelpPage("1");
        action("mnuNext")->trigger();
        verifyPage("2", true, true, 1);
        action("mnuNext")->trigger();
        verifyPage("3", true, false, 3);
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    void missingPageOnFirstUseShowsNothing() {
        QVERIFY(QFile::remove(ProgramPaths::helpPage(3)));
        m_main->showHelpPage("3");
        QVERIFY(help());
        QCOMPARE(shownText(), QString());
        QVERIFY(m_dialogs->messages.isEmpty());
    }

    // Print, Back and Next are in the main window's menu bar exactly while the help window is
    // the active window.
    void menuShownWhileActive() {
        QCOMPARE(helpEntriesInMenuBar(), 0);
        m_main->showHelpPage("1");
        QCOMPARE(helpEntriesInMenuBar(), 3);
        QVERIFY(m_main->showWindow(Other));
        QCOMPARE(helpEntriesInMenuBar(), 0);
        QVERIFY(m_main->showWindow(WindowNames::Help));
        QCOMPARE(helpEntriesInMenuBar(), 3);
        // Closing the last window: no other window's activation takes the menu away.
        m_main->unloadWindow(Other);
        QCOMPARE(helpEntriesInMenuBar(), 3);
        m_main->unloadWindow(WindowNames::Help);
        QCOMPARE(helpEntriesInMenuBar(), 0);
    }

    // Each Help menu entry opens its page, also while the help window is already showing
    // another page.
    void helpMenuOpensPages_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("firstPage");
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("thenPage");
        QTest::newRow("Getting Started, then Method")
            << "mnuGettingStarted" << 1 << "mnuMethod" << 2;
        QTest::newRow("Method, then What Now") << "mnuMethod" << 2 << "mnuWhatNow" << 3;
        QTest::newRow("What Now, then Getting Started")
            << "mnuWhatNow" << 3 << "mnuGettingStarted" << 1;
    }
    void helpMenuOpensPages() {
        QFETCH(QString, first);
        QFETCH(int, firstPage);
        QFETCH(QString, then);
        QFETCH(int, thenPage);
        for (const auto& [entry, page] : {std::pair{first, firstPage}, std::pair{then, thenPage}}) {
            triggerMain(entry);
            QVERIFY(help());
            QCOMPARE(m_main->activeForm(), help());
            QCOMPARE(help()->tag(), QString::number(page));
            QVERIFY2(shownText().startsWith(PageText[page]), qPrintable(entry));
        }
    }

    void startUpGettingStartedOpensFirstPage() {
        FormWindow* splash = m_main->showWindow(WindowNames::Splash);
        QVERIFY(splash);
        CLICK(splash, "cmdTutorial");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_main->isLoaded(WindowNames::Splash));
        QCOMPARE(m_main->activeForm(), help());
        verifyPage("1", false, true, 1);
    }

    // What reaches the printer: the selection alone when there is one, else the whole page.
    void printing_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("flags");
        QTest::newRow("whole page") << "" << true << 264;
        QTest::newRow("selection") << "Line 7 of the last page." << true << 265;
        QTest::newRow("whole page, cancelled") << "" << false << 264;
        QTest::newRow("selection, cancelled") << "Line 7 of the last page." << false << 265;
    }
    void printing() {
        QFETCH(QString, selected);
        QFETCH(bool, accept);
        QFETCH(int, flags);
        m_main->showHelpPage("3");
        if (!selected.isEmpty()) {
            const QTextCursor found = viewer()->document()->find(selected);
            QVERIFY(!found.isNull());
            viewer()->setTextCursor(found);
        }
        const QString pdf = m_fixture->path("printed.pdf");
        m_dialogs->printToPdf = pdf;
        m_dialogs->printAnswers.enqueue(accept);

        action("mnuPrint")->trigger();

        QCOMPARE(m_dialogs->printFlags, QList<int>{flags});
        QVERIFY(m_dialogs->messages.isEmpty());
        if (!accept) {
            QVERIFY(!QFile::exists(pdf));
            QCOMPARE(help()->printedText(), QString());
        } else if (selected.isEmpty()) {
            QCOMPARE(help()->printedText(), viewer()->toPlainText());
            QVERIFY2(pdfPages(pdf) > 1, qPrintable(QString::number(pdfPages(pdf))));
        } else {
            QCOMPARE(help()->printedText(), selected);
            QCOMPARE(pdfPages(pdf), 1);
        }
    }

    void aboutIsModalAndCloses() {
        QString title;
        bool modal = false;
        QString texts;
        QTimer::singleShot(0, m_main.get(), [&] {
            QWidget* about = QApplication::activeModalWidget();
            if (!about)
                return;
            title = about->windowTitle();
            modal = about->isModal();
            for (const QLabel* label : about->findChildren<QLabel*>())
                texts += label->text() + '\n';
            about->close(); // the window's close control
        });
        triggerMain("mnuHelpAbout");
        QCoreApplication::processEvents();
        QCOMPARE(title, QStringLiteral("About Vantrell"));
        QVERIFY(modal);
        QVERIFY2(texts.contains("Vantrell") && texts.contains(QLatin1String(ProgramVersion)),
                 qPrintable(texts));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(m_main->findChildren<QDialog*>().isEmpty());
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
