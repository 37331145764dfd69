#include "ReportCase.h"

#include "render/RepaymentRendering.h"

#include <QCoreApplication>

ReportCase::ReportCase(std::shared_ptr<const AccountSnapshot> snapshot,
                       const CalculationBasis& basis, bool recordWorking)
    : m_snapshot(std::move(snapshot)), m_basis(basis), m_owedAsked(basis.owedRates()),
      m_rates(m_snapshot->inputs.rates) {
    if (m_basis.owedRates())
        useOwedRates();
    const AccountStore::CalculationInputs& in = m_snapshot->inputs;
    InterestEngine::Worked worked;
    if (recordWorking)
        worked = InterestEngine::calculateWithWorking(in.history, m_rates, m_basis, in.offset);
    else
        worked.result = InterestEngine::calculate(in.history, m_rates, m_basis, in.offset);
    m_lines = std::move(worked.result.lines);
    m_changes = std::move(worked.result.changes);
    m_engineNotices = std::move(worked.result.notices);
    m_working = std::move(worked.working);
    m_working.basis = m_basis;
    m_missing = ReportPreparation::missingStatements(in.statementNumbers);
    if (m_snapshot->terms) {
        m_diagnosisInputs = Diagnosis::inputsOf(in, *m_snapshot->terms, m_basis);
        m_diagnosisInputs->rates = m_rates;
    }
    // Without terms nothing is worked; with them the verdict is said beside the interest's.
    m_repayments = RepaymentCheck::check(repaymentInputs());
}

void ReportCase::useOwedRates() {
    m_basis.rates = RateSource::Stored;
    if (!m_snapshot->terms) {
        m_owedNotices << m_snapshot->termsError;
        return;
    }
    m_owedNotices << m_snapshot->terms->notices;
    const TermsCheck::OwedRates owed =
        TermsCheck::owedRates(m_snapshot->inputs, *m_snapshot->terms);
    m_owedRefusal = owed.refusal;
    if (owed.refusal != TermsCheck::OwedRates::Refusal::NoTerms)
        m_owedNotices << owed.owed.notices;
    if (!owed.ok()) {
        m_owedNotices << TermsCheck::refusalNotice(owed.refusal);
        return;
    }
    m_rates = owed.owed.ratePeriods();
    m_basis.rates = RateSource::Owed;
}

SummaryRendering::Basis ReportCase::shownBasis(const QString& account) const {
    SummaryRendering::Basis b;
    b.account = account;
    b.calculation = m_basis;
    if (m_basis.owedRates())
        b.ratesNote = QCoreApplication::translate("TermsCheck", TermsCheck::OwedNote);
    b.repaymentVerdict = RepaymentRendering::verdict(m_repayments);
    return b;
}

const InterestSummary::PostingRateMap& ReportCase::postingRates() {
    if (!m_postingRates)
        m_postingRates = InterestWorking::postingRates(m_working, m_lines);
    return *m_postingRates;
}

const std::optional<InterestSummary::Summary>& ReportCase::summary() {
    if (!m_summary)
        m_summary = InterestSummary::summarise(m_lines, missingStatement(), &postingRates());
    return *m_summary;
}

const QVector<TermsCheck::PassOnSection>& ReportCase::passOn() {
    if (!m_passOn) {
        m_passOn.emplace();
        const std::optional<TermsStore::Stored>& terms = m_snapshot->terms;
        if (!m_basis.owedRates() && terms && TermsCheck::holdsVariable(*terms)) {
            const AccountStore::CalculationInputs& in = m_snapshot->inputs;
            const PassOn::Calculation c{in.history, m_basis, in.offset};
            *m_passOn = TermsCheck::passOn(c, in.rates, *terms);
        }
    }
    return *m_passOn;
}

const Diagnosis::Result& ReportCase::diagnosis() {
    if (!m_diagnosis) {
        m_diagnosis =
            m_diagnosisInputs ? Diagnosis::diagnose(*m_diagnosisInputs) : Diagnosis::Result();
        m_diagnosis->repayments = repayments().findings;
    }
    return *m_diagnosis;
}

RepaymentCheck::Inputs ReportCase::repaymentInputs() const {
    return {m_snapshot->repaymentTerms, m_snapshot->inputs.history, m_lines, m_rates, m_basis,
            m_snapshot->inputs.offset};
}

const RepaymentCheck::Result& ReportCase::repayments() const {
    return m_repayments;
}

Payoff::Result ReportCase::payoff(Money extra) const {
    return Payoff::project(repaymentInputs(), repayments(), extra);
}
