#pragma once

#include "reference/RateTerms.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// The reference series and rate terms the report tool's command line names, read into the
// account's working copy: the account itself is never written.
namespace ReportTerms {

// The series `name` gives (--reference, a terms period's series): a file of dates and rates, a
// series the account holds or a shipped one. nullopt with `problem` saying why; `usage` is set
// when no series has that name.
std::optional<ReferenceSeries> series(const QString& name, QSqlDatabase db, QString* problem,
                                      bool* usage);

// One --terms period: "from=DATE,kind=KIND" and the fields of its kind, NAME=VALUE between
// commas, read with the words and rates the account file uses. Its series is left as named.
// nullopt with `problem` saying what is wrong.
std::optional<RateTerms::Period> readPeriod(const QString& text, QString* problem);

// The --terms periods, their series found, checked as the Rate Terms window checks a period,
// then kept in the working copy `db` in place of the account's terms: "" when done, else why not.
QString useGiven(const QStringList& given, QSqlDatabase db);

} // namespace ReportTerms
