#pragma once

#include "engine/RateProposal.h"

#include <QDialog>
#include <QSqlDatabase>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;

// "Propose from Charges...": the rate periods that reproduce the lender's own charges, read
// from the committed history under a method the user chooses (or the best of every method, day
// and convention), beside the periods already stored. The ticked periods are stored together on
// Store, stored ones they overlap only after a question; Cancel stores nothing.
class RateProposalDialog : public QDialog {
    Q_OBJECT
public:
    // `method` and `day`: the last choice in the method window, which the method and day start
    // from; no method chosen yet: every way is tried.
    RateProposalDialog(QSqlDatabase db, std::optional<InterestMethod::Code> method,
                       const CalcDay::Day& day, QWidget* parent = nullptr);

    const RateProposal::Proposal& proposal() const { return m_proposal; }
    // The method, day and conventions chosen: stored with the periods, the account's way after.
    FitCandidate way() const;

    // Proposes under the method, day and conventions chosen; each change of them does.
    void propose();
    // Proposes under each way of working, and under the best: its method, day and conventions
    // become the choice shown.
    void proposeUnderEvery();
    // Stores the ticked periods that differ from those stored, with the way they were proposed
    // under, and closes; stays open when the user keeps the stored periods they overlap or the
    // file cannot be written.
    void storeTicked();

private:
    void createControls();
    QGridLayout* createChoice();
    void createGrids(QVBoxLayout* layout);
    void readAccount();
    void showConventions(const LenderConventions& c);
    void enableChoices();
    void showProposal(const QString& about);
    void showStored();
    QVector<RateProposal::Period> ticked() const;

    QSqlDatabase m_db;
    QVector<HistoryRow> m_history;
    QString m_storedDay; // the calculation day in force (CalcFrom), "" for none
    OffsetAccount m_offset;
    QVector<RatePeriod> m_stored;
    QString m_readError;
    QStringList m_notices; // the settings that did not read
    RateProposal::Proposal m_proposal;
    LenderConventions m_shown; // the conventions last proposed under

    QComboBox* methodBox = nullptr;
    QLabel* dayLabel = nullptr;
    QSpinBox* dayBox = nullptr;
    QComboBox* dayCountBox = nullptr;
    QComboBox* roundingBox = nullptr;
    QComboBox* restBox = nullptr;
    QComboBox* compoundingBox = nullptr;
    QLabel* perYearLabel = nullptr;
    QSpinBox* perYearSpin = nullptr;
    QPushButton* everyButton = nullptr;
    QLabel* aboutLabel = nullptr;
    QTableWidget* proposalGrid = nullptr;
    QTableWidget* storedGrid = nullptr;
    QLabel* unexplainedLabel = nullptr;
    QTableWidget* unexplainedGrid = nullptr;
    QPushButton* storeButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
