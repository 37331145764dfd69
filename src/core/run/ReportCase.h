#pragma once

#include "AccountSnapshot.h"
#include "diagnosis/Diagnosis.h"
#include "engine/CalculationBasis.h"
#include "engine/InterestEngine.h"
#include "engine/InterestSummary.h"
#include "engine/ReportPreparation.h"
#include "reference/TermsCheck.h"
#include "render/SummaryRendering.h"
#include "repayment/Payoff.h"
#include "repayment/RepaymentCheck.h"

#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

// One run of the report over an account's snapshot under one basis: what the report window
// shows, the report tool prints and the complaint raises, worked out in one place. The lines,
// the working and the rates used come with the run; the posting rates, the summary, the pass-on
// and the diagnosis are worked out once, when first asked for.
class ReportCase {
public:
    // `recordWorking` false: the walk records nothing (a report without its working is faster).
    // Under owed rates the terms cannot give, the case runs under the stored rates and says why
    // (owedRefusal); a caller that must not fall back asks TermsCheck::owedRates first.
    ReportCase(std::shared_ptr<const AccountSnapshot> snapshot, const CalculationBasis& basis,
               bool recordWorking = true);

    const AccountSnapshot& snapshot() const { return *m_snapshot; }
    std::shared_ptr<const AccountSnapshot> sharedSnapshot() const { return m_snapshot; }
    // As run: its rates say Owed only when the owed rates stood in.
    const CalculationBasis& basis() const { return m_basis; }
    // How the figures were worked out, for the reader (the account named as given).
    SummaryRendering::Basis shownBasis(const QString& account) const;

    const QVector<ReportLine>& lines() const { return m_lines; }
    const InterestWorking::Working& working() const { return m_working; }
    const HistoryChanges& changes() const { return m_changes; }
    const QVector<RatePeriod>& rates() const { return m_rates; }
    bool offsetColumn() const { return m_snapshot->inputs.offset.hasData(); }
    // The statement missing from the numbers (0: none), and its notice.
    const std::optional<MissingStatementNotice>& missing() const { return m_missing; }
    int missingStatement() const { return m_missing ? m_missing->namedStatement() : 0; }

    // The engine's own notices, in the order they arose; the notices of the owed rates (the
    // terms' rows that did not read, the owed rates' own, why they could not stand in).
    const QStringList& engineNotices() const { return m_engineNotices; }
    const QStringList& owedNotices() const { return m_owedNotices; }
    TermsCheck::OwedRates::Refusal owedRefusal() const { return m_owedRefusal; }
    // The owed rates were asked for and could not stand in: the run is under the stored ones.
    bool owedFellBack() const { return m_owedAsked && !m_basis.owedRates(); }

    // Worked out once, when first asked for.
    const InterestSummary::PostingRateMap& postingRates();
    // nullopt when its sums leave the range of amounts.
    const std::optional<InterestSummary::Summary>& summary();
    // Whether the lender passed on its reference's changes: under the stored rates, for each
    // variable terms period whose series the account holds.
    const QVector<TermsCheck::PassOnSection>& passOn();
    // What explains the differences, under the rates the run used; none without readable terms.
    const std::optional<Diagnosis::Inputs>& diagnosisInputs() const { return m_diagnosisInputs; }
    const Diagnosis::Result& diagnosis();
    // The repayments taken beside those the account's repayment terms require (empty without
    // terms), and when the loan will be paid off at them, with `extra` added to each.
    RepaymentCheck::Inputs repaymentInputs() const;
    const RepaymentCheck::Result& repayments() const;
    Payoff::Result payoff(Money extra = Money()) const;

private:
    void useOwedRates();

    std::shared_ptr<const AccountSnapshot> m_snapshot;
    CalculationBasis m_basis;
    bool m_owedAsked = false;
    QVector<RatePeriod> m_rates;
    QVector<ReportLine> m_lines;
    InterestWorking::Working m_working;
    HistoryChanges m_changes;
    std::optional<MissingStatementNotice> m_missing;
    QStringList m_engineNotices;
    QStringList m_owedNotices;
    TermsCheck::OwedRates::Refusal m_owedRefusal = TermsCheck::OwedRates::Refusal::None;
    std::optional<Diagnosis::Inputs> m_diagnosisInputs;

    std::optional<InterestSummary::PostingRateMap> m_postingRates;
    std::optional<std::optional<InterestSummary::Summary>> m_summary;
    std::optional<QVector<TermsCheck::PassOnSection>> m_passOn;
    std::optional<Diagnosis::Result> m_diagnosis;
    RepaymentCheck::Result m_repayments;
};
