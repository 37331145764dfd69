#pragma once

#include "engine/InterestMethod.h"
#include "records/RecordForm.h"

#include <QDate>

class QLabel;
class QPushButton;

// The loan's interest rate periods: from, to and the yearly rate, edited in a grid. Add proposes
// a period that follows on from the last one; Close checks that the periods cover the statement
// in progress (or every committed record) and leads on to the next step. Propose from Charges
// reads the periods back from the lender's own charges in the committed history.
class frmUserInterestChanges : public RecordForm {
    Q_OBJECT
public:
    // The grid's columns.
    enum Column { colID = 0, colValidFrom, colValidTo, colInterestRate };
    // The hidden bound fields.
    enum Field { fldID = 0, fldValidFrom, fldValidTo, fldInterestRate };

    explicit frmUserInterestChanges(WindowHost& main);

    void formActivate() override;
    void cmdAdd_Click() override;
    void cmdClose_Click() override;
    // Opens the proposal of rate periods from the lender's charges; the grid shows what it stored.
    void cmdProposeRates_Click();
    // On the road from the bank's file: with the lender's charges in the history and no rates
    // that cover it, the rates are proposed from the charges at once (every way tried); stored,
    // the report follows. Leaving the proposal leaves the road, with the window as it is.
    Q_INVOKABLE void proposeOnTheRoad();

protected:
    void adoPrimaryRS_MoveComplete() override {}
    MessageStyle messageStyle(Operation) const override { return MessageStyle::DescriptionOnly; }
    void resizeEvent(QResizeEvent* event) override;

private:
    void seedFirstPeriod();
    // The proposal from the charges under `method` (every way when none); true when stored.
    bool proposeRates(std::optional<InterestMethod::Code> method);
    void setCurrentCell(int column);
    // A date kept in the workflow state, as a calendar day (invalid when empty or unreadable).
    QDate tagDate(const QString& field) const;
    QDate dateField(int field) const;

    QWidget* Frame1 = nullptr;
    // What the window was opened for, when another step opens it with a word (its tag).
    QLabel* noteLabel = nullptr;
    QPushButton* cmdProposeRates = nullptr;
    RecordSet* m_dates = nullptr;
    // The last period's end as Add read it, and the range Close checked.
    QDate m_lastValidTo;
    QDate m_start, m_end, m_periodsEnd, m_periodsStart;
    bool m_proposing = false;
};
