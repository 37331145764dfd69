#pragma once

#include "CsvLayout.h"
#include "CsvReader.h"
#include "data/Money.h"

#include <QString>
#include <QStringView>

#include <optional>

// A CSV record's cells as the reader and its layout detection both read them.
namespace CsvCells {

// "Pending" or the like where a date belongs: a transaction the bank has not posted yet.
bool isPendingText(QStringView text);
// A line whose only text is such a word: the heading of the pending transactions under it.
bool isPendingHeading(const QList<QStringView>& fields);

// What a column of its own says of an amount's sign: CR, DR, C, D, Credit, Debit, Bij, Af,
// Haben, Soll, H, S, or a transaction code that ends in + or -.
enum class Marker : quint8 { None, Credit, Debit, Unknown };
Marker markerOf(QStringView text);
// The amount with the sign its marker gives: credit in, debit out, none as the amount has it.
Money marked(Money amount, Marker marker);

// The cell of `column`; empty past the record's end or for -1.
QStringView cell(const CsvRecord& r, int column);
// The amount of a record in the layout: signed, or credit less debit.
std::optional<Money> amountOf(const CsvRecord& r, const CsvLayout& l);
// The description with the columns that continue it, each simplified, joined by a blank.
QString descriptionOf(const CsvRecord& r, const CsvLayout& l);

// "the day first", "the month first".
QString orderName(DateOrder order);

} // namespace CsvCells
