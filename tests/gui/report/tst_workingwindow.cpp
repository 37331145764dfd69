// Show Working: opened from the report window's bar and by a double-click on an interest line,
// and from the summary's largest differences; what it copies, saves and prints; and the printed
// report that ends with the working of the postings picked.
#include "render/WorkingRendering.h"
#include "report/SummaryWindow.h"
#include "report/WorkingWindow.h"
#include "report/frmCalculate.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/PlantedTargets.h"
#include "support/RecordsHarness.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {

// -100,000.00 from 31 December at 7.3 %: 20.00 a day. The lender charges 625.00 on 31 January
// (620.00 due) and 580.00 on 29 February (29 days on 100,625.00 at 20.125: 583.63 due).
struct Account : RecordsHarness {
    Account() : RecordsHarness({"2023-12-31 C=-100000", "2024-01-31 I=625", "2024-02-29 I=580"}) {
        main->registry().add(WindowNames::Information, &informationStandIn, false);
        main->setTag(Tag::File, "Open");
        main->setTag(Tag::Method, "2");
        sql("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
            "values ('2023-12-31', '2024-12-31', 7.3)");
    }
    WorkingWindow* working() const {
        return dynamic_cast<WorkingWindow*>(main->registry().loaded(WorkingWindow::Name));
    }
    static FormWindow* informationStandIn(MDIForm1& main) {
        auto* w = new FormWindow(main, WindowNames::Information);
        for (const char* name : {"txtInformation", "txtData", "txtInfo2"})
            (new QLineEdit(w))->setObjectName(name);
        return w;
    }
};

QStringList row(QTableWidget* t, int r) {
    QStringList cells;
    for (int c = 0; c < t->columnCount(); ++c)
        cells << (t->item(r, c) ? t->item(r, c)->text() : QString());
    return cells;
}

QString foot(WorkingWindow* w, const QString& label) {
    auto* grid = control<QTableWidget>(w, "footGrid");
    for (int r = 0; r < grid->rowCount(); ++r) {
        if (grid->item(r, 0)->text() == label)
            return grid->item(r, 1)->text();
    }
    return QStringLiteral("(no %1)").arg(label);
}

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

class TestWorkingWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void fromTheReportWindow();
    void copySaveAndPrint();
    void fromTheSummaryAndPrintedWithTheReport();
    void noPostingNoWorking();
};

// The bar's button shows the posting of the line selected (the first before any is); a
// double-click on an interest line shows its own, on any other line nothing.
void TestWorkingWindow::fromTheReportWindow() {
    Account h;
    auto* report = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(report);
    CLICK(report, "cmdWorking");
    WorkingWindow* w = h.working();
    QVERIFY(w && w->isVisible());
    QCOMPARE(control<QLabel>(w, "titleLabel")->text(),
             QStringLiteral("Working of the interest due on 1/31/2024"));
    QVERIFY(control<QLabel>(w, "aboutLabel")
                ->text()
                .contains("Period: 12/31/2023 to 1/30/2024, "
                          "31 days."));
    auto* days = control<QTableWidget>(w, "workingGrid");
    QCOMPARE(days->rowCount(), 31);
    QCOMPARE(days->horizontalHeaderItem(2)->text(), QStringLiteral("Bears interest"));
    QCOMPARE(row(days, 0), (QStringList{"12/31/2023", "-100,000.00", "-100,000.00", "7.30", "365",
                                        "1", "20.0000", "20.0000"}));
    QCOMPARE(row(days, 30).last(), QStringLiteral("620.0000"));
    QCOMPARE(foot(w, "Interest due (Int Due):"), QStringLiteral("620.00"));
    QCOMPARE(foot(w, "Lender's charge (Int Charge):"), QStringLiteral("625.00"));
    QCOMPARE(foot(w, "Charged - due:"), QStringLiteral("5.00"));
    QCOMPARE(foot(w, "Rate entered:"), QStringLiteral("7.30 %"));
    QCOMPARE(foot(w, "Effective rate:"), QStringLiteral("7.359 %"));
    QCOMPARE(foot(w, "Comparable:"), QStringLiteral("Yes"));
    QVERIFY(!control<QPushButton>(w, "previousButton")->isEnabled());

    CLICK(w, "nextButton");
    QCOMPARE(w->posting(), 1);
    QCOMPARE(foot(w, "Interest due (Int Due):"), QStringLiteral("583.63"));
    QVERIFY(!control<QPushButton>(w, "nextButton")->isEnabled());
    CLICK(w, "previousButton");
    QCOMPARE(w->posting(), 0);

    // Lines 0 and 2 are the charges, 1 and 3 the postings.
    QTableView* grid = report->flexGrid();
    emit grid->doubleClicked(grid->model()->index(3, 4));
    QCOMPARE(w->posting(), 1);
    emit grid->doubleClicked(grid->model()->index(0, 0));
    QCOMPARE(w->posting(), 1);
    grid->setCurrentIndex(grid->model()->index(2, 0));
    CLICK(report, "cmdWorking");
    QCOMPARE(w->posting(), 1);
    QVERIFY(h.dialogs.messages.isEmpty());

    // The working belongs to the report: closing it closes the working.
    CLICK(report, "cmdClose");
    QTRY_VERIFY(!h.main->isLoaded(WorkingWindow::Name));
}

// Copy puts the days on the clipboard tab-separated; Save as CSV writes the tool's CSV, asks
// before replacing a file and writes nothing through a link; Print or PDF prints the working alone.
void TestWorkingWindow::copySaveAndPrint() {
    Account h;
    auto* report = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(report);
    CLICK(report, "cmdWorking");
    WorkingWindow* w = h.working();
    QVERIFY(w);
    CLICK(w, "nextButton");

    CLICK(w, "copyButton");
    const QStringList copied = QGuiApplication::clipboard()->text().split('\n');
    QCOMPARE(copied[0], QStringLiteral("Date\tBalance\tBears interest\tRate %\tDivisor\tDays\t"
                                       "Interest\tRunning total"));
    QCOMPARE(copied[1], QStringLiteral("1/31/2024\t-100,625.00\t-100,625.00\t7.30\t365\t1\t"
                                       "20.1250\t20.1250"));
    QCOMPARE(copied.size(), 1 + 29 + 1); // the headings, 31 January to 28 February, the end

    const QString csv = h.fixture.path("working.csv");
    h.dialogs.files << csv;
    CLICK(w, "saveCsvButton");
    QCOMPARE(h.dialogs.fileRequests.last().fileName, QStringLiteral("Working 2024-02-29.csv"));
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray expected =
        WorkingRendering::csv(report->reportWorking()->working(), w->posting());
    QCOMPARE(saved.readAll(), expected);
    QVERIFY(expected.startsWith("date,balance,offset,accruing,deferred,rate,divisor,days,amount,"
                                "running\n2024-01-31,-100625.00,,-100625.00,,7.3,365,1,20.1250,"
                                "20.1250\n"));
    saved.close();
    // A file already there is kept unless the user says to replace it.
    QVERIFY(saved.open(QIODevice::WriteOnly));
    saved.write("keep me");
    saved.close();
    h.dialogs.files << csv;
    h.dialogs.answers << false;
    CLICK(w, "saveCsvButton");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("keep me"));
    saved.close();
    h.dialogs.files << csv;
    h.dialogs.answers << true;
    CLICK(w, "saveCsvButton");
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), expected);
    QCOMPARE(h.dialogs.questions.size(), 2);
    QVERIFY(h.dialogs.messages.isEmpty());
    // Nothing is written through a link, and no question asked of it.
    const PlantedTargets::Planted link =
        PlantedTargets::plant("a link to a file", h.fixture.path(QString()), h.account);
    h.dialogs.files << link.target;
    CLICK(w, "saveCsvButton");
    QCOMPARE(h.dialogs.questions.size(), 2);
    QVERIFY(h.dialogs.messages.value(0).text.contains("symbolic link"));
    QVERIFY2(PlantedTargets::changed(link).isEmpty(), qPrintable(PlantedTargets::changed(link)));
    h.dialogs.messages.clear();

    h.dialogs.previewToPdf = h.fixture.path("working.pdf");
    CLICK(w, "printButton");
    QCOMPARE(h.dialogs.previews.size(), 1);
    QVERIFY2(h.dialogs.previews[0].painted, qPrintable(h.dialogs.previews[0].error));
    const QString printed = pdfText(h.dialogs.previewToPdf);
    for (const char* expected :
         {"Working of the interest due on 2/29/2024", "Method: Variable Day.",
          "2/28/2024 -100,625.00 -100,625.00 7.30 365 1 20.1250 583.6250",
          "Interest due (Int Due): 583.63", "Effective rate: 7.255 %", "page 1 of 1"})
        QVERIFY2(printed.contains(expected), qPrintable(QString(expected) + " not in: " + printed));
}

// The summary's largest differences show the rates and open into their working; a tick there or
// in the working window puts the posting's working after the printed report.
void TestWorkingWindow::fromTheSummaryAndPrintedWithTheReport() {
    Account h;
    auto* report = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(report);
    CLICK(report, "cmdSummary");
    auto* summary = dynamic_cast<SummaryWindow*>(h.main->registry().loaded(SummaryWindow::Name));
    QVERIFY(summary);
    QCOMPARE(control<QLabel>(summary, "ratesLabel")->text(),
             QStringLiteral("In 2 of 2 postings the lender effectively charged a rate 0.01 "
                            "percentage points or more from every rate entered for the period: "
                            "look there first."));
    auto* largest = control<QTableWidget>(summary, "largestGrid");
    QCOMPARE(largest->rowCount(), 2);
    // Every heading and every cell reads whole.
    QHeaderView* header = largest->horizontalHeader();
    for (int c = 0; c < largest->columnCount(); ++c) {
        const QString heading = largest->horizontalHeaderItem(c)->text();
        QVERIFY2(header->fontMetrics().horizontalAdvance(heading) + 8 < header->sectionSize(c),
                 qPrintable(heading));
        for (int r = 0; r < largest->rowCount(); ++r)
            QVERIFY2(largest->fontMetrics().horizontalAdvance(largest->item(r, c)->text()) + 4 <=
                         header->sectionSize(c),
                     qPrintable(largest->item(r, c)->text()));
    }
    QCOMPARE(largest->horizontalHeaderItem(5)->text(), QStringLiteral("Effective rate"));
    QCOMPARE(row(largest, 0),
             (QStringList{"1/31/2024", "625.00", "620.00", "5.00", "7.30 %", "7.359 %"}));
    QCOMPARE(row(largest, 1),
             (QStringList{"2/29/2024", "580.00", "583.63", "-3.63", "7.30 %", "7.255 %"}));

    // Double-click the second difference: its working, which is then picked for printing.
    emit largest->cellDoubleClicked(1, 2);
    WorkingWindow* w = h.working();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->posting(), 1);
    control<QCheckBox>(w, "printCheck")->click();
    QCOMPARE(report->reportWorking()->picked(), QVector<int>{1});
    QCOMPARE(largest->item(1, 0)->checkState(), Qt::Checked);
    // Ticked in the summary: its window follows.
    largest->item(0, 0)->setCheckState(Qt::Checked);
    QCOMPARE(report->reportWorking()->picked(), (QVector<int>{0, 1}));
    largest->setCurrentCell(0, 0);
    CLICK(summary, "workingButton");
    QCOMPARE(w->posting(), 0);
    QVERIFY(control<QCheckBox>(w, "printCheck")->isChecked());
    largest->item(0, 0)->setCheckState(Qt::Unchecked);
    QVERIFY(!control<QCheckBox>(w, "printCheck")->isChecked());

    // The copied summary has the rates too.
    CLICK(summary, "copyButton");
    QVERIFY(QGuiApplication::clipboard()->text().contains(
        "2/29/2024   580.00  583.63       -3.63        7.30 %         7.255 %\n"));

    // The printed report: the summary page counts them, the picked working follows the report.
    h.dialogs.previewToPdf = h.fixture.path("report.pdf");
    CLICK(report, "cmdPreview");
    QVERIFY2(h.dialogs.previews.value(0).painted, qPrintable(h.dialogs.previews.value(0).error));
    const QString printed = pdfText(h.dialogs.previewToPdf);
    for (const char* expected :
         {"In 2 of 2 postings the lender effectively charged a rate", "Page 1 of 1 Pages",
          "Working of the interest due on 2/29/2024", "Interest due (Int Due): 583.63"})
        QVERIFY2(printed.contains(expected), qPrintable(QString(expected) + " not in: " + printed));
    QVERIFY(!printed.contains("Working of the interest due on 1/31/2024"));
    QVERIFY(printed.indexOf("Page 1 of 1 Pages") < printed.indexOf("Working of the interest"));
}

// A report without interest postings (no method calculates interest) offers no working.
void TestWorkingWindow::noPostingNoWorking() {
    Account h;
    h.main->setTag(Tag::Method, "4");
    auto* report = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(report);
    QVERIFY(!control<QPushButton>(report, "cmdWorking")->isEnabled());
    report->showWorkingOfLine(0);
    QCOMPARE(h.dialogs.messageTexts(),
             QStringList{"The report has no interest posting to show the working of."});
    QVERIFY(!h.main->isLoaded(WorkingWindow::Name));
}

QTEST_MAIN(TestWorkingWindow)
#include "tst_workingwindow.moc"
