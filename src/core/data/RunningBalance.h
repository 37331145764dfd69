#pragma once

#include "Money.h"

#include <QtNumeric>

#include <optional>

// The five amounts of one transaction, as entered: positive numbers, whatever their effect on the
// balance.
struct TransactionAmounts {
    Money govtCharge;
    Money bankCharge;
    Money userWithdrawal;
    Money deposit;
    Money interestPayment;
};

namespace RunningBalance {

// The balance after a transaction: balance - GovtCharge - BankCharge - UserWithdrawal + Deposit -
// InterestPayment, in that order. nullopt when a step leaves the money range, so that the caller
// keeps the balance it had instead of a wrapped one. Inline and on the raw values: it runs for
// every row of every calculation, and the search for the lender's method runs hundreds.
inline std::optional<Money> after(Money balance, const TransactionAmounts& amounts) {
    qint64 b = balance.raw();
    if (qSubOverflow(b, amounts.govtCharge.raw(), &b) ||
        qSubOverflow(b, amounts.bankCharge.raw(), &b) ||
        qSubOverflow(b, amounts.userWithdrawal.raw(), &b) ||
        qAddOverflow(b, amounts.deposit.raw(), &b) ||
        qSubOverflow(b, amounts.interestPayment.raw(), &b))
        return std::nullopt;
    return Money::fromRaw(b);
}

} // namespace RunningBalance
