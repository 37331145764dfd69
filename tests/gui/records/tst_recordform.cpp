#include "data/Queries.h"
#include "records/RecordForm.h"
#include "records/frmAllRecords.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableView>
#include <QTest>

namespace {

const QString TestWindow = QStringLiteral("frmRecordTest");

// A single-record window over the history: the record buttons are the user's to click.
class RecordWindow : public RecordForm {
public:
    RecordWindow(MDIForm1& main, bool prefixed)
        : RecordForm(main, TestWindow, Variant::SingleRecord), m_prefixed(prefixed) {
        bindTxtField(0, "Date", "Date");
        bindTxtField(1, "Deposit", "Deposit", "#,##0.00");
        Form_Load(Queries::AllRecordsView);
    }

protected:
    MessageStyle messageStyle(Operation op) const override {
        if (m_prefixed || op == Operation::Cancel)
            return RecordForm::messageStyle(op);
        return MessageStyle::DescriptionOnly;
    }

private:
    bool m_prefixed;
};

const QStringList ThreeRows = {"2024-01-01 C=-1000", "2024-01-02 D=100", "2024-01-03 D=200"};

int position(RecordForm* w) {
    return w->recordSet()->absolutePosition();
}

} // namespace

class TestRecordForm : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void moves_data();
    void moves();
    void keysIgnoredWhileEditing_data();
    void keysIgnoredWhileEditing();
    void keysLeftToGridCellEditor();
    void cancel_data();
    void cancel();
    void updateAfterAddMovesToLastRow();
    void failureMessages_data();
    void failureMessages();
    void closedRecordSetMessages_data();
    void closedRecordSetMessages();

private:
    RecordWindow* openTestWindow(RecordsHarness& h, bool prefixed = true) {
        h.main->registry().add(
            TestWindow, [prefixed](MDIForm1& m) { return new RecordWindow(m, prefixed); }, true);
        return h.show<RecordWindow>(TestWindow);
    }
};

// Buttons and keys move the current row; Next and Previous beep at the ends and stay there,
// but never on an empty record set. Ctrl alone turns Up/Down into First/Last.
void TestRecordForm::moves_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button"); // "" sends the key instead
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("beeps");

    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    QTest::newRow("Next") << ThreeRows << 2 << "cmdNext" << 0 << none << 3 << 0;
    QTest::newRow("Next on last row beeps") << ThreeRows << 3 << "cmdNext" << 0 << none << 3 << 1;
    QTest::newRow("Previous") << ThreeRows << 2 << "cmdPrevious" << 0 << none << 1 << 0;
    QTest::newRow("Previous on first row beeps")
        << ThreeRows << 1 << "cmdPrevious" << 0 << none << 1 << 1;
    QTest::newRow("First") << ThreeRows << 3 << "cmdFirst" << 0 << none << 1 << 0;
    QTest::newRow("Last") << ThreeRows << 1 << "cmdLast" << 0 << none << 3 << 0;
    QTest::newRow("empty: Next") << QStringList() << -2 << "cmdNext" << 0 << none << -2 << 0;
    QTest::newRow("empty: Previous")
        << QStringList() << -2 << "cmdPrevious" << 0 << none << -2 << 0;
    QTest::newRow("empty: Down") << QStringList() << -2 << "" << int(Qt::Key_Down) << none << -2
                                 << 0;

    QTest::newRow("Down") << ThreeRows << 1 << "" << int(Qt::Key_Down) << none << 2 << 0;
    QTest::newRow("Down on last row beeps")
        << ThreeRows << 3 << "" << int(Qt::Key_Down) << none << 3 << 1;
    QTest::newRow("Page Down") << ThreeRows << 1 << "" << int(Qt::Key_PageDown) << none << 2 << 0;
    QTest::newRow("Up") << ThreeRows << 3 << "" << int(Qt::Key_Up) << none << 2 << 0;
    QTest::newRow("Page Up") << ThreeRows << 3 << "" << int(Qt::Key_PageUp) << none << 2 << 0;
    QTest::newRow("Shift+Up is Previous")
        << ThreeRows << 3 << "" << int(Qt::Key_Up) << shift << 2 << 0;
    QTest::newRow("Ctrl+Up is First") << ThreeRows << 3 << "" << int(Qt::Key_Up) << ctrl << 1 << 0;
    QTest::newRow("Ctrl+Page Up is First")
        << ThreeRows << 3 << "" << int(Qt::Key_PageUp) << ctrl << 1 << 0;
    QTest::newRow("Ctrl+Shift+Up is Previous")
        << ThreeRows << 3 << "" << int(Qt::Key_Up) << (ctrl | shift) << 2 << 0;
    QTest::newRow("Ctrl+Down is Last")
        << ThreeRows << 1 << "" << int(Qt::Key_Down) << ctrl << 3 << 0;
    QTest::newRow("Ctrl+Page Down is Last")
        << ThreeRows << 1 << "" << int(Qt::Key_PageDown) << ctrl << 3 << 0;
    QTest::newRow("Home") << ThreeRows << 3 << "" << int(Qt::Key_Home) << none << 1 << 0;
    QTest::newRow("End") << ThreeRows << 1 << "" << int(Qt::Key_End) << none << 3 << 0;
}

void TestRecordForm::moves() {
    QFETCH(QStringList, rows);
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, expected);
    QFETCH(int, beeps);

    RecordsHarness h(rows);
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    if (start > 0)
        QVERIFY(w->recordSet()->setAbsolutePosition(start));

    if (button.isEmpty())
        QTest::keyClick(w->grid(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    else
        CLICK(w, button);

    QCOMPARE(position(w), expected);
    QCOMPARE(h.dialogs.beeps, beeps);
    QVERIFY(h.dialogs.messages.isEmpty());
    // No current row: no number (a negative position means nothing to a user).
    QCOMPARE(control<QLabel>(w, "lblStatus")->text(),
             expected > 0 ? QStringLiteral("Record: %1").arg(expected)
                          : QStringLiteral("Record: "));
    // The grid follows the record set.
    if (expected > 0)
        QCOMPARE(w->grid()->currentIndex().row(), expected - 1);
}

// While an edit or an add is in progress the keys belong to the controls.
void TestRecordForm::keysIgnoredWhileEditing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");

    for (const char* button : {"cmdEdit", "cmdAdd"}) {
        for (int key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_Escape}) {
            QTest::addRow("%s, %s", button, qPrintable(QKeySequence(key).toString()))
                << button << key;
        }
    }
}

void TestRecordForm::keysIgnoredWhileEditing() {
    QFETCH(QString, button);
    QFETCH(int, key);

    RecordsHarness h(ThreeRows);
    RecordWindow* w = openTestWindow(h);
    QVERIFY(w);
    QVERIFY(w->recordSet()->setAbsolutePosition(2));
    CLICK(w, button);
    const int before = position(w);

    QTest::keyClick(control<QLineEdit>(w, "txtFields(1)"), Qt::Key(key));

    QCOMPARE(position(w), before);
    QVERIFY(h.main->isLoaded(TestWindow));
    QCOMPARE(h.dialogs.beeps, 0);

    // Once the edit is over, the window has its keys again.
    CLICK(w, "cmdCancel");
    QTest::keyClick(control<QLineEdit>(w, "txtFields(1)"), Qt::Key_End);
    QCOMPARE(position(w), 3);
}

// Typing into a grid cell is an edit too: Escape undoes the typing and keeps the window open.
void TestRecordForm::keysLeftToGridCellEditor() {
    RecordsHarness h(ThreeRows);
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    QVERIFY(w->recordSet()->setAbsolutePosition(2));
    const QModelIndex cell = w->gridModel()->index(1, 4);
    w->grid()->setCurrentIndex(cell);
    w->grid()->edit(cell);
    auto* editor = w->grid()->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);

    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Escape);

    QCOMPARE(position(w), 2);
    QVERIFY(h.main->isLoaded(WindowNames::AllRecords));
}

// Cancel drops the change and returns to the row that was current before Add; with no saved
// row it goes to the first row.
void TestRecordForm::cancel_data() {
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");

    QTest::newRow("after Add: back to the row before") << ThreeRows << 2 << "cmdAdd" << 2;
    QTest::newRow("after Add on the last row") << ThreeRows << 3 << "cmdAdd" << 3;
    QTest::newRow("after Edit: first row") << ThreeRows << 3 << "cmdEdit" << 1;
    QTest::newRow("after Add on an empty set") << QStringList() << 0 << "cmdAdd" << -2;
}

void TestRecordForm::cancel() {
    QFETCH(QStringList, rows);
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(int, expected);

    RecordsHarness h(rows);
    RecordWindow* w = openTestWindow(h);
    QVERIFY(w);
    if (start > 0)
        QVERIFY(w->recordSet()->setAbsolutePosition(start));
    const QStringList deposits = h.stored("Deposit");

    CLICK(w, button);
    QVERIFY(w->editFlag() || w->addFlag());
    QVERIFY(control<QAbstractButton>(w, "cmdUpdate")->isVisible());
    QVERIFY(!control<QAbstractButton>(w, "cmdAdd")->isVisible());
    QVERIFY(!control<QAbstractButton>(w, "cmdNext")->isEnabled());
    auto* deposit = control<QLineEdit>(w, "txtFields(1)");
    deposit->setText("999");
    deposit->setModified(true);
    CLICK(w, "cmdCancel");

    QCOMPARE(position(w), expected);
    QCOMPARE(w->recordSet()->recordCount(), int(rows.size()));
    QVERIFY(!w->editFlag() && !w->addFlag());
    QVERIFY(!control<QAbstractButton>(w, "cmdUpdate")->isVisible());
    QVERIFY(control<QAbstractButton>(w, "cmdAdd")->isVisible());
    QVERIFY(control<QAbstractButton>(w, "cmdNext")->isEnabled());
    QCOMPARE(deposit->text(), w->txtFields(1));
    QVERIFY(deposit->text() != "999");
    QCOMPARE(h.stored("Deposit"), deposits);
    QVERIFY(h.dialogs.messages.isEmpty());
}

// Update saves the new row and leaves it current, as the last row.
void TestRecordForm::updateAfterAddMovesToLastRow() {
    RecordsHarness h(ThreeRows);
    RecordWindow* w = openTestWindow(h);
    QVERIFY(w);
    CLICK(w, "cmdAdd");
    QCOMPARE(control<QLabel>(w, "lblStatus")->text(), QStringLiteral("Add record"));
    QVERIFY(w->setTxtFields(0, "12/31/2023"));
    auto* deposit = control<QLineEdit>(w, "txtFields(1)");
    deposit->setText("1,250.50");
    deposit->setModified(true);
    CLICK(w, "cmdUpdate");

    QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.messageTexts().join('|')));
    QCOMPARE(position(w), 4);
    QCOMPARE(w->txtFields(1), QStringLiteral("1,250.50"));
    QVERIFY(!w->addFlag());
    QCOMPARE(h.stored("Deposit"), QStringList({"1250.5", "NULL", "100", "200"}));
}

// A trapped failure stops the operation and says which operation failed.
void TestRecordForm::failureMessages_data() {
    QTest::addColumn<bool>("prefixed");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("Next") << true << 1 << "cmdNext"
                          << "Move Next Error: ";
    QTest::newRow("Previous") << true << 2 << "cmdPrevious"
                              << "Move Previous Error: ";
    QTest::newRow("First") << true << 2 << "cmdFirst"
                           << "Move First Error: ";
    QTest::newRow("Last") << true << 1 << "cmdLast"
                          << "Move Last Error: ";
    QTest::newRow("Update") << true << 1 << "cmdUpdate"
                            << "Update Error: ";
    QTest::newRow("Add") << true << 1 << "cmdAdd"
                         << "Add Error: ";
    QTest::newRow("Refresh") << true << 1 << "cmdRefresh"
                             << "Refresh Error: ";
    QTest::newRow("description alone: Next") << false << 1 << "cmdNext"
                                             << "";
    QTest::newRow("description alone: Update") << false << 1 << "cmdUpdate"
                                               << "";
}

void TestRecordForm::failureMessages() {
    QFETCH(bool, prefixed);
    QFETCH(int, start);
    QFETCH(QString, button);
    QFETCH(QString, prefix);

    RecordsHarness h(ThreeRows);
    h.sql("create trigger keep before update on tblAllRecords "
          "begin select raise(abort, 'the file is read-only'); end");
    RecordWindow* w = openTestWindow(h, prefixed);
    QVERIFY(w);
    QVERIFY(w->recordSet()->setAbsolutePosition(start));
    // A changed row that cannot be saved: every operation that saves it fails.
    if (button != "cmdUpdate" && button != "cmdAdd" && button != "cmdRefresh")
        QVERIFY2(w->setTxtFields(1, "5"), qPrintable(w->recordSet()->lastError()));
    else
        QVERIFY(w->setTxtFields(1, "7"));

    CLICK(w, button);

    QCOMPARE(h.dialogs.messages.size(), 1);
    const QString text = h.dialogs.messages.first().text;
    QVERIFY2(text.startsWith(prefix) && text.contains("the file is read-only"), qPrintable(text));
    if (!prefixed)
        QVERIFY2(!text.contains("Error: "), qPrintable(text));
    QCOMPARE(h.dialogs.messages.first().title, QStringLiteral("Vantrell"));
    // The operation stopped: the row is still the one with the unsaved change.
    QCOMPARE(position(w), start);
    QCOMPARE(h.stored("Deposit"), QStringList({"NULL", "100", "200"}));
}

// A window whose rows could not be opened stays usable and says why each operation fails.
void TestRecordForm::closedRecordSetMessages_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected"); // "" for no message

    const QString closed = QStringLiteral("Operation is not allowed when the object is closed.");
    QTest::newRow("First") << "cmdFirst"
                           << "Move First Error: " + closed;
    QTest::newRow("Last") << "cmdLast"
                          << "Move Last Error: " + closed;
    QTest::newRow("Next: nothing to move to") << "cmdNext"
                                              << "";
    QTest::newRow("Previous: nothing to move to") << "cmdPrevious"
                                                  << "";
    QTest::newRow("Add") << "cmdAdd"
                         << "Add Error: " + closed;
    QTest::newRow("Refresh") << "cmdRefresh"
                             << "Refresh Error: " + closed;
    // A failed delete refreshes instead, and the refresh reports.
    QTest::newRow("Delete") << "cmdDelete"
                            << "Refresh Error: " + closed;
}

void TestRecordForm::closedRecordSetMessages() {
    QFETCH(QString, button);
    QFETCH(QString, expected);

    RecordsHarness h;
    h.main->setTag(Tag::NewFile, h.fixture.dataFolder() + "Missing.mdb");
    auto* w = h.show<frmAllRecords>(WindowNames::AllRecords);
    QVERIFY(w);
    QVERIFY(!w->loadError().isEmpty());
    // The missing account is said once, as the window opens.
    QCOMPARE(h.dialogs.messageTexts(), QStringList{w->loadError()});
    QVERIFY(w->loadError().contains("Missing.mdb"));
    h.dialogs.messages.clear();

    CLICK(w, button);

    QCOMPARE(h.dialogs.messageTexts(), expected.isEmpty() ? QStringList() : QStringList(expected));
    QCOMPARE(h.dialogs.beeps, 0);
    QVERIFY(!w->grid()->isHidden());
}

QTEST_MAIN(TestRecordForm)
#include "tst_recordform.moc"
