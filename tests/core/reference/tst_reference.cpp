// What the lender owed: reference series read from files as publishers and borrowers write them;
// the owed rates of tracker and adjustable terms against periods worked by hand (lag, next month,
// rounding, look-back, each cap and the floor); the pass-on table of an account whose lender
// passed a series on late, in part and not at all, each cost against a run under rates written
// out by hand; the terms kept in the account; the report tool's --reference and --owed.
#include "data/AccountConnection.h"
#include "data/ProgramPaths.h"
#include "data/ShortDate.h"
#include "reference/PassOn.h"
#include "reference/RateTerms.h"
#include "reference/TermsStore.h"
#include "render/ReferenceRendering.h"
#include "support/RateHistory.h"
#include "support/ReportTool.h"

#include <QFile>
#include <QTest>

using RateTerms::Kind;
using RateTerms::Period;

namespace {

Rate r(const char* text) {
    return *Rate::parse(QString::fromLatin1(text));
}

QDate d(const char* iso) {
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

ReferenceSeries series(const QString& key, const QStringList& spelled) {
    ReferenceSeries s;
    s.key = key;
    s.name = key;
    for (const QString& line : spelled) {
        const QStringList parts = line.split(u' ');
        s.changes << SeriesChange{QDate::fromString(parts[0], Qt::ISODate), *Rate::parse(parts[1])};
    }
    return s;
}

QStringList spelled(const RateTerms::Owed& owed) {
    QStringList out;
    for (const RateTerms::OwedPeriod& p : owed.periods)
        out << QStringLiteral("%1 %2 %3")
                   .arg(p.from.toString(Qt::ISODate), p.to.toString(Qt::ISODate),
                        p.rate.exactText());
    return out;
}

// A cash rate that rose three times, was cut once and rose again.
const QStringList Cash = {"2021-11-03 0.1",  "2022-05-04 0.35", "2022-06-08 0.85",
                          "2022-08-03 1.35", "2022-11-02 1.6",  "2023-02-08 1.35"};

// The lender's variable rate against Cash: the May rise 16 days late, June's on time, August's
// never, November's 0.15 of 0.25 two weeks late, February's cut 0.15 of 0.25 two weeks late.
const QStringList Lender = {"2022-01-01 2022-05-19 4", "2022-05-20 2022-06-07 4.25",
                            "2022-06-08 2022-11-15 4.75", "2022-11-16 2023-02-21 4.9",
                            "2023-02-22 2024-12-31 4.75"};

} // namespace

// Cash as a file of dates and rates in the fixture's folder: its path.
static QString writeCash(const AccountFixture& fixture) {
    QFile file(fixture.path("cash.csv"));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(ReferenceSeriesFile::write(series("cash", Cash)));
    return file.fileName();
}

class TestReference : public QObject {
    Q_OBJECT

private slots:
    void seriesFileReads_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("name");
        QTest::newRow("shipped form")
            << QByteArray("# name: Cash rate target\n# publisher: Reserve Bank\n"
                          "# table: F1.1\n# covers-to: 2024-12-31\neffective_date,rate\n"
                          "2020-03-04,0.5\n2020-03-20,0.25\n")
            << QStringList{"2020-03-04 0.5", "2020-03-20 0.25"} << "Cash rate target";
        QTest::newRow("a borrower's: heading, day first, '%', ';', out of order, repeats")
            << QByteArray("\xef\xbb\xbf"
                          "Date;Rate\r\n20/03/2020;5.24%\r\n04/03/2020;5.49 %\r\n"
                          "01/04/2020;5.24\r\n\r\n")
            << QStringList{"2020-03-04 5.49", "2020-03-20 5.24"} << "svr";
        QTest::newRow("quoted cells and a trailing separator")
            << QByteArray("\"2021-01-01\",\"3.5\",\n\"2021-06-01\",\"3.75\",\n")
            << QStringList{"2021-01-01 3.5", "2021-06-01 3.75"} << "svr";
    }
    void seriesFileReads() {
        QFETCH(QByteArray, text);
        QString error;
        const std::optional<ReferenceSeries> s =
            ReferenceSeriesFile::parse(text, QStringLiteral("svr"), &error);
        QVERIFY2(s, qPrintable(error));
        QStringList got;
        for (const SeriesChange& c : s->changes)
            got << c.date.toString(Qt::ISODate) + ' ' + c.rate.exactText();
        QTEST(got, "changes");
        QTEST(s->name, "name");
        // Written and read again, it is the same series.
        QCOMPARE(ReferenceSeriesFile::parse(ReferenceSeriesFile::write(*s), s->key, &error), s);
    }

    void seriesFileRefused_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("says");
        QTest::newRow("a rate that does not read")
            << QByteArray("2020-01-01,5\n2020-02-01,five\n") << "line 2";
        QTest::newRow("two rates on one date")
            << QByteArray("2020-01-01,5\n2020-01-01,5.25\n") << "2020-01-01 is given twice";
        QTest::newRow("no rates") << QByteArray("# name: empty\n") << "no dates and rates";
        QTest::newRow("a rate beyond any rate")
            << QByteArray("2020-01-01,5\n2020-02-01,100000\n") << "line 2";
    }
    void seriesFileRefused() {
        QFETCH(QByteArray, text);
        QFETCH(QString, says);
        QString error;
        QVERIFY(!ReferenceSeriesFile::parse(text, QStringLiteral("x"), &error));
        QVERIFY2(error.contains(says), qPrintable(error));
    }

    // The series the program brings: each file's header, and the rate in force on dates between
    // changes, as the publishers' tables give them.
    void shippedSeries_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("publisher");
        QTest::addColumn<QStringList>("ratesOn");
        QTest::newRow("rba-cash") << "rba-cash"
                                  << "Reserve Bank of Australia"
                                  << QStringList{"2000-01-01 5", "2017-06-30 1.5", "2021-06-30 0.1",
                                                 "2023-12-01 4.35"};
        QTest::newRow("boe-bank-rate")
            << "boe-bank-rate"
            << "Bank of England"
            << QStringList{"2005-01-01 4.75", "2012-06-30 0.5", "2023-12-31 5.25"};
        QTest::newRow("us-fed-funds")
            << "us-fed-funds"
            << "Board of Governors of the Federal Reserve System (FOMC)"
            << QStringList{"1995-03-01 6", "2007-01-01 5.25", "2021-01-01 0.25", "2023-12-01 5.5"};
        QTest::newRow("us-prime") << "us-prime"
                                  << "Board of Governors of the Federal Reserve System"
                                  << QStringList{"1997-01-01 8.25", "2010-06-30 3.25",
                                                 "2024-01-01 8.5"};
        QTest::newRow("ecb-mro") << "ecb-mro"
                                 << "European Central Bank"
                                 << QStringList{"2002-01-01 3.25", "2010-06-30 1", "2019-12-31 0"};
    }
    void shippedSeries() {
        QFETCH(QString, key);
        QFETCH(QStringList, ratesOn);
        ProgramPaths::setProgramFolder(QStringLiteral(VANTRELL_PROGRAM_DIR));
        QString error;
        const std::optional<ReferenceSeries> s = ShippedSeries::find(key, &error);
        QVERIFY2(s, qPrintable(error));
        QTEST(s->publisher, "publisher");
        QVERIFY(!s->name.isEmpty() && !s->table.isEmpty() && s->coversTo.isValid());
        QVERIFY(s->changes.first().date.year() <= 1999 && s->coversTo.year() >= 2025);
        for (const QString& spelled : ratesOn) {
            const QStringList parts = spelled.split(' ');
            QCOMPARE(s->rateOn(QDate::fromString(parts[0], Qt::ISODate)), Rate::parse(parts[1]));
        }
        QStringList notices;
        QCOMPARE(ShippedSeries::all(&notices).size(), 5);
        QVERIFY(notices.isEmpty());
        ProgramPaths::setProgramFolder(QString());
    }

    void rateInForce() {
        const ReferenceSeries s = series("cash", Cash);
        QCOMPARE(s.rateOn(d("2021-11-02")), std::nullopt);
        QCOMPARE(s.rateOn(d("2021-11-03")), r("0.1"));
        QCOMPARE(s.rateOn(d("2022-06-07")), r("0.35"));
        QCOMPARE(s.rateOn(d("2022-06-08")), r("0.85"));
        QCOMPARE(s.rateOn(d("2030-01-01")), r("1.35"));
    }

    void trackerOwes_data() {
        QTest::addColumn<int>("lag");
        QTest::addColumn<bool>("nextMonth");
        QTest::addColumn<QStringList>("owed");
        // Fixed at 3.99 to the end of May, then the cash rate plus 2.5.
        QTest::newRow("on the day")
            << 0 << false
            << QStringList{"2022-01-01 2022-05-31 3.99", "2022-06-01 2022-06-07 2.85",
                           "2022-06-08 2022-08-02 3.35", "2022-08-03 2022-09-30 3.85"};
        QTest::newRow("14 days later")
            << 14 << false
            << QStringList{"2022-01-01 2022-05-31 3.99", "2022-06-01 2022-06-21 2.85",
                           "2022-06-22 2022-08-16 3.35", "2022-08-17 2022-09-30 3.85"};
        QTest::newRow("from the next month")
            << 0 << true
            << QStringList{"2022-01-01 2022-05-31 3.99", "2022-06-01 2022-06-30 2.85",
                           "2022-07-01 2022-08-31 3.35", "2022-09-01 2022-09-30 3.85"};
    }
    void trackerOwes() {
        QFETCH(int, lag);
        QFETCH(bool, nextMonth);
        Period fixed;
        fixed.from = d("2022-01-01");
        fixed.rate = r("3.99");
        Period tracker;
        tracker.from = d("2022-06-01");
        tracker.kind = Kind::Tracker;
        tracker.series = QStringLiteral("cash");
        tracker.margin = r("2.5");
        tracker.lagDays = lag;
        tracker.nextMonth = nextMonth;
        const RateTerms::SeriesSet set = {{"cash", series("cash", Cash)}};
        const RateTerms::Owed owed = RateTerms::owed({tracker, fixed}, set, {}, d("2022-09-30"));
        QTEST(spelled(owed), "owed");
        QVERIFY(owed.covers(d("2022-01-01"), d("2022-09-30")));
        QVERIFY(owed.notices.isEmpty());
    }

    void fixedRateEndingLeavesAGap() {
        Period fixed;
        fixed.from = d("2022-01-01");
        fixed.rate = r("3.99");
        fixed.until = d("2022-03-31");
        const RateTerms::Owed owed = RateTerms::owed({fixed}, {}, {}, d("2022-06-30"));
        QCOMPARE(spelled(owed), QStringList{"2022-01-01 2022-03-31 3.99"});
        QVERIFY(!owed.covers(d("2022-01-01"), d("2022-06-30")));
        QCOMPARE(owed.notices.size(), 1);
        QVERIFY(owed.notices.first().contains(ShortDate::format(d("2022-04-01")) + " to " +
                                              ShortDate::format(d("2022-06-30"))));
    }

    void roundedSum_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("rounding");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("expected");
        const int nearest = int(RateTerms::Rounding::Nearest);
        const int up = int(RateTerms::Rounding::Up);
        const int down = int(RateTerms::Rounding::Down);
        QTest::newRow("nearest eighth") << "5.08" << nearest << "0.125"
                                        << "5.125";
        QTest::newRow("nearest eighth, a tie goes up") << "5.0625" << nearest << "0.125"
                                                       << "5.125";
        QTest::newRow("down to an eighth") << "5.124" << down << "0.125"
                                           << "5";
        QTest::newRow("up to an eighth") << "5.001" << up << "0.125"
                                         << "5.125";
        QTest::newRow("an eighth already") << "5.25" << up << "0.125"
                                           << "5.25";
        QTest::newRow("nearest hundredth") << "5.005" << nearest << "0.01"
                                           << "5.01";
        QTest::newRow("up to a hundredth") << "5.0001" << up << "0.01"
                                           << "5.01";
        QTest::newRow("below zero, down") << "-0.06" << down << "0.125"
                                          << "-0.125";
        QTest::newRow("none") << "5.0001" << int(RateTerms::Rounding::None) << "0.125"
                              << "5.0001";
    }
    void roundedSum() {
        QFETCH(QString, value);
        QFETCH(int, rounding);
        QFETCH(QString, step);
        QFETCH(QString, expected);
        QCOMPARE(RateTerms::rounded(*Rate::parse(value), RateTerms::Rounding(rounding),
                                    *Rate::parse(step))
                     .exactText(),
                 expected);
    }

    // Worked by hand: 3 % to the first change; then the index 45 days before each change plus
    // 2.75, to the nearest eighth, at most 2 points from 3 at the first change, 1 point at each
    // later one, never above 3 + 5 nor below 4.
    void adjustableOwes() {
        const ReferenceSeries index =
            series("cmt", {"2019-01-01 1", "2020-11-10 2.33", "2021-06-01 4.9", "2022-03-01 6.2",
                           "2022-12-01 9", "2024-10-01 0.3"});
        Period arm;
        arm.from = d("2020-01-01");
        arm.kind = Kind::Adjustable;
        arm.series = QStringLiteral("cmt");
        arm.rate = r("3");
        arm.margin = r("2.75");
        arm.rounding = RateTerms::Rounding::Nearest;
        arm.roundingStep = r("0.125");
        arm.firstChange = d("2021-01-01");
        arm.changeMonths = 12;
        arm.lookBackDays = 45;
        arm.firstCap = r("2");
        arm.eachCap = r("1");
        arm.lifeCap = r("5");
        arm.floor = r("4");
        const RateTerms::Owed owed = RateTerms::owed({arm}, {{"cmt", index}}, {}, d("2026-06-30"));
        QCOMPARE(spelled(owed), (QStringList{
                                    "2020-01-01 2020-12-31 3",
                                    // 2.33 + 2.75 = 5.08 -> 5.125, first cap: 5
                                    "2021-01-01 2021-12-31 5",
                                    // 4.9 + 2.75 = 7.65 -> 7.625, each cap: 6
                                    "2022-01-01 2022-12-31 6",
                                    // 6.2 on 17/11/2022 (9 comes later) + 2.75 -> 9, cap: 7
                                    "2023-01-01 2023-12-31 7",
                                    // 9 + 2.75 = 11.75, each cap 8, life cap 8
                                    "2024-01-01 2024-12-31 8",
                                    // 0.3 + 2.75 = 3.05 -> 3, each cap: 7
                                    "2025-01-01 2025-12-31 7",
                                    // 3, each cap 6
                                    "2026-01-01 2026-06-30 6",
                                }));
        // The floor: from 8 the same index falls to 3 at once without the caps, held at 4.
        arm.firstCap.reset();
        arm.eachCap.reset();
        arm.rate = r("8");
        arm.firstChange = d("2025-01-01");
        const RateTerms::Owed floored =
            RateTerms::owed({arm}, {{"cmt", index}}, {}, d("2025-03-31"));
        QCOMPARE(spelled(floored),
                 (QStringList{"2020-01-01 2024-12-31 8", "2025-01-01 2025-03-31 4"}));
    }

    void passOnTable() {
        const int method = InterestMethod::VariableDay;
        const QVector<RatePeriod> stored = ReportRows::rates(Lender);
        const QVector<HistoryRow> history = RateHistory::history(method, {}, stored, 20);
        const PassOn::Calculation c{history, CalculationBasis::of(method), {}};
        const ReferenceSeries cash = series("cash", Cash);
        const PassOn::Table t = PassOn::table(c, stored, cash, 0);
        QVERIFY(t.notices.isEmpty());

        QStringList rows;
        for (const PassOn::Row& row : t.rows)
            rows << QStringLiteral("%1 %2 %3 %4 %5")
                        .arg(row.reference.date.toString(Qt::ISODate),
                             row.lender ? row.lender->date.toString(Qt::ISODate) : "never",
                             row.lender ? row.lender->size.exactText() : "-")
                        .arg(row.daysLate)
                        .arg(row.notPassedOn.exactText());
        QCOMPARE(rows,
                 (QStringList{"2022-05-04 2022-05-20 0.25 16 0", "2022-06-08 2022-06-08 0.5 0 0",
                              "2022-08-03 never - 0 0.5", "2022-11-02 2022-11-16 0.15 14 0.1",
                              "2023-02-08 2023-02-22 -0.15 14 -0.1"}));

        // Each cost against the rates with that change passed on in full, written out by hand.
        const Money due = *PassOn::interestDue(c, stored);
        const QVector<QStringList> passedOn = {
            {"2022-01-01 2022-05-03 4", "2022-05-04 2022-06-07 4.25", "2022-06-08 2022-11-15 4.75",
             "2022-11-16 2023-02-21 4.9", "2023-02-22 2024-12-31 4.75"},
            Lender,
            {"2022-01-01 2022-05-19 4", "2022-05-20 2022-06-07 4.25", "2022-06-08 2022-08-02 4.75",
             "2022-08-03 2022-11-15 5.25", "2022-11-16 2023-02-21 5.4",
             "2023-02-22 2024-12-31 5.25"},
            {"2022-01-01 2022-05-19 4", "2022-05-20 2022-06-07 4.25", "2022-06-08 2022-11-01 4.75",
             "2022-11-02 2023-02-21 5", "2023-02-22 2024-12-31 4.85"},
            {"2022-01-01 2022-05-19 4", "2022-05-20 2022-06-07 4.25", "2022-06-08 2022-11-15 4.75",
             "2022-11-16 2023-02-07 4.9", "2023-02-08 2024-12-31 4.65"},
        };
        Money total;
        for (int i = 0; i < passedOn.size(); ++i) {
            const Money under = *PassOn::interestDue(c, ReportRows::rates(passedOn[i]));
            QCOMPARE(t.rows[i].cost, *Money::subtract(due, under));
            total = *Money::add(total, t.rows[i].cost);
        }
        QVERIFY(t.rows[0].cost.raw() < 0); // the rise came late: the borrower paid less
        QVERIFY(t.rows[1].cost.isZero());
        QVERIFY(t.rows[4].cost.raw() > 0); // the cut came late and short: more
        QCOMPARE(t.total, total);
        // The costs add up to the run with every change passed on, to a cent a posting.
        QVERIFY(t.allPassedOn);
        const qint64 apart = std::abs(t.total.raw() - t.allPassedOn->raw());
        QVERIFY2(apart <= 20 * 100, qPrintable(QString::number(apart)));

        // A lag of 14 days moves every due date: November's and February's answers are on time.
        const PassOn::Table lagged = PassOn::table(c, stored, cash, 14);
        QCOMPARE(lagged.rows[3].daysLate, 0);
        QCOMPARE(lagged.rows[0].daysLate, 2);
    }

    // The lender's answer to a change is looked for from its date to AnswerDays after its date
    // plus the lag; each cost is held against the rates with that change in full, by hand.
    void answerLookedForAfterTheLag_data() {
        QTest::addColumn<int>("lag");
        QTest::addColumn<int>("answeredAfter"); // days after the change
        QTest::addColumn<int>("daysLate");      // -1: never answered
        QTest::newRow("lag 0, on the window's last day") << 0 << 62 << 62;
        QTest::newRow("lag 0, a day past it") << 0 << 63 << -1;
        QTest::newRow("lag 30, 40 days after the lag") << 30 << 70 << 40;
        QTest::newRow("lag 23, 63 days after the change") << 23 << 63 << 40;
        QTest::newRow("lag 23, a day past the window") << 23 << 86 << -1;
    }
    void answerLookedForAfterTheLag() {
        QFETCH(int, lag);
        QFETCH(int, answeredAfter);
        QFETCH(int, daysLate);
        const int method = InterestMethod::VariableDay;
        const QDate change = d("2022-05-04");
        const QDate due = change.addDays(lag);
        const QDate answer = change.addDays(answeredAfter);
        const auto iso = [](const QDate& day) { return day.toString(Qt::ISODate); };
        const QVector<RatePeriod> stored = ReportRows::rates(
            {"2022-01-01 " + iso(answer.addDays(-1)) + " 4", iso(answer) + " 2024-12-31 4.25"});
        const QVector<HistoryRow> history = RateHistory::history(method, {}, stored, 20);
        const PassOn::Calculation c{history, CalculationBasis::of(method), {}};
        const PassOn::Table t =
            PassOn::table(c, stored, series("cash", {"2021-11-03 0.1", "2022-05-04 0.35"}), lag);
        QCOMPARE(t.rows.size(), 1);
        const PassOn::Row& row = t.rows.first();
        QCOMPARE(row.lender.has_value(), daysLate >= 0);
        QCOMPARE(row.daysLate, std::max(daysLate, 0));
        QCOMPARE(row.notPassedOn, daysLate >= 0 ? Rate() : r("0.25"));
        // In full from its date plus the lag; never answered, the lender's own rise comes on top.
        const QStringList inFull =
            daysLate >= 0 ? QStringList{"2022-01-01 " + iso(due.addDays(-1)) + " 4",
                                        iso(due) + " 2024-12-31 4.25"}
                          : QStringList{"2022-01-01 " + iso(due.addDays(-1)) + " 4",
                                        iso(due) + " " + iso(answer.addDays(-1)) + " 4.25",
                                        iso(answer) + " 2024-12-31 4.5"};
        const Money under = *PassOn::interestDue(c, ReportRows::rates(inFull));
        QCOMPARE(row.cost, *Money::subtract(*PassOn::interestDue(c, stored), under));
    }

    // A series that changes every day over a long history: each cost would be a run over the
    // whole history, so none is worked out and the table says so; the changes are still matched.
    void costsRefusedPastTheirLimit() {
        QVector<HistoryRow> history(5000);
        QStringList daily;
        for (int i = 0; i < history.size(); ++i) {
            history[i].date = d("2010-01-01").addDays(i);
            daily << history[i].date.toString(Qt::ISODate) + (i % 2 ? " 4.1" : " 4.2");
        }
        const QVector<RatePeriod> stored = ReportRows::rates({"2010-01-01 2030-12-31 6"});
        const PassOn::Calculation c{history, CalculationBasis::of(InterestMethod::VariableDay), {}};
        const PassOn::Table t = PassOn::table(c, stored, series("daily", daily), 0);
        QVERIFY(t.costsRefused);
        QCOMPARE(t.rows.size(), history.size() - 1);
        QVERIFY(std::all_of(t.rows.cbegin(), t.rows.cend(),
                            [](const PassOn::Row& row) { return row.cost.isZero(); }));
        QCOMPARE(t.notices.size(), 1);
        QVERIFY2(t.notices.first().contains("4999 times within a history of 5000 rows"),
                 qPrintable(t.notices.first()));
        QVERIFY(t.notices.first().contains("20 million"));
        QCOMPARE(ReferenceRendering::passOnTotalLine(t),
                 "The costs of the changes of the reference are not worked out.");

        // The tool refuses the table rather than print costs it did not work out.
        AccountFixture fixture;
        const QString path = fixture.newAccount();
        RateHistory::write(path, history);
        RateHistory::writeRates(path, {"2010-01-01 2030-12-31 6"});
        QFile file(fixture.path("daily.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ReferenceSeriesFile::write(series("daily", daily)));
        file.close();
        const Run run = report({path, "--method", "2", "--reference", file.fileName()});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains("The costs are not worked out"), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    void termsKeptInTheAccount() {
        AccountFixture fixture;
        const QString path = fixture.newAccount();
        Period fixed;
        fixed.from = d("2022-01-01");
        fixed.rate = r("3.99");
        fixed.until = d("2022-05-31");
        Period arm;
        arm.from = d("2022-06-01");
        arm.kind = Kind::Adjustable;
        arm.series = QStringLiteral("cmt");
        arm.rate = r("4.125");
        arm.margin = r("2.75");
        arm.rounding = RateTerms::Rounding::Up;
        arm.roundingStep = r("0.01");
        arm.firstChange = d("2023-06-01");
        arm.changeMonths = 6;
        arm.lookBackDays = 45;
        arm.eachCap = r("1");
        arm.floor = r("2.75");
        Period variable;
        variable.from = d("2025-01-01");
        variable.kind = Kind::Variable;
        variable.series = QStringLiteral("cash");
        variable.lagDays = 7;
        const RateTerms::SeriesSet set = {{"cash", series("cash", Cash)},
                                          {"cmt", series("cmt", {"2019-01-01 1.125"})}};
        AccountConnection connection;
        QVERIFY(connection.open(path));
        QString error;
        QVERIFY2(TermsStore::write(connection.database(), {variable, fixed, arm}, set, &error),
                 qPrintable(error));
        TermsStore::Stored stored;
        QVERIFY2(TermsStore::read(connection.database(), &stored, &error), qPrintable(error));
        QVERIFY(stored.notices.isEmpty());
        QCOMPARE(stored.terms.size(), 3);
        for (Period& p : stored.terms)
            p.id = 0;
        QCOMPARE(stored.terms[0], fixed);
        QCOMPARE(stored.terms[1], arm);
        QCOMPARE(stored.terms[2], variable);
        QCOMPARE(stored.series, set);
    }

    void reportToolPassOn() {
        AccountFixture fixture;
        const QString path = fixture.newAccount();
        const int method = InterestMethod::VariableDay;
        const QVector<RatePeriod> stored = ReportRows::rates(Lender);
        RateHistory::write(path, RateHistory::history(method, {}, stored, 20));
        RateHistory::writeRates(path, Lender);
        QFile file(fixture.path("cash.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ReferenceSeriesFile::write(series("cash", Cash)));
        file.close();

        const Run csv = report({path, "--method", "2", "--reference", file.fileName(), "--margin",
                                "3.9", "--format", "csv"});
        QCOMPARE(csv.status, 0);
        const QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], "reference_date,reference_change,reference_rate,lender_date,"
                           "lender_change,lender_rate,days_late,not_passed_on,cost");
        QVERIFY2(lines[3].startsWith("2022-08-03,0.5,5.25,,,,,0.5,-"), qPrintable(lines[3]));
        QVERIFY2(lines[5].startsWith("2023-02-08,-0.25,5.25,2023-02-22,-0.15,4.75,14,-0.1,"),
                 qPrintable(lines[5]));

        const Run text = report({path, "--method", "2", "--reference", file.fileName()});
        QCOMPARE(text.status, 0);
        QVERIFY2(text.out.contains("never"), qPrintable(text.out));
        QVERIFY(text.out.contains("in interest over the history."));

        // The terms kept in the account: owed periods, then the summary under them.
        AccountFixture::exec(path, "insert into tblRateTerms (ValidFrom, Terms, InterestRate) "
                                   "values ('2022-01-01', 'fixed', 4.5)");
        const Run owed = report({path, "--owed", "--format", "csv"});
        QCOMPARE(owed.status, 0);
        QCOMPARE(owed.out, QString("from,to,rate,source\n2022-01-01,2023-08-15,4.5,fixed\n"));
        const Run summary = report({path, "--owed", "--method", "2", "--summary"});
        QCOMPARE(summary.status, 0);
        QVERIFY2(summary.out.contains("rates the loan's terms owe"), qPrintable(summary.out));
    }

    // Rate terms given on the command line stand in for the account's, which stays as it was.
    void reportToolTerms() {
        AccountFixture fixture;
        const QString path = fixture.newAccount();
        const int method = InterestMethod::VariableDay;
        RateHistory::write(path, RateHistory::history(method, {}, ReportRows::rates(Lender), 20));
        RateHistory::writeRates(path, Lender);
        const QString cash = writeCash(fixture);
        const QByteArray before = AccountFixture::sha256(path);

        const Run fixed = report(
            {path, "--owed", "--terms", "from=2022-01-01,kind=fixed,rate=4.5", "--format", "csv"});
        QCOMPARE(fixed.status, 0);
        QCOMPARE(fixed.out, QString("from,to,rate,source\n2022-01-01,2023-08-15,4.5,fixed\n"));

        // Two periods: fixed to the end of May, then a tracker on the series from a file.
        const Run tracker =
            report({path, "--owed", "--format", "csv", "--terms",
                    "from=2022-01-01,kind=fixed,rate=3.99,until=2022-05-31", "--terms",
                    "from=2022-06-01, kind=tracker, series=" + cash + ", margin=3.9, lag=14"});
        QCOMPARE(tracker.status, 0);
        QCOMPARE(
            tracker.out.split('\n', Qt::SkipEmptyParts),
            (QStringList{"from,to,rate,source", "2022-01-01,2022-05-31,3.99,fixed",
                         "2022-06-01,2022-06-21,4.25,tracker", "2022-06-22,2022-08-16,4.75,tracker",
                         "2022-08-17,2022-11-15,5.25,tracker", "2022-11-16,2023-02-21,5.5,tracker",
                         "2023-02-22,2023-08-15,5.25,tracker"}));

        // The lender's variable rate against the series: the summary's pass-on table.
        const Run summary = report({path, "--method", "2", "--summary", "--terms",
                                    "from=2022-01-01,kind=variable,series=" + cash + ",lag=14"});
        QCOMPARE(summary.status, 0);
        QVERIFY2(summary.out.contains("Changes of cash (cash) passed on, 14 days allowed"),
                 qPrintable(summary.out));
        QCOMPARE(AccountFixture::sha256(path), before);
        QCOMPARE(AccountFixture::column(path, "select count(*) from tblRateTerms"),
                 QStringList{"0"});
    }

    void reportToolTermsRefused_data() {
        QTest::addColumn<QStringList>("terms");
        QTest::addColumn<QString>("says");
        QTest::newRow("a kind unknown")
            << QStringList{"from=2022-01-01,kind=weekly"} << "kind is fixed, tracker";
        QTest::newRow("no kind") << QStringList{"from=2022-01-01,rate=4"} << "is required";
        QTest::newRow("no start") << QStringList{"kind=fixed,rate=4"} << "from=DATE";
        QTest::newRow("a field unknown")
            << QStringList{"from=2022-01-01,kind=fixed,colour=red"} << "'colour=red' is not";
        QTest::newRow("a field given twice")
            << QStringList{"from=2022-01-01,kind=fixed,rate=4,rate=5"} << "rate is given twice";
        QTest::newRow("a field of another kind")
            << QStringList{"from=2022-01-01,kind=fixed,rate=4,lag=3"}
            << "lag is not a field of fixed terms, which take rate, until";
        QTest::newRow("a date that does not read")
            << QStringList{"from=2022-13-01,kind=fixed,rate=4"} << "from is a date";
        QTest::newRow("a rate that does not read")
            << QStringList{"from=2022-01-01,kind=fixed,rate=four"} << "'four'";
        QTest::newRow("a fixed rate missing")
            << QStringList{"from=2022-01-01,kind=fixed"} << "Fixed terms need their rate.";
        QTest::newRow("a series unknown")
            << QStringList{"from=2022-01-01,kind=variable,series=nosuch"} << "no series 'nosuch'";
        QTest::newRow("a lag out of range")
            << QStringList{"from=2022-01-01,kind=variable,series=CASH,lag=400"}
            << "The lag is 0 to 366 days.";
        QTest::newRow("months out of range")
            << QStringList{"from=2022-01-01,kind=adjustable,series=CASH,rate=4,"
                           "first-change=2022-07-01,months=0"}
            << "The months between changes are 1 to 120.";
        QTest::newRow("two periods on one date")
            << QStringList{"from=2022-01-01,kind=fixed,rate=4",
                           "from=2022-01-01,kind=variable,series=CASH"}
            << "another terms period starts on 2022-01-01";
    }
    void reportToolTermsRefused() {
        QFETCH(QStringList, terms);
        AccountFixture fixture;
        const QString path = fixture.newAccount();
        const QString cash = writeCash(fixture);
        QStringList args = {path, "--owed"};
        for (const QString& t : std::as_const(terms))
            args << "--terms" << QString(t).replace("CASH", cash);
        const Run run = report(args);
        QCOMPARE(run.status, 2);
        QFETCH(QString, says);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    void reportToolRefuses_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("margin without reference")
            << QStringList{"A", "--method", "2", "--margin", "1"} << 1 << "go with --reference";
        QTest::newRow("reference with summary")
            << QStringList{"A", "--method", "2", "--reference", "x", "--summary"} << 1
            << "--reference prints the changes passed on";
        QTest::newRow("reference without method")
            << QStringList{"A", "--reference", "x"} << 1 << "--method is required";
        QTest::newRow("lag out of range")
            << QStringList{"A", "--method", "2", "--reference", "x", "--lag", "400"} << 1
            << "0 to 366";
        QTest::newRow("owed summary without method")
            << QStringList{"A", "--owed", "--summary"} << 1 << "--method is required";
        QTest::newRow("list with a method")
            << QStringList{"--reference", "list", "--method", "2"} << 1 << "no other option";
        QTest::newRow("terms where they do not count")
            << QStringList{"A", "--fit", "--terms", "from=2022-01-01,kind=fixed,rate=4"} << 1
            << "--terms goes with --owed";
        QTest::newRow("terms empty")
            << QStringList{"A", "--owed", "--terms", " "} << 1 << "--terms needs a terms period";
    }
    void reportToolRefuses() {
        QFETCH(QStringList, args);
        const Run run = report(args);
        QTEST(run.status, "status");
        QFETCH(QString, says);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestReference)
#include "tst_reference.moc"
