#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// How the lender turns a yearly rate into a day's interest, and when it rounds. The defaults are
// the engine's own rules (rate / 365 every day, each day's amount to four decimals): with them
// every figure of a report stays what it always was.
enum class DayCount : quint8 {
    Actual365Fixed,  // rate / 365 every day, 29 February included
    ActualActual,    // rate / 366 on the days of a leap year, / 365 otherwise
    Actual365NoLeap, // rate / 365, and 29 February accrues nothing
    Actual360,       // rate / 360 every day
    Thirty360,       // 30-day months: the 31st accrues nothing, the last of February up to the 30th
};

enum class InterestRounding : quint8 {
    Day4,    // each day's amount to four decimals, ties to even
    Day2,    // each day's amount to cents, ties to even
    Posting, // unrounded until the posting, whose total goes to cents half away from zero
};

struct LenderConventions {
    DayCount dayCount = DayCount::Actual365Fixed;
    InterestRounding rounding = InterestRounding::Day4;

    bool isDefault() const { return *this == LenderConventions(); }
    friend bool operator==(const LenderConventions&, const LenderConventions&) = default;
};

namespace Conventions {

inline constexpr int DayCountCount = 5;
inline constexpr int RoundingCount = 3;

// In enum order: the words the report tool takes and the account file stores ("act365",
// "actact", "act365nl", "act360", "30360"; "day4", "day2", "posting").
const QStringList& dayCountWords();
const QStringList& roundingWords();
// In enum order: the names the user reads ("Actual/365 Fixed" ...; "Each day to four decimals"
// ...).
const QStringList& dayCountNames();
const QStringList& roundingNames();
// One line each: what the choice means and which lenders use it.
const QStringList& dayCountExplanations();
const QStringList& roundingExplanations();

std::optional<DayCount> dayCountFromWord(const QString& word);
std::optional<InterestRounding> roundingFromWord(const QString& word);
QString word(DayCount d);
QString word(InterestRounding r);
QString name(DayCount d);
QString name(InterestRounding r);

// "Lender's conventions: Actual/Actual, each day to cents." for a report that used others than
// the defaults; "" for the defaults.
QString reportNote(const LenderConventions& c);

// The names under which the account's settings table keeps the two choices.
inline constexpr const char* DayCountSetting = "DayCount";
inline constexpr const char* RoundingSetting = "InterestRounding";

} // namespace Conventions
