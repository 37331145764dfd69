#include "CsvReader.h"

#include "BankSummary.h"
#include "BankText.h"
#include "CsvCells.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>

// Reading a CSV file in a layout; the layout's detection is in CsvReader.cpp.
using namespace CsvCells;

namespace {

ImportedRow errorRow(int line, const QString& error) {
    ImportedRow row;
    row.line = line;
    row.error = error;
    return row;
}

// One reading of a file's records in a layout, record by record.
class RowReader {
public:
    RowReader(const CsvReader::Split& s, const CsvLayout& l)
        : m_split(s), m_layout(l),
          m_other(l.dateOrder == DateOrder::DayFirst ? DateOrder::MonthFirst : DateOrder::DayFirst),
          m_last(l.lastColumn()), m_signedAmounts(l.amounts == CsvLayout::Amounts::Signed),
          m_columnsSet(
              l.dateColumn >= 0 &&
              (m_signedAmounts ? l.amountColumn >= 0 : l.debitColumn >= 0 || l.creditColumn >= 0)),
          m_signColumn(m_signedAmounts ? l.signColumn : -1), m_unmarked(unmarkedSide()),
          m_summary(l.decimal, l.dateOrder) {
        m_result.format = StatementFormat::Csv;
        m_result.dateOrder = l.dateOrder;
    }

    // With `untilUnreadable`: nullopt as soon as a row does not read, or the file as a whole.
    std::optional<ReadResult> read(bool untilUnreadable) {
        const CsvLayout& l = m_layout;
        bool headerPending = l.header;
        m_result.rows.reserve(m_split.records.size() + 1);
        for (const CsvRecord& r : m_split.records) {
            if (r.line <= l.skipLines) {
                // Some banks list the pending transactions above the header.
                if (m_columnsSet && amountOf(r, l)) {
                    if (auto pending = pendingRow(r)) {
                        m_result.rows << std::move(*pending);
                        continue;
                    }
                }
                // A summary block above the header: "Opening Balance,-900.00".
                m_summary.note(BankSummary::kindOf(firstText(r, -1)), r.line, r.fields);
                continue;
            }
            if (headerPending) {
                headerPending = false;
                continue;
            }
            if (!m_columnsSet) {
                if (untilUnreadable)
                    return std::nullopt;
                m_result.rows << errorRow(
                    r.line, QCoreApplication::translate("CsvRead", "The layout has no date or no "
                                                                   "amount column."));
                continue;
            }
            // "Pending transactions" over the rows the bank has not dated yet.
            if (isPendingHeading(r.fields) && !amountOf(r, l))
                continue;
            if (continuesDescription(r))
                continue;
            if (auto pending = pendingRow(r)) {
                m_result.rows << std::move(*pending);
                continue;
            }
            if (auto undated = undatedRow(r)) {
                m_undated << int(m_result.rows.size());
                m_result.rows << std::move(*undated);
                continue;
            }
            if (r.fields.size() <= m_last) {
                if (untilUnreadable)
                    return std::nullopt;
                m_result.rows << errorRow(
                    r.line,
                    QCoreApplication::translate("CsvRead", "The line has %1 fields; the layout "
                                                           "reads %2.")
                        .arg(r.fields.size())
                        .arg(m_last + 1));
                continue;
            }
            if (const BankSummary::Line kind = summaryLine(r); kind != BankSummary::Line::None) {
                noteSummary(r, kind);
                continue;
            }
            ImportedRow row = transactionRow(r);
            if (untilUnreadable && !row.ok())
                return std::nullopt;
            m_result.rows << std::move(row);
        }
        return finish(untilUnreadable);
    }

private:
    // A line of the bank's own among the rows: an opening or closing balance without an amount
    // ("Beginning balance as of 01/01/2024"), or an undated total or limit under the rows
    // ("Arranged Overdraft Limit", "Total"). It is no transaction, and no row in error.
    BankSummary::Line summaryLine(const CsvRecord& r) const {
        const bool dated =
            BankText::parseDate(cell(r, m_layout.dateColumn), m_layout.dateOrder).isValid();
        // A dated line of the bank's own may carry an amount of 0.00.
        if (const auto amount = amountOf(r, m_layout); dated && amount && !amount->isZero())
            return BankSummary::Line::None;
        return BankSummary::kindOf(firstText(r, dated ? m_layout.dateColumn : -1));
    }

    // The first text of a record, `passedOver` column left out.
    static QStringView firstText(const CsvRecord& r, int passedOver) {
        for (int c = 0; c < r.fields.size(); ++c) {
            const QStringView text = r.fields[c].trimmed();
            if (c != passedOver && !text.isEmpty())
                return text;
        }
        return {};
    }

    // What a line of the bank's own among the rows states: its balance (in the balance column
    // when the file has one) on its date. Its date, written as the rows' are, also says which
    // order they are in.
    void noteSummary(const CsvRecord& r, BankSummary::Line kind) {
        const CsvLayout& l = m_layout;
        const QDate date = BankText::parseDate(cell(r, l.dateColumn), l.dateOrder);
        if (date.isValid())
            noteOtherOrder(cell(r, l.dateColumn).trimmed());
        m_summary.note(kind, r.line, r.fields,
                       BankText::parseAmount(cell(r, l.balanceColumn).trimmed(), l.decimal), date);
    }

    // Whether the order the layout does not read dates in reads `dateText` too, and otherwise.
    void noteOtherOrder(QStringView dateText) {
        const QDate date = BankText::parseDate(dateText, m_layout.dateOrder);
        const QDate otherDate = BankText::parseDate(dateText, m_other);
        m_otherReadsAll &= otherDate.isValid();
        m_otherDiffers |= otherDate.isValid() && date.isValid() && otherDate != date;
    }

    // A marker column that marks only one side leaves the other empty: a card's file marks its
    // credits "CR" and leaves its purchases unmarked.
    Marker unmarkedSide() const {
        if (m_signColumn < 0)
            return Marker::None;
        bool credits = false;
        bool debits = false;
        for (const CsvRecord& r : m_split.records) {
            const Marker m =
                r.line > m_layout.skipLines ? markerOf(cell(r, m_signColumn)) : Marker::None;
            credits |= m == Marker::Credit;
            debits |= m == Marker::Debit;
        }
        if (credits != debits)
            return credits ? Marker::Debit : Marker::Credit;
        return Marker::None;
    }

    // The amount as the layout reads it: its marker's sign, then turned when the file counts
    // money out as positive. `error` says why it does not read.
    std::optional<Money> amountIn(const CsvRecord& r, QString* error) const {
        const CsvLayout& l = m_layout;
        auto amount = amountOf(r, l);
        if (!amount) {
            *error =
                m_signedAmounts
                    ? QCoreApplication::translate("CsvRead", "The amount \"%1\" does not read.")
                          .arg(cell(r, l.amountColumn).trimmed())
                    : QCoreApplication::translate("CsvRead",
                                                  "Neither the debit \"%1\" nor the credit \"%2\" "
                                                  "reads as an amount.")
                          .arg(cell(r, l.debitColumn).trimmed(), cell(r, l.creditColumn).trimmed());
            return std::nullopt;
        }
        if (m_signColumn >= 0) {
            const QStringView text = cell(r, m_signColumn).trimmed();
            const Marker m = markerOf(text);
            if (m == Marker::Unknown) {
                *error = QCoreApplication::translate(
                             "CsvRead", "The sign \"%1\" does not read: CR or DR, or a code "
                                        "ending in + or -, is expected.")
                             .arg(text);
                return std::nullopt;
            }
            amount = marked(*amount, m == Marker::None ? m_unmarked : m);
        }
        return l.flipSign ? amount->negated() : amount;
    }

    // A transaction the bank lists without a date yet, "Pending" where the date belongs.
    std::optional<ImportedRow> pendingRow(const CsvRecord& r) const {
        if (!isPendingText(cell(r, m_layout.dateColumn)))
            return std::nullopt;
        ImportedRow row;
        row.line = r.line;
        row.pending = true;
        row.description = descriptionOf(r, m_layout);
        QString unused;
        row.amount = amountIn(r, &unused).value_or(Money());
        return row;
    }

    // A line without a date, with an amount but no balance, that is none of the bank's own: a
    // transaction it lists before it has dated it, as it does its pending ones.
    std::optional<ImportedRow> undatedRow(const CsvRecord& r) const {
        const CsvLayout& l = m_layout;
        if (!cell(r, l.dateColumn).trimmed().isEmpty() || !amountOf(r, l) ||
            !cell(r, l.balanceColumn).trimmed().isEmpty() ||
            BankSummary::kindOf(firstText(r, -1)) != BankSummary::Line::None)
            return std::nullopt;
        ImportedRow row;
        row.line = r.line;
        row.pending = true;
        row.description = descriptionOf(r, l);
        QString unused;
        row.amount = amountIn(r, &unused).value_or(Money());
        return row;
    }

    // An undated line between dated rows is no pending one, which banks list apart from the
    // dated: it is a row that does not read.
    void undatedAmongDated() {
        QList<ImportedRow>& rows = m_result.rows;
        const auto dated = [](const ImportedRow& row) { return row.date.isValid(); };
        const auto firstDated = std::find_if(rows.cbegin(), rows.cend(), dated) - rows.cbegin();
        const auto lastDated = rows.crend() - std::find_if(rows.crbegin(), rows.crend(), dated) - 1;
        for (int at : std::as_const(m_undated)) {
            if (at > firstDated && at < lastDated) {
                rows[at].pending = false;
                rows[at].error = QCoreApplication::translate("CsvRead", "The line has no date.");
            }
        }
    }

    // A line of text alone, its date, amount and balance empty, continues the description of the
    // row above: true when it did.
    bool continuesDescription(const CsvRecord& r) {
        const CsvLayout& l = m_layout;
        const bool textAlone =
            !m_result.rows.isEmpty() && m_result.rows.last().line > l.skipLines &&
            l.descriptionColumn >= 0 && cell(r, l.dateColumn).trimmed().isEmpty() &&
            (m_signedAmounts ? cell(r, l.amountColumn).trimmed().isEmpty()
                             : cell(r, l.debitColumn).trimmed().isEmpty() &&
                                   cell(r, l.creditColumn).trimmed().isEmpty()) &&
            cell(r, l.balanceColumn).trimmed().isEmpty();
        if (!textAlone)
            return false;
        const QString more = descriptionOf(r, l);
        if (more.isEmpty())
            return false;
        QString& description = m_result.rows.last().description;
        description += description.isEmpty() ? more : u' ' + more;
        return true;
    }

    // A record with every field the layout reads: its date (read in the other order too, to
    // tell whether the file is ambiguous), description, amount and balance.
    ImportedRow transactionRow(const CsvRecord& r) {
        const CsvLayout& l = m_layout;
        ImportedRow row;
        row.line = r.line;
        const QStringView dateText = r.fields[l.dateColumn].trimmed();
        row.date = BankText::parseDate(dateText, l.dateOrder);
        noteOtherOrder(dateText);
        row.description = descriptionOf(r, l);
        QString amountError;
        const auto amount = amountIn(r, &amountError);
        if (!row.date.isValid()) {
            row.error = QCoreApplication::translate(
                            "CsvRead", "The date \"%1\" does not read as a date with %2.")
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
                        QCoreApplication::translate("CsvRead", "The balance \"%1\" does not read.")
                            .arg(balanceText);
                else
                    row.balance = *balance;
            }
        }
        return row;
    }

    // The file as a whole once its records are read: a quote never closed, no rows at all.
    std::optional<ReadResult> finish(bool untilUnreadable) {
        const CsvLayout& l = m_layout;
        if (untilUnreadable && m_split.openQuoteLine > 0)
            return std::nullopt;
        if (m_split.openQuoteLine > 0)
            m_result.rows << errorRow(
                m_split.openQuoteLine,
                QCoreApplication::translate("CsvRead", "A quote opened on this line is never "
                                                       "closed: the file is cut short or damaged, "
                                                       "and the lines after it are not read."));
        undatedAmongDated();
        if (m_result.rows.isEmpty())
            m_result.error = QCoreApplication::translate(
                                 "CsvRead", "The file has no transactions after line %1.")
                                 .arg(l.skipLines + (l.header ? 1 : 0));
        m_result.dateOrderAmbiguous = m_otherReadsAll && m_otherDiffers;
        m_result.summary = m_summary.finish(m_result.rows, l.flipSign);
        if (untilUnreadable && !m_result.error.isEmpty())
            return std::nullopt;
        return std::move(m_result);
    }

    const CsvReader::Split& m_split;
    const CsvLayout& m_layout;
    const DateOrder m_other; // the order the layout does not read dates in
    const int m_last;
    const bool m_signedAmounts;
    const bool m_columnsSet;
    const int m_signColumn;
    const Marker m_unmarked; // the sign of a row its marker column leaves empty
    BankSummary::Collector m_summary;
    bool m_otherReadsAll = true;
    bool m_otherDiffers = false;
    QList<int> m_undated; // the rows read by undatedRow
    ReadResult m_result;
};

} // namespace

ReadResult CsvReader::read(const CsvLayout& l) const {
    return *read(l, false);
}

std::optional<ReadResult> CsvReader::read(const CsvLayout& l, bool untilUnreadable) const {
    return RowReader(split(l.delimiter), l).read(untilUnreadable);
}
