#pragma once

#include "SummaryRendering.h"
#include "engine/InterestWorking.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <utility>

// The working of an interest posting, day by day, as text: the table the Show Working window and
// the printed page show, the tab-separated text it copies, plain text and CSV for the report
// tool; and every posting's rates, the one entered and the one the lender effectively charged.
namespace WorkingRendering {

// The columns of a posting's days, in order.
enum Column {
    Date,
    Balance,  // the loan's balance
    Offset,   // the counted offset (accounts with offset data)
    Accruing, // the balance that bears interest
    Deferred, // the day's interest charge added back (deferred methods)
    Rate,
    Divisor,
    Days,    // the days of interest the day stands for
    Amount,  // the day's interest as the engine keeps it
    Running, // the interest accrued so far in the period
    ColumnCount
};

// "date,balance,offset,accruing,deferred,rate,divisor,days,amount,running".
const QStringList& csvHeadings();
// "Date", "Balance", "Offset", "Bears interest", ...
QString heading(Column column);
// The columns shown for `working`: Offset only with offset data, Deferred only under the
// deferred methods.
QVector<Column> shownColumns(const InterestWorking::Working& working);

// A posting's working ready to show: the title, the lines that say how it was worked out, the
// days under the shown columns in the default locale, and the foot.
struct Table {
    QString title;     // "Working of the interest due on 1/31/2025"
    QStringList about; // method, conventions, the period
    QStringList headings;
    QVector<QStringList> rows;
    QVector<bool> reset; // per row: a balance row reset the balance at the end of the day before
    QVector<std::pair<QString, QString>> foot; // the total, the charge, the rates ...
    QStringList notes;

    friend bool operator==(const Table&, const Table&) = default;
};

// Shown through QCoreApplication::translate("WorkingRendering", ResetNote).
inline constexpr const char* ResetNote = QT_TRANSLATE_NOOP(
    "WorkingRendering",
    "* A balance row reset the balance at the end of the day before: the history does not reach "
    "the balance the bank stated.");

Table table(const InterestWorking::Working& working, int posting,
            const InterestWorking::PostingRates& rates, const SummaryRendering::Basis& basis);

// The table as aligned plain text, lines ending with '\n'.
QString text(const Table& t);
// The headings and the days, cells separated by tabs, lines by '\n': pastes into a spreadsheet.
QString tabSeparated(const Table& t);

// csvHeadings(), then one record a day: ISO dates, plain amounts ('.' point, no groups; two
// decimals, four where the amount has them), the rate as entered, the day's amount and the
// running total as the engine keeps them (four decimals, cents, or unrounded to eight decimals
// under the posting's rounding); an empty offset without offset data, an empty deferred amount
// outside the deferred methods. The same in every locale.
QByteArray csv(const InterestWorking::Working& working, int posting);

// "6.125 %", "≈ 6.125 %" when no rate gives the charge exactly, "" for none.
QString effectiveText(const InterestWorking::PostingRates& rates);
// "6.100 %", or "5.900 to 6.100 %" for a period of several rates.
QString enteredText(const InterestWorking::PostingRates& rates);
// Why a posting has no effective rate; "" when it has one.
QString noEffectiveRate(const InterestWorking::Working& working, int posting,
                        const InterestWorking::PostingRates& rates);

// Every posting's rates: "date,charged,due,entered_min,entered_max,effective,exact,comparable",
// one record a posting (ISO date; plain amounts, charged empty without a charge; rates to three
// decimals; effective and exact empty where there is none; exact and comparable 1 or 0).
QByteArray ratesCsv(const InterestWorking::Working& working,
                    const QMap<QDate, InterestWorking::PostingRates>& rates);
// The same as an aligned table under the method and conventions, with how many postings'
// effective rate lies away from every rate entered.
QString ratesText(const InterestWorking::Working& working,
                  const QMap<QDate, InterestWorking::PostingRates>& rates,
                  const SummaryRendering::Basis& basis);

} // namespace WorkingRendering
