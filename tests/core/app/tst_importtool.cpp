// The import tool's options: the exit status and message of each mistake, in the order the
// options are read, and --help and --version whatever follows them.
#include "support/ReportTool.h"

#include <QTest>

class TestImportTool : public QObject {
    Q_OBJECT

private slots:
    void toolExitStatus_data();
    void toolExitStatus();
    void toolHelp_data();
    void toolHelp();
};

void TestImportTool::toolExitStatus_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("no file") << QStringList{"--format", "csv"} << 1 << "no FILE given";
    QTest::newRow("unknown option") << QStringList{"a.csv", "--sign"} << 1 << "unknown option";
    QTest::newRow("account without its statement")
        << QStringList{"a.csv", "--account", "x.mdb"} << 1 << "--account needs";
    QTest::newRow("missing file") << QStringList{"/nonexistent/a.csv"} << 2 << "";

    // How options are read: a value is the next argument whatever it looks like, a value given to
    // a flag makes it unknown, a single dash is no option, an option given twice is refused (as
    // the report tool refuses it), and the first problem in order is told.
    QTest::newRow("value that looks like an option")
        << QStringList{"a.csv", "--into", "--format", "csv"} << 1
        << "vantrell-import: one FILE only\n";
    QTest::newRow("value missing at the end")
        << QStringList{"a.csv", "--format"} << 1 << "vantrell-import: --format takes text or csv\n";
    QTest::newRow("flag given a value")
        << QStringList{"a.csv", "--flip=yes"} << 1 << "vantrell-import: unknown option --flip\n";
    QTest::newRow("unknown option given a value")
        << QStringList{"a.csv", "--foo=bar"} << 1 << "vantrell-import: unknown option --foo\n";
    QTest::newRow("single dash") << QStringList{"a.csv", "-x"} << 1
                                 << "vantrell-import: unknown option -x\n";
    QTest::newRow("short help") << QStringList{"a.csv", "-h"} << 1
                                << "vantrell-import: unknown option -h\n";
    QTest::newRow("double dash") << QStringList{"a.csv", "--"} << 1
                                 << "vantrell-import: unknown option --\n";
    QTest::newRow("repeated option") << QStringList{"a.csv", "--format", "csv", "--format", "text"}
                                     << 1 << "vantrell-import: repeated option --format\n";
    QTest::newRow("repeated flag") << QStringList{"a.csv", "--flip", "--flip"} << 1
                                   << "vantrell-import: repeated option --flip\n";
    QTest::newRow("bad format first") << QStringList{"a.csv", "--format", "x", "--bogus"} << 1
                                      << "vantrell-import: --format takes text or csv\n";
    QTest::newRow("unknown option first") << QStringList{"a.csv", "--bogus", "--format", "x"} << 1
                                          << "vantrell-import: unknown option --bogus\n";
    QTest::newRow("problem before help")
        << QStringList{"--bogus=1", "--help"} << 1 << "vantrell-import: unknown option --bogus\n";

    // Options that the mode does not take, or that it needs.
    QTest::newRow("cutting without into")
        << QStringList{"a.csv", "--cut-day", "10"} << 1
        << "vantrell-import: --statements, --cut-day, --first-number, --dry-run and --new go "
           "with --into\n";
    QTest::newRow("into with an account")
        << QStringList{"a.csv", "--into", "a.mdb", "--account", "b.mdb"} << 1
        << "vantrell-import: --into goes without --account, --start and --end\n";
    QTest::newRow("into without statements") << QStringList{"a.csv", "--into", "a.mdb"} << 1
                                             << "vantrell-import: --into needs --statements\n";
    QTest::newRow("statement without an account")
        << QStringList{"a.csv", "--start", "2024-01-01"} << 1
        << "vantrell-import: --start, --end, --opening and --closing go with --account\n";
    QTest::newRow("statement ending before it starts")
        << QStringList{"a.csv", "--account",  "a.mdb",     "--start", "2024-02-01",
                       "--end", "2024-01-01", "--opening", "0"}
        << 1 << "vantrell-import: --end is before --start\n";
}

void TestImportTool::toolExitStatus() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, says);
    const Run run = importTool(args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(says), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

// --help takes any value and ends the reading: nothing after it is looked at.
void TestImportTool::toolHelp_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("starts");
    QTest::newRow("help") << QStringList{"--help"} << "usage: vantrell-import FILE ";
    QTest::newRow("help given a value")
        << QStringList{"a.csv", "--help=x"} << "usage: vantrell-import FILE ";
    QTest::newRow("help before a problem")
        << QStringList{"a.csv", "--help", "--bogus"} << "usage: vantrell-import FILE ";
    QTest::newRow("version given a value") << QStringList{"--version=2"} << "vantrell-import ";
}

void TestImportTool::toolHelp() {
    QFETCH(QStringList, args);
    QFETCH(QString, starts);
    const Run run = importTool(args);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(starts), qPrintable(run.out));
    QVERIFY(run.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestImportTool)
#include "tst_importtool.moc"
