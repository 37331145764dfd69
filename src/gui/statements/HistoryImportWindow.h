#pragma once

#include "data/AccountConnection.h"
#include "import/HistoryImport.h"
#include "import/ImportChoices.h"
#include "import/ImportSession.h"

#include <QDialog>

#include <memory>
#include <optional>

class CsvLayoutPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QStandardItemModel;
class QTableView;
class WindowHost;

// The bank's whole history of the loan, cut into statements: one line a statement with its
// status, the selected statement's rows, and the choices that cut it (the file's layout, the two
// signs, the cutting rule, the first number, balances where the file has none). Nothing is
// written until Import, which commits every ready statement in one transaction.
class HistoryImportWindow : public QDialog {
    Q_OBJECT
public:
    // The Import menu's commands: asks for the file and previews it against the open account.
    // nullptr after a message when the file or the account cannot be read, and without one when
    // the user cancels.
    static std::unique_ptr<HistoryImportWindow> open(WindowHost& main, QWidget* parent);
    static std::unique_ptr<HistoryImportWindow> open(const QString& path, WindowHost& main,
                                                     QWidget* parent);

    const HistoryImport::Plan& plan() const { return m_plan; }
    const HistoryImport::Signs& signs() const { return m_signs; }
    // The copy of the account kept before Import wrote; "" when none was needed.
    const QString& keptCopy() const { return m_copy; }

    void importStatements();
    void cancel();

private:
    HistoryImportWindow(WindowHost& main, std::unique_ptr<AccountConnection> connection,
                        std::unique_ptr<ImportSession> session,
                        HistoryImport::AccountHistory history, const ImportChoices& choices,
                        QWidget* parent);

    void createControls();
    QWidget* createCuttingGroup();
    QWidget* createSignsGroup();
    // The file read afresh (a layout choice): the signs proposed again for its rows.
    void rowsRead();
    // The opening balance the file states, put into openingEdit unless the user typed another.
    void offerOpening();
    void signsEdited();
    // The statements cut afresh from the choices in force, and shown.
    void showPlan();
    void showStatementRows();
    // The cutting rule, the balances given; nullopt, with `error`, when one does not read.
    std::optional<HistoryImport::Cutting> cutting(QString* error) const;
    std::optional<HistoryImport::Balances> balances(QString* error) const;
    // The line of the file that does not read, or its reading's error; "" when it reads whole.
    QString unreadable() const;
    // After Import: the account as after a committed statement, and its rates asked for.
    void carryOn(const HistoryImport::Outcome& outcome);

    WindowHost& m_main;
    std::unique_ptr<AccountConnection> m_connection;
    std::unique_ptr<ImportSession> m_session;
    HistoryImport::AccountHistory m_history;
    ImportChoices m_choices;
    HistoryImport::Signs m_signs;
    HistoryImport::Plan m_plan;
    QString m_problem; // why Import cannot run now ("" when it can)
    QString m_copy;

    CsvLayoutPanel* layoutPanel = nullptr;
    QCheckBox* turnAmountsCheck = nullptr;
    QCheckBox* turnBalancesCheck = nullptr;
    QLabel* signsLabel = nullptr;
    QComboBox* cuttingCombo = nullptr;
    QSpinBox* cutDaySpin = nullptr;
    QPlainTextEdit* endDatesEdit = nullptr;
    QSpinBox* firstNumberSpin = nullptr;
    QLineEdit* openingEdit = nullptr;
    QString m_offeredOpening; // the opening balance the file offered, as put into openingEdit
    QLineEdit* closingEdit = nullptr;
    QTableView* statementsGrid = nullptr;
    QStandardItemModel* m_statements = nullptr;
    QTableView* rowsGrid = nullptr;
    QStandardItemModel* m_rows = nullptr;
    QLabel* statusLabel = nullptr;
};
