#pragma once

#include "data/AmountColumns.h"
#include "data/Money.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// One line of the report, as the report grid shows it and the printed report and the command-line
// tool copy it. An empty cell is nullopt.
struct ReportLine {
    enum class Kind : quint8 {
        Transaction, // an applied history row: its amounts and the balance after it
        Interest     // an interest posting: the interest due for the period and the balance
    };
    // The grid's columns.
    enum Column {
        DateColumn,
        GovtChargeColumn,
        BankChargeColumn,
        WithdrawalColumn,
        DepositColumn,
        InterestChargeColumn,
        InterestDueColumn,
        BalanceColumn,
        ColumnCount,
        // After the others, only for an account with an offset account.
        OffsetColumn = ColumnCount
    };

    // Why an interest posting cannot be compared with the lender's charge on its date: the days
    // it accrues include a reset by a balance row the history did not reach (statements are
    // missing before it), or it is the first posting and the history starts part-way through the
    // lender's period. Its interest due is then worked out on days or balances the lender had
    // more of.
    enum class Incomplete : quint8 { No, HistoryGap, PartPeriod };

    Kind kind = Kind::Transaction;
    Incomplete incomplete = Incomplete::No; // interest lines only
    QDate date;
    PerAmountColumn<std::optional<Money>> amounts; // columns 1 to 5, in grid order
    std::optional<Money> interestDue;
    Money balance;
    std::optional<Money> offset; // the counted offset on the line's day, for offset accounts

    bool comparable() const { return incomplete == Incomplete::No; }

    // The money of columns 1 to 8 (nullopt for an empty cell and for the date column).
    std::optional<Money> cell(int column) const {
        if (column >= GovtChargeColumn && column <= InterestChargeColumn)
            return amounts[std::size_t(column - GovtChargeColumn)];
        if (column == InterestDueColumn)
            return interestDue;
        if (column == BalanceColumn)
            return balance;
        if (column == OffsetColumn)
            return offset;
        return std::nullopt;
    }

    // The grid's headings, columns 0 to 7, in English: the form a CSV copy writes.
    static const QStringList& headings() {
        static const QStringList h = {
            QT_TRANSLATE_NOOP("ReportLine", "Date"), QT_TRANSLATE_NOOP("ReportLine", "Govt Chge"),
            QT_TRANSLATE_NOOP("ReportLine", "Bank Chge"),
            QT_TRANSLATE_NOOP("ReportLine", "W'drawal"), QT_TRANSLATE_NOOP("ReportLine", "Deposit"),
            QT_TRANSLATE_NOOP("ReportLine", "Int Charge"),
            //: Interest due, as the calculation gives it.
            QT_TRANSLATE_NOOP("ReportLine", "Int Due"), QT_TRANSLATE_NOOP("ReportLine", "Balance")};
        return h;
    }
    static constexpr const char* OffsetHeading = QT_TRANSLATE_NOOP("ReportLine", "Offset");
    // The columns shown: the Offset column only when the report has one.
    static int columnCount(bool offset) { return offset ? ColumnCount + 1 : ColumnCount; }
    static QString heading(int column) {
        return column == OffsetColumn ? QString::fromLatin1(OffsetHeading)
                                      : headings().value(column);
    }
    // The heading as a window shows it, in the windows' language.
    static QString shownHeading(int column) {
        const QString english = heading(column);
        return english.isEmpty()
                   ? english
                   : QCoreApplication::translate("ReportLine", english.toLatin1().constData());
    }
};
