#pragma once

// An account whose lender charged interest by a known method, day and conventions: each month's
// charge is the interest the engine posts on its date under them, in cents.

#include "data/ShortDate.h"
#include "engine/InterestEngine.h"
#include "render/ReportRendering.h"
#include "support/AccountFixture.h"

#include <QStringList>
#include <QVector>

namespace ChargedAccount {

// Two years from 1 January 2023 (one of them a leap year) at 6.1 %: an opening debit of
// 400,000.00, a repayment on the 3rd and the lender's charge on the 15th of every month.
inline QVector<HistoryRow> history(int method, const QString& calcTo,
                                   const LenderConventions& conventions,
                                   const OffsetAccount& offset = {}) {
    const QVector<RatePeriod> rates = {{1, QDate(2023, 1, 1), QDate(2024, 12, 31), 6.1}};
    QVector<HistoryRow> rows(1);
    rows[0].date = QDate(2023, 1, 1);
    rows[0].closeBalance = StoredMoney::of(*Money::parse("-400000"));
    for (int m = 0; m < 24; ++m) {
        HistoryRow repayment;
        repayment.date = QDate(2023, 1, 3).addMonths(m);
        repayment.amounts[ReportLine::Deposit] = StoredMoney::of(*Money::parse("2950"));
        rows << repayment;
        HistoryRow charge;
        charge.date = QDate(2023, 1, 15).addMonths(m);
        charge.amounts[ReportLine::InterestPayment] = StoredMoney::of(*Money::parse("0.01"));
        rows << charge;
        // The charge is what the lender's way posts on its date, with the charges before it.
        const InterestEngine::Result r =
            InterestEngine::calculate(rows, rates, method, calcTo, conventions, offset);
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

// The rows and the rate written into the account at `path`.
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
    AccountFixture::exec(path, "insert into tblInterestChanges (ValidFrom, ValidTo, InterestRate) "
                               "values ('2023-01-01', '2024-12-31', 6.1)");
}

} // namespace ChargedAccount
