#pragma once

#include "ReferenceSeries.h"
#include "engine/CalculationBasis.h"
#include "engine/HistoryRows.h"
#include "engine/LenderConventions.h"
#include "engine/OffsetAccount.h"

#include <QDate>
#include <QStringList>
#include <QVector>

#include <optional>

// Whether the lender passed on the changes of a reference rate to its own variable rate, in full
// and on time, and what each change not passed on cost.
namespace PassOn {

// How long after a change of the reference is due (its date plus the lag) the lender's answer is
// looked for.
inline constexpr int AnswerDays = 62;

// A change of a rate: its date, its size and the rate after it.
struct Change {
    QDate date;
    Rate size;
    Rate rate;
    friend bool operator==(const Change&, const Change&) = default;
};

struct Row {
    Change reference;
    std::optional<Change> lender; // the change that answers it, if any
    int daysLate = 0;             // the answer's date less the reference's date plus the lag
    Rate notPassedOn;             // the reference's size less the answer's
    Money cost; // the interest due under the stored rates less that with this change in full
    friend bool operator==(const Row&, const Row&) = default;
};

// Each change's cost is a run over the whole history: past this many changes times the history's
// rows (a published series over a long history is far within) none is worked out.
inline constexpr qint64 MostCostWork = 20'000'000;

struct Table {
    QVector<Row> rows;
    Money total; // the rows' costs
    // The interest due under the stored rates less that with every change in full; nullopt, with
    // a notice, when it cannot be worked out.
    std::optional<Money> allPassedOn;
    QStringList notices;
    bool costsRefused = false; // past MostCostWork: the rows stand without their costs
};

// The changes of the stored rate periods, in date order: each period whose rate differs from
// the one before it.
QVector<Change> lenderChanges(const QVector<RatePeriod>& stored);
// The changes of a series dated after `first` and on or before `last`.
QVector<Change> seriesChanges(const ReferenceSeries& series, const QDate& first, const QDate& last);

// Each reference change with the lender's change that answers it: the first in the same
// direction dated from the reference's date to AnswerDays after its date plus the lag that
// answers no earlier one.
QVector<Row> match(const QVector<Change>& reference, const QVector<Change>& lender, int lagDays);

// `rates` with `size` added to every day from `from` on.
QVector<RatePeriod> shifted(const QVector<RatePeriod>& rates, const QDate& from, Rate size);

// What a calculation of the account needs to work out the interest due.
struct Calculation {
    const QVector<HistoryRow>& history;
    CalculationBasis basis;
    OffsetAccount offset;
};

// The interest due over the history under `rates`: its interest lines' sum. nullopt when it
// cannot be worked (a day without a rate, a sum out of range).
std::optional<Money> interestDue(const Calculation& c, const QVector<RatePeriod>& rates);

// The pass-on table of `series` against the stored rates over the history (from `from` to `to`
// where given: the span of a variable terms period), each row's cost worked out unless the work
// passes MostCostWork, said in its notices.
Table table(const Calculation& c, const QVector<RatePeriod>& stored, const ReferenceSeries& series,
            int lagDays, const QDate& from = {}, const QDate& to = {});

} // namespace PassOn
