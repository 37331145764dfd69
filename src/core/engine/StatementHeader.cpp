#include "StatementHeader.h"

#include "data/ShortDate.h"
#include "state/WorkflowState.h"

StatementHeader StatementHeader::fromState(const WorkflowState& state) {
    StatementHeader h;
    h.number = state.value(Tag::Statement);
    h.start = ShortDate::normalise(ShortDate::parse(state.value(Tag::StartDate)));
    h.end = ShortDate::normalise(ShortDate::parse(state.value(Tag::EndDate)));
    h.openBalance = Money::parse(state.value(Tag::OpenBalance));
    h.closeBalance = Money::parse(state.value(Tag::CloseBalance));
    return h;
}

std::optional<StatementHeader> StatementHeader::entered(const WorkflowState& state,
                                                        QString* error) {
    const StatementHeader h = fromState(state);
    const auto fail = [&](const QString& field,
                          const QString& tag) -> std::optional<StatementHeader> {
        if (error)
            *error = QStringLiteral("The statement's %1 \"%2\" does not read.")
                         .arg(field, state.value(tag));
        return std::nullopt;
    };
    if (!h.start.isValid())
        return fail(QStringLiteral("start date"), Tag::StartDate);
    if (!h.end.isValid())
        return fail(QStringLiteral("end date"), Tag::EndDate);
    if (!h.openBalance)
        return fail(QStringLiteral("opening balance"), Tag::OpenBalance);
    if (!h.closeBalance)
        return fail(QStringLiteral("closing balance"), Tag::CloseBalance);
    return h;
}
