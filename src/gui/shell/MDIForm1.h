#pragma once

#include "WindowHost.h"
#include "state/WorkflowState.h"

#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <functional>
#include <memory>

class FormWindow;
class QDialog;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;
class WindowRegistry;

// The main window: the frame every other window is shown in, the owner of the workflow state
// and of the window registry, with its menus (File, Lender, Import, Help) and the toolbar.
class MDIForm1 : public QMainWindow, public WindowHost {
    Q_OBJECT
public:
    explicit MDIForm1(QWidget* parent = nullptr);
    ~MDIForm1() override;

    WorkflowState& state() override { return m_state; }
    const WorkflowState& state() const override { return m_state; }

    // Windows by name.
    WindowRegistry& registry() { return *m_registry; }
    FormWindow* window(const QString& name) override;
    FormWindow* loadedWindow(const QString& name) const override;
    bool isLoaded(const QString& name) const override;
    FormWindow* showWindow(const QString& name) override;
    void unloadWindow(const QString& name) override;
    FormWindow* activeForm() const;
    QMdiArea* mdiArea() const { return m_area; }

    // Modal windows (About) are dialogs of their own, made anew each time they are shown.
    using ModalFactory = std::function<std::unique_ptr<QDialog>(QWidget* parent)>;
    void registerModal(const QString& name, ModalFactory factory);
    void showModal(const QString& name);
    void showHelpPage(const QString& page) override;
    void setAccountCaption(const QString& path) override;
    QSize clientSize() const override;
    QWidget* dialogParent() override { return this; }

    // New and Open as the File menu and the toolbar run them. New is true when the account was
    // made and entered.
    bool newAccount();
    void openAccount();
    // The Import menu's: a new account, or the open one continued, from the bank's whole history.
    void newAccountFromHistory();
    void chooseLanguage();
    // The road from the bank's file to the verdict: the open account (when no statement is being
    // entered) or a new one, the bank's whole history, then the rates proposed from the lender's
    // charges, the report and its summary, each step after the one before.
    void checkLoanFromBankFile();
    void statementsFromHistory();
    // A split loan: a set of accounts opened (its summary shown), made, edited, or checked from
    // each part's bank file.
    void openLoanSet();
    void newLoanSet();
    void editLoanSet();
    void checkSplitLoan();
    // An account is open and no statement is being entered.
    bool canImportHistory() const;

    // The start-up window is closed by the first click on the empty area or the toolbar.
    bool splashClosed() const { return m_splashClosed; }
    void closeSplash();

    // The images the toolbar takes its pictures from, by key.
    QIcon image(const QString& key) const { return m_imageList.value(key); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createFileMenu();
    void createToolbar();
    void toolbarClick(const QString& key);
    void onSubWindowActivated(QMdiSubWindow* frame);
    void closeBeforeDialog();
    void returnToTaskMenu();
    void enterAccount(const QString& path, const QString& fileState);

    WorkflowState m_state;
    QMdiArea* m_area = nullptr;
    std::unique_ptr<WindowRegistry> m_registry;
    QHash<QString, QIcon> m_imageList;
    QHash<QString, ModalFactory> m_modals;
    bool m_splashClosed = false;
};
