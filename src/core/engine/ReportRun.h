#pragma once

#include "InterestEngine.h"
#include "LenderConventions.h"
#include "OffsetAccount.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// What the report window does with the account once the statement is committed: one run of the
// calculation over what the file holds, reading only the tables the report uses.
namespace ReportRun {

// The tables the report depends on, checked in the report's order (the history, the statement
// being entered, the rate periods, the report table, the statement numbers): each query is
// prepared and run over no rows. "" when every one can be read, else the first one's error.
QString unreadableTable(QSqlDatabase db);

struct Calculation {
    QVector<ReportLine> lines;
    QStringList notices; // for the user, in the order they arose
    LenderConventions conventions;
    OffsetAccount offset;
    // Every posting's days, recorded by the same walk: what Show Working shows.
    InterestWorking::Working working;
};

// Reads the history, the rate periods, the lender's conventions and the offset account, runs
// the engine (recording its working), and writes its changes back to the history. A history or rate
// table that cannot be read gives no lines, only its notice; a setting that does not read is
// noticed and its default used; a failed write-back is noticed and the report still shown.
// `rates`, when given, stand in for the stored rate periods (the rates the loan's terms owe).
Calculation calculate(QSqlDatabase db, int method, const QString& fixedDay,
                      const std::optional<QVector<RatePeriod>>& rates = std::nullopt);

} // namespace ReportRun
