// The camt reader over statements as banks of several countries write them: value and booking
// dates, signs, reversals, batch bookings, pending entries, several statements and accounts, the
// balance check, and files that are hostile, damaged or not camt at all.
#include "import/CamtReader.h"
#include "import/StatementFile.h"
#include "support/ImportSamples.h"

#include <QFile>
#include <QLocale>
#include <QTest>

namespace {

// "date|v (value date) or b (booking date)|amount|description|fitId|balance", "|P" when pending.
QStringList shown(const QList<ImportedRow>& rows) {
    QStringList out;
    for (const ImportedRow& r : rows) {
        out << QStringList{r.date.toString(Qt::ISODate),
                           r.valueDated ? "v" : "b",
                           r.amount.toPlainText(),
                           r.description,
                           r.fitId,
                           r.balance ? r.balance->toPlainText() : QString()}
                       .join(u'|') +
                   (r.pending ? QStringLiteral("|P") : QString()) +
                   (r.error.isEmpty() ? QString() : "|" + r.error);
    }
    return out;
}

// A statement of one entry, in a document of the given namespace, with `inside` in its Stmt.
QByteArray statement(const QByteArray& inside) {
    return "<?xml version=\"1.0\"?><Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053."
           "001.02\"><BkToCstmrStmt><Stmt><Acct><Id><IBAN>DE1</IBAN></Id></Acct>" +
           inside + "</Stmt></BkToCstmrStmt></Document>";
}

} // namespace

class TestCamtReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Each entry's date, sign, description, reference and running balance, as each country's
    // bank writes them.
    void rows_data();
    void rows();
    // An entry that does not read keeps its line and says why; the bank's unbooked entries say
    // why they are not entered.
    void rowErrorsAndPending();
    // Opening and closing balances checked against the booked entries of each statement.
    void summary_data();
    void summary();
    void accounts_data();
    void accounts();
    // Files that are not camt, are damaged, or would cost without bound, refused with a message.
    void refused_data();
    void refused();
};

void TestCamtReader::rows_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("account"); // -1: the whole file
    QTest::addColumn<QStringList>("rows");

    // A reversal reverses the repayment before it; a batch whose transactions add up to it is a
    // row each; the interest has no value date.
    QTest::newRow("de v2")
        << "camt053-de-v2.xml" << -1
        << QStringList{"2024-01-01|v|1250|Erika Mustermann / Tilgung Darlehen "
                       "4711|2024010200001|-148750",
                       "2024-01-01|v|-1250|Reversal: Erika Mustermann / Tilgung "
                       "Darlehen 4711|2024010500003|-150000",
                       "2024-01-16|v|200|Max Mustermann / Sondertilgung Darlehen "
                       "4711|2024011500007/1|-149800",
                       "2024-01-16|v|100|Erika Mustermann / Sondertilgung Darlehen "
                       "4711|2024011500007/2|-149700",
                       "2024-01-31|b|-412.33|Zinsen Darlehen 4711|2024013100002|-150112.33"};
    // Prefixed elements, date-times, an account without IBAN; a batch with charges (its
    // transactions fall short of it) stays one row; a bank code where no text is given.
    QTest::newRow("ch v4") << "camt053-ch-v4.xml" << -1
                           << QStringList{
                                  "2024-04-01|v|2000|Hans Muster / Amortisation "
                                  "Hypothek|CH-0402-0001|-248000",
                                  "2024-04-10|v|-95.5|Sammelbelastung inkl. "
                                  "Spesen|CH-0410-0002|-248095.5",
                                  "2024-04-30|b|-1180.25|LDAS/MGLN/INTR|CH-0430-0003|-249275.75"};
    // Two statements, the names in their Pty (.001.08).
    QTest::newRow("nl v8") << "camt053-nl-v8.xml" << -1
                           << QStringList{"2024-05-01|v|1500|J. de Vries / Aflossing hypotheek "
                                          "123456|NL0502A|-198500",
                                          "2024-05-31|v|-1100|Rente mei 2024|NL0531R|-199600",
                                          "2024-06-01|v|1500|J. de Vries / Aflossing hypotheek "
                                          "123456|NL0603A|-198100",
                                          "2024-06-30|v|-1096.5|Rente juni 2024|NL0630R|-199196.5"};
    // A report without a closing balance: no balances; its unbooked entries are shown.
    QTest::newRow("at 052") << "camt052-at-v8-pending.xml" << -1
                            << QStringList{
                                   "2024-07-01|v|900|Familie Grüber / Kreditrate "
                                   "Juli|AT240701-77|",
                                   "2024-08-01|v|900|Familie Grüber / Kreditrate August|||P",
                                   "2024-07-31|b|-312.4|Vorschau Sollzinsen Juli|||P"};
    // One account of two, its statements apart in the file; the other pays it.
    QTest::newRow("fr loan") << "camt053-fr-v6-accounts.xml" << 0
                             << QStringList{"2024-02-05|v|950|ECHEANCE PRET 02/2024|P0205|-119050",
                                            "2024-03-05|v|950|ECHEANCE PRET 03/2024|P0305|-118100"};
    QTest::newRow("fr current")
        << "camt053-fr-v6-accounts.xml" << 1
        << QStringList{"2024-02-05|v|-950|Banque Exemple Pret Immobilier / ECHEANCE "
                       "02/2024|C0205|1550"};
    // Both accounts together: no balance runs through both.
    QTest::newRow("fr both") << "camt053-fr-v6-accounts.xml" << -1
                             << QStringList{"2024-02-05|v|950|ECHEANCE PRET 02/2024|P0205|",
                                            "2024-02-05|v|-950|Banque Exemple Pret Immobilier / "
                                            "ECHEANCE 02/2024|C0205|",
                                            "2024-03-05|v|950|ECHEANCE PRET 03/2024|P0305|"};
}

void TestCamtReader::rows() {
    QFETCH(QString, file);
    QFETCH(int, account);
    QFETCH(QStringList, rows);
    const QByteArray bytes = corpusFile(file);
    QVERIFY(CamtReader::recognises(bytes));
    const ReadResult r =
        CamtReader::read(bytes, account < 0 ? std::nullopt : std::optional<int>(account));
    QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
    QCOMPARE(r.format, StatementFormat::Camt);
    QCOMPARE(shown(r.rows), rows);
}

void TestCamtReader::rowErrorsAndPending() {
    const ReadResult bad = CamtReader::read(corpusFile("bad-camt-entries.xml"));
    QStringList lines;
    for (const ImportedRow& r : bad.rows)
        lines << QString::number(r.line) + ": " + r.error;
    QCOMPARE(lines, (QStringList{
                        "9: ",
                        "10: The date \"2024-02-30\" does not read.",
                        "11: The amount \"12,50\" does not read.",
                        "12: The entry does not say whether it is money in or out (CdtDbtInd "
                        "is \"\").",
                        "13: The entry has no booking date and no value date.",
                    }));
    QVERIFY(!bad.summary.checked);

    const ReadResult report = CamtReader::read(corpusFile("camt052-at-v8-pending.xml"));
    QCOMPARE(report.rows.size(), 3);
    QCOMPARE(report.rows[1].pendingReason, "Not booked yet: the bank lists it as pending.");
    QCOMPARE(report.rows[2].pendingReason, "Not booked: the bank lists it for information only.");
}

void TestCamtReader::summary_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("opening"); // "amount on date", "" when none is stated
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("disagreement");

    QTest::newRow("agrees") << corpusFile("camt053-de-v2.xml") << true << "-150000 on 2023-12-31"
                            << "-150112.33 on 2024-01-31"
                            << "";
    QTest::newRow("two statements agree")
        << corpusFile("camt053-nl-v8.xml") << true << "-200000 on 2024-04-30"
        << "-199196.5 on 2024-06-30"
        << "";
    QTest::newRow("second disagrees")
        << corpusFile("camt053-nl-v8.xml").replace("199196.50", "199169.50") << true
        << "-200000 on 2024-04-30"
        << "-199169.5 on 2024-06-30"
        << "The statement \"NL-2024-06\" states a closing balance of -199,169.50, but its opening "
           "balance of -199,600.00 and its booked entries give -199,196.50.";
    QTest::newRow("no closing balance")
        << corpusFile("camt052-at-v8-pending.xml") << false << "-80000 on 2024-06-30"
        << ""
        << "";
    QTest::newRow("a row does not read")
        << corpusFile("bad-camt-entries.xml") << false << "-50000 on 2023-12-31"
        << "-49000 on 2024-01-31"
        << "";
}

void TestCamtReader::summary() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, checked);
    QFETCH(QString, opening);
    QFETCH(QString, closing);
    QFETCH(QString, disagreement);
    const ReadResult r = CamtReader::read(bytes);
    const auto shownBalance = [](const std::optional<StatedBalance>& b) {
        return b ? b->amount.toPlainText() + " on " + b->date.toString(Qt::ISODate) : QString();
    };
    QCOMPARE(r.summary.checked, checked);
    QCOMPARE(shownBalance(r.summary.opening), opening);
    QCOMPARE(shownBalance(r.summary.closing), closing);
    QCOMPARE(r.summary.disagreement, disagreement);
    // Balances are given only where they are checked and agree.
    const bool trusted = checked && disagreement.isEmpty();
    for (const ImportedRow& row : r.rows)
        QCOMPARE(row.balance.has_value(), trusted && !row.pending);
}

void TestCamtReader::accounts_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("accounts");
    QTest::addColumn<bool>("needsChoice");

    QTest::newRow("two, one named twice")
        << "camt053-fr-v6-accounts.xml"
        << QStringList{"FR7630006000011234567890189|EUR|2", "FR7630004000031234567890143|EUR|1"}
        << true;
    QTest::newRow("two statements of one")
        << "camt053-nl-v8.xml" << QStringList{"NL91ABNA0417164300|EUR|4"} << false;
    QTest::newRow("other id") << "camt053-ch-v4.xml" << QStringList{"0235-1234567.01|CHF|3"}
                              << false;
    QTest::newRow("refused file") << "bad-camt-entities.xml" << QStringList() << false;
}

void TestCamtReader::accounts() {
    QFETCH(QString, file);
    QFETCH(QStringList, accounts);
    QFETCH(bool, needsChoice);
    const QList<StatementAccount> found = CamtReader::accounts(corpusFile(file));
    QStringList names;
    for (const StatementAccount& a : found)
        names << a.name + "|" + a.type + "|" + QString::number(a.rows);
    QCOMPARE(names, accounts);
    QCOMPARE(severalHaveEntries(found), needsChoice);
}

void TestCamtReader::refused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("account");
    QTest::addColumn<bool>("recognised");
    QTest::addColumn<QString>("error"); // a part of it

    const QByteArray entry = "<Ntry><Amt>1.00</Amt><CdtDbtInd>CRDT</CdtDbtInd></Ntry>";
    QTest::newRow("entities") << corpusFile("bad-camt-entities.xml") << -1 << true
                              << "declares a document type or entities";
    QTest::newRow("cut short") << corpusFile("bad-camt-cut-short.xml") << -1 << true
                               << "before its XML is complete: it is cut short";
    QTest::newRow("not well-formed") << statement(entry).replace("</Amt>", "</Amount>") << -1
                                     << true << "does not read at line 1";
    QTest::newRow("csv") << QByteArray("Date,Amount\n2024-01-05,-7.50\n") << -1 << false
                         << "This is not a camt statement";
    QTest::newRow("other ISO 20022 message")
        << QByteArray("<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.001.001.03\">"
                      "<CstmrCdtTrfInitn/></Document>")
        << -1 << false << "This is not a camt statement";
    QTest::newRow("too deep") << statement(QByteArray("<a>").repeated(70) + entry +
                                           QByteArray("</a>").repeated(70))
                              << -1 << true << "nest more than 64 deep";
    QTest::newRow("too large") << statement(QByteArray(StatementFile::MaxBytes, ' ')) << -1 << true
                               << "at most 32 MB";
    QTest::newRow("too many entries") << statement(QByteArray("<Ntry/>").repeated(500'000)) << -1
                                      << true << "more than 500,000 entries";
    QTest::newRow("no entries") << statement("<Bal/>") << -1 << true << "The file has no entries.";
    QTest::newRow("no such account")
        << statement(entry) << 1 << true << "The file has no such account.";
}

void TestCamtReader::refused() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, account);
    QFETCH(bool, recognised);
    QFETCH(QString, error);
    QCOMPARE(CamtReader::recognises(bytes), recognised);
    const ReadResult r =
        CamtReader::read(bytes, account < 0 ? std::nullopt : std::optional<int>(account));
    QVERIFY2(r.error.contains(error), qPrintable(r.error));
    QVERIFY(r.rows.isEmpty());
}

QTEST_GUILESS_MAIN(TestCamtReader)
#include "tst_camtreader.moc"
