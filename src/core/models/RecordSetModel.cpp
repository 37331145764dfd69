#include "RecordSetModel.h"

#include "data/ShortDate.h"

#include "data/FieldFormat.h"
#include "data/RecordSet.h"

#include <QScopedValueRollback>

RecordSetModel::RecordSetModel(QList<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)) {
    resolveFields();
}

void RecordSetModel::setRecordSet(RecordSet* recordSet) {
    beginResetModel();
    if (m_rs)
        disconnect(m_rs, nullptr, this, nullptr);
    m_rs = recordSet;
    m_markedRow = -1;
    resolveFields();
    if (m_rs) {
        connect(m_rs, &RecordSet::rowsReset, this, [this] {
            beginResetModel();
            resolveFields();
            endResetModel();
        });
        // The record set reports changes after making them; the grid only needs to hear of them
        // before it next reads.
        connect(m_rs, &RecordSet::rowInserted, this, [this](int row) {
            const QScopedValueRollback changing(m_changingRows, true);
            beginInsertRows({}, row, row);
            endInsertRows();
        });
        connect(m_rs, &RecordSet::rowRemoved, this, [this](int row) {
            if (m_markedRow == row)
                m_markedRow = -1;
            else if (m_markedRow > row)
                --m_markedRow;
            const QScopedValueRollback changing(m_changingRows, true);
            beginRemoveRows({}, row, row);
            endRemoveRows();
        });
        connect(m_rs, &RecordSet::rowChanged, this, [this](int row) {
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
            emit headerDataChanged(Qt::Vertical, row, row);
        });
        connect(m_rs, &RecordSet::moveComplete, this, &RecordSetModel::currentMoved);
    }
    endResetModel();
}

void RecordSetModel::resolveFields() {
    m_fieldOf.clear();
    for (const GridColumn& c : std::as_const(m_columns))
        m_fieldOf << (m_rs ? m_rs->fieldIndex(c.field) : -1);
}

void RecordSetModel::currentMoved() {
    // The row marker follows the current row.
    const int previous = m_markedRow;
    m_markedRow = m_rs ? m_rs->currentRow() : -1;
    for (int row : {previous, m_markedRow}) {
        if (row >= 0 && row < rowCount())
            emit headerDataChanged(Qt::Vertical, row, row);
    }
}

int RecordSetModel::columnOf(const QString& field) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int RecordSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_rs ? 0 : m_rs->recordCount();
}

int RecordSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RecordSetModel::data(const QModelIndex& index, int role) const {
    if (!m_rs || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int field = fieldOf(index.column());
    if (field < 0)
        return role == Qt::DisplayRole || role == Qt::EditRole ? QVariant(QString()) : QVariant();
    const ColumnKind kind = m_rs->fieldKind(field);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        // The editor starts from what the cell shows, so that reading it back is exact.
        return FieldFormat::display(m_rs->valueAt(index.row(), field), kind,
                                    m_columns[index.column()].format);
    case Qt::TextAlignmentRole:
        if (kind == ColumnKind::Money || kind == ColumnKind::Double ||
            kind == ColumnKind::Integer || kind == ColumnKind::Key)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QString RecordSetModel::dateForm(int column) const {
    const int field = fieldOf(column);
    if (!m_rs || field < 0 || m_rs->fieldKind(field) != ColumnKind::Date)
        return {};
    const QString& format = m_columns[column].format;
    return format.isEmpty() ? ShortDate::pattern() : format;
}

QVariant RecordSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // A date column says the form it reads, as statement entry's message does.
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal) {
        const QString form = dateForm(section);
        return form.isEmpty() ? QVariant() : QVariant(tr("Dates as %1").arg(form));
    }
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_columns.size() ? m_columns[section].caption : QString();
    // Record selector: the current row, marked as changed while it has unsaved edits.
    if (!m_rs || section != m_rs->currentRow())
        return QString();
    return m_rs->editPending() ? QStringLiteral("\u270E") : QStringLiteral("\u25B6");
}

Qt::ItemFlags RecordSetModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    const int field = fieldOf(index.column());
    if (m_rs && field >= 0 && m_rs->fieldKind(field) != ColumnKind::Key &&
        !m_columns[index.column()].hidden && !m_columns[index.column()].readOnly)
        f |= Qt::ItemIsEditable;
    return f;
}

bool RecordSetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !m_rs || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const int field = fieldOf(index.column());
    if (field < 0 || m_rs->fieldKind(field) == ColumnKind::Key ||
        m_columns[index.column()].readOnly)
        return false;
    // The cell reads what it shows: text in the column's display format. Text left as it was
    // shown changes nothing, so that leaving a cell never rounds a four-decimal amount to the
    // two decimals it shows.
    if (value.typeId() == QMetaType::QString && value.toString() == data(index).toString())
        return true;
    if (!m_rs->setValueAt(index.row(), field, value, m_columns[index.column()].format)) {
        emit editRefused(index, m_rs->lastError());
        return false;
    }
    emit edited(index);
    return true;
}
