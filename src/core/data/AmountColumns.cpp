#include "AmountColumns.h"

#include <QCoreApplication>

namespace AmountColumns {

namespace {

const char* const Captions[Count] = {QT_TRANSLATE_NOOP("AmountColumns", "Govt Charge"),
                                     QT_TRANSLATE_NOOP("AmountColumns", "Bank Charge"),
                                     QT_TRANSLATE_NOOP("AmountColumns", "User W'drawal"),
                                     QT_TRANSLATE_NOOP("AmountColumns", "Deposit"),
                                     QT_TRANSLATE_NOOP("AmountColumns", "Interest Charge")};

} // namespace

const QStringList& captions() {
    static const QStringList list = [] {
        QStringList l;
        for (const char* c : Captions)
            l << QString::fromLatin1(c);
        return l;
    }();
    return list;
}

QString caption(AmountColumn column) {
    return captions().value(int(column));
}

QStringList shownCaptions() {
    QStringList list;
    for (const char* c : Captions)
        list << QCoreApplication::translate("AmountColumns", c);
    return list;
}

QString shownCaption(AmountColumn column) {
    const int i = int(column);
    return i >= 0 && i < Count ? QCoreApplication::translate("AmountColumns", Captions[i])
                               : QString();
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
            t.compare(shownCaption(column), Qt::CaseInsensitive) == 0 ||
            t.compare(fieldName(column), Qt::CaseInsensitive) == 0)
            return column;
    }
    return std::nullopt;
}

} // namespace AmountColumns
