#pragma once

#include "InterestWorking.h"
#include "LenderConventions.h"
#include "data/Money.h"

#include <QVector>

#include <optional>

// The days of each posting's period as one walk accrued them, kept as runs of days alike (the
// same balance and rate, within one month), and every posting's interest due worked from them
// under any conventions. Only the interest due depends on the conventions, never the walk: the
// search for the lender's way walks the history once per method and day, not once per
// convention.
namespace PeriodRuns {

// Consecutive days of one month that accrue on the same balance at the same rate.
struct Run {
    qint64 firstDay = 0; // as a Julian day
    int year = 0;
    int month = 0;
    int day = 0; // of the first day
    int count = 0;
    bool endsMonth = false; // its last day is the month's last
    Money accruing;         // what accrues each day on the daily balance
    double rate = 0;        // per cent a year
};

// A posting's days as runs on the daily balance, and as spans of one month at one rate (each
// with the balance of its first day as `accruing`): a held rest needs no more than those.
struct Posting {
    QVector<Run> runs;
    QVector<Run> spans;
};

// Keeps the runs of a walk under the daily rest (the engine's observer).
class Recorder : public InterestWorking::WalkObserver {
public:
    void day(const InterestWorking::WorkingDay& day) override;
    void posted(const ReportLine& line, int lineIndex) override;
    const QVector<Posting>& postings() const { return m_postings; }

private:
    QVector<Posting> m_postings;
    Posting m_current;
    int m_monthDays = 0; // the days of the current run's month
    bool extend(QVector<Run>& runs, qint64 day, double rate, Money accruing, bool sameBalance);
};

// Each posting's interest due under each of `conventions`, as the walk under them posts it;
// nullopt from a posting whose interest leaves the money range. The ways that share a rest and a
// compounding go through the days together, each day's amount worked out once for all of them.
QVector<QVector<std::optional<Money>>> dues(const QVector<Posting>& postings,
                                            const QVector<LenderConventions>& conventions);

} // namespace PeriodRuns
