#include "ColumnKind.h"

#include <QHash>

ColumnKind columnKind(const QString& columnName) {
    static const QHash<QString, ColumnKind> kinds = {
        {"ID", ColumnKind::Key},
        {"Date", ColumnKind::Date},
        {"ValidFrom", ColumnKind::Date},
        {"ValidTo", ColumnKind::Date},
        {"GovtCharge", ColumnKind::Money},
        {"BankCharge", ColumnKind::Money},
        {"UserWithdrawal", ColumnKind::Money},
        {"Deposit", ColumnKind::Money},
        {"InterestPayment", ColumnKind::Money},
        {"OpenBalance", ColumnKind::Money},
        {"CloseBalance", ColumnKind::Money},
        {"InterestDue", ColumnKind::Money},
        {"Balance", ColumnKind::Money},
        {"Offset", ColumnKind::Money},
        {"InterestRate", ColumnKind::Double},
        {"StatementNumber", ColumnKind::Integer},
        {"CalcFrom", ColumnKind::Text},
        {"CalcTo", ColumnKind::Text},
        {"Margin", ColumnKind::Double},
        {"RoundingStep", ColumnKind::Double},
        {"FirstCap", ColumnKind::Double},
        {"EachCap", ColumnKind::Double},
        {"LifeCap", ColumnKind::Double},
        {"RateFloor", ColumnKind::Double},
        {"LagDays", ColumnKind::Integer},
        {"NextMonth", ColumnKind::Integer},
        {"ChangeMonths", ColumnKind::Integer},
        {"LookBackDays", ColumnKind::Integer},
        {"FirstChange", ColumnKind::Date},
        {"CoversTo", ColumnKind::Date},
    };
    return kinds.value(columnName, ColumnKind::Text);
}
