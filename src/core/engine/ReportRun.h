#pragma once

#include <QSqlDatabase>
#include <QString>

// What the report window checks of the account before it commits the statement and runs the
// report (run/ReportCase).
namespace ReportRun {

// The tables the report depends on, checked in the report's order (the history, the statement
// being entered, the rate periods, the report table, the statement numbers): each query is
// prepared and run over no rows. "" when every one can be read, else the first one's error.
QString unreadableTable(QSqlDatabase db);

} // namespace ReportRun
