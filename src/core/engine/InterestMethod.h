#pragma once

#include <QStringList>

#include <optional>

// The lender's interest calculation methods: the list position is the method code. Whether a
// method runs on a fixed day, defers its interest, or is a method at all is asked here, never
// restated by a caller.
namespace InterestMethod {

enum Code { FixedDay = 0, FixedDayDeferred = 1, VariableDay = 2, VariableDayDeferred = 3 };
inline constexpr int Count = 4;

// "Fixed Day", "Fixed Day, Deferred Interest", "Variable Day", "Variable Day, Deferred Interest".
const QStringList& names();

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

} // namespace InterestMethod
