#include "CsvReader.h"

#include "BankText.h"
#include "CsvCells.h"

#include <QMap>

#include <algorithm>

// Reading a CSV file in a layout; the layout's detection is in CsvReader.cpp.
using namespace CsvCells;

ReadResult CsvReader::read(const CsvLayout& l) const {
    return *read(l, false);
}

std::optional<ReadResult> CsvReader::read(const CsvLayout& l, bool untilUnreadable) const {
    ReadResult result;
    result.format = StatementFormat::Csv;
    result.dateOrder = l.dateOrder;
    const Split& s = split(l.delimiter);
    const DateOrder other =
        l.dateOrder == DateOrder::DayFirst ? DateOrder::MonthFirst : DateOrder::DayFirst;
    bool otherReadsAll = true;
    bool otherDiffers = false;
    bool headerPending = l.header;
    const int last = l.lastColumn();
    const bool signedAmounts = l.amounts == CsvLayout::Amounts::Signed;
    const bool columnsSet =
        l.dateColumn >= 0 &&
        (signedAmounts ? l.amountColumn >= 0 : l.debitColumn >= 0 || l.creditColumn >= 0);
    const int signColumn = signedAmounts ? l.signColumn : -1;
    // A marker column that marks only one side leaves the other empty: a card's file marks its
    // credits "CR" and leaves its purchases unmarked.
    Marker unmarked = Marker::None;
    if (signColumn >= 0) {
        bool credits = false;
        bool debits = false;
        for (const CsvRecord& r : s.records) {
            const Marker m = r.line > l.skipLines ? markerOf(cell(r, signColumn)) : Marker::None;
            credits |= m == Marker::Credit;
            debits |= m == Marker::Debit;
        }
        if (credits != debits)
            unmarked = credits ? Marker::Debit : Marker::Credit;
    }
    // The amount as the layout reads it: its marker's sign, then turned when the file counts money
    // out as positive. `error` says why it does not read.
    auto amountIn = [&](const CsvRecord& r, QString* error) -> std::optional<Money> {
        auto amount = amountOf(r, l);
        if (!amount) {
            *error =
                signedAmounts
                    ? QStringLiteral("The amount \"%1\" does not read.")
                          .arg(cell(r, l.amountColumn).trimmed())
                    : QStringLiteral("Neither the debit \"%1\" nor the credit \"%2\" "
                                     "reads as an amount.")
                          .arg(cell(r, l.debitColumn).trimmed(), cell(r, l.creditColumn).trimmed());
            return std::nullopt;
        }
        if (signColumn >= 0) {
            const QStringView text = cell(r, signColumn).trimmed();
            const Marker m = markerOf(text);
            if (m == Marker::Unknown) {
                *error = QStringLiteral("The sign \"%1\" does not read: CR or DR is expected.")
                             .arg(text);
                return std::nullopt;
            }
            amount = marked(*amount, m == Marker::None ? unmarked : m);
        }
        return l.flipSign ? amount->negated() : amount;
    };
    // A transaction the bank lists without a date yet, "Pending" where the date belongs.
    auto pendingRow = [&](const CsvRecord& r) -> std::optional<ImportedRow> {
        if (!isPendingText(cell(r, l.dateColumn)))
            return std::nullopt;
        ImportedRow row;
        row.line = r.line;
        row.pending = true;
        row.description = descriptionOf(r, l);
        QString unused;
        row.amount = amountIn(r, &unused).value_or(Money());
        return row;
    };
    result.rows.reserve(s.records.size() + 1);
    for (const CsvRecord& r : s.records) {
        if (r.line <= l.skipLines) {
            // Some banks list the pending transactions above the header.
            if (columnsSet && amountOf(r, l)) {
                if (auto pending = pendingRow(r))
                    result.rows << std::move(*pending);
            }
            continue;
        }
        if (headerPending) {
            headerPending = false;
            continue;
        }
        ImportedRow row;
        row.line = r.line;
        if (!columnsSet) {
            if (untilUnreadable)
                return std::nullopt;
            row.error = QStringLiteral("The layout has no date or no amount column.");
            result.rows << std::move(row);
            continue;
        }
        // A line of text alone, its date, amount and balance empty, continues the description of
        // the row above.
        if (!result.rows.isEmpty() && result.rows.last().line > l.skipLines &&
            l.descriptionColumn >= 0 && cell(r, l.dateColumn).trimmed().isEmpty() &&
            (signedAmounts ? cell(r, l.amountColumn).trimmed().isEmpty()
                           : cell(r, l.debitColumn).trimmed().isEmpty() &&
                                 cell(r, l.creditColumn).trimmed().isEmpty()) &&
            cell(r, l.balanceColumn).trimmed().isEmpty()) {
            const QString more = descriptionOf(r, l);
            if (!more.isEmpty()) {
                QString& description = result.rows.last().description;
                description += description.isEmpty() ? more : u' ' + more;
                continue;
            }
        }
        if (auto pending = pendingRow(r)) {
            result.rows << std::move(*pending);
            continue;
        }
        if (r.fields.size() <= last) {
            if (untilUnreadable)
                return std::nullopt;
            row.error = QStringLiteral("The line has %1 fields; the layout reads %2.")
                            .arg(r.fields.size())
                            .arg(last + 1);
            result.rows << std::move(row);
            continue;
        }
        const QStringView dateText = r.fields[l.dateColumn].trimmed();
        row.date = BankText::parseDate(dateText, l.dateOrder);
        const QDate otherDate = BankText::parseDate(dateText, other);
        otherReadsAll &= otherDate.isValid();
        otherDiffers |= otherDate.isValid() && row.date.isValid() && otherDate != row.date;
        row.description = descriptionOf(r, l);
        QString amountError;
        const auto amount = amountIn(r, &amountError);
        if (!row.date.isValid()) {
            row.error = QStringLiteral("The date \"%1\" does not read as a date with %2.")
                            .arg(dateText, orderName(l.dateOrder));
        } else if (!amount) {
            row.error = amountError;
        } else {
            row.amount = *amount;
        }
        if (row.ok() && l.balanceColumn >= 0) {
            const QStringView balanceText = r.fields[l.balanceColumn].trimmed();
            if (!balanceText.isEmpty()) {
                const auto balance = BankText::parseAmount(balanceText, l.decimal);
                if (!balance)
                    row.error =
                        QStringLiteral("The balance \"%1\" does not read.").arg(balanceText);
                else
                    row.balance = *balance;
            }
        }
        if (untilUnreadable && !row.ok())
            return std::nullopt;
        result.rows << std::move(row);
    }
    if (untilUnreadable && s.openQuoteLine > 0)
        return std::nullopt;
    if (s.openQuoteLine > 0) {
        ImportedRow row;
        row.line = s.openQuoteLine;
        row.error = QStringLiteral("A quote opened on this line is never closed: the file is "
                                   "cut short or damaged, and the lines after it are not read.");
        result.rows << row;
    }
    if (result.rows.isEmpty())
        result.error = QStringLiteral("The file has no transactions after line %1.")
                           .arg(l.skipLines + (l.header ? 1 : 0));
    result.dateOrderAmbiguous = otherReadsAll && otherDiffers;
    if (untilUnreadable && !result.error.isEmpty())
        return std::nullopt;
    return result;
}
