#pragma once

#include "ImportRow.h"

#include <QByteArray>
#include <QString>

// A bank's statement file as the import opens it: read whole, told apart by content first (an
// <OFX> element, a QIF "!" header, an ISO 20022 camt document, MT940 tags) and by its name's
// extension second, so that a file whose
// content is not what its name claims is read as what it is, or refused with a message that says
// so.
namespace StatementFile {

// Larger files are refused before they are read: a statement of a home loan is a few hundred rows.
inline constexpr qint64 MaxBytes = 32 * 1024 * 1024;
// And a CSV or QIF file of more lines than this: each line read costs a few hundred bytes of
// memory beyond its text, so a file of short lines within MaxBytes could take gigabytes. Decades
// of daily transactions are a small part of it.
inline constexpr qsizetype MaxLines = 500'000;

// The filter of the file dialog, in Dialogs' "description|patterns" form.
QString dialogFilter();

struct Loaded {
    StatementFormat format = StatementFormat::Csv;
    QByteArray bytes; // for OFX, camt and MT940; empty for CSV and QIF, which keep their text alone
    QString text;     // decoded, for CSV and QIF
    QString error;
};
// Only a regular file (a link is followed to one) is read, and never past MaxBytes: a device or a
// pipe has no end to read to.
Loaded load(const QString& path);

// The format of `bytes`, read from a file named `fileName`.
StatementFormat formatOf(const QByteArray& bytes, const QString& fileName);

} // namespace StatementFile
