#pragma once

#include "ReportWorking.h"
#include "engine/InterestSummary.h"
#include "render/SummaryRendering.h"
#include "shell/FormWindow.h"

#include <memory>
#include <optional>

class QChartView;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

// What the lender over- or under-charged, from the report window's lines: the totals in one
// sentence, how many postings the lender effectively charged at a rate off the rates entered,
// the calendar years, the largest differences with their rates (each opens into its working and
// can be ticked to print it with the report), the amounts that could not be paired, the running
// total of the differences and the years' interest charged beside the interest due.
class SummaryWindow : public FormWindow {
    Q_OBJECT
public:
    static inline const QString Name = QStringLiteral("SummaryWindow");

    explicit SummaryWindow(WindowHost& main);

    // Shows the summary of the report's lines and rates; its basis tells the copied text how
    // the interest due was worked out. `missingStatement`: the one statement the
    // missing-statement notice names, or 0.
    void setReport(std::shared_ptr<ReportWorking> report, int missingStatement = 0);
    const std::optional<InterestSummary::Summary>& summary() const { return m_summary; }

    void copyAsText();
    void closeWindow();
    // Show Working of the largest difference in row `row` (the selected one when -1).
    void showWorking(int row = -1);

    // The pointer's tooltips: a posting of the running total, a year of the bars.
    QString postingTip(int posting) const;
    QString yearTip(int year) const;

private:
    void fillTables();
    void createTermsParts();
    void createTables();
    QHBoxLayout* createButtons();
    void fillPassOn();
    void fillExplanations();
    void showExplanationWorking();
    void fillRunningTotal();
    void fillYears();
    void showPicks();
    void showNext();

    QLabel* sentenceLabel = nullptr;
    QLabel* repaymentVerdictLabel = nullptr; // hidden without a finding of the repayments
    QLabel* nextLabel = nullptr;
    QLabel* ratesLabel = nullptr;
    QLabel* termsLabel =
        nullptr; // whose rates the interest due is worked under, when not the stored
    // Whether the lender passed on its reference's changes, for an account with rate terms.
    QLabel* passOnLabel = nullptr;
    QTableWidget* passOnGrid = nullptr;
    QLabel* passOnTotalLabel = nullptr;
    // Which known mistake explains the differences, and the days as the lender worked them.
    QPushButton* complaintButton = nullptr;
    QLabel* explainLabel = nullptr;
    QTableWidget* explanationsGrid = nullptr;
    QPushButton* explainWorkingButton = nullptr;
    QTableWidget* yearsGrid = nullptr;
    QTableWidget* largestGrid = nullptr;
    QLabel* unpairedLabel = nullptr;
    QLabel* incompleteLabel = nullptr; // what the years' "*" means, when a year has one
    QTableWidget* unpairedGrid = nullptr;
    QChartView* runningTotalChart = nullptr;
    QChartView* chtYears = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* workingButton = nullptr;
    QPushButton* closeButton = nullptr;

    std::optional<InterestSummary::Summary> m_summary;
    std::shared_ptr<ReportWorking> m_report;
};
