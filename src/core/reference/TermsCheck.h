#pragma once

#include "PassOn.h"
#include "RateTerms.h"
#include "TermsStore.h"
#include "engine/ReportStore.h"

#include <QVector>

// What the loan's rate terms say of the account: the rates they owe over its history and, for
// each period of the lender's variable rate against a series, whether its changes were passed
// on. The summary window, the Rate Terms window and the report tool all ask here.
namespace TermsCheck {

// The owed rates of the stored terms over the history.
RateTerms::Owed owed(const ReportStore::CalculationInputs& in, const TermsStore::Stored& terms);

inline constexpr const char* OwedNote =
    "The interest due is worked out under the rates the loan's terms owe, not the stored rate "
    "periods.";

// Whether the owed rates can stand in for the stored ones: they cover every day of the history.
bool owedCoverHistory(const ReportStore::CalculationInputs& in, const RateTerms::Owed& owed);

// The owed rates to run the report under: nullopt, with `notices` saying why, when the account
// holds no terms or they do not owe a rate on every day of its history. Notices of the terms
// (a row that does not read, a series known only to an earlier date) join `notices` either way.
std::optional<QVector<RatePeriod>> owedRates(QSqlDatabase db, QStringList* notices);

// A period of the lender's variable rate held against a series the account holds: its days
// (`to` not valid: to the end of the history) and the lag a change may take.
struct VariableSpan {
    ReferenceSeries series;
    int lagDays = 0;
    QDate from;
    QDate to;
};
QVector<VariableSpan> variableSpans(const TermsStore::Stored& terms);

struct PassOnSection {
    ReferenceSeries series;
    int lagDays = 0;
    PassOn::Table table;
};

// A section for each variable terms period whose series the account holds, over its span.
QVector<PassOnSection> passOn(const PassOn::Calculation& c, const QVector<RatePeriod>& stored,
                              const TermsStore::Stored& terms);

// The same for the account open on `db`, under its conventions and offset account; a table that
// does not read gives none, said in `notices`.
QVector<PassOnSection> passOn(QSqlDatabase db, int method, const QString& fixedDay,
                              QStringList* notices);

} // namespace TermsCheck
