#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

// The calculation day: the day of the month from which each monthly interest period runs, and the
// period's end day (CalcTo) derived from it.
namespace CalcDay {

// Only whole days 1 to 28 are calculation days: every month has them.
inline constexpr int FirstDay = 1;
inline constexpr int LastDay = 28;
constexpr bool isDay(int day) {
    return day >= FirstDay && day <= LastDay;
}

// The CalcTo text for a calculation day: "28" for day 1 (not the month's last day), else the day
// before it ("15" gives "14"). Only whole days 1 to 28 are calculation days; anything else gives
// nullopt. The text form takes decimal digits alone ("07" is day 7), no sign, point or spaces.
std::optional<QString> calcToFor(int day);
std::optional<QString> calcToFor(const QString& day);
// The calculation day whose period ends on `calcTo` ("14" gives 15); nullopt for none.
std::optional<int> dayOf(const QString& calcTo);

// The CalcTo text of the setting in force: the last tblCalcTo row by ID. nullopt when the table
// has no rows or cannot be read; "" when that row's CalcTo is empty.
std::optional<QString> lastCalcTo(QSqlDatabase db);

// Appends a tblCalcTo row for calculation day `day` ("15") with its CalcTo; inside the caller's
// transaction where it has begun one. False, with `error` saying why, when it cannot be written.
bool append(QSqlDatabase db, const QString& day, QString* error);

} // namespace CalcDay
