#pragma once

#include "engine/CalculationBasis.h"
#include "state/WorkflowState.h"

#include <optional>

// The basis a report runs under as the workflow state holds it, read in one place for the windows.
namespace ReportBasis {

// The method of tagMethod, as the report has always read it: a whole number (of 16 bits) read as
// InterestMethod::of reads a code, anything else Fixed Day.
std::optional<InterestMethod::Code> methodOf(const WorkflowState& state);

// The method chosen in the method window: nullopt while tagMethod holds no number (none chosen
// yet), Fixed Day for a number that is no method's code.
std::optional<InterestMethod::Code> chosenMethod(const WorkflowState& state);

// The calculation day of tagIntCalcTo (a CalcTo text).
CalcDay::Day dayOf(const WorkflowState& state);

// The method and day of the state, the account's conventions, and which rates.
CalculationBasis fromState(const WorkflowState& state, const LenderConventions& conventions,
                           RateSource rates = RateSource::Stored);

} // namespace ReportBasis
