#pragma once

#include "data/AccountConnection.h"
#include "engine/LenderConventions.h"
#include "shell/FormWindow.h"

#include <QVector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

// The lender's conventions: how it turns the yearly rate into a day's interest, which balance
// bears it and when it rounds. Each choice is stored in the account the moment it is made, and
// every report of the account uses it from then on; a preset stores a lender's whole set at once.
class ConventionsWindow : public FormWindow {
    Q_OBJECT
public:
    explicit ConventionsWindow(WindowHost& main);

    LenderConventions shownConventions() const;
    void applyPreset();
    void closeWindow();

protected:
    void formUnload() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createBody();
    QLayout* createPresets(QWidget* body);
    QWidget* createRest(QWidget* body);
    QWidget* createCompounding(QWidget* body);
    void connectChoices();
    void saveConventions();
    void store(const LenderConventions& chosen);
    void showConventions(const LenderConventions& c);
    void enableChoices();
    void showPresetUse();

    AccountConnection m_connection;
    LenderConventions m_stored;
    QComboBox* presetBox = nullptr;
    QLabel* presetUseLabel = nullptr;
    QPushButton* applyPresetButton = nullptr;
    QButtonGroup* m_dayCount = nullptr;
    QButtonGroup* m_rounding = nullptr;
    QButtonGroup* m_rest = nullptr;
    QSpinBox* restMonthsSpin = nullptr;
    QComboBox* restFromBox = nullptr;
    QButtonGroup* m_compounding = nullptr;
    QLabel* perYearLabel = nullptr;
    QSpinBox* perYearSpin = nullptr;
    QPushButton* closeButton = nullptr;
    bool m_showing = false;
};
