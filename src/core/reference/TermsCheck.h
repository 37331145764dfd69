#pragma once

#include "PassOn.h"
#include "RateTerms.h"
#include "TermsStore.h"
#include "engine/AccountStore.h"

#include <QVector>

// What the loan's rate terms say of the account: the rates they owe over its history and, for
// each period of the lender's variable rate against a series, whether its changes were passed
// on. The summary window, the Rate Terms window and the report tool all ask here.
namespace TermsCheck {

// The owed rates of the stored terms over the history.
RateTerms::Owed owed(const AccountStore::CalculationInputs& in, const TermsStore::Stored& terms);

inline constexpr const char* OwedNote = QT_TRANSLATE_NOOP(
    "TermsCheck",
    "The interest due is worked out under the rates the loan's terms owe, not the stored rate "
    "periods.");

// Whether the owed rates can stand in for the stored ones: they cover every day of the history.
bool owedCoverHistory(const AccountStore::CalculationInputs& in, const RateTerms::Owed& owed);

// Whether the stored terms can give the rates to run the report under, and which.
struct OwedRates {
    enum class Refusal : quint8 { None, NoTerms, NotCovering };
    Refusal refusal = Refusal::None;
    RateTerms::Owed owed; // worked out unless the account holds no terms
    bool ok() const { return refusal == Refusal::None; }
};
OwedRates owedRates(const AccountStore::CalculationInputs& in, const TermsStore::Stored& terms);
// The report window's words for a refusal ("" for none).
QString refusalNotice(OwedRates::Refusal refusal);

// A period of the lender's variable rate held against a series the account holds: its days
// (`to` not valid: to the end of the history) and the lag a change may take.
struct VariableSpan {
    ReferenceSeries series;
    int lagDays = 0;
    QDate from;
    QDate to;
};
QVector<VariableSpan> variableSpans(const TermsStore::Stored& terms);

struct PassOnSection {
    ReferenceSeries series;
    int lagDays = 0;
    PassOn::Table table;
};

// A section for each variable terms period whose series the account holds, over its span.
QVector<PassOnSection> passOn(const PassOn::Calculation& c, const QVector<RatePeriod>& stored,
                              const TermsStore::Stored& terms);

// Whether the terms hold the lender's variable rate anywhere (most accounts do not).
bool holdsVariable(const TermsStore::Stored& terms);

} // namespace TermsCheck
