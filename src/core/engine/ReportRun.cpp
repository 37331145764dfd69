#include "ReportRun.h"

#include "ReportStore.h"
#include "data/Queries.h"

#include <QSqlError>
#include <QSqlQuery>

namespace ReportRun {

QString unreadableTable(QSqlDatabase db) {
    if (!db.isOpen())
        return QStringLiteral("Operation is not allowed when the object is closed.");
    for (const char* query : {Queries::AllRecordsReport, Queries::ThisSessionReport,
                              Queries::InterestChanges, Queries::Report, Queries::Numbers}) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QString::fromLatin1(query) + QStringLiteral(" limit 0")))
            return q.lastError().text();
    }
    return {};
}

Calculation calculate(QSqlDatabase db, int method, const QString& fixedDay) {
    Calculation c;
    QVector<HistoryRow> history;
    QVector<RatePeriod> rates;
    QString error;
    if (!ReportStore::readHistory(db, &history, &error) ||
        !ReportStore::readRatePeriods(db, &rates, &error)) {
        c.notices << error;
        return c;
    }
    if (!ReportStore::readConventions(db, &c.conventions, &error))
        c.notices << error;
    if (!ReportStore::readOffset(db, &c.offset, &error))
        c.notices << error;
    InterestEngine::Worked worked = InterestEngine::calculateWithWorking(
        history, rates, method, fixedDay, c.conventions, c.offset);
    InterestEngine::Result& result = worked.result;
    c.working = std::move(worked.working);
    if (!result.changes.isEmpty() && !ReportStore::writeBack(db, result.changes, &error))
        c.notices << error;
    c.lines = std::move(result.lines);
    c.notices << result.notices;
    return c;
}

} // namespace ReportRun
