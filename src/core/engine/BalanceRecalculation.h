#pragma once

#include <QSqlDatabase>
#include <functional>

class RecordSet;

// The running balance of the committed history, recomputed over the all-records rows.
namespace BalanceRecalculation {

// Fetches the rows again and walks them in the query's order: the first row's CloseBalance
// starts the balance (0 when it has none: every pass starts afresh, never from where the last
// one ended), each further row gets its empty amounts stored as 0, applies its amounts, and a
// non-zero CloseBalance resets the balance; each row's OpenBalance is the balance after it.
// Amounts that cannot be read or overflow leave the balance as it was. Nothing is reported: a
// step that fails is passed over. A typed row that cannot be saved (the record set refuses it)
// stops the pass before anything is computed, and stays pending.
//
// The whole pass is one transaction on `db`, and only rows whose values change are written,
// through one prepared statement; the rows are then fetched again so that the record set holds
// what the file holds, and the pass ends on the last row. The record set's signals are held back
// for the pass; the caller rebinds its views afterwards. `letEventsRun` is called now and then
// so that the screen stays painted.
void recalculate(QSqlDatabase db, RecordSet& rs, const std::function<void()>& letEventsRun = {});

} // namespace BalanceRecalculation
