#pragma once

class MDIForm1;

#include "FormWindow.h"

class QPushButton;

// The start-up window: greets the user inside the main window and offers New, Open and
// Getting Started. A click on it or a key closes it without choosing anything.
class frmSplash : public FormWindow {
    Q_OBJECT
public:
    explicit frmSplash(MDIForm1& main);

    void cmdNew_Click();
    void cmdOpen_Click();
    void cmdTutorial_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void centre();
    void dialogCancelled();
    void handOver();

    QWidget* m_area = nullptr; // the main window's client area, which this window centres in
    QPushButton* m_cmdNew = nullptr;
    QPushButton* m_cmdOpen = nullptr;
    QPushButton* m_cmdTutorial = nullptr;
    // The main window itself: this window works on its client area and menus.
    MDIForm1& m_frame;
    QPushButton* checkLoanButton = nullptr;
    QPushButton* splitLoanButton = nullptr;
};
