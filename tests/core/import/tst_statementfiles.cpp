// The bank's CSV, OFX and QIF files as the import reads them: the CSV presets and detection, the
// date order, QIF's accounts and dates, OFX's corrections, time zones and character sets, and
// files that are damaged, not files at all, or the fuzzers' seeds.
#include "data/ProgramPaths.h"
#include "import/BankText.h"
#include "import/CamtReader.h"
#include "import/CsvReader.h"
#include "import/ImportChoices.h"
#include "import/Mt940Reader.h"
#include "import/OfxChild.h"
#include "import/OfxReader.h"
#include "import/QifReader.h"
#include "import/StatementFile.h"
#include "support/ImportSamples.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <ctime>

#include <sys/stat.h>

namespace {

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
    case StatementFormat::Camt:
        return CamtReader::read(loaded.bytes);
    case StatementFormat::Mt940:
        return Mt940Reader::read(loaded.bytes);
    }
    return failed;
}

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

class TestStatementFiles : public QObject {
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
    // The fuzzers' seeds: each good one reads whole (pending rows aside), each bad one says
    // where it is bad.
    void corpusReads();
};

void TestStatementFiles::csvPresets_data() {
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

void TestStatementFiles::csvPresets() {
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

void TestStatementFiles::otherFormats_data() {
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

void TestStatementFiles::otherFormats() {
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

void TestStatementFiles::dateOrder_data() {
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

void TestStatementFiles::dateOrder() {
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

void TestStatementFiles::qifFiles_data() {
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

void TestStatementFiles::qifFiles() {
    QFETCH(QByteArray, content);
    QFETCH(int, account);
    QFETCH(QStringList, rows);
    const ReadResult r = QifReader::read(*BankText::decode(content), DateOrder::MonthFirst,
                                         account < 0 ? std::nullopt : std::optional<int>(account));
    QCOMPARE(r.error.isEmpty() ? describe(r.rows) : QStringList{r.error}, rows);
}

void TestStatementFiles::qifAccounts_data() {
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

void TestStatementFiles::qifAccounts() {
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

void TestStatementFiles::ofxMidnightInAnotherTimeZone_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("New York") << QByteArray("America/New_York");
    QTest::newRow("Kiritimati, UTC+14") << QByteArray("Pacific/Kiritimati");
    QTest::newRow("UTC-12") << QByteArray("Etc/GMT+12");
}

void TestStatementFiles::ofxMidnightInAnotherTimeZone() {
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

void TestStatementFiles::ofxCharacterSets_data() {
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

void TestStatementFiles::ofxCharacterSets() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, descriptions);
    const ReadResult r = OfxReader::read(content);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QStringList got;
    for (const ImportedRow& row : r.rows)
        got << row.description;
    QCOMPARE(got, descriptions);
}

void TestStatementFiles::damagedFiles_data() {
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

void TestStatementFiles::damagedFiles() {
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

void TestStatementFiles::notRegularFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("refused");
    QTest::newRow("pipe") << "fifo" << true;
    QTest::newRow("link to /dev/zero") << "zero" << true;
    QTest::newRow("folder") << "folder" << true;
    QTest::newRow("link to a statement") << "link" << false;
}

void TestStatementFiles::notRegularFile() {
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

void TestStatementFiles::corpusReads() {
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

QTEST_GUILESS_MAIN(TestStatementFiles)
#include "tst_statementfiles.moc"
