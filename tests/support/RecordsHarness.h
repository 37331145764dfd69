#pragma once

#include "data/Money.h"
#include "support/AccountFixture.h"
#include "support/MainWindowHarness.h"
#include "support/ScriptedDialogs.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <memory>

// A row of tblAllRecords written as "2024-01-05 G=10 B=1 W=100 D=50 I=5 O=3 C=-1000": the date,
// then the amounts it has (Govt, Bank, Withdrawal, Deposit, Interest, Open and Close balance).
// Amounts left out are empty.
inline QString allRecordsInsert(const QString& spec) {
    static const QHash<QChar, QString> columns = {
        {'G', "GovtCharge"},      {'B', "BankCharge"},  {'W', "UserWithdrawal"}, {'D', "Deposit"},
        {'I', "InterestPayment"}, {'O', "OpenBalance"}, {'C', "CloseBalance"}};
    const QStringList parts = spec.split(' ', Qt::SkipEmptyParts);
    QStringList names = {"Date"};
    QStringList values = {"'" + parts.value(0) + "'"};
    for (const QString& part : parts.mid(1)) {
        names << columns.value(part[0]);
        values << QString::number(Money::parse(part.mid(2)).value_or(Money()).raw());
    }
    return QStringLiteral("insert into tblAllRecords (%1) values (%2)")
        .arg(names.join(','), values.join(','));
}

// An account with rows, a main window on it, and scripted dialogs.
class RecordsHarness {
public:
    explicit RecordsHarness(const QStringList& rows = {})
        : dialogs(ScriptedDialogs::install()), account(fixture.newAccount()) {
        for (const QString& row : rows)
            AccountFixture::exec(account, allRecordsInsert(row));
        main.start();
        main->setTag(Tag::NewFile, account);
        main->show();
    }

    template <typename T> T* show(const QString& name) {
        return dynamic_cast<T*>(main->showWindow(name));
    }

    // A column of tblAllRecords in the all-records order, amounts as plain text, "NULL" if empty.
    // Dates are ISO text as stored.
    QStringList stored(const QString& column) const {
        QStringList values = AccountFixture::column(
            account, QStringLiteral("select %1 from tblAllRecords "
                                    "Order by Date,ifnull(CloseBalance,0)=0,"
                                    "nullif(CloseBalance,0),InterestPayment,ID")
                         .arg(column));
        for (QString& v : values) {
            if (v != "NULL" && column != "Date")
                v = Money::fromRaw(v.toLongLong()).toPlainText();
        }
        return values;
    }

    void sql(const QString& statement) const { AccountFixture::exec(account, statement); }

    ScriptedDialogs& dialogs;
    AccountFixture fixture;
    QString account;
    MainWindowHarness main;
};
