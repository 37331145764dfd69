#pragma once

#include "ImportRow.h"

#include <QByteArray>
#include <QList>

#include <optional>

// ISO 20022 statements (camt.053, BkToCstmrStmt) and account reports (camt.052, BkToCstmrAcctRpt)
// of versions .001.02 to .001.08, told apart by their element names whatever the namespace, its
// prefix or the version. Each entry (Ntry) is a row, dated by its value date where it has one,
// else by its booking date; a batch booking becomes a row per transaction only when their amounts
// add up exactly to the entry's. Entries the bank has not booked (PDNG, INFO) are pending rows.
// Each statement's booked entries are checked against its opening and closing balances.
//
// The XML is read with QXmlStreamReader alone: a document type or an entity declaration refuses
// the file, nothing the file names is opened, and its size, depth and entries are bounded.
namespace CamtReader {

// True when the content is such a statement or report, whatever the file is named.
bool recognises(const QByteArray& bytes);

// The accounts of the file (Acct/Id: the IBAN, else Othr/Id; with Acct/Ccy as the type) in the
// order it first names them, each once; empty when the file does not read.
QList<StatementAccount> accounts(const QByteArray& bytes);

// The entries of `account`, an index into accounts(bytes), or of every account in the file's
// order without one. Never throws; bounded in time and memory.
ReadResult read(const QByteArray& bytes, std::optional<int> account = std::nullopt);

} // namespace CamtReader
