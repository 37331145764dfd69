#pragma once

#include "engine/StatementHandOver.h"
#include "shell/FormWindow.h"

class QPlainTextEdit;
class QPushButton;

// The missing statement prompt: after a report, names the statement that has not been entered
// and offers to enter it now or to go on to the report as calculated. It holds no data of its
// own; the report gives it the notice.
class frmInformation : public FormWindow, public MissingStatementDisplay {
    Q_OBJECT
public:
    explicit frmInformation(WindowHost& main);

    // The three texts of the notice; a notice without a number fills a taller first box.
    void setNotice(const MissingStatementNotice& notice) override;

    void formActivate() override;
    void cmdEnter_Click();
    void cmdIgnore_Click();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void leave();

    QWidget* Frame1 = nullptr;
    QPlainTextEdit* txtInformation = nullptr;
    QPlainTextEdit* txtData = nullptr;
    QPlainTextEdit* txtInfo2 = nullptr;
    QPushButton* cmdEnter = nullptr;
    QPushButton* cmdIgnore = nullptr;
    int m_lineHeight = 0;
};
