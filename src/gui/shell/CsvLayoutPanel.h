#pragma once

#include <QWidget>

class ImportSession;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

// The choices an import preview reads its file in: the layout list (as detected, as last time,
// the presets) and the date order, and in the full shape every choice of a CSV file's layout and
// the sign. Each change the user makes is read into the session at once; the panel then says so,
// and the preview shows the rows afresh.
class CsvLayoutPanel : public QWidget {
    Q_OBJECT
public:
    enum class Shape {
        // Every choice in a "CSV layout" group, then the date order and the sign: for a preview
        // that shows each row as it reads.
        Full,
        // The layout list and the date order on one line.
        Compact,
    };

    CsvLayoutPanel(ImportSession& session, Shape shape, QWidget* parent = nullptr);

    // Shows the session's choices: its layout, where the layout came from, its date order.
    void showLayout();
    // For a preview that asks the sign in its own terms: the full shape without it.
    void hideSign();

signals:
    // The user changed a choice; the session has read the file in it.
    void layoutEdited();
    // The user chose a layout of the list that fits the file; the session has read the file in it.
    void presetChosen();

private:
    void createFull();
    void createCompact();
    QComboBox* createDateOrderCombo();
    void fillColumnLists();
    void edited();
    void choosePreset(int index);

    ImportSession& m_session;
    bool m_showing = false;

    QGroupBox* layoutGroup = nullptr; // the full shape's
    QLabel* presetLabel = nullptr;
    QComboBox* presetCombo = nullptr;
    QComboBox* delimiterCombo = nullptr;
    QSpinBox* skipSpin = nullptr;
    QCheckBox* headerCheck = nullptr;
    QComboBox* decimalCombo = nullptr;
    QComboBox* amountsCombo = nullptr;
    QComboBox* dateColumnCombo = nullptr;
    QComboBox* descriptionColumnCombo = nullptr;
    QComboBox* amountColumnCombo = nullptr;
    QComboBox* debitColumnCombo = nullptr;
    QComboBox* creditColumnCombo = nullptr;
    QComboBox* balanceColumnCombo = nullptr;
    QComboBox* signColumnCombo = nullptr;
    QLabel* dateOrderLabel = nullptr;
    QComboBox* dateOrderCombo = nullptr;
    QCheckBox* flipCheck = nullptr; // the full shape's
};
