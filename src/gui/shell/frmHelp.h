#pragma once

class MDIForm1;

#include "FormWindow.h"

class QAction;
class QTextEdit;

// The help viewer: one of the three help pages, paged forward and back, printed whole or in
// part. The page number is the window's tag ("1" to "3"), which callers set before showing it.
//
// Its menu (Print, Back, Next) joins the main window's menu bar while the help window is the
// active window and leaves it when another window becomes active or the help window closes.
class frmHelp : public FormWindow {
    Q_OBJECT
public:
    explicit frmHelp(MDIForm1& main);

    void formActivate() override;

    void mnuPrint_Click();
    void mnuBack_Click();
    void mnuNext_Click();

    // The plain text of what the last accepted print sent to the printer; "" before any.
    QString printedText() const { return m_printedText; }

protected:
    void formUnload() override;

private:
    void showMenu();
    void hideMenu();
    void loadPage(int page);
    void setPaging(bool back, bool next);

    QTextEdit* m_rtfData = nullptr;
    QAction* m_mnuPrint = nullptr;
    QAction* m_mnuBack = nullptr;
    QAction* m_mnuNext = nullptr;
    QString m_printedText;
    // The main window itself: this window works on its client area and menus.
    MDIForm1& m_frame;
};
