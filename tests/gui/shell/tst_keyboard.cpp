// The keys every window shares: in each registered window no two controls in view answer the
// same Alt key, and every table lets Tab go on to the next control, with an open cell committed
// first.
#include "report/ComplaintWindow.h"
#include "report/SummaryWindow.h"
#include "report/WorkingWindow.h"
#include "report/frmCalculate.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RateHistory.h"
#include "support/RecordsHarness.h"
#include "terms/OffsetWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

// An account with a year of charges, a rate cut passed on late and the rates stored: every
// window has something to show.
void writeCharged(RecordsHarness& h) {
    RateHistory::writeLateCut(h.account);
    h.main->setTag(Tag::Method, "2");
    h.main->setTag(Tag::File, "Open");
}

// The window `name` as the borrower reaches it: the report's own windows through the report.
FormWindow* reach(RecordsHarness& h, const QString& name) {
    const auto loaded = [&](const QString& n) { return h.main->registry().loaded(n); };
    if (name == SummaryWindow::Name || name == ComplaintWindow::Name ||
        name == WorkingWindow::Name) {
        FormWindow* report = h.main->showWindow(WindowNames::Calculate);
        if (auto* button = control<QAbstractButton>(report, "cmdSummary"))
            button->click();
        FormWindow* summary = loaded(SummaryWindow::Name);
        const char* opener = name == ComplaintWindow::Name ? "complaintButton"
                             : name == WorkingWindow::Name ? "workingButton"
                                                           : nullptr;
        if (auto* button = opener ? control<QAbstractButton>(summary, opener) : nullptr)
            button->click();
        return loaded(name);
    }
    if (name == WindowNames::ThisSession) {
        h.main->setTag(Tag::StartDate, "2023-01-01");
        h.main->setTag(Tag::EndDate, "2023-01-31");
        h.main->setTag(Tag::OpenBalance, "0");
        h.main->setTag(Tag::CloseBalance, "0");
    }
    h.main->showWindow(name);
    return loaded(name);
}

// The Alt keys of the controls of `window` in view, each with the controls that answer it.
QMap<QString, QStringList> mnemonics(QWidget* window) {
    QMap<QString, QStringList> keys;
    const auto add = [&](const QString& text, const QString& who) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            keys[key.toString()] << who;
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QString who = w->objectName().isEmpty()
                                ? QString::fromLatin1(w->metaObject()->className())
                                : w->objectName();
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(button->text(), who);
        else if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy())
            add(label->text(), label->buddy()->objectName() + QStringLiteral("'s caption"));
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            add(box->title(), who);
        else if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i), QStringLiteral("tab ") + tabs->tabText(i));
    }
    return keys;
}

QString shared(const QMap<QString, QStringList>& keys) {
    QStringList twice;
    for (auto it = keys.cbegin(); it != keys.cend(); ++it)
        if (it.value().size() > 1)
            twice << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    return twice.join(QStringLiteral("; "));
}

bool focusWithin(const QWidget* widget) {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == widget || widget->isAncestorOf(focus));
}

// Tab from `table`'s first cell: the focus goes on to another control.
bool tabLeaves(QAbstractItemView* table) {
    table->setFocus(Qt::OtherFocusReason);
    if (table->model() && table->model()->rowCount() > 0)
        table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Tab);
    return !focusWithin(table);
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyWindow_data() {
        QTest::addColumn<QString>("name");
        MainWindowHarness main;
        main.start();
        for (const QString& name : main->registry().names())
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyWindow() {
        QFETCH(QString, name);
        RecordsHarness h;
        writeCharged(h);
        h.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.main.get()));
        FormWindow* w = reach(h, name);
        QVERIFY2(w && w->isVisible(), qPrintable(name + " did not open"));
        // Each page of each tab widget in turn: a page's controls are in view with the rest.
        QList<QTabWidget*> tabs = w->findChildren<QTabWidget*>();
        if (tabs.isEmpty())
            tabs << nullptr;
        for (QTabWidget* pages : std::as_const(tabs)) {
            for (int page = 0; page < (pages ? pages->count() : 1); ++page) {
                if (pages)
                    pages->setCurrentIndex(page);
                const QString twice = shared(mnemonics(w));
                QVERIFY2(twice.isEmpty(), qPrintable(twice));
                for (QAbstractItemView* table : w->findChildren<QAbstractItemView*>()) {
                    if (!table->isVisibleTo(w) || table->focusPolicy() == Qt::NoFocus)
                        continue;
                    QVERIFY2(tabLeaves(table), qPrintable(table->objectName() + " keeps Tab"));
                }
            }
        }
    }

    // Tab in a cell being typed keeps what was typed and goes on from the table.
    void tabCommitsTheCell() {
        RecordsHarness h;
        h.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h.main.get()));
        h.main->findChild<QAction*>("mnuOffset")->trigger();
        FormWindow* w = h.main->registry().loaded(WindowNames::Offset);
        QVERIFY(w);
        CLICK(w, "offsetCheck");
        CLICK(w, "cmdAdd");
        auto* grid = control<QTableView>(w, "balancesGrid");
        const QModelIndex cell = grid->model()->index(0, OffsetWindow::colBalance);
        grid->setFocus();
        grid->setCurrentIndex(cell);
        grid->edit(cell);
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor && editor->hasFocus());
        QTest::keyClicks(editor, "2,500.50");
        QTest::keyClick(editor, Qt::Key_Tab);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(grid->model()->index(0, OffsetWindow::colBalance).data().toString(), "2,500.50");
        QVERIFY(!grid->indexWidget(cell)); // the editor is closed
        QVERIFY(!focusWithin(grid));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
