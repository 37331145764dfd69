// "Find my lender's method": charges made by a known method, day and conventions are found
// again, first and every one matched; the ranking's order and its CSV; the pairing of charges
// with postings.
#include "engine/LenderFit.h"
#include "support/ChargedAccount.h"
#include "support/ReportRows.h"

#include <QLocale>
#include <QProcess>
#include <QTest>

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
};

// One account a day count, its charges made by Fixed Day from the 15th: that way comes first,
// every charge matched. Ties (Day4 against Posting, Fixed Day 15 against Variable Day) keep the
// fixed order, so exactly the known way leads.
void TestLenderFit::knownWayRanksFirst_data() {
    QTest::addColumn<int>("dayCount");
    for (int d = 0; d < Conventions::DayCountCount; ++d)
        QTest::newRow(qPrintable(Conventions::dayCountWords()[d])) << d;
}

void TestLenderFit::knownWayRanksFirst() {
    QFETCH(int, dayCount);
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    ChargedAccount::write(
        account, ChargedAccount::history(InterestMethod::FixedDay, "14", {DayCount(dayCount)}));
    const QStringList csv = fitLines(account, {"--format", "csv"});
    QCOMPARE(csv.value(0), "method,day,day_count,rounding,matched,charges,difference,rest,"
                           "compounding,per_year");
    QCOMPARE(csv.value(1), QStringLiteral("0,15,%1,day4,24,24,0.00,daily,none,")
                               .arg(Conventions::dayCountWords()[dayCount]));
    // Both fixed-day methods on the 15th and both Variable Day methods, under 15 conventions.
    QCOMPARE(csv.size(), 1 + 15 * 4);
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

QTEST_GUILESS_MAIN(TestLenderFit)
#include "tst_lenderfit.moc"
