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

// A calculation day as tblCalcTo keeps it: the day (CalcFrom, "15") and the last day of its
// periods (CalcTo, "14"), each as text and either empty. The engine takes CalcTo; Find Lender's
// Method and the stored setting speak of CalcFrom.
class Day {
public:
    Day() = default;
    // CalcFrom is derived where the text is a CalcTo of a calculation day.
    static Day fromCalcTo(const QString& calcTo);
    // CalcTo is derived where the text is a calculation day ("" otherwise).
    static Day fromCalcFrom(const QString& calcFrom);
    static Day stored(const QString& calcFrom, const QString& calcTo);

    const QString& calcFrom() const { return m_from; }
    const QString& calcTo() const { return m_to; }
    // The day of the month the fixed-day methods' periods end on, as the walk matches it: only
    // CalcTo's decimals without a leading zero ("5"; "05" never); 0 matches no day.
    int periodEndDay() const;

    friend bool operator==(const Day&, const Day&) = default;

private:
    QString m_from;
    QString m_to;
};

// The day in force: the last tblCalcTo row by ID, each column "" where empty. nullopt when the
// table has no rows or cannot be read.
std::optional<Day> inForce(QSqlDatabase db);

// Appends a tblCalcTo row for calculation day `day` ("15") with its CalcTo; inside the caller's
// transaction where it has begun one. False, with `error` saying why, when it cannot be written.
bool append(QSqlDatabase db, const QString& day, QString* error);

} // namespace CalcDay
