#pragma once

#include "CalculationBasis.h"
#include "HistoryRows.h"
#include "InterestMethod.h"
#include "InterestWorking.h"
#include "LenderConventions.h"
#include "OffsetAccount.h"
#include "ReportLine.h"
#include "data/HistorySpan.h"
#include "data/Money.h"
#include "data/StoredValue.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <optional>

// The day-by-day interest calculation over the committed history: a pure function of its inputs,
// so the report window, the command-line tool and the tests run the very same walk.
namespace InterestEngine {

// Marked for translation: translated in the "InterestEngine" context where it is shown.
inline constexpr const char* InterestDateError =
    QT_TRANSLATE_NOOP("InterestEngine", "Interest date error. Please check all dates.");

struct Result {
    QVector<ReportLine> lines; // the report grid's body, in order
    QStringList notices;       // messages for the user, in the order they arose
    HistoryChanges changes;    // for AccountStore::writeBack
};

// `history`: the tblAllRecords rows in the report query's order (Date, InterestPayment, ID).
// `rates`: the tblInterestChanges rows in their query's order (ValidTo, ID).
// `basis`: the method (none applies the transactions but calculates no interest), the calculation
// day, whose CalcTo the fixed-day methods' periods end on (CalcDay::Day::periodEndDay), and the
// lender's conventions; which rates it names is the caller's business.
//
// The first dated row only sets the opening balance. Each later row is applied on its own date;
// every day accrues one day of interest on the balance at the rate in force
// (balance x rate / 365 / 100, rounded with Money::fromDoubleProduct, under the default
// `conventions`), and the method posts the accrued interest as an Interest line on its days. A
// balance row (non-zero CloseBalance) is looked at once, at the end of the first day it is the next
// row to apply: agreeing with the balance it is deleted, else it resets the balance then and is
// shown on its own date. Rows without a valid date are left out, with one notice. A day outside the
// rate periods stops the walk with InterestDateError.
//
// Other `conventions` change only the day's amount: its divisor (365, 366 in a leap year, 360),
// the days it stands for (0 on 29 February without leap days, and under 30/360 on the 31st; up
// to the 30th on the last day of February), and its rounding (to four decimals or to cents, each
// with ties to even as the default does, or none until the posting, which goes to cents half
// away from zero).
//
// With an `offset` that has data, the balance that accrues on a day is the loan's (under the
// deferred methods with the day's interest charge added) plus the counted part of the offset
// balance in force that day (Offset::counted: the last row dated on or before it), never past
// zero; a loan in credit is left as it is. Every line then carries the counted offset on its date.
// Without offset data nothing changes.
//
// An interest line whose days include a balance row's reset, and the first one when the history
// starts after the lender's previous charge, are marked not comparable (ReportLine::Incomplete).
//
// `output` Postings hands back only what a comparison with the lender's charges needs: the
// interest lines and the lines with an interest charge, and no changes.
//
// An `observer` is told of every day the walk accrues and every interest line it posts, as it
// goes (InterestWorking::WorkingRecorder keeps them: the working of each posting). Without one
// nothing is recorded.
enum class Output : quint8 { Report, Postings };
Result calculate(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
                 const CalculationBasis& basis, const OffsetAccount& offset = {},
                 Output output = Output::Report, InterestWorking::WalkObserver* observer = nullptr);

// The history walked on past its end as if the lender charged exactly the interest due: every
// posting dated after `from` adds its interest due to the balance on its date (a deferred
// method's bearing nothing that day), and a variable-day method, which posts on the lender's
// charges, posts on `postingDays` there. The rows past `from` are the caller's (the repayments
// to come); the rates must reach their last date.
struct Projection {
    QDate from;
    QVector<QDate> postingDays;
};
Result project(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
               const CalculationBasis& basis, const OffsetAccount& offset,
               const Projection& projection);

// One run with its working recorded.
struct Worked {
    Result result;
    InterestWorking::Working working;
};
Worked calculateWithWorking(const QVector<HistoryRow>& history, const QVector<RatePeriod>& rates,
                            const CalculationBasis& basis, const OffsetAccount& offset = {},
                            Output output = Output::Report);

} // namespace InterestEngine
