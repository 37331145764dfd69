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

// Reads what a field shows: in `displayFormat` when given (a grid column's own format),
// then in the Short Date pattern, then as ISO "yyyy-MM-dd". Surrounding whitespace is
// ignored, and a one-digit day or month is read where the pattern has two ("5.1.2024"
// for "dd.MM.yyyy"). Years must have the pattern's four digits. Invalid QDate on failure.
QDate parse(const QString& text, const QString& displayFormat = QString());

// Formats with the Short Date and reads back: how the program makes dates comparable as
// calendar days. Invalid stays invalid, and so does a date whose year has more than the
// pattern's four digits.
QDate normalise(const QDate& date);

// Storage form: exactly "yyyy-MM-dd". An invalid date gives "", and anything else than
// a real date in that form gives an invalid QDate.
QString toIso(const QDate& date);
QDate fromIso(const QString& text);

} // namespace ShortDate
