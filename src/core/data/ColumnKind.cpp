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
    };
    return kinds.value(columnName, ColumnKind::Text);
}
