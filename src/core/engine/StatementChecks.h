#pragma once

#include "StatementHeader.h"
#include "data/RunningBalance.h"

#include <QDate>
#include <QVector>

#include <optional>

// The closing checks of a statement's transactions: they must lie within the statement's dates,
// and the opening balance carried through them must arrive exactly at the closing balance. The
// transactions window runs them, and so does every other writer of statements, so that no
// statement is committed that the window would refuse.
namespace StatementChecks {

// One transaction of the statement, in date order; an empty amount counts as 0.
struct Row {
    QDate date; // not valid when empty
    TransactionAmounts amounts;
};

struct Result {
    enum class Outcome : quint8 { Passed, DateOutside, FiguresWrong };
    Outcome outcome = Outcome::Passed;
    int row = -1; // DateOutside: the row whose date is outside (or missing)
    bool passed() const { return outcome == Outcome::Passed; }
};

// The Escape key's check, in its order: each row's date in turn, the first missing or outside
// the statement stopping the check there; then the opening balance carried through every row
// must equal the closing balance (a balance that leaves the money range never does).
Result rows(const StatementHeader& header, const QVector<Row>& rows);

// The Done button's check, in its order: the balance after the last row (the opening balance
// when there is none) must equal the closing balance; then the first and last dates must lie
// within the statement. `lastBalance` is the balance the window stored after the last row.
Result done(const StatementHeader& header, const QVector<Row>& rows,
            const std::optional<Money>& lastBalance);

} // namespace StatementChecks
