#include "OffsetImport.h"

#include "data/StoredValue.h"

#include "data/ShortDate.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace OffsetImport {

namespace {

// How many neighbouring rows agree with the balance moving by the later row's amount: the
// evidence of a file's order when its dates cannot tell (every row on one day).
int chainAgreement(const QList<ImportedRow>& rows) {
    int agree = 0;
    for (int i = 1; i < rows.size(); ++i) {
        if (rows[i].balance && rows[i - 1].balance &&
            Money::add(*rows[i - 1].balance, rows[i].amount) == rows[i].balance)
            ++agree;
    }
    return agree;
}

const char* const TooLarge =
    QT_TRANSLATE_NOOP("OffsetImport", "The balances run beyond the largest amount the program can "
                                      "hold; the file cannot be read as balances.");

} // namespace

QList<ImportedRow> oldestFirst(const QList<ImportedRow>& rows, int* unreadable) {
    QList<ImportedRow> result;
    int bad = 0;
    for (const ImportedRow& r : rows) {
        if (r.movesMoney())
            result << r;
        else if (!r.ok() && !r.pending)
            ++bad;
    }
    if (unreadable)
        *unreadable = bad;
    if (result.size() < 2)
        return result;
    bool newestFirst = result.first().date > result.last().date;
    if (result.first().date == result.last().date) {
        QList<ImportedRow> reversed(result.rbegin(), result.rend());
        newestFirst = chainAgreement(reversed) > chainAgreement(result);
    }
    if (newestFirst)
        std::reverse(result.begin(), result.end());
    // A file out of order here and there still gives each day's rows in the file's order.
    std::stable_sort(result.begin(), result.end(),
                     [](const ImportedRow& a, const ImportedRow& b) { return a.date < b.date; });
    return result;
}

Days daily(const QList<ImportedRow>& rows, std::optional<Money> opening) {
    Days out;
    const QList<ImportedRow> ordered = oldestFirst(rows, &out.unreadable);
    out.pending = int(
        std::count_if(rows.begin(), rows.end(), [](const ImportedRow& r) { return r.pending; }));
    const bool stated = statesBalances(ordered);
    if (!stated && !opening)
        return out;
    std::optional<Money> running = stated ? std::nullopt : opening;
    int dayRows = 0;
    for (int i = 0; i < ordered.size(); ++i) {
        const ImportedRow& row = ordered[i];
        if (stated && row.balance) {
            running = row.balance;
        } else if (running) {
            running = Money::add(*running, row.amount);
            if (!running)
                return Days{{},
                            out.unreadable,
                            out.pending,
                            0,
                            QCoreApplication::translate("OffsetImport", TooLarge)};
        }
        ++dayRows;
        if (i + 1 < ordered.size() && ordered[i + 1].date == row.date)
            continue;
        if (running)
            out.days.append({row.date, *running, false});
        else
            out.beforeFirstBalance += dayRows;
        dayRows = 0;
    }
    return out;
}

void markStored(QVector<Day>& days, const QSet<QDate>& storedDates) {
    for (Day& d : days)
        d.stored = storedDates.contains(d.date);
}

QVector<OffsetBalance> newBalances(const QVector<Day>& days) {
    QVector<OffsetBalance> balances;
    for (const Day& d : days) {
        if (!d.stored)
            balances.append({0, d.date, d.balance});
    }
    return balances;
}

bool storedDates(QSqlDatabase db, QSet<QDate>* dates, QString* error) {
    dates->clear();
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select distinct Date from tblOffsetBalances"))) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    while (q.next()) {
        if (const QDate d = StoredValue::date(q.value(0)); d.isValid())
            dates->insert(d);
    }
    return true;
}

} // namespace OffsetImport
