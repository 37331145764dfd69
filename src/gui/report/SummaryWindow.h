#pragma once

#include "render/InterestSummary.h"
#include "render/SummaryRendering.h"
#include "shell/FormWindow.h"

#include <optional>

class QChartView;
class QLabel;
class QPushButton;
class QTableWidget;

// What the lender over- or under-charged, from the report window's lines: the totals in one
// sentence, the calendar years, the largest differences, the amounts that could not be paired,
// the running total of the differences and the years' interest charged beside the interest due.
class SummaryWindow : public FormWindow {
    Q_OBJECT
public:
    static inline const QString Name = QStringLiteral("SummaryWindow");

    explicit SummaryWindow(WindowHost& main);

    // Shows the summary of `lines`; `basis` tells the copied text how the interest due was
    // worked out.
    // `missingStatement`: the one statement the missing-statement notice names, or 0.
    void setReport(const QVector<ReportLine>& lines, const SummaryRendering::Basis& basis,
                   int missingStatement = 0);
    const std::optional<InterestSummary::Summary>& summary() const { return m_summary; }

    void copyAsText();
    void closeWindow();

    // The pointer's tooltips: a posting of the running total, a year of the bars.
    QString postingTip(int posting) const;
    QString yearTip(int year) const;

private:
    void fillTables();
    void fillRunningTotal();
    void fillYears();

    QLabel* sentenceLabel = nullptr;
    QTableWidget* yearsGrid = nullptr;
    QTableWidget* largestGrid = nullptr;
    QLabel* unpairedLabel = nullptr;
    QTableWidget* unpairedGrid = nullptr;
    QChartView* runningTotalChart = nullptr;
    QChartView* chtYears = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* closeButton = nullptr;

    std::optional<InterestSummary::Summary> m_summary;
    SummaryRendering::Basis m_basis;
};
