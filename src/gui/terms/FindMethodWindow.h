#pragma once

#include "engine/LenderFit.h"
#include "shell/FormWindow.h"

#include <QVector>

class QLabel;
class QPushButton;
class QTableWidget;

// "Find my lender's method": the committed history reported under every method, calculation day
// and convention (day count, rounding, rest, compounding), and the ten that come closest to the
// lender's own interest charges. Apply makes the chosen one the account's and opens the report
// with it.
class FindMethodWindow : public FormWindow {
    Q_OBJECT
public:
    static constexpr int Shown = 10;

    explicit FindMethodWindow(WindowHost& main);

    const QVector<FitScore>& best() const { return m_best; }
    void applyChosen();
    void closeWindow();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void findMethod();
    bool applyChoice(const FitCandidate& chosen);

    QLabel* fitLabel = nullptr;
    QTableWidget* fitGrid = nullptr;
    QLabel* triedLabel = nullptr;
    QPushButton* applyButton = nullptr;
    QPushButton* closeButton = nullptr;
    QVector<FitScore> m_best;
};
