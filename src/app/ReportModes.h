#pragma once

#include "ReportOptions.h"
#include "engine/CalculationBasis.h"
#include "run/AccountSnapshot.h"

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// What vantrell-report prints without a run of the report (the ranking of the lender's ways, the
// rates proposed from its charges, the series, the pass-on of --reference), and how the tool says
// its problems, for every mode alike.
namespace ReportModes {

enum Exit { Written = 0, UsageError = 1, Unreadable = 2 };

// The problem on standard error after the tool's name (with the usage for a usage error); the
// exit status to return.
int usageError(const QString& problem);
int unreadable(const QString& problem);
// A file the core could not write, said as the tool's problems are, in lower case after its name.
QString toolCase(const QString& error);

void printNotices(const QStringList& notices);
void printOut(const QByteArray& out);

// Every combination of method, day and convention, best first.
int printFit(const ReportOptions::Options& o, const AccountSnapshot& snapshot,
             const QStringList& inputNotices);
// The rate periods proposed from the lender's charges under `basis` (or every way).
int printProposal(const ReportOptions::Options& o, const AccountSnapshot& snapshot,
                  const CalculationBasis& basis, QStringList notices);
// The shipped series, and the account's own when one is given (its working copy `copy`).
int printSeriesList(const ReportOptions::Options& o);
// The pass-on table of --reference.
int printPassOn(const ReportOptions::Options& o, QSqlDatabase db, const AccountSnapshot& snapshot,
                const CalculationBasis& basis, QStringList notices);

} // namespace ReportModes
