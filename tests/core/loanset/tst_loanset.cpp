// A split loan checked as one: the worked figure of two parts whose lender linked the variable
// part's offset to the fixed part, a part that is missing, and the set's file.
#include "loanset/SetComplaint.h"
#include "support/AccountFixture.h"
#include "support/SplitLoan.h"

#include <QFile>
#include <QTest>

namespace {

using SplitLoan::part;

Money cents(qint64 c) {
    return Money::fromRaw(c * 100);
}

} // namespace

class TestLoanSet : public QObject {
    Q_OBJECT

private slots:
    void offsetOnTheWrongPart_data();
    void offsetOnTheWrongPart();
    void setFile_data();
    void setFile();
};

void TestLoanSet::offsetOnTheWrongPart_data() {
    QTest::addColumn<bool>("wrong");
    QTest::addColumn<bool>("missing");
    QTest::newRow("linked right") << false << false;
    QTest::newRow("linked to the fixed part") << true << false;
    QTest::newRow("linked to the fixed part, a third part missing") << true << true;
}

// 300,000 at 6 % with a 50,000 offset and 200,000 at 5 %: due 1,232.88 and 821.92. Linked to
// the fixed part the lender charges 1,479.45 and 616.44: 41.09 too much.
void TestLoanSet::offsetOnTheWrongPart() {
    QFETCH(bool, wrong);
    QFETCH(bool, missing);
    AccountFixture f;
    LoanSet::Set set{"Home loan",
                     {{"Variable", "Variable.mdb", InterestMethod::VariableDay},
                      {"Fixed 3 years", "Fixed.mdb", InterestMethod::VariableDay}}};
    part(f, "Variable.mdb", "300000", wrong ? "1479.45" : "1232.88", "6", true);
    part(f, "Fixed.mdb", "200000", wrong ? "616.44" : "821.92", "5", false);
    if (missing)
        set.parts << LoanSet::Part{"Top-up", "TopUp.mdb", InterestMethod::VariableDay};
    const QString setPath = f.dataFolder() + "Home loan.vloan";
    QString error;
    QVERIFY2(LoanSet::write(setPath, set, &error), qPrintable(error));

    const SetCheck::Result r = SetCheck::check(*LoanSet::read(setPath, &error), setPath);
    QCOMPARE(r.checkedParts(), 2);
    QCOMPARE(r.parts.size(), missing ? 3 : 2);
    if (missing)
        QVERIFY2(r.parts[2].problem.contains("missing"), qPrintable(r.parts[2].problem));
    QCOMPARE(r.parts[0].summary->due, cents(123288));
    QCOMPARE(r.parts[1].summary->due, cents(82192));
    QCOMPARE(r.due, cents(205480));
    QCOMPARE(r.difference, wrong ? cents(4109) : Money());
    // Each year's total is the sum of the parts'.
    QCOMPARE(r.years.size(), 1);
    QCOMPARE(r.years[0].total, r.difference);
    QCOMPARE(r.parts[0].offsetBenefit, std::optional<Money>(cents(24657)));
    QCOMPARE(r.wrongOffsets.size(), wrong ? 1 : 0);
    if (!wrong) {
        QVERIFY(SetCheck::verdict(r).contains("charged the interest these figures give"));
        return;
    }
    const SetCheck::WrongOffset& w = r.wrongOffsets[0];
    QCOMPARE(w.from, 0);
    QCOMPARE(w.to, std::optional<int>(1));
    QCOMPARE(w.first, QDate(2024, 1, 31));
    QCOMPARE(w.amount, cents(4109));
    QVERIFY2(SetCheck::sentence(r, w).contains("the offset of \"Variable\" linked to \"Fixed 3 "
                                               "years\": 41.09 more than due"),
             qPrintable(SetCheck::sentence(r, w)));
    QVERIFY(SetCheck::csv(r).endsWith("total,all,2095.89,2054.80,41.09\n"));
    QVERIFY(SetCheck::diagnosisCsv(r).contains(
        "set,offset-linked-to-wrong-part,2024-01-31,2024-01-31,2,Variable to Fixed 3 years,41.09"));

    // One letter for the set: the offset across the parts, then the part overcharged.
    const std::optional<SetComplaint::Case> c = SetComplaint::prepare(r, &error);
    QVERIFY2(c, qPrintable(error));
    QVERIFY(SetComplaint::noLetter(*c).isEmpty());
    const QString letter = SetComplaint::letterText(*c, "evidence.pdf");
    QVERIFY2(letter.contains("counted an offset account against the wrong part of my loan"),
             qPrintable(letter));
    QVERIFY(letter.contains("linked to \"Fixed 3 years\": 41.09 more than due"));
    // Each part's one posting covers part of a period and is not compared: no part has a section
    // of its own.
    QVERIFY(!letter.contains("(loan account"));
}

void TestLoanSet::setFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("reads");
    const QByteArray good = R"({"format": "vantrell-loan-set", "version": 1, "name": "Loan",
        "parts": [{"name": "A", "account": "a.mdb", "method": 2}, {"name": "B", "account": "b.mdb"}]})";
    QTest::newRow("a set") << good << true;
    QTest::newRow("not JSON") << QByteArray("parts: a, b") << false;
    QTest::newRow("another format") << QByteArray(good).replace("vantrell-loan-set", "x") << false;
    QTest::newRow("two parts of one name") << QByteArray(good).replace("\"B\"", "\"a\"") << false;
    QTest::newRow("a method past the list") << QByteArray(good).replace(": 2}", ": 9}") << false;
    QTest::newRow("a later version") << QByteArray(good).replace("1,", "2,") << false;
    QTest::newRow("no parts") << QByteArray(R"({"format": "vantrell-loan-set", "version": 1,
        "name": "Loan", "parts": []})") << false;
}

// A set reads back as written; anything else is refused with a message, never thrown.
void TestLoanSet::setFile() {
    QFETCH(QByteArray, content);
    QFETCH(bool, reads);
    AccountFixture f;
    const QString path = f.dataFolder() + "Loan.vloan";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QString error;
    const std::optional<LoanSet::Set> set = LoanSet::read(path, &error);
    QCOMPARE(set.has_value(), reads);
    QCOMPARE(error.isEmpty(), reads);
    if (!reads)
        return;
    QCOMPARE(set->parts.size(), 2);
    QCOMPARE(set->parts[0].method, std::optional<InterestMethod::Code>(InterestMethod::VariableDay));
    QCOMPARE(LoanSet::accountPath(path, set->parts[1]), f.dataFolder() + "b.mdb");
    const QString copy = f.dataFolder() + "Copy.vloan";
    QVERIFY2(LoanSet::write(copy, *set, &error), qPrintable(error));
    QCOMPARE(*LoanSet::read(copy, &error), *set);
}

QTEST_GUILESS_MAIN(TestLoanSet)
#include "tst_loanset.moc"
