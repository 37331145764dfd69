#include "ReportLinesModel.h"

#include "data/ShortDate.h"

#include <QColor>

namespace {
const QColor CellColour(204, 240, 255);
} // namespace

void ReportLinesModel::setLines(QVector<ReportLine> lines, bool offsetColumn) {
    beginResetModel();
    m_lines = std::move(lines);
    m_offsetColumn = offsetColumn;
    endResetModel();
}

QString ReportLinesModel::cellText(int row, int column) const {
    if (row < 0 || row >= m_lines.size())
        return QString();
    const ReportLine& line = m_lines[row];
    if (column == ReportLine::DateColumn)
        return ShortDate::format(line.date);
    const std::optional<Money> value = line.cell(column);
    return value ? value->format() : QString();
}

int ReportLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_lines.size()) + 1;
}

int ReportLinesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ReportLine::columnCount(m_offsetColumn);
}

QVariant ReportLinesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return index.column() == ReportLine::DateColumn
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return CellColour;
    default:
        return QVariant();
    }
}

QVariant ReportLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return ReportLine::shownHeading(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ReportLinesModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
