#pragma once

#include "repayment/Payoff.h"
#include "repayment/RepaymentCheck.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The repayment check and the payoff as the borrower reads them: in the Repayment Terms window,
// the summary, the letter and from the report tool.
namespace RepaymentRendering {

// "repayment-not-recalculated" or "interest-only-kept", as the diagnosis's CSV names them.
QString word(RepaymentCheck::FindingKind k);
// What the lender did, for a table's cell: "Repayment of 584.59 kept after the rate change of
// 1/2/2021".
QString findingText(const RepaymentCheck::Finding& f);
// "After the rate change of 1/2/2021 the lender kept the repayment of 584.59 where 642.45 is
// required: 57.86 short each repayment (12 repayments), leaving 23,456.78 owed at the term's
// end on 1/1/2045."
QString sentence(const RepaymentCheck::Finding& f);
// The summary's verdict beside the interest's: "" without a finding.
QString verdict(const RepaymentCheck::Result& r);
// The UK's wording of underfunding, for the letter.
QString underfundedWording();

// "Date", "Rate", "Balance", "Remaining", "Required", "Taken", "Shortfall".
QStringList headings();
// A row a repayment of the history, as the grid shows dates and amounts.
QVector<QStringList> rows(const RepaymentCheck::Result& r);
// "date,rate,balance,remaining,required,taken,shortfall", one record a repayment: ISO dates,
// plain decimals, empty cells empty; the same in every locale.
QByteArray csv(const RepaymentCheck::Result& r);
// Where the lender stated a repayment at the start other than the one the terms require, says
// so; "" otherwise.
QString statedLine(const RepaymentCheck::Result& r, const std::optional<Money>& stated);
// The table as aligned text under its headings, the stated repayment's line, then the findings'
// sentences.
QString text(const RepaymentCheck::Result& r, const std::optional<Money>& stated = {});

// "The loan is paid off on 1/3/2044, 10 months before the term ends on 1/1/2045 ..."
QStringList payoffLines(const Payoff::Result& p, const QDate& termEnd);
// "payoff_date,balance_left,months_to_spare,new_payoff_date,interest_saved" and one record.
QByteArray payoffCsv(const Payoff::Result& p);

} // namespace RepaymentRendering
