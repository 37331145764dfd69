#pragma once

#include "FormWindow.h"

class WindowHost;

class QGroupBox;
class QPushButton;

// The task menu: the hub every task returns to. It is made anew each time it is shown and reads
// the account state on every activation, so it offers what the last task left possible.
class frmOptions : public FormWindow {
    Q_OBJECT
public:
    explicit frmOptions(WindowHost& main);

    void formActivate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    void cmdDataEntry_Click();
    void cmdInterest_Click();
    void cmdPrevious_Click();
    void cmdReport_Click();
    void cmdExit_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    static QString taskMenuCaption();
    void centreFrame();
    void closeMenu();
    void setTaskButtons();

    QGroupBox* m_frame1 = nullptr;
    QPushButton* m_cmdDataEntry = nullptr;
    QPushButton* m_cmdInterest = nullptr;
    QPushButton* m_cmdPrevious = nullptr;
    QPushButton* m_cmdReport = nullptr;
    QPushButton* m_cmdExit = nullptr;
    bool m_captionFollowsState = false;
};
