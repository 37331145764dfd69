#pragma once

#include "SetCheck.h"
#include "complaint/Complaint.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// One complaint for a split loan: each part's postings charged above their due and its
// repayments short of the terms', with what was found across the parts (an offset linked to the
// wrong part), in one letter and one evidence pack.
namespace SetComplaint {

struct Case {
    QVector<Complaint::Case> parts; // each checked part's, in the set's order
    QStringList names;              // their parts' names
    QStringList acrossParts;        // the letter's paragraphs on the offsets across the parts
};

// Each checked part's complaint prepared as for an account alone (run the check with
// Options::recordWorking for the evidence's workings). nullopt, with `error`, when no part was
// checked or a part's complaint cannot be prepared.
std::optional<Case> prepare(const SetCheck::Result& r, QString* error);

// Why no letter can be written ("" when one can): no part has a posting raised or a repayment
// short, and no offset was linked to the wrong part.
QString noLetter(const Case& c);

QString letterText(const Case& c, const QString& evidenceName);
bool writeLetter(const Case& c, const QString& path, const QString& evidenceName, QString* error);
bool writeEvidence(const Case& c, const QString& path, QString* error);

} // namespace SetComplaint
