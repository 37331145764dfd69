#pragma once

#include "engine/InterestSummary.h"
#include "engine/ReportLine.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

// One row of tblReport as the printed report binds it: the date and the seven amounts, in the
// order of the report's columns, and the offset. An empty field is nullopt.
struct ReportTableRow {
    enum Field {
        GovtCharge,
        BankCharge,
        UserWithdrawal,
        Deposit,
        InterestPayment,
        InterestDue,
        Balance, // OpenBalance and CloseBalance: the same value, the report shows CloseBalance
        FieldCount
    };
    QDate date;
    std::array<std::optional<Money>, FieldCount> values;
    std::optional<Money> offset; // the counted offset, for an account with an offset account

    friend bool operator==(const ReportTableRow&, const ReportTableRow&) = default;
};

// tblReport: the copy of the report grid that the printed report is made from.
namespace ReportTable {

// The row a grid line becomes: its cells as the grid shows them, to the cent (what the grid's
// "##,##0.00" text reads back as), empty cells empty.
ReportTableRow rowFor(const ReportLine& line);

// Empties tblReport in one statement. False with SQLite's error code and text when it cannot.
bool clear(QSqlDatabase db, QString* errorCode, QString* errorText);

// Appends one row per line, in grid order, all in one transaction: all or nothing.
bool append(QSqlDatabase db, const QVector<ReportLine>& lines, QString* error);

// The rows in ID order. A stored value that cannot be read as money is shown empty.
bool read(QSqlDatabase db, QVector<ReportTableRow>* rows, QString* error);

// The over/under-charge summary of the rows, as the printed report holds them: the charge in
// InterestPayment, the interest due in InterestDue; `incomplete` the postings that cannot be
// compared, by date.
std::optional<InterestSummary::Summary>
summarise(const QVector<ReportTableRow>& rows,
          const InterestSummary::IncompletePostings& incomplete = {}, int missingStatement = 0,
          const InterestSummary::PostingRateMap* rates = nullptr);

} // namespace ReportTable
