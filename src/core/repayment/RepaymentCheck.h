#pragma once

#include "RepaymentTerms.h"
#include "engine/CalculationBasis.h"
#include "engine/HistoryRows.h"
#include "engine/OffsetAccount.h"
#include "engine/ReportLine.h"

#include <QDate>
#include <QVector>

#include <optional>

// The repayments the lender took beside those the loan's terms require, and what follows when
// they fall short. The required repayment is worked out at the first repayment, after each
// change of the rate in force and when a period of interest only ends, on the balance the
// report shows after that day's rows (Repayments::formula).
namespace RepaymentCheck {

struct Inputs {
    Repayments::Terms terms;
    QVector<HistoryRow> history;
    QVector<ReportLine> lines; // the report's run over the history
    QVector<RatePeriod> rates; // the rates the run used
    CalculationBasis basis;
    OffsetAccount offset;
};

// Why the required repayment was worked out again.
enum class Cause : quint8 { Start, RateChange, InterestOnlyEnds };

struct Event {
    Cause cause = Cause::Start;
    QDate date;
    Rate rate;
    Money balance;          // owed after the day's rows (a magnitude)
    int remaining = 0;      // the repayments dated after it
    std::optional<Money> required; // none while interest only, or out of range
};

// One repayment of the term.
struct Row {
    QDate date;
    Rate rate;              // in force on the day
    Money balance;          // owed on the day before the repayment
    int remaining = 0;      // the repayments after this one
    bool interestOnly = false;
    std::optional<Money> required;
    std::optional<Money> taken;     // none: no deposit taken for it, or past the history
    qint64 takenRow = 0;            // the history row it was taken from
    QDate takenOn;
    std::optional<Money> shortfall; // required - taken (above zero: the lender took less)
};

// A deposit of the history and whether it was taken as a repayment.
struct Deposit {
    qint64 row = 0;
    QDate date;
    Money amount;
    bool taken = false;
    bool unticked = false; // the borrower said it is not a repayment
};

enum class FindingKind : quint8 {
    NotRecalculated,  // the old repayment kept
    OverMoreRepayments, // recalculated over more repayments than remain
    TookLess,         // less than required
    InterestOnlyKept  // interest only kept past the period's end
};

struct Finding {
    FindingKind kind = FindingKind::TookLess;
    Event event;          // the change after which it fell short
    Money required;
    Money taken;          // the repayment the lender settled on after it
    Money shortfall;      // a repayment
    int repayments = 0;   // the repayments of the history that fell short
    QDate from;           // the first and last of them
    QDate to;
    std::optional<int> over; // OverMoreRepayments: the repayments the taken one would need
    // Owed at the term's end (termEnd) if the lender kept taking it at the change's rate.
    std::optional<Money> leftAtEnd;
    QDate termEnd;
};

struct Result {
    QVector<Row> rows;
    QVector<Event> events;
    QVector<Finding> findings;
    QVector<Deposit> deposits;
    QDate termEnd; // the last repayment of the term
    QStringList notices;
};

// The check; empty without terms or without a history.
Result check(const Inputs& in);

// The days either side of a repayment's date a deposit is taken for it: banks move a debit past
// a weekend or a holiday.
int takenWithin(Repayments::Frequency f);

// Whether a finding's shortfall matters: more than one step of the lender's rounding.
Money tolerance(Repayments::Rounding r);

} // namespace RepaymentCheck
