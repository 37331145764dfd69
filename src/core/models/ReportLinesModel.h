#pragma once

#include "engine/ReportLine.h"

#include <QAbstractTableModel>
#include <QVector>

// The report grid's rows: one per report line, then the empty row where the next line would go.
// Dates show in the Short Date, amounts as "##,##0.00"; every cell is read-only.
class ReportLinesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // `offsetColumn`: the account has an offset account, shown in a last "Offset" column.
    void setLines(QVector<ReportLine> lines, bool offsetColumn = false);
    const QVector<ReportLine>& lines() const { return m_lines; }
    // A cell's text exactly as the grid shows it.
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QVector<ReportLine> m_lines;
    bool m_offsetColumn = false;
};
