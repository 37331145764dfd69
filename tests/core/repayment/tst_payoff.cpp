// When the loan will be paid off: a rate period stored past the history's end is walked through
// and the last one runs on, so that the projection reaches the payoff; a repayment no more than
// the interest is said once never to clear the loan.
#include "render/RepaymentRendering.h"
#include "repayment/Payoff.h"
#include "support/RateHistory.h"
#include "support/ReportRows.h"

#include <QTest>

namespace {

// 400,000.00 lent on 1 January 2022 at 4 %, `repayment` repaid on the 3rd of every month for a
// year; a change to 4 % stored from 1 January 2023 to the end of 2023, past the history.
RepaymentCheck::Inputs loan(qint64 repayment) {
    ChargedHistory::Loan l;
    l.start = QDate(2022, 1, 1);
    l.months = 12;
    l.repayment = repayment;
    RepaymentCheck::Inputs in;
    in.rates = ReportRows::rates({"2022-01-01 2022-12-31 4", "2023-01-01 2023-12-31 4"});
    in.basis = CalculationBasis::of(InterestMethod::VariableDay);
    in.history = ChargedHistory::charged(InterestMethod::VariableDay, QString(), {}, in.rates, l);
    in.lines = InterestEngine::calculate(in.history, in.rates, in.basis).lines;
    in.terms.firstRepayment = QDate(2022, 1, 3);
    in.terms.termKind = Repayments::TermKind::Count;
    in.terms.count = 240;
    return in;
}

} // namespace

class TestPayoff : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void projectionReachesThePayoff_data() {
        QTest::addColumn<qint64>("repayment");
        QTest::addColumn<QDate>("payoff");
        QTest::newRow("level") << qint64(2950) << QDate(2036, 12, 3);
        QTest::newRow("never") << qint64(1000) << QDate();
    }
    void projectionReachesThePayoff() {
        QFETCH(qint64, repayment);
        QFETCH(QDate, payoff);
        const RepaymentCheck::Inputs in = loan(repayment);
        const RepaymentCheck::Result check = RepaymentCheck::check(in);
        const Payoff::Result p = Payoff::project(in, check);
        QVERIFY(p.base);
        QCOMPARE(p.base->payoff, payoff);
        if (payoff.isValid())
            QCOMPARE(p.base->owed.last().owed, Money());
        // Said once, by the rendering.
        const QStringList lines = RepaymentRendering::payoffLines(p, check.termEnd);
        QCOMPARE(lines.filter("not paid off").size(), payoff.isValid() ? 0 : 1);
    }
};

QTEST_MAIN(TestPayoff)
#include "tst_payoff.moc"
