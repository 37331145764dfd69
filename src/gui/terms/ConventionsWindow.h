#pragma once

#include "data/AccountConnection.h"
#include "engine/LenderConventions.h"
#include "shell/FormWindow.h"

#include <QVector>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

// The lender's conventions: how it turns the yearly rate into a day's interest and when it
// rounds. Each choice is stored in the account the moment it is made, and every report of the
// account uses it from then on.
class ConventionsWindow : public FormWindow {
    Q_OBJECT
public:
    explicit ConventionsWindow(WindowHost& main);

    LenderConventions shownConventions() const;
    void closeWindow();

protected:
    void formUnload() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void saveConventions();
    void showConventions(const LenderConventions& c);

    AccountConnection m_connection;
    LenderConventions m_stored;
    QButtonGroup* m_dayCount = nullptr;
    QButtonGroup* m_rounding = nullptr;
    QPushButton* closeButton = nullptr;
    bool m_showing = false;
};
