#pragma once

#include "AmountColumns.h"
#include "Money.h"

#include <QtNumeric>

#include <optional>

// The five amounts of one transaction, as entered: positive numbers, whatever their effect on the
// balance.
using TransactionAmounts = PerAmountColumn<Money>;

namespace RunningBalance {

// The balance after a transaction: balance - GovtCharge - BankCharge - UserWithdrawal + Deposit -
// InterestPayment, in that order. nullopt when a step leaves the money range, so that the caller
// keeps the balance it had instead of a wrapped one. Inline and on the raw values: it runs for
// every row of every calculation, and the search for the lender's method runs hundreds.
inline std::optional<Money> after(Money balance, const TransactionAmounts& amounts) {
    qint64 b = balance.raw();
    for (AmountColumn c : AmountColumns::All) {
        const qint64 amount = amounts[c].raw();
        if (c == AmountColumn::Deposit ? qAddOverflow(b, amount, &b)
                                       : qSubOverflow(b, amount, &b))
            return std::nullopt;
    }
    return Money::fromRaw(b);
}

} // namespace RunningBalance
