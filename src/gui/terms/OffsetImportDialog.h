#pragma once

#include "import/CsvReader.h"
#include "import/OffsetImport.h"
#include "import/StatementFile.h"

#include <QDialog>
#include <QSqlDatabase>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The preview of the offset account's file from the bank: the balance at the end of each day the
// file covers, each marked new or already stored. Nothing is written until Import, which adds the
// new days to tblOffsetBalances in one transaction.
class OffsetImportDialog : public QDialog {
    Q_OBJECT
public:
    // The account's last confirmed CSV layout, kept as ImportChoices text.
    static inline const QString ChoicesSetting = QStringLiteral("OffsetImportChoices");

    // The offset window's "Import...": asks for a file, previews it and on Import adds the new
    // days' balances to `db`. Returns how many were added (0 when none or cancelled).
    static int run(QWidget* parent, QSqlDatabase db);

    // The preview of the file at `path`, ready to be shown; nullptr after a message when the file
    // or the account cannot be read, and without one when the user cancels the reading of an OFX
    // file. Asks for the date order when the file leaves it open.
    static std::unique_ptr<OffsetImportDialog> open(const QString& path, QSqlDatabase db,
                                                    const std::optional<CsvLayout>& remembered,
                                                    QWidget* parent = nullptr);

    const OffsetImport::Days& days() const { return m_days; }
    // The CSV layout in force, for the account to keep; nullopt for other formats.
    std::optional<CsvLayout> layout() const;
    int added() const { return m_added; }

    void importBalances();
    void cancel();

private:
    OffsetImportDialog(StatementFile::Loaded loaded, const QString& path, QSqlDatabase db,
                       QSet<QDate> stored, const std::optional<CsvLayout>& remembered,
                       QWidget* parent);

    void createControls(const QString& path);
    // Reads the file the first time; false (and why) when it is refused.
    bool start(QString* error);
    // Reads the file in the choices shown (`given`: the rows already read in them).
    void readFile(const ReadResult* given = nullptr);
    // The days from the rows read and the opening balance typed, into the table.
    void showDays();
    void showChoices();
    void presetChosen(int index);
    void dateOrderChosen(int index);
    bool needsOpening() const;

    StatementFile::Loaded m_loaded;
    QSqlDatabase m_db;
    QSet<QDate> m_stored;
    std::unique_ptr<CsvReader> m_csv;
    std::optional<CsvLayout> m_remembered;
    CsvLayout m_layout;
    QString m_layoutSource;
    DateOrder m_dateOrder = DateOrder::DayFirst; // QIF's; CSV keeps its own in the layout
    ReadResult m_ofx; // read once, before the dialog: no choice changes what libofx reads
    QList<ImportedRow> m_rows;
    QString m_readError;
    bool m_ambiguous = false;
    OffsetImport::Days m_days;
    int m_added = 0;
    bool m_showing = false;

    QLabel* fileLabel = nullptr;
    QLabel* presetLabel = nullptr;
    QComboBox* presetCombo = nullptr;
    QLabel* dateOrderLabel = nullptr;
    QComboBox* dateOrderCombo = nullptr;
    QLabel* openingLabel = nullptr;
    QLineEdit* openingEdit = nullptr;
    QTableWidget* daysGrid = nullptr;
    QLabel* statusLabel = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
