#pragma once

#include "ColumnKind.h"

#include <QString>
#include <QVariant>
#include <optional>

// How a bound control shows a column with its display format, and how it reads back what the
// user typed. Formats are the few the windows use: date patterns ("M/d/yyyy"), number patterns
// ("#,##0.00", "##,##0.00", "\"$\"#,##0.00") and "" for the value as an unformatted field shows it.
namespace FieldFormat {

// "" for an empty value.
QString display(const QVariant& value, ColumnKind kind, const QString& format);

// Reads text as the column shows it first (its display format), then as the program's own forms
// (ISO dates, plain numbers). A date is read in the one pattern the field shows, never in
// another order: its own format, or the Short Date when it has none, as grid date columns do
// (see ShortDate::parse). Empty text is an empty (null) value; nullopt when the text cannot be
// read as the column's kind. RecordSet::setValue is the one place that turns this into
// "Type mismatch".
std::optional<QVariant> parse(const QString& text, ColumnKind kind, const QString& format);

} // namespace FieldFormat
