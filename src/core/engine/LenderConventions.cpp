#include "LenderConventions.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace Conventions {

const QStringList& dayCountWords() {
    static const QStringList words = {"act365", "actact", "act365nl", "act360", "30360", "equal"};
    return words;
}

const QStringList& roundingWords() {
    static const QStringList words = {"day4", "day2", "posting"};
    return words;
}

namespace {

const char* const DayCountNames[] = {QT_TRANSLATE_NOOP("Conventions", "Actual/365 Fixed"),
                                     QT_TRANSLATE_NOOP("Conventions", "Actual/Actual"),
                                     QT_TRANSLATE_NOOP("Conventions", "Actual/365 No-Leap"),
                                     QT_TRANSLATE_NOOP("Conventions", "Actual/360"),
                                     QT_TRANSLATE_NOOP("Conventions", "30/360"),
                                     QT_TRANSLATE_NOOP("Conventions", "Equal periods")};
const char* const RoundingNames[] = {QT_TRANSLATE_NOOP("Conventions", "Each day to four decimals"),
                                     QT_TRANSLATE_NOOP("Conventions", "Each day to cents"),
                                     QT_TRANSLATE_NOOP("Conventions", "At posting, to cents")};
// The rounding within a sentence of the report's note.
const char* const RoundingInSentence[] = {
    QT_TRANSLATE_NOOP("Conventions", "each day to four decimals"),
    QT_TRANSLATE_NOOP("Conventions", "each day to cents"),
    QT_TRANSLATE_NOOP("Conventions", "at posting, to cents")};
const char* const CompoundingNames[] = {QT_TRANSLATE_NOOP("Conventions", "None"),
                                        QT_TRANSLATE_NOOP("Conventions", "Half-yearly")};

template <std::size_t N> QStringList translated(const char* const (&texts)[N]) {
    QStringList list;
    for (const char* t : texts)
        list << QCoreApplication::translate("Conventions", t);
    return list;
}

} // namespace

QStringList dayCountNames() {
    return translated(DayCountNames);
}

QStringList roundingNames() {
    return translated(RoundingNames);
}

QStringList dayCountExplanations() {
    return {
        QCoreApplication::translate(
            "Conventions",
            "The yearly rate divided by 365 on every day, 29 February too. The large Australian "
            "lenders."),
        QCoreApplication::translate("Conventions",
                                    "Divided by 366 on the days of a leap year, by 365 otherwise. "
                                    "Lenders that count a leap "
                                    "year's 366 days, as some British and European banks do."),
        QCoreApplication::translate(
            "Conventions",
            "Divided by 365, and 29 February bears no interest. Lenders that never charge for the "
            "leap day."),
        QCoreApplication::translate(
            "Conventions",
            "Divided by 360 on every day, so a year costs a little more. Many US and European "
            "commercial lenders and lines of credit."),
        QCoreApplication::translate(
            "Conventions",
            "Every month counts 30 days at rate / 360: the 31st bears nothing, the last day of "
            "February makes up the month. Most US mortgage servicers."),
        QCoreApplication::translate(
            "Conventions",
            "Each posting period is the same share of a year (1/12 for monthly postings) whatever "
            "its length; its days share it equally. Canadian lenders, and the rate / 12 of the "
            "Australian credit code."),
    };
}

QStringList roundingExplanations() {
    return {
        QCoreApplication::translate(
            "Conventions",
            "Each day's interest is rounded to four decimals, then added up. The large Australian "
            "lenders."),
        QCoreApplication::translate("Conventions", "Each day's interest is rounded to whole cents, "
                                                   "then added up. Lenders whose statements "
                                                   "show each day's interest in cents."),
        QCoreApplication::translate(
            "Conventions",
            "The days' interest is added up unrounded; only the posted total is rounded to cents. "
            "Lenders that work out a month's interest at once, as most US servicers do."),
    };
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

std::optional<Rest> restFromWord(const QString& word) {
    if (word == QLatin1String("daily"))
        return Rest::daily();
    if (word == QLatin1String("period"))
        return Rest::postingPeriod();
    if (word == QLatin1String("annual"))
        return Rest::annual();
    static const QRegularExpression blocks(QStringLiteral("^months:([0-9]{1,2})@([0-9]{1,2})$"));
    const QRegularExpressionMatch m = blocks.match(word);
    if (!m.hasMatch())
        return std::nullopt;
    const int months = m.captured(1).toInt();
    const int from = m.captured(2).toInt();
    if (months < 1 || months > 12 || from < 1 || from > 12)
        return std::nullopt;
    return Rest::blocks(months, from);
}

QString word(const Rest& r) {
    switch (r.kind) {
    case Rest::Kind::Daily:
        return QStringLiteral("daily");
    case Rest::Kind::PostingPeriod:
        return QStringLiteral("period");
    case Rest::Kind::Months:
        break;
    }
    return QStringLiteral("months:%1@%2").arg(r.months).arg(r.fromMonth);
}

QString monthName(int month) {
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Conventions", "January"),
        QT_TRANSLATE_NOOP("Conventions", "February"),
        QT_TRANSLATE_NOOP("Conventions", "March"),
        QT_TRANSLATE_NOOP("Conventions", "April"),
        //: the month
        QT_TRANSLATE_NOOP("Conventions", "May"),
        QT_TRANSLATE_NOOP("Conventions", "June"),
        QT_TRANSLATE_NOOP("Conventions", "July"),
        QT_TRANSLATE_NOOP("Conventions", "August"),
        QT_TRANSLATE_NOOP("Conventions", "September"),
        QT_TRANSLATE_NOOP("Conventions", "October"),
        QT_TRANSLATE_NOOP("Conventions", "November"),
        QT_TRANSLATE_NOOP("Conventions", "December"),
    };
    return month >= 1 && month <= 12 ? QCoreApplication::translate("Conventions", names[month - 1])
                                     : QString();
}

QString name(const Rest& r) {
    switch (r.kind) {
    case Rest::Kind::Daily:
        return QCoreApplication::translate("Conventions", "Daily");
    case Rest::Kind::PostingPeriod:
        return QCoreApplication::translate("Conventions", "Posting period");
    case Rest::Kind::Months:
        break;
    }
    if (r == Rest::annual())
        return QCoreApplication::translate("Conventions", "Annual");
    return QCoreApplication::translate("Conventions", "%1-month blocks from %2")
        .arg(r.months)
        .arg(monthName(r.fromMonth));
}

const QVector<Rest>& searchedRests() {
    static const QVector<Rest> rests = {Rest::daily(), Rest::postingPeriod(), Rest::annual(),
                                        Rest::blocks(6, 1), Rest::blocks(3, 1)};
    return rests;
}

const QStringList& compoundingWords() {
    static const QStringList words = {"none", "half-yearly"};
    return words;
}

QStringList compoundingNames() {
    return translated(CompoundingNames);
}

std::optional<Compounding> compoundingFromWord(const QString& word) {
    const qsizetype i = compoundingWords().indexOf(word);
    return i < 0 ? std::nullopt : std::optional<Compounding>(Compounding(i));
}

QString word(Compounding c) {
    return compoundingWords().value(int(c));
}

QString name(Compounding c) {
    return compoundingNames().value(int(c));
}

std::optional<int> perYearFromWord(const QString& word) {
    bool ok = false;
    const int n = word.toInt(&ok);
    if (!ok || n < 1 || n > MostPerYear || word != QString::number(n))
        return std::nullopt;
    return n;
}

QString describe(const LenderConventions& c) {
    QStringList parts;
    parts << (c.dayCount == DayCount::EqualPeriods
                  ? QCoreApplication::translate("Conventions", "%1 (%2 a year)")
                        .arg(name(c.dayCount))
                        .arg(c.perYear)
                  : name(c.dayCount));
    const int rounding = int(c.rounding);
    if (rounding >= 0 && rounding < int(std::size(RoundingInSentence)))
        parts << QCoreApplication::translate("Conventions", RoundingInSentence[rounding]);
    if (c.rest == Rest::annual())
        parts << QCoreApplication::translate("Conventions", "annual rest");
    else if (c.rest.kind == Rest::Kind::PostingPeriod)
        parts << QCoreApplication::translate("Conventions", "rest: posting period");
    else if (!c.rest.isDaily())
        parts << QCoreApplication::translate("Conventions", "rest: %1-month blocks from %2")
                     .arg(c.rest.months)
                     .arg(monthName(c.rest.fromMonth));
    if (c.compounding == Compounding::HalfYearly)
        parts << QCoreApplication::translate("Conventions",
                                             "compounded half-yearly (%1 periods a year)")
                     .arg(c.perYear);
    return parts.join(QStringLiteral(", "));
}

QString reportNote(const LenderConventions& c) {
    if (c.isDefault())
        return {};
    return QCoreApplication::translate("Conventions", "Lender's conventions: %1.").arg(describe(c));
}

QString refusal(const LenderConventions& c) {
    if (c.dayCount == DayCount::EqualPeriods && c.rounding != InterestRounding::Posting)
        return QCoreApplication::translate("Conventions", EqualPeriodsNeedPosting);
    if (c.perYear < 1 || c.perYear > MostPerYear)
        return QCoreApplication::translate(
                   "Conventions", "The periods a year must be a whole number from 1 to %1.")
            .arg(MostPerYear);
    if (c.rest.kind == Rest::Kind::Months &&
        (c.rest.months < 1 || c.rest.months > 12 || c.rest.fromMonth < 1 || c.rest.fromMonth > 12))
        return QCoreApplication::translate(
            "Conventions", "A rest's blocks run 1 to 12 months, from a month 1 to 12.");
    return {};
}

QVector<Preset> presets() {
    constexpr InterestRounding Posting = InterestRounding::Posting;
    constexpr LenderConventions monthly{DayCount::Thirty360, Posting, Rest::postingPeriod()};
    constexpr LenderConventions annual{DayCount::Thirty360, Posting, Rest::annual()};
    constexpr LenderConventions canadian{DayCount::EqualPeriods, Posting, Rest::postingPeriod(),
                                         Compounding::HalfYearly};
    constexpr LenderConventions equalMonths{DayCount::EqualPeriods, Posting};
    // Built on each use, in the windows' language.
    const QVector<Preset> list = {
        {QCoreApplication::translate("Conventions", "Daily interest"),
         QCoreApplication::translate(
             "Conventions", "Australia, New Zealand, Ireland and the UK's daily-interest loans."),
         LenderConventions()},
        {QCoreApplication::translate("Conventions", "Monthly rest, 1/12 a month"),
         QCoreApplication::translate(
             "Conventions", "US mortgages, German Annuitätendarlehen, the UK's monthly-rest loans, "
                            "Canadian variable rates."),
         monthly},
        {QCoreApplication::translate("Conventions", "Annual rest"),
         QCoreApplication::translate("Conventions",
                                     "UK building societies, some Irish lenders, the German annual "
                                     "Tilgungsverrechnung."),
         annual},
        {QCoreApplication::translate("Conventions", "Canadian fixed rate"),
         QCoreApplication::translate(
             "Conventions",
             "Canadian fixed-rate mortgages: the rate compounded half-yearly, not in "
             "advance."),
         canadian},
        {QCoreApplication::translate("Conventions", "Equal months on daily balances"),
         QCoreApplication::translate(
             "Conventions", "New Zealand's BNZ before May 2024; the rate / 12 on the average daily "
                            "balance of the Australian credit code."),
         equalMonths},
    };
    return list;
}

} // namespace Conventions
