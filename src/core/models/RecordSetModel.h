#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QPointer>
#include <QString>

class RecordSet;

// One column of a grid bound to a record set.
struct GridColumn {
    QString caption;
    QString field;         // a column the query does not select stays empty and read-only
    QString format;        // display format; "" shows the value as an unformatted field does
    bool hidden = false;   // kept in the grid's layout but not seen
    bool readOnly = false; // shown, but written only by the program
};

// A grid's view of a record set: every row of the set, the columns in the grid's own order with
// their captions and display formats. Edits are read the way the column shows them and written
// into the record set's row, which becomes its pending row (moving off it saves it).
class RecordSetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit RecordSetModel(QList<GridColumn> columns, QObject* parent = nullptr);

    // Binds to `recordSet` (nullptr unbinds); the grid is rebuilt from its rows.
    void setRecordSet(RecordSet* recordSet);
    RecordSet* recordSet() const { return m_rs; }

    const QList<GridColumn>& columns() const { return m_columns; }
    // The record set's field shown in `column`, -1 when unbound or not selected.
    int fieldOf(int column) const { return m_fieldOf.value(column, -1); }
    int columnOf(const QString& field) const;
    // The form a date column reads (its format, else the Short Date's pattern); "" for others.
    QString dateForm(int column) const;
    // True while the grid hears of a row inserted or removed: a move of the view's current cell
    // then is the view's own, not the user's choice.
    bool changingRows() const { return m_changingRows; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // An edit the row did not take: text the column cannot read, or a save that failed.
    void editRefused(const QModelIndex& index, const QString& description);
    // An edit the row took.
    void edited(const QModelIndex& index);

private:
    void resolveFields();
    void currentMoved();

    QList<GridColumn> m_columns;
    QList<int> m_fieldOf;
    QPointer<RecordSet> m_rs;
    int m_markedRow = -1;
    bool m_changingRows = false;
};
