#pragma once

#include "render/WorkingRendering.h"
#include "run/ReportCase.h"

#include <QObject>
#include <QSet>
#include <QVector>

#include <memory>
#include <optional>

// One report's run as the report window, its summary and Show Working share it (the run's
// lines, working, pass-on and diagnosis are the ReportCase's), with the postings whose working
// the user picked to print after the report.
class ReportWorking : public QObject {
    Q_OBJECT
public:
    ReportWorking(std::shared_ptr<ReportCase> run, const QString& account);

    ReportCase& run() { return *m_run; }
    const QVector<ReportLine>& lines() const { return m_run->lines(); }
    const InterestWorking::Working& working() const { return m_run->working(); }
    const SummaryRendering::Basis& basis() const { return m_basis; }
    int postingCount() const { return int(working().postings.size()); }

    // Every posting's rates, worked out once, when first asked for.
    const InterestSummary::PostingRateMap& rates() { return m_run->postingRates(); }
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
    const QVector<TermsCheck::PassOnSection>& passOn() { return m_run->passOn(); }
    // The repayments taken beside those the account's repayment terms require, for the summary.
    const RepaymentCheck::Result& repayments() { return m_run->repayments(); }

    // What explains the differences: worked out once, when first asked for (no inputs: no
    // diagnosis).
    const std::optional<Diagnosis::Inputs>& diagnosisInputs() const {
        return m_run->diagnosisInputs();
    }
    const Diagnosis::Result& diagnosis() { return m_run->diagnosis(); }

signals:
    void pickedChanged();

private:
    std::shared_ptr<ReportCase> m_run;
    SummaryRendering::Basis m_basis;
    QSet<int> m_picked;
};
