#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>

#include <optional>

class WorkflowState;

// The header of the statement being entered, held in the workflow state from statement entry
// until the next statement: the one form in which the transactions window, its closing checks,
// the import and the commit see it.
struct StatementHeader {
    QString number;                    // tagStatement; "" when no statement was entered
    QDate start;                       // tagStartDate
    QDate end;                         // tagEndDate
    std::optional<Money> openBalance;  // tagOpenBalance
    std::optional<Money> closeBalance; // tagCloseBalance

    // Each field as it reads, dates normalised as the checks compare them; a field that does not
    // read is left empty (an invalid date, no balance).
    static StatementHeader fromState(const WorkflowState& state);
    // The same when the dates and both balances read; otherwise nullopt, and `error` names the
    // first field that does not.
    static std::optional<StatementHeader> entered(const WorkflowState& state,
                                                  QString* error = nullptr);
};
