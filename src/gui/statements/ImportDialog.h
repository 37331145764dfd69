#pragma once

#include "import/CsvReader.h"
#include "import/ImportChoices.h"
#include "import/ImportPreview.h"
#include "import/StatementFile.h"

#include <QDialog>
#include <QSqlDatabase>

#include <memory>

class ImportRowsModel;
class WindowHost;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
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
    ImportDialog(StatementFile::Loaded loaded, const QString& path, QSqlDatabase db,
                 const StatementHeader& statement, KnownTransactions known,
                 const ImportChoices& choices, QWidget* parent);

    void createControls(const QString& path);
    // Reads the file the first time: the proposed layout, the date order asked where the file
    // leaves it open, the sign that fits the statement. False (and why) when the file is refused.
    bool start(QString* error);
    // Reads the file in the choices shown; false (and the message) when it cannot be read at all.
    // `given`: the rows already read in the choices shown.
    bool readFile(QString* error, const ReadResult* given = nullptr);
    void showLayout();
    void layoutEdited();
    void presetChosen(int index);
    void rulesEdited();
    void showStatus();
    void fillColumnLists();

    StatementFile::Loaded m_loaded;
    QSqlDatabase m_db;
    std::unique_ptr<CsvReader> m_csv;
    CsvLayout m_layout;
    QString m_layoutSource;
    DateOrder m_dateOrder = DateOrder::DayFirst;
    bool m_flip = false;
    bool m_ambiguous = false; // both date orders read every date of the file
    ReadResult m_ofx; // read once, before the dialog: its choices change nothing libofx reads
    ImportPreview m_preview;
    ImportChoices m_choices; // as proposed
    ColumnRules m_rules;
    int m_imported = 0;
    bool m_showing = false;

    QLabel* fileLabel = nullptr;
    QGroupBox* layoutGroup = nullptr;
    QComboBox* presetCombo = nullptr;
    QComboBox* delimiterCombo = nullptr;
    QSpinBox* spnSkip = nullptr;
    QCheckBox* headerCheck = nullptr;
    QComboBox* decimalCombo = nullptr;
    QComboBox* amountsCombo = nullptr;
    QComboBox* dateColumnCombo = nullptr;
    QComboBox* descriptionColumnCombo = nullptr;
    QComboBox* amountColumnCombo = nullptr;
    QComboBox* debitColumnCombo = nullptr;
    QComboBox* creditColumnCombo = nullptr;
    QComboBox* balanceColumnCombo = nullptr;
    QComboBox* dateOrderCombo = nullptr;
    QCheckBox* flipCheck = nullptr;
    QPlainTextEdit* rulesEdit = nullptr;
    QLabel* rulesLabel = nullptr;
    QTableView* importGrid = nullptr;
    ImportRowsModel* m_model = nullptr;
    QLabel* statusLabel = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
