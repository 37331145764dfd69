#pragma once

#include "engine/CalculationBasis.h"
#include "engine/HistoryRows.h"
#include "engine/InterestSummary.h"
#include "engine/AccountStore.h"
#include "reference/ReferenceSeries.h"
#include "reference/TermsCheck.h"
#include "repayment/RepaymentCheck.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// Which of the mistakes lenders are known to make explains the differences between the charges
// and the interest due. Each mistake is a precise change to the calculation; over a run of
// postings that differ, the one under which every charge of a span of at least two postings comes
// out to the cent is named.
namespace Diagnosis {

enum class Kind : quint8 {
    OffsetNotCounted,     // the offset balances left out from one day to another
    RateChangeMoved,      // one stored rate change applied days late or early
    ReferenceNotPassedOn, // one change of the reference left out, passed on late or in part
    RateKept,             // the rate before a stored change kept for the following postings
    CreditsLate,          // repayments credited days after they were made
    DayCount,             // another day count for part of the history
    Rounding,             // another rounding for part of the history
    Rest,                 // another rest (annual, the posting period's) for part of the history
    // Not of the interest: the repayment after a change fell short of the one the terms require.
    RepaymentNotRecalculated, // kept, worked over more repayments than remain, or less
    InterestOnlyKept          // interest only taken past the period's end
};
// "offset-not-counted", "rate-change-moved", "reference-not-passed-on", "rate-kept",
// "credits-late", "day-count", "rounding", "rest".
QString word(Kind kind);

// A reference series the loan's terms hold the lender's variable rate against, over the terms'
// days.
using Reference = TermsCheck::VariableSpan;

struct Inputs {
    QVector<HistoryRow> history;
    QVector<RatePeriod> rates;
    CalculationBasis basis; // the rates it names aside: `rates` are those the run used
    OffsetAccount offset;
    QVector<Reference> references;
};

// One change to the calculation: the mistake as a trial makes it.
struct Mistake {
    Kind kind = Kind::OffsetNotCounted;
    int days = 0;         // days moved: the rate change (+ late, - early), the credits, the answer
    QDate change;         // the stored rate change or the reference's change it concerns
    QDate answer;         // ReferenceNotPassedOn: the stored change that answers it
    Rate shortBy;         // ReferenceNotPassedOn: the part of the change not passed on
    bool leftOut = false; // ReferenceNotPassedOn: the change never passed on
    QDate from;           // OffsetNotCounted, RateKept, CreditsLate: the days it covers
    QDate to;
    LenderConventions conventions; // DayCount, Rounding, Rest
    QString seriesName;            // ReferenceNotPassedOn
    friend bool operator==(const Mistake&, const Mistake&) = default;
};

// The mistake's parameter as the CSV gives it: the days moved, the change's date, the day count
// and rounding.
QString parameter(const Mistake& m);

struct Explanation {
    Mistake mistake; // as it is said: over the days of the span it explains
    // The mistake as the trial that matched made it (its days may reach past the span's): the
    // span's charges are the lender's working under it, to the cent.
    Mistake tried;
    QDate from; // the span's first and last postings
    QDate to;
    int postings = 0;
    Money amount; // the charges less the interest due over the span
};

struct Result {
    QVector<Explanation> explanations; // in date order
    // Postings that differ and that no mistake explains, by date (with their difference).
    QVector<InterestSummary::Posting> unexplained;
    // The postings that differ at all: 0 for an account whose charges all agree.
    int differing = 0;
    // The summary's largest differences, beside which the explanations are read.
    QVector<InterestSummary::Posting> largest;
    // More was to be tried than MostTrials: only the runs of the largest differences were, and
    // of those the first MostTrials trials.
    bool partial = false;
    // The changes after which the repayment the lender took fell short of the one the loan's
    // repayment terms require, by date.
    QVector<RepaymentCheck::Finding> repayments;
};

// No account's diagnosis waits on more runs of the engine than this (a file with thousands of
// rate changes under one long run of differences would otherwise take hours).
inline constexpr int MostTrials = 10000;

// The postings of the calculation under `in` as they are compared with the charges.
QVector<InterestSummary::Posting> postings(const Inputs& in);

// The inputs of a diagnosis under `basis`: the calculation's inputs and the reference series the
// account's variable terms hold the lender against.
Inputs inputsOf(const AccountStore::CalculationInputs& in, const TermsStore::Stored& terms,
                const CalculationBasis& basis);

// Every run of consecutive comparable postings that differ, searched for the mistakes above,
// trials on up to `threads` threads (0: every core).
Result diagnose(const Inputs& in, int threads = 0);

// The inputs as the mistake changes them: what the lender worked with.
Inputs withMistake(const Inputs& in, const Mistake& m);

} // namespace Diagnosis
