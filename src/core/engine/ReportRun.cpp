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

Calculation calculate(QSqlDatabase db, int method, const QString& fixedDay,
                      const std::optional<QVector<RatePeriod>>& rates) {
    Calculation c;
    QString error;
    std::optional<ReportStore::CalculationInputs> in = ReportStore::readInputs(db, &error);
    if (!in) {
        c.notices << error;
        return c;
    }
    c.notices << in->notices;
    c.conventions = in->conventions;
    c.offset = std::move(in->offset);
    InterestEngine::Worked worked = InterestEngine::calculateWithWorking(
        in->history, rates.value_or(in->rates), method, fixedDay, c.conventions, c.offset);
    InterestEngine::Result& result = worked.result;
    c.working = std::move(worked.working);
    if (!result.changes.isEmpty() && !ReportStore::writeBack(db, result.changes, &error))
        c.notices << error;
    c.lines = std::move(result.lines);
    c.notices << result.notices;
    return c;
}

} // namespace ReportRun
