#pragma once

#include <QDate>
#include <QStringList>

#include <optional>

// The lender's interest calculation methods: the list position is the method code. Whether a
// method runs on a fixed day, defers its interest, or is a method at all is asked here, never
// restated by a caller.
namespace InterestMethod {

enum Code { FixedDay = 0, FixedDayDeferred = 1, VariableDay = 2, VariableDayDeferred = 3 };
inline constexpr int Count = 4;

// "Fixed Day", "Fixed Day, Deferred Interest", "Variable Day", "Variable Day, Deferred Interest":
// the English names, as the command-line tools read and write them.
const QStringList& names();
// The names in the windows' language, in the same order.
QStringList shownNames();

// The method a code stands for, as the walk has always read it: a code below 0 is Fixed Day, one
// past the list no method at all (the transactions alone, no interest).
constexpr std::optional<Code> of(int code) {
    if (code >= Count)
        return std::nullopt;
    return code < 0 ? FixedDay : Code(code);
}
// A code of the list, 0 to 3, as a stored choice or a typed one must be.
constexpr bool isCode(int code) {
    return code >= 0 && code < Count;
}

// Each period ends on the calculation day of every month (else on each interest posting).
constexpr bool isFixedDay(int code) {
    return code == FixedDay || code == FixedDayDeferred;
}
// The day's interest charge is added back to the balance that accrues, bearing nothing itself.
constexpr bool isDeferred(int code) {
    return code == FixedDayDeferred || code == VariableDayDeferred;
}

// The days of a posting's period as the walk accrues them, which anything that works out which
// days a posting covers asks here. The fixed-day methods date a posting the day after the
// period's last day, and Variable Day posts before the day's interest, so under those a period
// starts on the previous posting's own date and ends the day before its posting's; Variable Day
// Deferred posts after the day's interest, so its periods run from the day after the previous
// posting to the posting's date. The days from a period's last day to its posting's date:
constexpr int daysAfterPeriod(int code) {
    return of(code) == VariableDayDeferred ? 0 : 1;
}
// The first day of the period that follows a posting dated `previous`.
inline QDate periodStartAfter(int code, const QDate& previous) {
    return previous.addDays(1 - daysAfterPeriod(code));
}
// The last day of the period a posting dated `posting` closes.
inline QDate periodEndOf(int code, const QDate& posting) {
    return posting.addDays(-daysAfterPeriod(code));
}

} // namespace InterestMethod
