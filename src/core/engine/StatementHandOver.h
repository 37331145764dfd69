#pragma once

#include "ReportPreparation.h"

#include <QVector>

#include <optional>

// A statement whose transactions passed the closing checks in this run: its header as it stood
// at the check, and its rows as they were then. The only statement a report may commit.
struct CheckedStatement {
    StatementHeader header;
    QVector<SessionRow> rows;
};

// The window that checked a statement holds it while it stays loaded, and the report asks it.
// Windows meet through these, not through each other's classes.
class CheckedStatementSource {
public:
    virtual ~CheckedStatementSource() = default;
    // nullopt when no statement has passed the checks since the rows were last shown for editing.
    virtual std::optional<CheckedStatement> checkedStatement() const = 0;
};

// The missing statement prompt: the report gives it the notice to show.
class MissingStatementDisplay {
public:
    virtual ~MissingStatementDisplay() = default;
    virtual void setNotice(const MissingStatementNotice& notice) = 0;
};
