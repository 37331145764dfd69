#pragma once

#include "ReferenceSeries.h"
#include "data/Rate.h"
#include "engine/HistoryRows.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The loan's rate terms: what the loan contract says the rate is, period by period, and the rate
// periods they owe, worked from the reference series behind them.
namespace RateTerms {

enum class Kind : quint8 {
    Fixed,      // a rate, until a date
    Tracker,    // a series plus a margin, each change from its date plus a lag
    Adjustable, // an index plus a margin, rounded and capped, on set change dates
    Variable    // the lender's own rate, as the stored rate periods hold it
};
enum class Rounding : quint8 { None, Nearest, Up, Down };

// One terms period, from its date to the day before the next one's (the last: to the end of the
// history). Only the fields of its kind count.
struct Period {
    qint64 id = 0;
    QDate from;
    Kind kind = Kind::Fixed;
    // Fixed: the rate. Adjustable: the rate until the first change date, which the caps count
    // from.
    std::optional<Rate> rate;
    QDate until; // Fixed: its last day; not valid: until the next period
    // Tracker, Adjustable, Variable: the series' short name.
    QString series;
    Rate margin;
    int lagDays = 0;        // Tracker, Variable: a change applies this many days after its date
    bool nextMonth = false; // Tracker: a change applies from the first day of the next month
    // Adjustable.
    Rounding rounding = Rounding::None;
    Rate roundingStep = Rate::fromThousandths(125);
    QDate firstChange;
    int changeMonths = 12;
    int lookBackDays = 0;         // the index in force this many days before the change date
    std::optional<Rate> firstCap; // the first change's most either way (else eachCap)
    std::optional<Rate> eachCap;  // each later change's most either way
    std::optional<Rate> lifeCap;  // the most above the first rate, over the life
    std::optional<Rate> floor;    // the least the rate may be
    friend bool operator==(const Period&, const Period&) = default;
};

// The words the account file and the tools use: "fixed", "tracker", "adjustable", "variable";
// "none", "nearest", "up", "down".
QString kindWord(Kind kind);
std::optional<Kind> kindFromWord(const QString& word);
QString roundingWord(Rounding rounding);
// The same word in the windows' language: "nearest", "up", "down" ("" for none).
QString shownRoundingWord(Rounding rounding);
std::optional<Rounding> roundingFromWord(const QString& word);
// "Fixed", "Tracker", "Adjustable (index plus margin)", "Lender's variable rate".
QString kindName(Kind kind);
QStringList kindNames(); // in Kind's order

// The series of an account by short name.
using SeriesSet = QMap<QString, ReferenceSeries>;

// One owed rate period, with the terms that gave it.
struct OwedPeriod {
    QDate from;
    QDate to;
    Rate rate;
    Kind source = Kind::Fixed;
    QString detail; // how the rate came about: "rba-cash 4.35 + 1.5"
    friend bool operator==(const OwedPeriod&, const OwedPeriod&) = default;
};

struct Owed {
    QVector<OwedPeriod> periods; // in date order, apart where the terms owe no rate
    QStringList notices;         // the days the terms owe no rate, and why
    // The periods as the engine takes rate periods.
    QVector<RatePeriod> ratePeriods() const;
    // Whether they cover every day from `first` to `last`.
    bool covers(const QDate& first, const QDate& last) const;
};

// The rate periods `terms` owe from the first terms period to `end`. `stored` are the account's
// rate periods (the lender's variable rate); `series` every series the terms name.
Owed owed(const QVector<Period>& terms, const SeriesSet& series, const QVector<RatePeriod>& stored,
          const QDate& end);

// The rounding of an adjustable rate's sum to `step` points.
Rate rounded(Rate value, Rounding rounding, Rate step);

// What is wrong with a terms period as typed: "" when it can be worked. The first problem only.
QString problemOf(const Period& p, const SeriesSet& series);

} // namespace RateTerms
