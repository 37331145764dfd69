// "Find my lender's method": charges made by a known method, day and conventions are found
// again, first and every one matched; the ranking's order and its CSV; the pairing of charges
// with postings.
#include "engine/InterestEngine.h"
#include "engine/LenderFit.h"
#include "support/ChargedAccount.h"
#include "support/ReportRows.h"

#include <QLocale>
#include <QProcess>
#include <QTest>

Q_DECLARE_METATYPE(LenderConventions)

namespace {

QStringList fitLines(const QString& account, const QStringList& more, QString* err = nullptr) {
    QProcess p;
    p.start(QStringLiteral(VANTRELL_PROGRAM_DIR "/vantrell-report"),
            QStringList{account, "--fit"} + more);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    if (err)
        *err = QString::fromUtf8(p.readAllStandardError());
    return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

ReportLine line(const char* date, ReportLine::Kind kind, const char* amount) {
    ReportLine l;
    l.kind = kind;
    l.date = QDate::fromString(date, Qt::ISODate);
    const Money m = *Money::parse(amount);
    if (kind == ReportLine::Kind::Interest)
        l.interestDue = m;
    else
        l.amounts[AmountColumn::InterestPayment] = m;
    return l;
}

} // namespace

class TestLenderFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void knownWayRanksFirst_data();
    void knownWayRanksFirst();
    void tiesKeepTheDefaultsFirst();
    void candidateDays();
    void chargesPairWithPostingsOfTheirDate();
    void offsetIsCounted();
    void oneWalkScoresAsEachRun_data();
    void oneWalkScoresAsEachRun();
    void perYearFromTheSpacing();
};

// One account a way of charging, its charges made by Fixed Day from the 15th: a way that matches
// every charge comes first, and the known way matches every one. Under today's choices ties
// (Day4 against Posting, Fixed Day 15 against Variable Day) keep the fixed order, so exactly the
// known way leads.
void TestLenderFit::knownWayRanksFirst_data() {
    QTest::addColumn<LenderConventions>("conventions");
    QTest::addColumn<bool>("leads");
    for (int d = 0; d < Conventions::CalendarDayCountCount; ++d)
        QTest::newRow(qPrintable(Conventions::dayCountWords()[d]))
            << LenderConventions{DayCount(d)} << true;
    constexpr InterestRounding Posting = InterestRounding::Posting;
    QTest::newRow("equal") << LenderConventions{DayCount::EqualPeriods, Posting} << true;
    QTest::newRow("monthly rest") << LenderConventions{DayCount::Thirty360, Posting,
                                                       Rest::postingPeriod()}
                                  << false;
    QTest::newRow("annual rest") << LenderConventions{DayCount::Thirty360, Posting, Rest::annual()}
                                 << false;
    QTest::newRow("3-month blocks, day4")
        << LenderConventions{DayCount::Actual365Fixed, InterestRounding::Day4, Rest::blocks(3, 1)}
        << false;
    QTest::newRow("canadian") << LenderConventions{DayCount::EqualPeriods, Posting,
                                                   Rest::postingPeriod(), Compounding::HalfYearly}
                              << false;
    QTest::newRow("compounded, actual/360")
        << LenderConventions{DayCount::Actual360, InterestRounding::Day2, Rest::daily(),
                             Compounding::HalfYearly}
        << false;
}

void TestLenderFit::knownWayRanksFirst() {
    QFETCH(LenderConventions, conventions);
    QFETCH(bool, leads);
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    ChargedAccount::write(account,
                          ChargedAccount::history(InterestMethod::FixedDay, "14", conventions));
    const QStringList csv = fitLines(account, {"--format", "csv"});
    QCOMPARE(csv.value(0), "method,day,day_count,rounding,matched,charges,difference,rest,"
                           "compounding,per_year");
    const QString known =
        QStringLiteral("0,15,%1,%2,24,24,0.00,%3,%4,%5")
            .arg(Conventions::word(conventions.dayCount), Conventions::word(conventions.rounding),
                 Conventions::word(conventions.rest), Conventions::word(conventions.compounding),
                 conventions.usesPerYear() ? QStringLiteral("12") : QString());
    if (leads)
        QCOMPARE(csv.value(1), known);
    else
        QVERIFY2(csv.contains(known) && csv.value(1).contains(",24,24,0.00,"),
                 qPrintable(csv.value(1)));
    // Both fixed-day methods on the 15th and both Variable Day methods, under 160 conventions.
    QCOMPARE(csv.size(), 1 + 160 * 4);
    int lastMatched = 24;
    double lastDifference = 0;
    for (const QString& row : csv.mid(1)) {
        const QStringList f = row.split(',');
        QCOMPARE(f.size(), 10);
        QCOMPARE(f[1].isEmpty(), f[0] == "2" || f[0] == "3");
        const int matched = f[4].toInt();
        const double difference = f[6].toDouble();
        QVERIFY2(matched < lastMatched || (matched == lastMatched && difference >= lastDifference),
                 qPrintable(row));
        lastMatched = matched;
        lastDifference = difference;
    }

    const QStringList text = fitLines(account, {});
    QVERIFY(text.value(0).startsWith("Method "));
    QVERIFY2(text.value(1).startsWith("Fixed Day  ") && text.value(1).contains("24 of 24"),
             qPrintable(text.value(1)));
}

// No charges: every way ties, the defaults lead, and the tool says why.
void TestLenderFit::tiesKeepTheDefaultsFirst() {
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    QString err;
    const QStringList csv = fitLines(account, {"--format=csv"}, &err);
    QCOMPARE(csv.value(1), "2,,act365,day4,0,0,0.00,daily,none,");
    QCOMPARE(csv.value(2), "3,,act365,day4,0,0,0.00,daily,none,");
    QCOMPARE(csv.value(3), "2,,act365,day2,0,0,0.00,daily,none,");
    QVERIFY2(err.contains(LenderFit::NoCharges), qPrintable(err));
}

// The stored day first, then the days charges fall on; days 29 to 31 cannot be calculation days.
void TestLenderFit::candidateDays() {
    const QVector<HistoryRow> rows =
        ReportRows::history({"2024-01-01 close -1000", "2024-01-15 int 5", "2024-01-31 int 5",
                             "2024-02-05 int 5", "2024-02-15 int 5", "2024-02-20 dep 9"});
    QCOMPARE(LenderFit::candidateDays(rows, "20"), (QStringList{"20", "5", "15"}));
    QCOMPARE(LenderFit::candidateDays(rows, "15"), (QStringList{"15", "5"}));
    QCOMPARE(LenderFit::candidateDays(rows, "29"), (QStringList{"5", "15"}));
}

// Charges of one date count once, added up; a charge without a posting counts whole; a posting
// without a charge counts nothing.
void TestLenderFit::chargesPairWithPostingsOfTheirDate() {
    using K = ReportLine::Kind;
    const FitScore s = LenderFit::score(
        {line("2024-01-15", K::Transaction, "60"), line("2024-01-15", K::Transaction, "40"),
         line("2024-01-15", K::Interest, "100.004"), line("2024-02-15", K::Transaction, "50"),
         line("2024-03-10", K::Interest, "75"), line("2024-03-15", K::Transaction, "30"),
         line("2024-03-15", K::Interest, "29.5")});
    QCOMPARE(s.charges, 3);
    QCOMPARE(s.matched, 1);
    QCOMPARE(s.difference, *Money::parse("50.50"));
}

// Charges made on the loan less 60 % of an offset account match only once the account holds the
// offset: the search ranks on the same offset-adjusted figures as the report.
void TestLenderFit::offsetIsCounted() {
    const OffsetAccount offset{true,
                               6000,
                               {{0, QDate(2023, 1, 1), *Money::parse("100000")},
                                {0, QDate(2023, 7, 20), *Money::parse("30000")}}};
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    ChargedAccount::write(account,
                          ChargedAccount::history(InterestMethod::FixedDay, "14", {}, offset));
    QVERIFY(!fitLines(account, {"--format", "csv"}).value(1).contains(",24,24,"));
    AccountFixture::exec(account, "insert into tblOffsetBalances (Date, Balance) values "
                                  "('2023-01-01', 1000000000), ('2023-07-20', 300000000)");
    AccountFixture::exec(account, "insert into tblSettings (Name, Value) values "
                                  "('OffsetAccount', 'yes'), ('OffsetShare', '60')");
    QCOMPARE(fitLines(account, {"--format", "csv"}).value(1),
             "0,15,act365,day4,24,24,0.00,daily,none,");
}

// The search works every convention from one walk per method and day: each candidate's score is
// the score of its own run of the engine, on a history with a balance row inside a period and
// a rate change inside one.
void TestLenderFit::oneWalkScoresAsEachRun_data() {
    QTest::addColumn<LenderConventions>("chargedUnder");
    QTest::newRow("daily") << LenderConventions();
    QTest::newRow("annual rest") << LenderConventions{DayCount::Thirty360,
                                                      InterestRounding::Posting, Rest::annual()};
}

void TestLenderFit::oneWalkScoresAsEachRun() {
    QFETCH(LenderConventions, chargedUnder);
    const QVector<RatePeriod> rates = {
        {1, QDate(2023, 1, 1), QDate(2023, 6, 20), *Rate::fromReal(6.1)},
        {2, QDate(2023, 6, 21), QDate(2024, 12, 31), *Rate::fromReal(5.85)}};
    ChargedHistory::Loan loan;
    loan.months = 14;
    QVector<HistoryRow> history =
        ChargedHistory::charged(InterestMethod::FixedDay, "14", chargedUnder, rates, loan);
    HistoryRow reset;
    reset.date = QDate(2023, 9, 9);
    reset.closeBalance = StoredMoney::of(*Money::parse("-350000"));
    reset.id = 999;
    history.insert(history.size() / 2, reset);
    std::stable_sort(history.begin(), history.end(),
                     [](const HistoryRow& a, const HistoryRow& b) { return a.date < b.date; });

    const LenderFit::Ranking ranking = LenderFit::rank(history, rates, "14", {}, 1);
    QCOMPARE(ranking.scores.size(),
             LenderFit::candidates(LenderFit::candidateDays(history, "14")).size());
    for (const FitScore& s : ranking.scores) {
        const FitScore own =
            LenderFit::score(InterestEngine::calculate(history, rates, s.candidate, {},
                                                       InterestEngine::Output::Postings)
                                 .lines);
        QVERIFY2(own.matched == s.matched && own.difference == s.difference,
                 qPrintable(QStringLiteral("%1 %2: %3 against %4")
                                .arg(s.candidate.methodCode())
                                .arg(Conventions::describe(s.candidate.conventions))
                                .arg(s.matched)
                                .arg(own.matched)));
    }
}

void TestLenderFit::perYearFromTheSpacing() {
    const auto charges = [](int days, int count) {
        QStringList rows = {"2024-01-01 close -1000"};
        for (int i = 1; i <= count; ++i)
            rows << QDate(2024, 1, 1).addDays(i * days).toString(Qt::ISODate) + " int 5";
        return ReportRows::history(rows);
    };
    QCOMPARE(LenderFit::suggestedPerYear(charges(7, 10)), 52);
    QCOMPARE(LenderFit::suggestedPerYear(charges(14, 10)), 26);
    QCOMPARE(LenderFit::suggestedPerYear(charges(15, 10)), 24);
    QCOMPARE(LenderFit::suggestedPerYear(charges(30, 10)), 12);
    QCOMPARE(LenderFit::suggestedPerYear(charges(30, 0)), 12);
}

QTEST_GUILESS_MAIN(TestLenderFit)
#include "tst_lenderfit.moc"
