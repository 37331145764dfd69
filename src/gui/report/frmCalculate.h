#pragma once

#include "ReportWorking.h"
#include "data/AccountConnection.h"
#include "engine/LenderConventions.h"
#include "engine/OffsetAccount.h"
#include "engine/ReportPreparation.h"
#include "rptReport.h"
#include "shell/FormWindow.h"

#include <memory>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;
class ReportLinesModel;

class QWidget;

// The report: loading it commits the statement just entered, finds missing statements, runs the
// interest calculation over the whole history and shows the report grid, with the interest due
// beside the interest the lender charged. A plain window over one run of the calculation: it
// reads no table it does not show (no record sets, no hidden record buttons).
class frmCalculate : public FormWindow {
    Q_OBJECT
public:
    explicit frmCalculate(WindowHost& main);

    void formActivate() override;
    void cmdClose_Click();
    void cmdHelp_Click();
    void cmdSummary_Click();
    void cmdPreview_Click();
    void cmdPrint_Click();
    // Show Working: of the interest line selected in the grid (else the next posting after the
    // selected line); a double-click on an interest line shows its own.
    void showWorking();
    void showWorkingOfLine(int line);

    ReportLinesModel* reportModel() const { return m_lines; }
    QTableView* flexGrid() const { return MSFlexGrid1; }
    const rptReport& printedReport() const { return m_rptReport; }
    // The run's working, shared with the summary and Show Working; null before a calculation.
    const std::shared_ptr<ReportWorking>& reportWorking() const { return m_working; }

protected:
    void formUnload() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The tables the report reads, checked in its order; false after "Requery Error".
    bool OpenReportRecordsets();
    bool ClearReportTable();
    bool FillReportTable(QString* error);
    void ReadFixedDay();
    void CheckStatements();
    void CalculateInterest();
    void createControls();
    QWidget* createButtonBar();
    void setUpGrid();
    void showMissingStatements();

    QTableView* MSFlexGrid1 = nullptr;
    ReportLinesModel* m_lines = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSummary = nullptr;
    QPushButton* cmdWorking = nullptr;
    QPushButton* cmdComplaint = nullptr;
    QPushButton* cmdClose = nullptr;
    QWidget* picButtons = nullptr;
    AccountConnection m_connection;

    bool m_noTransactions = false;
    // The session could not be committed: its rows stay where they are.
    bool m_commitFailed = false;
    // The method and calculation day the report runs under, read from the workflow state.
    std::optional<InterestMethod::Code> m_method = InterestMethod::FixedDay;
    CalcDay::Day m_fixedDay;
    QLabel* lblConventions = nullptr;
    std::optional<MissingStatementNotice> m_missing;
    std::shared_ptr<ReportWorking> m_working;
    bool m_informationPending = false;
    bool m_summaryPending = false; // the summary opens once the report is on screen
    bool m_owedRates = false;      // the report runs under the rates the loan's terms owe
    rptReport m_rptReport;
};
