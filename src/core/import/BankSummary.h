#pragma once

#include "ImportRow.h"
#include "data/Money.h"

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The bank's own lines in its file: a summary block above the header, an opening or closing
// balance among the rows, totals and limits under them. None is a transaction; what they state of
// the file is kept, checked against the rows, and offered as the balance before the first row.
namespace BankSummary {

enum class Line : quint8 {
    None,     // not a line of the bank's own
    Opening,  // "Opening balance", "Beginning balance as of ...", "Anfangssaldo"
    Closing,  // "Closing balance", "Ending balance as of ...", "Endsaldo"
    TotalIn,  // "Total credits", "Total deposits"
    TotalOut, // "Total debits", "Total withdrawals"
    Other,    // any other total or limit ("Total", "Arranged Overdraft Limit")
};
// What a line says, from the first text it has (the date column's date passed over).
Line kindOf(QStringView firstText);

// What the bank's lines state, gathered line by line as the reader meets them.
class Collector {
public:
    Collector(QChar decimal, DateOrder order) : m_decimal(decimal), m_order(order) {}

    // A line of `kind` at `line`: its figure is `figure` when given (the balance column's), else
    // the last of `fields` that reads as an amount; its date is `date` when valid, else one
    // written in its text ("as of 01/31/2024"). The first line of each kind counts.
    void note(Line kind, int line, const QList<QStringView>& fields,
              std::optional<Money> figure = std::nullopt, QDate date = QDate());

    // The summary, checked against `rows` (each amount as read; `turned`: with the sign the
    // file's own amounts have turned). Not checked while a row does not read.
    StatedSummary finish(const QList<ImportedRow>& rows, bool turned) const;

private:
    QChar m_decimal;
    DateOrder m_order;
    StatedSummary m_summary;
};

// What the summary states and whether the rows agree, one sentence an item, for the previews and
// the tool; empty when the file states nothing. With `statementOpening`, the stated opening
// balance is set beside the statement's.
QStringList sentences(const StatedSummary& summary,
                      std::optional<Money> statementOpening = std::nullopt);

// The opening balance the file offers: the stated one, unless the summary disagrees with the
// rows and so is not trusted.
std::optional<Money> offeredOpening(const StatedSummary& summary);

} // namespace BankSummary
