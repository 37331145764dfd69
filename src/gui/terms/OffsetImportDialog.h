#pragma once

#include "import/ImportSession.h"
#include "import/OffsetImport.h"

#include <QDialog>
#include <QSqlDatabase>

#include <memory>
#include <optional>

class CsvLayoutPanel;
class QLabel;
class QLineEdit;
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
    OffsetImportDialog(std::unique_ptr<ImportSession> session, QSqlDatabase db, QSet<QDate> stored,
                       QWidget* parent);

    static QString caption();
    static QString openingNeeded();
    static QString openingUnreadable(const QString& typed);

    void createControls();
    // The days from the rows read and the opening balance typed, into the table.
    void showDays();
    bool needsOpening() const;

    std::unique_ptr<ImportSession> m_session;
    QSqlDatabase m_db;
    QSet<QDate> m_stored;
    OffsetImport::Days m_days;
    int m_added = 0;
    bool m_openingOffered = false; // the file's stated opening balance was offered

    CsvLayoutPanel* layoutPanel = nullptr;
    QLabel* openingLabel = nullptr;
    QLineEdit* openingEdit = nullptr;
    QTableWidget* daysGrid = nullptr;
    QLabel* statusLabel = nullptr;
};
