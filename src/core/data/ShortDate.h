#pragma once

#include <QDate>
#include <QString>

// Dates as the program shows, reads and stores them. Every conversion uses QLocale()
// (the default locale), so a test's QLocale::setDefault reaches them all.
namespace ShortDate {

// The program's "Short Date": the locale's numeric short pattern with a four-digit year
// (en_US "M/d/yy" becomes "M/d/yyyy"). A locale whose short pattern names the month or
// day (C, POSIX: "d MMM yyyy") uses "d/MM/yyyy".
QString pattern();

// The date in the Short Date pattern; "" for an invalid date.
QString format(const QDate& date);

// Reads what a field shows: in `displayFormat` when the field has one of its own, else in
// the Short Date pattern; then as ISO "yyyy-MM-dd", whose year-first order cannot be
// mistaken. Never in another pattern: "05/04/2023" is 5 April where the user writes the day
// first, and a text the pattern cannot read is refused rather than guessed in another order.
// Surrounding whitespace is ignored, and a one-digit day or month is read where the pattern
// has two ("5.1.2024" for "dd.MM.yyyy"). Years have four digits, 1 to 9999 ("1/1/-2024" is
// refused). Invalid QDate on failure.
QDate parse(const QString& text, const QString& displayFormat = QString());

// A real date whose year has four digits, 1 to 9999: the dates the program reads, shows and
// stores (ISO text has no form for the others).
bool inRange(const QDate& date);

// Formats with the Short Date and reads back: how the program makes dates comparable as
// calendar days. Invalid stays invalid, and so does a date whose year has more than the
// pattern's four digits.
QDate normalise(const QDate& date);

// Storage form: exactly "yyyy-MM-dd". An invalid date gives "", and anything else than
// a real date in that form gives an invalid QDate.
QString toIso(const QDate& date);
QDate fromIso(const QString& text);

} // namespace ShortDate
