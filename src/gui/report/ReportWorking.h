#pragma once

#include "diagnosis/Diagnosis.h"
#include "engine/InterestSummary.h"
#include "engine/InterestWorking.h"
#include "engine/ReportLine.h"
#include "reference/TermsCheck.h"
#include "render/SummaryRendering.h"
#include "render/WorkingRendering.h"

#include <QObject>
#include <QSet>
#include <QVector>

#include <optional>

// One report's working as the report window, its summary and Show Working share it: the lines
// and the days behind them from the same run, how the figures were worked out, and the postings
// whose working the user picked to print after the report.
class ReportWorking : public QObject {
    Q_OBJECT
public:
    ReportWorking(QVector<ReportLine> lines, InterestWorking::Working working,
                  SummaryRendering::Basis basis);

    const QVector<ReportLine>& lines() const { return m_lines; }
    const InterestWorking::Working& working() const { return m_working; }
    const SummaryRendering::Basis& basis() const { return m_basis; }
    int postingCount() const { return int(m_working.postings.size()); }

    // Every posting's rates, worked out once, when first asked for.
    const InterestSummary::PostingRateMap& rates();
    InterestWorking::PostingRates ratesOf(int posting);
    // The posting's working as the window and the printed page show it.
    WorkingRendering::Table table(int posting);

    // The posting whose working a line of the grid shows: its own when it is an interest line,
    // else the next posting after it, else the last; -1 when the report has none.
    int postingForLine(int line) const;

    // The postings whose working the printed report appends, in the report's order.
    bool isPicked(int posting) const { return m_picked.contains(posting); }
    void setPicked(int posting, bool picked);
    QVector<int> picked() const;
    QVector<WorkingRendering::Table> pickedTables();

    // For an account whose terms hold the lender's variable rate against a series: whether its
    // changes were passed on, for the summary.
    const QVector<TermsCheck::PassOnSection>& passOn() const { return m_passOn; }
    void setPassOn(QVector<TermsCheck::PassOnSection> passOn) { m_passOn = std::move(passOn); }

    // What explains the differences: worked out once, when first asked for, from the inputs of
    // the run (none: no diagnosis).
    void setDiagnosisInputs(std::optional<Diagnosis::Inputs> inputs) {
        m_diagnosisInputs = std::move(inputs);
    }
    const std::optional<Diagnosis::Inputs>& diagnosisInputs() const { return m_diagnosisInputs; }
    const Diagnosis::Result& diagnosis();

signals:
    void pickedChanged();

private:
    QVector<ReportLine> m_lines;
    InterestWorking::Working m_working;
    SummaryRendering::Basis m_basis;
    std::optional<InterestSummary::PostingRateMap> m_rates;
    QSet<int> m_picked;
    QVector<TermsCheck::PassOnSection> m_passOn;
    std::optional<Diagnosis::Inputs> m_diagnosisInputs;
    std::optional<Diagnosis::Result> m_diagnosis;
};
