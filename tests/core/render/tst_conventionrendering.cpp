// The lender's conventions beyond the daily balance as the tool's renderings show them: the
// ranking's CSV gains the rest, the compounding and the periods a year at the end of each line,
// its text names them; the working names the held balance, the day's part of a year under equal
// periods and the rate compounding gives, and stays as it was under the defaults.
#include "render/LenderFitRendering.h"
#include "render/RateProposalRendering.h"
#include "render/WorkingRendering.h"

#include <QLocale>
#include <QTest>

namespace {

constexpr InterestRounding Posting = InterestRounding::Posting;

FitScore score(int method, const char* day, const LenderConventions& c, int matched,
               const char* difference) {
    FitScore s;
    s.candidate = CalculationBasis::of(method, CalcDay::Day::fromCalcFrom(day), c);
    s.matched = matched;
    s.charges = 4;
    s.difference = *Money::parse(difference);
    return s;
}

// Two days of a posting on 31 January 2025: -1,000.00 owed, -900.00 bearing interest at 6 %.
InterestWorking::Working twoDays(const LenderConventions& c, int divisor) {
    InterestWorking::Working w;
    w.basis = CalculationBasis::of(2, {}, c);
    InterestWorking::PostingWorking p;
    p.date = QDate(2025, 1, 31);
    p.interestDue = *Money::parse("0.30");
    for (int day : {29, 30}) {
        InterestWorking::WorkingDay d;
        d.date = QDate(2025, 1, day);
        d.balance = *Money::parse("-1000");
        d.accruing = *Money::parse("-900");
        d.rate = *Rate::parse(u"6");
        d.divisor = divisor;
        d.unrounded = 900 * 6.0 / divisor / 100;
        if (c.rounding != Posting)
            d.interest = Money::fromRaw(1479);
        p.days << d;
    }
    w.postings << p;
    return w;
}

WorkingRendering::Table tableOf(const InterestWorking::Working& w) {
    SummaryRendering::Basis basis;
    basis.calculation = w.basis;
    return WorkingRendering::table(w, 0, {}, basis);
}

} // namespace

class TestConventionRendering : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void fitCsvEndsWithTheConventions();
    void rankingsNameTheConventions();
    void working_data();
    void working();
};

void TestConventionRendering::fitCsvEndsWithTheConventions() {
    const LenderConventions canadian{DayCount::EqualPeriods, Posting, Rest::annual(),
                                     Compounding::HalfYearly, 26};
    const LenderConventions blocks{DayCount::Thirty360, Posting, Rest::blocks(6, 1)};
    const LenderConventions compounded{DayCount::Actual365Fixed, InterestRounding::Day2, Rest(),
                                       Compounding::HalfYearly, 12};
    const LenderConventions equal{DayCount::EqualPeriods, Posting, Rest::postingPeriod(),
                                  Compounding::None, 12};
    const QVector<FitScore> scores = {
        score(0, "15", canadian, 4, "0"), score(2, "", LenderConventions(), 3, "1.25"),
        score(1, "3", blocks, 2, "10.5"), score(3, "", compounded, 1, "20"),
        score(0, "1", equal, 0, "30")};
    QCOMPARE(LenderFitRendering::csv(scores),
             QByteArray("method,day,day_count,rounding,matched,charges,difference,rest,"
                        "compounding,per_year\n"
                        "0,15,equal,posting,4,4,0.00,months:12@1,half-yearly,26\n"
                        "2,,act365,day4,3,4,1.25,daily,none,\n"
                        "1,3,30360,posting,2,4,10.50,months:6@1,none,\n"
                        "3,,act365,day2,1,4,20.00,daily,half-yearly,12\n"
                        "0,1,equal,posting,0,4,30.00,period,none,12\n"));

    const QStringList text =
        QString::fromUtf8(LenderFitRendering::text(scores)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(text.size(), 6);
    QCOMPARE(text[0].simplified(), QStringLiteral("Method Day Day Count Rounding Rest Compounding "
                                                  "Charges Matched Total Difference"));
    QCOMPARE(text[1].simplified(),
             QStringLiteral("Fixed Day 15 Equal periods (26) At posting, to cents Annual "
                            "Half-yearly (26) 4 of 4 0.00"));
    QCOMPARE(text[2].simplified(), QStringLiteral("Variable Day Actual/365 Fixed Each day to four "
                                                  "decimals Daily None 3 of 4 1.25"));
    QVERIFY2(text[3].simplified().contains("30/360 At posting, to cents 6-month blocks from "
                                           "January None 2 of 4"),
             qPrintable(text[3]));
    QVERIFY2(text[4].simplified().contains("Each day to cents Daily Half-yearly (12) 1 of 4"),
             qPrintable(text[4]));
    QVERIFY2(text[5].simplified().contains("Equal periods (12) At posting, to cents Posting "
                                           "period None 0 of 4"),
             qPrintable(text[5]));
}

// The ranking of --method any names each way's rest and compounding, as --fit's text does.
void TestConventionRendering::rankingsNameTheConventions() {
    RateProposal::Ranked held;
    held.candidate = CalculationBasis::of(
        2, {}, {DayCount::Thirty360, Posting, Rest::postingPeriod(), Compounding::HalfYearly, 12});
    held.reproduced = 5;
    held.charges = 6;
    held.periods = 2;
    const QStringList lines =
        RateProposalRendering::rankingText({held}, 5).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0].simplified(),
             QStringLiteral("Method Day Day Count Rounding Rest Compounding Reproduced Periods"));
    QCOMPARE(lines[1].simplified(), QStringLiteral("Variable Day 30/360 At posting, to cents "
                                                   "Posting period Half-yearly (12) 5 of 6 2"));
}

void TestConventionRendering::working_data() {
    QTest::addColumn<LenderConventions>("conventions");
    QTest::addColumn<int>("divisor");
    QTest::addColumn<QStringList>("about"); // the lines between the conventions and the period
    QTest::addColumn<QString>("accruing");  // its heading
    QTest::addColumn<QString>("divisorHeading");
    QTest::addColumn<QString>("divisorCell");

    QTest::newRow("defaults") << LenderConventions() << 365 << QStringList() << "Bears interest"
                              << "Divisor"
                              << "365";
    QTest::newRow("posting period rest")
        << LenderConventions(DayCount::Actual360, Posting, Rest::postingPeriod()) << 360
        << QStringList{"Rest: the posting period. The balance on its first day is held for the "
                       "period (Held balance)."}
        << "Held balance"
        << "Divisor"
        << "360";
    QTest::newRow("annual rest")
        << LenderConventions(DayCount::Actual365Fixed, InterestRounding::Day4, Rest::annual())
        << 365
        << QStringList{"Rest: Annual. The balance on the first day of each block is held for the "
                       "block (Held balance)."}
        << "Held balance"
        << "Divisor"
        << "365";
    // n = 12, D = 31: each day 1/372 of a year.
    QTest::newRow("equal periods")
        << LenderConventions(DayCount::EqualPeriods, Posting) << 372
        << QStringList{"Equal periods: each posting period is 1/12 of a year; each of its days "
                       "bears 1/(12 × its days) of the yearly rate (Part of a year)."}
        << "Bears interest"
        << "Part of a year"
        << "1/372";
    // 100 x 12 x (1.03^(1/6) - 1) = 5.926346 % a year.
    QTest::newRow("compounded")
        << LenderConventions(DayCount::Actual365Fixed, InterestRounding::Day4, Rest(),
                             Compounding::HalfYearly, 12)
        << 365
        << QStringList{"Compounding: each day bears the nominal rate over 12 periods a year "
                       "equivalent to the rate entered compounded half-yearly.",
                       "Rate the days bear: 5.926346 % for 6.000 % entered."}
        << "Bears interest"
        << "Divisor"
        << "365";
}

void TestConventionRendering::working() {
    QFETCH(LenderConventions, conventions);
    QFETCH(int, divisor);
    QFETCH(QStringList, about);
    QFETCH(QString, accruing);
    QFETCH(QString, divisorHeading);
    QFETCH(QString, divisorCell);
    const InterestWorking::Working w = twoDays(conventions, divisor);
    const WorkingRendering::Table t = tableOf(w);
    QCOMPARE(t.about.size(), 3 + about.size());
    QVERIFY(t.about[1].startsWith("Conventions: "));
    QCOMPARE(t.about.mid(2, about.size()), about);
    QVERIFY(t.about.last().startsWith("Period: "));
    const QStringList expected = {"Date",         "Balance", accruing,   "Rate %",
                                  divisorHeading, "Days",    "Interest", "Running total"};
    QCOMPARE(t.headings, expected);
    QCOMPARE(t.rows.first()[2], QStringLiteral("-900.00"));
    QCOMPARE(t.rows.first()[4], divisorCell);
    // The CSV keeps its columns and the divisor as a number.
    const QStringList csv =
        QString::fromLatin1(WorkingRendering::csv(w, 0)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(csv[0], WorkingRendering::csvHeadings().join(','));
    QCOMPARE(csv[1].section(',', 6, 6), QString::number(divisor));
}

QTEST_GUILESS_MAIN(TestConventionRendering)
#include "tst_conventionrendering.moc"
