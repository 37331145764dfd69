#pragma once

// Accounts with a known rate history: the lender's charges filled posting by posting from the
// engine's own interest due under the rates in force, so that a proposal from the charges can be
// held against the rates that made them.

#include "ChargedAccount.h"
#include "ReportRows.h"
#include "data/ShortDate.h"
#include "engine/HistoryRows.h"
#include "engine/InterestMethod.h"
#include "engine/LenderConventions.h"
#include "support/AccountFixture.h"

#include <QStringList>
#include <QVector>

namespace RateHistory {

// The period end day the fixed-day methods post on: the charges fall on the 15th.
inline QString calcToOf(int method) {
    return method <= InterestMethod::FixedDayDeferred ? QStringLiteral("14") : QString();
}

// `months` months from 1 January 2022: an opening debit of 400,000.00, a repayment of 2,950.00 on
// the 3rd and the lender's charge on the 15th of every month, each charge what the method posts
// on its date under `charging`.
inline QVector<HistoryRow> history(int method, const LenderConventions& conventions,
                                   const QVector<RatePeriod>& charging, int months = 30,
                                   const QMap<QDate, Money>& overcharged = {}) {
    ChargedHistory::Loan loan;
    loan.start = QDate(2022, 1, 1);
    loan.months = months;
    loan.overcharged = overcharged;
    return ChargedHistory::charged(method, calcToOf(method), conventions, charging, loan);
}

// The periods cut to the history's days, as a proposal covers them.
inline QVector<RatePeriod> clipped(QVector<RatePeriod> periods, const QVector<HistoryRow>& rows) {
    QVector<RatePeriod> out;
    for (RatePeriod& p : periods) {
        p.validFrom = std::max(p.validFrom, rows.first().date);
        p.validTo = std::min(p.validTo, rows.last().date);
        if (p.validFrom <= p.validTo)
            out << p;
    }
    return out;
}

// The rows written into the account at `path`, with no rate periods.
inline void write(const QString& path, const QVector<HistoryRow>& rows) {
    ChargedAccount::writeRows(path, rows);
}

// The periods ("2022-01-01 2022-05-19 4", as ReportRows::rates reads them) stored in the account
// at `path`.
inline void writeRates(const QString& path, const QStringList& spelled) {
    for (const QString& line : spelled) {
        const QStringList p = line.split(' ');
        AccountFixture::exec(path, QStringLiteral("insert into tblInterestChanges (ValidFrom, "
                                                  "ValidTo, InterestRate) values ('%1', '%2', "
                                                  "cast(%3 as real))")
                                       .arg(p[0], p[1], p[2]));
    }
}

// Charged under Variable Day by a lender that applied the cut of 10 June 2022 from 24 June, the
// cut's own dates stored: two postings overcharged.
inline void writeLateCut(const QString& path) {
    const QVector<RatePeriod> lender =
        ReportRows::rates({"2022-01-01 2022-06-23 4.9", "2022-06-24 2024-12-31 4.5"});
    write(path, history(InterestMethod::VariableDay, {}, lender, 12));
    writeRates(path, {"2022-01-01 2022-06-09 4.9", "2022-06-10 2024-12-31 4.5"});
}

} // namespace RateHistory
