#pragma once

#include "data/Money.h"

#include <QDate>
#include <QString>

#include <optional>

class WorkflowState;

// The header of the statement being entered, as the import needs it.
struct StatementContext {
    QDate start;
    QDate end;
    Money openBalance;
    Money closeBalance;

    // From the workflow state's tagStartDate, tagEndDate, tagOpenBalance and tagCloseBalance;
    // nullopt, and which field does not read, when there is no statement in progress.
    static std::optional<StatementContext> fromState(const WorkflowState& state,
                                                     QString* error = nullptr);
};
