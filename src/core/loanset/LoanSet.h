#pragma once

#include "engine/InterestMethod.h"

#include <QString>
#include <QVector>

#include <optional>

// A split loan: several parts of one loan, each an account file of its own (its statements,
// rates, conventions, terms and offset account), named in a small JSON file a person can read:
//
//   {"format": "vantrell-loan-set", "version": 1, "name": "Home loan",
//    "parts": [{"name": "Variable", "account": "Variable.mdb", "method": 2},
//              {"name": "Fixed 3 years", "account": "Fixed.mdb"}]}
//
// An account is named relative to the set's folder (or absolutely); a part's method is the one
// its report runs (absent: none chosen yet).
namespace LoanSet {

inline constexpr const char* Suffix = "vloan";
inline constexpr int MostParts = 12;
// No set file is larger: a bigger one is not read.
inline constexpr qint64 MostBytes = 256 * 1024;

struct Part {
    QString name;
    QString account; // as the set file writes it
    std::optional<InterestMethod::Code> method;
    friend bool operator==(const Part&, const Part&) = default;
};

struct Set {
    QString name;
    QVector<Part> parts;
    friend bool operator==(const Set&, const Set&) = default;
};

// Why a set cannot stand, "" when it can: no name, no part, more than MostParts, a part without
// a name or an account, two parts of one name or one account.
QString refusal(const Set& s);

// nullopt, with `error` saying why, for a file that is not a readable set.
std::optional<Set> read(const QString& path, QString* error);
// Written whole or not at all, never over an account file or through a link.
bool write(const QString& path, const Set& s, QString* error);

// The part's account file as a full path, from the set file's folder.
QString accountPath(const QString& setPath, const Part& p);
// An account's path as the set file at `setPath` names it: relative where it lies in or under
// the set's folder.
QString accountName(const QString& setPath, const QString& account);

} // namespace LoanSet
