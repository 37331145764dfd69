// Prepare a Complaint, from the summary: the postings charged above their due are ticked at the
// threshold, unticking one leaves it out of the total, and Write stores the details in the account
// and writes the letter and the evidence where the borrower chose.
#include "report/ComplaintWindow.h"
#include "report/SummaryWindow.h"
#include "report/frmCalculate.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RateHistory.h"
#include "support/RecordsHarness.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QTest>

class TestComplaintWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void writesLetterAndEvidence() {
        RecordsHarness h;
        // The cut of 10 June applied from 24 June: two postings overcharged.
        const QVector<RatePeriod> lender =
            ReportRows::rates({"2022-01-01 2022-06-23 4.9", "2022-06-24 2024-12-31 4.5"});
        RateHistory::write(h.account,
                           RateHistory::history(InterestMethod::VariableDay, {}, lender, 12));
        RateHistory::writeRates(h.account,
                                {"2022-01-01 2022-06-09 4.9", "2022-06-10 2024-12-31 4.5"});
        h.main->setTag(Tag::Method, "2");
        h.main->setTag(Tag::File, "Open");
        auto* report = h.show<frmCalculate>(WindowNames::Calculate);
        QVERIFY(report);
        CLICK(report, "cmdSummary");
        FormWindow* summary = h.main->registry().loaded(SummaryWindow::Name);
        CLICK(summary, "complaintButton");
        auto* w = dynamic_cast<ComplaintWindow*>(h.main->registry().loaded(ComplaintWindow::Name));
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

        control<QLineEdit>(w, "borrowerNameEdit")->setText("Alex Borrower");
        control<QLineEdit>(w, "accountNumberEdit")->setText("123-456");
        control<QLineEdit>(w, "lenderNameEdit")->setText("Example Bank");
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
};

QTEST_MAIN(TestComplaintWindow)
#include "tst_complaintwindow.moc"
