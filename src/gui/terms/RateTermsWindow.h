#pragma once

#include "data/AccountConnection.h"
#include "reference/RateTerms.h"
#include "reference/TermsStore.h"
#include "engine/CalculationBasis.h"
#include "run/AccountSnapshot.h"
#include "shell/FormWindow.h"

#include <QVector>

#include <optional>

class QChartView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

// The loan's rate terms: the periods of its contract (fixed, tracker, adjustable, the lender's
// variable rate), each stored in the account the moment it is saved, with the reference series
// they use copied in. Beside them, the rates they owe against the stored ones, whether the
// lender passed on its reference's changes and what each change not passed on cost, a chart of
// the three, and the report under the owed rates.
class RateTermsWindow : public FormWindow {
    Q_OBJECT
public:
    explicit RateTermsWindow(WindowHost& main);

    const QVector<RateTerms::Period>& terms() const { return m_terms; }
    const RateTerms::SeriesSet& accountSeries() const { return m_series; }

    // The form's period saved in place of the one selected, or added; false, with the reason
    // shown, when it does not read or cannot be stored.
    bool savePeriod();
    void newPeriod();
    void deletePeriod();
    // A series from a CSV file of dates and rates, or typed in the Series tab.
    void addSeriesFromFile();
    void addTypedSeries();
    void viewReportUnderTerms();
    void closeWindow();

protected:
    void formUnload() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createTermsPanel();
    QWidget* createForm();
    QWidget* createSeriesTab();
    QTabWidget* createResults();
    void enableFields();
    void fillSeriesBox();
    void fillTermsGrid();
    void showPeriod(int row);
    std::optional<RateTerms::Period> formPeriod(QString* problem) const;
    bool store(const QVector<RateTerms::Period>& terms, const RateTerms::SeriesSet& series);
    void addSeries(ReferenceSeries series);
    // The owed rates, the pass-on table, the chart and the verdict, worked again.
    void refresh();
    void fillOwed(const RateTerms::Owed& owed);
    void fillPassOn();
    void fillChart(const RateTerms::Owed& owed);
    RateTerms::SeriesSet everySeries() const;
    // The terms as the window holds them, with every series they may name.
    TermsStore::Stored shownTerms() const;
    // The basis the verdict is worked under: the chosen method, the calculation day, the
    // account's conventions and the owed rates.
    CalculationBasis basis() const;
    // What the period's form holds, to tell a typed period from the one shown.
    QStringList formState() const;
    CalcDay::Day fixedDay() const;

    AccountConnection m_connection;
    std::optional<AccountSnapshot> m_snapshot;
    QVector<RateTerms::Period> m_terms;
    RateTerms::SeriesSet m_series;      // the account's own
    QVector<ReferenceSeries> m_shipped; // the program's
    bool m_coversHistory = false;

    QTableWidget* termsGrid = nullptr;
    QGroupBox* periodGroup = nullptr;
    QStringList m_shownForm; // the form as showPeriod filled it
    QComboBox* kindBox = nullptr;
    QLineEdit* fromEdit = nullptr;
    QLineEdit* rateEdit = nullptr;
    QLineEdit* untilEdit = nullptr;
    QComboBox* seriesBox = nullptr;
    QLineEdit* marginEdit = nullptr;
    QSpinBox* lagSpin = nullptr;
    QCheckBox* nextMonthCheck = nullptr;
    QComboBox* roundingBox = nullptr;
    QComboBox* stepBox = nullptr;
    QLineEdit* firstChangeEdit = nullptr;
    QSpinBox* monthsSpin = nullptr;
    QSpinBox* lookBackSpin = nullptr;
    QLineEdit* firstCapEdit = nullptr;
    QLineEdit* eachCapEdit = nullptr;
    QLineEdit* lifeCapEdit = nullptr;
    QLineEdit* floorEdit = nullptr;
    QPushButton* newButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* deleteButton = nullptr;

    QTabWidget* resultTabs = nullptr;
    QTableWidget* owedGrid = nullptr;
    QLabel* owedNotesLabel = nullptr;
    QComboBox* methodBox = nullptr;
    QTableWidget* passOnGrid = nullptr;
    QLabel* passOnTotalLabel = nullptr;
    QChartView* termsChart = nullptr;
    QTableWidget* seriesGrid = nullptr;
    QLineEdit* seriesNameEdit = nullptr;
    QPlainTextEdit* seriesTextEdit = nullptr;
    QPushButton* addTypedButton = nullptr;
    QPushButton* addFileButton = nullptr;

    QLabel* verdictLabel = nullptr;
    QPushButton* reportButton = nullptr;
    QPushButton* closeButton = nullptr;
};
