#pragma once

#include "records/RecordForm.h"

#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// How the lender calculates interest, asked just before a report: one of four methods and, for
// the fixed-day methods, the day of the month from which each monthly period runs. A changed day
// is appended to tblCalcTo; the method lives only in the workflow state.
class frmMethod : public RecordForm {
    Q_OBJECT
public:
    // The list entries, in method-code order.
    static QStringList methodNames();

    explicit frmMethod(WindowHost& main);

    void lstMethod_Click();
    void cmdOK_Click();
    void cmdHelp_Click();
    void cmdConventions_Click();
    void cmdFindMethod_Click();
    void cmdOffset_Click();

protected:
    MessageStyle messageStyle(Operation) const override { return MessageStyle::DescriptionOnly; }
    bool keyLeftToControl(const QWidget* target, const QKeyEvent& key) const override;
    void formUnload() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Checks the day box and stores the day; a refused day leaves "0" in the box.
    void SaveCalcPeriod();
    int listPosition() const;
    // The method the program found and the borrower has not replaced, if any.
    std::optional<int> foundMethod() const;

    QGroupBox* Frame1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* lstMethod = nullptr;
    QLabel* lblDay = nullptr;
    QLineEdit* txtDay = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdConventions = nullptr;
    QPushButton* cmdFindMethod = nullptr;
    QPushButton* cmdOffset = nullptr;
    qint16 m_method = 0;
};
