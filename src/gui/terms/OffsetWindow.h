#pragma once

#include "records/RecordForm.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The loan's offset account: whether it has one, the share of its balance that counts, and its
// balance at the end of each day it changed, typed into a grid or imported from the bank's file.
// The two settings are stored the moment they change; the grid saves a row when the user leaves
// it, as the other grids do.
class OffsetWindow : public RecordForm {
    Q_OBJECT
public:
    // The grid's columns.
    enum Column { colID = 0, colDate, colBalance };

    explicit OffsetWindow(WindowHost& main);

    void offsetToggled();
    // Stores the share typed; refused text is replaced by the stored share after a message.
    // False when the field held something that was not stored.
    bool validateShare();
    void importBalances();
    void cmdDelete_Click() override;
    void cmdClose_Click() override;

protected:
    MessageStyle messageStyle(Operation) const override { return MessageStyle::DescriptionOnly; }
    bool keyLeftToControl(const QWidget* target, const QKeyEvent& key) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void formUnload() override;

private:
    QWidget* createSettings();
    void showSettings();
    void enableBalances();
    bool storeSettings(bool enabled, int share);

    QLabel* introLabel = nullptr;
    QCheckBox* offsetCheck = nullptr;
    QLabel* shareLabel = nullptr;
    QLineEdit* shareEdit = nullptr;
    QLabel* balancesLabel = nullptr;
    QPushButton* importButton = nullptr;
    bool m_enabled = false;
    int m_share = 10000;
    bool m_showing = false;
};
