#pragma once

#include "import/ImportPreview.h"

#include <QAbstractTableModel>

// The import preview's grid: one line a row of the file, with its tick, its column (editable)
// and, where it starts unticked or the file's balance parts from the running balance, the reason.
class ImportRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Tick, Line, Date, Description, Amount, AmountColumn, Balance, Reason, Count };

    explicit ImportRowsModel(ImportPreview& preview, QObject* parent = nullptr);

    // The preview's rows were read afresh.
    void reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    // A tick or a column changed: the counts and the checks are to be shown again.
    void rowsEdited();

private:
    void refreshChecks();

    ImportPreview& m_preview;
    ImportPreview::BalanceCheck m_balance;
};
