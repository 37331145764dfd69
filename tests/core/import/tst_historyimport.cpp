// A loan's whole history cut into statements and committed in one step.
#include "data/AccountConnection.h"
#include "data/Money.h"
#include "data/ShortDate.h"
#include "engine/ReportPreparation.h"
#include "import/HistoryImport.h"
#include "support/AccountFixture.h"
#include "support/ReportTool.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTest>

using namespace HistoryImport;

namespace {

Money m(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}

// A history from `from`: a repayment of 1,500.00 on the 3rd, interest on the 20th of each month
// and a fee on the last day of every third month, from a debit of 250,000.00; balances stated.
QList<ImportedRow> history(const QDate& from, int months) {
    QList<ImportedRow> rows;
    Money balance = m("-250000");
    const auto add = [&](const QDate& date, const char* what, Money amount) {
        balance = *Money::add(balance, amount);
        ImportedRow r;
        r.line = int(rows.size()) + 2;
        r.date = date;
        r.description = QString::fromLatin1(what);
        r.amount = amount;
        r.balance = balance;
        rows << r;
    };
    for (int i = 0; i < months; ++i) {
        const QDate month = from.addMonths(i);
        add(QDate(month.year(), month.month(), 3), "Repayment", m("1500"));
        add(QDate(month.year(), month.month(), 20), "Interest charged",
            Money::fromRaw(-(10400000 + i * 1237 * 100)));
        if (month.month() % 3 == 0)
            add(QDate(month.year(), month.month(), month.daysInMonth()), "Account fee", m("-10"));
    }
    return rows;
}

Cutting every(Cutting::Every e, int cutDay = 0) {
    Cutting c;
    c.every = e;
    c.cutDay = cutDay;
    return c;
}

QStringList statuses(const Plan& plan) {
    QStringList out;
    for (const Statement& s : plan.statements)
        out << s.statusShown();
    return out;
}

struct Account {
    AccountConnection connection;
    explicit Account(const QString& path) { connection.open(path); }
    QSqlDatabase db() const { return connection.database(); }
    AccountHistory history() const { return *AccountHistory::load(db(), nullptr); }
};

QStringList allRecords(const QString& path) {
    return AccountFixture::column(
        path, "select Date||'|'||ifnull(GovtCharge,'')||'|'||ifnull(BankCharge,'')||'|'||"
              "ifnull(UserWithdrawal,'')||'|'||ifnull(Deposit,'')||'|'||ifnull(InterestPayment,'')"
              "||'|'||ifnull(OpenBalance,'')||'|'||ifnull(CloseBalance,'') from tblAllRecords "
              "order by Date, ID");
}

// The rows as a bank writes them, oldest first, each amount and balance times its sign.
QString bankCsv(const QList<ImportedRow>& rows, int amountSign, int balanceSign) {
    QString csv = "Date,Description,Amount,Balance\n";
    for (const ImportedRow& r : rows)
        csv += QStringLiteral("%1,%2,%3,%4\n")
                   .arg(ShortDate::toIso(r.date), r.description,
                        Money::fromRaw(r.amount.raw() * amountSign).toPlainText(),
                        Money::fromRaw(r.balance->raw() * balanceSign).toPlainText());
    return csv;
}

bool writeFile(const QString& path, const QString& text) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(text.toUtf8()) >= 0;
}

} // namespace

class TestHistoryImport : public QObject {
    Q_OBJECT

private slots:
    void cutting_data();
    void cutting();
    void signs_data();
    void signs();
    void balanceBreak();
    void withoutBalanceColumn_data();
    void withoutBalanceColumn();
    void continuingAnAccount_data();
    void continuingAnAccount();
    void oneTransaction();
    void everydayAccountCautioned_data();
    void everydayAccountCautioned();
    void roundTripThroughTheTool();
    void rememberedTurnThroughTheTool_data();
    void layoutKeptInTheStatementsTransaction_data();
    void layoutKeptInTheStatementsTransaction();
    void rememberedTurnThroughTheTool();
    // A file or an account no loan could make is refused with a message, quickly: sums beyond
    // 64 bits, amounts beyond any account, a history of thousands of years.
    void hostileHistoryRefused_data();
    void hostileHistoryRefused();
    void hostileAccountRefusedByTheReport_data();
    void hostileAccountRefusedByTheReport();
};

// Months without interest, the more so with card purchases, are said before anything is written:
// likely the everyday account picked for the loan's export. A loan's history is not.
void TestHistoryImport::everydayAccountCautioned_data() {
    QTest::addColumn<QStringList>("descriptions"); // each month's rows
    QTest::addColumn<QString>("caution");          // "" for none, else a part of it
    QTest::newRow("the loan") << QStringList{"Repayment", "Interest charged"} << "";
    QTest::newRow("no interest") << QStringList{"Salary", "Rent"} << "no interest is charged";
    QTest::newRow("card purchases")
        << QStringList{"Salary", "EFTPOS Grocer", "Visa purchase"} << "4 card purchase(s)";
}

void TestHistoryImport::everydayAccountCautioned() {
    QFETCH(QStringList, descriptions);
    QFETCH(QString, caution);
    QList<ImportedRow> rows;
    Money balance = m("900");
    for (int month = 1; month <= 3; ++month) {
        for (int i = 0; i < descriptions.size(); ++i) {
            ImportedRow r;
            r.line = int(rows.size()) + 2;
            r.date = QDate(2024, month, 5 + i);
            r.description = descriptions[i];
            r.amount = i == 0 ? m("100") : m("-10");
            balance = *Money::add(balance, r.amount);
            r.balance = balance;
            rows << r;
        }
    }
    const Plan plan = cut(rows, every(Cutting::Every::Month), {}, {});
    QVERIFY(plan.statements.size() >= 2);
    if (caution.isEmpty())
        QVERIFY2(plan.caution.isEmpty(), qPrintable(plan.caution));
    else
        QVERIFY2(plan.caution.contains(caution), qPrintable(plan.caution));
}

void TestHistoryImport::cutting_data() {
    QTest::addColumn<Cutting>("cutting");
    QTest::addColumn<int>("count");
    QTest::addColumn<QDate>("firstEnd");
    QTest::addColumn<QDate>("lastEnd");
    QTest::addColumn<int>("rowsAfter");

    // The history runs 3 Feb 2020 to 20 Jan 2022 (the fee's quarters end in it too).
    QTest::newRow("monthly") << every(Cutting::Every::Month) << 23 << QDate(2020, 2, 29)
                             << QDate(2021, 12, 31) << 2;
    QTest::newRow("monthly on the 10th, part period first")
        << every(Cutting::Every::Month, 10) << 24 << QDate(2020, 2, 10) << QDate(2022, 1, 10) << 1;
    QTest::newRow("cut day past short months")
        << every(Cutting::Every::Month, 30) << 23 << QDate(2020, 2, 29) << QDate(2021, 12, 30) << 3;
    QTest::newRow("quarterly") << every(Cutting::Every::Quarter) << 8 << QDate(2020, 3, 31)
                               << QDate(2021, 12, 31) << 2;
    QTest::newRow("half-yearly") << every(Cutting::Every::HalfYear) << 4 << QDate(2020, 6, 30)
                                 << QDate(2021, 12, 31) << 2;
    QTest::newRow("yearly") << every(Cutting::Every::Year) << 2 << QDate(2020, 12, 31)
                            << QDate(2021, 12, 31) << 2;
    Cutting lender;
    lender.ends = {QDate(2021, 6, 14), QDate(2019, 1, 1), QDate(2020, 9, 14)};
    QTest::newRow("lender's dates, unsorted")
        << lender << 2 << QDate(2020, 9, 14) << QDate(2021, 6, 14) << 18;
}

void TestHistoryImport::cutting() {
    QFETCH(Cutting, cutting);
    QFETCH(int, count);
    QFETCH(QDate, firstEnd);
    QFETCH(QDate, lastEnd);
    QFETCH(int, rowsAfter);
    cutting.firstNumber = 7;
    const QList<ImportedRow> rows = history(QDate(2020, 2, 1), 24);
    const Plan plan = cut(rows, cutting, {}, {});
    QCOMPARE(plan.statements.size(), qsizetype(count));
    const Statement& first = plan.statements.first();
    QCOMPARE(first.number, 7);
    QCOMPARE(first.start, QDate(2020, 2, 3)); // the file's first date, not the period's
    QCOMPARE(first.end, firstEnd);
    QCOMPARE(first.opening, m("-250000"));
    QCOMPARE(plan.statements.last().end, lastEnd);
    QCOMPARE(plan.statements.last().number, 7 + count - 1);
    QCOMPARE(plan.rowsAfter, rowsAfter);
    qsizetype taken = plan.rowsAfter;
    for (qsizetype i = 0; i < plan.statements.size(); ++i) {
        const Statement& s = plan.statements[i];
        QCOMPARE(s.status, Status::Ready);
        QCOMPARE(s.closing, s.rows.isEmpty() ? s.opening : *s.rows.last().balance);
        if (i > 0) {
            QCOMPARE(s.start, plan.statements[i - 1].end.addDays(1));
            QCOMPARE(s.opening, plan.statements[i - 1].closing);
        }
        taken += s.rows.size();
    }
    QCOMPARE(taken, rows.size());
}

void TestHistoryImport::signs_data() {
    QTest::addColumn<bool>("positiveBalances");
    QTest::addColumn<bool>("lenderSignedAmounts");
    QTest::addColumn<bool>("turnAmounts");
    QTest::addColumn<bool>("turnBalances");
    QTest::newRow("debit negative, borrower's signs") << false << false << false << false;
    QTest::newRow("debit negative, lender's signs") << false << true << true << false;
    QTest::newRow("debt shown positive, borrower's signs") << true << false << false << true;
    QTest::newRow("debt shown positive, lender's signs") << true << true << true << true;
}

void TestHistoryImport::signs() {
    QFETCH(bool, positiveBalances);
    QFETCH(bool, lenderSignedAmounts);
    QFETCH(bool, turnAmounts);
    QFETCH(bool, turnBalances);
    QList<ImportedRow> rows = history(QDate(2021, 1, 1), 6);
    const QList<ImportedRow> expected = rows;
    for (ImportedRow& r : rows) {
        if (lenderSignedAmounts)
            r.amount = *r.amount.negated();
        if (positiveBalances)
            r.balance = *r.balance->negated();
    }
    const Signs signs = proposeSigns(rows);
    QCOMPARE(signs.turnAmounts, turnAmounts);
    QCOMPARE(signs.turnBalances, turnBalances);
    QVERIFY(!signs.why.isEmpty());
    const QList<ImportedRow> turned = applied(rows, signs);
    for (qsizetype i = 0; i < turned.size(); ++i) {
        QCOMPARE(turned[i].amount, expected[i].amount);
        QCOMPARE(turned[i].balance, expected[i].balance);
    }
}

void TestHistoryImport::balanceBreak() {
    AccountFixture fixture;
    const QString path = fixture.newAccount();
    QList<ImportedRow> rows = history(QDate(2021, 1, 1), 6);
    const int missing = 5; // the March interest charge: the export lost it
    const int line = rows[missing + 1].line;
    rows.removeAt(missing);
    const Plan plan = cut(rows, every(Cutting::Every::Month), {}, {});
    QCOMPARE(statuses(plan),
             QStringList({"ready", "ready",
                          QStringLiteral("balance break at line %1; no interest charged").arg(line),
                          "ready", "ready", "ready"}));

    Account account(path);
    const std::optional<Written> written = commit(account.db(), plan, nullptr);
    QVERIFY(written);
    QCOMPARE(written->statements, 5);
    QCOMPARE(AccountFixture::column(path, "select StatementNumber from tblNumber order by 1"),
             QStringList({"1", "2", "4", "5", "6"}));
    // Statement 4 does not follow on from 2: it starts from the file's balance, in a balance row.
    QCOMPARE(AccountFixture::column(path, "select Date from tblAllRecords where CloseBalance<>0"),
             QStringList({"2021-01-03", "2021-04-01"}));
    QCOMPARE(AccountFixture::column(path, "select OpenBalance from tblAllRecords order by Date "
                                          "desc, ID desc limit 1"),
             QStringList({QString::number(rows.last().balance->raw())}));
}

void TestHistoryImport::withoutBalanceColumn_data() {
    QTest::addColumn<bool>("opening");
    QTest::addColumn<QString>("closing");
    QTest::addColumn<QString>("status");
    QTest::newRow("nothing given") << false << QString() << "no balance to check";
    QTest::newRow("opening only") << true << QString() << "no balance to check";
    QTest::newRow("closing reached") << true << "-249540"
                                     << "ready";
    QTest::newRow("closing missed") << true << "-249540.01"
                                    << "balance break: the amounts do not reach the closing "
                                       "balance";
}

void TestHistoryImport::withoutBalanceColumn() {
    QList<ImportedRow> rows = history(QDate(2021, 1, 1), 2);
    for (ImportedRow& r : rows)
        r.balance.reset();
    QFETCH(bool, opening);
    QFETCH(QString, closing);
    QFETCH(QString, status);
    Balances given;
    if (opening)
        given.opening = m("-250000");
    if (!closing.isEmpty())
        given.closing = *Money::parse(closing);
    const Plan plan = cut(rows, every(Cutting::Every::Month), given, {});
    QCOMPARE(plan.statements.size(), qsizetype(1)); // February is the part period at the end
    QCOMPARE(plan.statements.first().statusShown(), status);
}

void TestHistoryImport::continuingAnAccount_data() {
    QTest::addColumn<QString>("accountBalance"); // "" when the account's balance agrees
    QTest::newRow("balance agrees") << QString();
    QTest::newRow("balance differs") << "-1";
}

void TestHistoryImport::continuingAnAccount() {
    AccountFixture fixture;
    const QString path = fixture.newAccount();
    const QList<ImportedRow> rows = history(QDate(2021, 1, 1), 8);
    Account account(path);
    // The account holds January to March, committed by an earlier import of a shorter file.
    const QList<ImportedRow> earlier = rows.first(7);
    QVERIFY(commit(account.db(), cut(earlier, every(Cutting::Every::Month), {}, {}), nullptr));
    QFETCH(QString, accountBalance);
    if (!accountBalance.isEmpty())
        QSqlQuery(account.db())
            .exec("update tblAllRecords set OpenBalance=OpenBalance+10000 where Date='2021-03-31'");

    const Plan plan = cut(rows, every(Cutting::Every::Month), {}, account.history());
    QCOMPARE(plan.statements.size(), qsizetype(7));
    // The statements held keep their numbers; the new ones follow the account's last, or the
    // number the user gives the first of them.
    QStringList numbers;
    for (const Statement& s : plan.statements)
        numbers << QString::number(s.number);
    QCOMPARE(numbers, QStringList({"1", "2", "3", "4", "5", "6", "7"}));
    Cutting typed = every(Cutting::Every::Month);
    typed.firstNumber = 40;
    const Plan typedPlan = cut(rows, typed, {}, account.history());
    QCOMPARE(typedPlan.statements[2].number, 3);
    QCOMPARE(typedPlan.statements[3].number, 40);
    QCOMPARE(plan.statements[2].status, Status::AlreadyInAccount);
    QCOMPARE(plan.statements[3].status, Status::Ready);
    QCOMPARE(plan.statements[3].balanceRow, !accountBalance.isEmpty());
    const std::optional<Written> written = commit(account.db(), plan, nullptr);
    QVERIFY(written);
    QCOMPARE(written->statements, 4);
    QCOMPARE(AccountFixture::column(path, "select count(*) from tblAllRecords where Date>"
                                          "'2021-03-31' and CloseBalance=0"),
             QStringList({QString::number(rows.size() - 7 - plan.rowsAfter)}));
    QCOMPARE(AccountFixture::column(path, "select count(*) from tblAllRecords where "
                                          "CloseBalance<>0"),
             QStringList({accountBalance.isEmpty() ? "1" : "2"}));
    QCOMPARE(AccountFixture::column(path, "select StatementNumber from tblNumber order by 1"),
             numbers);
    // Committed again: every statement is already there.
    const Plan again = cut(rows, every(Cutting::Every::Month), {}, account.history());
    QVERIFY(std::all_of(again.statements.begin(), again.statements.end(),
                        [](const Statement& s) { return s.status == Status::AlreadyInAccount; }));
}

void TestHistoryImport::oneTransaction() {
    AccountFixture fixture;
    const QString path = fixture.newAccount();
    const QList<ImportedRow> rows = history(QDate(2021, 1, 1), 8);
    Account account(path);
    QVERIFY(
        commit(account.db(), cut(rows.first(7), every(Cutting::Every::Month), {}, {}), nullptr));
    const QStringList before = allRecords(path);
    const QString numbers = QStringLiteral("select StatementNumber from tblNumber order by 1");
    // The last statement's write fails, as a full disk would fail it.
    QVERIFY(QSqlQuery(account.db())
                .exec("create temp trigger full before insert on tblAllRecords when "
                      "new.Date>='2021-07-01' begin select raise(abort, 'disk full'); end"));
    QString error;
    QVERIFY(!commit(account.db(), cut(rows, every(Cutting::Every::Month), {}, account.history()),
                    &error));
    QVERIFY2(error.contains("statement 7"), qPrintable(error));
    QCOMPARE(allRecords(path), before);
    QCOMPARE(AccountFixture::column(path, numbers), QStringList({"1", "2", "3"}));
}

void TestHistoryImport::roundTripThroughTheTool() {
    AccountFixture fixture;
    const QString original = fixture.newAccount("Original.mdb");
    {
        // Statements typed month by month, then exported with the balance after each row.
        Account account(original);
        const QList<ImportedRow> rows = history(QDate(2022, 5, 1), 14);
        const Plan plan = cut(rows, every(Cutting::Every::Month), {}, {});
        int imported = 0;
        for (const Statement& s : plan.statements) {
            StatementHeader header{QString::number(s.number), s.start, s.end, s.opening, s.closing};
            QVector<SessionRow> session;
            for (const ImportedRow& r : s.rows) {
                SessionRow row;
                row.date = r.date;
                const int column = r.description.startsWith("Interest") ? 4
                                   : r.amount > Money()                 ? 3
                                                                        : 1;
                for (int a = 0; a < 5; ++a)
                    row.amounts[std::size_t(a)] = StoredMoney::of(
                        a == column ? Money::fromRaw(std::abs(r.amount.raw())) : Money());
                // The bank's id of a row imported, kept with it in the history.
                row.fitId = QStringLiteral("B%1").arg(++imported);
                session << row;
            }
            QVERIFY(ReportPreparation::commitStatement(account.db(), header, session, nullptr));
        }
        QCOMPARE(AccountFixture::column(original, "select count(distinct FITID) from "
                                                  "tblAllRecords where FITID like 'B%'"),
                 QStringList{QString::number(imported)});
    }
    AccountFixture::exec(original, "insert into tblInterestChanges (ValidFrom, ValidTo, "
                                   "InterestRate) values ('2022-05-01', '2023-12-31', 5.2)");
    const QStringList exported = AccountFixture::column(
        original,
        "select Date||','||case when InterestPayment>0 then 'Interest charged' when BankCharge>0 "
        "then 'Account fee' else 'Repayment' end||','||printf('%.2f',(Deposit-BankCharge-"
        "InterestPayment)/10000.0)||','||printf('%.2f',OpenBalance/10000.0) from tblAllRecords "
        "where CloseBalance=0 order by Date desc, ID desc");
    // The bank shows the debt as a positive number, newest first.
    QString csv = "Date,Description,Amount,Balance\n";
    for (const QString& line : exported) {
        QStringList f = line.split(',');
        f[3] = f[3].startsWith('-') ? f[3].mid(1) : '-' + f[3];
        csv += f.join(',') + '\n';
    }
    const QString file = fixture.path("history.csv");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(csv.toUtf8());
    out.close();

    const QString imported = fixture.path("Imported.mdb");
    const Run dry = importTool({file, "--into", imported, "--new", "--statements", "monthly",
                                "--format", "csv", "--dry-run"});
    QCOMPARE(dry.status, 0);
    QVERIFY(!QFile::exists(imported));
    QCOMPARE(dry.out.count("\n"), 15);
    QVERIFY2(dry.out.startsWith("number,start,end,opening,closing,rows,status\n1,2022-05-03,"
                                "2022-05-31,-250000.00,-249540.00,2,ready\n"),
             qPrintable(dry.out));

    const Run run = importTool({file, "--into", imported, "--new", "--statements", "monthly"});
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QCOMPARE(allRecords(imported), allRecords(original));
    AccountFixture::exec(imported, "insert into tblInterestChanges (ValidFrom, ValidTo, "
                                   "InterestRate) values ('2022-05-01', '2023-12-31', 5.2)");
    const Run a = report({original, "--method", "0", "--day", "20", "--format", "csv"});
    const Run b = report({imported, "--method", "0", "--day", "20", "--format", "csv"});
    QVERIFY2(a.status == 0, qPrintable(a.err));
    QCOMPARE(b.out, a.out);

    // Again into the now existing account: nothing new, nothing written, no copy kept.
    const Run again = importTool({file, "--into", imported, "--statements", "monthly"});
    QCOMPARE(again.status, 0);
    QVERIFY2(again.err.contains("nothing to write"), qPrintable(again.err));
    QCOMPARE(QDir(fixture.programFolder()).entryList({"* before import *"}).size(), 0);
    QCOMPARE(importTool({file, "--into", imported, "--new", "--statements", "monthly"}).status, 2);
    QCOMPARE(importTool({file, "--into", imported}).status, 1);
}

// A layout the account remembers with the amounts turned is read as written before the signs are
// proposed: the second import proposes what the first did, and keeps the turn the statement
// import then reads the bank's rows with.
void TestHistoryImport::rememberedTurnThroughTheTool_data() {
    QTest::addColumn<int>("amountSign");
    QTest::addColumn<int>("balanceSign");
    QTest::addColumn<QString>("flip");        // the layout remembered after each import
    QTest::addColumn<QString>("repayment");   // as the statement import then reads it
    QTest::newRow("debt positive, repayments negative") << -1 << -1 << "flip=yes" << "1500.00";
    QTest::newRow("debt positive, repayments positive") << 1 << -1 << "flip=no" << "1500.00";
    QTest::newRow("debt negative, repayments negative") << -1 << 1 << "flip=yes" << "1500.00";
}

void TestHistoryImport::rememberedTurnThroughTheTool() {
    QFETCH(int, amountSign);
    QFETCH(int, balanceSign);
    QFETCH(QString, flip);
    QFETCH(QString, repayment);
    AccountFixture fixture;
    const QList<ImportedRow> rows = history(QDate(2022, 5, 1), 12);
    const QString firstHalf = fixture.path("first.csv");
    const QString whole = fixture.path("whole.csv");
    const QString oneMonth = fixture.path("month.csv");
    QVERIFY(writeFile(firstHalf, bankCsv(rows.first(13), amountSign, balanceSign)));
    QVERIFY(writeFile(whole, bankCsv(rows, amountSign, balanceSign)));
    QVERIFY(writeFile(oneMonth, bankCsv(rows.last(2), amountSign, balanceSign)));
    const QString account = fixture.path("Loan.mdb");
    const auto remembered = [&] {
        const QStringList kept = AccountFixture::column(
            account, "select Value from tblSettings where Name = 'ImportChoices'");
        return kept.isEmpty() ? QString() : kept.first();
    };
    const auto signsLine = [](const QString& err) {
        const qsizetype at = err.indexOf("signs: ");
        return at < 0 ? QString() : err.mid(at, err.indexOf('\n', at) - at);
    };

    const Run first =
        importTool({firstHalf, "--into", account, "--new", "--statements", "monthly"});
    QVERIFY2(first.status == 0, qPrintable(first.err));
    QVERIFY2(remembered().contains(flip), qPrintable(remembered()));
    const Run second = importTool({whole, "--into", account, "--statements", "monthly"});
    QVERIFY2(second.status == 0, qPrintable(second.err));
    QCOMPARE(signsLine(second.err), signsLine(first.err));
    QVERIFY2(second.err.contains("written: 6 statements"), qPrintable(second.err));
    QVERIFY2(remembered().contains(flip), qPrintable(remembered()));
    // The statement import reads the bank's next rows in the layout remembered.
    const Run preview =
        importTool({oneMonth, "--account", account, "--start", "2023-04-01", "--end",
                    "2023-04-30", "--opening", "-238000", "--format", "csv"});
    QVERIFY2(preview.status == 0, qPrintable(preview.err));
    QVERIFY2(preview.out.contains(",Repayment," + repayment + ","), qPrintable(preview.out));
}

// The layout is remembered in the statements' own transaction: a kill or a failure between the
// two writes can leave no account with its statements but without the layout.
void TestHistoryImport::layoutKeptInTheStatementsTransaction_data() {
    QTest::addColumn<QString>("planted"); // SQL run on the account before the import
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("counts"); // statements, history rows, remembered layouts
    QTest::newRow("all written") << "" << 0 << QStringList{"5", "12", "1"};
    QTest::newRow("the layout's write fails")
        << "create trigger planted before insert on tblSettings when new.Name = 'ImportChoices' "
           "begin select raise(abort, 'planted'); end"
        << 2 << QStringList{"0", "0", "0"};
}

void TestHistoryImport::layoutKeptInTheStatementsTransaction() {
    QFETCH(QString, planted);
    QFETCH(int, status);
    QFETCH(QStringList, counts);
    AccountFixture fixture;
    const QString path = fixture.newAccount("Loan.mdb");
    {
        Account account(path);
        // Planted on the open connection, as a failure between the two writes would strike.
        if (!planted.isEmpty())
            QVERIFY(QSqlQuery(account.db()).exec(planted));
        const Plan plan = cut(history(QDate(2022, 5, 1), 6).first(13),
                              every(Cutting::Every::Month), {}, {});
        const Outcome outcome = importInto(account.db(), path, account.history(), plan,
                                           ImportChoices(), CsvLayout(), Signs());
        QCOMPARE(int(outcome.step), status == 0 ? int(Outcome::Step::Done)
                                                : int(Outcome::Step::NotWritten));
        if (status != 0)
            QVERIFY2(outcome.reason.contains("planted"), qPrintable(outcome.reason));
    }
    QCOMPARE(AccountFixture::column(
                 path, "select (select count(*) from tblNumber) || ',' || (select count(*) from "
                       "tblAllRecords where CloseBalance = 0) || ',' || (select count(*) from "
                       "tblSettings where Name = 'ImportChoices')")
                 .value(0)
                 .split(','),
             counts);
}

QTEST_GUILESS_MAIN(TestHistoryImport)
#include "tst_historyimport.moc"

void TestHistoryImport::hostileHistoryRefused_data() {
    QTest::addColumn<QList<ImportedRow>>("rows");
    QTest::addColumn<QString>("refusal");
    QList<ImportedRow> large;
    for (int i = 0; i < 1000; ++i) {
        ImportedRow r;
        r.line = i + 2;
        r.date = QDate(2020, 1, 1).addDays(i);
        r.amount = m("999999999999.99");
        large << r;
    }
    QList<ImportedRow> withBalance = large;
    withBalance.last().balance = m("-1");
    QTest::newRow("amounts add up beyond 64 bits") << large << "more than a loan account can hold";
    QTest::newRow("back from a balance beyond 64 bits")
        << withBalance << "more than a loan account can hold";
    QList<ImportedRow> ages = large.first(2);
    ages[0].date = QDate(1, 1, 1);
    ages[1].date = QDate(9999, 12, 31);
    QTest::newRow("ten thousand years") << ages << "more than 100 years";
}

void TestHistoryImport::hostileHistoryRefused() {
    QFETCH(QList<ImportedRow>, rows);
    QFETCH(QString, refusal);
    Balances given;
    given.opening = m("-1000");
    const Plan plan = cut(rows, every(Cutting::Every::Month), given, {});
    QVERIFY2(plan.refusal.contains(refusal), qPrintable(plan.refusal));
    QVERIFY(plan.statements.isEmpty());
    QVERIFY(!plan.readySpan());
}

void TestHistoryImport::hostileAccountRefusedByTheReport_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("report") << QStringList{"--method", "0", "--day", "1"};
    QTest::newRow("explain") << QStringList{"--method", "0",         "--day",
                                            "1",        "--explain", "9999-12-31"};
    QTest::newRow("propose rates") << QStringList{"--propose-rates", "--method", "any"};
    QTest::newRow("fit") << QStringList{"--fit"};
}

void TestHistoryImport::hostileAccountRefusedByTheReport() {
    QFETCH(QStringList, args);
    AccountFixture fixture;
    const QString path = fixture.newAccount();
    AccountFixture::exec(path, "insert into tblAllRecords (Date, Deposit, InterestPayment, "
                               "OpenBalance) values ('0001-01-01', 0, 0, -1000000), "
                               "('9999-12-31', 0, 10000, 0)");
    const Run run = report(QStringList{path} + args);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains("more than 100 years"), qPrintable(run.err));
}
