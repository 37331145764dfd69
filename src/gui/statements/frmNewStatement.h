#pragma once

#include "data/AccountConnection.h"
#include "shell/FormWindow.h"

#include <QDate>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RecordSet;

// The header of one bank statement: number, start date, opening balance, end date and closing
// balance. It proposes the next number and the previous statement's end position, checks what was
// typed and puts the accepted header into the workflow state; nothing reaches the file here.
// After OK it stays loaded, hidden, so that a failed transaction check shows it again as typed.
class frmNewStatement : public FormWindow {
    Q_OBJECT
public:
    // txtFields / lblLabels, by index.
    enum Field {
        fldNumber = 0,
        fldStartDate,
        fldOpenBalance,
        fldEndDate,
        fldCloseBalance,
        FieldCount
    };

    explicit frmNewStatement(WindowHost& main);

    QLineEdit* txtFields(int index) const { return m_fields[index]; }

    void formActivate() override;
    void btnYes_Click();
    void cmdCancel_Click();

protected:
    void formUnload() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    // The text of every field reads as what it stands for; otherwise says which one does not,
    // puts the cursor there and returns false.
    bool fieldsReadable();
    void refuseField(int index, const QString& message);
    bool isDuplicate(qint64 number) const;
    void hideWindow();

    QGroupBox* Frame1 = nullptr;
    QLineEdit* m_fields[FieldCount] = {};
    QLabel* m_labels[FieldCount] = {};
    QPushButton* btnYes = nullptr;
    QPushButton* cmdCancel = nullptr;

    AccountConnection m_connection;
    RecordSet* m_lastRecord = nullptr;
    RecordSet* m_numbers = nullptr;
    // The dates as last read by OK, as typed and as calendar days.
    QDate m_startDate, m_endDate;
};
