#include "AmountColumns.h"

namespace AmountColumns {

const QStringList& captions() {
    static const QStringList list = {QStringLiteral("Govt Charge"), QStringLiteral("Bank Charge"),
                                     QStringLiteral("User W'drawal"), QStringLiteral("Deposit"),
                                     QStringLiteral("Interest Charge")};
    return list;
}

QString caption(AmountColumn column) {
    return captions().value(int(column));
}

const QStringList& fieldNames() {
    static const QStringList names = {QStringLiteral("GovtCharge"), QStringLiteral("BankCharge"),
                                      QStringLiteral("UserWithdrawal"), QStringLiteral("Deposit"),
                                      QStringLiteral("InterestPayment")};
    return names;
}

QString fieldName(AmountColumn column) {
    return fieldNames().value(int(column));
}

std::optional<AmountColumn> fromText(const QString& text) {
    const QString t = text.trimmed();
    for (int i = 0; i < Count; ++i) {
        const auto column = AmountColumn(i);
        if (t.compare(caption(column), Qt::CaseInsensitive) == 0 ||
            t.compare(fieldName(column), Qt::CaseInsensitive) == 0)
            return column;
    }
    return std::nullopt;
}

} // namespace AmountColumns
