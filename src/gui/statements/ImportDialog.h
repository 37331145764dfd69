#pragma once

#include "import/ImportChoices.h"
#include "import/ImportPreview.h"
#include "import/ImportSession.h"

#include <QDialog>
#include <QSqlDatabase>

#include <memory>

class CsvLayoutPanel;
class ImportRowsModel;
class QLabel;
class QPlainTextEdit;
class QTableView;

// The preview of a bank's statement file: every row it holds, with its date, description,
// amount, column and tick, and the controls that correct how the file is read. Nothing is
// written until Import, which puts the ticked rows into tblThisSession in one transaction.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // The transactions window's "Import…": asks for a file, previews it, and on Import adds the
    // ticked rows to tblThisSession of `db`. `choices` proposes the account's last CSV layout and
    // column rules, and on Import receives the ones used, for the account to keep. True when rows
    // were written; the caller then recomputes its balances from the table.
    static bool run(QWidget* parent, QSqlDatabase db, const StatementHeader& statement,
                    ImportChoices& choices);

    // The preview of the file at `path`, ready to be shown; nullptr after a message when the file
    // or the account cannot be read, and without one when the user cancels the reading of an OFX
    // file. Asks for the date order when the file leaves it open.
    static std::unique_ptr<ImportDialog> open(const QString& path, QSqlDatabase db,
                                              const StatementHeader& statement,
                                              const ImportChoices& choices,
                                              QWidget* parent = nullptr);

    const ImportPreview& preview() const { return m_preview; }
    // The choices in force: what Import hands back to the account.
    ImportChoices choices() const;
    int importedRows() const { return m_imported; }

    void importRows();
    void cancel();

private:
    ImportDialog(std::unique_ptr<ImportSession> session, QSqlDatabase db,
                 const StatementHeader& statement, KnownTransactions known,
                 const ImportChoices& choices, QWidget* parent);

    void createControls();
    // After the file's first reading: the sign that fits the statement proposed, the choices shown.
    void showStart();
    // The session's rows into the preview, and shown.
    void showRows();
    // The preview's rows shown afresh.
    void showPreview();
    // The Reason column as wide as its longest reason, at least the room the others leave.
    void fitReasonColumn();
    void layoutEdited();
    void presetChosen();
    void rulesEdited();
    void showStatus();

    std::unique_ptr<ImportSession> m_session;
    QSqlDatabase m_db;
    ImportPreview m_preview;
    ImportChoices m_choices; // as proposed
    ColumnRules m_rules;
    int m_imported = 0;

    CsvLayoutPanel* layoutPanel = nullptr;
    QPlainTextEdit* rulesEdit = nullptr;
    QLabel* rulesLabel = nullptr;
    QTableView* importGrid = nullptr;
    ImportRowsModel* m_model = nullptr;
    QLabel* statusLabel = nullptr;
};
