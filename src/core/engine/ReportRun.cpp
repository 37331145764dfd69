#include "ReportRun.h"

#include "data/Queries.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

namespace ReportRun {

QString unreadableTable(QSqlDatabase db) {
    if (!db.isOpen())
        return QCoreApplication::translate("RecordSet",
                                           "Operation is not allowed when the object is closed.");
    for (const char* query : {Queries::AllRecordsReport, Queries::ThisSessionReport,
                              Queries::InterestChanges, Queries::Report, Queries::Numbers}) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QString::fromLatin1(query) + QStringLiteral(" limit 0")))
            return q.lastError().text();
    }
    return {};
}

} // namespace ReportRun
