#pragma once

#include "ReportWorking.h"
#include "shell/FormWindow.h"

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// Show Working: every day of one posting's period as the report's own calculation accrued it,
// with the total, the lender's charge and the rates at its foot. It copies the days as
// tab-separated text, saves them as CSV, prints them (or makes a PDF), and can mark the posting
// for the printed report; Previous and Next walk the report's postings. Opened on an explanation
// of the differences, it shows the postings of the explanation's span instead, each day as due
// beside the day as the lender worked it, and Previous and Next walk the span.
class WorkingWindow : public FormWindow {
    Q_OBJECT
public:
    static inline const QString Name = QStringLiteral("WorkingWindow");

    explicit WorkingWindow(WindowHost& main);

    // Shows posting `posting` (an index into the report's working) of `report`.
    void showPosting(std::shared_ptr<ReportWorking> report, int posting);
    // Shows the first posting of the span of explanation `explanation` (an index into the
    // report's diagnosis).
    void showExplanation(std::shared_ptr<ReportWorking> report, int explanation);
    int posting() const { return m_posting; }
    // The postings Previous and Next walk: the report's, or the explanation's span.
    int count() const;
    const WorkingRendering::Table& table() const { return m_table; }

    void showPrevious();
    void showNext();
    void copyAsTabSeparated();
    void saveAsCsv();
    void printOrPdf();
    void closeWindow();

private:
    void setReport(std::shared_ptr<ReportWorking> report);
    void fill();

    QLabel* titleLabel = nullptr;
    QLabel* aboutLabel = nullptr;
    QTableWidget* daysGrid = nullptr;
    QTableWidget* footGrid = nullptr;
    QLabel* notesLabel = nullptr;
    QCheckBox* printCheck = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* csvButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* closeButton = nullptr;

    std::shared_ptr<ReportWorking> m_report;
    int m_posting = -1;
    int m_explanation = -1; // the explanation shown; -1: the report's postings
    QVector<WorkingRendering::Table> m_explained;
    WorkingRendering::Table m_table;
};
