#pragma once

#include "AccountFiles.h"

#include <QString>

struct sqlite3;

// What the program accepts as an account file: its own six tables (real tables, no views, no
// triggers), values of the kinds it reads, and a layout version it knows. A file written by
// another tool must meet the same bar, or it would later sort, sum or save wrongly.
namespace AccountSchema {

// The layout this program writes, kept in PRAGMA user_version (resources/schema.sql sets it).
// 0 is a file from another tool that holds layout 1. Layout 2 added the settings table, layout 3
// the offset account's balances and the report's Offset column, layout 4 the loan's rate terms
// and the reference series they use, layout 5 the bank's id of each imported transaction (FITID),
// so that a later file's correction can tell whether the account holds what it corrects.
constexpr int CurrentVersion = 5;

// Checks the file open on `db` (`path` names it in the message). On success `version` holds
// the file's layout version. One query per column looks for a value of the wrong kind.
FileError check(sqlite3* db, const QString& path, int* version);

// Brings a checked file of an older layout to the current one, in one transaction. Run on the
// compacted copy, so that the account itself changes only when the copy takes its place.
FileError upgrade(sqlite3* db, int fromVersion, const QString& path);

// The message for a query on the account that failed: in use, unreadable or not an account.
FileError queryError(sqlite3* db, int rc, const QString& path);
// Another program holds the account (a lock, or a -wal file it keeps open).
FileError inUse(const QString& path);

} // namespace AccountSchema
