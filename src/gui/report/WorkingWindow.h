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
// for the printed report; Previous and Next walk the report's postings.
class WorkingWindow : public FormWindow {
    Q_OBJECT
public:
    static inline const QString Name = QStringLiteral("WorkingWindow");

    explicit WorkingWindow(WindowHost& main);

    // Shows posting `posting` (an index into the report's working) of `report`.
    void showPosting(std::shared_ptr<ReportWorking> report, int posting);
    int posting() const { return m_posting; }
    const WorkingRendering::Table& table() const { return m_table; }

    void showPrevious();
    void showNext();
    void copyAsTabSeparated();
    void saveAsCsv();
    void printOrPdf();
    void closeWindow();

private:
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
    WorkingRendering::Table m_table;
};
