// What the lender over- or under-charged: the summary's figures, its sentence, the tool's
// --summary CSV against the report's own columns, and the Summary window opened from the report.
#include "engine/InterestSummary.h"
#include "render/ReportRendering.h"
#include "render/ReportTable.h"
#include "render/SummaryPage.h"
#include "render/SummaryRendering.h"
#include "report/SummaryWindow.h"
#include "report/WorkingWindow.h"
#include "report/frmCalculate.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "support/Controls.h"
#include "support/RateHistory.h"
#include "support/RecordsHarness.h"

#include "support/ReportTool.h"
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>

#include <QTest>

using namespace InterestSummary;

namespace {

Money m(const char* text) {
    return Money::parse(QString::fromLatin1(text)).value();
}

QDate d(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

// A transaction line charging `interest` (0 for a deposit), as the engine writes one.
ReportLine charge(const char* date, const char* interest) {
    ReportLine l;
    l.date = d(date);
    l.amounts.fill(Money());
    l.amounts[AmountColumn::InterestPayment] = m(interest);
    return l;
}

ReportLine posting(const char* date, const char* due) {
    ReportLine l;
    l.kind = ReportLine::Kind::Interest;
    l.date = d(date);
    l.interestDue = m(due);
    return l;
}

// Worked out by hand: a charge above the interest due, one below, one equal, a charge with no
// posting on its date, a posting with no charge, and a pair that differs by a cent before the
// two are rounded as the report shows them and agrees after.
QVector<ReportLine> handWorked() {
    return {charge("2024-01-01", "0"),       charge("2024-01-10", "0"),
            posting("2024-01-31", "100.00"), charge("2024-01-31", "105.00"),
            posting("2024-02-29", "98.25"),  charge("2024-02-29", "95.50"),
            posting("2024-03-31", "101.00"), charge("2024-03-31", "101.00"),
            charge("2024-04-15", "12.00"),   posting("2024-04-30", "99.99"),
            posting("2025-01-31", "79.995"), charge("2025-01-31", "80.0049")};
}

// The missing-statement prompt as a plain window with its three boxes.
FormWindow* informationStandIn(MDIForm1& main) {
    auto* w = new FormWindow(main, WindowNames::Information);
    for (const char* name : {"txtInformation", "txtData", "txtInfo2"})
        (new QLineEdit(w))->setObjectName(name);
    return w;
}

} // namespace

class TestSummary : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void handWorkedFigures();
    void sentence_data();
    void sentence();
    void incompletePostingsAreNotCompared();
    void sumsOutOfRangeGiveNoSummary();
    void chartLabelsNeverRepeat_data();
    void chartLabelsNeverRepeat();
    void toolYearsAddUpToTheReportColumns();
    void printedReportBeginsWithTheSummary();
    void windowFromTheReport();
    void explanationsInTheWindow();
};

void TestSummary::handWorkedFigures() {
    const std::optional<Summary> s = summarise(handWorked());
    QVERIFY(s);
    QCOMPARE(s->postings,
             (QVector<Posting>{{d("2024-01-31"), m("105"), m("100"), m("5"), m("5")},
                               {d("2024-02-29"), m("95.5"), m("98.25"), m("-2.75"), m("2.25")},
                               {d("2024-03-31"), m("101"), m("101"), m("0"), m("2.25")},
                               {d("2025-01-31"), m("80"), m("80"), m("0"), m("2.25")}}));
    QCOMPARE(s->chargesWithoutPosting, (QVector<Unpaired>{{d("2024-04-15"), m("12")}}));
    QCOMPARE(s->postingsWithoutCharge, (QVector<Unpaired>{{d("2024-04-30"), m("99.99")}}));
    QCOMPARE(s->years, (QVector<Year>{{2024, m("313.50"), m("399.24"), m("-85.74")},
                                      {2025, m("80"), m("80"), m("0")}}));
    // The whole history is the report's own totals, and the parts add up to it.
    const ReportRendering::Totals report = ReportRendering::totals(handWorked());
    QCOMPARE(s->charged, *report.interestCharged);
    QCOMPARE(s->due, *report.interestDue);
    QCOMPARE(s->difference, m("-85.74"));
    QCOMPARE(s->overCharged, m("5"));
    QCOMPARE(s->underCharged, m("2.75"));
    QCOMPARE(s->overChargedCount, 1);
    QCOMPARE(s->underChargedCount, 1);
    QCOMPARE(s->unpairedCharged, m("12"));
    QCOMPARE(s->unpairedDue, m("99.99"));
    QCOMPARE(s->monthsCompared, 5);  // January to April 2024, January 2025
    QCOMPARE(s->monthsDiffering, 3); // January, February, April
    QCOMPARE(s->monthsSpanned, 13);
    QCOMPARE(s->largest, (QVector<Posting>{s->postings[0], s->postings[1]}));

    // The running total's chart: a point per posting, at its date.
    const QVector<QPointF> points = runningTotalSeries(*s);
    QCOMPARE(points.size(), s->postings.size());
    QCOMPARE(points[1].y(), 2.25);
    QCOMPARE(qint64(points[3].x()), d("2025-01-31").startOfDay().toMSecsSinceEpoch());
    QCOMPARE(nearestPosting(*s, points[1].x() + 1000), 1);

    QCOMPARE(SummaryRendering::csv(*s), QByteArray("year,charged,due,difference,not_comparable\n"
                                                   "2024,313.50,399.24,-85.74,0\n"
                                                   "2025,80.00,80.00,0.00,0\n"
                                                   "total,393.50,479.24,-85.74,0\n"));
}

void TestSummary::sentence_data() {
    QTest::addColumn<QVector<ReportLine>>("lines");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("less, with an unpaired charge and posting")
        << handWorked()
        << "Over 13 months your lender charged 85.74 less interest than these figures give, more "
           "in 2 and less in 2 of 5 months.";
    QVector<ReportLine> years = {charge("1985-07-01", "0")};
    for (int y = 1986; y <= 2025; ++y) {
        const QByteArray date = QByteArray::number(y) + "-06-30";
        years << posting(date.constData(), "1000") << charge(date.constData(), "1030.864");
    }
    QTest::newRow("more, over decades")
        << years
        << "Over 40 years your lender charged 1,234.40 more interest than these figures give, more "
           "in 40 of 40 months.";
    QTest::newRow("equal") << QVector<ReportLine>{posting("2024-01-31", "5"),
                                                  charge("2024-01-31", "5")}
                           << "Over 1 month your lender charged the interest these figures give.";
    QTest::newRow("equal in total only")
        << QVector<ReportLine>{posting("2024-01-31", "5"), charge("2024-01-31", "6"),
                               posting("2024-02-29", "5"), charge("2024-02-29", "4")}
        << "Over 2 months your lender charged in total the interest these figures give, though "
           "more in 1 and less in 1 of 2 months.";
    QTest::newRow("no interest") << QVector<ReportLine>{charge("2024-01-05", "0")}
                                 << "The report has no interest charged or due to compare.";
}

void TestSummary::sentence() {
    QFETCH(QVector<ReportLine>, lines);
    QFETCH(QString, sentence);
    const std::optional<Summary> s = summarise(lines);
    QVERIFY(s);
    QCOMPARE(SummaryRendering::sentence(*s), sentence);
}

// A posting that cannot be compared stays in the years and totals (which still equal the report's
// columns) but not in the sentence, the over/under figures or the largest differences.
void TestSummary::incompletePostingsAreNotCompared() {
    ReportLine part = posting("2024-01-31", "500"), gap = posting("2024-03-31", "900");
    part.incomplete = ReportLine::Incomplete::PartPeriod;
    gap.incomplete = ReportLine::Incomplete::HistoryGap;
    const QVector<ReportLine> lines = {charge("2024-01-05", "0"),   part,
                                       charge("2024-01-31", "600"), posting("2024-02-29", "580"),
                                       charge("2024-02-29", "590"), gap,
                                       charge("2024-03-31", "620")};
    std::optional<Summary> s = summarise(lines, 20);
    QVERIFY(s);
    QCOMPARE(s->difference, m("-170"));
    QCOMPARE(s->incompleteDifference, m("-180"));
    QCOMPARE(s->overCharged, m("10"));
    QCOMPARE(s->overChargedCount, 1);
    QCOMPARE(s->largest.size(), 1);
    QCOMPARE(s->monthsCompared, 1);
    QCOMPARE(s->years.value(0).incomplete, 2);
    QCOMPARE(SummaryRendering::sentence(*s),
             "Over 3 months your lender charged 10.00 more interest than these figures give, more "
             "in 1 of 1 month, not counting 2 postings whose period is incomplete: a missing "
             "statement (20) and a history that starts part-way through the lender's period.");
    QCOMPARE(SummaryRendering::csv(*s), QByteArray("year,charged,due,difference,not_comparable\n"
                                                   "2024,1810.00,1980.00,-170.00,2\n"
                                                   "total,1810.00,1980.00,-170.00,2\n"));
    const QString text = SummaryRendering::text(*s, {});
    QVERIFY2(text.contains("2024 *") && text.contains(SummaryRendering::IncompleteYearNote) &&
                 text.contains("Incomplete periods (2 postings):"),
             qPrintable(text));
    // The report's totals and the headline's are both given, each named for what it counts.
    const QString simplified = text.simplified();
    QVERIFY2(simplified.contains("Total of every posting 1,810.00 1,980.00 -170.00 "
                                 "Total compared 590.00 580.00 10.00"),
             qPrintable(text));

    // Several statements missing: none is named. The printed report's rows give the same.
    s = summarise(QVector<ReportLine>{charge("2024-01-05", "0"), gap, charge("2024-03-31", "620")});
    QVERIFY(s);
    QCOMPARE(SummaryRendering::sentence(*s),
             "The report has no interest charged or due to compare, not counting 1 posting whose "
             "period is incomplete: statements missing before it.");
    QVector<ReportTableRow> rows;
    for (const ReportLine& line : lines)
        rows << ReportTable::rowFor(line);
    QCOMPARE(ReportTable::summarise(rows, incompletePostings(lines), 20)->incomplete,
             summarise(lines, 20)->incomplete);
}

// The running total's time axis: no two of its labels read the same (years alone repeated
// themselves), and the printed value axis labels zero only where it clears both ends.
void TestSummary::chartLabelsNeverRepeat_data() {
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::newRow("three years") << QDate(2022, 1, 16) << QDate(2025, 1, 15);
    QTest::newRow("a year") << QDate(2023, 12, 16) << QDate(2024, 12, 31);
    QTest::newRow("three months") << QDate(2024, 1, 16) << QDate(2024, 4, 15);
    QTest::newRow("a month") << QDate(2024, 1, 16) << QDate(2024, 2, 15);
}

void TestSummary::chartLabelsNeverRepeat() {
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    constexpr int Ticks = 5;
    const QString format = timeAxisFormat(first, last, Ticks);
    QVERIFY(format.contains("MMM"));
    QSet<QString> labels;
    const qint64 span = first.startOfDay().msecsTo(last.startOfDay());
    for (int i = 0; i < Ticks; ++i)
        labels.insert(first.startOfDay().addMSecs(span * i / (Ticks - 1)).toString(format));
    QCOMPARE(labels.size(), Ticks);

    // 11.46 at the top of a 3,000-twip chart down to -1,721.76: zero would sit on the top label.
    QCOMPARE(SummaryPage::labelledLevels(-1721.76, 11.46, 3000, 240).size(), 2);
    QCOMPARE(SummaryPage::labelledLevels(-100, 100, 3000, 240).size(), 3);
}

void TestSummary::sumsOutOfRangeGiveNoSummary() {
    const Money huge = Money::fromRaw(std::numeric_limits<qint64>::max() / 100 * 60);
    ReportLine a = charge("2024-01-31", "0"), b = charge("2024-02-29", "0");
    a.amounts[AmountColumn::InterestPayment] = huge;
    b.amounts[AmountColumn::InterestPayment] = huge;
    QVERIFY(!summarise(QVector<ReportLine>{a, b}));
}

// The tool's summary CSV: one line a calendar year whose figures are the sums of the report's
// "Int Charge" and "Int Due" over that year, the same in a locale that writes "1.234,56".
void TestSummary::toolYearsAddUpToTheReportColumns() {
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    for (const char* sql :
         {"insert into tblAllRecords (Date, Deposit, InterestPayment, CloseBalance) values "
          "('2024-01-01', null, null, -1000000000), ('2024-01-05', 12345000, null, null), "
          "('2024-01-29', null, 5678900, null), ('2024-02-29', null, 5432100, null), "
          "('2024-12-20', null, 4000000, null), ('2025-01-29', null, 6000000, null), "
          "('2025-02-10', null, 1000000, null)",
          "insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) values "
          "('2024-01-01', '2025-12-31', 7.3)"})
        AccountFixture::exec(account, QString::fromLatin1(sql));

    const Run lines = report({account, "--method", "2", "--format", "csv"});
    QCOMPARE(lines.status, 0);
    QMap<QString, std::array<qint64, 2>> cents; // year: charged, due
    for (const QString& line : lines.out.split('\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList cells = line.split(',');
        std::array<qint64, 2>& year = cents[cells[0].left(4)];
        year[0] += qRound64(cells[5].toDouble() * 100);
        year[1] += qRound64(cells[6].toDouble() * 100);
    }
    // The history starts after the lender's charge before 29 January: that first posting is
    // counted in 2024's not_comparable.
    QString expected = "year,charged,due,difference,not_comparable\n";
    qint64 charged = 0, due = 0;
    const auto plain = [](qint64 c) {
        return ReportRendering::plainAmount(Money::fromRaw(c * 100));
    };
    for (auto it = cents.cbegin(); it != cents.cend(); ++it) {
        expected += it.key() + ',' + plain(it.value()[0]) + ',' + plain(it.value()[1]) + ',' +
                    plain(it.value()[0] - it.value()[1]) + (it.key() == "2024" ? ",1" : ",0") +
                    '\n';
        charged += it.value()[0];
        due += it.value()[1];
    }
    expected += "total," + plain(charged) + ',' + plain(due) + ',' + plain(charged - due) + ",1\n";
    QCOMPARE(cents.size(), 2);

    const Run summary = report({account, "--method", "2", "--summary", "--format", "csv"});
    QCOMPARE(summary.status, 0);
    QCOMPARE(summary.out, expected);
    QCOMPARE(report({account, "--method=2", "--summary", "--format=csv"}, "de_DE.UTF-8").out,
             expected);

    const Run text = report({account, "--method", "2", "--summary"});
    QCOMPARE(text.status, 0);
    QVERIFY2(text.out.contains("Method: Variable Day.\n"), qPrintable(text.out));
    QVERIFY(text.out.contains("Over 14 months your lender charged"));
    QCOMPARE(report({account, "--method", "2", "--summary=yes"}).status, 1);
}

// The printed report's first page, as the tool writes it without a display: the sentence, the
// totals and the years of the text summary; the report's own pages follow, numbered as before.
void TestSummary::printedReportBeginsWithTheSummary() {
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    AccountFixture::exec(account,
                         "insert into tblAllRecords (Date, InterestPayment, CloseBalance) values "
                         "('2024-01-01', null, -1000000000), ('2024-01-31', 6050000, null), "
                         "('2024-02-29', 5000000, null)");
    AccountFixture::exec(account, "insert into tblInterestChanges (ValidFrom, ValidTo, "
                                  "InterestRate) values ('2024-01-01', '2024-12-31', 7.3)");
    const QString pdf = fixture.path("report.pdf");
    QCOMPARE(report({account, "--method", "2", "--pdf", pdf}, "en_US.UTF-8").status, 0);
    const auto page = [&](int n) {
        QProcess p;
        p.start("pdftotext",
                {"-layout", "-f", QString::number(n), "-l", QString::number(n), pdf, "-"});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    };
    const QString first = page(1);
    const QStringList summary =
        report({account, "--method", "2", "--summary"}, "en_US.UTF-8").out.split('\n');
    QVERIFY2(summary[2].startsWith("Over 2 months your lender charged"), qPrintable(summary[2]));
    for (const QString& expected :
         {summary[2], QStringLiteral("Interest charged: 1,105.00"),
          summary.filter(QRegularExpression("^Total ")).value(0).simplified()})
        QVERIFY2(first.contains(expected), qPrintable(expected + " not in: " + first));
    QVERIFY(page(2).contains("Page 1 of 1 Pages"));
}

// "Summary" opens the window on the report's lines; "Copy as Text" puts the letter's text on the
// clipboard.
void TestSummary::windowFromTheReport() {
    RecordsHarness h({"2023-12-31 C=-100000", "2024-01-31 I=625"});
    h.main->registry().add(WindowNames::Information, &informationStandIn, false);
    h.main->setTag(Tag::File, "Open");
    h.main->setTag(Tag::Method, "2");
    h.sql("insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
          "values ('2023-12-31', '2024-12-31', 7.3)");
    auto* report = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(report);
    CLICK(report, "cmdSummary");
    auto* w = dynamic_cast<SummaryWindow*>(h.main->registry().loaded(SummaryWindow::Name));
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(control<QLabel>(w, "sentenceLabel")->text(),
             QStringLiteral("Over 1 month your lender charged 5.00 more interest than these "
                            "figures give, more in 1 of 1 month."));
    auto* years = control<QTableWidget>(w, "yearsGrid");
    QCOMPARE(years->rowCount(), 2); // 2024 and the total
    QCOMPARE(years->item(1, 3)->text(), QStringLiteral("5.00"));
    auto* largest = control<QTableWidget>(w, "largestGrid");
    QCOMPARE(largest->item(0, 0)->text(), QStringLiteral("1/31/2024"));
    // The tick says what it does, and does it where it is seen.
    QVERIFY(!largest->item(0, 0)->toolTip().isEmpty());
    auto* next = control<QLabel>(w, "nextLabel");
    QVERIFY2(next->text().endsWith("Tick a difference to end the printed report with its working."),
             qPrintable(next->text()));
    largest->item(0, 0)->setCheckState(Qt::Checked);
    QVERIFY2(next->text().endsWith("The printed report ends with the working of the posting "
                                   "ticked."),
             qPrintable(next->text()));
    largest->item(0, 0)->setCheckState(Qt::Unchecked);
    QVERIFY(next->text().endsWith("Tick a difference to end the printed report with its working."));
    QVERIFY(!control<QTableWidget>(w, "unpairedGrid")->isVisible());
    QCOMPARE(w->postingTip(0), QStringLiteral("1/31/2024\nCharged: 625.00\nDue: 620.00\n"
                                              "Difference: 5.00\nRunning total: 5.00"));

    CLICK(w, "copyButton");
    const QString copied = QGuiApplication::clipboard()->text();
    QVERIFY2(copied.contains("Account: " + h.account + '\n'), qPrintable(copied));
    QVERIFY(copied.contains("Method: Variable Day.\n"));
    QVERIFY(copied.contains("Conventions: Actual/365 Fixed, each day to four decimals.\n"));
    QVERIFY2(
        copied.contains("1/31/2024   625.00  620.00        5.00        7.30 %         7.359 %\n"),
        qPrintable(copied));
    CLICK(w, "closeButton");
    QTRY_VERIFY(!h.main->isLoaded(SummaryWindow::Name));
}

// A lender that applied the rise of 10 June 14 days late: the summary names it, opens Show
// Working on every posting of its span, the days as due beside the days as the lender worked
// them and the lender's own charge beside the charge the explanation gives, and copies it.
void TestSummary::explanationsInTheWindow() {
    RecordsHarness h;
    const QStringList stored = {"2022-01-01 2022-06-09 4.5", "2022-06-10 2024-12-31 4.9"};
    const QVector<RatePeriod> lender =
        ReportRows::rates({"2022-01-01 2022-06-23 4.5", "2022-06-24 2024-12-31 4.9"});
    RateHistory::write(h.account,
                       RateHistory::history(InterestMethod::VariableDay, {}, lender, 12));
    RateHistory::writeRates(h.account, stored);
    h.main->setTag(Tag::Method, "2");
    h.main->setTag(Tag::File, "Open");
    auto* report = h.show<frmCalculate>(WindowNames::Calculate);
    QVERIFY(report);
    CLICK(report, "cmdSummary");
    FormWindow* summary = h.main->registry().loaded(SummaryWindow::Name);
    QVERIFY(summary);
    auto* grid = control<QTableWidget>(summary, "explanationsGrid");
    QCOMPARE(grid->rowCount(), 1);
    QVERIFY2(grid->item(0, 0)->text().contains("rate change of 6/10/2022 applied 14 days later"),
             qPrintable(grid->item(0, 0)->text()));
    CLICK(summary, "explainWorkingButton");
    auto* working = dynamic_cast<WorkingWindow*>(h.main->registry().loaded(WorkingWindow::Name));
    QVERIFY(working);
    QVERIFY(working->isVisible());
    QCOMPARE(working->windowTitle(), QStringLiteral("Show Working of the Explanation"));
    QCOMPARE(working->count(), 2); // the postings of 15 June and 15 July
    auto* days = control<QTableWidget>(working, "workingGrid");
    auto* foot = control<QTableWidget>(working, "footGrid");
    const auto footValue = [&](const QString& label) {
        for (int r = 0; r < foot->rowCount(); ++r) {
            if (foot->item(r, 0)->text() == label)
                return foot->item(r, 1)->text();
        }
        return QString();
    };
    for (const char* date : {"6/15/2022", "7/15/2022"}) {
        QVERIFY2(control<QLabel>(working, "titleLabel")->text().contains(date),
                 qPrintable(control<QLabel>(working, "titleLabel")->text()));
        QCOMPARE(days->horizontalHeaderItem(6)->text(), QStringLiteral("Interest, lender"));
        QVERIFY(!footValue("Lender's charge (Int Charge):").isEmpty());
        QCOMPARE(footValue("Charge under the explanation:"),
                 footValue("Lender's charge (Int Charge):"));
        QVERIFY(footValue("Interest due (Int Due):") != footValue("Lender's charge (Int Charge):"));
        QCOMPARE(control<QLabel>(working, "notesLabel")->text(),
                 QStringLiteral("The charge under the explanation equals the lender's charge."));
        if (QLatin1String(date) == QLatin1String("6/15/2022"))
            CLICK(working, "nextButton");
    }
    QVERIFY(!control<QPushButton>(working, "nextButton")->isEnabled());
    QVERIFY(!control<QCheckBox>(working, "printCheck")->isVisibleTo(working));
    CLICK(summary, "copyButton");
    QVERIFY(QGuiApplication::clipboard()->text().contains("What explains the differences"));
}

QTEST_MAIN(TestSummary)
#include "tst_summary.moc"
