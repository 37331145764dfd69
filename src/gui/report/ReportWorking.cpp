#include "ReportWorking.h"

#include <algorithm>

ReportWorking::ReportWorking(std::shared_ptr<ReportCase> run, const QString& account)
    : m_run(std::move(run)), m_basis(m_run->shownBasis(account)) {}

InterestWorking::PostingRates ReportWorking::ratesOf(int posting) {
    if (posting < 0 || posting >= postingCount())
        return {};
    return rates().value(working().postings[posting].date);
}

WorkingRendering::Table ReportWorking::table(int posting) {
    return WorkingRendering::table(working(), posting, ratesOf(posting), m_basis);
}

int ReportWorking::postingForLine(int line) const {
    const QVector<InterestWorking::PostingWorking>& postings = working().postings;
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
