#pragma once

#include "render/PrintedReport.h"

class QPrinter;

// The printed report as the report window uses it: bound to tblReport's rows, shown in a modal
// preview (which needs no place among the windows) or printed after the print dialog.
class rptReport {
public:
    // The rows of tblReport in ID order, and the account file the header names.
    void setDataSource(QVector<ReportTableRow> rows) { m_content.rows = std::move(rows); }
    void setTitle(const QString& title) { m_content.title = title; }
    void setPrintedOn(const QDate& date) { m_content.printedOn = date; }
    // The line under the totals that names the lender's conventions; "" for the defaults.
    void setConventions(const QString& note) { m_content.conventions = note; }
    void setOffsetColumn(bool offset) { m_content.offsetColumn = offset; }
    void setIncomplete(const InterestSummary::IncompletePostings& postings, int missingStatement) {
        m_content.incomplete = postings;
        m_content.missingStatement = missingStatement;
    }
    // The postings' rates, for the summary page's count of those off the rates entered.
    void setRates(const InterestSummary::PostingRateMap& rates) { m_content.rates = rates; }
    // What explains the differences, under the summary page's totals.
    void setExplanations(const QStringList& lines) { m_content.explanations = lines; }
    // The working of the postings the user picked, printed after the report.
    void setWorkings(QVector<WorkingRendering::Table> tables) {
        m_content.workings = std::move(tables);
    }
    const PrintedReport::Content& content() const { return m_content; }

    // The preview, page by page.
    void Show();
    // The print dialog first, then every page on the printer it sets up. True when printed or
    // when the dialog was cancelled.
    bool PrintReport(QString* error);

    void unload() { m_content = PrintedReport::Content(); }

private:
    void setUpPrinter(QPrinter& printer) const;

    PrintedReport::Content m_content;
};
