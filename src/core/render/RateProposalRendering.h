#pragma once

#include "SummaryRendering.h"
#include "engine/RateProposal.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The rate periods proposed from the lender's charges as text and CSV (the report tool's
// --propose-rates), and the words the proposal window shares with them.
namespace RateProposalRendering {

// How the report tool tries every way of working.
inline constexpr const char* TryEveryOption = "Give --method any to try every way of working.";

// What a proposal can and cannot show, said wherever one is shown; in a window through
// QCoreApplication::translate("RateProposalRendering", Caution).
inline constexpr const char* Caution = QT_TRANSLATE_NOOP(
    "RateProposalRendering",
    "A rate that reproduces the lender's charges is not proof that the charge was right. Compare "
    "the proposed change dates and rates with the lender's rate notices: a posting that no rate "
    "reproduces is where to look.");

// "kind,from,to,rate,postings,date,charged,nearest_rate,difference": one record a period
// ("period": from, to, rate, how many postings it reproduces), then one a posting no period
// reproduces ("unexplained": date, charged, nearest rate, charged less the interest due under
// the proposal). ISO dates, rates to three decimals, plain amounts; the same in every locale.
QByteArray csv(const RateProposal::Proposal& p);

// "2.500 %", the rate as the proposal shows it.
QString rateCell(Rate rate);
// The posting dates a period reproduces, in the default locale ("1/15/2023, 2/15/2023").
QString postingsCell(const RateProposal::Period& period);
// "a change on any of 3 days from 4/16/2023 to 4/18/2023 reproduces the charge; the earliest is
// taken" for a change that several days reproduce; "" otherwise.
QString changeNote(const RateProposal::Period& period);
// Why nothing is proposed: the method does not fit the charges (and `tryEvery`, how to try every
// way of working), or no charge could be compared; "" when periods are proposed.
QString nothingLine(const RateProposal::Proposal& p, const QString& tryEvery);
// How many charges the proposal reproduces and which it left out, one sentence each.
QStringList countLines(const RateProposal::Proposal& p);

// The periods, then the postings none reproduces, under the method and conventions, with the
// counts and the caution. Lines end with '\n'.
QString text(const RateProposal::Proposal& p, const SummaryRendering::Basis& basis);

// The ranking of --method any as aligned text for standard error: each way's method, day and
// conventions by name (LenderFitRendering::conventionCells), the charges it reproduces and its
// periods, best first, at most `shown` lines.
QString rankingText(const QVector<RateProposal::Ranked>& ranked, int shown);

} // namespace RateProposalRendering
