#pragma once

#include <QString>

// How a column of the account file is stored and read. The schema fixes each column's kind by
// name, the same in every table.
enum class ColumnKind { Key, Money, Date, Double, Integer, Text };

ColumnKind columnKind(const QString& columnName);
