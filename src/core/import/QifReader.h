#pragma once

#include "ImportRow.h"

#include <QList>
#include <QString>

#include <optional>

// Quicken interchange files: the transactions of the bank, cash, card and loan registers ("D"
// date, "T" or "U" amount, "P" payee, "M" memo, "N" number, "^" end of a transaction). Other
// registers (investments, categories, memorised transactions) are passed over.
//
// A file may hold several accounts: an "!Account" block ("N" name, "T" type, "^") names the
// account whose "!Type:" registers follow, and between "!Option:AutoSwitch" and
// "!Clear:AutoSwitch" an "!Account" block lists accounts without switching to any. The rows of
// different accounts are never read together: when needsChoice() says the file has transactions
// of several accounts, the caller lists them with accounts(), lets the user choose one, and reads
// that one alone.
namespace QifReader {

// Its name as the file writes it ("" for transactions before any account is named), its type
// ("Bank", "CCard", "Oth L", "Invst" ...: the account's "T", else its register's) and its
// transactions that read() reads, good or bad.
using Account = StatementAccount;

// The accounts of the file in the order it first names them, each once (names match without
// regard to case). Transactions before any "!Account" block make an unnamed account. A file
// without "!Account" blocks gives one unnamed account, or none when it has no transactions.
QList<Account> accounts(const QString& text);

// True when more than one named account has transactions: read() then needs one chosen. Rows
// before the first "!Account" block go with a file's only named account, as they always have.
bool needsChoice(const QList<Account>& accounts);

// `order` reads the numeric dates; without one the file settles it, and when both orders read
// every date the locale's is used and the result says the file is ambiguous. `account`, an index
// into accounts(text), reads only that account's transactions; without it the file is read
// whole, and refused when needsChoice() says the accounts have to be told apart.
ReadResult read(const QString& text, std::optional<DateOrder> order = std::nullopt,
                std::optional<int> account = std::nullopt);

} // namespace QifReader
