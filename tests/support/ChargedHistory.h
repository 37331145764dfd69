#pragma once

// A loan whose lender charged interest by a known method, day, conventions and rates: each
// month's charge is the interest the engine posts on its date, in cents. A posting's due depends
// only on the charges before it, so the charges are filled one by one. Header-only and engine-only,
// for the tests and the benchmarks alike.

#include "engine/InterestEngine.h"

#include <QMap>
#include <QVector>

namespace ChargedHistory {

struct Loan {
    QDate start = QDate(2023, 1, 1);
    int months = 24;
    qint64 opening = -400000; // whole currency units
    qint64 repayment = 2950;  // on the 3rd of every month; the charge falls on the 15th
    // Charged beyond the interest due on these dates: the lender's mistakes, which the later
    // charges then bear interest on.
    QMap<QDate, Money> overcharged;
    int repaymentDay = 3; // the day of the month the repayments are made on
};

inline QVector<HistoryRow> charged(int method, const QString& calcTo,
                                   const LenderConventions& conventions,
                                   const QVector<RatePeriod>& rates, const Loan& loan = {},
                                   const OffsetAccount& offset = {}) {
    QVector<HistoryRow> rows(1);
    rows[0].date = loan.start;
    rows[0].closeBalance = StoredMoney::of(Money::fromRaw(loan.opening * Money::Scale));
    const QDate first(loan.start.year(), loan.start.month(), 1);
    for (int m = 0; m < loan.months; ++m) {
        HistoryRow repayment;
        repayment.date = first.addDays(loan.repaymentDay - 1).addMonths(m);
        repayment.amounts[AmountColumn::Deposit] =
            StoredMoney::of(Money::fromRaw(loan.repayment * Money::Scale));
        // The rows in date order, as the walk takes them.
        const bool afterTheCharge = loan.repaymentDay > 15;
        if (!afterTheCharge)
            rows << repayment;
        HistoryRow charge;
        charge.date = first.addDays(14).addMonths(m);
        charge.amounts[AmountColumn::InterestPayment] = StoredMoney::of(Money::fromRaw(100));
        rows << charge;
        const qsizetype at = rows.size() - 1;
        const InterestEngine::Result r = InterestEngine::calculate(
            rows, rates,
            CalculationBasis::of(method, CalcDay::Day::fromCalcTo(calcTo), conventions), offset,
            InterestEngine::Output::Postings);
        for (const ReportLine& line : r.lines) {
            if (line.kind == ReportLine::Kind::Interest && line.date == charge.date)
                rows[at].amounts[AmountColumn::InterestPayment] = StoredMoney::of(*Money::add(
                    *line.interestDue->roundedToCents(), loan.overcharged.value(charge.date)));
        }
        if (afterTheCharge)
            rows << repayment;
    }
    for (int i = 0; i < rows.size(); ++i)
        rows[i].id = i + 1;
    return rows;
}

} // namespace ChargedHistory
