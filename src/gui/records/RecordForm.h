#pragma once

#include "data/AccountConnection.h"
#include "data/RecordSet.h"
#include "models/RecordSetModel.h"
#include "shell/FormWindow.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QFormLayout;
class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class QVBoxLayout;

// The skeleton every record window shares: one record set on the window's own connection, the
// button bar picButtons with the seven record buttons, the status bar picStatBox with the move
// buttons and lblStatus, the keys the window sees before its controls, and release on unload.
//
// Grid variant: the rows are shown in grdDataGrid. Single-record variant: the bound fields
// txtFields (captioned by lblLabels) show the current row. In both, txtFields(i) reads the current
// row's column i as a bound field shows it.
//
// A window states only how it departs: which record buttons the user sees, how its messages
// read, and the operations it does its own way (virtual below). Its constructor declares the
// grid columns and bound fields and ends with Form_Load(query).
class RecordForm : public FormWindow {
    Q_OBJECT
public:
    enum class Variant { Grid, SingleRecord };
    enum class Operation {
        Add,
        Edit,
        Update,
        Cancel,
        Delete,
        Refresh,
        MoveFirst,
        MoveLast,
        MoveNext,
        MovePrevious
    };
    enum class MessageStyle { PrefixAndDescription, DescriptionOnly, Silent };

    // "Add Error: " and so on; "" for the operations whose messages carry no prefix.
    static QString errorPrefix(Operation op);

    RecordForm(WindowHost& main, const QString& name, Variant variant);
    ~RecordForm() override;

    Variant variant() const { return m_variant; }
    RecordSet* recordSet() const { return adoPrimaryRS; }
    QTableView* grid() const { return grdDataGrid; }
    RecordSetModel* gridModel() const { return m_model; }
    bool editFlag() const { return mbEditFlag; }
    bool addFlag() const { return mbAddNewFlag; }
    // Why Form_Load could not open the rows ("" when it could).
    QString loadError() const { return m_loadError; }

    // Bound fields: the current row's column bound to txtFields(index), as an unformatted field
    // shows it (or the field's own text in the single-record variant); "" without a current row.
    QString txtFields(int index) const;
    QVariant txtValue(int index) const;
    // Writes the current row's column; text is read as the field shows it. False when refused.
    bool setTxtFields(int index, const QVariant& value);

    // The record buttons, as the user or the window's own code clicks them.
    virtual void cmdAdd_Click();
    virtual void cmdEdit_Click();
    virtual void cmdUpdate_Click();
    virtual void cmdCancel_Click();
    virtual void cmdDelete_Click();
    virtual void cmdRefresh_Click();
    virtual void cmdClose_Click();
    void cmdFirst_Click();
    void cmdLast_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();

    // Shows or hides the record buttons around an edit or add (single-record variant); the grid
    // windows call it at the same points but it does nothing there.
    virtual void SetButtons(bool bVal);

protected:
    // --- set-up, from the window's constructor -------------------------------------------
    void setGridColumns(const QList<GridColumn>& columns);
    // Binds txtFields(index) to `column`; in the single-record variant this makes the field and
    // its caption lblLabels(index).
    void bindTxtField(int index, const QString& column, const QString& caption = QString(),
                      const QString& format = QString());
    // Hides the button bar, the status bar and the bound fields: the window shows its own panel.
    void hideRecordControls();
    // A further record set on the window's connection, released before the connection closes.
    RecordSet* openRecordSet(const QString& query);
    // Which of the seven record buttons the user sees; the others stay hidden.
    void showRecordButtons(const QStringList& names);
    // Opens the connection on the account path and the record set, and binds the controls.
    // Failures are passed over: the window opens with no rows (see loadError()).
    void Form_Load(const QString& query);

    // --- departures -----------------------------------------------------------------------
    virtual void adoPrimaryRS_MoveComplete();
    virtual void adoPrimaryRS_WillChangeRecord(RecordSet::Reason reason);
    virtual MessageStyle messageStyle(Operation op) const;
    // A Delete that failed; the pattern reports it.
    virtual void deleteFailed(const QString& description);
    // An edit the grid refused (text the column cannot read, or a save that failed); the
    // pattern shows the description.
    virtual void gridEditRefused(const QModelIndex& cell, const QString& description);
    // A row the user changed in the grid. Delivered queued, once the grid has committed the
    // cell, never from inside the model's setData: a reaction may requery and rebuild the model
    // under the editor. Not delivered once the window is unloaded.
    virtual void gridRowEdited(int row) { Q_UNUSED(row); }
    // Delivers gridRowEdited(row) as a user's edit of the grid would.
    void queueRowEdited(int row);
    // The step of the grid variant's Refresh between hiding and showing the grid; the pattern
    // fetches the rows again. Returns the error's description, "" on success.
    virtual QString refreshRows();
    // Escape: Close, unless the window closes some other way.
    virtual void escapePressed() { cmdClose_Click(); }
    // Keys are left to the controls while an edit or add is in progress, and to a grid cell
    // that is being typed into (Escape there undoes the typing; it does not close the window).
    virtual bool keysLeftToControls() const;
    bool inCellEditor(const QWidget* widget) const;
    // Whether `key`, aimed at `target`, is left to that control rather than handled by the
    // window; by default only a grid cell being typed into keeps its keys.
    virtual bool keyLeftToControl(const QWidget* target, const QKeyEvent& key) const;
    // Handles the window's keys; true when the key was used.
    bool Form_KeyDown(const QKeyEvent& event);

    // Saves the typed row before the rows are released. An unload by the program (New, Open)
    // goes on when the save fails, after a message that shows what the row held.
    void formUnload() override;
    // The frame's close button: the typed row is saved first, and the window stays open, the
    // row in view, when it cannot be.
    void closeEvent(QCloseEvent* event) override;
    // True while the user, not the program, closes the window (its frame's close button).
    bool closedByUser() const;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // --- helpers for the windows --------------------------------------------------------
    // Shows the operation's message in the window's style.
    void reportError(Operation op, const QString& description);
    // Puts typed-in but unsaved field texts into the current row (single-record variant).
    bool commitBoundFields(QString* error);
    // Saves everything typed: a grid cell still being edited, the bound fields and the pending
    // row. False with the reason when the row cannot be saved ("" when the grid has already
    // said why); the row then stays pending as it was typed.
    bool saveTypedRow(QString* error);
    // "Caption value" of every filled-in column of the row being typed, for a message when
    // the window goes without it.
    QString typedRowText() const;
    // Unbinds / rebinds the grid (the rows are rebuilt on rebinding).
    void unbindGrid();
    void bindGrid();
    QAbstractButton* button(const QString& name) const;
    QVBoxLayout* bodyLayout() const { return m_bodyLayout; }
    QHBoxLayout* buttonBarLayout() const { return m_buttonBarLayout; }

    AccountConnection m_connection;
    RecordSet* adoPrimaryRS = nullptr;
    bool mbEditFlag = false;
    bool mbAddNewFlag = false;
    RecordSet::Bookmark mvBookMark = 0;

    QWidget* picButtons = nullptr;
    QWidget* picStatBox = nullptr;
    QLabel* lblStatus = nullptr;
    QTableView* grdDataGrid = nullptr;
    RecordSetModel* m_model = nullptr;

private:
    struct BoundField {
        QString column;
        QString format;
        QLineEdit* edit = nullptr;
        QLabel* label = nullptr;
    };

    QPushButton* addRecordButton(const QString& name, const QString& caption);
    QToolButton* addMoveButton(const QString& name, int icon);
    int fieldIndexOf(int txtIndex) const;
    // Shows the current row in the grid and the fields; `all` also drops texts typed into the
    // fields but not yet put into the row.
    void syncBoundControls(bool all = true);
    void gridCurrentChanged(const QModelIndex& current);
    bool moveWith(Operation op, bool (RecordSet::*move)());

    Variant m_variant;
    QString m_loadError;
    QHash<int, BoundField> m_bound;
    QList<RecordSet*> m_otherSets;
    QVBoxLayout* m_bodyLayout = nullptr;
    QFormLayout* m_fieldsLayout = nullptr;
    QHBoxLayout* m_buttonBarLayout = nullptr;
    bool m_syncingGrid = false;
};
