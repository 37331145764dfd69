#pragma once

#include "RateTerms.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The account file's side of the rate terms: the terms periods (tblRateTerms) and the reference
// series they use, copied into the account (tblSeries, tblSeriesRates).
namespace TermsStore {

struct Stored {
    QVector<RateTerms::Period> terms; // by ValidFrom, then ID
    RateTerms::SeriesSet series;
    // A row that does not read (an unknown kind, a rate no rate can be) is left out and said.
    QStringList notices;
};

// An account of an older layout (the report tool reads files as they are) has no terms. False,
// with `error` saying why, when a table cannot be read.
bool read(QSqlDatabase db, Stored* stored, QString* error);

// Replaces the terms and the account's series with these, all or nothing.
bool write(QSqlDatabase db, const QVector<RateTerms::Period>& terms,
           const RateTerms::SeriesSet& series, QString* error);

} // namespace TermsStore
