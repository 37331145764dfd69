#pragma once

#include "ImportRow.h"

#include <QByteArray>
#include <QList>

#include <optional>

// SWIFT MT940 account statements and MT942 interim reports, as banks in Europe export them: tagged
// fields (":25:" the account, ":60F:" the opening balance, ":61:" an entry and its ":86:"
// details, ":62F:" the closing balance), in plain lines, in SWIFT blocks ("{4:" ... "-}") or
// between SOH and ETX, several statements and accounts to a file. An entry is dated by its value
// date, from which interest runs. A statement whose entries do not take its opening balance to
// its closing one is said so, and then no row is given a balance.
//
// The text is UTF-8 when it is valid UTF-8, else ISO 8859-1 or code page 852 (Polish banks),
// whichever gives more letters.
namespace Mt940Reader {

// True when the content is this format (its tagged lines, whatever the file is called).
bool recognises(const QByteArray& bytes);

// The accounts of the file in the order it first names them, each once ("name" is the ":25:"
// field, "type" the currency of its balances).
QList<StatementAccount> accounts(const QByteArray& bytes);

// The entries of `account` (an index into accounts()), or of every account in the file's order
// when nullopt. Never throws; bounded in time and memory by the file's size.
ReadResult read(const QByteArray& bytes, std::optional<int> account = std::nullopt);

} // namespace Mt940Reader
