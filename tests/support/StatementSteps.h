#pragma once

// What a user does on the statement road, step by step, through the real windows.
#include "shell/MDIForm1.h"
#include "shell/WindowRegistry.h"
#include "shell/Windows.h"
#include "statements/frmNewStatement.h"
#include "statements/frmThisSession.h"
#include "support/Controls.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>

// The five header fields in window order: number, start date, opening balance, end date,
// closing balance. An empty text leaves the field as proposed.
inline void typeHeader(frmNewStatement* w, const QStringList& fields) {
    QVERIFY(w);
    for (int i = 0; i < fields.size(); ++i) {
        if (!fields[i].isEmpty())
            w->txtFields(i)->setText(fields[i]);
    }
}

// Types into a cell of the transactions grid and lets the window react (save, recompute), as it
// does before the user can type anything more.
inline void typeIntoSession(frmThisSession* w, int row, int column, const QString& text) {
    typeIntoCell(w->grid(), row, column, text);
    QCoreApplication::processEvents();
}

// Types a transaction into a row of the transactions grid: the date, then the five amounts
// (Govt, Bank, Withdrawal, Deposit, Interest); empty texts are skipped. The amounts go first,
// since a new date may move the row.
inline void typeTransaction(frmThisSession* w, int row, const QStringList& cells) {
    QVERIFY(w);
    for (int i = 1; i < cells.size(); ++i) {
        if (!cells[i].isEmpty())
            typeIntoSession(w, row, frmThisSession::colGovtCharge + i - 1, cells[i]);
    }
    if (!cells.value(0).isEmpty())
        typeIntoSession(w, row, frmThisSession::colDate, cells[0]);
}

// A column of the transactions grid, as shown.
inline QStringList gridColumn(frmThisSession* w, int column) {
    QStringList texts;
    const QAbstractItemModel* m = w->grid()->model();
    for (int row = 0; row < m->rowCount(); ++row)
        texts << m->index(row, column).data().toString();
    return texts;
}

template <typename T> T* loaded(MDIForm1& main, const QString& name) {
    return dynamic_cast<T*>(main.registry().loaded(name));
}
