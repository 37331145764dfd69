#include "ReportWorking.h"

#include <algorithm>

ReportWorking::ReportWorking(QVector<ReportLine> lines, InterestWorking::Working working,
                             SummaryRendering::Basis basis)
    : m_lines(std::move(lines)), m_working(std::move(working)), m_basis(std::move(basis)) {}

const InterestSummary::PostingRateMap& ReportWorking::rates() {
    if (!m_rates)
        m_rates = InterestWorking::postingRates(m_working, m_lines);
    return *m_rates;
}

InterestWorking::PostingRates ReportWorking::ratesOf(int posting) {
    if (posting < 0 || posting >= postingCount())
        return {};
    return rates().value(m_working.postings[posting].date);
}

WorkingRendering::Table ReportWorking::table(int posting) {
    return WorkingRendering::table(m_working, posting, ratesOf(posting), m_basis);
}

int ReportWorking::postingForLine(int line) const {
    const QVector<InterestWorking::PostingWorking>& postings = m_working.postings;
    if (postings.isEmpty())
        return -1;
    const auto next = std::lower_bound(
        postings.cbegin(), postings.cend(), line,
        [](const InterestWorking::PostingWorking& p, int l) { return p.line < l; });
    return next == postings.cend() ? int(postings.size()) - 1 : int(next - postings.cbegin());
}

void ReportWorking::setPicked(int posting, bool picked) {
    if (posting < 0 || posting >= postingCount() || isPicked(posting) == picked)
        return;
    if (picked)
        m_picked.insert(posting);
    else
        m_picked.remove(posting);
    emit pickedChanged();
}

QVector<int> ReportWorking::picked() const {
    QVector<int> list(m_picked.cbegin(), m_picked.cend());
    std::sort(list.begin(), list.end());
    return list;
}

QVector<WorkingRendering::Table> ReportWorking::pickedTables() {
    QVector<WorkingRendering::Table> tables;
    for (int posting : picked())
        tables << table(posting);
    return tables;
}

const Diagnosis::Result& ReportWorking::diagnosis() {
    if (!m_diagnosis)
        m_diagnosis =
            m_diagnosisInputs ? Diagnosis::diagnose(*m_diagnosisInputs) : Diagnosis::Result();
    return *m_diagnosis;
}
