#pragma once

#include "data/Money.h"
#include "data/Rate.h"
#include "engine/LenderConventions.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// The loan's repayment terms: when the repayments fall due, over how long, how often, the
// periods of interest only, and how the lender rounds a repayment. An account without them
// (no first repayment) is checked for its interest alone.
namespace Repayments {

enum class Frequency : quint8 { Monthly, Fortnightly, Weekly };
// How the lender rounds the repayment it works out: to the nearest cent (half away from zero),
// up to the cent, up to the dollar.
enum class Rounding : quint8 { NearestCent, UpToCent, UpToDollar };
// How the term is given: the last repayment's date, the number of repayments, or (Germany, the
// Netherlands) an initial repayment rate, which fixes the repayment until the rate changes.
enum class TermKind : quint8 { LastRepayment, Count, InitialRate };

// A period of interest only, to and including its last day.
struct InterestOnly {
    QDate from;
    QDate to;
    friend bool operator==(const InterestOnly&, const InterestOnly&) = default;
};

struct Terms {
    QDate firstRepayment; // not valid: the account has no terms
    TermKind termKind = TermKind::Count;
    QDate lastRepayment; // TermKind::LastRepayment
    int count = 0;       // TermKind::Count
    Rate initialRate;    // TermKind::InitialRate: per cent a year of the amount
    Frequency frequency = Frequency::Monthly;
    QVector<InterestOnly> interestOnly;
    std::optional<Money> stated; // the repayment the lender stated at the start, shown beside
    Rounding rounding = Rounding::NearestCent;
    QVector<qint64> unticked; // deposits of the history not to take as repayments

    bool isSet() const { return firstRepayment.isValid(); }
    bool interestOnlyOn(const QDate& date) const;
    friend bool operator==(const Terms&, const Terms&) = default;
};

// No term the window or the tool takes runs past this many repayments (50 years weekly).
inline constexpr int MostRepayments = 2600;

// 12, 26, 52.
int perYear(Frequency f);
// "monthly", "fortnightly", "weekly" (the settings' and the tool's words) and the window's
// "Monthly", "Fortnightly", "Weekly".
QString word(Frequency f);
std::optional<Frequency> frequencyFromWord(const QString& word);
QStringList frequencyNames();
// "nearest-cent", "up-cent", "up-dollar" and "To the nearest cent", "Up to the cent",
// "Up to the dollar".
QString word(Rounding r);
std::optional<Rounding> roundingFromWord(const QString& word);
QStringList roundingNames();

// Why the terms cannot stand, "" when they can: a first repayment without a term, a last
// repayment before the first, a count or initial rate out of range, an interest-only period
// that ends before it starts or overlaps another, a stated repayment not above zero.
QString refusal(const Terms& t);

// The repayment dates of the term, in order: monthly on the first repayment's day (the month's
// last where it has fewer), fortnightly or weekly from it. Under an initial repayment rate the
// term is open: the dates run to `most`.
QVector<QDate> schedule(const Terms& t, int most = MostRepayments);
// The k-th repayment date from the first (k = 0), past the term too.
QDate repaymentDate(const Terms& t, int k);

// The rate a repayment period bears: the yearly rate over the periods a year, or under
// half-yearly compounding the rate whose periods compound to it: (1 + r/200)^(2/n) - 1.
long double periodicRate(Rate rate, Frequency f, Compounding c);
// A worked-out repayment rounded as the terms say; nullopt outside the range of amounts.
std::optional<Money> rounded(long double amount, Rounding r);
// The level repayment that repays `balance` over `n` repayments at `periodic` a period:
// balance x i / (1 - (1 + i)^-n), rounded; nullopt for n below 1 or out of range.
std::optional<Money> level(Money balance, long double periodic, int n, Rounding r);
// How many repayments of `repayment` repay `balance` at `periodic` a period; nullopt when it
// never does (the repayment no more than the interest).
std::optional<int> repaymentsNeeded(Money balance, long double periodic, Money repayment);
// What is left of `balance` after `n` repayments of `repayment` at `periodic` a period, each
// period's interest in cents (below zero: repaid with this much over).
std::optional<Money> leftAfter(Money balance, long double periodic, Money repayment, int n);

// The formula as the window and the manual say it.
QString formula();

// The terms kept in the account's settings: none where the account has none. A stored value
// that does not read, or terms that cannot stand, leave none and say so in `notice`.
Terms read(QSqlDatabase db, QString* notice);
// Stores the terms (terms not set clear them); false, with `error`, when they cannot stand or
// the write fails.
bool write(QSqlDatabase db, const Terms& t, QString* error);

} // namespace Repayments
