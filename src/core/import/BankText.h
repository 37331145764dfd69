#pragma once

#include "ImportRow.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Reading the texts banks write into their files: dates in any of the usual spellings, amounts
// with signs, brackets, symbols and group separators, and the files' own encodings. The bank's
// spelling, not the user's locale, decides; nothing here depends on QLocale.
namespace BankText {

// "05/01/2024", "5-1-24", "2024-01-05", "20240105", "05 Jan 24", "Jan 5, 2024", "Fri 05 Jan
// 2024", QIF's "1/5'24" and "8/31' 0", each with or without a time of day after it. `order` says
// whether a numeric date has its day or its month first; four-digit years in front and month
// names read the same in either. Two-digit years are 2000 to 2069 and 1970 to 1999; after an
// apostrophe a year of one or two digits counts from 2000 ("' 0" 2000, "'99" 2099), and a year of
// three digits counts from 1900 ("03/25/099" is 25 March 1999). Invalid QDate
// for anything else, and for dates outside years 1 to 9999.
QDate parseDate(QStringView text, DateOrder order);

// How a date text reads in each order.
struct OrderFit {
    bool dayFirst = false;
    bool monthFirst = false;
    bool differ = false; // both read, to different dates
};
OrderFit fitOrders(QStringView text);

// No amount or balance of a loan account reaches a trillion: a value read from a bank's file at
// or beyond it is refused, so that every sum of such values stays far inside 64 bits.
inline constexpr qint64 AccountLimitRaw = 1'000'000'000'000LL * Money::Scale;
constexpr bool fitsAnAccount(Money value) {
    return value.raw() > -AccountLimitRaw && value.raw() < AccountLimitRaw;
}

// An amount as the bank writes it: an optional sign ('-', '+', '−', a trailing '-', brackets,
// a "CR"/"DR" suffix), an optional currency symbol, group separators between digits and
// `decimal` ('.' or ',') as the point. Rounded half away from zero to cents. nullopt for empty
// text, junk and values no loan account holds (fitsAnAccount).
std::optional<Money> parseAmount(QStringView text, QChar decimal);

// The decimal point the amounts of a file use: ',' when more amount-like texts end in a comma and
// one or two digits than in a point and one or two digits; '.' otherwise.
QChar detectDecimal(const QStringList& samples);

// The order the user's own dates have (the Short Date pattern's): what an ambiguous file is read in
// until the user says otherwise.
DateOrder localeOrder();

// The text of a file: UTF-8 (with or without BOM), UTF-16 with a BOM, else Windows-1252. nullopt
// when the bytes are not text (a NUL byte outside UTF-16).
std::optional<QString> decode(const QByteArray& bytes);

// The description of the bank's reversal of an earlier entry ("Reversal: ..."): kept in the
// account's history, so the same whatever the windows' language.
QString reversal(const QString& description);

} // namespace BankText
