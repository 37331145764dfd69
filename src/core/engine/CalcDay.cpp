#include "CalcDay.h"

#include "data/Queries.h"

#include <QSqlError>
#include <QSqlQuery>

namespace CalcDay {

std::optional<QString> calcToFor(int day) {
    if (!isDay(day))
        return std::nullopt;
    return QString::number(day == FirstDay ? LastDay : day - 1);
}

std::optional<int> dayOf(const QString& calcTo) {
    for (int day = FirstDay; day <= LastDay; ++day) {
        if (calcToFor(day) == calcTo)
            return day;
    }
    return std::nullopt;
}

std::optional<QString> calcToFor(const QString& day) {
    if (day.isEmpty() || day.size() > 2)
        return std::nullopt;
    for (QChar c : day) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return calcToFor(day.toInt());
}

std::optional<QString> lastCalcTo(QSqlDatabase db) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QString::fromLatin1(Queries::CalcTo)))
        return std::nullopt;
    std::optional<QString> last;
    while (q.next())
        last = q.value(1).isNull() ? QString() : q.value(1).toString();
    if (q.lastError().isValid())
        return std::nullopt;
    return last;
}

bool append(QSqlDatabase db, const QString& day, QString* error) {
    QSqlQuery add(db);
    const bool stored =
        add.prepare(QStringLiteral("insert into tblCalcTo (CalcFrom, CalcTo) values (?, ?)")) &&
        (add.addBindValue(day), add.addBindValue(calcToFor(day).value_or(QString())), add.exec());
    if (!stored && error)
        *error = add.lastError().text();
    return stored;
}

} // namespace CalcDay
