#include "StatementContext.h"

#include "data/ShortDate.h"
#include "state/WorkflowState.h"

std::optional<StatementContext> StatementContext::fromState(const WorkflowState& state,
                                                            QString* error) {
    auto fail = [&](const QString& field, const QString& text) -> std::optional<StatementContext> {
        if (error)
            *error = QStringLiteral("The statement's %1 \"%2\" does not read.").arg(field, text);
        return std::nullopt;
    };
    StatementContext c;
    c.start = ShortDate::parse(state.value(Tag::StartDate));
    if (!c.start.isValid())
        return fail(QStringLiteral("start date"), state.value(Tag::StartDate));
    c.end = ShortDate::parse(state.value(Tag::EndDate));
    if (!c.end.isValid())
        return fail(QStringLiteral("end date"), state.value(Tag::EndDate));
    const auto open = Money::parse(state.value(Tag::OpenBalance));
    if (!open)
        return fail(QStringLiteral("opening balance"), state.value(Tag::OpenBalance));
    const auto close = Money::parse(state.value(Tag::CloseBalance));
    if (!close)
        return fail(QStringLiteral("closing balance"), state.value(Tag::CloseBalance));
    c.openBalance = *open;
    c.closeBalance = *close;
    return c;
}
