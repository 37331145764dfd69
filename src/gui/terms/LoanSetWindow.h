#pragma once

#include "loanset/LoanSet.h"
#include "shell/FormWindow.h"

#include <QVector>

class QLineEdit;
class QPushButton;
class QTableWidget;

// The loan set open (tagLoanSet): its name and its parts, each an account file of its own with
// the method its report runs, and whether the account is there. Parts are added and removed
// here; Save writes the set, Check saves it and opens its summary.
class LoanSetWindow : public FormWindow {
    Q_OBJECT
public:
    explicit LoanSetWindow(WindowHost& main);

    enum Column { colName, colAccount, colMethod, colStatus };

    // "Missing" for an account file that is not there, "Not an account" for one that is not an
    // account, "" for an account.
    static QString status(const QString& accountPath);

    const QString& setPath() const { return m_path; }

    // A set handed over as the window's tag (by the set's summary) is the one shown.
    void formActivate() override;

    // Asks for an existing account and the part's name, and adds it.
    void addPart();
    void removePart();
    // The set as shown written to its file; false, with the reason shown and nothing written,
    // when it cannot stand or be written.
    bool save();
    // Saved, then the set's summary.
    void check();

private:
    struct Part {
        QString name;
        QString path; // the account file, in full
        std::optional<InterestMethod::Code> method;
    };

    void createControls();
    void readSet();
    void showParts();
    LoanSet::Set shown() const;

    QString m_path;
    bool m_readable = true; // false: the file is there but is not a set, and is not written over
    QVector<Part> m_parts;

    QLineEdit* nameEdit = nullptr;
    QTableWidget* partsGrid = nullptr;
    QPushButton* addPartButton = nullptr;
    QPushButton* removePartButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* checkButton = nullptr;
    QPushButton* closeButton = nullptr;
};
