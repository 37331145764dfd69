#pragma once

// Accounts with a known rate history: the lender's charges filled posting by posting from the
// engine's own interest due under the rates in force, so that a proposal from the charges can be
// held against the rates that made them.

#include "ReportRows.h"
#include "data/ShortDate.h"
#include "engine/InterestEngine.h"
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
// on its date under `charging`, with the charges before it (a posting's due depends on those
// alone).
inline QVector<HistoryRow> history(int method, const LenderConventions& conventions,
                                   const QVector<RatePeriod>& charging, int months = 30) {
    QVector<HistoryRow> rows = ReportRows::history({"2022-01-01 close -400000"});
    for (int m = 0; m < months; ++m) {
        HistoryRow repayment;
        repayment.date = QDate(2022, 1, 3).addMonths(m);
        repayment.amounts[ReportLine::Deposit] = StoredMoney::of(Money::fromRaw(29500000));
        rows << repayment;
        HistoryRow charge;
        charge.date = QDate(2022, 1, 15).addMonths(m);
        charge.amounts[ReportLine::InterestPayment] = StoredMoney::of(Money::fromRaw(100));
        rows << charge;
        const InterestEngine::Result r =
            InterestEngine::calculate(rows, charging, method, calcToOf(method), conventions, {},
                                      InterestEngine::Output::Postings);
        for (const ReportLine& line : r.lines) {
            if (line.kind == ReportLine::Kind::Interest && line.date == charge.date)
                rows.last().amounts[ReportLine::InterestPayment] =
                    StoredMoney::of(*line.interestDue->roundedToCents());
        }
    }
    for (int i = 0; i < rows.size(); ++i)
        rows[i].id = i + 1;
    return rows;
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
    const auto sql = [](const StoredMoney& m) {
        return m.money() ? QString::number(m.money()->raw()) : QStringLiteral("null");
    };
    QStringList values;
    for (const HistoryRow& row : rows)
        values << QStringLiteral("('%1', %2, %3, %4)")
                      .arg(ShortDate::toIso(row.date), sql(row.amounts[ReportLine::Deposit]),
                           sql(row.amounts[ReportLine::InterestPayment]), sql(row.closeBalance));
    AccountFixture::exec(path, "insert into tblAllRecords (Date, Deposit, InterestPayment, "
                               "CloseBalance) values " +
                                   values.join(','));
}

} // namespace RateHistory
