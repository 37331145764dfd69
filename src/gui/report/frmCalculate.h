#pragma once

#include "engine/ReportPreparation.h"
#include "records/RecordForm.h"
#include "rptReport.h"

#include <optional>

class QLabel;
class QPushButton;
class QTableView;
class ReportLinesModel;

// The report: loading it commits the statement just entered, finds missing statements, runs the
// interest calculation over the whole history and shows the report grid, with the interest due
// beside the interest the lender charged.
class frmCalculate : public RecordForm {
    Q_OBJECT
public:
    explicit frmCalculate(MDIForm1& main);

    void formActivate() override;
    void cmdClose_Click() override;
    void cmdHelp_Click();
    void cmdSummary_Click();
    void cmdPreview_Click();
    void cmdPrint_Click();
    // The record buttons stay hidden: the calculation drives them, the user never sees them.
    void SetButtons(bool) override {}

    ReportLinesModel* reportModel() const { return m_lines; }
    QTableView* flexGrid() const { return MSFlexGrid1; }
    const rptReport& printedReport() const { return m_rptReport; }

protected:
    void adoPrimaryRS_MoveComplete() override {}
    MessageStyle messageStyle(Operation) const override { return MessageStyle::DescriptionOnly; }
    bool keyLeftToControl(const QWidget* target, const QKeyEvent& key) const override;
    void formUnload() override;

private:
    bool OpenReportRecordsets();
    bool ClearReportTable();
    bool FillReportTable(QString* error);
    void ReadFixedDay();
    void CheckStatements();
    void InitialiseCalculation();
    void CalculateInterest();
    void setUpGrid();
    void showMissingStatements();

    QTableView* MSFlexGrid1 = nullptr;
    ReportLinesModel* m_lines = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSummary = nullptr;
    RecordSet* m_session = nullptr;
    RecordSet* m_rates = nullptr;
    RecordSet* m_report = nullptr;
    RecordSet* m_numbers = nullptr;

    bool m_noTransactions = false;
    // The session could not be committed: its rows stay where they are.
    bool m_commitFailed = false;
    qint16 m_method = 0;
    QString m_fixedDay;
    // The lender's conventions the report follows; said above the grid unless the defaults.
    LenderConventions m_conventions;
    OffsetAccount m_offset;
    QLabel* lblConventions = nullptr;
    std::optional<MissingStatementNotice> m_missing;
    bool m_informationPending = false;
    rptReport m_rptReport;
};
