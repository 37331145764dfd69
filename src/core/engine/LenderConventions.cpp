#include "LenderConventions.h"

namespace Conventions {

const QStringList& dayCountWords() {
    static const QStringList words = {"act365", "actact", "act365nl", "act360", "30360"};
    return words;
}

const QStringList& roundingWords() {
    static const QStringList words = {"day4", "day2", "posting"};
    return words;
}

const QStringList& dayCountNames() {
    static const QStringList names = {"Actual/365 Fixed", "Actual/Actual", "Actual/365 No-Leap",
                                      "Actual/360", "30/360"};
    return names;
}

const QStringList& roundingNames() {
    static const QStringList names = {"Each day to four decimals", "Each day to cents",
                                      "At posting, to cents"};
    return names;
}

const QStringList& dayCountExplanations() {
    static const QStringList lines = {
        "The yearly rate divided by 365 on every day, 29 February too. The large Australian "
        "lenders.",
        "Divided by 366 on the days of a leap year, by 365 otherwise. Lenders that count a leap "
        "year's 366 days, as some British and European banks do.",
        "Divided by 365, and 29 February bears no interest. Lenders that never charge for the "
        "leap day.",
        "Divided by 360 on every day, so a year costs a little more. Many US and European "
        "commercial lenders and lines of credit.",
        "Every month counts 30 days at rate / 360: the 31st bears nothing, the last day of "
        "February makes up the month. Most US mortgage servicers.",
    };
    return lines;
}

const QStringList& roundingExplanations() {
    static const QStringList lines = {
        "Each day's interest is rounded to four decimals, then added up. The large Australian "
        "lenders.",
        "Each day's interest is rounded to whole cents, then added up. Lenders whose statements "
        "show each day's interest in cents.",
        "The days' interest is added up unrounded; only the posted total is rounded to cents. "
        "Lenders that work out a month's interest at once, as most US servicers do.",
    };
    return lines;
}

std::optional<DayCount> dayCountFromWord(const QString& word) {
    const qsizetype i = dayCountWords().indexOf(word);
    return i < 0 ? std::nullopt : std::optional<DayCount>(DayCount(i));
}

std::optional<InterestRounding> roundingFromWord(const QString& word) {
    const qsizetype i = roundingWords().indexOf(word);
    return i < 0 ? std::nullopt : std::optional<InterestRounding>(InterestRounding(i));
}

QString word(DayCount d) {
    return dayCountWords().value(int(d));
}

QString word(InterestRounding r) {
    return roundingWords().value(int(r));
}

QString name(DayCount d) {
    return dayCountNames().value(int(d));
}

QString name(InterestRounding r) {
    return roundingNames().value(int(r));
}

QString reportNote(const LenderConventions& c) {
    if (c.isDefault())
        return {};
    return QStringLiteral("Lender's conventions: %1, %2.")
        .arg(name(c.dayCount), name(c.rounding).toLower());
}

} // namespace Conventions
