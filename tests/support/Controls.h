#pragma once

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

// Finds a control by name under `parent` and clicks it, failing clearly when it is missing,
// hidden or disabled. Use inside a test function (it returns early on failure).
#define CLICK(parent, name)                                                                        \
    do {                                                                                           \
        auto* button_ = (parent)->findChild<QAbstractButton*>(name);                               \
        QVERIFY2(button_, qPrintable(QStringLiteral("no control named %1").arg(name)));            \
        QVERIFY2(button_->isEnabled(), qPrintable(QStringLiteral("%1 is disabled").arg(name)));    \
        button_->click();                                                                          \
    } while (false)

template <typename T> T* control(QObject* parent, const QString& name) {
    return parent ? parent->findChild<T*>(name) : nullptr;
}
