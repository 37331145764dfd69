// One bank file through the import's steps, as both previews take it: the first reading with its
// proposed layout and date order, the corrections read again, and the columns offered to pick.
#include "import/BankSummary.h"
#include "import/HistoryImport.h"
#include "import/ImportPreview.h"
#include "import/ImportSession.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Corpus = QStringLiteral(VANTRELL_SOURCE_DIR "/tests/statements/import-corpus/");

// Both orders read these dates: 2 March or 3 February first.
const QByteArray BothOrdersCsv = "02/03/2024,-1.00,A\n04/03/2024,-1.00,B\n";
const QByteArray BothOrdersQif = "!Type:Bank\nD3/2/24\nT-1\n^\nD4/2/24\nT-1\n^\n";
const QByteArray NoTransactions = "Name,Value\nA,B\n";
const QString FirstPreset = QStringLiteral("No header: date, amount, description, balance");

// "2024-01-05 -7.50" a row, "line 2" a row that does not read.
QStringList describe(const QList<ImportedRow>& rows) {
    QStringList out;
    for (const ImportedRow& r : rows)
        out << (r.ok() ? r.date.toString(Qt::ISODate) + u' ' + r.amount.toPlainText()
                       : QStringLiteral("line %1").arg(r.line));
    return out;
}

// The file `content` (or the corpus's file of that name) as a session, not yet started.
std::unique_ptr<ImportSession> session(const QTemporaryDir& dir, const QString& name,
                                       const QByteArray& content) {
    QString path = Corpus + name;
    if (!content.isEmpty()) {
        path = dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qWarning("cannot write %s", qPrintable(path));
    }
    QString error;
    auto s = ImportSession::load(path, &error);
    if (!s)
        qWarning("%s", qPrintable(error));
    return s;
}

// "+ 2024-01-05|Interest|-7.50|Interest Charge": a preview row, ticked (+) or not, with its
// column, or its reason when it has one.
QStringList describe(const ImportPreview& preview) {
    QStringList out;
    for (const ImportPreview::Row& r : preview.rows())
        out << QStringLiteral("%1 %2|%3|%4|%5")
                   .arg(r.ticked ? "+" : "-", r.source.date.toString(Qt::ISODate),
                        r.source.description,
                        QString::number(double(r.source.amount.raw()) / Money::Scale, 'f', 2),
                        r.reason.isEmpty() ? AmountColumns::caption(r.column) : r.reason);
    return out;
}

CsvLayout monthFirstDateAmountDescription() {
    CsvLayout l;
    l.dateColumn = 0;
    l.amountColumn = 1;
    l.descriptionColumn = 2;
    l.dateOrder = DateOrder::MonthFirst;
    return l;
}

} // namespace

class tst_ImportSession : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::Australia)); }
    void start_data();
    void start();
    void corrections_data();
    void corrections();
    void columnNames_data();
    void columnNames();
    // Files in the shapes banks write, through the session and a statement's preview: the sign
    // their balances, their markers or the statement settle, the rows that are no transactions,
    // the columns that describe a row. Nothing blocks Import, and the layout is kept as it reads.
    void bankFiles_data();
    void bankFiles();
    void statedSummary_data();
    void statedSummary();
    void rowsOfNoMoneyOrNoDate_data();
    void rowsOfNoMoneyOrNoDate();
    void dateTaken_data();
    void dateTaken();
};

void tst_ImportSession::start_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // empty: the corpus's file
    QTest::addColumn<bool>("remembered");    // monthFirstDateAmountDescription()
    QTest::addColumn<bool>("firstPreset");   // Fallback::FirstPresetThatFits
    QTest::addColumn<QString>("source");     // "!why" when refused
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("CSV detected") << "debit-credit.csv" << QByteArray() << false << false
                                  << CsvReader::Detected << false
                                  << QStringList{"2024-01-05 -7.5", "2024-01-10 300",
                                                 "2024-01-31 -5"};
    QTest::newRow("CSV, both orders read: asked")
        << "a.csv" << BothOrdersCsv << false << false << CsvReader::Detected << true
        << QStringList{"2024-03-02 -1", "2024-03-04 -1"};
    // The remembered layout holds the user's answer of last time.
    QTest::newRow("CSV, both orders read, remembered")
        << "a.csv" << BothOrdersCsv << true << false << CsvReader::Remembered << false
        << QStringList{"2024-02-03 -1", "2024-04-03 -1"};
    QTest::newRow("CSV, nothing detected, refused")
        << "a.csv" << NoTransactions << false << false
        << "!No line of the file reads as a transaction" << false << QStringList();
    QTest::newRow("CSV, nothing detected, first preset read")
        << "a.csv" << NoTransactions << false << true << FirstPreset << false
        << QStringList{"line 1", "line 2"};
    QTest::newRow("QIF, both orders read: asked")
        << "a.qif" << BothOrdersQif << false << false << QString() << true
        << QStringList{"2024-02-03 -1", "2024-02-04 -1"};
    QTest::newRow("QIF refused") << "a.qif" << QByteArray("Date,Amount\n05/01/2024,-1\n") << false
                                 << true << "!This is not a QIF file" << false << QStringList();
}

void tst_ImportSession::start() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, remembered);
    QFETCH(bool, firstPreset);
    QFETCH(QString, source);
    QFETCH(bool, asks);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    const auto s = session(dir, name, content);
    QVERIFY(s);
    QString error;
    const bool started =
        s->start(remembered ? std::optional(monthFirstDateAmountDescription()) : std::nullopt,
                 firstPreset ? ImportSession::Fallback::FirstPresetThatFits
                             : ImportSession::Fallback::Refuse,
                 &error);
    if (source.startsWith(u'!')) {
        QVERIFY(!started);
        QVERIFY2(error.contains(source.mid(1)), qPrintable(error));
        return;
    }
    QVERIFY2(started, qPrintable(error));
    QCOMPARE(s->layoutSource(), source);
    QCOMPARE(s->asksDateOrder(), asks);
    QCOMPARE(describe(s->result().rows), rows);
    QCOMPARE(s->csvLayout().has_value(), s->format() == StatementFormat::Csv);
}

void tst_ImportSession::corrections_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("change"); // "day first", "month first", "flip" or a layout source
    QTest::addColumn<QString>("source"); // after the change; "!why" when refused
    QTest::addColumn<QStringList>("rows");

    // The CSV file starts in the remembered layout: its dates month first.
    const QStringList remembered = {"2024-02-03 -1", "2024-04-03 -1"};
    QTest::newRow("CSV day first")
        << "a.csv" << BothOrdersCsv << "day first" << CsvReader::Remembered
        << QStringList{"2024-03-02 -1", "2024-03-04 -1"};
    QTest::newRow("CSV flipped") << "a.csv" << BothOrdersCsv << "flip" << CsvReader::Remembered
                                 << QStringList{"2024-02-03 1", "2024-04-03 1"};
    // Detected afresh, the dates keep the order in force.
    QTest::newRow("CSV detected chosen")
        << "a.csv" << BothOrdersCsv << CsvReader::Detected << CsvReader::Detected << remembered;
    QTest::newRow("CSV preset chosen") << "a.csv" << BothOrdersCsv << FirstPreset << FirstPreset
                                       << QStringList{"line 1", "line 2"};
    // Nothing changes when the preset does not fit.
    QTest::newRow("CSV preset that does not fit")
        << "a.csv" << BothOrdersCsv << "Summary lines above the header"
        << "!No line of the file has the columns" << remembered;
    QTest::newRow("QIF month first") << "a.qif" << BothOrdersQif << "month first" << QString()
                                     << QStringList{"2024-03-02 -1", "2024-04-02 -1"};
    QTest::newRow("QIF flipped") << "a.qif" << BothOrdersQif << "flip" << QString()
                                 << QStringList{"2024-02-03 1", "2024-02-04 1"};
    // OFX reads as the reader's child handed it in; only the sign applies.
    QTest::newRow("OFX flipped") << "statement-sgml.ofx" << QByteArray() << "flip" << QString()
                                 << QStringList{"2024-01-05 7.5"};
}

void tst_ImportSession::corrections() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, change);
    QFETCH(QString, source);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    const auto s = session(dir, name, content);
    QVERIFY(s);
    if (s->format() == StatementFormat::Ofx) {
        ReadResult handed;
        handed.format = StatementFormat::Ofx;
        ImportedRow row;
        row.line = 16;
        row.date = QDate(2024, 1, 5);
        row.amount = *Money::parse("-7.50");
        handed.rows << row;
        s->setOfxResult(handed);
    }
    QString error;
    QVERIFY2(s->start(monthFirstDateAmountDescription(), ImportSession::Fallback::Refuse, &error),
             qPrintable(error));

    if (change.endsWith(u" first")) {
        s->setDateOrder(change == u"day first" ? DateOrder::DayFirst : DateOrder::MonthFirst);
    } else if (change == u"flip") {
        CsvLayout flipped = s->layout();
        flipped.flipSign = true;
        s->setLayout(flipped);
    } else {
        const bool fits = s->chooseLayout(change, &error);
        QCOMPARE(fits, !source.startsWith(u'!'));
        if (!fits) {
            QVERIFY2(error.contains(source.mid(1)), qPrintable(error));
            source = CsvReader::Remembered;
        }
    }
    QCOMPARE(s->layoutSource(), source);
    QCOMPARE(describe(s->result().rows), rows);
}

void tst_ImportSession::columnNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("skip");
    QTest::addColumn<QStringList>("names");

    const QByteArray header = "Date,Description,Amount\n05/01/2024,  Interest  charged ,-7.50\n";
    QTest::newRow("header") << "a.csv" << header << 0
                            << QStringList{"1: Date", "2: Description", "3: Amount"};
    QTest::newRow("past the skipped lines")
        << "a.csv" << header << 1
        << QStringList{"1: 05/01/2024", "2: Interest charged", "3: -7.50"};
    QTest::newRow("the widest line") << "a.csv" << QByteArray("05/01/2024,-7.50\n1,2,3\n") << 0
                                     << QStringList{"1: 05/01/2024", "2: -7.50", "3: "};
    QTest::newRow("QIF: none") << "a.qif" << BothOrdersQif << 0 << QStringList();
}

void tst_ImportSession::columnNames() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, skip);
    QFETCH(QStringList, names);
    QTemporaryDir dir;
    const auto s = session(dir, name, content);
    QVERIFY(s);
    QString error;
    QVERIFY2(s->start(std::nullopt, ImportSession::Fallback::FirstPresetThatFits, &error),
             qPrintable(error));
    CsvLayout layout = s->layout();
    layout.skipLines = skip;
    s->setLayout(layout);
    QCOMPARE(s->columnNames(), names);
}

void tst_ImportSession::bankFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // empty: the corpus's file
    QTest::addColumn<QString>("open");       // the January statement's balances
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("note"); // the session's sign note
    QTest::addColumn<QStringList>("rows");

    const QString byBalances = QStringLiteral(
        "The amounts are read with their sign turned: the balances follow from them that way.");
    const QStringList cardRows = {"+ 2024-01-03|CAFE ON KING ST NEWTOWN|-4.50|User W'drawal",
                                  "+ 2024-01-08|PAYMENT - THANK YOU|500.00|Deposit",
                                  "+ 2024-01-12|BOOKSHOP GLEBE|-32.00|User W'drawal",
                                  "+ 2024-01-31|ANNUAL FEE|-49.00|Bank Charge"};
    QTest::newRow("purchases positive, balances")
        << "card-purchases-positive.csv" << QByteArray() << "-1200"
        << "-785.50" << byBalances << cardRows;
    QTest::newRow("purchases positive, no balances")
        << "card-no-balance.csv" << QByteArray() << "-1200"
        << "-736.50"
        // A card issuer's shape, read in its preset: dated by the "Post Date", the day the
        // card's balance took the purchase.
        << "The amounts are read with their sign turned, as the preset \"Card: Trans. Date, Post "
           "Date, Category (purchases positive)\" reads them."
        << QStringList{"+ 2024-01-04|CAFE ON MAIN ST|-4.50|User W'drawal",
                       "+ 2024-01-18|INTERNET PAYMENT - THANK YOU|500.00|Deposit",
                       "+ 2024-01-23|BOOKSTORE|-32.00|User W'drawal"};
    // A card's files without balances: its payments, negative where the purchases are positive,
    // say the sign.
    const QString byPayments = QStringLiteral(
        "The amounts are read with their sign turned: the payments to the card (\"%1\", line %2) "
        "are negative where its other rows are mostly positive, as a card's purchases are.");
    QTest::newRow("store card: payments against purchases, a refund")
        << "card-store-uk.csv" << QByteArray() << "-1200"
        << "-1125.70" << byPayments.arg("PAYMENT RECEIVED - THANK YOU").arg(3)
        << QStringList{"+ 2024-01-02|HOMEWARES OXFORD STREET|-45.00|User W'drawal",
                       "+ 2024-01-09|PAYMENT RECEIVED - THANK YOU|120.00|Deposit",
                       "+ 2024-01-15|FOOD HALL LEEDS|-12.49|User W'drawal",
                       "+ 2024-01-16|REFUND HOMEWARES|15.00|Deposit",
                       "+ 2024-01-28|INTEREST|-3.21|Interest Charge"};
    QTest::newRow("card member and account columns")
        << "card-member-us.csv" << QByteArray() << "-1200"
        << "-1016.84" << byPayments.arg("AUTOPAY PAYMENT - THANK YOU").arg(3)
        << QStringList{"+ 2024-01-04|CORNER BAKERY SPRINGFIELD IL|-8.25|User W'drawal",
                       "+ 2024-01-09|AUTOPAY PAYMENT - THANK YOU|250.00|Deposit",
                       "+ 2024-01-17|GAS STATION 4411 SPRINGFIELD IL|-38.60|User W'drawal",
                       "+ 2024-01-28|BOOKSTORE|-19.99|User W'drawal"};
    QTest::newRow("card: date entered and reference")
        << "card-reference-uk.csv" << QByteArray() << "-1200"
        << "-984.02" << byPayments.arg("DIRECT DEBIT PAYMENT - THANK YOU").arg(3)
        << QStringList{"+ 2024-01-04|SUPERMARKET CAMDEN|-23.80|User W'drawal",
                       "+ 2024-01-11|DIRECT DEBIT PAYMENT - THANK YOU|300.00|Deposit",
                       "+ 2024-01-18|RAIL TICKETS ONLINE|-56.10|User W'drawal",
                       "+ 2024-01-25|INTEREST ON PURCHASES|-4.12|Interest Charge"};
    // An account that pays its card keeps its sign: its other rows are mostly money out.
    QTest::newRow("bank account paying its card")
        << "a.csv"
        << QByteArray("Date,Description,Amount\n05/01/2024,SALARY,2500.00\n"
                      "10/01/2024,CARD PAYMENT - THANK YOU,-300.00\n"
                      "12/01/2024,GROCER,-80.00\n20/01/2024,CHEMIST,-20.00\n")
        << "1000"
        << "3100" << QString()
        << QStringList{"+ 2024-01-05|SALARY|2500.00|Deposit",
                       "+ 2024-01-10|CARD PAYMENT - THANK YOU|-300.00|User W'drawal",
                       "+ 2024-01-12|GROCER|-80.00|User W'drawal",
                       "+ 2024-01-20|CHEMIST|-20.00|User W'drawal"};
    // A building society's lines without a date: the pending ones under their heading, and the
    // balance brought forward under the rows.
    QTest::newRow("lines without a date")
        << "uk-undated-lines.csv" << QByteArray() << "1051.29"
        << "1520.44" << QString()
        << QStringList{"+ 2024-01-02|INTEREST|1.25|Deposit",
                       "+ 2024-01-12|DIRECT DEBIT WATER CO|-32.10|User W'drawal",
                       "+ 2024-01-24|TRANSFER FROM SAVINGS|500.00|Deposit",
                       "- |CARD PAYMENT TO CORNER SHOP|-8.99|Pending: no date yet"};
    QTest::newRow("CR column, purchases unmarked")
        << "card-cr-column.csv" << QByteArray() << "-300"
        << "-177.45" << QString()
        << QStringList{"+ 2024-01-15|SUPERMARKET LEICHHARDT|-86.40|User W'drawal",
                       "+ 2024-01-16|PAYMENT RECEIVED|250.00|Deposit",
                       "+ 2024-01-18|REFUND HARDWARE STORE|19.95|Deposit",
                       "+ 2024-01-20|PETROL STATION ASHFIELD|-61.00|User W'drawal"};
    const QStringList january = {"+ 2024-01-05|Interest|-7.50|Interest Charge",
                                 "+ 2024-01-10|Repayment|300.00|Deposit",
                                 "+ 2024-01-31|Fee|-5.00|Bank Charge"};
    QTest::newRow("debit and credit markers")
        << "a.csv"
        << QByteArray("Date,Description,Amount,Type\n05/01/2024,Interest,7.50,Debit\n"
                      "10/01/2024,Repayment,300.00,Credit\n31/01/2024,Fee,5.00,D\n")
        << "-900"
        << "-612.50" << QString() << january;
    // One column of money out alone: payments in it are negative.
    QTest::newRow("a debit column alone")
        << "a.csv"
        << QByteArray("Date,Description,Debit\n05/01/2024,Interest,7.50\n"
                      "10/01/2024,Repayment,-300.00\n31/01/2024,Fee,5.00\n")
        << "-900"
        << "-612.50"
        << "The amounts are read with their sign turned: their column is named for money out."
        << january;
    QTest::newRow("purchases beside payments")
        << "a.csv"
        << QByteArray("Date,Description,Purchases,Payments\n05/01/2024,Interest,7.50,\n"
                      "10/01/2024,Repayment,,300.00\n31/01/2024,Fee,5.00,\n")
        << "-900"
        << "-612.50" << QString() << january;
    // The file's newest first: turned round, its pending rows go last.
    QTest::newRow("pending rows below the header")
        << "pending-rows.csv" << QByteArray() << "-900"
        << "-612.50" << QString()
        << january + QStringList{"- |PHARMACY MARRICKVILLE|-12.95|Pending: no date yet",
                                 "- |TAXI FARE SYDNEY|-23.10|Pending: no date yet"};
    QTest::newRow("pending row above the header")
        << "a.csv"
        << QByteArray("Pending,CAFE,-4.50\nDate,Description,Amount\n05/01/2024,Interest,-7.50\n"
                      "10/01/2024,Repayment,300.00\n31/01/2024,Fee,-5.00\n")
        << "-900"
        << "-612.50" << QString() << QStringList{"- |CAFE|-4.50|Pending: no date yet"} + january;
    QTest::newRow("detail continued on the lines below")
        << "continuation-lines.csv" << QByteArray() << "-900"
        << "-612.50" << QString()
        << QStringList{"+ 2024-01-05|INTEREST CHARGED|-7.50|Interest Charge",
                       "+ 2024-01-10|TRANSFER FROM J CITIZEN SAVINGS REF 20240110|300.00|Deposit",
                       "+ 2024-01-31|ACCOUNT FEE|-5.00|Bank Charge"};
    QTest::newRow("description in two columns")
        << "description-columns.csv" << QByteArray() << "-900"
        << "-612.50" << QString()
        << QStringList{"+ 2024-01-05|Interest on balance|-7.50|Interest Charge",
                       "+ 2024-01-10|Repayment from salary|300.00|Deposit",
                       "+ 2024-01-31|Fee monthly|-5.00|Bank Charge"};
    QTest::newRow("card number beside the description")
        << "card-number-column.csv" << QByteArray() << "-500"
        << "-375.82" << QString()
        << QStringList{"+ 2024-01-05|GROCER BONDI|-54.20|User W'drawal",
                       "+ 2024-01-09|PAYMENT THANK YOU|200.00|Deposit",
                       "+ 2024-01-14|CINEMA|-18.50|User W'drawal",
                       "+ 2024-01-31|INTEREST ON PURCHASES|-3.12|Interest Charge"};
    QTest::newRow("merchant named after the account and the kind")
        << "a.csv"
        << QByteArray("Date,Account Name,Transaction Type,Merchant Name,Amount\n"
                      "05/01/2024,Home loan,DEBIT,Interest,-7.50\n"
                      "10/01/2024,Home loan,CREDIT,Repayment,300.00\n"
                      "31/01/2024,Home loan,DEBIT,Fee,-5.00\n")
        << "-900"
        << "-612.50" << QString() << january;

    // Loan accounts: repayments, a redraw, the month's interest and fee.
    const QString loanOpen = QStringLiteral("-452000");
    const QString loanClose = QStringLiteral("-452578.47");
    QTest::newRow("loan: signed amount and balance")
        << "au-loan-signed-balance.csv" << QByteArray() << loanOpen << loanClose << QString()
        << QStringList{"+ 2024-01-02|LOAN REPAYMENT FROM 083-214 55-012-3456|1250.00|Deposit",
                       "+ 2024-01-10|REDRAW TO 083-214 55-012-3456|-2000.00|User W'drawal",
                       "+ 2024-01-16|LOAN REPAYMENT FROM 083-214 55-012-3456|1250.00|Deposit",
                       "+ 2024-01-30|LOAN REPAYMENT FROM 083-214 55-012-3456|1250.00|Deposit",
                       "+ 2024-01-31|INTEREST CHARGED|-2318.47|Interest Charge",
                       "+ 2024-01-31|LOAN SERVICE FEE|-10.00|Bank Charge"};
    QTest::newRow("loan: debit, credit and balance")
        << "au-loan-debit-credit.csv" << QByteArray() << loanOpen << loanClose << QString()
        << QStringList{"+ 2024-01-02|DEPOSIT ONLINE 2841 LOAN REPAYMENT|1250.00|Deposit",
                       "+ 2024-01-10|WITHDRAWAL ONLINE 7731 REDRAW|-2000.00|User W'drawal",
                       "+ 2024-01-16|DEPOSIT ONLINE 2841 LOAN REPAYMENT|1250.00|Deposit",
                       "+ 2024-01-30|DEPOSIT ONLINE 2841 LOAN REPAYMENT|1250.00|Deposit",
                       "+ 2024-01-31|DEBIT INTEREST|-2318.47|Interest Charge",
                       "+ 2024-01-31|MONTHLY LOAN FEE|-10.00|Bank Charge"};
    QTest::newRow("loan: no balance")
        << "au-loan-no-balance.csv" << QByteArray() << loanOpen << loanClose << QString()
        << QStringList{"+ 2024-01-02|PAYMENT RECEIVED THANK YOU|1250.00|Deposit",
                       "+ 2024-01-10|REDRAW INTERNET BANKING|-2000.00|User W'drawal",
                       "+ 2024-01-16|PAYMENT RECEIVED THANK YOU|1250.00|Deposit",
                       "+ 2024-01-30|PAYMENT RECEIVED THANK YOU|1250.00|Deposit",
                       "+ 2024-01-31|INTEREST|-2318.47|Interest Charge",
                       "+ 2024-01-31|LOAN ADMINISTRATION FEE|-10.00|Bank Charge"};
}

void tst_ImportSession::bankFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(QString, note);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    const auto s = session(dir, name, content);
    QVERIFY(s);
    QString error;
    QVERIFY2(s->start(std::nullopt, ImportSession::Fallback::Refuse, &error), qPrintable(error));
    QVERIFY(!s->asksDateOrder());
    const StatementHeader statement{
        {}, QDate(2024, 1, 1), QDate(2024, 1, 31), Money::parse(open), Money::parse(close)};
    ImportPreview preview(statement, KnownTransactions(), ColumnRules::defaults());
    s->proposeSign(preview);
    QCOMPARE(describe(preview), rows);
    QCOMPARE(s->signNote(), note);

    QCOMPARE(preview.firstTickedUnreadable(), -1);
    QCOMPARE(preview.closingAfterImport(), statement.closeBalance);
    QCOMPARE(preview.balanceCheck().partsAt, -1);
    // The balances, as the file states them, follow from the amounts as read.
    std::optional<Money> previous;
    for (const ImportPreview::Row& r : preview.rows()) {
        if (previous && r.source.balance)
            QCOMPARE(Money::add(*previous, r.source.amount), r.source.balance);
        previous = r.source.balance;
    }
    for (int i = 0; i < preview.rows().size(); ++i) {
        if (preview.rows()[i].status == ImportPreview::Status::Pending) {
            preview.setTicked(i, true);
            QVERIFY(!preview.rows()[i].ticked);
        }
    }
    QCOMPARE(CsvLayout::fromText(s->layout().toText()), s->layout());
}

void tst_ImportSession::statedSummary_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // empty: the corpus's file
    QTest::addColumn<QString>("said");       // BankSummary::sentences, joined by '|'
    QTest::addColumn<QString>("offered");    // the opening offered to a history; "" none
    QTest::addColumn<int>("rows");

    QTest::newRow("summary block and balance lines, agreeing")
        << "us-summary-block.csv" << QByteArray()
        << "The file states an opening balance of 1,000.00 on 1/1/2024 (line 2).|"
           "The file states a closing balance of 2,300.00 on 31/1/2024 (line 5).|"
           "Its rows agree with its summary."
        << QString() << 2; // its rows carry balances: the opening is theirs
    QTest::newRow("summary block above the header, disagreeing")
        << "de-summary-disagrees.csv" << QByteArray()
        << "The file states an opening balance of 1,250.00 on 1/3/2024 (line 2).|"
           "The file states a closing balance of 1,480.00 on 31/3/2024 (line 3).|"
           "The file's summary does not agree with its rows: it takes the balance from "
           "1,250.00 to 1,480.00, but the rows add up to 205.00."
        << QString() << 3;
    QTest::newRow("opening only: offered, nothing to check")
        << "summary-lines.csv" << QByteArray()
        << "The file states an opening balance of -900.00 (line 3)."
        << "-900" << 3;
    QTest::newRow("opening line among the rows, footer totals not checked")
        << "uk-opening-footer.csv" << QByteArray()
        << "The file states an opening balance of 1,000.00 on 2/1/2024 (line 2)." << QString() << 3;
    QTest::newRow("totals crossed by a card's sign agree")
        << "a.csv"
        << QByteArray("Total credits,,-500.00\nTotal debits,,36.50\n\nDate,Description,Amount\n"
                      "03/01/2024,CAFE,4.50\n08/01/2024,PAYMENT,-500.00\n12/01/2024,BOOKS,32.00\n")
        << "Its rows agree with its summary." << QString() << 3;
    QTest::newRow("totals disagreeing")
        << "a.csv"
        << QByteArray("Total credits,,100.00\nTotal debits,,-50.00\n\nDate,Description,Amount\n"
                      "01/02/2024,A,100.00\n02/02/2024,B,-40.00\n")
        << "The file's summary does not agree with its rows: its totals are 100.00 in and -50.00 "
           "out, but the rows' are 100.00 and -40.00."
        << QString() << 2;
    QTest::newRow("closing line among the rows without a balance column")
        << "a.csv"
        << QByteArray("Date,Description,Amount\n01/02/2024,Opening balance,\n"
                      "02/02/2024,A,-40.00\n03/02/2024,Closing balance,\n")
        << QString() << QString() << 1;
}

void tst_ImportSession::statedSummary() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, said);
    QFETCH(QString, offered);
    QFETCH(int, rows);
    QTemporaryDir dir;
    const auto s = session(dir, name, content);
    QVERIFY(s);
    QString error;
    QVERIFY2(s->start(std::nullopt, ImportSession::Fallback::Refuse, &error), qPrintable(error));
    const ReadResult& read = s->result();
    QCOMPARE(read.rows.size(), rows);
    for (const ImportedRow& r : read.rows)
        QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(BankSummary::sentences(read.summary).join(u'|'), said);
    const HistoryImport::AccountHistory empty;
    QCOMPARE(HistoryImport::offeredOpening(read, empty), Money::parse(offered));
    // An account with history continues from its own last balance.
    HistoryImport::AccountHistory continued;
    continued.lastDate = QDate(2023, 12, 31);
    QCOMPARE(HistoryImport::offeredOpening(read, continued), std::nullopt);
}

void tst_ImportSession::rowsOfNoMoneyOrNoDate_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");      // empty: the corpus's file
    QTest::addColumn<QStringList>("inStatement"); // "2024-01-02 0": rows the statement holds
    QTest::addColumn<QStringList>("rows");

    const QStringList zeroRows = {"+ 2024-01-02|MONTHLY PLAN FEE|-14.95|Bank Charge",
                                  "+ 2024-01-02|MONTHLY PLAN FEE REBATE - MINIMUM BALANCE "
                                  "MET|0.00|The amount is 0: the row moves no money.",
                                  "+ 2024-01-15|PAYROLL DEPOSIT|1250.00|Deposit"};
    QTest::newRow("QIF row of 0.00: entered, moving no money")
        << "zero-amount.qif" << QByteArray() << QStringList() << zeroRows;
    QStringList again = zeroRows;
    again[1] = "- 2024-01-02|MONTHLY PLAN FEE REBATE - MINIMUM BALANCE MET|0.00|Already in the "
               "statement.";
    QTest::newRow("QIF row of 0.00 imported before")
        << "zero-amount.qif" << QByteArray() << QStringList{"2024-01-02 0"} << again;
    QTest::newRow("dated opening balance of 0.00: no row")
        << "a.csv"
        << QByteArray("Date,Description,Amount\n01/01/2024,Opening balance,0.00\n"
                      "05/01/2024,Interest,-7.50\n")
        << QStringList() << QStringList{"+ 2024-01-05|Interest|-7.50|Interest Charge"};
    QTest::newRow("line without a date among dated rows: does not read")
        << "a.csv"
        << QByteArray("Date,Description,Amount,Balance\n05/01/2024,Interest,-7.50,-907.50\n"
                      ",Repayment,300.00,\n31/01/2024,Fee,-5.00,-612.50\n")
        << QStringList()
        << QStringList{"+ 2024-01-05|Interest|-7.50|Interest Charge",
                       "+ |Repayment|300.00|The line has no date.",
                       "+ 2024-01-31|Fee|-5.00|Bank Charge"};
    QTest::newRow("pending heading under the rows: no description of theirs")
        << "a.csv"
        << QByteArray("Date,Description,Amount\n05/01/2024,Interest,-7.50\n"
                      "Pending transactions,,\n,CAFE,-4.50\n")
        << QStringList()
        << QStringList{"+ 2024-01-05|Interest|-7.50|Interest Charge",
                       "- |CAFE|-4.50|Pending: no date yet"};
    QTest::newRow("balance brought forward without a date, in short")
        << "a.csv"
        << QByteArray("Date,Description,Amount,Balance\n,Balance b/f,,-900.00\n"
                      "05/01/2024,Interest,-7.50,-907.50\n,Balance c/f,,-907.50\n")
        << QStringList() << QStringList{"+ 2024-01-05|Interest|-7.50|Interest Charge"};
}

void tst_ImportSession::rowsOfNoMoneyOrNoDate() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, inStatement);
    QFETCH(QStringList, rows);
    QTemporaryDir dir;
    const auto s = session(dir, name, content);
    QVERIFY(s);
    QString error;
    QVERIFY2(s->start(std::nullopt, ImportSession::Fallback::Refuse, &error), qPrintable(error));
    KnownTransactions known;
    for (const QString& entry : inStatement)
        known.session << KnownTransactions::Entry{
            QDate::fromString(entry.section(u' ', 0, 0), Qt::ISODate),
            *Money::parse(entry.section(u' ', 1))};
    const StatementHeader statement{
        {}, QDate(2024, 1, 1), QDate(2024, 1, 31), Money::parse("-900"), std::nullopt};
    ImportPreview preview(statement, known, ColumnRules::defaults());
    preview.setRows(s->result().rows);
    QCOMPARE(describe(preview), rows);
}

// Which of a file's dates the rows take, and the note that says so.
void tst_ImportSession::dateTaken_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("first"); // the first row's date
    QTest::addColumn<QString>("note");

    QTest::newRow("value date before the booking date")
        << "booking-value-date.csv" << QDate(2024, 1, 2)
        << "The rows are dated by their value date, \"Value Date\", which interest follows, not "
           "by \"Booking Date\".";
    QTest::newRow("value date before a plain date")
        << "nl-value-date.csv" << QDate(2024, 1, 31)
        << "The rows are dated by their value date, \"Rentedatum\", which interest follows, not "
           "by \"Datum\".";
    QTest::newRow("a card's preset: the day the balance took it")
        << "card-no-balance.csv" << QDate(2024, 1, 4)
        << "The rows are dated by \"Post Date\", not by \"Trans. Date\".";
    QTest::newRow("one date: nothing to say")
        << "summary-lines.csv" << QDate(2024, 1, 5) << QString();
    QTest::newRow("QIF: nothing to say") << "bank.qif" << QDate(2024, 1, 5) << QString();
}

void tst_ImportSession::dateTaken() {
    QFETCH(QString, name);
    QFETCH(QDate, first);
    QFETCH(QString, note);
    QTemporaryDir dir;
    const auto s = session(dir, name, QByteArray());
    QVERIFY(s);
    QString error;
    QVERIFY2(s->start(std::nullopt, ImportSession::Fallback::Refuse, &error), qPrintable(error));
    QVERIFY(!s->result().rows.isEmpty());
    QCOMPARE(s->result().rows.first().date, first);
    QCOMPARE(s->dateNote(), note);
}

QTEST_MAIN(tst_ImportSession)
#include "tst_importsession.moc"
