#include "ReportBasis.h"

namespace ReportBasis {

std::optional<InterestMethod::Code> methodOf(const WorkflowState& state) {
    bool ok = false;
    const int code = state.value(Tag::Method).toInt(&ok);
    if (!ok || code < -32768 || code > 32767)
        return InterestMethod::FixedDay;
    return InterestMethod::of(code);
}

std::optional<InterestMethod::Code> chosenMethod(const WorkflowState& state) {
    bool ok = false;
    const int code = state.value(Tag::Method).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return InterestMethod::isCode(code) ? InterestMethod::Code(code) : InterestMethod::FixedDay;
}

CalcDay::Day dayOf(const WorkflowState& state) {
    return CalcDay::Day::fromCalcTo(state.value(Tag::IntCalcTo));
}

CalculationBasis fromState(const WorkflowState& state, const LenderConventions& conventions,
                           RateSource rates) {
    return {methodOf(state), dayOf(state), conventions, rates};
}

} // namespace ReportBasis
