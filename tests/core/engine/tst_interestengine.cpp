#include "engine/InterestEngine.h"
#include "support/ReportRows.h"

#include <QTest>

using namespace ReportRows;

namespace {

const QString DateError = QString::fromLatin1(InterestEngine::InterestDateError);
const QStringList Year2024 = {"2024-01-01 2024-12-31 7.3"};

// A debit of 100,000.00 from 1 January 2024 (20.0000 a day at 7.3), a deposit on the 10th,
// the lender's interest charge on the 14th, a last deposit on the 20th.
const QStringList January = {"2024-01-01 close -100000", "2024-01-10 dep 1000",
                             "2024-01-14 int 300", "2024-01-20 dep 1"};

} // namespace

Q_DECLARE_METATYPE(LenderConventions)

class TestInterestEngine : public QObject {
    Q_OBJECT

private slots:
    void dailyAmountRounding();
    void interestAmount_data();
    void interestAmount();
    void report_data();
    void report();
    void changesToWriteBack();
    void incompletePostings_data();
    void incompletePostings();
    void offset_data();
    void offset();
    void restsAndEqualPeriods_data();
    void restsAndEqualPeriods();
};

// The daily amount is rounded from the double product, so that every build gives the same
// cents: here the exact binary value lies just below the half that the product reaches.
void TestInterestEngine::dailyAmountRounding() {
    const double daily = Money::fromRaw(-2499997500).toDouble() * 7.3 / 365 / 100;
    QCOMPARE(Money::fromDoubleProduct(daily)->raw(), qint64(-500000));
    QCOMPARE(Money::fromDouble(daily)->raw(), qint64(-499999));
    QVERIFY(!Money::fromDoubleProduct(1e300));
    QVERIFY(!Money::fromDoubleProduct(std::numeric_limits<double>::quiet_NaN()));
}

// The interest a balance earns, read from a Variable Day posting on the day after the last day
// of accrual (the posting comes before that day's own interest).
void TestInterestEngine::interestAmount_data() {
    QTest::addColumn<QString>("balance");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("postedOn");
    QTest::addColumn<qint64>("due");

    QTest::newRow("debit of 100,000.00 at 7.3: 20.0000 a day") << "-100000" << 7.3 << "2023-06-01"
                                                               << "2023-06-02" << qint64(200000);
    QTest::newRow("30 such days: 600.00") << "-100000" << 7.3 << "2023-06-01"
                                          << "2023-07-01" << qint64(6000000);
    QTest::newRow("-123,456.78 at 6.5: -21.98545... rounds to 21.9855")
        << "-123456.78" << 6.5 << "2023-06-01"
        << "2023-06-02" << qint64(219855);
    QTest::newRow("rounded from the product, not the exact value")
        << "-249999.75" << 7.3 << "2023-06-01"
        << "2023-06-02" << qint64(500000);
    QTest::newRow("a leap year: 366 days at rate / 365") << "-100000" << 7.3 << "2024-01-01"
                                                         << "2025-01-01" << qint64(366 * 200000);
    QTest::newRow("in credit: negative interest due") << "100000" << 7.3 << "2023-06-01"
                                                      << "2023-07-01" << qint64(-6000000);
}

void TestInterestEngine::interestAmount() {
    QFETCH(QString, balance);
    QFETCH(double, rate);
    QFETCH(QString, from);
    QFETCH(QString, postedOn);
    QFETCH(qint64, due);

    const auto result =
        InterestEngine::calculate(history({from + " close " + balance, postedOn + " int 1"}),
                                  rates({QStringLiteral("2000-01-01 2030-12-31 %1").arg(rate)}),
                                  CalculationBasis::of(InterestMethod::VariableDay));
    QCOMPARE(result.lines.size(), 2);
    QCOMPARE(result.lines[1].kind, ReportLine::Kind::Interest);
    QCOMPARE(result.lines[1].interestDue->raw(), due);
}

void TestInterestEngine::report_data() {
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<QStringList>("rateRows");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("fixedDay");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("notices");

    // Each method's posting days, and where the posting falls among the day's lines. Fixed Day
    // posts the period to the 14th on the 15th, ahead of that day's rows; Variable Day posts on
    // the day of the lender's charge, after its rows, the deferred variants keep that charge out
    // of the day's interest.
    QTest::newRow("Fixed Day") << January << Year2024 << 0 << "14"
                               << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00",
                                              "2024-01-15 I 279.06 -99300.00",
                                              "2024-01-20 T -99299.00"}
                               << QStringList();
    QTest::newRow("Fixed Day, Deferred Interest")
        << January << Year2024 << 1 << "14"
        << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00",
                       "2024-01-15 I 279.00 -99300.00", "2024-01-20 T -99299.00"}
        << QStringList();
    QTest::newRow("Variable Day") << January << Year2024 << 2 << "14"
                                  << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00",
                                                 "2024-01-14 I 259.20 -99300.00",
                                                 "2024-01-20 T -99299.00"}
                                  << QStringList();
    QTest::newRow("Variable Day, Deferred Interest")
        << January << Year2024 << 3 << "14"
        << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00",
                       "2024-01-14 I 279.00 -99300.00", "2024-01-20 T -99299.00"}
        << QStringList();
    QTest::newRow("a method below 0 is Fixed Day")
        << January << Year2024 << -1 << "14"
        << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00",
                       "2024-01-15 I 279.06 -99300.00", "2024-01-20 T -99299.00"}
        << QStringList();
    QTest::newRow("a method above 3 calculates no interest")
        << January << Year2024 << 7 << "14"
        << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00", "2024-01-20 T -99299.00"}
        << QStringList();
    QTest::newRow("a fixed day with a leading zero never matches")
        << January << Year2024 << 0 << "09"
        << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00", "2024-01-20 T -99299.00"}
        << QStringList();
    QTest::newRow("the same day without it")
        << January << Year2024 << 0 << "9"
        << QStringList{"2024-01-10 I 180.00 -100000.00", "2024-01-10 T -99000.00",
                       "2024-01-14 T -99300.00", "2024-01-20 T -99299.00"}
        << QStringList();
    QTest::newRow("the end day on the fixed day posts the day after it")
        << January << Year2024 << 0 << "20"
        << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00", "2024-01-20 T -99299.00",
                       "2024-01-21 I 398.22 -99299.00"}
        << QStringList();
    QTest::newRow("day 28 in a February without a 29th posts on 1 March")
        << QStringList{"2023-02-20 close -100000", "2023-03-02 dep 1"}
        << QStringList{"2023-01-01 2023-12-31 7.3"} << 0 << "28"
        << QStringList{"2023-03-01 I 180.00 -100000.00", "2023-03-02 T -99999.00"} << QStringList();
    QTest::newRow("day 28 in a leap February posts on the 29th")
        << QStringList{"2024-02-20 close -100000", "2024-03-02 dep 1"} << Year2024 << 0 << "28"
        << QStringList{"2024-02-29 I 180.00 -100000.00", "2024-03-02 T -99999.00"} << QStringList();
    QTest::newRow("the first transaction is applied on its own date")
        << QStringList{"2024-01-01 close -100000", "2024-01-05 dep 1000"} << Year2024 << 0 << "3"
        << QStringList{"2024-01-04 I 60.00 -100000.00", "2024-01-05 T -99000.00"} << QStringList();
    // All of a day's rows come before its interest; the day's charge is the last row's (the
    // largest, by the report order), not their sum: 19.948 on -99,740.00, not 19.94.
    QTest::newRow("several rows on one day")
        << QStringList{"2024-01-01 close -100000", "2024-01-05 dep 500", "2024-01-05 wd 200",
                       "2024-01-05 int 40",        "2024-01-05 int 60",  "2024-01-08 dep 1"}
        << Year2024 << 3 << ""
        << QStringList{"2024-01-05 T -99500.00",       "2024-01-05 T -99700.00",
                       "2024-01-05 T -99740.00",       "2024-01-05 T -99800.00",
                       "2024-01-05 I 99.95 -99800.00", "2024-01-08 T -99799.00"}
        << QStringList();
    // Values that cancel out still make a line; only a row of zeros or nothing is passed over.
    QTest::newRow("a cancelling row is shown")
        << QStringList{"2024-01-01 close -100000", "2024-01-05 wd 250 dep 250", "2024-01-06 dep 0",
                       "2024-01-07", "2024-01-08 dep 1"}
        << Year2024 << 2 << "" << QStringList{"2024-01-05 T -100000.00", "2024-01-08 T -99999.00"}
        << QStringList();
    QTest::newRow("an amount that cannot be read leaves the balance")
        << QStringList{"2024-01-01 close -100000", "2024-01-05 dep ? wd 10", "2024-01-08 dep 1"}
        << Year2024 << 2 << "" << QStringList{"2024-01-05 T -100000.00", "2024-01-08 T -99999.00"}
        << QStringList();
    QTest::newRow("a balance leaving the money range stays")
        << QStringList{"2024-01-01 close 900000000000000", "2024-01-05 dep 100000000000000",
                       "2024-01-08 dep 1"}
        << Year2024 << 7 << ""
        << QStringList{"2024-01-05 T 900000000000000.00", "2024-01-08 T 900000000000001.00"}
        << QStringList();
    // Rows without a readable date sort first; the walk starts at the first dated row.
    QTest::newRow("rows without a date are left out, with one notice")
        << QStringList{"- dep 500", "bad dep 7", "2024-01-01 close -100000", "2024-01-05 dep 1000",
                       "2024-01-08 dep 1"}
        << Year2024 << 2 << "" << QStringList{"2024-01-05 T -99000.00", "2024-01-08 T -98999.00"}
        << QStringList{"Transaction date error. 2 record(s) without a date were left out of the "
                       "calculation. Please check all dates."};

    // A balance row that differs resets the balance at the end of the first day it waits under
    // the cursor (the 5th), not on its own date; it is kept and shown on its date.
    QTest::newRow("a balance row that differs resets early and is shown")
        << QStringList{"2024-01-01 close -100000", "2024-01-05 dep 1000", "2024-01-10 close -50000",
                       "2024-01-12 dep 1"}
        << Year2024 << 0 << "11"
        << QStringList{"2024-01-05 T -99000.00", "2024-01-10 T -50000.00",
                       "2024-01-12 I 159.80 -50000.00", "2024-01-12 T -49999.00"}
        << QStringList();
    // One that agrees goes, and the row after it is applied on its own date.
    QTest::newRow("a balance row that agrees is deleted")
        << QStringList{"2024-01-01 close -100000", "2024-01-05 dep 1000", "2024-01-10 close -99000",
                       "2024-01-12 dep 1"}
        << Year2024 << 2 << "" << QStringList{"2024-01-05 T -99000.00", "2024-01-12 T -98999.00"}
        << QStringList();

    // A day outside the rate periods stops the report: the rest of that day runs as the end day.
    QTest::newRow("a gap between rate periods")
        << January << QStringList{"2024-01-01 2024-01-07 7.3", "2024-01-10 2024-12-31 7.3"} << 0
        << "20" << QStringList{"2024-01-21 I 160.00 -100000.00"} << QStringList{DateError};
    QTest::newRow("a day after the last rate period")
        << January << QStringList{"2024-01-01 2024-01-12 7.3"} << 2 << ""
        << QStringList{"2024-01-10 T -99000.00"} << QStringList{DateError};
    QTest::newRow("no rate periods at all")
        << January << QStringList() << 2 << "" << QStringList() << QStringList{DateError};
    QTest::newRow("days before the first period bear no interest")
        << January << QStringList{"2024-01-05 2024-12-31 7.3"} << 0 << "14"
        << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00",
                       "2024-01-15 I 199.06 -99300.00", "2024-01-20 T -99299.00"}
        << QStringList();
    // Interest beyond the money range stops the report as a refusal, rather than adding nothing.
    QTest::newRow("interest more than an account can hold")
        << QStringList{"2024-01-01 close -900000000000000", "2024-03-01 dep 1"}
        << QStringList{"2024-01-01 2024-12-31 999"} << 2 << "" << QStringList()
        << QStringList{"The interest due from 7/02/2024 is more than an account can hold: the "
                       "account cannot be calculated from there."};
    QTest::newRow("a rate that cannot be read keeps the rate in force")
        << January << QStringList{"2024-01-01 2024-01-09 7.3", "2024-01-10 2024-12-31 -"} << 0
        << "14"
        << QStringList{"2024-01-10 T -99000.00", "2024-01-14 T -99300.00",
                       "2024-01-15 I 279.06 -99300.00", "2024-01-20 T -99299.00"}
        << QStringList();
}

void TestInterestEngine::report() {
    QFETCH(QStringList, history);
    QFETCH(QStringList, rateRows);
    QFETCH(int, method);
    QFETCH(QString, fixedDay);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, notices);

    const auto result =
        InterestEngine::calculate(ReportRows::history(history), ReportRows::rates(rateRows),
                                  CalculationBasis::of(method, CalcDay::Day::fromCalcTo(fixedDay)));
    QCOMPARE(lines(result.lines), expected);
    QCOMPARE(result.notices, notices);
}

// Which postings cannot be compared with the lender's charge: the one whose days include a reset
// by a balance row the history did not reach, and the first when the history starts after the
// lender's previous charge (a period's length, a month at least, before the first posting).
void TestInterestEngine::incompletePostings_data() {
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("marks"); // per interest line: '.' comparable, 'G' gap, 'P' part

    const QStringList fromTheCharge = {"2023-12-31 close -100000", "2024-01-31 int 620",
                                       "2024-02-29 int 580", "2024-03-31 int 620"};
    QTest::newRow("starts on the previous charge") << fromTheCharge << 2 << "...";
    QStringList dayLate = fromTheCharge;
    dayLate[0] = "2024-01-01 close -100000";
    QTest::newRow("starts the day after it") << dayLate << 2 << "P..";
    QStringList gap = fromTheCharge;
    gap.insert(3, "2024-03-10 close -90000"); // 10,000 paid in a statement never entered
    QTest::newRow("a balance row the history did not reach") << gap << 2 << "..G";
    QStringList agrees = fromTheCharge;
    agrees.insert(3, "2024-03-10 close -101200"); // the balance after the two charges
    QTest::newRow("a balance row that agrees") << agrees << 2 << "...";
    QTest::newRow("quarterly charges")
        << QStringList{"2023-12-31 close -100000", "2024-03-31 int 1800", "2024-06-30 int 1800"}
        << 2 << "..";
    // Periods to the 14th, posted on the 15th.
    QTest::newRow("Fixed Day from the period's start")
        << QStringList{"2023-12-15 close -100000", "2024-02-20 dep 1"} << 0 << "..";
    QTest::newRow("Fixed Day from inside a period")
        << QStringList{"2023-12-20 close -100000", "2024-02-20 dep 1"} << 0 << "P.";
}

void TestInterestEngine::incompletePostings() {
    QFETCH(QStringList, history);
    QFETCH(int, method);
    QFETCH(QString, marks);
    const auto result = InterestEngine::calculate(
        ReportRows::history(history), ReportRows::rates({"2023-01-01 2024-12-31 7.3"}),
        CalculationBasis::of(method, CalcDay::Day::fromCalcTo(QStringLiteral("14"))));
    QString found;
    for (const ReportLine& line : result.lines) {
        if (line.kind == ReportLine::Kind::Interest)
            found += line.incomplete == ReportLine::Incomplete::HistoryGap   ? 'G'
                     : line.incomplete == ReportLine::Incomplete::PartPeriod ? 'P'
                                                                             : '.';
    }
    QCOMPARE(found, marks);
}

// What the report window writes back: the balance after each applied row where it changed, "0"
// in the empty amounts of applied rows and in the empty CloseBalance of rows the balance row
// check looked at, and the redundant balance rows. A balance row that reset the balance and was
// applied last is not looked at again (it would then agree, and be lost).
void TestInterestEngine::changesToWriteBack() {
    const auto result = InterestEngine::calculate(
        history({"2024-01-01 close -100000", "2024-01-05 dep 1000 open -99000", "2024-01-07 wd 10",
                 "2024-01-10 close -99010", "2024-01-12 int 5 close 0", "2024-01-15 close -50000"}),
        rates(Year2024), CalculationBasis::of(InterestMethod::VariableDay));

    QStringList updates;
    for (const HistoryUpdate& u : result.changes.updates)
        updates << QStringLiteral("%1 %2%3%4")
                       .arg(u.id)
                       .arg(u.openBalance ? ReportRendering::plainAmount(*u.openBalance) : "-")
                       .arg(u.fillAmounts ? " amounts" : "")
                       .arg(u.fillCloseBalance ? " close" : "");
    QCOMPARE(updates, (QStringList{"2 - amounts close", "3 -99010.00 amounts close",
                                   "5 -99015.00 amounts", "6 -50000.00 amounts"}));
    QCOMPARE(result.changes.deletions, (QVector<qint64>{4}));
    QCOMPARE(lines(result.lines).last(), QStringLiteral("2024-01-15 T -50000.00"));
}

// The loan less the counted offset: -300,000.00 at 6.00 % bears 49.3151 a day alone. Interest
// is read from the posting on the lender's charge; the offset column from the charge's line.
void TestInterestEngine::offset_data() {
    QTest::addColumn<QStringList>("balances"); // "2025-01-01 50000"
    QTest::addColumn<int>("share");            // hundredths of a per cent; -1: no offset account
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("chargedOn");
    QTest::addColumn<QString>("charge");
    QTest::addColumn<QString>("due");
    QTest::addColumn<QString>("shown"); // the charge line's Offset cell; "-" for none

    const QStringList fifty = {"2025-01-01 50000"};
    QTest::newRow("50,000.00 in a full offset: 41.0959 a day")
        << fifty << 10000 << 2 << "2025-01-02"
        << "1"
        << "41.10"
        << "50000.00";
    QTest::newRow("a 40 % share counts 20,000.00: 46.0274 a day")
        << fifty << 4000 << 2 << "2025-01-02"
        << "1"
        << "46.03"
        << "20000.00";
    QTest::newRow("ten days at 41.0959 are 410.959") << fifty << 10000 << 2 << "2025-01-11"
                                                     << "1"
                                                     << "410.96"
                                                     << "50000.00";
    QTest::newRow("an offset above the loan: nothing")
        << QStringList{"2025-01-01 350000"} << 10000 << 2 << "2025-01-11"
        << "1"
        << "0.00"
        << "350000.00";
    QTest::newRow("an offset below zero counts nothing")
        << QStringList{"2025-01-01 -5000"} << 10000 << 2 << "2025-01-02"
        << "1"
        << "49.32"
        << "0.00";
    // 15 days at 250,000.00 and 15 at 280,000.00: 616.4385 + 690.4110.
    QTest::newRow("a balance changing mid-month: both parts")
        << QStringList{"2025-01-01 50000", "2025-01-16 20000"} << 10000 << 2 << "2025-01-31"
        << "1"
        << "1306.85"
        << "20000.00";
    QTest::newRow("days before the first balance bear on the loan alone")
        << QStringList{"2025-01-02 50000"} << 10000 << 2 << "2025-01-03"
        << "1"
        << "90.41"
        << "50000.00";
    QTest::newRow("an account without an offset account is unchanged")
        << fifty << -1 << 2 << "2025-01-02"
        << "1"
        << "49.32"
        << "-";
    // Deferred: the day's charge goes to the loan's side before the offset, so that the offset
    // of 300,050.00 leaves nothing to bear, not a credit of 50.00.
    QTest::newRow("deferred: the charge on the loan's side, then the offset")
        << QStringList{"2025-01-01 300050"} << 10000 << 3 << "2025-01-02"
        << "100"
        << "0.00"
        << "300050.00";
    QTest::newRow("Fixed Day: the posting day's offset")
        << QStringList{"2025-01-01 50000", "2025-01-11 0"} << 10000 << 0 << "2025-01-15"
        << "1"
        << "410.96"
        << "0.00";
}

void TestInterestEngine::offset() {
    QFETCH(QStringList, balances);
    QFETCH(int, share);
    QFETCH(int, method);
    QFETCH(QString, chargedOn);
    QFETCH(QString, charge);
    QFETCH(QString, due);
    QFETCH(QString, shown);

    OffsetAccount account;
    account.enabled = share >= 0;
    account.share = std::max(share, 0);
    for (const QString& spelled : balances) {
        const QStringList parts = spelled.split(u' ');
        account.balances << OffsetBalance{0, QDate::fromString(parts[0], Qt::ISODate),
                                          Money::parse(parts[1]).value()};
    }
    const auto result = InterestEngine::calculate(
        history({"2025-01-01 close -300000", chargedOn + " int " + charge}),
        rates({"2025-01-01 2025-12-31 6"}),
        CalculationBasis::of(method, CalcDay::Day::fromCalcTo(QStringLiteral("10"))), account);
    const auto posting =
        std::find_if(result.lines.begin(), result.lines.end(),
                     [](const ReportLine& l) { return l.kind == ReportLine::Kind::Interest; });
    QVERIFY(posting != result.lines.end());
    QCOMPARE(ReportRendering::plainAmount(*posting->interestDue), due);
    const std::optional<Money> cell = result.lines.first().offset;
    QCOMPARE(cell ? ReportRendering::plainAmount(*cell) : QStringLiteral("-"), shown);
}

// Under a held rest the balance on the first day of the period or block (after its rows) bears
// the period's interest: a row inside counts from the next one, a rate change inside applies
// from its day to the held balance, and a balance row inside does not move it. Equal periods
// share 1/12 of a year among a period's days; compounding turns the rate into its half-yearly
// equivalent. Variable Day, charges on the 1st, 30/360 unless named, the posting's rounding.
void TestInterestEngine::restsAndEqualPeriods_data() {
    QTest::addColumn<QStringList>("history");
    QTest::addColumn<QStringList>("rateRows");
    QTest::addColumn<LenderConventions>("conventions");
    QTest::addColumn<QStringList>("dues");
    constexpr InterestRounding Posting = InterestRounding::Posting;
    const LenderConventions monthly{DayCount::Thirty360, Posting, Rest::postingPeriod()};
    const QStringList sixPercent = {"2024-01-01 2024-12-31 6"};
    const QStringList inside = {"2024-01-01 close -120000", "2024-01-10 dep 12000",
                                "2024-02-01 int 600", "2024-03-01 int 543"};
    QTest::newRow("a row inside counts from the next period")
        << inside << sixPercent << monthly << QStringList{"600.00", "543.00"};
    QTest::newRow("a row on the first day is in the held balance")
        << QStringList{"2024-01-01 close -120000", "2024-02-01 int 600 dep 12000",
                       "2024-03-01 int 543"}
        << sixPercent << monthly << QStringList{"600.00", "543.00"};
    QTest::newRow("a rate change inside applies from its day")
        << QStringList{"2024-01-01 close -120000", "2024-01-10 dep 12000", "2024-02-01 int 450",
                       "2024-03-01 int 271.13"}
        << QStringList{"2024-01-01 2024-01-15 6", "2024-01-16 2024-12-31 3"} << monthly
        << QStringList{"450.00", "271.13"};
    QTest::newRow("a balance row inside does not move the held balance")
        << QStringList{"2024-01-01 close -120000", "2024-01-20 close -100000",
                       "2024-02-01 int 600", "2024-03-01 int 503"}
        << sixPercent << monthly << QStringList{"600.00", "503.00"};
    QTest::newRow("annual rest")
        << inside << sixPercent << LenderConventions{DayCount::Thirty360, Posting, Rest::annual()}
        << QStringList{"600.00", "600.00"};
    QTest::newRow("3-month blocks from January")
        << QStringList{"2024-01-01 close -120000", "2024-01-10 dep 12000", "2024-02-01 int 600",
                       "2024-03-01 int 600", "2024-04-01 int 600", "2024-05-01 int 549"}
        << sixPercent << LenderConventions{DayCount::Thirty360, Posting, Rest::blocks(3, 1)}
        << QStringList{"600.00", "600.00", "600.00", "549.00"};
    QTest::newRow("equal periods on daily balances")
        << QStringList{"2024-01-01 close -120000", "2024-01-17 dep 12000", "2024-02-01 int 1"}
        << sixPercent << LenderConventions{DayCount::EqualPeriods, Posting}
        << QStringList{"570.97"};
    QTest::newRow("compounded half-yearly, monthly rest")
        << QStringList{"2024-01-01 close -120000", "2024-02-01 int 1"} << sixPercent
        << LenderConventions{DayCount::Thirty360, Posting, Rest::postingPeriod(),
                             Compounding::HalfYearly}
        << QStringList{"592.63"};
}

void TestInterestEngine::restsAndEqualPeriods() {
    QFETCH(QStringList, history);
    QFETCH(QStringList, rateRows);
    QFETCH(LenderConventions, conventions);
    QFETCH(QStringList, dues);
    const auto result = InterestEngine::calculate(
        ReportRows::history(history), ReportRows::rates(rateRows),
        CalculationBasis::of(InterestMethod::VariableDay, {}, conventions));
    QStringList posted;
    for (const ReportLine& line : result.lines) {
        if (line.kind == ReportLine::Kind::Interest)
            posted << line.interestDue->roundedToCents()->format();
    }
    QCOMPARE(posted, dues);
}

QTEST_GUILESS_MAIN(TestInterestEngine)
#include "tst_interestengine.moc"