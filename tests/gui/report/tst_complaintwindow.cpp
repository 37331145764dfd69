// Prepare a Complaint, from the summary: the postings charged above their due are ticked at the
// threshold, unticking one leaves it out of the total, and Write stores the details in the account
// and writes the letter and the evidence where the borrower chose; it asks first for a detail the
// letter needs, and writes neither file where one must not go.
#include "report/ComplaintWindow.h"
#include "report/SummaryWindow.h"
#include "report/frmCalculate.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/PlantedTargets.h"
#include "support/RateHistory.h"
#include "support/RecordsHarness.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QTest>

namespace {

// The window opened from the summary on an account whose lender applied the cut of 10 June from
// 24 June: two postings overcharged.
void openFromSummary(RecordsHarness& h) {
    RateHistory::writeLateCut(h.account);
    h.main->setTag(Tag::Method, "2");
    h.main->setTag(Tag::File, "Open");
    auto* report = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(report);
    CLICK(report, "cmdSummary");
    FormWindow* summary = h.main->registry().loaded(SummaryWindow::Name);
    CLICK(summary, "complaintButton");
}

ComplaintWindow* opened(RecordsHarness& h) {
    openFromSummary(h);
    return dynamic_cast<ComplaintWindow*>(h.main->registry().loaded(ComplaintWindow::Name));
}

void fillDetails(ComplaintWindow* w) {
    control<QLineEdit>(w, "borrowerNameEdit")->setText("Alex Borrower");
    control<QLineEdit>(w, "accountNumberEdit")->setText("123-456");
    control<QLineEdit>(w, "lenderNameEdit")->setText("Example Bank");
}

} // namespace

class TestComplaintWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void writesLetterAndEvidence() {
        RecordsHarness h;
        auto* w = opened(h);
        QVERIFY(w && w->complaint());
        auto* grid = control<QTableWidget>(w, "postingsGrid");
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->item(0, 0)->checkState(), Qt::Checked);
        QVERIFY(grid->item(0, 5)->text().contains("14 days later"));

        // Unticked, a posting leaves the total.
        const Money both = Complaint::total(*w->complaint());
        grid->item(0, 0)->setCheckState(Qt::Unchecked);
        QCOMPARE(Complaint::total(*w->complaint()),
                 *Money::subtract(both, w->complaint()->postings[0].difference));
        grid->item(0, 0)->setCheckState(Qt::Checked);

        fillDetails(w);
        control<QComboBox>(w, "countryBox")->setCurrentIndex(int(ComplaintCountry::Australia));
        const QString letter = h.fixture.path("letter.odt");
        const QString evidence = h.fixture.path("evidence.pdf");
        h.dialogs.files.enqueue(letter);
        h.dialogs.files.enqueue(evidence);
        CLICK(w, "writeButton");
        QVERIFY(QFile::exists(letter) && QFile::exists(evidence));
        QVERIFY(h.dialogs.messages.last().text.contains("The letter is in"));
        QCOMPARE(AccountFixture::column(h.account, "select Value from tblSettings where Name = "
                                                   "'ComplaintCountry'"),
                 QStringList{"au"});

        // A threshold above both differences leaves nothing to raise.
        auto* threshold = control<QLineEdit>(w, "thresholdEdit");
        threshold->setText("1000");
        emit threshold->editingFinished();
        QVERIFY(!control<QPushButton>(w, "writeButton")->isEnabled());
        QVERIFY(control<QLabel>(w, "totalLabel")->text().startsWith("No letter"));
    }

    // A detail the letter needs, left blank: the window names its field and asks for nothing
    // more, writing nothing.
    void asksForWhatTheLetterNeeds_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("field");
        QTest::newRow("name") << "borrowerNameEdit"
                              << "\"Your name\"";
        QTest::newRow("account number") << "accountNumberEdit"
                                        << "\"Loan account number\"";
        QTest::newRow("lender") << "lenderNameEdit"
                                << "\"Lender\"";
    }
    void asksForWhatTheLetterNeeds() {
        QFETCH(QString, edit);
        QFETCH(QString, field);
        RecordsHarness h;
        auto* w = opened(h);
        QVERIFY(w && w->complaint());
        fillDetails(w);
        control<QLineEdit>(w, edit)->setText("  ");
        h.dialogs.files.enqueue(h.fixture.path("letter.odt"));
        h.dialogs.files.enqueue(h.fixture.path("evidence.pdf"));
        QVERIFY(!w->writeLetterAndEvidence());
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY2(h.dialogs.messages.last().text.contains(field),
                 qPrintable(h.dialogs.messages.last().text));
        QVERIFY(h.dialogs.fileRequests.isEmpty());
        QVERIFY(!QFile::exists(h.fixture.path("letter.odt")));
    }

    // Where a file must not go, the window says so and writes neither file.
    void refusesATarget_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("asLetter");
        QTest::newRow("one name for both") << "" << true;
        for (const char* kind : {"the account", "a link to a file", "a dangling link", "a fifo"}) {
            QTest::addRow("the letter to %s", kind) << kind << true;
            QTest::addRow("the evidence to %s", kind) << kind << false;
        }
    }
    void refusesATarget() {
        QFETCH(QString, kind);
        QFETCH(bool, asLetter);
        RecordsHarness h;
        auto* w = opened(h);
        QVERIFY(w && w->complaint());
        fillDetails(w);
        const QString letter = h.fixture.path("letter.odt");
        PlantedTargets::Planted planted;
        if (kind.isEmpty()) {
            planted.target = letter;
        } else {
            QVERIFY(QDir().mkpath(h.fixture.path("shared")));
            planted = PlantedTargets::plant(kind, h.fixture.path("shared"), h.account);
        }
        const QString other = h.fixture.path("other.pdf");
        h.dialogs.files.enqueue(asLetter ? planted.target : letter);
        h.dialogs.files.enqueue(asLetter ? (kind.isEmpty() ? letter : other) : planted.target);
        QVERIFY(!w->writeLetterAndEvidence());
        QVERIFY2(h.dialogs.messages.last().text.startsWith("Cannot write"),
                 qPrintable(h.dialogs.messages.last().text));
        QVERIFY(!QFile::exists(other));
        if (kind.isEmpty() || !asLetter)
            QVERIFY(!QFile::exists(letter));
        if (kind == QLatin1String("the account")) {
            // The details are kept in it first, so its bytes change: it must still read.
            QCOMPARE(AccountFixture::column(h.account, "select Value from tblSettings where Name "
                                                       "= 'ComplaintBorrowerName'"),
                     QStringList{"Alex Borrower"});
        } else if (!kind.isEmpty()) {
            const QString changed = PlantedTargets::changed(planted);
            QVERIFY2(changed.isEmpty(), qPrintable(changed));
        }
    }
};

QTEST_MAIN(TestComplaintWindow)
#include "tst_complaintwindow.moc"
