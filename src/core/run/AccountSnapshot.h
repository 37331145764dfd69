#pragma once

#include "complaint/ComplaintDetails.h"
#include "engine/AccountStore.h"
#include "engine/CalcDay.h"
#include "reference/TermsStore.h"
#include "repayment/RepaymentTerms.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>

// Everything one run of the report reads of the account, read once: the calculation's inputs,
// the loan's rate terms and the series they use, the complaint's details, the calculation day in
// force and which rate periods were proposed. A plain value: a test builds one without a file.
struct AccountSnapshot {
    AccountStore::CalculationInputs inputs; // its notices: the settings that did not read
    // The rate terms; nullopt, with `termsError` saying why, when their tables do not read.
    std::optional<TermsStore::Stored> terms;
    QString termsError;
    ComplaintDetails details;
    Repayments::Terms repaymentTerms; // not set: none, or none that read (said in the notices)
    std::optional<CalcDay::Day> dayInForce; // the last tblCalcTo row; nullopt for none
    QStringList proposedRates;              // the ids of the rate periods proposed from charges

    // The terms as read, or none.
    const TermsStore::Stored& termsOrNone() const;
};

namespace Snapshot {

// nullopt, with `error` saying why, when the history, the rate periods or the statement numbers
// cannot be read; the rate terms and the settings never stop it.
std::optional<AccountSnapshot> read(QSqlDatabase db, QString* error);

} // namespace Snapshot
