// Importing a statement's transactions from the bank's CSV, OFX and QIF files: the readers, the
// columns the rows go to, the checks that leave rows unticked, and the preview's Import.
#include "data/AccountConnection.h"
#include "data/ProgramPaths.h"
#include "data/Queries.h"
#include "data/RunningBalance.h"
#include "data/ShortDate.h"
#include "data/TempFolders.h"
#include "import/BankText.h"
#include "import/CsvReader.h"
#include "import/ImportWriter.h"
#include "import/OfxChild.h"
#include "import/OfxReader.h"
#include "import/QifReader.h"
#include "import/StatementFile.h"
#include "models/ImportRowsModel.h"
#include "statements/ImportDialog.h"
#include "support/AccountFixture.h"
#include "support/Controls.h"
#include "support/ReportTool.h"
#include "support/ScriptedDialogs.h"
#include "terms/OffsetImportDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <ctime>

#include <csignal>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString money(Money m) {
    return QString::number(double(m.raw()) / Money::Scale, 'f', 2);
}

// "2024-01-05|Interest|-7.50|-907.50" a row, "line 4: <error>" a row that does not read.
QStringList describe(const QList<ImportedRow>& rows) {
    QStringList out;
    for (const ImportedRow& r : rows) {
        if (!r.ok()) {
            out << QStringLiteral("line %1: %2").arg(r.line).arg(r.error);
            continue;
        }
        QString s = QStringLiteral("%1|%2|%3")
                        .arg(r.date.toString(Qt::ISODate), r.description, money(r.amount));
        if (r.balance)
            s += u'|' + money(*r.balance);
        out << s;
    }
    return out;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

// A file read as the preview first reads it: the proposed layout for CSV.
ReadResult readStatement(const QString& path) {
    const StatementFile::Loaded loaded = StatementFile::load(path);
    ReadResult failed;
    failed.error = loaded.error;
    if (!loaded.error.isEmpty())
        return failed;
    switch (loaded.format) {
    case StatementFormat::Csv: {
        CsvReader reader(loaded.text);
        const auto proposal = reader.propose(std::nullopt, &failed.error);
        return proposal ? reader.read(proposal->layout) : failed;
    }
    case StatementFormat::Qif:
        return QifReader::read(loaded.text);
    case StatementFormat::Ofx:
        return OfxChild::read(loaded.bytes);
    }
    return failed;
}

QByteArray corpusFile(const QString& name) {
    QFile f(QStringLiteral(VANTRELL_SOURCE_DIR "/tests/statements/import-corpus/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qWarning("cannot read %s", qPrintable(f.fileName()));
    return f.readAll();
}

const QByteArray OneTransactionOfx =
    "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS>"
    "<CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>AUD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>"
    "CHECKING</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240131\n<STMTTRN><TRNTYPE>INT"
    "<DTPOSTED>20240105<TRNAMT>-7.50<FITID>1<NAME>Interest</STMTTRN>\n</BANKTRANLIST></STMTRS>"
    "</STMTTRNRS></BANKMSGSRSV1></OFX>\n";

// An OFX file libofx does not finish within minutes: elements nested 20,000 deep.
QByteArray deeplyNestedOfx() {
    return "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX>" +
           QByteArray("<BANKMSGSRSV1>").repeated(20000);
}

// Points QDir::tempPath(), and so every temporary file of the program and its children, at a
// folder of the test's own for one scope.
class OwnTempFolder {
public:
    OwnTempFolder() : m_old(qgetenv("TMPDIR")) {
        qputenv("TMPDIR", QFile::encodeName(m_dir.path()));
    }
    ~OwnTempFolder() { qputenv("TMPDIR", m_old); }
    QStringList entries() const {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

// The processes this one started that have not been waited for.
QStringList childProcesses() {
    QStringList children;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(tasks.filePath(task + QStringLiteral("/children")));
        if (list.open(QIODevice::ReadOnly))
            children << QString::fromLatin1(list.readAll()).split(u' ', Qt::SkipEmptyParts);
    }
    return children;
}

ImportedRow row(const QString& date, const QString& amount, const QString& description = {},
                const QString& balance = {}) {
    ImportedRow r;
    r.line = 1;
    r.date = QDate::fromString(date, Qt::ISODate);
    r.amount = *Money::parse(amount);
    r.description = description;
    if (!balance.isEmpty())
        r.balance = *Money::parse(balance);
    return r;
}

const StatementHeader January{
    {}, QDate(2024, 1, 1), QDate(2024, 1, 31), *Money::parse("-900"), *Money::parse("-612.50")};

// The three rows every preset's sample holds, from an opening balance of -900.00.
const QStringList JanuaryRows = {"2024-01-05|Interest|-7.50|-907.50",
                                 "2024-01-10|Repayment|300.00|-607.50",
                                 "2024-01-31|Fee|-5.00|-612.50"};

QStringList withoutBalances(const QStringList& rows) {
    QStringList out;
    for (const QString& r : rows)
        out << r.section(u'|', 0, 2);
    return out;
}

// Sets the process's time zone for one scope: libofx converts dates in it.
class TimeZone {
public:
    explicit TimeZone(const char* zone)
        : m_old(qgetenv("TZ")), m_had(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZone() {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray m_old;
    bool m_had;
};

} // namespace

class tst_Import : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia)); }
    // The OFX reader's child program is in the build's program folder.
    void init() { ProgramPaths::setProgramFolder(QStringLiteral(VANTRELL_PROGRAM_DIR)); }

    // Each preset reads its sample file, and detection alone reads the same rows from it.
    void csvPresets_data();
    void csvPresets();
    void otherFormats_data();
    void otherFormats();
    void dateOrder_data();
    void dateOrder();
    void qifFiles_data();
    void qifFiles();
    void qifAccounts_data();
    void qifAccounts();
    void columnRules_data();
    void columnRules();
    // Rows outside the dates, in the statement, in the history: shown unticked, each with its
    // reason; identical rows of one file stay two transactions.
    void duplicates();
    void balanceCheck_data();
    void balanceCheck();
    // A posting date at midnight in the bank's zone is that day in every zone of the user.
    void ofxMidnightInAnotherTimeZone_data();
    void ofxMidnightInAnotherTimeZone();
    // The text as the bytes are written, whatever character set the header names.
    void ofxCharacterSets_data();
    void ofxCharacterSets();
    void damagedFiles_data();
    void damagedFiles();
    // What is not a regular file is refused before a byte is read: it may never end or never
    // answer. A link to a statement reads as the statement.
    void notRegularFile_data();
    void notRegularFile();
    // The OFX reader's child answers, runs out of time or is cancelled: each time it is gone
    // afterwards, and so is every file it or libofx wrote.
    void ofxChildEnds_data();
    void ofxChildEnds();
    // The child reads its input to the end: a file larger than a pipe holds, written with a
    // pause in the middle, is read whole.
    void ofxChildReadsPipeWhole();
    // Both import dialogs read OFX through the child, and Cancel on its busy indicator ends it:
    // no dialog, no message, nothing left.
    void ofxInDialogs_data();
    void ofxInDialogs();
    // Start-up removes the temporary folders of copies that are gone, and only those.
    void staleTempFolders_data();
    void staleTempFolders();
    // The fuzzers' seeds: each good one reads whole (pending rows aside), each bad one says
    // where it is bad.
    void corpusReads();
    // The preview refuses while a row that does not read is ticked; then Import writes exactly
    // the ticked rows, and the statement's closing balance checks out.
    void importWritesTickedRows();
    void toolShowsWhatThePreviewShows();
    void toolExitStatus_data();
    void toolExitStatus();
    void toolHelp_data();
    void toolHelp();
    void qifOfSeveralAccountsAsksWhichOne();
};

void tst_Import::csvPresets_data() {
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("signed, no header") << "No header: date, amount, description, balance"
                                       << "05/01/2024,-7.50,Interest,-907.50\n"
                                          "10/01/2024,300.00,Repayment,-607.50\n"
                                          "31/01/2024,-5.00,Fee,-612.50\n"
                                       << JanuaryRows;
    QTest::newRow("debit and credit") << "Header with debit and credit columns"
                                      << "Date,Description,Debit,Credit,Balance\r\n"
                                         "05/01/2024,Interest,7.50,,-907.50\r\n"
                                         "10/01/2024,Repayment,,300.00,-607.50\r\n"
                                         "31/01/2024,Fee,5.00,,-612.50\r\n"
                                      << JanuaryRows;
    QTest::newRow("amount and balance") << "Header with amount and balance"
                                        << "Date,Description,Amount,Balance\n"
                                           "05/01/2024,Interest,\"-7.50\",\"-907.50\"\n"
                                           "10/01/2024,Repayment,\"$300.00\",\"-607.50\"\n"
                                           "31/01/2024,Fee,(5.00),\"-612.50\"\n"
                                        << JanuaryRows;
    QTest::newRow("summary lines") << "Summary lines above the header"
                                   << "Account Number,123456789\n"
                                      "Statement Period,01/01/2024 to 31/01/2024\n"
                                      "Opening Balance,-900.00\n"
                                      "\n"
                                      "Transaction Date,Narrative,Amount\n"
                                      "05/01/2024,Interest,-7.50\n"
                                      "10/01/2024,\"Repayment\",300.00\n"
                                      "31/01/2024,Fee,-5.00\n"
                                   << withoutBalances(JanuaryRows);
    QTest::newRow("month names") << "Dates with month names"
                                 << "Date,Details,Amount,Balance\n"
                                    "05 Jan 24,Interest,-7.50,-907.50\n"
                                    "10 Jan 2024,Repayment,300.00,-607.50\n"
                                    "31 Jan 2024,Fee,-5.00,-612.50\n"
                                 << JanuaryRows;
    QTest::newRow("US month first") << "US: month-first dates"
                                    << "Posting Date,Description,Amount,Balance\n"
                                       "01/05/2024,Interest,-7.50,-907.50\n"
                                       "01/10/2024,Repayment,300.00,-607.50\n"
                                       "01/31/2024,Fee,-5.00,-612.50\n"
                                    << JanuaryRows;
}

void tst_Import::csvPresets() {
    QFETCH(QString, preset);
    QFETCH(QString, file);
    QFETCH(QStringList, rows);
    const auto& presets = CsvPresets::builtIn();
    const auto found = std::find_if(presets.begin(), presets.end(),
                                    [&](const CsvPreset& p) { return p.name == preset; });
    QVERIFY2(found != presets.end(), qPrintable(preset));

    CsvReader reader(file);
    QString error;
    const auto fitted = reader.fit(*found, &error);
    QVERIFY2(fitted, qPrintable(error));
    QCOMPARE(describe(reader.read(*fitted).rows), rows);

    const auto proposal = reader.propose(std::nullopt, &error);
    QVERIFY2(proposal, qPrintable(error));
    QCOMPARE(describe(reader.read(proposal->layout).rows), rows);

    // The layout the account keeps reads the file the same way back.
    const auto kept = CsvLayout::fromText(ImportChoices{proposal->layout, {}}.toText());
    QVERIFY(kept);
    QCOMPARE(*kept, proposal->layout);
}

void tst_Import::otherFormats_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("ids"); // FITID/TRNTYPE/corrected id

    QTest::newRow("OFX 1 SGML") << "statement.ofx"
                                << QByteArray("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n"
                                              "SECURITY:NONE\nENCODING:USASCII\nCHARSET:1252\n"
                                              "COMPRESSION:NONE\nOLDFILEUID:NONE\n"
                                              "NEWFILEUID:NONE\n\n<OFX><BANKMSGSRSV1><STMTTRNRS>"
                                              "<TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>"
                                              "<STMTRS><CURDEF>AUD<BANKACCTFROM><BANKID>1"
                                              "<ACCTID>2<ACCTTYPE>CREDITLINE</BANKACCTFROM>"
                                              "<BANKTRANLIST><DTSTART>20240101<DTEND>20240131\n"
                                              "<STMTTRN><TRNTYPE>INT<DTPOSTED>20240105"
                                              "<TRNAMT>-7.50<FITID>T1<NAME>Interest</STMTTRN>\n"
                                              "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20240110"
                                              "<TRNAMT>300.004<FITID>T2<NAME>Repayment</STMTTRN>\n"
                                              "<STMTTRN><TRNTYPE>FEE<DTPOSTED>20240131"
                                              "<TRNAMT>-5<FITID>T3<NAME>Fee</STMTTRN>\n"
                                              "</BANKTRANLIST></STMTRS></STMTTRNRS>"
                                              "</BANKMSGSRSV1></OFX>\n")
                                << withoutBalances(JanuaryRows)
                                << QStringList{"T1/INT/", "T2/CREDIT/", "T3/FEE/"};
    // A corrected transaction replaces the one it names in the same file, a cancelled one goes,
    // and a correction of an earlier file's transaction travels on its row.
    QTest::newRow("OFX 2 XML, corrections")
        << "statement.qfx"
        << QByteArray("<?xml version=\"1.0\"?>\n<?OFX OFXHEADER=\"200\" VERSION=\"211\"?>\n"
                      "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1</TRNUID><STATUS><CODE>0</CODE>"
                      "<SEVERITY>INFO</SEVERITY></STATUS><STMTRS><CURDEF>USD</CURDEF>"
                      "<BANKACCTFROM><BANKID>1</BANKID><ACCTID>2</ACCTID><ACCTTYPE>CHECKING"
                      "</ACCTTYPE></BANKACCTFROM><BANKTRANLIST><DTSTART>20240101</DTSTART>"
                      "<DTEND>20240131</DTEND>\n"
                      "<STMTTRN><TRNTYPE>DEBIT</TRNTYPE><DTPOSTED>20240105</DTPOSTED>"
                      "<TRNAMT>-7.00</TRNAMT><FITID>X1</FITID><NAME>Interest</NAME></STMTTRN>\n"
                      "<STMTTRN><TRNTYPE>DEBIT</TRNTYPE><DTPOSTED>20240107</DTPOSTED>"
                      "<TRNAMT>-1.00</TRNAMT><FITID>X2</FITID><NAME>Error</NAME></STMTTRN>\n"
                      "<STMTTRN><TRNTYPE>DEBIT</TRNTYPE><DTPOSTED>20240105</DTPOSTED>"
                      "<TRNAMT>-7.50</TRNAMT><FITID>X3</FITID><CORRECTFITID>X1</CORRECTFITID>"
                      "<CORRECTACTION>REPLACE</CORRECTACTION><NAME>Interest</NAME></STMTTRN>\n"
                      "<STMTTRN><TRNTYPE>DEBIT</TRNTYPE><DTPOSTED>20240107</DTPOSTED>"
                      "<TRNAMT>-1.00</TRNAMT><FITID>X4</FITID><CORRECTFITID>X2</CORRECTFITID>"
                      "<CORRECTACTION>DELETE</CORRECTACTION><NAME>Error</NAME></STMTTRN>\n"
                      "<STMTTRN><TRNTYPE>CREDIT</TRNTYPE><DTPOSTED>20240110</DTPOSTED>"
                      "<TRNAMT>300.00</TRNAMT><FITID>X5</FITID><CORRECTFITID>OLD</CORRECTFITID>"
                      "<CORRECTACTION>REPLACE</CORRECTACTION><NAME>Repayment</NAME>"
                      "<MEMO>Thank you</MEMO></STMTTRN>\n"
                      "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n")
        << QStringList{"2024-01-05|Interest|-7.50", "2024-01-10|Repayment - Thank you|300.00"}
        << QStringList{"X3/DEBIT/", "X5/CREDIT/OLD"};
    QTest::newRow("QIF") << "statement.qif"
                         << QByteArray("!Type:Bank\r\nD05/01/2024\r\nT-7.50\r\nPInterest\r\n^\r\n"
                                       "D10/01'24\r\nU300.00\r\nT300.00\r\nPRepayment\r\n^\r\n"
                                       "D31/01/2024\r\nT-5.00\r\nMFee\r\nN12\r\nLBank\r\n^\r\n"
                                       "!Type:Cat\r\nNFee\r\n^\r\n")
                         << withoutBalances(JanuaryRows) << QStringList{"//", "//", "//"};
}

void tst_Import::otherFormats() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, ids);
    QTemporaryDir dir;
    const ReadResult r = readStatement(writeFile(dir, name, content));
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(describe(r.rows), rows);
    QStringList got;
    for (const ImportedRow& row : r.rows)
        got << row.fitId + u'/' + row.ofxType + u'/' + row.correctsFitId;
    QCOMPARE(got, ids);
}

void tst_Import::dateOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("dayFirst");
    QTest::addColumn<bool>("ambiguous");
    QTest::addColumn<QString>("firstDate");
    QTest::newRow("CSV, a day over 12")
        << "a.csv" << QByteArray("02/03/2024,-1.00,A\n13/03/2024,-1.00,B\n") << true << false
        << "2024-03-02";
    QTest::newRow("CSV, a month-first day over 12")
        << "a.csv" << QByteArray("02/03/2024,-1.00,A\n03/13/2024,-1.00,B\n") << false << false
        << "2024-02-03";
    // Both orders read every date: the locale's order (day first here), and the user is asked.
    QTest::newRow("CSV, both read")
        << "a.csv" << QByteArray("02/03/2024,-1.00,A\n04/03/2024,-1.00,B\n") << true << true
        << "2024-03-02";
    QTest::newRow("CSV, same day and month")
        << "a.csv" << QByteArray("03/03/2024,-1.00,A\n") << true << false << "2024-03-03";
    QTest::newRow("CSV, month names")
        << "a.csv" << QByteArray("\"Mar 2, 2024\",-1.00,A\n4 Mar 2024,-1.00,B\n") << true << false
        << "2024-03-02";
    QTest::newRow("QIF, month first")
        << "a.qif" << QByteArray("!Type:Bank\nD3/2/24\nT-1\n^\nD3/14/24\nT-1\n^\n") << false
        << false << "2024-03-02";
    QTest::newRow("QIF, both read")
        << "a.qif" << QByteArray("!Type:Bank\nD3/2/24\nT-1\n^\nD4/2/24\nT-1\n^\n") << true << true
        << "2024-02-03";
    // Quicken's dates of 2000 on: spaces for leading zeros, the year after an apostrophe.
    QTest::newRow("QIF, apostrophe years, month first")
        << "a.qif" << QByteArray("!Type:Bank\nD8/31' 0\nT-1\n^\nD6/ 1'99\nT-1\n^\n") << false
        << false << "2000-08-31";
    QTest::newRow("QIF, apostrophe years, day first")
        << "a.qif" << QByteArray("!Type:Bank\nD31/ 8' 0\nT-1\n^\nD 1/ 6'05\nT-1\n^\n") << true
        << false << "2000-08-31";
}

void tst_Import::dateOrder() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, dayFirst);
    QFETCH(bool, ambiguous);
    QFETCH(QString, firstDate);
    QTemporaryDir dir;
    const ReadResult r = readStatement(writeFile(dir, name, content));
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.dateOrder == DateOrder::DayFirst, dayFirst);
    QCOMPARE(r.dateOrderAmbiguous, ambiguous);
    QCOMPARE(r.rows.value(0).date, QDate::fromString(firstDate, Qt::ISODate));
}

void tst_Import::qifFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("account");      // -1: none chosen
    QTest::addColumn<QStringList>("rows"); // or the file's error

    QTest::newRow("Quicken's 2000 dates")
        << corpusFile("quicken-2000.qif") << -1
        << QStringList{"1999-12-31|Interest|-6.25", "2000-01-04|Account fee|-12.00",
                       "2000-02-29|Repayment|450.00", "2000-08-31|Interest|-6.40",
                       "2005-06-01|Fee - June|-5.00"};
    // After an apostrophe the year counts from 2000; after a slash two digits keep their century.
    QTest::newRow("'99 and /99") << QByteArray("!Type:Bank\nD6/ 1'99\nT-1\n^\nD6/ 1/99\nT-2\n^\n")
                                 << -1 << QStringList{"2099-06-01||-1.00", "1999-06-01||-2.00"};

    // Each account's rows alone; the file whole only when one account has transactions.
    const QByteArray several = corpusFile("several-accounts.qif");
    QTest::newRow("several accounts, none chosen")
        << several << -1
        << QStringList{"The file holds the transactions of 2 accounts (\"Everyday\", \"Home "
                       "Loan\"); one of them has to be chosen."};
    QTest::newRow("several accounts, the first")
        << several << 0 << QStringList{"2024-01-03|Grocer|-52.40", "2024-01-10|Transfer|-300.00"};
    QTest::newRow("several accounts, the loan") << several << 1 << withoutBalances(JanuaryRows);
    QTest::newRow("several accounts, investments")
        << several << 2
        << QStringList{"The account \"Shares\" has no bank transactions in the file."};
    QTest::newRow("one account's rows after another's list")
        << QByteArray("!Option:AutoSwitch\n!Account\nNA\nTBank\n^\nNB\nTBank\n^\n"
                      "!Clear:AutoSwitch\n!Account\nNB\nTBank\n^\n!Type:Bank\nD1/2/24\nT-1\n^\n")
        << -1 << QStringList{"2024-01-02||-1.00"};
    QTest::newRow("rows before the only account named")
        << QByteArray("!Type:Bank\nD1/2/24\nT-1\n^\n!Account\nNLoan\nTOth L\n^\n!Type:Oth L\n"
                      "D1/3/24\nT-2\n^\n")
        << -1 << QStringList{"2024-01-02||-1.00", "2024-01-03||-2.00"};
}

void tst_Import::qifFiles() {
    QFETCH(QByteArray, content);
    QFETCH(int, account);
    QFETCH(QStringList, rows);
    const ReadResult r = QifReader::read(*BankText::decode(content), DateOrder::MonthFirst,
                                         account < 0 ? std::nullopt : std::optional<int>(account));
    QCOMPARE(r.error.isEmpty() ? describe(r.rows) : QStringList{r.error}, rows);
}

void tst_Import::qifAccounts_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("accounts"); // name|type|rows
    QTest::addColumn<bool>("needsChoice");
    QTest::newRow("several") << corpusFile("several-accounts.qif")
                             << QStringList{"Everyday|Bank|2", "Home Loan|Oth L|3",
                                            "Shares|Invst|0"}
                             << true;
    QTest::newRow("one") << corpusFile("loan-account.qif") << QStringList{"Loan|Oth L|1"} << false;
    QTest::newRow("none named") << QByteArray("!Type:CCard\nD1/2/24\nT-1\n^\n")
                                << QStringList{"|CCard|1"} << false;
    // The card's rows come before any account is named: three accounts to choose from.
    QTest::newRow("rows before the first account")
        << QByteArray("!Type:CCard\nD1/2/24\nT-1\n^\n!Account\nNA\nTBank\n^\n!Type:Bank\n"
                      "D1/3/24\nT-1\n^\n!Account\nNb\n^\n!Type:Bank\nD1/4/24\nT-1\n^\n"
                      "!Account\nNa\n^\n!Type:Bank\nD1/5/24\nT-1\n^\n")
        << QStringList{"|CCard|1", "A|Bank|2", "b|Bank|1"} << true;
}

void tst_Import::qifAccounts() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, accounts);
    QFETCH(bool, needsChoice);
    const QList<QifReader::Account> found = QifReader::accounts(*BankText::decode(content));
    QStringList got;
    for (const QifReader::Account& a : found)
        got << QStringLiteral("%1|%2|%3").arg(a.name, a.type).arg(a.rows);
    QCOMPARE(got, accounts);
    QCOMPARE(QifReader::needsChoice(found), needsChoice);
}

void tst_Import::columnRules_data() {
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("ofxType");
    QTest::addColumn<QString>("rules"); // "" for the defaults
    QTest::addColumn<QString>("column");
    QTest::newRow("interest") << "INTEREST CHARGED"
                              << "-7.50"
                              << ""
                              << ""
                              << "Interest Charge";
    QTest::newRow("fee, plural") << "Monthly fees"
                                 << "-5"
                                 << ""
                                 << ""
                                 << "Bank Charge";
    QTest::newRow("charge") << "Late payment charge"
                            << "-20"
                            << ""
                            << ""
                            << "Bank Charge";
    QTest::newRow("duty") << "Stamp duty"
                          << "-3"
                          << ""
                          << ""
                          << "Govt Charge";
    QTest::newRow("govt") << "Govt debits tax"
                          << "-3"
                          << ""
                          << ""
                          << "Govt Charge";
    QTest::newRow("inside a word") << "Coffee"
                                   << "-4"
                                   << ""
                                   << ""
                                   << "User W'drawal";
    QTest::newRow("money in") << "Interest refund"
                              << "2"
                              << ""
                              << ""
                              << "Deposit";
    QTest::newRow("OFX FEE") << "Monthly"
                             << "-5"
                             << "FEE"
                             << ""
                             << "Bank Charge";
    QTest::newRow("OFX SRVCHG") << "Monthly"
                                << "-5"
                                << "SRVCHG"
                                << ""
                                << "Bank Charge";
    QTest::newRow("OFX INT") << "January"
                             << "-7"
                             << "INT"
                             << ""
                             << "Interest Charge";
    QTest::newRow("rule before type") << "Tax"
                                      << "-7"
                                      << "FEE"
                                      << ""
                                      << "Govt Charge";
    QTest::newRow("by sign") << "Redraw"
                             << "-100"
                             << "DEBIT"
                             << ""
                             << "User W'drawal";
    QTest::newRow("edited rule") << "Insurance premium"
                                 << "-30"
                                 << ""
                                 << "insurance = Bank Charge\nfee = Govt Charge"
                                 << "Bank Charge";
    QTest::newRow("edited rules only") << "Fee"
                                       << "-30"
                                       << ""
                                       << "insurance = Bank Charge\nfee = Govt Charge"
                                       << "Govt Charge";
}

void tst_Import::columnRules() {
    QFETCH(QString, description);
    QFETCH(QString, amount);
    QFETCH(QString, ofxType);
    QFETCH(QString, rules);
    QFETCH(QString, column);
    ColumnRules r = ColumnRules::defaults();
    if (!rules.isEmpty()) {
        QString error;
        const auto edited = ColumnRules::fromText(rules, &error);
        QVERIFY2(edited, qPrintable(error));
        r = *edited;
    }
    ImportedRow imported = row("2024-01-05", amount, description);
    imported.ofxType = ofxType;
    QCOMPARE(AmountColumns::caption(r.columnFor(imported)), column);
}

void tst_Import::duplicates() {
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    // Committed by the last statement, which ended on 2 January, one row with the bank's id.
    AccountFixture::exec(account, "insert into tblAllRecords (Date,InterestPayment) values "
                                  "('2024-01-02',70000)");
    AccountFixture::exec(account, "insert into tblAllRecords (Date,Deposit,FITID) values "
                                  "('2023-12-20',10000,'B9')");
    AccountFixture::exec(account, "insert into tblAllRecords (Date,CloseBalance) values "
                                  "('2024-01-03',-9000000)");
    // Typed into this statement already.
    AccountFixture::exec(account, "insert into tblThisSession (Date,Deposit) values "
                                  "('2024-01-10',3000000)");
    AccountFixture::exec(account, "insert into tblThisSession (Date,BankCharge) values "
                                  "('2024-01-25',20000)");
    AccountConnection connection;
    QVERIFY(connection.open(account));
    QString error;
    auto known = KnownTransactions::load(connection.database(), &error);
    QVERIFY2(known, qPrintable(error));

    ImportedRow byId = row("2024-01-20", "-1.00", "corrected by the bank");
    byId.fitId = "B9";
    // The bank's corrections: a replacement of a row the account holds, one of a row it does not
    // hold (imported as any row), and a deletion.
    const auto correction = [](const char* date, const char* amount, const char* corrects,
                               bool cancels) {
        ImportedRow r = row(date, amount);
        r.correctsFitId = corrects;
        r.cancels = cancels;
        return r;
    };
    ImportPreview preview(January, *known, ColumnRules::defaults());
    preview.setRows({row("2023-12-31", "-6.00"), row("2024-01-02", "-7.00"),
                     row("2024-01-03", "-900.00"), row("2024-01-10", "300.00"),
                     row("2024-01-15", "-5.00"), row("2024-01-15", "-5.00"), byId,
                     row("2024-01-25", "-2.00"), row("2024-01-25", "-2.00"),
                     correction("2024-01-26", "-3.00", "B9", false),
                     correction("2024-01-27", "-4.00", "ZZ", false),
                     correction("2024-01-28", "-6.00", "ZZ", true), row("2024-02-01", "-1.00")});
    QStringList got;
    for (const ImportPreview::Row& r : preview.rows())
        got << QStringLiteral("%1 %2").arg(r.ticked ? "+" : "-", r.reason);
    const QString outside =
        QStringLiteral("Outside the statement's dates (%1 to %2).")
            .arg(ShortDate::format(January.start), ShortDate::format(January.end));
    QCOMPARE(got, QStringList({"- " + outside, "- Already in the account's history.",
                               "+ ", // a balance row is no transaction
                               "- Already in the statement.", "+ ", "+ ",
                               "- Already in the account's history.", "- Already in the statement.",
                               "+ ",
                               "- The bank corrects its transaction B9 of an earlier file, which "
                               "the account holds: change it by hand instead.",
                               "+ ",
                               "- The bank cancels its transaction ZZ of an earlier file; if it "
                               "was entered, delete it by hand.",
                               "- " + outside}));
}

void tst_Import::balanceCheck_data() {
    QTest::addColumn<QStringList>("balances"); // one a row; "" where the file states none
    QTest::addColumn<bool>("available");
    QTest::addColumn<int>("partsAt");
    QTest::newRow("agrees") << QStringList{"-907.50", "-607.50", "-612.50"} << true << -1;
    QTest::newRow("some rows without") << QStringList{"", "-607.50", ""} << true << -1;
    QTest::newRow("parts at the third")
        << QStringList{"-907.50", "-607.50", "-612.49"} << true << 2;
    QTest::newRow("parts at the first")
        << QStringList{"-900.00", "-607.50", "-612.50"} << true << 0;
    QTest::newRow("positive debt") << QStringList{"907.50", "607.50", "612.50"} << true << -1;
    QTest::newRow("sign changes midway") << QStringList{"907.50", "-607.50", "612.50"} << true << 1;
    QTest::newRow("none") << QStringList{"", "", ""} << false << -1;
}

void tst_Import::balanceCheck() {
    QFETCH(QStringList, balances);
    QFETCH(bool, available);
    QFETCH(int, partsAt);
    ImportPreview preview(January, KnownTransactions(), ColumnRules::defaults());
    // A row outside the dates is not part of the statement's running balance.
    preview.setRows({row("2023-12-31", "-1.00", "", "-1.00"),
                     row("2024-01-05", "-7.50", "", balances[0]),
                     row("2024-01-10", "300.00", "", balances[1]),
                     row("2024-01-31", "-5.00", "", balances[2])});
    const ImportPreview::BalanceCheck check = preview.balanceCheck();
    QCOMPARE(check.available, available);
    QCOMPARE(check.partsAt, partsAt < 0 ? -1 : partsAt + 1);

    // The file starts with the interest charged on the last day of the statement before, which
    // the history already holds: the opening balance is the balance after it, so the check skips
    // it as it skips rows outside the dates.
    KnownTransactions known;
    known.committed.append({QDate(2024, 1, 1), *Money::parse("-8.00")});
    ImportPreview continued(January, known, ColumnRules::defaults());
    continued.setRows({row("2024-01-01", "-8.00", "", "-900.00"),
                       row("2024-01-05", "-7.50", "", balances[0]),
                       row("2024-01-10", "300.00", "", balances[1]),
                       row("2024-01-31", "-5.00", "", balances[2])});
    QCOMPARE(continued.rows()[0].status, ImportPreview::Status::Committed);
    QCOMPARE(continued.balanceCheck().partsAt, partsAt < 0 ? -1 : partsAt + 1);
}

void tst_Import::ofxMidnightInAnotherTimeZone_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("New York") << QByteArray("America/New_York");
    QTest::newRow("Kiritimati, UTC+14") << QByteArray("Pacific/Kiritimati");
    QTest::newRow("UTC-12") << QByteArray("Etc/GMT+12");
}

void tst_Import::ofxMidnightInAnotherTimeZone() {
    QFETCH(QByteArray, zone);
    const TimeZone inZone(zone.constData());
    const QByteArray ofx = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1>"
                           "<STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS>"
                           "<CURDEF>AUD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING"
                           "</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240131\n"
                           "<STMTTRN><TRNTYPE>INT<DTPOSTED>20240105000000[+10:AEST]"
                           "<TRNAMT>-7.50<FITID>1</STMTTRN>\n"
                           "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240106235959.999[-12:X]"
                           "<TRNAMT>-1<FITID>2</STMTTRN>\n"
                           "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20240110<TRNAMT>300<FITID>3"
                           "</STMTTRN>\n</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1>"
                           "</OFX>\n";
    const ReadResult r = OfxReader::read(ofx);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.rows.size(), 3);
    QCOMPARE(r.rows[0].date, QDate(2024, 1, 5));
    QCOMPARE(r.rows[1].date, QDate(2024, 1, 6));
    QCOMPARE(r.rows[2].date, QDate(2024, 1, 10));
}

void tst_Import::ofxCharacterSets_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("descriptions");

    QTest::newRow("UTF-8 under CHARSET:1252")
        << corpusFile("utf8-under-1252.ofx")
        << QStringList{"Café Münster - Zürich", "Sollzinsen Januar", "Tilgung – Überweisung"};
    const auto sgml = [](const QByteArray& header, const QByteArray& name) {
        return QByteArray(OneTransactionOfx)
            .replace("VERSION:102\n", "VERSION:102\n" + header)
            .replace("<NAME>Interest", "<NAME>" + name);
    };
    QTest::newRow("UTF-8 under no ENCODING")
        << sgml("", "Caf\xc3\xa9 Z\xc3\xbcrich") << QStringList{"Café Zürich"};
    QTest::newRow("UTF-8 under an XML declaration of windows-1252")
        << QByteArray(
               "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n"
               "<?OFX OFXHEADER=\"200\" VERSION=\"211\"?>\n<OFX><BANKMSGSRSV1><STMTTRNRS>"
               "<TRNUID>1</TRNUID><STATUS><CODE>0</CODE><SEVERITY>INFO</SEVERITY></STATUS>"
               "<STMTRS><CURDEF>EUR</CURDEF><BANKACCTFROM><BANKID>1</BANKID><ACCTID>2</ACCTID>"
               "<ACCTTYPE>CHECKING</ACCTTYPE></BANKACCTFROM><BANKTRANLIST>\n<STMTTRN>"
               "<TRNTYPE>DEBIT</TRNTYPE><DTPOSTED>20240105</DTPOSTED><TRNAMT>-7.50</TRNAMT>"
               "<FITID>1</FITID><NAME>Caf\xc3\xa9 Z\xc3\xbcrich</NAME></STMTTRN>\n"
               "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n")
        << QStringList{"Café Zürich"};
    QTest::newRow("Windows-1252 under CHARSET:1252")
        << sgml("ENCODING:USASCII\nCHARSET:1252\n", "Caf\xe9 Z\xfcrich \x96 1")
        << QStringList{"Café Zürich – 1"};
    // libofx would drop the rest of the line at the first byte that is not UTF-8.
    QTest::newRow("Windows-1252 under ENCODING:UTF-8")
        << sgml("ENCODING:UTF-8\r\nCHARSET:NONE\r\n", "Caf\xe9 Z\xfcrich<MEMO>Januar")
        << QStringList{"Café Zürich - Januar"};
}

void tst_Import::ofxCharacterSets() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, descriptions);
    const ReadResult r = OfxReader::read(content);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QStringList got;
    for (const ImportedRow& row : r.rows)
        got << row.description;
    QCOMPARE(got, descriptions);
}

void tst_Import::damagedFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected"); // the file's error, or the first bad row's

    QTest::newRow("CSV cut inside a quote")
        << "a.csv"
        << QByteArray("Date,Description,Amount\n05/01/2024,Interest,-7.50\n"
                      "10/01/2024,\"Repay")
        << "line 3: A quote opened on this line is never closed: the file is cut short or "
           "damaged, and the lines after it are not read.";
    QTest::newRow("CSV row that does not read")
        << "a.csv"
        << QByteArray("Date,Description,Amount\n05/01/2024,Interest,-7.50\n"
                      "10/01/2024,Repayment,3OO.OO\n31/01/2024,Fee,-5.00\n")
        << "line 3: The amount \"3OO.OO\" does not read.";
    QTest::newRow("CSV short row") << "a.csv"
                                   << QByteArray("Date,Description,Amount\n05/01/2024,A,-1\n"
                                                 "06/01/2024,B,-1\n07/01/2024\n")
                                   << "line 4: The line has 1 fields; the layout reads 3.";
    QTest::newRow("CSV of no transactions") << "a.csv" << QByteArray("Name,Value\nA,B\n")
                                            << "No line of the file reads as a transaction: none "
                                               "has a date and an amount.";
    QTest::newRow("binary as CSV")
        << "a.csv" << QByteArray("PK\x03\x04\0\0\x14\0", 8) << "is not a text file";
    QTest::newRow("OFX that is not") << "a.ofx" << QByteArray("Date,Amount\n05/01/2024,-1\n")
                                     << "This is not an OFX file: it has no <OFX> element.";
    QTest::newRow("OFX cut short")
        << "a.ofx"
        << QByteArray("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1>"
                      "<STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS>"
                      "<CURDEF>AUD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING"
                      "</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240131\n"
                      "<STMTTRN><TRNTYPE>INT<DTPOSTED>20240105<TRNAMT>-7.50<FITID>1</STMTTRN>\n"
                      "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>2024")
        << "cut short";
    QTest::newRow("OFX date that does not read")
        << "a.ofx"
        << QByteArray("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1>"
                      "<STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS>"
                      "<CURDEF>AUD<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING"
                      "</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240131\n"
                      "<STMTTRN><TRNTYPE>INT<DTPOSTED>20241305<TRNAMT>-7.50<FITID>1</STMTTRN>\n"
                      "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n")
        << "line 6: The posting date \"20241305\" does not read.";
    QTest::newRow("QIF cut short") << "a.qif"
                                   << QByteArray("!Type:Bank\nD05/01/2024\nT-7.50\n^\nD10/01/2024"
                                                 "\nT300")
                                   << "line 5: The file ends inside this transaction, before its "
                                      "\"^\": it is cut short.";
    QTest::newRow("QIF amount") << "a.qif" << QByteArray("!Type:Bank\nD05/01/2024\nT-7.5.0\n^\n")
                                << "line 2: The amount \"-7.5.0\" does not read.";
    // A date followed by text reads ("03/25/099Share Withdrawal" is 25 March 1999); one that
    // is no date at all, with text after it, does not.
    QTest::newRow("QIF date that is no date, running into the payee")
        << "a.qif"
        << QByteArray("!Type:Bank\nD03/24/2099\nT-1\n^\nD13/45/099Share Withdrawal\nT-1\n^\n")
        << "line 5: The date \"13/45/099Share Withdrawal\" does not read.";
    QTest::newRow("CSV of too many lines")
        << "a.csv" << QByteArray("05/01/2024,-1\n").repeated(StatementFile::MaxLines + 1)
        << "has 500,001 lines; a statement file may have at most 500,000 lines.";
    QTest::newRow("QIF that is not")
        << "a.qif" << QByteArray("Date,Amount\n05/01/2024,-1\n") << "This is not a QIF file";
}

void tst_Import::damagedFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const ReadResult r = readStatement(writeFile(dir, name, content));
    QStringList problems = {r.error};
    for (const QString& line : describe(r.rows)) {
        if (line.startsWith(u"line "))
            problems << line;
    }
    QVERIFY2(std::any_of(problems.begin(), problems.end(),
                         [&](const QString& p) { return p.contains(expected); }),
             qPrintable(problems.join(u'\n')));
}

void tst_Import::notRegularFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("refused");
    QTest::newRow("pipe") << "fifo" << true;
    QTest::newRow("link to /dev/zero") << "zero" << true;
    QTest::newRow("folder") << "folder" << true;
    QTest::newRow("link to a statement") << "link" << false;
}

void tst_Import::notRegularFile() {
    QFETCH(QString, kind);
    QFETCH(bool, refused);
    QTemporaryDir dir;
    const QString path = dir.filePath("statement.csv");
    if (kind == u"fifo")
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else if (kind == u"zero")
        QVERIFY(QFile::link("/dev/zero", path));
    else if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir("statement.csv"));
    else
        QVERIFY(QFile::link(writeFile(dir, "real.csv", "Date,Amount\n05/01/2024,-1.00\n"), path));
    const StatementFile::Loaded loaded = StatementFile::load(path);
    if (refused) {
        QVERIFY2(loaded.error.contains("is not a regular file"), qPrintable(loaded.error));
        QVERIFY(loaded.bytes.isEmpty());
    } else {
        QVERIFY2(loaded.error.isEmpty(), qPrintable(loaded.error));
        QVERIFY(loaded.text.startsWith("Date,Amount"));
    }
}

void tst_Import::ofxChildEnds_data() {
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("error"); // "" when the file reads
    QTest::newRow("answers") << "answer"
                             << "";
    QTest::newRow("too slow") << "late"
                              << "The file could not be read in time";
    QTest::newRow("cancelled") << "cancel"
                               << "cancelled";
}

void tst_Import::ofxChildEnds() {
    QFETCH(QString, end);
    QFETCH(QString, error);
    const OwnTempFolder temp;
    OfxChild child;
    QSignalSpy finished(&child, &OfxChild::finished);
    child.start(end == u"answer" ? OneTransactionOfx : deeplyNestedOfx(),
                std::chrono::milliseconds(500));
    const qint64 pid = child.processId();
    QVERIFY(pid > 0);
    // Its folder is named for this process.
    QCOMPARE(temp.entries().size(), 1);
    QVERIFY(temp.entries()[0].startsWith(
        QStringLiteral("vantrell-%1-").arg(QCoreApplication::applicationPid())));
    if (end == u"cancel") {
        QTest::qWait(100);
        child.cancel();
        QVERIFY(child.wasCancelled());
    } else {
        QVERIFY(finished.wait(10000));
    }
    QVERIFY(!child.isRunning());
    if (error.isEmpty()) {
        QVERIFY2(child.result().error.isEmpty(), qPrintable(child.result().error));
        QCOMPARE(describe(child.result().rows), QStringList{"2024-01-05|Interest|-7.50"});
    } else {
        QVERIFY2(child.result().error.contains(error), qPrintable(child.result().error));
    }
    errno = 0;
    QVERIFY(::kill(pid_t(pid), 0) == -1 && errno == ESRCH);
    QCOMPARE(temp.entries(), QStringList());

    // The same bound without an event loop, for callers without a window.
    if (end == u"late") {
        const ReadResult late = OfxChild::read(deeplyNestedOfx(), std::chrono::milliseconds(300));
        QVERIFY2(late.error.contains(error), qPrintable(late.error));
        QCOMPARE(childProcesses(), QStringList());
        QCOMPARE(temp.entries(), QStringList());
    }
}

void tst_Import::ofxChildReadsPipeWhole() {
    const OwnTempFolder temp;
    QByteArray ofx = "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\n\n<OFX><BANKMSGSRSV1><STMTTRNRS>"
                     "<TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>AUD"
                     "<BANKACCTFROM><BANKID>1<ACCTID>2<ACCTTYPE>CHECKING</BANKACCTFROM>"
                     "<BANKTRANLIST><DTSTART>20200101<DTEND>20231231\n";
    const int count = 3000;
    for (int i = 0; i < count; ++i)
        ofx += QStringLiteral("<STMTTRN><TRNTYPE>INT<DTPOSTED>%1<TRNAMT>-7.50<FITID>%2"
                              "<NAME>Interest charged on the loan account</STMTTRN>\n")
                   .arg(QDate(2020, 1, 1).addDays(i % 1400).toString(u"yyyyMMdd"))
                   .arg(i + 1)
                   .toLatin1();
    ofx += "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    QVERIFY(ofx.size() > 3 * 65536);

    QProcess child;
    child.start(OfxChild::program(), {});
    QVERIFY(child.waitForStarted());
    const qsizetype half = ofx.size() / 2;
    child.write(ofx.left(half));
    QVERIFY(child.waitForBytesWritten(10000));
    QTest::qWait(300);
    child.write(ofx.mid(half));
    child.closeWriteChannel();
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitCode(), 0);
    QDataStream in(child.readAllStandardOutput());
    ReadResult result;
    in >> result;
    QCOMPARE(in.status(), QDataStream::Ok);
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QCOMPARE(result.rows.size(), count);
    for (const ImportedRow& r : result.rows)
        QVERIFY2(r.ok(), qPrintable(r.error));
}

void tst_Import::ofxInDialogs_data() {
    QTest::addColumn<bool>("offset");
    QTest::addColumn<bool>("hostile");
    QTest::newRow("statement import reads") << false << false;
    QTest::newRow("statement import cancelled") << false << true;
    QTest::newRow("offset import reads") << true << false;
    QTest::newRow("offset import cancelled") << true << true;
}

void tst_Import::ofxInDialogs() {
    QFETCH(bool, offset);
    QFETCH(bool, hostile);
    ScriptedDialogs& dialogs = ScriptedDialogs::install();
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    QTemporaryDir dir;
    const QString file =
        writeFile(dir, "statement.ofx", hostile ? deeplyNestedOfx() : OneTransactionOfx);
    const OwnTempFolder temp;
    AccountConnection connection;
    QVERIFY(connection.open(account));

    // On the hostile file the user presses Cancel as soon as the busy indicator shows; that it
    // shows at all means the event loop runs while the file is read. A good file is waited for,
    // however slowly the machine reads it.
    bool cancelled = false;
    QTimer canceller;
    QObject::connect(&canceller, &QTimer::timeout, [&] {
        if (!hostile)
            return;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == u"BusyDialog" && w->isVisible()) {
                if (auto* cancel = w->findChild<QPushButton*>("cmdCancel")) {
                    cancel->click();
                    cancelled = true;
                }
            }
        }
    });
    canceller.start(50);
    const bool opened =
        offset ? bool(OffsetImportDialog::open(file, connection.database(), std::nullopt))
               : bool(ImportDialog::open(file, connection.database(), January, ImportChoices()));
    canceller.stop();
    QCOMPARE(opened, !hostile);
    QCOMPARE(cancelled, hostile);
    QCOMPARE(dialogs.messageTexts(), QStringList());
    QCOMPARE(childProcesses(), QStringList());
    QCOMPARE(temp.entries(), QStringList());
}

void tst_Import::staleTempFolders_data() {
    QTest::addColumn<QString>("name"); // {gone}: a process that is gone, {self}: this one
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("removed");
    QTest::newRow("its process gone") << "vantrell-{gone}-AbC123" << false << true;
    QTest::newRow("its process running") << "vantrell-{self}-AbC123" << false << false;
    QTest::newRow("another program's") << "other-{gone}-AbC123" << false << false;
    QTest::newRow("not a process id") << "vantrell-0-AbC123" << false << false;
    QTest::newRow("a link named for a gone process") << "vantrell-{gone}-AbC123" << true << false;
}

void tst_Import::staleTempFolders() {
    QFETCH(QString, name);
    QFETCH(bool, link);
    QFETCH(bool, removed);
    // A process id that was in use a moment ago and is free now.
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    QVERIFY(gone > 0);
    QCOMPARE(::waitpid(gone, nullptr, 0), gone);

    QTemporaryDir root;
    QTemporaryDir elsewhere;
    const QString folder =
        root.filePath(QString(name)
                          .replace(QStringLiteral("{gone}"), QString::number(gone))
                          .replace(QStringLiteral("{self}"),
                                   QString::number(QCoreApplication::applicationPid())));
    const QString inside = (link ? elsewhere.path() : folder) + QStringLiteral("/libofxtmp1");
    if (link)
        QVERIFY(QFile::link(elsewhere.path(), folder));
    else
        QVERIFY(QDir().mkpath(folder));
    QFile copy(inside);
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.close();

    QCOMPARE(TempFolders::removeStale(root.path()), removed ? 1 : 0);
    QCOMPARE(QFileInfo::exists(folder), !removed);
    QCOMPARE(QFile::exists(inside), !removed);

    // The import tool's start removes what a killed run of it left, as the program's does.
    if (removed) {
        const OwnTempFolder temp;
        const QString left = QDir::tempPath() + QStringLiteral("/vantrell-%1-XyZ789").arg(gone);
        QVERIFY(QDir().mkpath(left));
        QCOMPARE(importTool({"--version"}).status, 0);
        QVERIFY(!QFileInfo::exists(left));
    }
}

void tst_Import::corpusReads() {
    const QDir corpus(QStringLiteral(VANTRELL_SOURCE_DIR "/tests/statements/import-corpus"));
    const QStringList files = corpus.entryList(QDir::Files);
    QVERIFY(files.size() >= 10);
    for (const QString& file : files) {
        ReadResult r = readStatement(corpus.filePath(file));
        const StatementFile::Loaded loaded = StatementFile::load(corpus.filePath(file));
        const auto accounts = QifReader::accounts(loaded.text);
        if (loaded.format == StatementFormat::Qif && QifReader::needsChoice(accounts)) {
            // A file of several accounts reads one account at a time.
            r = ReadResult();
            for (int i = 0; i < accounts.size(); ++i) {
                if (accounts[i].rows == 0)
                    continue;
                const ReadResult one = QifReader::read(loaded.text, std::nullopt, i);
                r.error += one.error;
                r.rows << one.rows;
            }
        }
        const bool bad = !r.error.isEmpty() ||
                         std::any_of(r.rows.begin(), r.rows.end(),
                                     [](const ImportedRow& x) { return !x.ok() && !x.pending; });
        QVERIFY2(bad == file.startsWith(u"bad-"),
                 qPrintable(file + ": " + r.error + describe(r.rows).join(u'\n')));
        QVERIFY2(bad || !r.rows.isEmpty(), qPrintable(file));
    }

    // A file larger than any statement is refused before it is read.
    QTemporaryDir dir;
    QFile huge(dir.filePath("huge.csv"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(StatementFile::MaxBytes + 1));
    huge.close();
    QVERIFY(StatementFile::load(huge.fileName()).error.contains("at most 32 MB"));
}

void tst_Import::importWritesTickedRows() {
    ScriptedDialogs& dialogs = ScriptedDialogs::install();
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    AccountFixture::exec(account, "insert into tblThisSession (Date,Deposit) values "
                                  "('2024-01-10',3000000)");
    QTemporaryDir dir;
    const QString file = writeFile(dir, "january.csv",
                                   "Date,Description,Amount,Balance\n"
                                   "05/01/2024,Interest charged,-7.50,-907.50\n"
                                   "10/01/2024,Repayment,300.00,-607.50\n"
                                   "31/01/2024,Account fee,-5.00,-612.50\n"
                                   "31/01/2024,Summary,n/a,\n"
                                   "01/02/2024,Interest charged,-1.00,-613.50\n");
    AccountConnection connection;
    QVERIFY(connection.open(account));
    std::unique_ptr<ImportDialog> window =
        ImportDialog::open(file, connection.database(), January, ImportChoices());
    QVERIFY2(window, qPrintable(dialogs.messageTexts().join(u'\n')));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* status = control<QLabel>(window.get(), "statusLabel");
    QVERIFY(status->text().startsWith("3 of 5 rows ticked."));
    // Every reason shows whole, its heading too, and every column picker its whole column name.
    auto* preview = control<QTableView>(window.get(), "importGrid");
    const int reasonWidth = preview->horizontalHeader()->sectionSize(ImportRowsModel::Reason);
    QVERIFY(preview->horizontalHeader()->fontMetrics().horizontalAdvance("Reason") + 8 <
            reasonWidth);
    for (int row = 0; row < preview->model()->rowCount(); ++row) {
        const QString reason =
            preview->model()->index(row, ImportRowsModel::Reason).data().toString();
        QVERIFY2(preview->fontMetrics().horizontalAdvance(reason) < reasonWidth,
                 qPrintable(reason));
    }
    for (const char* name :
         {"dateColumnBox", "descriptionColumnBox", "amountColumnBox", "balanceColumnBox"}) {
        auto* picker = control<QComboBox>(window.get(), name);
        QVERIFY2(picker->width() >= picker->sizeHint().width(),
                 qPrintable(QStringLiteral("%1: %2 of %3 (window %4)")
                                .arg(name)
                                .arg(picker->width())
                                .arg(picker->sizeHint().width())
                                .arg(window->width())));
        QCOMPARE(picker->toolTip(), picker->currentText());
    }

    CLICK(window.get(), "importButton");
    QCOMPARE(dialogs.messageTexts(),
             QStringList{"Line 5 does not read: The amount \"n/a\" does not read.\nUntick it to "
                         "import the other rows."});
    QCOMPARE(AccountFixture::column(account, "select count(*) from tblThisSession"),
             QStringList{"1"});

    // The user unticks the bad row in the grid.
    auto* grid = control<QTableView>(window.get(), "importGrid");
    QVERIFY(grid);
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(3, 0));
    QTest::keyClick(grid, Qt::Key_Space);
    QVERIFY(!window->preview().rows()[3].ticked);
    QVERIFY(status->text().contains("reaches its closing balance, -612.50"));

    CLICK(window.get(), "importButton");
    QCOMPARE(window->result(), int(QDialog::Accepted));
    QCOMPARE(window->importedRows(), 2);
    QCOMPARE(window->choices().csv->header, true);
    QCOMPARE(AccountFixture::column(
                 account,
                 "select Date||' '||ifnull(GovtCharge,'NULL')||' '||ifnull(BankCharge,'NULL')"
                 "||' '||ifnull(UserWithdrawal,'NULL')||' '||Deposit||' '"
                 "||ifnull(InterestPayment,'NULL')||' '||Balance from tblThisSession "
                 "order by Date,ID"),
             QStringList({"2024-01-05 0 0 0 0 75000 -9075000",
                          "2024-01-10 NULL NULL NULL 3000000 NULL -6075000",
                          "2024-01-31 0 50000 0 0 0 -6125000"}));

    // The closing check: every row within the dates, the balance carried through them arrives.
    QSqlQuery q(connection.database());
    QVERIFY(q.exec(Queries::ThisSessionReport));
    Money balance = *January.openBalance;
    while (q.next()) {
        const QDate date = ShortDate::fromIso(q.value(1).toString());
        QVERIFY(date >= January.start && date <= January.end);
        TransactionAmounts amounts;
        for (AmountColumn c : AmountColumns::All)
            amounts[c] = Money::fromRaw(q.value(2 + int(c)).toLongLong());
        const auto next = RunningBalance::after(balance, amounts);
        QVERIFY(next);
        balance = *next;
    }
    QCOMPARE(balance, *January.closeBalance);
}

// vantrell-import goes the preview's way: the same rows, ticks and reasons as the window shows
// for the same file, statement and account.
void tst_Import::toolShowsWhatThePreviewShows() {
    ScriptedDialogs::install();
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    AccountFixture::exec(account, "insert into tblThisSession (Date,Deposit) values "
                                  "('2024-01-10',3000000)");
    QTemporaryDir dir;
    const QString file = writeFile(dir, "january.csv",
                                   "Date,Description,Amount,Balance\n"
                                   "05/01/2024,\"Interest, charged\",-7.50,-907.50\n"
                                   "10/01/2024,Repayment,300.00,-607.50\n"
                                   "31/01/2024,Account fee,-5.00,-612.50\n"
                                   "31/01/2024,Summary,n/a,\n"
                                   "01/02/2024,Interest charged,-1.00,-613.50\n");
    QStringList shown;
    {
        AccountConnection connection;
        QVERIFY(connection.open(account));
        const std::unique_ptr<ImportDialog> window =
            ImportDialog::open(file, connection.database(), January, ImportChoices());
        QVERIFY(window);
        const auto* model = control<QTableView>(window.get(), "importGrid")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            shown << QStringLiteral("%1,%2,%3")
                         .arg(window->preview().row(row).source.line)
                         .arg(window->preview().row(row).ticked ? 1 : 0)
                         .arg(model->index(row, ImportRowsModel::Reason).data().toString());
    }
    const Run run =
        importTool({file, "--format", "csv", "--account", account, "--start", "2024-01-01", "--end",
                    "2024-01-31", "--opening", "-900", "--closing", "-612.50"});
    QCOMPARE(run.status, 0);
    QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.takeFirst(),
             QStringLiteral("line,date,description,amount,column,ticked,reason"));
    QCOMPARE(lines.first(), QStringLiteral("2,2024-01-05,\"Interest, charged\",-7.50,"
                                           "InterestPayment,1,"));
    // The quoted description holds a comma: ticks and reasons counted from the end.
    QStringList tail;
    for (const QString& line : lines) {
        const QStringList cells = line.split(u',');
        const int ticked = cells.size() - 2;
        tail << cells[0] + u',' + cells[ticked] + u',' + cells[ticked + 1];
    }
    QCOMPARE(tail.size(), shown.size());
    for (int i = 0; i < shown.size(); ++i)
        QCOMPARE(tail[i].section(u',', 0, 1), shown[i].section(u',', 0, 1));
    QVERIFY(run.out.contains("Already in the statement."));
    QVERIFY2(run.err.contains("format: CSV\n") && run.err.contains("header line: 1\n") &&
                 run.err.contains("balance check: "),
             qPrintable(run.err));
}

void tst_Import::toolExitStatus_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("no file") << QStringList{"--format", "csv"} << 1 << "no FILE given";
    QTest::newRow("unknown option") << QStringList{"a.csv", "--sign"} << 1 << "unknown option";
    QTest::newRow("account without its statement")
        << QStringList{"a.csv", "--account", "x.mdb"} << 1 << "--account needs";
    QTest::newRow("missing file") << QStringList{"/nonexistent/a.csv"} << 2 << "";

    // How options are read: a value is the next argument whatever it looks like, a value given to
    // a flag makes it unknown, a single dash is no option, and the first problem in order is told.
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

void tst_Import::toolExitStatus() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, says);
    const Run run = importTool(args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(says), qPrintable(run.err));
    QVERIFY(run.out.isEmpty());
}

// --help takes any value and ends the reading: nothing after it is looked at.
void tst_Import::toolHelp_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("starts");
    QTest::newRow("help") << QStringList{"--help"} << "usage: vantrell-import FILE ";
    QTest::newRow("help given a value")
        << QStringList{"a.csv", "--help=x"} << "usage: vantrell-import FILE ";
    QTest::newRow("help before a problem")
        << QStringList{"a.csv", "--help", "--bogus"} << "usage: vantrell-import FILE ";
    QTest::newRow("version given a value") << QStringList{"--version=2"} << "vantrell-import ";
}

void tst_Import::toolHelp() {
    QFETCH(QStringList, args);
    QFETCH(QString, starts);
    const Run run = importTool(args);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.out.startsWith(starts), qPrintable(run.out));
    QVERIFY(run.err.isEmpty());
}

// A QIF file of several accounts: the preview asks which one and shows its rows alone; a cancel
// opens nothing. The tool takes the choice as --qif-account and refuses the file without one.
void tst_Import::qifOfSeveralAccountsAsksWhichOne() {
    ScriptedDialogs& dialogs = ScriptedDialogs::install();
    AccountFixture fixture;
    const QString account = fixture.newAccount();
    const QString file =
        QStringLiteral(VANTRELL_SOURCE_DIR "/tests/statements/import-corpus/several-accounts.qif");
    AccountConnection connection;
    QVERIFY(connection.open(account));
    QVERIFY(!ImportDialog::open(file, connection.database(), January, ImportChoices()));
    QCOMPARE(dialogs.itemLists.size(), 1);
    QVERIFY2(dialogs.itemLists[0].contains("Home Loan (Oth L, 3 rows)"),
             qPrintable(dialogs.itemLists[0]));
    dialogs.items.enqueue(1);
    const std::unique_ptr<ImportDialog> window =
        ImportDialog::open(file, connection.database(), January, ImportChoices());
    QVERIFY2(window, qPrintable(dialogs.messageTexts().join(u'\n')));
    QCOMPARE(window->preview().rows().size(), 3);
    QCOMPARE(window->preview().row(0).source.description, QStringLiteral("Interest"));

    QCOMPARE(importTool({file}).status, 2);
    const Run chosen = importTool({file, "--qif-account", "home loan", "--format", "csv"});
    QCOMPARE(chosen.status, 0);
    QCOMPARE(chosen.out.count(u'\n'), 4);
}

QTEST_MAIN(tst_Import)
#include "tst_import.moc"
