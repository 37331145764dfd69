#include "data/ShortDate.h"
#include "render/GridText.h"
#include "support/AccountFixture.h"
#include "support/ReportRows.h"
#include "support/ReportTool.h"
#include "support/SplitLoan.h"

#include <QFile>
#include <QProcess>
#include <QTest>
#include <sqlite3.h>

namespace {

// A short history with interest, a balance row that the calculation would delete and empty
// amounts it would fill, calculation day 1.
const char* const SmallAccount =
    "insert into tblAllRecords (Date, Deposit, InterestPayment, CloseBalance) values "
    "('2024-01-01', null, null, -1000000000), ('2024-01-05', 12345000, null, null), "
    "('2024-01-29', null, 5678900, null), ('2024-02-01', null, null, -993333900), "
    "('2024-02-29', null, 5432100, null);"
    "insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) values "
    "('2024-01-01', '2024-12-31', 7.3);"
    "insert into tblCalcTo (CalcFrom, CalcTo) values ('1', '28');"
    "insert into tblNumber (StatementNumber) values (1);";

} // namespace

class TestReportTool : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void exitStatus_data();
    void exitStatus();
    void methodByNameOrNumber();
    void splitLoan_data();
    void splitLoan();
    void conventionOptions_data();
    void conventionOptions();
    void accountsChoiceGivesWay();
    void workingOnPaperHoldsEveryLine();
    void csvIsTheSameInEveryLocaleAndTheAccountIsNotWritten();
    void textShowsTheGridAndItsTotals();
    void totalsAddTheShownValues();
    void gridTextIsTheProgramsText_data();
    void gridTextIsTheProgramsText();
    void fileLeftHalfWrittenIsRefused();
    void walFileIsReadWithoutLeavingFiles();

private:
    AccountFixture m_fixture;
    QString m_blank;
    QString m_small;
    QString m_compounded; // the small account, its lender's rate compounded half-yearly
    QString m_notAccount;
};

void TestReportTool::initTestCase() {
    QVERIFY(QFile::exists(VANTRELL_PROGRAM_DIR "/vantrell-report"));
    m_blank = m_fixture.newAccount("blank.mdb");
    m_small = m_fixture.newAccount("small.mdb");
    for (const QString& statement :
         QString::fromLatin1(SmallAccount).split(';', Qt::SkipEmptyParts))
        AccountFixture::exec(m_small, statement);
    m_compounded = m_fixture.newAccount("compounded.mdb");
    for (const QString& statement :
         QString::fromLatin1(SmallAccount).split(';', Qt::SkipEmptyParts))
        AccountFixture::exec(m_compounded, statement);
    AccountFixture::exec(m_compounded, "insert into tblSettings (Name, Value) values "
                                       "('Compounding', 'half-yearly'), ('PeriodsAYear', '4')");
    m_notAccount = m_fixture.path("notes.mdb");
    QFile f(m_notAccount);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Date,Deposit\n2024-01-01,100\n");
}

void TestReportTool::exitStatus_data() {
    QTest::addColumn<QStringList>("args"); // SMALL, BLANK, TEXT, MISSING stand for accounts
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("no account") << QStringList{"--method", "0"} << 1 << "no ACCOUNT given";
    QTest::newRow("no method") << QStringList{"SMALL"} << 1 << "--method is required";
    QTest::newRow("method 4") << QStringList{"SMALL", "--method", "4"} << 1 << "unknown method";
    QTest::newRow("day 29") << QStringList{"SMALL", "--method", "0", "--day", "29"} << 1
                            << "1 to 28";
    QTest::newRow("format xml") << QStringList{"SMALL", "--method", "0", "--format", "xml"} << 1
                                << "text or csv";
    QTest::newRow("fixed day method without any day")
        << QStringList{"BLANK", "--method", "Fixed Day"} << 1 << "give --day N";
    QTest::newRow("missing file") << QStringList{"MISSING", "--method", "2"} << 2
                                  << "Could not find file";
    QTest::newRow("not an account")
        << QStringList{"TEXT", "--method", "2"} << 2 << "is not a loan account file";
    QTest::newRow("no transactions")
        << QStringList{"BLANK", "--method", "2"} << 0
        << "No transactions have been entered. Report cannot be generated.";

    // How options are read: a value is the next argument whatever it looks like, a repeated
    // option is named by the last argument it took, and the first problem in order is told.
    QTest::newRow("value that looks like an option")
        << QStringList{"SMALL", "--explain", "--fit"} << 1
        << "vantrell-report: --explain takes a date as YYYY-MM-DD, not '--fit'\n";
    QTest::newRow("repeated option named by its value")
        << QStringList{"SMALL", "--method", "2", "--method", "3"} << 1
        << "vantrell-report: unknown or repeated option '3'\n";
    QTest::newRow("repeated option with its value")
        << QStringList{"SMALL", "--method", "2", "--method=3"} << 1
        << "vantrell-report: unknown or repeated option '--method=3'\n";
    QTest::newRow("repeated day") << QStringList{"SMALL", "--method", "2", "--day",
                                                 "5",     "--day",    "6"}
                                  << 1 << "vantrell-report: unknown or repeated option '6'\n";
    QTest::newRow("repeated flag")
        << QStringList{"SMALL", "--method", "2", "--rates", "--rates"} << 1
        << "vantrell-report: unknown or repeated option '--rates'\n";
    QTest::newRow("flag given a value")
        << QStringList{"SMALL", "--method", "2", "--summary=yes"} << 1
        << "vantrell-report: unknown or repeated option '--summary=yes'\n";
    QTest::newRow("help given a value")
        << QStringList{"--help=x"} << 1
        << "vantrell-report: unknown or repeated option '--help=x'\n";
    QTest::newRow("short name as a long option")
        << QStringList{"SMALL", "--h"} << 1
        << "vantrell-report: unknown or repeated option '--h'\n";
    QTest::newRow("value missing at the end")
        << QStringList{"SMALL", "--method"} << 1 << "vantrell-report: --method needs a value\n";
    QTest::newRow("empty pdf name") << QStringList{"SMALL", "--method", "2", "--pdf="} << 1
                                    << "vantrell-report: --pdf needs a file name\n";
    // Several accounts are a split loan's parts: its summary or diagnosis alone.
    QTest::newRow("two accounts") << QStringList{"SMALL", "BLANK", "--method", "2"} << 1
                                  << "vantrell-report: several accounts or a loan set are "
                                     "checked with --summary or --diagnose\n";
    QTest::newRow("two accounts explained")
        << QStringList{"SMALL", "BLANK", "--method", "2", "--summary", "--explain", "2024-01-29"}
        << 1
        << "vantrell-report: several parts are checked with --summary or --diagnose alone: no "
           "--explain with them\n";
    QTest::newRow("two accounts to files")
        << QStringList{"SMALL", "BLANK", "--method",    "2",    "--diagnose",
                       "--pdf", "x.pdf", "--complaint", "x.odt"}
        << 1 << "alone: no --pdf, --complaint with them\n";
    QTest::newRow("two accounts without a method")
        << QStringList{"SMALL", "BLANK", "--summary"} << 1
        << "vantrell-report: --method is required with several accounts";
    QTest::newRow("a set among accounts")
        << QStringList{"SMALL", "home.vloan", "--method", "2", "--summary"} << 1
        << "a loan set is given alone, not with other accounts: 'home.vloan'";
    QTest::newRow("a set that does not read")
        << QStringList{"SMALL.vloan", "--summary"} << 2 << "cannot be read";
    QTest::newRow("bad day first") << QStringList{"SMALL", "--day", "29", "--method", "9"} << 1
                                   << "vantrell-report: the day must be a whole number";
    QTest::newRow("bad method first") << QStringList{"SMALL", "--method", "9", "--day", "29"} << 1
                                      << "vantrell-report: unknown method '9'\n";
    QTest::newRow("problem before help")
        << QStringList{"SMALL", "--bogus", "--help"} << 1
        << "vantrell-report: unknown or repeated option '--bogus'\n";
    QTest::newRow("help before a problem") << QStringList{"SMALL", "-h", "--bogus"} << 0 << "";
    QTest::newRow("single dash is an account")
        << QStringList{"-x", "--method", "2"} << 2 << "Could not find file '-x'";
    QTest::newRow("double dash is an account")
        << QStringList{"--", "--method", "2"} << 2 << "Could not find file '--'";

    // Options that a mode does not take: the first of the checks, in one order for every mode.
    QTest::newRow("fit and propose")
        << QStringList{"SMALL", "--fit", "--propose-rates"} << 1
        << "vantrell-report: --propose-rates prints the proposed rate periods: it takes no "
           "--fit, --summary, --rates, --explain or --pdf\n";
    QTest::newRow("fit with a method")
        << QStringList{"SMALL", "--fit", "--method", "2"} << 1
        << "vantrell-report: --fit tries every method, day and convention: it takes no";
    QTest::newRow("any method for the report")
        << QStringList{"SMALL", "--method", "any"} << 1
        << "vantrell-report: --method any is for --propose-rates";
    QTest::newRow("any method with a day")
        << QStringList{"SMALL", "--method", "any", "--propose-rates", "--day", "3"} << 1
        << "vantrell-report: --method any is for --propose-rates";
    QTest::newRow("proposal without a method") << QStringList{"SMALL", "--propose-rates"} << 1
                                               << "vantrell-report: --method is required\n";
    QTest::newRow("summary and rates")
        << QStringList{"SMALL", "--method", "2", "--summary", "--rates"} << 1
        << "vantrell-report: --summary, --rates and --explain each print a report of their own";
    QTest::newRow("summary and explain")
        << QStringList{"SMALL", "--method", "2", "--explain", "2024-01-29", "--summary"} << 1
        << "vantrell-report: --summary, --rates and --explain each print a report of their own";
    QTest::newRow("rates to pdf before the method")
        << QStringList{"SMALL", "--rates", "--pdf", "x.pdf"} << 1
        << "vantrell-report: --rates prints the rates: no --pdf with it";
    QTest::newRow("summary to pdf after the method")
        << QStringList{"SMALL", "--summary", "--pdf", "x.pdf"} << 1
        << "vantrell-report: --method is required\n";
    QTest::newRow("summary to pdf")
        << QStringList{"SMALL", "--method", "2", "--summary", "--pdf", "x.pdf"} << 1
        << "vantrell-report: --summary prints the summary: no --pdf with it";
    QTest::newRow("pdf with a format")
        << QStringList{"SMALL", "--method", "2", "--format", "csv", "--pdf", "x.pdf"} << 1
        << "vantrell-report: --pdf writes the printed report: no --format with it\n";

    // The rest, equal periods, compounding and the periods a year.
    QTest::newRow("unknown rest")
        << QStringList{"SMALL", "--method", "2", "--rest", "weekly"} << 1
        << "vantrell-report: the rest is daily, period, annual or months:K@M (blocks of K months "
           "from month M, both 1 to 12), not 'weekly'\n";
    QTest::newRow("blocks of 13 months")
        << QStringList{"SMALL", "--method", "2", "--rest", "months:13@1"} << 1
        << "not 'months:13@1'\n";
    QTest::newRow("unknown compounding")
        << QStringList{"SMALL", "--method", "2", "--compounding", "yearly"} << 1
        << "vantrell-report: the compounding is one of none, half-yearly, not 'yearly'\n";
    for (const char* n : {"0", "366", "12.5", "twelve", "+12"})
        QTest::addRow("per year %s", n)
            << QStringList{"SMALL",       "--method",   "2", "--compounding",
                           "half-yearly", "--per-year", n}
            << 1
            << QStringLiteral("vantrell-report: the periods a year are a whole number from 1 to "
                              "365, not '%1'\n")
                   .arg(QString::fromLatin1(n));
    QTest::newRow("per year with nothing to count")
        << QStringList{"SMALL", "--method", "2", "--per-year", "26"} << 1
        << "vantrell-report: --per-year counts the periods of equal periods or of half-yearly "
           "compounding, and the run has neither: give --day-count equal or --compounding "
           "half-yearly\n";
    QTest::newRow("per year once compounding is turned off")
        << QStringList{"COMPOUNDED", "--method", "2", "--compounding", "none", "--per-year", "26"}
        << 1 << "--per-year counts the periods";
    QTest::newRow("equal periods rounded each day")
        << QStringList{"SMALL", "--method", "2", "--day-count", "equal"} << 1
        << "vantrell-report: equal periods weigh each posting period as a whole, so only the "
           "posting can be rounded: choose the rounding \"At posting, to cents\" (--rounding "
           "posting)\n";
    QTest::newRow("equal periods to cents")
        << QStringList{"SMALL", "--method", "2", "--day-count", "equal", "--rounding", "day2"} << 1
        << "only the posting can be rounded";
    QTest::newRow("fit with a rest")
        << QStringList{"SMALL", "--fit", "--rest", "annual"} << 1
        << "vantrell-report: --fit tries every method, day and convention: it takes no";
    QTest::newRow("fit with periods a year")
        << QStringList{"SMALL", "--fit", "--per-year", "12"} << 1 << "--fit tries every method";
    QTest::newRow("any method with compounding")
        << QStringList{"SMALL", "--method", "any", "--propose-rates", "--compounding", "none"} << 1
        << "vantrell-report: --method any is for --propose-rates, and tries every day and "
           "convention itself: no --day, --day-count, --rounding, --rest, --compounding or "
           "--per-year\n";
    QTest::newRow("series list with a rest")
        << QStringList{"--reference", "list", "--rest", "daily"} << 1
        << "vantrell-report: --reference list lists the series: it takes no other option\n";
}

void TestReportTool::exitStatus() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    args.replaceInStrings("SMALL", m_small);
    args.replaceInStrings("BLANK", m_blank);
    args.replaceInStrings("COMPOUNDED", m_compounded);
    args.replaceInStrings("TEXT", m_notAccount);
    args.replaceInStrings("MISSING", m_fixture.path("missing.mdb"));
    const Run r = report(args);
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    if (status == 1)
        QVERIFY(r.err.contains("usage: vantrell-report ACCOUNT --method M"));
}

void TestReportTool::splitLoan_data() {
    QTest::addColumn<QStringList>("args"); // SET, VARIABLE and FIXED stand for the files
    QTest::addColumn<QString>("out");      // what the output holds
    QTest::addColumn<QString>("err");      // what standard error holds ("": nothing)

    QTest::newRow("two accounts, CSV")
        << QStringList{"VARIABLE", "FIXED", "--method", "2", "--summary", "--format", "csv"}
        << "total,2024,2095.89,2054.80,41.09\ntotal,all,2095.89,2054.80,41.09\n"
        << "";
    QTest::newRow("a set's summary, a part missing") << QStringList{"SET", "--summary"} << "41.09"
                                                     << "Top-up: The account file '";
    QTest::newRow("a set's diagnosis, CSV")
        << QStringList{"SET", "--diagnose", "--format", "csv"}
        << "set,offset-linked-to-wrong-part,2024-01-31,2024-01-31,2,Variable to Fixed 3 years,41.09"
        << "Top-up";
}

// The parts of a split loan checked together; a part that is missing is said and the rest
// still checked.
void TestReportTool::splitLoan() {
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    QFETCH(QString, err);
    AccountFixture f;
    const QString set = SplitLoan::homeLoan(f, true);
    args.replaceInStrings("SET", set);
    args.replaceInStrings("VARIABLE", f.dataFolder() + "Variable.mdb");
    args.replaceInStrings("FIXED", f.dataFolder() + "Fixed.mdb");
    const Run r = report(args);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(out), qPrintable(r.out));
    if (err.isEmpty())
        QCOMPARE(r.err, QString());
    else
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
}

void TestReportTool::methodByNameOrNumber() {
    const Run byNumber = report({m_small, "--method", "1", "--format", "csv"});
    const Run byName = report({m_small, "--method=fixed day, DEFERRED interest", "--format=csv"});
    QCOMPARE(byNumber.status, 0);
    QCOMPARE(byName.out, byNumber.out);
    // The stored day 1 posts on the 29th; --day 10 on the 10th.
    QVERIFY(byNumber.out.contains("\n2024-01-29,,,,,,"));
    const Run day10 = report({m_small, "--method", "1", "--day", "10", "--format", "csv"});
    QVERIFY2(day10.out.contains("\n2024-01-10,,,,,,") && !day10.out.contains("\n2024-01-29,,,,,,"),
             qPrintable(day10.out));
}

// Amounts with a comma for a decimal point and dates the other way round would break every
// script reading the file; and the report must not change the account it reads.
// Each convention given stands over the account's for the run, and the text names the result.
void TestReportTool::conventionOptions_data() {
    QTest::addColumn<QString>("account"); // SMALL or COMPOUNDED
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("conventions"); // "" for the defaults

    const QString daily = "Actual/365 Fixed, each day to four decimals";
    QTest::newRow("posting period rest")
        << "SMALL" << QStringList{"--rest", "period"} << daily + ", rest: posting period";
    QTest::newRow("annual rest") << "SMALL" << QStringList{"--rest", "annual"}
                                 << daily + ", annual rest";
    QTest::newRow("twelve months from January is annual")
        << "SMALL" << QStringList{"--rest=months:12@1"} << daily + ", annual rest";
    QTest::newRow("compounded") << "SMALL" << QStringList{"--compounding", "half-yearly"}
                                << daily + ", compounded half-yearly (12 periods a year)";
    QTest::newRow("compounded fortnightly")
        << "SMALL" << QStringList{"--compounding", "half-yearly", "--per-year", "26"}
        << daily + ", compounded half-yearly (26 periods a year)";
    QTest::newRow("equal periods")
        << "SMALL" << QStringList{"--day-count", "equal", "--rounding", "posting"}
        << "Equal periods (12 a year), at posting, to cents";
    QTest::newRow("equal quarters")
        << "SMALL"
        << QStringList{"--day-count", "equal", "--rounding", "posting", "--per-year", "4"}
        << "Equal periods (4 a year), at posting, to cents";
    QTest::newRow("the account's compounding")
        << "COMPOUNDED" << QStringList{} << daily + ", compounded half-yearly (4 periods a year)";
    QTest::newRow("the account's compounding, other periods")
        << "COMPOUNDED" << QStringList{"--per-year", "2"}
        << daily + ", compounded half-yearly (2 periods a year)";
    QTest::newRow("daily rest given") << "SMALL" << QStringList{"--rest", "daily"} << "";
}

void TestReportTool::conventionOptions() {
    QFETCH(QString, account);
    QFETCH(QStringList, args);
    QFETCH(QString, conventions);
    const Run r =
        report(QStringList{account == "SMALL" ? m_small : m_compounded, "--method", "2"} + args);
    QCOMPARE(r.status, 0);
    const QString note = "Lender's conventions: " + conventions + ".\n\n";
    if (conventions.isEmpty())
        QVERIFY2(r.out.startsWith("Date"), qPrintable(r.out));
    else
        QVERIFY2(r.out.startsWith(note), qPrintable(r.out));
}

// The account's compounding turned off for the run: the figures are those of the same account
// without it.
void TestReportTool::accountsChoiceGivesWay() {
    const QStringList csv = {"--method", "2", "--format", "csv"};
    const Run plain = report(QStringList{m_small} + csv);
    const Run off = report(QStringList{m_compounded, "--compounding", "none"} + csv);
    QCOMPARE(off.status, 0);
    QCOMPARE(off.out, plain.out);
    QVERIFY(report(QStringList{m_compounded} + csv).out != plain.out);
}

// A rest, equal periods and compounding each add lines about the working: on paper all of them
// are there, the long ones wrapped, and the period's line above the days.
void TestReportTool::workingOnPaperHoldsEveryLine() {
    const QStringList explain = {m_small,       "--method",    "2",      "--explain",
                                 "2024-02-29",  "--day-count", "equal",  "--rounding",
                                 "posting",     "--rest",      "period", "--compounding",
                                 "half-yearly", "--per-year",  "12"};
    const Run text = report(explain);
    QCOMPARE(text.status, 0);
    const QStringList about = text.out.section("\n\n", 0, 0).split('\n').mid(1);
    QCOMPARE(about.size(), 7); // the method, the conventions, four lines of them, the period
    const QString pdf = m_fixture.path("working.pdf");
    const Run printed = report(explain + QStringList{"--pdf", pdf});
    QCOMPARE(printed.status, 0);
    QProcess pdfText;
    pdfText.start("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(pdfText.waitForFinished(60000));
    const QString page = QString::fromUtf8(pdfText.readAllStandardOutput()).simplified();
    const qsizetype working = page.indexOf("Working of the interest due on ");
    QVERIFY2(working >= 0, qPrintable(page));
    for (const QString& line : about)
        QVERIFY2(page.indexOf(line.simplified(), working) > working,
                 qPrintable(line + "\n" + page));
    QVERIFY(page.indexOf("Period: ", working) < page.indexOf("Running total", working));
}

void TestReportTool::csvIsTheSameInEveryLocaleAndTheAccountIsNotWritten() {
    const QByteArray before = AccountFixture::sha256(m_small);
    const Run c = report({m_small, "--method", "2", "--format", "csv"});
    const Run german = report({m_small, "--method", "2", "--format", "csv"}, "de_DE.UTF-8");
    QCOMPARE(c.status, 0);
    QCOMPARE(german.out, c.out);
    QCOMPARE(c.out, QStringLiteral("Date,Govt Chge,Bank Chge,W'drawal,Deposit,Int Charge,Int "
                                   "Due,Balance\n"
                                   "2024-01-05,0.00,0.00,0.00,1234.50,0.00,,-98765.50\n"
                                   "2024-01-29,0.00,0.00,0.00,0.00,567.89,,-99333.39\n"
                                   "2024-01-29,,,,,,554.07,-99333.39\n"
                                   "2024-02-29,0.00,0.00,0.00,0.00,543.21,,-99876.60\n"
                                   "2024-02-29,,,,,,615.87,-99876.60\n"));
    QCOMPARE(AccountFixture::sha256(m_small), before);
    QVERIFY(!QFile::exists(m_small + "-journal"));
}

void TestReportTool::textShowsTheGridAndItsTotals() {
    const Run r = report({m_small, "--method", "2"}, "en_US.UTF-8");
    QCOMPARE(r.status, 0);
    const QStringList lines = r.out.split('\n');
    QCOMPARE(lines[0], QStringLiteral("Date       Govt Chge  Bank Chge  W'drawal   Deposit  Int "
                                      "Charge  Int Due     Balance"));
    QCOMPARE(lines[1], QStringLiteral("1/5/2024        0.00       0.00      0.00  1,234.50        "
                                      "0.00           -98,765.50"));
    QVERIFY2(r.out.endsWith("Total Int Charge:      1,111.10\n"
                            "Total Int Due:         1,169.94\n"
                            "Int Charge - Int Due:    -58.84\n"),
             qPrintable(r.out));
}

// The totals add the values as shown, to the cent, as the printed report adds its fields.
void TestReportTool::totalsAddTheShownValues() {
    ReportLine due;
    due.kind = ReportLine::Kind::Interest;
    due.interestDue = Money::fromRaw(50); // 0.005 shows as 0.01
    ReportLine charged;
    charged.amounts[AmountColumn::InterestPayment] = Money::fromRaw(-50); // shows as -0.01
    const auto totals = ReportRendering::totals({due, due, charged});
    QCOMPARE(totals.interestDue->raw(), qint64(200));
    QCOMPARE(totals.interestCharged->raw(), qint64(-100));
    QCOMPARE(totals.difference->raw(), qint64(-300));
    QCOMPARE(ReportRendering::plainAmount(Money::fromRaw(-49)), QStringLiteral("0.00"));
}

// The quick texts of the report are the ones the program shows everywhere else.
void TestReportTool::gridTextIsTheProgramsText_data() {
    QTest::addColumn<QString>("locale");
    for (const char* name : {"en_US", "de_DE", "fr_FR", "hi_IN", "ar_EG", "ko_KR", "C"})
        QTest::newRow(name) << name;
}

void TestReportTool::gridTextIsTheProgramsText() {
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    const GridText grid;
    for (qint64 raw : {qint64(0), qint64(-49), qint64(50), qint64(-12345678905),
                       qint64(9999999999995), std::numeric_limits<qint64>::min()})
        QCOMPARE(grid.amount(Money::fromRaw(raw)), Money::fromRaw(raw).format());
    for (const QDate& d : {QDate(2024, 2, 29), QDate(1985, 11, 5), QDate(999, 1, 1)})
        QCOMPARE(grid.date(d), ShortDate::format(d));
    QLocale::setDefault(QLocale::c());
}

// A file whose last write was cut off has a journal that only a writer can roll back: the tool
// refuses it, telling what to do, and leaves file and journal as they are.
void TestReportTool::fileLeftHalfWrittenIsRefused() {
    const QString source = m_fixture.newAccount("crashing.mdb");
    AccountFixture::exec(source, "with recursive n(i) as (select 1 union all select i + 1 from n "
                                 "where i < 3000) insert into tblReport (Date, GovtCharge) "
                                 "select '2024-01-01', i from n");
    const QString crashed = m_fixture.path("crashed.mdb");
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open_v2(source.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr),
             SQLITE_OK);
    // A small cache makes the change spill into the file, past a journal that is then hot.
    QCOMPARE(sqlite3_exec(db, "pragma cache_size=2; begin; update tblReport set GovtCharge = 0;",
                          nullptr, nullptr, nullptr),
             SQLITE_OK);
    QVERIFY(QFile::copy(source, crashed));
    QVERIFY(QFile::copy(source + "-journal", crashed + "-journal"));
    sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    const QByteArray file = AccountFixture::sha256(crashed);
    const QByteArray journal = AccountFixture::sha256(crashed + "-journal");
    const Run r = report({crashed, "--method", "2"});
    QCOMPARE(r.status, 2);
    QVERIFY2(r.err.contains("Open it in Vantrell once"), qPrintable(r.err));
    QCOMPARE(AccountFixture::sha256(crashed), file);
    QCOMPARE(AccountFixture::sha256(crashed + "-journal"), journal);
}

// Another tool left the account in WAL mode: reading it leaves no -wal or -shm beside it.
void TestReportTool::walFileIsReadWithoutLeavingFiles() {
    const QString wal = m_fixture.path("wal.mdb");
    QVERIFY(QFile::copy(m_small, wal));
    AccountFixture::exec(wal, "pragma journal_mode=wal");
    QVERIFY(!QFile::exists(wal + "-wal"));
    const Run r = report({wal, "--method", "2", "--format", "csv"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, report({m_small, "--method", "2", "--format", "csv"}).out);
    QVERIFY(!QFile::exists(wal + "-wal"));
    QVERIFY(!QFile::exists(wal + "-shm"));
}

QTEST_GUILESS_MAIN(TestReportTool)
#include "tst_reporttool.moc"
