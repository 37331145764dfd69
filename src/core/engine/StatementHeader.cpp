#include "StatementHeader.h"

#include "data/ShortDate.h"
#include "state/WorkflowState.h"

#include <QCoreApplication>

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
    // The field's name is marked where it is written and translated here.
    const auto fail = [&](const char* field, const QString& tag) -> std::optional<StatementHeader> {
        if (error)
            *error =
                QCoreApplication::translate("StatementHeader",
                                            "The statement's %1 \"%2\" does not read.")
                    .arg(QCoreApplication::translate("StatementHeader", field), state.value(tag));
        return std::nullopt;
    };
    if (!h.start.isValid())
        return fail(QT_TRANSLATE_NOOP("StatementHeader", "start date"), Tag::StartDate);
    if (!h.end.isValid())
        return fail(QT_TRANSLATE_NOOP("StatementHeader", "end date"), Tag::EndDate);
    if (!h.openBalance)
        return fail(QT_TRANSLATE_NOOP("StatementHeader", "opening balance"), Tag::OpenBalance);
    if (!h.closeBalance)
        return fail(QT_TRANSLATE_NOOP("StatementHeader", "closing balance"), Tag::CloseBalance);
    return h;
}
