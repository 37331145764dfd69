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

Day Day::fromCalcTo(const QString& calcTo) {
    const std::optional<int> day = dayOf(calcTo);
    return stored(day ? QString::number(*day) : QString(), calcTo);
}

Day Day::fromCalcFrom(const QString& calcFrom) {
    return stored(calcFrom, calcToFor(calcFrom).value_or(QString()));
}

Day Day::stored(const QString& calcFrom, const QString& calcTo) {
    Day d;
    d.m_from = calcFrom;
    d.m_to = calcTo;
    return d;
}

int Day::periodEndDay() const {
    bool ok = false;
    const int day = m_to.toInt(&ok);
    return ok && day >= 1 && day <= 31 && QString::number(day) == m_to ? day : 0;
}

std::optional<Day> inForce(QSqlDatabase db) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QString::fromLatin1(Queries::CalcTo)))
        return std::nullopt;
    std::optional<Day> last;
    while (q.next())
        last = Day::stored(q.value(0).isNull() ? QString() : q.value(0).toString(),
                           q.value(1).isNull() ? QString() : q.value(1).toString());
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
