#pragma once

#include "CalcDay.h"
#include "InterestMethod.h"
#include "LenderConventions.h"

#include <optional>

// Which rates a report runs under: the stored rate periods, or those the loan's terms owe.
enum class RateSource : quint8 { Stored, Owed };

// What one calculation of the account runs under: the lender's method (none: the transactions
// alone, no interest), its calculation day, the lender's conventions and which rates. The engine,
// the rate proposal, the pass-on and the diagnosis take it whole.
struct CalculationBasis {
    std::optional<InterestMethod::Code> method = InterestMethod::FixedDay;
    CalcDay::Day day;
    LenderConventions conventions;
    RateSource rates = RateSource::Stored;

    // The method's code as the list and the account file number it; past the list for none.
    int methodCode() const { return method ? int(*method) : InterestMethod::Count; }
    bool runsOnFixedDay() const { return method && InterestMethod::isFixedDay(*method); }
    bool owedRates() const { return rates == RateSource::Owed; }

    // A method code as the walk has always read it (InterestMethod::of).
    static CalculationBasis of(int methodCode, const CalcDay::Day& day = {},
                               const LenderConventions& conventions = {}) {
        return {InterestMethod::of(methodCode), day, conventions, RateSource::Stored};
    }

    friend bool operator==(const CalculationBasis&, const CalculationBasis&) = default;
};
