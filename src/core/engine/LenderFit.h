#pragma once

#include "CalculationBasis.h"
#include "HistoryRows.h"
#include "InterestMethod.h"
#include "LenderConventions.h"
#include "OffsetAccount.h"
#include "ReportLine.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// One way the lender may work: a method, its calculation day (none for Variable Day), and the
// conventions.
using FitCandidate = CalculationBasis;

// How closely the report under one candidate matches the lender's own interest charges.
struct FitScore {
    FitCandidate candidate;
    int matched = 0;  // charges equal to the posting of their date, to the cent
    int charges = 0;  // dates with interest charged
    Money difference; // sum of |posting - charge| in cents; a charge without a posting counts whole
};

// "Find my lender's method": the committed history reported under every method, calculation day
// and convention, ranked by how well the interest due matches the interest charged.
namespace LenderFit {

inline constexpr const char* NoCharges = QT_TRANSLATE_NOOP(
    "LenderFit",
    "The history holds no interest charged by the lender, so there is nothing to compare with.");

// The calculation days worth trying: the stored one first (when it is a day 1 to 28), then each
// day of the month on which a charge falls (1 to 28), in order, each once.
QStringList candidateDays(const QVector<HistoryRow>& history, const QString& storedDay);

// The periods a year the spacing of the charges suggests: 52 weekly, 26 fortnightly, 24 twice a
// month, else 12.
int suggestedPerYear(const QVector<HistoryRow>& history);

// The conventions searched, in the order ties keep: today's day counts and roundings on the daily
// balance first (the defaults first), then Equal periods, then the same under each other rest
// and under half-yearly compounding (`perYear` periods a year).
QVector<LenderConventions> searchedConventions(int perYear = 12);

// Every combination, in the order ties keep: by conventions (searchedConventions), then method
// and day.
QVector<FitCandidate> candidates(const QStringList& days, int perYear = 12);

// The score of one report. The charges are the Int Charge of its lines, added up per date; each
// date's charge is paired with the interest posted on that date.
FitScore score(const QVector<ReportLine>& lines);

struct Ranking {
    QVector<FitScore> scores; // best first: most charges matched, then least difference
    QStringList notices;      // the calculation's own notices (the same under every candidate)
};

// The candidates over the same rows and offset account, on up to `threads` threads (0: as many
// as the machine has), ranked. The engine walks the history once per method and day; every
// convention's interest due is then worked from that walk's days (only the interest due
// differs between them). Ties keep the order of candidates().
Ranking rank(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
             const QString& storedDay, const OffsetAccount& offset = {}, int threads = 0);

// Makes `chosen` the account's, in one transaction: its conventions, and its calculation day
// when it has one that differs from the day in force (appended to tblCalcTo as the method window
// does). False, with the file as it was and `error` saying why, when it cannot be written.
bool store(QSqlDatabase db, const FitCandidate& chosen, QString* error);
// The same inside the caller's transaction.
bool write(QSqlDatabase db, const FitCandidate& chosen, QString* error);

} // namespace LenderFit
