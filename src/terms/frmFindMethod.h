#pragma once

#include "report/core/LenderFit.h"
#include "shell/FormWindow.h"

#include <QVector>

class QLabel;
class QPushButton;
class QTableWidget;

// "Find my lender's method": the committed history reported under every method, calculation day
// and convention, and the ten that come closest to the lender's own interest charges. Apply
// makes the chosen one the account's and opens the report with it.
class frmFindMethod : public FormWindow {
    Q_OBJECT
public:
    static constexpr int Shown = 10;

    explicit frmFindMethod(MDIForm1& main);

    const QVector<FitScore>& best() const { return m_best; }
    void cmdApply_Click();
    void cmdClose_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FindMethod();
    bool ApplyChoice(const FitCandidate& chosen);

    QLabel* lblFit = nullptr;
    QTableWidget* grdFit = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdClose = nullptr;
    QVector<FitScore> m_best;
};
