#include "ImportRowsModel.h"

#include "data/ShortDate.h"

#include <QBrush>
#include <QColor>

ImportRowsModel::ImportRowsModel(ImportPreview& preview, QObject* parent)
    : QAbstractTableModel(parent), m_preview(preview) {
    refreshChecks();
}

void ImportRowsModel::reload() {
    beginResetModel();
    refreshChecks();
    endResetModel();
}

void ImportRowsModel::refreshChecks() {
    m_balance = m_preview.balanceCheck();
}

int ImportRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_preview.rows().size());
}

int ImportRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count;
}

QVariant ImportRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const headings[Count] = {QT_TR_NOOP("Import"),  QT_TR_NOOP("Line"),
                                                QT_TR_NOOP("Date"),    QT_TR_NOOP("Description"),
                                                QT_TR_NOOP("Amount"),  QT_TR_NOOP("Column"),
                                                QT_TR_NOOP("Balance"), QT_TR_NOOP("Reason")};
    return section >= 0 && section < Count ? tr(headings[section]) : QString();
}

QVariant ImportRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_preview.rows().size())
        return {};
    const ImportPreview::Row r = m_preview.rows()[index.row()];
    const bool parts = index.row() == m_balance.partsAt;
    if (role == Qt::CheckStateRole && index.column() == Tick)
        return r.ticked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::ForegroundRole && (parts || r.status == ImportPreview::Status::Unreadable))
        return QBrush(QColor(Qt::red));
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case Line:
        return r.source.line > 0 ? QString::number(r.source.line) : QString();
    case Date:
        return ShortDate::format(r.source.date);
    case Description:
        return r.source.description;
    case Amount:
        return r.status == ImportPreview::Status::Unreadable ? QString() : r.source.amount.format();
    case AmountColumn:
        return r.status == ImportPreview::Status::Unreadable ||
                       r.status == ImportPreview::Status::Pending
                   ? QString()
                   : AmountColumns::shownCaption(r.column);
    case Balance:
        return r.source.balance ? r.source.balance->format() : QString();
    case Reason:
        return m_preview.reasonShown(index.row(), m_balance);
    default:
        return {};
    }
}

Qt::ItemFlags ImportRowsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.row() >= m_preview.rows().size())
        return f;
    // A pending row is never entered: neither its tick nor its column can be set.
    const ImportPreview::Status status = m_preview.rows()[index.row()].status;
    if (index.column() == Tick && status != ImportPreview::Status::Pending)
        f |= Qt::ItemIsUserCheckable;
    if (index.column() == AmountColumn && status != ImportPreview::Status::Unreadable &&
        status != ImportPreview::Status::Pending)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ImportRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= m_preview.rows().size())
        return false;
    if (index.column() == Tick && role == Qt::CheckStateRole) {
        m_preview.setTicked(index.row(), value.toInt() == Qt::Checked);
    } else if (index.column() == AmountColumn && role == Qt::EditRole) {
        const auto column = AmountColumns::fromText(value.toString());
        if (!column)
            return false;
        m_preview.setColumn(index.row(), *column);
    } else {
        return false;
    }
    // A column moves the running balance of every later row: the whole grid is shown again.
    refreshChecks();
    emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, Count - 1));
    emit rowsEdited();
    return true;
}
