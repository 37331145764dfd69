#pragma once

#include "ImportRow.h"

#include <QString>

#include <optional>

// Quicken interchange files: the transactions of the bank, cash, card and loan registers ("D"
// date, "T" or "U" amount, "P" payee, "M" memo, "N" number, "^" end of a transaction). Other
// registers (investments, categories, memorised transactions) are passed over.
namespace QifReader {

// `order` reads the numeric dates; without one the file settles it, and when both orders read
// every date the locale's is used and the result says the file is ambiguous.
ReadResult read(const QString& text, std::optional<DateOrder> order = std::nullopt);

} // namespace QifReader
