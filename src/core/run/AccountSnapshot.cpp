#include "AccountSnapshot.h"

#include "engine/RateProposal.h"

const TermsStore::Stored& AccountSnapshot::termsOrNone() const {
    static const TermsStore::Stored none;
    return terms ? *terms : none;
}

namespace Snapshot {

std::optional<AccountSnapshot> read(QSqlDatabase db, QString* error) {
    std::optional<AccountStore::CalculationInputs> inputs = AccountStore::readInputs(db, error);
    if (!inputs)
        return std::nullopt;
    AccountSnapshot s;
    s.inputs = std::move(*inputs);
    TermsStore::Stored terms;
    if (TermsStore::read(db, &terms, &s.termsError))
        s.terms = std::move(terms);
    s.details = Complaints::readDetails(db);
    QString repaymentNotice;
    s.repaymentTerms = Repayments::read(db, &repaymentNotice);
    if (!repaymentNotice.isEmpty())
        s.inputs.notices << repaymentNotice;
    s.dayInForce = CalcDay::inForce(db);
    s.proposedRates =
        AccountStore::readSetting(db, QString::fromLatin1(RateProposal::ProposedSetting))
            .value_or(QString())
            .split(QLatin1Char(','), Qt::SkipEmptyParts);
    return s;
}

} // namespace Snapshot
