// The lender's conventions: a day's interest under each day count and rounding, the settings
// that keep them in the account, the upgrade that makes room for them in a version-1 file, and
// the report tool's options.
#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "data/AccountSchema.h"
#include "engine/InterestEngine.h"
#include "engine/AccountStore.h"
#include "support/AccountFixture.h"
#include "support/ReportRows.h"
#include "support/ReportTool.h"

#include <QLocale>
#include <QProcess>
#include <QTest>

using namespace ReportRows;

namespace {

LenderConventions conventions(const QString& dayCount, const QString& rounding) {
    return {*Conventions::dayCountFromWord(dayCount), *Conventions::roundingFromWord(rounding)};
}

bool store(const QString& account, const LenderConventions& c) {
    AccountConnection connection;
    QString error;
    return connection.open(account) &&
           AccountStore::writeConventions(connection.database(), c, &error);
}

std::optional<LenderConventions> stored(const QString& account) {
    AccountConnection connection;
    LenderConventions c;
    QString error;
    if (!connection.open(account) ||
        !AccountStore::readConventions(connection.database(), &c, &error))
        return std::nullopt;
    return c;
}

const char* const History =
    "insert into tblAllRecords (Date, Deposit, InterestPayment, CloseBalance) values "
    "('2024-01-01', null, null, -4000000000), ('2024-01-05', 12345000, null, null), "
    "('2024-01-31', null, 19000000, null), ('2024-02-29', null, 19000000, null);"
    "insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) values "
    "('2024-01-01', '2024-12-31', 6.0)";

void writeHistory(const QString& account) {
    for (const QString& statement : QString::fromLatin1(History).split(';'))
        AccountFixture::exec(account, statement);
}

} // namespace

class TestConventions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void workedFigures_data();
    void workedFigures();
    void settingsRoundTrip();
    void offsetSettingsRead_data();
    void offsetSettingsRead();
    void versionOneUpgrade();
    void reportToolOptions();
};

// The interest of a period, posted by Variable Day on the lender's charge the day after it ends.
// Four decimals compare the amount itself, two the amount as the report shows it.
void TestConventions::workedFigures_data() {
    QTest::addColumn<QString>("dayCount");
    QTest::addColumn<QString>("rounding");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("postedOn");
    QTest::addColumn<QString>("due");

    const auto row = [](const char* name, const char* d, const char* r, const char* from,
                        const char* to, const char* due) {
        QTest::newRow(name) << d << r << "-400000" << 6.0 << from << to << due;
    };
    row("a day, Actual/365 Fixed", "act365", "day4", "2024-02-01", "2024-02-02", "65.7534");
    row("a day of 2024, Actual/Actual", "actact", "day4", "2024-02-01", "2024-02-02", "65.5738");
    row("a day of 2023, Actual/Actual", "actact", "day4", "2023-02-01", "2023-02-02", "65.7534");
    row("a day, Actual/360", "act360", "day4", "2024-02-01", "2024-02-02", "66.6667");
    row("February 2024, Actual/365 Fixed", "act365", "day4", "2024-02-01", "2024-03-01", "1906.85");
    row("February 2024, Actual/Actual", "actact", "day4", "2024-02-01", "2024-03-01", "1901.64");
    row("February 2024, No-Leap", "act365nl", "day4", "2024-02-01", "2024-03-01", "1841.10");
    row("February 2024, Actual/360", "act360", "day4", "2024-02-01", "2024-03-01", "1933.33");
    row("February 2024, 30/360", "30360", "day4", "2024-02-01", "2024-03-01", "2000.00");
    row("February 2023, 30/360: the 28th counts three days", "30360", "day4", "2023-02-01",
        "2023-03-01", "2000.00");
    row("March 2024, 30/360: the 31st counts none", "30360", "day4", "2024-03-01", "2024-04-01",
        "2000.00");
    row("March 2024, Actual/365 Fixed", "act365", "day4", "2024-03-01", "2024-04-01", "2038.36");
    row("March 2024, Actual/Actual", "actact", "day4", "2024-03-01", "2024-04-01", "2032.79");
    row("February 2024 at posting, Actual/Actual", "actact", "posting", "2024-02-01", "2024-03-01",
        "1901.64");

    // 1,012.00 at 6 %: 0.16635616... a day, 29 days.
    for (const auto& [rounding, due] :
         {std::pair{"day4", "4.8256"}, std::pair{"day2", "4.93"}, std::pair{"posting", "4.82"}})
        QTest::newRow(qPrintable(QStringLiteral("1,012.00 in February, rounded %1").arg(rounding)))
            << "act365" << rounding << "-1012" << 6.0 << "2024-02-01"
            << "2024-03-01" << due;
    // 50.00 at 3.6 % / 360 is half a cent a day exactly.
    QTest::newRow("half a cent at the posting goes away from zero") << "act360"
                                                                    << "posting"
                                                                    << "-50" << 3.6 << "2024-02-01"
                                                                    << "2024-02-02"
                                                                    << "0.01";
    QTest::newRow("half a cent a day, to cents with ties to even") << "act360"
                                                                   << "day2"
                                                                   << "-50" << 3.6 << "2024-02-01"
                                                                   << "2024-02-02"
                                                                   << "0.00";
}

void TestConventions::workedFigures() {
    QFETCH(QString, dayCount);
    QFETCH(QString, rounding);
    QFETCH(QString, balance);
    QFETCH(double, rate);
    QFETCH(QString, from);
    QFETCH(QString, postedOn);
    QFETCH(QString, due);
    const auto result = InterestEngine::calculate(
        history({from + " close " + balance, postedOn + " int 0.01"}),
        rates({QStringLiteral("2000-01-01 2030-12-31 %1").arg(rate)}),
        CalculationBasis::of(InterestMethod::VariableDay, {}, conventions(dayCount, rounding)));
    QCOMPARE(result.lines.size(), 2);
    const Money posted = result.lines[1].interestDue.value();
    if (due.section('.', 1).size() == 4)
        QCOMPARE(posted, *Money::parse(due));
    else
        QCOMPARE(ReportRendering::plainAmount(posted), due);
}

// The last choice stored counts; a value this version does not know is said, and read as the
// default.
void TestConventions::settingsRoundTrip() {
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    QVERIFY(stored(account) == LenderConventions());
    QVERIFY(store(account, conventions("act360", "day2")));
    QVERIFY(store(account, conventions("30360", "posting")));
    AccountFixture::exec(account,
                         "update tblSettings set Value = 'act364' where Name = 'DayCount'");
    AccountConnection connection;
    QVERIFY(connection.open(account));
    LenderConventions read;
    QString error;
    QVERIFY(!AccountStore::readConventions(connection.database(), &read, &error));
    QVERIFY2(error.contains("day count 'act364'"), qPrintable(error));
    QVERIFY(read == (LenderConventions{DayCount::Actual365Fixed, InterestRounding::Posting}));

    // The offset settings alike: a share that does not read leaves 100 %, and the setting
    // stored after it still counts.
    AccountFixture::exec(account, "insert into tblSettings (Name, Value) values "
                                  "('OffsetShare', 'most'), ('OffsetAccount', 'yes')");
    AccountFixture::exec(account, "insert into tblOffsetBalances (Date, Balance) "
                                  "values ('2024-01-01', 10000)");
    OffsetAccount offset;
    QVERIFY(!AccountStore::readOffset(connection.database(), &offset, &error));
    QVERIFY2(error.contains("'most'"), qPrintable(error));
    QVERIFY(offset.hasData());
    QCOMPARE(offset.share, Offset::FullShare);
}

// The offset settings read the same whoever wrote them: yes and no in any case, the share with
// either decimal point in any locale; anything else gives a notice.
void TestConventions::offsetSettingsRead_data() {
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("share");
    QTest::addColumn<bool>("hasData");
    QTest::addColumn<int>("readShare");
    QTest::addColumn<QString>("notice");
    QTest::newRow("as written") << "yes"
                                << "33.5" << true << 3350 << "";
    QTest::newRow("capitals, a comma") << "Yes"
                                       << "33,5" << true << 3350 << "";
    QTest::newRow("no") << "NO"
                        << "40" << false << 4000 << "";
    QTest::newRow("a number for yes") << "1"
                                      << "40" << false << 4000 << "'1', neither yes nor no";
    QTest::newRow("a share past 100") << "yes"
                                      << "100.5" << true << 10000 << "'100.5'";
}

void TestConventions::offsetSettingsRead() {
    QFETCH(QString, enabled);
    QFETCH(QString, share);
    QFETCH(bool, hasData);
    QFETCH(int, readShare);
    QFETCH(QString, notice);
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    AccountFixture::exec(account, QStringLiteral("insert into tblSettings (Name, Value) values "
                                                 "('OffsetAccount', '%1'), ('OffsetShare', '%2')")
                                      .arg(enabled, share));
    AccountFixture::exec(account, "insert into tblOffsetBalances (Date, Balance) "
                                  "values ('2024-01-01', 10000)");
    AccountConnection connection;
    QVERIFY(connection.open(account));
    for (const char* locale : {"en_AU", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        OffsetAccount offset;
        QString error;
        QCOMPARE(AccountStore::readOffset(connection.database(), &offset, &error), notice.isEmpty());
        QVERIFY2(error.contains(notice), qPrintable(error));
        QCOMPARE(offset.hasData(), hasData);
        QCOMPARE(offset.share, readShare);
    }
    QLocale::setDefault(QLocale::c());
    // Written the same in every locale.
    QCOMPARE(Offset::shareToStorage(3350), QStringLiteral("33.5"));
}

// Open brings a version-1 file with rows up to the current version: the later tables as a new
// file has them, and the same report before and after; choices stored then outlast closing and
// reopening.
void TestConventions::versionOneUpgrade() {
    AccountFixture fixture;
    const QString fresh = fixture.newAccount("Fresh.mdb");
    const QString account = fixture.newAccount();
    writeHistory(account);
    AccountFixture::exec(account, "drop table tblSettings");
    AccountFixture::exec(account, "drop table tblOffsetBalances");
    AccountFixture::exec(account, "alter table tblReport drop column Offset");
    for (const char* table : {"tblRateTerms", "tblSeries", "tblSeriesRates"})
        AccountFixture::exec(account, QStringLiteral("drop table %1").arg(table));
    AccountFixture::exec(account, "pragma user_version = 1");
    const QStringList args = {account, "--method", "2", "--format", "csv"};
    const Run before = report(args);
    QCOMPARE(before.status, 0);
    QVERIFY(before.out.count('\n') > 3);

    const QString scratch = fixture.dataFolder() + "Temp.mdb";
    FileError e = AccountFiles::compactInPlace(account, scratch);
    QVERIFY2(!e, qPrintable(e.text));
    QCOMPARE(AccountFixture::column(account, "pragma user_version"),
             QStringList{QString::number(AccountSchema::CurrentVersion)});
    const QString settingsTable = "select sql from sqlite_schema where name = 'tblSettings'";
    QCOMPARE(AccountFixture::column(account, settingsTable),
             AccountFixture::column(fresh, settingsTable));
    for (const QString table :
         {"tblOffsetBalances", "tblReport", "tblRateTerms", "tblSeries", "tblSeriesRates"}) {
        const QString columns =
            "select name || ' ' || type from pragma_table_info('" + table + "')";
        QCOMPARE(AccountFixture::column(account, columns), AccountFixture::column(fresh, columns));
    }
    const Run after = report(args);
    QCOMPARE(after.out, before.out);
    QCOMPARE(after.err, before.err);

    const LenderConventions chosen = conventions("actact", "posting");
    QVERIFY(store(account, chosen));
    e = AccountFiles::compactInPlace(account, scratch);
    QVERIFY2(!e, qPrintable(e.text));
    QVERIFY(stored(account) == chosen);
    QVERIFY(report(args).out != before.out);
}

// The options override what the account holds; the text says which conventions it used unless
// they are the defaults; the CSV stays plain.
void TestConventions::reportToolOptions() {
    AccountFixture fixture;
    const QString plain = fixture.newAccount("Plain.mdb");
    const QString account = fixture.newAccount();
    writeHistory(plain);
    writeHistory(account);
    QVERIFY(store(account, conventions("actact", "day2")));
    const QString note = "Lender's conventions: Actual/Actual, each day to cents.\n\n";

    const Run text = report({account, "--method", "2"});
    QVERIFY2(text.out.startsWith(note), qPrintable(text.out));
    QVERIFY(!report({plain, "--method", "2"}).out.startsWith("Lender's"));
    const QStringList csv = {"--method", "2", "--format", "csv"};
    const Run overridden =
        report(QStringList{account, "--day-count", "act365", "--rounding", "day4"} + csv);
    QCOMPARE(overridden.out, report(QStringList{plain} + csv).out);
    QVERIFY(report(QStringList{account} + csv).out != overridden.out);

    const Run refused = report({account, "--method", "2", "--rounding", "month"});
    QCOMPARE(refused.status, 1);
    QVERIFY2(refused.err.contains("the rounding is one of day4, day2, posting, not 'month'"),
             qPrintable(refused.err));
}

QTEST_GUILESS_MAIN(TestConventions)
#include "tst_conventions.moc"
