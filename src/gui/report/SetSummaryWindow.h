#pragma once

#include "loanset/SetCheck.h"
#include "shell/FormWindow.h"
#include "shell/SetViewer.h"
#include "shell/Windows.h"

#include <optional>

class QChartView;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableWidget;

// A split loan's parts checked as one: the set's verdict and each part's, what each part's
// offset saved and when its fixed rate ends, the calendar years per part and in total, the
// balance-weighted rate and the parts' balances over time.
class SetSummaryWindow : public FormWindow, public SetViewer {
    Q_OBJECT
public:
    static inline const QString& Name = WindowNames::SetSummary;

    explicit SetSummaryWindow(WindowHost& main);

    // Reads the loan set at `setPath` and checks its parts; a file that is not a set is said.
    void showSet(const QString& setPath) override;
    const std::optional<SetCheck::Result>& result() const { return m_result; }

    void copyAsText();
    void print();
    // The part of the selected row (or `row`) in the Summary window, as its own report gives it.
    void showPart(int row = -1);
    void editSet();
    // One letter and one evidence pack over every part checked, where a part has a finding.
    void prepareComplaint();
    void closeWindow();

private:
    void createTables();
    QHBoxLayout* createButtons();
    void clear(const QString& why);
    void fillParts();
    void fillYears();
    void fillChart();

    QLabel* nameLabel = nullptr;
    QLabel* verdictLabel = nullptr;
    QLabel* offsetsLabel = nullptr; // the offsets counted against the wrong part
    QTableWidget* partsGrid = nullptr;
    QTableWidget* yearsGrid = nullptr;
    QLabel* rateLabel = nullptr;
    QChartView* balancesChart = nullptr;
    QPushButton* showPartButton = nullptr;
    QPushButton* editButton = nullptr;
    QPushButton* complaintButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* printButton = nullptr;
    QPushButton* closeButton = nullptr;

    QString m_setPath;
    std::optional<SetCheck::Result> m_result;
};
