#pragma once

#include "ImportPreview.h"

#include <QSqlDatabase>
#include <QString>

namespace ImportWriter {

// Appends the preview's ticked rows to tblThisSession, oldest first, each amount in its column
// and "0" in the other four, as a typed row is saved; then stores every row's Balance from the
// statement's opening balance, as the transactions window's balance pass does. All in one
// transaction: on any failure nothing is written and `error` says why. Refuses while a ticked
// row does not read. Returns the number of rows written.
std::optional<int> write(QSqlDatabase db, const ImportPreview& preview, QString* error);

} // namespace ImportWriter
