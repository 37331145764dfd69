#pragma once

#include "HistoryRows.h"
#include "LenderFit.h"
#include "OffsetAccount.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// Rate periods read back from the lender's own charges, for a history imported without its rate
// letters. Each day's balance does not depend on the rate (the running balance takes the lender's
// charges), so one walk under a provisional rate gives every posting's days, and each posting's
// charge is then worked again under the rates tried (InterestWorking::periodInterest).
namespace RateProposal {

// The settings table's name for the IDs of the rate periods stored from a proposal ("12,13,14").
inline constexpr const char* ProposedSetting = "ProposedRatePeriods";

// Charges were compared, but no rate under the method reproduces any of them: the method is not
// the lender's, and its "differences" would be whole charges, never a result to show.
inline constexpr const char* MethodDoesNotFit = QT_TRANSLATE_NOOP(
    "RateProposal",
    "This method does not fit the lender's charges: no rate under it reproduces any of them.");
inline constexpr const char* NothingToPropose = QT_TRANSLATE_NOOP(
    "RateProposal",
    "No rate could be proposed: no charge of the lender could be compared with an interest "
    "posting under this method.");

// One proposed period: the rate in force from `from` to `to`, both included.
struct Period {
    QDate from;
    QDate to;
    Rate rate; // to two decimals (three where two reproduce none)
    QVector<QDate>
        postings; // the postings it reproduces to the cent, by date (their last day in it)
    // The period starts inside a posting's period: the days on which a change also reproduces
    // that charge, `from` the earliest of them; empty when the change is on a posting boundary
    // or only one day fits.
    QVector<QDate> otherChangeDays;

    friend bool operator==(const Period&, const Period&) = default;
};

// A posting whose charge the proposed periods do not reproduce.
struct Unexplained {
    QDate date;
    Money charged;
    std::optional<Rate> nearestRate; // the one yearly rate nearest the charge over its period
    Money difference;                // charged less the interest due under the proposal
    friend bool operator==(const Unexplained&, const Unexplained&) = default;
};

struct Proposal {
    CalculationBasis basis;           // the way the periods were proposed under
    QVector<Period> periods;          // in date order, from the history's first day to its last
    QVector<Unexplained> unexplained; // in date order
    int compared = 0;                 // postings with a charge searched for their rate
    int leftOut = 0;                  // postings left out: not comparable, no charge, no balance
    QVector<QDate> unpairedCharges;   // charges on a date with no posting, left out
    QStringList notices;              // the walk's own

    int reproduced() const { return compared - int(unexplained.size()); }
    // Charges were compared and none is reproduced (MethodDoesNotFit).
    bool methodDoesNotFit() const { return periods.isEmpty() && compared > 0; }
    int charges() const { return compared + int(unpairedCharges.size()); }
    // The periods as the engine takes them.
    QVector<RatePeriod> ratePeriods() const;
};

// The rate periods that reproduce the lender's charges in `history` (tblAllRecords rows in the
// report order) under the basis's method, calculation day and conventions. No periods
// when the history holds no charge that can be searched.
Proposal propose(const QVector<HistoryRow>& history, const CalculationBasis& basis,
                 const OffsetAccount& offset = {});

// A way of working, with how well its proposal reproduces the charges.
struct Ranked {
    FitCandidate candidate;
    int reproduced = 0;
    int charges = 0;
    int periods = 0;
};

struct Ranking {
    QVector<Ranked> ranked; // best first: most charges reproduced, then fewest periods
    Proposal best;          // the proposal under the first
};

// The methods, days and conventions that Find Lender's Method tries (LenderFit::candidates), each
// proposed and ranked; ties keep that order, the default conventions first. Every way is
// proposed under today's day counts and roundings on the daily balance; the other rests, equal
// periods and compounding under the two ways (method and day) that lead among those.
Ranking proposeAny(const QVector<HistoryRow>& history, const QString& storedDay,
                   const OffsetAccount& offset = {});

// Whether the committed history holds an interest charge of the lender.
bool holdsCharges(QSqlDatabase db);

// Whether the stored rate periods reach from the committed history's first day to its last, as
// the rate periods window's Close asks; false when either cannot be read.
bool ratesCoverHistory(QSqlDatabase db);

// The stored periods that share a day with any of `chosen`.
QVector<qint64> overlapping(const QVector<RatePeriod>& stored, const QVector<Period>& chosen);
// The chosen periods less those stored already as they are (the same days at the same rate):
// proposing again rewrites, and asks about, only what changes.
QVector<Period> changed(const QVector<RatePeriod>& stored, const QVector<Period>& chosen);

// Stores `chosen` in tblInterestChanges, first deleting the stored rows `replaced`, and makes
// `way` (the method's day and the conventions they were proposed under) the account's, as Find
// Lender's Method applies one, all in one transaction. False, with the file as it was and
// `error` saying why, when it cannot be written.
bool store(QSqlDatabase db, const QVector<Period>& chosen, const QVector<qint64>& replaced,
           const FitCandidate& way, QString* error);

} // namespace RateProposal
