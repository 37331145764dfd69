#pragma once

#include "Money.h"

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
// keeps the balance it had instead of a wrapped one.
std::optional<Money> after(Money balance, const TransactionAmounts& amounts);

} // namespace RunningBalance
