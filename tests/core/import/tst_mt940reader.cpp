// The MT940 and MT942 reader over the shapes banks of several countries write: value and booking
// dates, signs and reversals, interim entries, the details' forms and encodings, files of several
// statements and accounts, the statements' balance check, and files that are refused.
#include "import/Mt940Reader.h"
#include "import/StatementFile.h"
#include "support/ImportSamples.h"

#include <QFile>
#include <QLocale>
#include <QTest>

namespace {

// "line|date v(alue)/b(ooking)|amount|description|fitId[|balance]", "line: error" or
// "line|pending: reason|amount|description".
QStringList rowsOf(const ReadResult& r) {
    QStringList out;
    for (const ImportedRow& row : r.rows) {
        const QString line = QString::number(row.line);
        if (!row.error.isEmpty())
            out << line + QStringLiteral(": ") + row.error;
        else if (row.pending)
            out << QStringList{line, "pending: " + row.pendingReason, money(row.amount),
                               row.description}
                       .join(u'|');
        else
            out << QStringList{line,
                               row.date.toString(Qt::ISODate) + (row.valueDated ? " v" : " b"),
                               money(row.amount), row.description, row.fitId}
                           .join(u'|') +
                       (row.balance ? u'|' + money(*row.balance) : QString());
    }
    return out;
}

// One statement of account "DE1" opening at -1000.00 on 1 March 2024, its fields between.
QByteArray statement(const QByteArray& fields, const QByteArray& closing = "D240331EUR1000,00") {
    return ":20:S1\n:25:DE1\n:28C:1/1\n:60F:D240301EUR1000,00\n" + fields + ":62F:" + closing +
           "\n-\n";
}

} // namespace

class TestMt940Reader : public QObject {
    Q_OBJECT

private slots:
    // Amounts in the messages are shown with the locale's grouping.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void rows_data();
    void rows();
    void balanceCheck_data();
    void balanceCheck();
    void severalAccounts();
    void refused_data();
    void refused();
};

void TestMt940Reader::rows_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    // Latin-1, CR LF, two statements; structured details, SEPA purpose cut mid-word, reversal.
    QTest::newRow("de structured")
        << corpusFile("mt940-de-structured.sta")
        << QStringList{
               "5|2023-12-31 v|-350.25|Zinsen Dezember 2023|B3L29-00001|-100350.25",
               "8|2024-01-02 v|1200.00|Müller, Hans / Rate Januar 2024 Darlehen 4711||-99150.25",
               "17|2024-01-15 v|50.00|Reversal: Storno Kontofuehrung Januar|B4A15-00001|-99100.25",
               "19|2024-01-15 v|-50.00|Sparkasse / Kontofuehrung Januar|B4A15-00002|-99150.25"};
    // Header lines before the message, the tagged form wrapped at 65 characters.
    QTest::newRow("nl tagged")
        << corpusFile("mt940-nl-tagged.sta")
        << QStringList{
               "8|2024-02-01 v|-412.50|Hypotheekbank NV / Rente februari 2024||-150412.50",
               "12|2024-02-28 v|1500.00|J JANSEN / Aflossing hypotheek februari||-148912.50"};
    // SWIFT blocks, code page 852, '~' subfields, a funds code letter after the mark.
    QTest::newRow("pl cp852")
        << corpusFile("mt940-pl-cp852.sta")
        << QStringList{"6|2024-03-01 v|-812.40|Bank Hipoteczny SA / Odsetki za luty 2024 kredyt "
                       "hipoteczny|2403010001|-250812.40",
                       "8|2024-03-05 v|2000.00|Jan Łęczycki-Wójcik / Rata kredytu "
                       "marzec|2403050002|-248812.40"};
    QTest::newRow("mt942 interim") << corpusFile("mt942-de-interim.sta")
                                   << QStringList{"6|pending: An interim report of the day: not "
                                                  "booked yet.|-355.10|Zinsen April vorlaeufig"};
    // Value date read, the booking date kept out; a value date that does not read gives the
    // booking date, in the year nearer across the year end; RC takes money out.
    QTest::newRow("dates") << statement(":61:2401030102D1,00NTRFNONREF\n"
                                        ":61:2401320102RC2,00NTRFREF1\nBooking text\n"
                                        ":61:2401321229C3,00NMSCREF2//BANK2\n")
                           << QStringList{
                                  "5|2024-01-03 v|-1.00|NTRF||-1001.00",
                                  "6|2024-01-02 b|-2.00|Reversal: Booking text|REF1|-1003.00",
                                  "8|2023-12-29 b|3.00|NMSC|BANK2|-1000.00"};
    QTest::newRow("entries that do not read")
        << statement(":61:2413011301C5,00NTRFNONREF\n:61:240301X5,00NTRF\n:61:240301C5,,0NTRF\n")
        << QStringList{
               "5: The date \"241301\" does not read.",
               "6: The entry \"240301X5,00NTRF\" has no mark C, D, RC or RD after its date.",
               "7: The amount \"5,,0\" does not read."};
    // A file cut short inside an entry keeps what it has and says which line fails.
    QTest::newRow("cut short") << QByteArray(":20:S\n:25:DE1\n:60F:D240301EUR5,00\n:61:2403")
                               << QStringList{"4: The date \"2403\" does not read."};
}

void TestMt940Reader::rows() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    QVERIFY(Mt940Reader::recognises(bytes));
    const ReadResult r = Mt940Reader::read(bytes);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.format, StatementFormat::Mt940);
    QCOMPARE(rowsOf(r), rows);
}

void TestMt940Reader::balanceCheck_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("disagreement"); // what it contains; "" when they agree
    QTest::addColumn<bool>("checked");
    const QByteArray entries = ":61:240305D10,00NZINNONREF\n:61:240310C110,00NTRFNONREF\n";
    QTest::newRow("agrees") << statement(entries, "D240331EUR900,00") << "" << true;
    QTest::newRow("disagrees")
        << statement(entries, "D240331EUR950,00")
        << "The statement \"1/1\" on line 1 states a closing balance of -950.00, but its entries "
           "take its opening balance of -1,000.00 to -900.00."
        << true;
    // The second of two statements disagrees: said, and no row of the file is given a balance.
    QTest::newRow("second disagrees")
        << statement(entries, "D240331EUR900,00") + statement(entries, "D240331EUR950,00")
        << "on line 9" << true;
    QTest::newRow("no closing") << QByteArray(":20:S\n:25:DE1\n:60F:D240301EUR5,00\n" + entries)
                                << "" << false;
}

void TestMt940Reader::balanceCheck() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, disagreement);
    QFETCH(bool, checked);
    const ReadResult r = Mt940Reader::read(bytes);
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.summary.checked, checked);
    QVERIFY2(disagreement.isEmpty() ? r.summary.disagreement.isEmpty()
                                    : r.summary.disagreement.contains(disagreement),
             qPrintable(r.summary.disagreement));
    const bool balances = checked && disagreement.isEmpty();
    QCOMPARE(statesBalances(r.rows), balances);
    if (balances)
        QVERIFY(r.rows.last().balance == r.summary.closing->amount);
}

void TestMt940Reader::severalAccounts() {
    const QByteArray bytes =
        corpusFile("mt940-soh-two-accounts.sta") + corpusFile("mt942-de-interim.sta");
    const QList<StatementAccount> accounts = Mt940Reader::accounts(bytes);
    QCOMPARE(accounts.size(), 2); // the interim report is of the first account
    QCOMPARE(accounts[0].name, "DE89370400440532013000");
    QCOMPARE(accounts[0].rows, 2);
    QCOMPARE(accounts[1].type, "EUR");
    QVERIFY(severalHaveEntries(accounts));
    QVERIFY(!severalHaveEntries(accounts.mid(1)));

    // Free-text details over two lines; the SOH and ETX framing.
    QCOMPARE(rowsOf(Mt940Reader::read(bytes, 1)),
             QStringList{"16|2024-04-03 v|-20.00|Kontoführung|REF002|480.00"});
    const ReadResult first = Mt940Reader::read(bytes, 0);
    QCOMPARE(rowsOf(first).first(),
             "6|2024-04-02 v|1000.00|Tilgung Darlehen 4711 April|BANK001|-79000.00");
    QVERIFY(first.rows.last().pending);
    QCOMPARE(Mt940Reader::read(bytes).rows.size(), 3);
    QCOMPARE(Mt940Reader::read(bytes, 2).error, "The file has no such account.");
}

void TestMt940Reader::refused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QString notThis = "This is not an MT940 file";
    QTest::newRow("empty") << QByteArray() << notThis;
    QTest::newRow("csv") << corpusFile("de-payee-purpose.csv") << notThis;
    QTest::newRow("binary") << QByteArray("\x00\xff:25:\x01:61:\x00", 12) << notThis;
    QTest::newRow("no entries") << QByteArray(":20:S\n:25:DE1\n:60F:D240301EUR5,00\n-\n")
                                << "The file has no entries.";
    QTest::newRow("too large") << QByteArray(":25:X\n:61:") +
                                      QByteArray(StatementFile::MaxBytes, '\n')
                               << "The file is larger than 32 MB";
    QByteArray many = ":20:S\n:25:DE1\n";
    for (int i = 0; i <= 500'000; ++i)
        many += ":61:240301C1,NTRF\n";
    QTest::newRow("too many entries") << many << "more than 500000 entries";
}

void TestMt940Reader::refused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const ReadResult r = Mt940Reader::read(bytes);
    QVERIFY2(r.error.startsWith(error) || r.error.contains(error), qPrintable(r.error));
    QVERIFY(r.rows.isEmpty());
    QVERIFY(Mt940Reader::accounts(bytes).size() <= 1);
}

QTEST_GUILESS_MAIN(TestMt940Reader)
#include "tst_mt940reader.moc"
