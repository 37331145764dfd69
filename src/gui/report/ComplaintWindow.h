#pragma once

#include "complaint/Complaint.h"
#include "shell/FormWindow.h"

#include <QFileInfo>

#include <optional>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// Prepare a Complaint: who complains to whom about which loan (kept in the account for next
// time), the postings to raise (each charged the threshold or more above its due is ticked, with
// what explains it), and the letter and its evidence written beside the account.
class ComplaintWindow : public FormWindow {
    Q_OBJECT
public:
    static inline const QString Name = QStringLiteral("ComplaintWindow");

    explicit ComplaintWindow(WindowHost& main);

    // Opens the window on the report's run, from the summary or the report window.
    static ComplaintWindow* open(WindowHost& main, const CalculationBasis& basis);

    // The letter's and the evidence's files, asked in turn beside `beside` and named after it
    // ("<name> complaint.odt", "<name> evidence.pdf"); nullopt when either is cancelled.
    static std::optional<std::pair<QString, QString>> chooseFiles(const QFileInfo& beside);

    // The report's run the complaint is about: its method, day and conventions, and whether it
    // ran under the rates the loan's terms owe.
    void prepare(const CalculationBasis& basis);
    const std::optional<Complaint::Case>& complaint() const { return m_case; }

    // Stores the details; asks for a detail the letter needs while one is blank; then asks where
    // the two files go and writes them, neither where it may not go (OutputFile).
    bool writeLetterAndEvidence();
    void closeWindow();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createDetails();
    void showDetails();
    ComplaintDetails shownDetails() const;
    // False, having said which field to fill in, while the letter lacks a detail it needs.
    bool askForMissingDetail();
    void fillPostings();
    void showTotal();
    void applyThreshold();

    std::optional<Complaint::Case> m_case;
    bool m_filling = false;

    QLineEdit* borrowerNameEdit = nullptr;
    QPlainTextEdit* borrowerAddressEdit = nullptr;
    QLineEdit* accountNumberEdit = nullptr;
    QLineEdit* lenderNameEdit = nullptr;
    QPlainTextEdit* lenderAddressEdit = nullptr;
    QComboBox* countryBox = nullptr;
    QLineEdit* thresholdEdit = nullptr;
    QTableWidget* postingsGrid = nullptr;
    QLabel* totalLabel = nullptr;
    QPushButton* writeButton = nullptr;
    QPushButton* closeButton = nullptr;
};
