#pragma once

#include "RepaymentCheck.h"

#include <QDate>
#include <QStringList>
#include <QVector>

#include <optional>

// When the loan will be paid off: the history walked on day by day under the account's method,
// the lender charging the interest due, at the last repayment taken (and with an extra amount
// added to every repayment), from the first repayment after the history's end.
namespace Payoff {

struct Point {
    QDate date;
    Money owed;
};

struct Projection {
    Money repayment;         // each projected repayment
    QDate from;              // the first projected repayment
    QDate payoff;            // the repayment that clears the loan; not valid: none within a century
    Money leftAtTermEnd;     // owed after the term's last repayment (0 when cleared by then)
    int monthsToSpare = 0;   // from the payoff to the term's end; below zero when after it
    Money interest;          // the interest due projected up to the payoff
    QVector<Point> owed;     // after each projected repayment, to the payoff
};

struct Result {
    std::optional<Projection> base;
    std::optional<Projection> extra; // with the extra amount, when one is given
    Money extraAmount;
    Money interestSaved;     // base's projected interest less extra's
    QVector<Point> history;  // owed as it went
    QVector<Point> required; // owed as the terms require, at the required repayments
    QStringList notices;
};

// Nothing to project without terms, a history or a repayment to go on.
Result project(const RepaymentCheck::Inputs& in, const RepaymentCheck::Result& check,
               Money extra = Money());

// Whole months from `a` to `b` (below zero when `b` is before `a`), a month counted once its day
// is reached.
int monthsBetween(const QDate& a, const QDate& b);

} // namespace Payoff
