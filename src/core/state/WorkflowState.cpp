#include "WorkflowState.h"

const QStringList& WorkflowState::fieldNames() {
    static const QStringList names = {
        Tag::NewFile,   Tag::File,      Tag::Method,      Tag::IntCalcTo,    Tag::Statement,
        Tag::StartDate, Tag::EndDate,   Tag::OpenBalance, Tag::CloseBalance, Tag::InterestChanged,
        Tag::NextForm,  Tag::CheckLoan, Tag::OwedRates,   Tag::MethodFound,  Tag::LoanSet};
    return names;
}

QString WorkflowState::value(const QString& field) const {
    return m_values.value(field);
}

bool WorkflowState::setValue(const QString& field, const QString& text) {
    if (!fieldNames().contains(field))
        return false;
    m_values.insert(field, text);
    return true;
}

void WorkflowState::clearExcept(const QStringList& keep) {
    for (const QString& field : fieldNames()) {
        if (!keep.contains(field))
            m_values.remove(field);
    }
}

void confirmMethod(WorkflowState& state, int methodCode) {
    const QString code = QString::number(methodCode);
    state.setValue(Tag::Method, code);
    if (state.value(Tag::MethodFound) != code)
        state.setValue(Tag::MethodFound, QString());
}

void setFoundMethod(WorkflowState& state, int methodCode) {
    state.setValue(Tag::Method, QString::number(methodCode));
    state.setValue(Tag::MethodFound, QString::number(methodCode));
}
