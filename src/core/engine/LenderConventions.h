#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

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
    EqualPeriods, // each posting period 1/n of a year whatever its length (Posting rounding only)
};

enum class InterestRounding : quint8 {
    Day4,    // each day's amount to four decimals, ties to even
    Day2,    // each day's amount to cents, ties to even
    Posting, // unrounded until the posting, whose total goes to cents half away from zero
};

// Which balance bears a day's interest: the day's own (daily), the balance on the first day of
// the posting period held for the period, or the balance on the first day of each block of
// `months` months starting in `fromMonth` (annual: 12 from January), held for the block.
struct Rest {
    enum class Kind : quint8 { Daily, PostingPeriod, Months };
    Kind kind = Kind::Daily;
    quint8 months = 12;   // Months: a block's length, 1 to 12
    quint8 fromMonth = 1; // Months: a month a block starts in, 1 to 12

    static constexpr Rest daily() { return {}; }
    static constexpr Rest postingPeriod() { return {Kind::PostingPeriod, 12, 1}; }
    static constexpr Rest blocks(int months, int fromMonth) {
        return {Kind::Months, quint8(months), quint8(fromMonth)};
    }
    static constexpr Rest annual() { return blocks(12, 1); }

    bool isDaily() const { return kind == Kind::Daily; }
    // A block starts on the first day of `month` (Months only).
    bool blockStartsIn(int month) const {
        return kind == Kind::Months && months > 0 &&
               ((month - fromMonth) % months + months) % months == 0;
    }
    friend bool operator==(const Rest&, const Rest&) = default;
};

// How the entered rate becomes the rate a day bears: as it stands, or as the nominal rate
// equivalent to it compounded half-yearly (Canadian fixed rates).
enum class Compounding : quint8 { None, HalfYearly };

struct LenderConventions {
    LenderConventions() = default;
    constexpr LenderConventions(DayCount d, InterestRounding r = InterestRounding::Day4,
                                Rest rs = {}, Compounding c = Compounding::None, int n = 12)
        : dayCount(d), rounding(r), rest(rs), compounding(c), perYear(n) {}

    DayCount dayCount = DayCount::Actual365Fixed;
    InterestRounding rounding = InterestRounding::Day4;
    Rest rest;
    Compounding compounding = Compounding::None;
    // Equal periods and half-yearly compounding: the periods a year (12 monthly, 26 fortnightly).
    int perYear = 12;

    // The periods a year count only where used: they alone never make a choice.
    bool isDefault() const {
        return dayCount == DayCount::Actual365Fixed && rounding == InterestRounding::Day4 &&
               !beyondDaily();
    }
    // A choice beyond the daily balance at the entered rate by the calendar: rest other than
    // daily, equal periods or compounding. Under the posting's rounding such a period's days are
    // added up exactly (DayInterest::Accrual).
    bool beyondDaily() const {
        return !rest.isDaily() || dayCount == DayCount::EqualPeriods ||
               compounding != Compounding::None;
    }
    // The periods a year mean something: equal periods or compounding.
    bool usesPerYear() const {
        return dayCount == DayCount::EqualPeriods || compounding != Compounding::None;
    }
    friend bool operator==(const LenderConventions&, const LenderConventions&) = default;
};

namespace Conventions {

// The day counts that weigh each day by the calendar (all but Equal periods), and all of them.
inline constexpr int CalendarDayCountCount = 5;
inline constexpr int DayCountCount = 6;
inline constexpr int RoundingCount = 3;
inline constexpr int MostPerYear = 365;

// In enum order: the words the report tool takes and the account file stores ("act365",
// "actact", "act365nl", "act360", "30360", "equal"; "day4", "day2", "posting").
const QStringList& dayCountWords();
const QStringList& roundingWords();
// In enum order: the names the user reads ("Actual/365 Fixed" ...; "Each day to four decimals"
// ...).
QStringList dayCountNames();
QStringList roundingNames();
// One line each: what the choice means and which lenders use it.
QStringList dayCountExplanations();
QStringList roundingExplanations();

std::optional<DayCount> dayCountFromWord(const QString& word);
std::optional<InterestRounding> roundingFromWord(const QString& word);
QString word(DayCount d);
QString word(InterestRounding r);
QString name(DayCount d);
QString name(InterestRounding r);

// The rest as the tool takes it and the file keeps it: "daily", "period", "months:K@M" ("annual"
// is read as "months:12@1"). nullopt for anything else.
std::optional<Rest> restFromWord(const QString& word);
QString word(const Rest& r);
// "Daily", "Posting period", "Annual", "6-month blocks from January".
QString name(const Rest& r);
// "January" for 1 ... "December" for 12, in the windows' language.
QString monthName(int month);
// The rests the searches try, in order: daily, the posting period, 12-, 6- and 3-month blocks
// from January.
const QVector<Rest>& searchedRests();
// "none", "half-yearly"; "None", "Half-yearly".
const QStringList& compoundingWords();
QStringList compoundingNames();
std::optional<Compounding> compoundingFromWord(const QString& word);
QString word(Compounding c);
QString name(Compounding c);
// The periods a year as written: a whole number 1 to MostPerYear.
std::optional<int> perYearFromWord(const QString& word);

// The choices in words, as a report names them: "Actual/Actual, each day to cents" for today's
// kinds; the rest, equal periods' n and compounding are added only when chosen ("30/360, at
// posting, to cents, annual rest").
QString describe(const LenderConventions& c);

// "Lender's conventions: Actual/Actual, each day to cents." for a report that used others than
// the defaults; "" for the defaults.
QString reportNote(const LenderConventions& c);

// Why the choices cannot be worked with together; "" when they can. Equal periods weigh a whole
// period at once, so only the posting's total can be rounded; the periods a year run 1 to
// MostPerYear.
QString refusal(const LenderConventions& c);
inline constexpr const char* EqualPeriodsNeedPosting = QT_TRANSLATE_NOOP(
    "Conventions",
    "Equal periods weigh each posting period as a whole, so only the posting can be rounded: "
    "choose the rounding \"At posting, to cents\".");

// A preset in the lender's words: the conventions it stands for and where it is used.
struct Preset {
    QString name;
    QString usedBy;
    LenderConventions conventions;
};
QVector<Preset> presets();

// The names under which the account's settings table keeps the choices.
inline constexpr const char* DayCountSetting = "DayCount";
inline constexpr const char* RoundingSetting = "InterestRounding";
inline constexpr const char* RestSetting = "InterestRest";
inline constexpr const char* CompoundingSetting = "Compounding";
inline constexpr const char* PerYearSetting = "PeriodsAYear";

} // namespace Conventions
