#include "RunningBalance.h"

namespace RunningBalance {

std::optional<Money> after(Money balance, const TransactionAmounts& amounts) {
    std::optional<Money> b = Money::subtract(balance, amounts.govtCharge);
    if (b)
        b = Money::subtract(*b, amounts.bankCharge);
    if (b)
        b = Money::subtract(*b, amounts.userWithdrawal);
    if (b)
        b = Money::add(*b, amounts.deposit);
    if (b)
        b = Money::subtract(*b, amounts.interestPayment);
    return b;
}

} // namespace RunningBalance
