// The working of the interest due: the days the engine's own walk records add up to every
// posting of the golden accounts under every method, day count, rounding and offset; a period
// worked by hand; the rate the lender effectively charged; and the report tool's --explain and
// --rates.
#include "data/AccountConnection.h"
#include "engine/CalcDay.h"
#include "engine/InterestEngine.h"
#include "engine/AccountStore.h"
#include "render/ReportRendering.h"
#include "support/AccountFixture.h"
#include "support/ChargedAccount.h"
#include "support/ReportRows.h"
#include "support/ReportTool.h"

#include <QDir>
#include <QLocale>
#include <QProcess>
#include <QTest>

#include <cmath>

using namespace InterestWorking;

namespace {

Money m(const char* text) {
    return Money::parse(QString::fromLatin1(text)).value();
}

QDate d(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

// The golden account built from its checked-in SQL, as the golden report test builds it.
QString buildGolden(const QString& name, const QString& folder) {
    const QString account = folder + '/' + name + ".mdb";
    QFile::remove(account);
    QProcess p;
    p.start(QStringLiteral(VANTRELL_MKTEMPLATE),
            {account, QStringLiteral(VANTRELL_SOURCE_DIR "/tests/report/golden/") + name + ".sql"});
    return p.waitForFinished(30000) && p.exitCode() == 0 ? account : QString();
}

struct Golden {
    QVector<HistoryRow> history;
    QVector<RatePeriod> rates;
    OffsetAccount offset;
    QString calcTo;
};

std::optional<Golden> readGolden(const QString& account) {
    AccountConnection connection;
    if (!connection.open(account))
        return std::nullopt;
    Golden g;
    QString error;
    const QSqlDatabase db = connection.database();
    if (!AccountStore::readHistory(db, &g.history, &error) ||
        !AccountStore::readRatePeriods(db, &g.rates, &error) ||
        !AccountStore::readOffset(db, &g.offset, &error))
        return std::nullopt;
    const std::optional<CalcDay::Day> day = CalcDay::inForce(db);
    g.calcTo = day ? day->calcTo() : QStringLiteral("28");
    return g;
}

// An offset account for a history that has none: a balance counted at half from ten days in,
// then nothing, then more than the loan, then overdrawn.
OffsetAccount addedOffset(const QDate& first) {
    OffsetAccount o;
    o.enabled = true;
    o.share = 5000;
    o.balances = {{0, first.addDays(10), m("20000")},
                  {0, first.addDays(40), m("0")},
                  {0, first.addDays(70), m("900000")},
                  {0, first.addDays(100), m("-500")}};
    return o;
}

// The days of a period of `count` days from `first`, each accruing `accruing` under Actual/365.
QVector<WorkingDay> days(const char* first, int count, const char* accruing, double rate) {
    QVector<WorkingDay> list;
    for (int i = 0; i < count; ++i) {
        WorkingDay day;
        day.date = d(first).addDays(i);
        day.balance = day.accruing = m(accruing);
        day.rate = *Rate::fromReal(rate);
        list << day;
    }
    return list;
}

} // namespace

Q_DECLARE_METATYPE(InterestWorking::WorkingDay)

class TestWorking : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void goldenDaysAddUpToIntDue_data();
    void goldenDaysAddUpToIntDue();
    void handWorkedPeriod();
    void effectiveRateOfAKnownRate_data();
    void effectiveRateOfAKnownRate();
    void blendedRatesAreNotPointedAt_data();
    void blendedRatesAreNotPointedAt();
    void effectiveRateSearch_data();
    void effectiveRateSearch();
    void toolExplainsAPosting();
    void toolRates();

private:
    QTemporaryDir m_dir;
};

// Every golden account, with its own offset and with the other (none where it has one, one
// added where it has none), under every method, day count and rounding: each interest line has
// the days its walk accrued, and they add up to its Int Due.
void TestWorking::goldenDaysAddUpToIntDue_data() {
    QTest::addColumn<QString>("golden");
    QTest::addColumn<bool>("otherOffset");
    for (const char* golden : {"fixed_day", "fixed_day_deferred", "variable_day",
                               "variable_day_deferred", "offset_variable_day"}) {
        QTest::addRow("%s", golden) << golden << false;
        QTest::addRow("%s, other offset", golden) << golden << true;
    }
}

void TestWorking::goldenDaysAddUpToIntDue() {
    QFETCH(QString, golden);
    QFETCH(bool, otherOffset);
    const QString account = buildGolden(golden, m_dir.path());
    QVERIFY2(!account.isEmpty(), "the golden account could not be built");
    std::optional<Golden> g = readGolden(account);
    QVERIFY(g);
    if (otherOffset)
        g->offset = g->offset.hasData() ? OffsetAccount() : addedOffset(g->history.first().date);

    int postings = 0;
    for (int method = 0; method <= 3; ++method) {
        for (int dc = 0; dc < Conventions::DayCountCount; ++dc) {
            for (int r = 0; r < Conventions::RoundingCount; ++r) {
                const LenderConventions c{DayCount(dc), InterestRounding(r)};
                if (!Conventions::refusal(c).isEmpty())
                    continue;
                const QString what =
                    QStringLiteral("method %1, %2, %3")
                        .arg(method)
                        .arg(Conventions::word(c.dayCount), Conventions::word(c.rounding));
                const InterestEngine::Worked w = InterestEngine::calculateWithWorking(
                    g->history, g->rates,
                    CalculationBasis::of(method, CalcDay::Day::fromCalcTo(g->calcTo), c),
                    g->offset);
                // The same walk with and without its observer: the same report.
                const InterestEngine::Result plain = InterestEngine::calculate(
                    g->history, g->rates,
                    CalculationBasis::of(method, CalcDay::Day::fromCalcTo(g->calcTo), c),
                    g->offset);
                QVERIFY2(ReportRows::lines(plain.lines) == ReportRows::lines(w.result.lines),
                         qPrintable(what));

                QVector<int> interestLines;
                for (int i = 0; i < w.result.lines.size(); ++i) {
                    if (w.result.lines[i].kind == ReportLine::Kind::Interest)
                        interestLines << i;
                }
                QCOMPARE(w.working.postings.size(), interestLines.size());
                QDate previous;
                for (int p = 0; p < w.working.postings.size(); ++p) {
                    const PostingWorking& posting = w.working.postings[p];
                    const ReportLine& line = w.result.lines[interestLines[p]];
                    const QString at = what + " on " + posting.date.toString(Qt::ISODate);
                    QCOMPARE(posting.line, interestLines[p]);
                    QCOMPARE(posting.incomplete, line.incomplete);
                    QCOMPARE(posting.interestDue, *line.interestDue);

                    Money sum;
                    long double unrounded = 0;
                    for (const WorkingDay& day : posting.days) {
                        QVERIFY2(!previous.isValid() || day.date > previous, qPrintable(at));
                        previous = day.date;
                        // What accrues: the balance, plus the charge under the deferred methods,
                        // less the counted offset while in debit, never past zero.
                        Money bearing = *Money::add(day.balance, day.addedBack);
                        if (day.offset && bearing.raw() < 0)
                            bearing = std::min(Money(), *Money::add(bearing, *day.offset));
                        QVERIFY2(day.accruing == bearing, qPrintable(at));
                        QVERIFY2(method % 2 == 1 || day.addedBack.isZero(), qPrintable(at));
                        QCOMPARE(day.offset.has_value(), g->offset.hasData());
                        if (c.rounding == InterestRounding::Posting)
                            QVERIFY2(!day.interest, qPrintable(at));
                        else
                            sum = *Money::add(sum, day.interest.value_or(Money()));
                        unrounded += day.unrounded;
                    }
                    if (c.rounding == InterestRounding::Posting)
                        QVERIFY2(std::abs(double(unrounded) - posting.interestDue.toDouble()) <=
                                     0.005 + 1e-9,
                                 qPrintable(at));
                    else
                        QVERIFY2(sum == posting.interestDue, qPrintable(at));
                    // Worked again from the days at their own rates: the engine's own figure.
                    QVERIFY2(periodInterest(posting.days, c,
                                            [](const WorkingDay& day) {
                                                return day.rate.percent();
                                            }) == posting.interestDue,
                             qPrintable(at));
                    ++postings;
                }
            }
        }
    }
    QVERIFY(postings > 0);
}

// Variable Day with deferred interest: -100,000.00 at 7.3 % (20.00 a day) from 1 January (the
// December charge repaid that day); from the 11th an offset of 10,000.00 counts (18.00); from the
// 16th the rate is 3.65 % (9.00). On the 31st the lender charges 434.00, which bears nothing that
// day (9.00 again): 200 + 90 + 135 + 9.
void TestWorking::handWorkedPeriod() {
    const QVector<HistoryRow> history =
        ReportRows::history({"2023-12-01 close -100000", "2023-12-31 int 620", "2024-01-01 dep 620",
                             "2024-01-31 int 434", "2024-02-01 dep 0.01"});
    const QVector<RatePeriod> rates =
        ReportRows::rates({"2023-12-01 2024-01-15 7.3", "2024-01-16 2024-12-31 3.65"});
    OffsetAccount offset;
    offset.enabled = true;
    offset.balances = {{0, d("2024-01-11"), m("10000")}};
    const InterestEngine::Worked w = InterestEngine::calculateWithWorking(
        history, rates, CalculationBasis::of(InterestMethod::VariableDayDeferred), offset);
    QCOMPARE(w.working.postings.size(), 2);
    // December's posting: its period started before the history.
    QVERIFY(!w.working.postings[0].comparable());
    QCOMPARE(w.working.postings[0].days.size(), 31);
    const PostingWorking& p = w.working.postings[1];
    QCOMPARE(p.date, d("2024-01-31"));
    QCOMPARE(p.interestDue, m("434"));
    QCOMPARE(p.days.size(), 31);
    QCOMPARE(p.dayCount(), 31);

    const auto check = [&](int i, const char* balance, const char* addedBack, const char* offset,
                           const char* accruing, double rate, const char* interest) {
        const WorkingDay& day = p.days[i];
        QCOMPARE(day.date, d("2024-01-01").addDays(i));
        QCOMPARE(day.balance, m(balance));
        QCOMPARE(day.addedBack, m(addedBack));
        QCOMPARE(day.offset, std::optional<Money>(m(offset)));
        QCOMPARE(day.accruing, m(accruing));
        QCOMPARE(day.rate.percent(), rate);
        QCOMPARE(int(day.divisor), 365);
        QCOMPARE(int(day.weight), 1);
        QCOMPARE(day.interest, std::optional<Money>(m(interest)));
    };
    check(0, "-100000", "0", "0", "-100000", 7.3, "20");
    check(9, "-100000", "0", "0", "-100000", 7.3, "20");
    check(10, "-100000", "0", "10000", "-90000", 7.3, "18");
    check(15, "-100000", "0", "10000", "-90000", 3.65, "9");
    check(30, "-100434", "434", "10000", "-90000", 3.65, "9");
    // The day after the posting starts the next period, past the history's end.
    QCOMPARE(w.working.unposted.size(), 1);
    QCOMPARE(w.working.unposted.first().date, d("2024-02-01"));

    // The charge equals the interest due, yet no single rate over the month was entered: the
    // effective rate (434.00 over 2,890,000.00 day-dollars / 365) lies between them, away from
    // both. Blended, and right: nobody is told to look there.
    QVERIFY(!ratesOf(w.working, 0, w.result.lines).effective);
    const PostingRates r = ratesOf(w.working, 1, w.result.lines);
    QCOMPARE(r.charge, std::optional<Money>(m("434")));
    QCOMPARE(r.enteredMin, Rate::fromReal(3.65));
    QCOMPARE(r.enteredMax, Rate::fromReal(7.3));
    QVERIFY(r.effective && r.effective->exact);
    QCOMPARE(r.effective->rate.text(), QStringLiteral("5.481"));
    QVERIFY(!r.differs);
    // The rate change on the 16th is reproduced: 7.3 % before it, and after it the rate that
    // gives the charge.
    const std::optional<EffectiveRate> after = effectiveRate(
        p.days, LenderConventions(), m("434"),
        [](const WorkingDay& day, double rate) { return day.date < d("2024-01-16") ? 7.3 : rate; });
    QVERIFY(after && after->exact);
    QCOMPARE(after->rate.text(), QStringLiteral("3.650"));
}

// An account whose lender charged exactly what the engine posts at 6.1 %: every comparable
// posting's effective rate is 6.100, exactly, under each method and convention; the first
// posting's period starts before the history, so it has none.
void TestWorking::effectiveRateOfAKnownRate_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("dayCount");
    QTest::addColumn<QString>("rounding");
    QTest::newRow("fixed day") << 0 << "act365"
                               << "day4";
    QTest::newRow("fixed day deferred, 30/360") << 1 << "30360"
                                                << "day2";
    QTest::newRow("variable day, act/act, posting") << 2 << "actact"
                                                    << "posting";
    QTest::newRow("variable day deferred, act/360") << 3 << "act360"
                                                    << "day4";
    QTest::newRow("variable day, no leap, cents") << 2 << "act365nl"
                                                  << "day2";
}

void TestWorking::effectiveRateOfAKnownRate() {
    QFETCH(int, method);
    QFETCH(QString, dayCount);
    QFETCH(QString, rounding);
    const LenderConventions c{*Conventions::dayCountFromWord(dayCount),
                              *Conventions::roundingFromWord(rounding)};
    const QString calcTo = method < 2 ? QStringLiteral("14") : QString();
    const QVector<HistoryRow> history = ChargedAccount::history(method, calcTo, c);
    const QVector<RatePeriod> rates = {{1, d("2023-01-01"), d("2024-12-31"), *Rate::fromReal(6.1)}};
    const InterestEngine::Worked w = InterestEngine::calculateWithWorking(
        history, rates, CalculationBasis::of(method, CalcDay::Day::fromCalcTo(calcTo), c));
    const QMap<QDate, PostingRates> all = postingRates(w.working, w.result.lines);
    int rated = 0;
    for (const PostingWorking& p : w.working.postings) {
        const PostingRates r = all.value(p.date);
        if (!p.comparable() || !r.charge) {
            QVERIFY(!r.effective);
            continue;
        }
        QVERIFY2(r.effective, qPrintable(p.date.toString()));
        QVERIFY(r.effective->exact);
        QVERIFY(r.effective->low <= 6.1 && 6.1 <= r.effective->high);
        QCOMPARE(r.effective->rate.text(), QStringLiteral("6.100"));
        QVERIFY(!r.differs);
        ++rated;
    }
    QVERIFY(rated >= 22);
}

// Rates that change inside posting periods blend into an effective rate between them: a lender
// who charged exactly the interest due is never pointed at; one charge 10.00 over is, alone.
void TestWorking::blendedRatesAreNotPointedAt_data() {
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("rounding");
    QTest::newRow("fixed day") << 0 << "day4";
    QTest::newRow("fixed day deferred, at posting") << 1 << "posting";
    QTest::newRow("variable day, cents") << 2 << "day2";
}

void TestWorking::blendedRatesAreNotPointedAt() {
    QFETCH(int, method);
    QFETCH(QString, rounding);
    const LenderConventions c{*Conventions::dayCountFromWord(QStringLiteral("act365")),
                              *Conventions::roundingFromWord(rounding)};
    const QString calcTo = method < 2 ? QStringLiteral("14") : QString();
    const QVector<RatePeriod> rates = {
        {1, d("2023-01-01"), d("2023-06-07"), *Rate::fromReal(5.5)},
        {2, d("2023-06-08"), d("2023-11-20"), *Rate::fromReal(6.9)},
        {3, d("2023-11-21"), d("2024-03-09"), *Rate::fromReal(4.2)},
        {4, d("2024-03-10"), d("2024-12-31"), *Rate::fromReal(4.25)}};
    QVector<HistoryRow> history = ChargedHistory::charged(method, calcTo, c, rates);
    const auto pointedAt = [&] {
        const InterestEngine::Worked w = InterestEngine::calculateWithWorking(
            history, rates, CalculationBasis::of(method, CalcDay::Day::fromCalcTo(calcTo), c));
        const QMap<QDate, PostingRates> all = postingRates(w.working, w.result.lines);
        QStringList dates;
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            if (it->differs)
                dates << ShortDate::toIso(it.key());
        }
        return dates;
    };
    QCOMPARE(pointedAt(), QStringList());
    for (HistoryRow& row : history) {
        if (row.date == d("2023-11-15"))
            row.amounts[AmountColumn::InterestPayment] = StoredMoney::of(*Money::add(
                *row.amounts[AmountColumn::InterestPayment].money(), Money::fromRaw(100000)));
    }
    QCOMPARE(pointedAt(), QStringList{"2023-11-15"});
}

// The search on days made by hand, 36,500.00 in debit a day under Actual/365 (a day at r % is
// r dollars).
void TestWorking::effectiveRateSearch_data() {
    QTest::addColumn<QVector<WorkingDay>>("days");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("charge");
    QTest::addColumn<QString>("rate"); // "" for none
    QTest::addColumn<bool>("exact");

    QTest::newRow("ten days at 5 %") << days("2024-03-01", 10, "-36500", 5) << "day4"
                                     << "50.00"
                                     << "5.000" << true;
    QTest::newRow("a cent more") << days("2024-03-01", 10, "-36500", 5) << "day4"
                                 << "50.01"
                                 << "5.001" << true;
    // 1,200.00 a day to cents: ten days can only come to a multiple of ten cents, and 0.55 lies
    // where a day's 0.05 becomes 0.06 (at 1.6729 %).
    QTest::newRow("jumped over") << days("2024-03-01", 10, "-1200", 1.5) << "day2"
                                 << "0.55"
                                 << "1.673" << false;
    // In credit the interest due is below zero, and falls as the rate grows.
    QTest::newRow("in credit") << days("2024-03-01", 10, "36500", 5) << "day4"
                               << "-30.00"
                               << "3.000" << true;
    QTest::newRow("nothing bears interest") << days("2024-03-01", 10, "0", 5) << "day4"
                                            << "10.00"
                                            << "" << false;
    QTest::newRow("out of reach") << days("2024-03-01", 1, "-1", 5) << "day4"
                                  << "5000.00"
                                  << "" << false;
    QTest::newRow("unrounded until posted") << days("2024-03-01", 30, "-36500", 6) << "posting"
                                            << "182.50"
                                            << "6.083" << true;
}

void TestWorking::effectiveRateSearch() {
    QFETCH(QVector<WorkingDay>, days);
    QFETCH(QString, rounding);
    QFETCH(QString, charge);
    QFETCH(QString, rate);
    QFETCH(bool, exact);
    const LenderConventions r{DayCount::Actual365Fixed, *Conventions::roundingFromWord(rounding)};
    const std::optional<EffectiveRate> e = effectiveRate(days, r, *Money::parse(charge));
    QCOMPARE(e.has_value(), !rate.isEmpty());
    if (!e)
        return;
    QCOMPARE(e->rate.text(), rate);
    QCOMPARE(e->exact, exact);
    QVERIFY(e->low <= e->high);
    if (exact) {
        // Both ends of the range still give the charge.
        for (const double end : {e->low, e->high})
            QCOMPARE(
                periodInterest(days, r, [&](const WorkingDay&) { return end; }).roundedToCents(),
                Money::parse(charge));
    }
}

// --explain: the days of the offset account's February posting; as CSV, the running total of
// the last day is the report's Int Due, in every locale.
void TestWorking::toolExplainsAPosting() {
    const QString account = buildGolden("offset_variable_day", m_dir.path());
    QVERIFY(!account.isEmpty());
    const Run csv =
        report({account, "--method", "2", "--explain", "2025-02-28", "--format", "csv"});
    QCOMPARE(csv.status, 0);
    const QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(
        lines.first(),
        QStringLiteral("date,balance,offset,accruing,deferred,rate,divisor,days,amount,running"));
    QCOMPARE(lines.size(), 1 + 28); // 31 January to 27 February
    QCOMPARE(lines[1], QStringLiteral("2025-01-31,-301331.51,40000.00,-261331.51,,6,365,1,42.9586,"
                                      "42.9586"));
    QCOMPARE(lines.last().section(',', 0, 0), QStringLiteral("2025-02-27"));
    QCOMPARE(lines.last().section(',', -1), QStringLiteral("429.5860"));
    const Run reportCsv = report({account, "--method", "2", "--format", "csv"});
    QVERIFY(reportCsv.out.contains("\n2025-02-28,,,,,,429.59,"));
    QCOMPARE(
        report({account, "--method=2", "--explain=2025-02-28", "--format=csv"}, "de_DE.UTF-8").out,
        csv.out);

    const Run text = report({account, "--method", "2", "--explain", "2025-02-28"});
    QCOMPARE(text.status, 0);
    for (const char* expected :
         {"Working of the interest due on ", "Method: Variable Day.\n",
          "Conventions: Actual/365 Fixed, each day to four decimals.\n",
          "Total of the days:             429.5860\n", "Interest due (Int Due):        429.59\n",
          "Lender's charge (Int Charge):  429.53\n", "Charged - due:                 -0.06\n",
          "Effective rate:                5.999 %\n", "Comparable:                    Yes\n"})
        QVERIFY2(text.out.contains(QString::fromUtf8(expected)),
                 qPrintable(QString::fromUtf8(expected) + " not in:\n" + text.out));

    // A date without a posting names the nearest ones; a date that does not read is a usage
    // error.
    const Run none = report({account, "--method", "2", "--explain", "2025-02-27"});
    QCOMPARE(none.status, 2);
    QVERIFY2(none.err.contains("there is no interest posting on 2025-02-27; the nearest: "
                               "2025-01-31 and 2025-02-28"),
             qPrintable(none.err));
    QVERIFY(none.out.isEmpty());
    QCOMPARE(report({account, "--method", "2", "--explain", "28/02/2025"}).status, 1);
    QCOMPARE(report({account, "--method", "2", "--explain", "2025-02-28", "--rates"}).status, 1);
    QVERIFY(report({"--help"}).out.contains("--explain DATE"));

    // With --pdf the working follows the printed report.
    const QString pdf = m_dir.filePath("explained.pdf");
    QCOMPARE(report({account, "--method", "2", "--explain", "2025-02-28", "--pdf", pdf}).status, 0);
    QProcess pdfText;
    pdfText.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(pdfText.waitForFinished(60000));
    const QString printed = QString::fromUtf8(pdfText.readAllStandardOutput()).simplified();
    QVERIFY2(printed.contains("Page 1 of 1 Pages") &&
                 printed.indexOf("Working of the interest due on ") >
                     printed.indexOf("Page 1 of 1 Pages") &&
                 printed.contains("Lender's charge (Int Charge): 429.53"),
             qPrintable(printed));
}

// --rates: one line a posting with the rates entered and the effective rate; the first posting's
// period starts before the history and has none.
void TestWorking::toolRates() {
    const QString account = buildGolden("offset_variable_day", m_dir.path());
    QVERIFY(!account.isEmpty());
    const Run csv = report({account, "--method", "2", "--rates", "--format", "csv"});
    QCOMPARE(csv.status, 0);
    QCOMPARE(csv.out, QStringLiteral("date,charged,due,entered_min,entered_max,effective,exact,"
                                     "comparable\n"
                                     "2025-01-31,1331.51,1331.51,6.000,6.000,,,0\n"
                                     "2025-02-28,429.53,429.59,6.000,6.000,5.999,1,1\n"
                                     "2025-03-31,1480.00,1478.27,6.000,6.000,6.007,1,1\n"));
    const Run text = report({account, "--method", "2", "--rates"});
    QCOMPARE(text.status, 0);
    QVERIFY2(text.out.contains("In every one of 2 postings the lender charged the interest due "
                               "or effectively a rate within 0.01 percentage points of the rates "
                               "entered for the period."),
             qPrintable(text.out));
    // The summary only points at postings: with none to look at, it says nothing of the rates.
    const Run summary = report({account, "--method", "2", "--summary"});
    QCOMPARE(summary.status, 0);
    QVERIFY2(!summary.out.contains("percentage points"), qPrintable(summary.out));
}

QTEST_GUILESS_MAIN(TestWorking)
#include "tst_working.moc"
