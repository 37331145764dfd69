#pragma once

#include "data/AccountConnection.h"
#include "data/Money.h"
#include "engine/CalculationBasis.h"
#include "repayment/Payoff.h"
#include "repayment/RepaymentCheck.h"
#include "repayment/RepaymentTerms.h"
#include "run/AccountSnapshot.h"
#include "shell/FormWindow.h"

#include <QStringList>

#include <memory>
#include <optional>

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;
class ReportCase;

// The loan's repayment terms: when the repayments fall due, over how long, how often, the
// periods of interest only, the repayment the lender stated and how it rounds. Stored in the
// account's settings when saved. Beside them, the report's own check of the repayments the
// lender took against those the terms require, the deposits taken as repayments (the borrower
// unticks one that is not), and when the loan will be paid off, with an extra amount if asked.
class RepaymentTermsWindow : public FormWindow {
    Q_OBJECT
public:
    explicit RepaymentTermsWindow(WindowHost& main);
    ~RepaymentTermsWindow() override;

    // The terms as the account holds them.
    const Repayments::Terms& storedTerms() const { return m_stored; }

    // The terms typed stored in the account, and the check run again; false, with the reason
    // shown and the form as typed, when a value does not read or the terms cannot stand.
    bool saveTerms();
    // Asks, then clears the terms from the account.
    void clearTerms();
    // The payoff projected again with the extra amount typed.
    bool project();
    void addInterestOnly();
    void removeInterestOnly();
    void closeWindow();

protected:
    void formUnload() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createTermsTab();
    QWidget* createForm(QWidget* parent);
    QWidget* createInterestOnly(QWidget* parent);
    QWidget* createCheckTab();
    QWidget* createDepositsTab();
    QWidget* createPayoffTab();
    void enableTerm();
    void showTerms(const Repayments::Terms& t);
    std::optional<Repayments::Terms> formTerms(QString* problem) const;
    bool readInterestOnly(Repayments::Terms& t, QString* problem) const;
    bool store(const Repayments::Terms& t);
    // The report run again over the account with the stored terms; the check, the deposits and
    // the payoff filled from it.
    void refresh();
    void fillCheck(const RepaymentCheck::Result& r);
    void fillDeposits(const RepaymentCheck::Result& r);
    void fillPayoff();
    void fillChart(const Payoff::Result& p);
    void showNoCheck(const QString& why);
    void depositToggled(QTableWidgetItem* item);
    // The deposit of history row `id` taken as a repayment or not, stored at once.
    void setDepositTaken(qint64 id, bool ticked, int row);
    // The workflow's method and day (the account's day in force while none is set), the
    // account's conventions, the stored rates.
    CalculationBasis basis() const;
    // What the form holds, to tell typed terms from the stored ones.
    QStringList formState() const;

    AccountConnection m_connection;
    std::optional<AccountSnapshot> m_snapshot;
    std::unique_ptr<ReportCase> m_case;
    Repayments::Terms m_stored;
    QStringList m_shownForm; // the form as showTerms filled it
    Money m_extra;

    QTabWidget* tabs = nullptr;
    QWidget* formPanel = nullptr;
    QLineEdit* firstRepaymentEdit = nullptr;
    QComboBox* termKindBox = nullptr;
    QLineEdit* lastRepaymentEdit = nullptr;
    QLineEdit* countEdit = nullptr;
    QLineEdit* initialRateEdit = nullptr;
    QComboBox* frequencyBox = nullptr;
    QTableWidget* interestOnlyGrid = nullptr;
    QPushButton* addInterestOnlyButton = nullptr;
    QPushButton* removeInterestOnlyButton = nullptr;
    QLineEdit* statedEdit = nullptr;
    QComboBox* roundingBox = nullptr;
    QLabel* formulaLabel = nullptr;

    QTableWidget* repaymentGrid = nullptr;
    QLabel* findingsLabel = nullptr;
    QLabel* checkNoticesLabel = nullptr;
    QTableWidget* depositsGrid = nullptr;
    QLabel* depositsNoteLabel = nullptr;
    QLabel* payoffLabel = nullptr;
    QLineEdit* extraEdit = nullptr;
    QPushButton* projectButton = nullptr;
    QChartView* payoffChart = nullptr;

    QPushButton* saveButton = nullptr;
    QPushButton* clearButton = nullptr;
    QPushButton* closeButton = nullptr;
};
