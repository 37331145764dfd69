#pragma once

#include "engine/InterestMethod.h"

#include <QString>
#include <QStringList>

#include <functional>

#include <optional>

// A part of a split loan made from the bank's file of its own: a new account, the file's whole
// history imported into it as the history import makes it, and its rates proposed from the
// lender's charges under the way of working that reproduces most of them, stored as the
// proposal stores them.
namespace PartImport {

struct Made {
    QString account; // the account file made
    // The method the proposal found; none when no rate could be read from the charges (the
    // borrower then enters the rates in the part's account).
    std::optional<InterestMethod::Code> method;
    QStringList notes; // what the import and the proposal said
};

// A file name for the part's account in `folder`: "<set> - <part>.mdb", with " (2)", " (3)"...
// before the suffix when the name is taken; characters a file name cannot hold become '-'.
QString freshAccountPath(const QString& folder, const QString& setName, const QString& partName);

// Asked, before anything is written, whether the file is imported when something says it may
// not be the loan's (`caution`): false stops.
using GoOn = std::function<bool(const QString& caution)>;

// The account `account` (which must not exist) made from the template, `bankFile` imported
// into it and the rates proposed. nullopt, with `error` saying why and no account left behind,
// when the file cannot be imported or `goOn` stops it.
std::optional<Made> make(const QString& bankFile, const QString& account, const GoOn& goOn,
                         QString* error);

} // namespace PartImport
