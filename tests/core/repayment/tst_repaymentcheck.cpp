// The repayment the lender took beside the one the terms require, on loans charged
// balance x rate / 12 each month (posting-period rest, 30/360, rounded at the posting), and the
// payoff projected from the history's end against an amortisation worked here month by month.
#include "complaint/Complaint.h"
#include "data/AccountConnection.h"
#include "engine/InterestEngine.h"
#include "repayment/Payoff.h"
#include "repayment/RepaymentCheck.h"
#include "support/AccountFixture.h"
#include "support/ChargedAccount.h"
#include "support/ReportTool.h"

#include <QTest>

#include <cmath>

namespace {

using RepaymentCheck::FindingKind;

enum class Lender { Right, Kept, OverFull, InterestOnlyKept, Short };

const QDate Start(2020, 1, 1);

Money cents(qint64 c) {
    return Money::fromRaw(c * (Money::Scale / 100));
}

// Half away from zero, as the lender posts.
qint64 interestCents(qint64 owedCents, double percent) {
    return std::llround(double(owedCents) * percent / 1200.0);
}

// The repayment an amortisation table gives, worked out here apart from the code under test.
qint64 annuityCents(qint64 owedCents, double percent, int n) {
    const long double i = percent / 1200.0L;
    return std::llroundl(owedCents / 100.0L * i / (1 - std::pow(1 + i, -(long double)n)) * 100);
}

struct Loan {
    RepaymentCheck::Inputs in;
    qint64 owedCents = 0; // at the history's end
    qint64 repaidCents = 0; // the last repayment taken
};

HistoryRow row(qint64 id, const QDate& d, AmountColumn c, qint64 amountCents) {
    HistoryRow r;
    r.id = id;
    r.date = d;
    r.amounts[c] = StoredMoney::of(cents(amountCents));
    return r;
}

// `months` of a 300-month loan of 100,000: 5 % until the change after `changeAfter` repayments
// (none at 0), then 6 %; the first `interestOnly` months interest only.
Loan loan(Lender lender, int months, int changeAfter, int interestOnly = 0) {
    Loan l;
    l.in.basis.method = InterestMethod::VariableDay;
    l.in.basis.conventions = LenderConventions(DayCount::Thirty360, InterestRounding::Posting,
                                               Rest::postingPeriod());
    l.in.terms.firstRepayment = Start.addMonths(1);
    l.in.terms.count = 300;
    if (interestOnly > 0)
        l.in.terms.interestOnly = {{Start, Start.addMonths(interestOnly)}};
    const QDate change = changeAfter > 0 ? Start.addMonths(changeAfter) : QDate(2099, 1, 1);
    l.in.rates = {{1, Start, change.addDays(-1), Rate::parse(u"5")},
                  {2, change, QDate(2099, 12, 31), Rate::parse(u"6")}};
    HistoryRow opening;
    opening.id = 1;
    opening.date = Start;
    opening.closeBalance = StoredMoney::of(cents(-10'000'000));
    l.in.history << opening;
    qint64 owed = 10'000'000;
    qint64 repayment = annuityCents(owed, 5, 300);
    for (int k = 1; k <= months; ++k) {
        const QDate d = Start.addMonths(k);
        const double percent = k - 1 < changeAfter || changeAfter == 0 ? 5 : 6;
        const qint64 interest = interestCents(owed, percent);
        if (k == changeAfter + 1 && changeAfter > 0 && lender == Lender::Right)
            repayment = annuityCents(owed, 6, 300 - changeAfter);
        if (k == changeAfter + 1 && changeAfter > 0 && lender == Lender::OverFull)
            repayment = annuityCents(owed, 6, 300);
        if (k == changeAfter + 1 && changeAfter > 0 && lender == Lender::Short)
            repayment = annuityCents(owed, 6, 300 - changeAfter) - 1234;
        const bool onlyInterest = k <= interestOnly || lender == Lender::InterestOnlyKept;
        const qint64 paid = onlyInterest ? interest : repayment;
        if (k == interestOnly + 1 && lender != Lender::InterestOnlyKept && interestOnly > 0)
            repayment = annuityCents(owed + interest, 5, 300 - interestOnly);
        owed += interest - (onlyInterest ? interest : repayment);
        l.repaidCents = onlyInterest ? interest : repayment;
        Q_UNUSED(paid);
        // In the report query's order: a day's interest charge after its other rows.
        l.in.history << row(2 * k, d, AmountColumn::Deposit, l.repaidCents)
                     << row(2 * k + 1, d, AmountColumn::InterestPayment, interest);
    }
    l.owedCents = owed;
    l.in.lines = InterestEngine::calculate(l.in.history, l.in.rates, l.in.basis).lines;
    return l;
}

const RepaymentCheck::Row* rowOn(const RepaymentCheck::Result& r, const QDate& d) {
    for (const RepaymentCheck::Row& row : r.rows)
        if (row.date == d)
            return &row;
    return nullptr;
}

} // namespace

class TestRepaymentCheck : public QObject {
    Q_OBJECT

private slots:
    void findings_data();
    void findings();
    void requiredAtTheStart_data();
    void requiredAtTheStart();
    void payoff_data();
    void payoff();
    void termsRefused_data();
    void termsRefused();
    void reportTool();
    void letter_data();
    void letter();
    void keptInTheAccount_data();
    void keptInTheAccount();
};

void TestRepaymentCheck::findings_data() {
    QTest::addColumn<int>("lender");
    QTest::addColumn<int>("interestOnly");
    QTest::addColumn<int>("findings");
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("shortfall");
    QTest::newRow("recalculated right") << int(Lender::Right) << 0 << 0 << 0 << qint64(0);
    QTest::newRow("old repayment kept")
        << int(Lender::Kept) << 0 << 1 << int(FindingKind::NotRecalculated) << qint64(5786);
    QTest::newRow("over the whole term again")
        << int(Lender::OverFull) << 0 << 1 << int(FindingKind::OverMoreRepayments)
        << qint64(64245 - annuityCents(9'793'810, 6, 300));
    QTest::newRow("less than required")
        << int(Lender::Short) << 0 << 1 << int(FindingKind::TookLess) << qint64(1234);
    QTest::newRow("interest only ended right") << int(Lender::Right) << 12 << 0 << 0 << qint64(0);
    QTest::newRow("interest only kept") << int(Lender::InterestOnlyKept) << 12 << 1
                                        << int(FindingKind::InterestOnlyKept) << qint64(-1);
}

void TestRepaymentCheck::findings() {
    QFETCH(int, lender);
    QFETCH(int, interestOnly);
    QFETCH(int, findings);
    QFETCH(int, kind);
    QFETCH(qint64, shortfall);
    const Loan l = loan(Lender(lender), 36, interestOnly > 0 ? 0 : 12, interestOnly);
    const RepaymentCheck::Result r = RepaymentCheck::check(l.in);
    QCOMPARE(r.termEnd, Start.addMonths(300));
    QCOMPARE(r.rows.size(), 36);
    QCOMPARE(r.findings.size(), findings);
    if (interestOnly == 0) {
        // After 12 repayments of 584.59 at 5 % the balance is 97,938.10; at 6 % over the 288
        // left the repayment is 642.45.
        const RepaymentCheck::Row* first = rowOn(r, Start.addMonths(1));
        QVERIFY(first && first->required && first->taken);
        QCOMPARE(*first->required, cents(58459));
        const RepaymentCheck::Row* after = rowOn(r, Start.addMonths(13));
        QVERIFY(after && after->required);
        QCOMPARE(after->balance, cents(9'793'810));
        QCOMPARE(after->remaining, 287);
        QCOMPARE(*after->required, cents(64245));
    }
    if (findings == 0)
        return;
    const RepaymentCheck::Finding& f = r.findings.first();
    QCOMPARE(int(f.kind), kind);
    QCOMPARE(f.event.date, Start.addMonths(interestOnly > 0 ? interestOnly : 12));
    QCOMPARE(f.repayments, 36 - (interestOnly > 0 ? interestOnly : 12));
    if (shortfall >= 0)
        QCOMPARE(f.shortfall, cents(shortfall));
    QVERIFY(f.leftAtEnd && f.leftAtEnd->raw() > 0);
}

void TestRepaymentCheck::requiredAtTheStart_data() {
    QTest::addColumn<QString>("rate");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<qint64>("required");
    QTest::newRow("6 % over 360") << "6" << 360 << "" << qint64(10'000'000) << qint64(59955);
    QTest::newRow("2 % with 3 % initial repayment")
        << "2" << 0 << "3" << qint64(20'000'000) << qint64(83333);
}

void TestRepaymentCheck::requiredAtTheStart() {
    QFETCH(QString, rate);
    QFETCH(int, count);
    QFETCH(QString, initial);
    QFETCH(qint64, amount);
    QFETCH(qint64, required);
    RepaymentCheck::Inputs in;
    in.basis.conventions = LenderConventions(DayCount::Thirty360, InterestRounding::Posting,
                                             Rest::postingPeriod());
    in.basis.method = InterestMethod::VariableDay;
    in.terms.firstRepayment = Start.addMonths(1);
    in.terms.count = count;
    if (!initial.isEmpty()) {
        in.terms.termKind = Repayments::TermKind::InitialRate;
        in.terms.initialRate = *Rate::parse(initial);
    }
    in.rates = {{1, Start, QDate(2099, 12, 31), Rate::parse(rate)}};
    HistoryRow opening;
    opening.id = 1;
    opening.date = Start;
    opening.closeBalance = StoredMoney::of(cents(-amount));
    const qint64 interest = interestCents(amount, rate.toDouble());
    in.history << opening << row(2, Start.addMonths(1), AmountColumn::Deposit, required)
               << row(3, Start.addMonths(1), AmountColumn::InterestPayment, interest);
    in.lines = InterestEngine::calculate(in.history, in.rates, in.basis).lines;
    const RepaymentCheck::Result r = RepaymentCheck::check(in);
    QCOMPARE(r.rows.size(), 1);
    QCOMPARE(r.rows[0].required, std::optional<Money>(cents(required)));
    QVERIFY(r.findings.isEmpty());
    if (!initial.isEmpty()) {
        // Month 1: interest 333.33, principal 500.00; the term is what the repayment needs.
        QCOMPARE(interest, qint64(33333));
        QVERIFY(r.termEnd > Start.addYears(20) && r.termEnd < Start.addYears(30));
    }
}

void TestRepaymentCheck::payoff_data() {
    QTest::addColumn<int>("lender");
    QTest::addColumn<qint64>("extra");
    QTest::newRow("on time") << int(Lender::Right) << qint64(0);
    QTest::newRow("on time, 100 extra") << int(Lender::Right) << qint64(10000);
    QTest::newRow("underfunded") << int(Lender::Kept) << qint64(0);
}

// The payoff date and what is left at the term's end, against the lender's own arithmetic run on
// from the history's end.
void TestRepaymentCheck::payoff() {
    QFETCH(int, lender);
    QFETCH(qint64, extra);
    const Loan l = loan(Lender(lender), 24, 12);
    const RepaymentCheck::Result r = RepaymentCheck::check(l.in);
    const Payoff::Result p = Payoff::project(l.in, r, cents(extra));
    QVERIFY(p.base);

    const auto amortise = [&](qint64 repayment, qint64* leftAtTermEnd, qint64* interest) {
        qint64 owed = l.owedCents;
        *interest = 0;
        for (int k = 25;; ++k) {
            const qint64 i = interestCents(owed, 6);
            *interest += i;
            owed += i - repayment;
            if (k == 300)
                *leftAtTermEnd = std::max<qint64>(owed, 0);
            if (owed <= 0)
                return Start.addMonths(k);
        }
    };
    qint64 left = 0;
    qint64 interest = 0;
    const QDate payoff = amortise(l.repaidCents, &left, &interest);
    QCOMPARE(p.base->repayment, cents(l.repaidCents));
    QCOMPARE(p.base->from, Start.addMonths(25));
    QCOMPARE(p.base->payoff, payoff);
    QCOMPARE(p.base->leftAtTermEnd, cents(left));
    QCOMPARE(p.base->interest, cents(interest));
    QCOMPARE(p.base->monthsToSpare, Payoff::monthsBetween(payoff, Start.addMonths(300)));
    // Repayments worked by the formula leave cents at the term's end, that the next one clears.
    QCOMPARE(p.base->leftAtTermEnd > cents(1000), lender == int(Lender::Kept));
    if (extra == 0) {
        QVERIFY(!p.extra);
        return;
    }
    qint64 extraInterest = 0;
    const QDate sooner = amortise(l.repaidCents + extra, &left, &extraInterest);
    QVERIFY(p.extra);
    QCOMPARE(p.extra->payoff, sooner);
    QCOMPARE(p.interestSaved, cents(interest - extraInterest));
}

void TestRepaymentCheck::termsRefused_data() {
    QTest::addColumn<int>("termKind");
    QTest::addColumn<int>("count");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<bool>("overlapping");
    QTest::addColumn<bool>("refused");
    const QDate first = Start.addMonths(1);
    QTest::newRow("300 repayments") << int(Repayments::TermKind::Count) << 300 << QDate() << false
                                    << false;
    QTest::newRow("no repayments") << int(Repayments::TermKind::Count) << 0 << QDate() << false
                                   << true;
    QTest::newRow("last before first")
        << int(Repayments::TermKind::LastRepayment) << 0 << first.addDays(-1) << false << true;
    QTest::newRow("last after first")
        << int(Repayments::TermKind::LastRepayment) << 0 << first.addYears(25) << false << false;
    QTest::newRow("interest-only periods overlap")
        << int(Repayments::TermKind::Count) << 300 << QDate() << true << true;
}

void TestRepaymentCheck::termsRefused() {
    QFETCH(int, termKind);
    QFETCH(int, count);
    QFETCH(QDate, last);
    QFETCH(bool, overlapping);
    QFETCH(bool, refused);
    Repayments::Terms t;
    t.firstRepayment = Start.addMonths(1);
    t.termKind = Repayments::TermKind(termKind);
    t.count = count;
    t.lastRepayment = last;
    if (overlapping)
        t.interestOnly = {{Start, Start.addYears(2)}, {Start.addYears(1), Start.addYears(3)}};
    QCOMPARE(!Repayments::refusal(t).isEmpty(), refused);
}

// The tool prints the check and the payoff from terms given for the run; the account is read only.
void TestRepaymentCheck::reportTool() {
    AccountFixture fixture;
    const QString path = fixture.newAccount();
    const Loan l = loan(Lender::Kept, 24, 12);
    ChargedAccount::writeRows(path, l.in.history);
    AccountFixture::exec(path, "insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
                               "values ('2020-01-01', '2020-12-31', 5), "
                               "('2021-01-01', '2099-12-31', 6)");
    const QByteArray before = AccountFixture::sha256(path);
    const QStringList run = {path, "--method", "2", "--day-count", "30360", "--rounding",
                             "posting", "--rest", "period"};
    const QStringList terms = {"--first-repayment", "2020-02-01", "--term", "300"};

    const Run none = report(run + QStringList{"--repayments"});
    QCOMPARE(none.status, 1);
    QVERIFY2(none.err.contains("no repayment terms"), qPrintable(none.err));

    const Run csv = report(run + terms + QStringList{"--repayments", "--format", "csv"});
    QCOMPARE(csv.status, 0);
    const QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.value(0), "date,rate,balance,remaining,required,taken,shortfall");
    QCOMPARE(lines.size(), 25);
    QCOMPARE(lines.value(1), "2020-02-01,5.000,100000.00,299,584.59,584.59,0.00");
    QCOMPARE(lines.value(13), "2021-02-01,6.000,97938.10,287,642.45,584.59,57.86");

    const Run diagnosis = report(run + terms + QStringList{"--diagnose", "--format", "csv"});
    QCOMPARE(diagnosis.status, 0);
    QVERIFY2(diagnosis.out.contains(
                 "repayment-not-recalculated,2021-01-01,2022-01-01,12,2021-01-01,57.86\n"),
             qPrintable(diagnosis.out));

    const Run payoff =
        report(run + terms + QStringList{"--payoff", "--extra", "100", "--format", "csv"});
    QCOMPARE(payoff.status, 0);
    QVERIFY2(payoff.out.startsWith("payoff_date,balance_left,months_to_spare,new_payoff_date,"
                                   "interest_saved\n2051-06-01,37096.5"),
             qPrintable(payoff.out));
    const Run refused = report(run + QStringList{"--payoff", "--first-repayment", "2020-02-01",
                                                 "--last-repayment", "2019-01-01"});
    QCOMPARE(refused.status, 1);
    QCOMPARE(AccountFixture::sha256(path), before);
}

void TestRepaymentCheck::letter_data() {
    QTest::addColumn<int>("lender");
    QTest::addColumn<int>("country");
    QTest::newRow("recalculated right") << int(Lender::Right) << int(ComplaintCountry::Australia);
    QTest::newRow("kept, Australia") << int(Lender::Kept) << int(ComplaintCountry::Australia);
    QTest::newRow("kept, UK") << int(Lender::Kept) << int(ComplaintCountry::UnitedKingdom);
}

// A repayment short of the terms' is a complaint of its own, with its table; the UK's letter
// says the mortgage is underfunded.
void TestRepaymentCheck::letter() {
    QFETCH(int, lender);
    QFETCH(int, country);
    const Loan l = loan(Lender(lender), 24, 12);
    auto snapshot = std::make_shared<AccountSnapshot>();
    snapshot->inputs.history = l.in.history;
    snapshot->inputs.rates = l.in.rates;
    snapshot->inputs.conventions = l.in.basis.conventions;
    snapshot->terms = TermsStore::Stored();
    snapshot->repaymentTerms = l.in.terms;
    snapshot->details.country = ComplaintCountry(country);
    auto run = std::make_shared<ReportCase>(snapshot, l.in.basis);
    QString error;
    const std::optional<Complaint::Case> c = Complaint::prepare(run, "HomeLoan1.mdb", &error);
    QVERIFY2(c, qPrintable(error));
    const bool kept = lender == int(Lender::Kept);
    QCOMPARE(Complaint::noLetter(*c).isEmpty(), kept);
    QCOMPARE(run->shownBasis({}).repaymentVerdict.isEmpty(), !kept);
    if (!kept)
        return;
    const QString text = Complaint::letterText(*c, "evidence.pdf");
    QVERIFY2(text.contains("repayment set in error"), qPrintable(text));
    QVERIFY(text.contains("kept the repayment of 584.59 where 642.45 is required"));
    QVERIFY(text.contains("97,938.10"));
    QCOMPARE(text.contains("underfunded"), country == int(ComplaintCountry::UnitedKingdom));
}

void TestRepaymentCheck::keptInTheAccount_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("value");
    QTest::newRow("as written") << QString() << QString();
    QTest::newRow("term unreadable") << "RepaymentTerm" << "count many";
    QTest::newRow("frequency unknown") << "RepaymentFrequency" << "daily";
    QTest::newRow("interest only backwards") << "RepaymentInterestOnly"
                                             << "2022-01-01/2021-01-01";
    QTest::newRow("stated not an amount") << "RepaymentStated" << "lots";
}

// Terms read back as written, whatever the language; a stored value that does not read leaves
// none, and says so.
void TestRepaymentCheck::keptInTheAccount() {
    QFETCH(QString, setting);
    QFETCH(QString, value);
    AccountFixture fixture;
    const QString path = fixture.newAccount();
    AccountConnection connection;
    QVERIFY(connection.open(path));
    Repayments::Terms t;
    t.firstRepayment = QDate(2020, 2, 29);
    t.termKind = Repayments::TermKind::InitialRate;
    t.initialRate = *Rate::parse(u"2.5");
    t.frequency = Repayments::Frequency::Fortnightly;
    t.interestOnly = {{QDate(2020, 2, 29), QDate(2021, 2, 28)}};
    t.stated = cents(123456);
    t.rounding = Repayments::Rounding::UpToDollar;
    t.unticked = {7, 12};
    QString error;
    QVERIFY2(Repayments::write(connection.database(), t, &error), qPrintable(error));
    if (!setting.isEmpty())
        QVERIFY(AccountStore::writeSetting(connection.database(), setting, value, &error));
    QString notice;
    const Repayments::Terms back = Repayments::read(connection.database(), &notice);
    QCOMPARE(back == t, setting.isEmpty());
    QCOMPARE(notice.isEmpty(), setting.isEmpty());
    QCOMPARE(back.isSet(), setting.isEmpty());
    // Cleared, the account has none again.
    QVERIFY(Repayments::write(connection.database(), Repayments::Terms(), &error));
    QVERIFY(!Repayments::read(connection.database(), &notice).isSet());
}

QTEST_GUILESS_MAIN(TestRepaymentCheck)
#include "tst_repaymentcheck.moc"
