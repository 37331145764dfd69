// The printed report: its pages as data, its totals, the report window's Print Preview and Print
// read back from the PDF they produce, and the report tool's PDF of the same account.
#include "data/ShortDate.h"
#include "models/ReportLinesModel.h"
#include "render/PrintedReport.h"
#include "render/ReportRendering.h"
#include "report/frmCalculate.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RecordsHarness.h"

#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

// A page's bands in short: "RH PH 3D RF PF" (report header, page header, three detail bands,
// report footer, page footer).
QString spelled(const PrintedReport::Page& page) {
    QStringList out;
    int details = 0;
    for (const PrintedReport::Band& b : page.bands) {
        if (b.kind == PrintedReport::BandKind::Detail) {
            ++details;
            continue;
        }
        if (details)
            out << QString::number(details) + 'D';
        details = 0;
        static const char* const names[] = {"RH", "PH", "D", "RF", "PF"};
        out << names[int(b.kind)];
    }
    return out.join(' ');
}

// What a reader of the PDF sees: its text, laid out as on the page, spaces run together.
QStringList pdfLines(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {QStringLiteral("pdftotext failed (poppler-utils: scripts/install-deps)")};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        lines << line.simplified();
    return lines;
}

QString reportTool(const QStringList& args, int* status) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM"); // the tool finds its own way without a display
    env.insert("LC_ALL", "en_US.UTF-8");
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VANTRELL_PROGRAM_DIR "/vantrell-report"), args);
    p.waitForFinished(60000);
    *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

// The value after `label` in the text report's totals.
QString textTotal(const QString& report, const QString& label) {
    const QRegularExpression re(QRegularExpression::escape(label) + "\\s+(\\S+)");
    return re.match(report).captured(1);
}

} // namespace

class TestPrintedReport : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void pages_data();
    void pages();
    void totalsCountOnlyFilledCells();
    void previewAndPrintShowTheGrid();
    void offsetColumn();
};

// A 4000-twip page holds 8 detail bands under the report header, 11 on later pages; the report
// footer needs 795 twips above the page footer.
void TestPrintedReport::pages_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pageHeight");
    QTest::addColumn<QStringList>("pages");
    QTest::newRow("empty grid: no detail band") << 0 << 4000 << QStringList{"RH PH RF PF"};
    QTest::newRow("footer fits") << 4 << 4000 << QStringList{"RH PH 4D RF PF"};
    QTest::newRow("footer on a page of its own")
        << 5 << 4000 << QStringList{"RH PH 5D PF", "PH RF PF"};
    QTest::newRow("three pages") << 22 << 4000
                                 << QStringList{"RH PH 8D PF", "PH 11D PF", "PH 3D RF PF"};
    QTest::newRow("page too small still moves on")
        << 2 << 1000 << QStringList{"RH PH 1D PF", "PH 1D PF", "PH RF PF"};
}

void TestPrintedReport::pages() {
    QFETCH(int, rows);
    QFETCH(int, pageHeight);
    QFETCH(QStringList, pages);
    const QVector<PrintedReport::Page> laid = PrintedReport::layout(rows, pageHeight);
    QStringList got;
    int next = 0;
    for (const PrintedReport::Page& page : laid) {
        got << spelled(page);
        // Every row once, in order; the page footer at the foot of the page.
        for (const PrintedReport::Band& b : page.bands) {
            if (b.kind == PrintedReport::BandKind::Detail)
                QCOMPARE(b.row, next++);
        }
        if (pageHeight > 3000)
            QCOMPARE(page.bands.last().top, pageHeight - 934);
    }
    QCOMPARE(got, pages);
    QCOMPARE(next, rows);
}

// Interest lines have empty amounts and transaction lines no interest due: each total adds only
// the filled cells, as shown to the cent, and Interest Paid and Interest Due are the text
// report's totals.
void TestPrintedReport::totalsCountOnlyFilledCells() {
    ReportLine t;
    t.amounts = {Money::fromRaw(10000), Money::fromRaw(50), Money(), Money::fromRaw(12345000),
                 Money::fromRaw(6000050)};
    t.balance = Money::fromRaw(-999999999);
    ReportLine i;
    i.kind = ReportLine::Kind::Interest;
    i.interestDue = Money::fromRaw(5555549);
    const QVector<ReportLine> lines = {t, i, t, i, i};
    QVector<ReportTableRow> rows;
    for (const ReportLine& line : lines)
        rows << ReportTable::rowFor(line);
    const PrintedReport::Totals sums = PrintedReport::totals(rows);
    const QStringList expected = {"2", "0.02", "0", "2469", "1200.02", "1666.65"};
    for (int c = 0; c < int(sums.size()); ++c)
        QCOMPARE(sums[std::size_t(c)]->toPlainText(), expected[c]);
    const ReportRendering::Totals text = ReportRendering::totals(lines);
    QCOMPARE(sums[ReportTableRow::InterestPayment], text.interestCharged);
    QCOMPARE(sums[ReportTableRow::InterestDue], text.interestDue);
}

// Print Preview copies the grid into tblReport (twice without doubling it) and shows every line
// with its headings, page numbers and totals; Print asks the print dialog first, for the whole
// report. The totals are those of the report tool for the same account.
void TestPrintedReport::previewAndPrintShowTheGrid() {
    RecordsHarness h({"2024-01-01 C=-100000", "2024-01-10 D=1234.5", "2024-01-31 I=600"});
    h.main->setTag(Tag::File, "Open");
    h.main->setTag(Tag::Method, "2");
    h.sql("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
          "values ('2024-01-01', '2024-12-31', 7.3)");
    auto* w = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(w);
    const QVector<ReportLine> lines = w->reportModel()->lines();
    QCOMPARE(lines.size(), 3);

    h.dialogs.previewToPdf = h.fixture.path("preview.pdf");
    for (int click = 0; click < 2; ++click) {
        CLICK(w, "cmdPreview");
        QCOMPARE(AccountFixture::column(h.account, "select count(*) from tblReport"),
                 QStringList{"3"});
    }
    QCOMPARE(h.dialogs.previews.size(), 2);
    QCOMPARE(h.dialogs.previews[1].caption, QStringLiteral("Vantrell Report"));
    QVERIFY2(h.dialogs.previews[1].painted, qPrintable(h.dialogs.previews[1].error));
    QVERIFY(w->flexGrid()->isVisible());

    int status = -1;
    const QString text = reportTool({h.account, "--method", "2"}, &status);
    QCOMPARE(status, 0);
    const QString charged = textTotal(text, "Total Int Charge:");
    const QString due = textTotal(text, "Total Int Due:");
    QCOMPARE(charged, QStringLiteral("600.00"));
    const QString totals = "0.00 0.00 0.00 1,234.50 " + charged + ' ' + due;

    const QStringList preview = pdfLines(h.dialogs.previewToPdf);
    for (const QString& expected :
         {QStringLiteral("Date: Govt Charge: Bank Charge: Withdrawal: Deposit: Interest Paid: "
                         "Interest Due: Balance:"),
          QStringLiteral("10/01/2024 0.00 0.00 0.00 1,234.50 0.00 -98,765.50"),
          QStringLiteral("31/01/2024 ") + due + QStringLiteral(" -99,365.50")})
        QVERIFY2(std::any_of(preview.begin(), preview.end(),
                             [&](const QString& l) { return l.startsWith(expected); }),
                 qPrintable(expected + " not in:\n" + preview.join('\n')));
    for (const QString& expected : {totals, QStringLiteral("Errors and Omissions Excluded."),
                                    QStringLiteral("Page 1 of 1 Pages Printed on ") +
                                        ShortDate::format(w->printedReport().content().printedOn)})
        QVERIFY2(preview.contains(expected),
                 qPrintable(expected + " not in:\n" + preview.join('\n')));
    QVERIFY(preview.join(' ').contains(h.account.section('/', -1)));

    // Cancelled, nothing printed; then the whole report reaches the printer.
    h.dialogs.printToPdf = h.fixture.path("print.pdf");
    h.dialogs.printAnswers << false << true;
    CLICK(w, "cmdPrint");
    QVERIFY(!QFile::exists(h.dialogs.printToPdf));
    CLICK(w, "cmdPrint");
    QCOMPARE(h.dialogs.printFlags, (QList<int>{PrintFlags::NoPageNums, PrintFlags::NoPageNums}));
    QVERIFY(pdfLines(h.dialogs.printToPdf).contains(totals));
    QVERIFY2(h.dialogs.messages.isEmpty(), qPrintable(h.dialogs.messageTexts().join('\n')));

    // The tool prints the same report without a display; a file it cannot write is an error.
    const QString pdf = h.fixture.path("tool.pdf");
    reportTool({h.account, "--method", "2", "--pdf", pdf}, &status);
    QCOMPARE(status, 0);
    QVERIFY(pdfLines(pdf).contains(totals));
    const QString refused = reportTool(
        {h.account, "--method", "2", "--pdf", h.fixture.path("no/such/dir.pdf")}, &status);
    QCOMPARE(status, 2);
    QVERIFY2(refused.contains("cannot write"), qPrintable(refused));
}

// An account with an offset account: the grid, the printed report and the tool's CSV end with
// the counted offset. 40 % of 50,000.00 counts 20,000.00, so -80,000.00 bears 16.00 a day.
void TestPrintedReport::offsetColumn() {
    RecordsHarness h({"2024-01-01 C=-100000", "2024-01-31 I=600"});
    h.main->setTag(Tag::File, "Open");
    h.main->setTag(Tag::Method, "2");
    h.sql("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
          "values ('2024-01-01', '2024-12-31', 7.3)");
    h.sql("insert into tblSettings (Name, Value) values ('OffsetAccount', 'yes'), "
          "('OffsetShare', '40')");
    h.sql("insert into tblOffsetBalances (Date, Balance) values ('2024-01-01', 500000000)");
    auto* w = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(w);
    const ReportLinesModel* grid = w->reportModel();
    QCOMPARE(grid->columnCount(), ReportLine::ColumnCount + 1);
    QCOMPARE(grid->headerData(ReportLine::OffsetColumn, Qt::Horizontal).toString(), "Offset");
    QCOMPARE(grid->cellText(1, ReportLine::InterestDueColumn), "480.00");
    QCOMPARE(grid->cellText(1, ReportLine::OffsetColumn), "20,000.00");

    h.dialogs.previewToPdf = h.fixture.path("preview.pdf");
    CLICK(w, "cmdPreview");
    const QStringList preview = pdfLines(h.dialogs.previewToPdf);
    for (const QString& expected : {QStringLiteral("Interest Due: Balance: Offset:"),
                                    QStringLiteral("31/01/2024 480.00 -100,600.00 20,000.00")})
        QVERIFY2(std::any_of(preview.begin(), preview.end(),
                             [&](const QString& l) { return l.endsWith(expected); }),
                 qPrintable(expected + " not in:\n" + preview.join('\n')));

    int status = -1;
    const QString csv = reportTool({h.account, "--method", "2", "--format", "csv"}, &status);
    QCOMPARE(status, 0);
    QCOMPARE(csv.section('\n', 0, 0), "Date,Govt Chge,Bank Chge,W'drawal,Deposit,Int Charge,Int "
                                      "Due,Balance,Offset");
}

QTEST_MAIN(TestPrintedReport)
#include "tst_printedreport.moc"
