#include "ReportTable.h"
#include "data/StoredValue.h"

#include "ReportRendering.h"
#include "data/ShortDate.h"
#include "data/TransactionGuard.h"
#include "engine/AccountStore.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QVariant stored(const std::optional<Money>& m) {
    return m ? QVariant(m->raw()) : QVariant(QMetaType(QMetaType::LongLong));
}

bool failed(const QSqlQuery& q, QString* error) {
    if (error)
        *error = q.lastError().text();
    return false;
}

} // namespace

namespace ReportTable {

ReportTableRow rowFor(const ReportLine& line) {
    // A value too large to show with two decimals cannot be read back from the grid: it stays
    // empty, as a cell the copy could not convert.
    const auto shown = [](const std::optional<Money>& m) {
        return m ? m->roundedToCents() : std::nullopt;
    };
    ReportTableRow row;
    row.date = line.date;
    for (int a = 0; a < AmountColumns::Count; ++a)
        row.values[std::size_t(a)] = shown(line.amounts[std::size_t(a)]);
    row.values[ReportTableRow::InterestDue] = shown(line.interestDue);
    row.values[ReportTableRow::Balance] = shown(line.balance);
    row.offset = shown(line.offset);
    return row;
}

bool clear(QSqlDatabase db, QString* errorCode, QString* errorText) {
    // One statement: a report of ten thousand lines is gone at once.
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("delete from tblReport")))
        return true;
    *errorCode = query.lastError().nativeErrorCode();
    *errorText = query.lastError().text();
    return false;
}

bool append(QSqlDatabase db, const QVector<ReportLine>& lines, QString* error) {
    // Ten thousand rows, each saved on its own, would take minutes: one transaction instead.
    TransactionGuard transaction(db);
    if (!transaction.begun(error))
        return false;
    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral(
            "insert into tblReport (Date,GovtCharge,BankCharge,UserWithdrawal,Deposit,"
            "InterestPayment,InterestDue,OpenBalance,CloseBalance,Offset) "
            "values (?,?,?,?,?,?,?,?,?,?)")))
        return failed(insert, error);
    for (const ReportLine& line : lines) {
        const ReportTableRow row = rowFor(line);
        insert.bindValue(0, row.date.isValid() ? QVariant(ShortDate::toIso(row.date))
                                               : QVariant(QMetaType(QMetaType::QString)));
        for (int f = 0; f <= ReportTableRow::InterestDue; ++f)
            insert.bindValue(1 + f, stored(row.values[std::size_t(f)]));
        insert.bindValue(7, stored(row.values[ReportTableRow::Balance]));
        insert.bindValue(8, stored(row.values[ReportTableRow::Balance]));
        insert.bindValue(9, stored(row.offset));
        if (!insert.exec())
            return failed(insert, error);
    }
    insert.finish();
    return transaction.commit(error);
}

bool read(QSqlDatabase db, QVector<ReportTableRow>* rows, QString* error) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select ID,Date,GovtCharge,BankCharge,UserWithdrawal,Deposit,"
                               "InterestPayment,OpenBalance,CloseBalance,InterestDue,Offset "
                               "from tblReport order by ID")))
        return failed(q, error);
    // Columns: ID, Date, five amounts, OpenBalance, CloseBalance, InterestDue, Offset.
    constexpr int Columns[ReportTableRow::FieldCount] = {2, 3, 4, 5, 6, 9, 8};
    QVector<ReportTableRow> read;
    while (q.next()) {
        ReportTableRow& row = read.emplace_back();
        row.date = StoredValue::date(q.value(1));
        for (int f = 0; f < ReportTableRow::FieldCount; ++f)
            row.values[std::size_t(f)] = StoredValue::money(q.value(Columns[f])).money();
        row.offset = StoredValue::money(q.value(10)).money();
    }
    if (q.lastError().isValid())
        return failed(q, error);
    *rows = std::move(read);
    return true;
}

std::optional<InterestSummary::Summary>
summarise(const QVector<ReportTableRow>& rows,
          const InterestSummary::IncompletePostings& incomplete, int missingStatement,
          const InterestSummary::PostingRateMap* rates) {
    QVector<InterestSummary::Figures> figures;
    figures.reserve(rows.size());
    for (const ReportTableRow& row : rows) {
        const std::optional<Money>& due = row.values[ReportTableRow::InterestDue];
        figures.append(
            InterestSummary::Figures{row.date, row.values[ReportTableRow::InterestPayment], due,
                                     due ? incomplete.value(row.date, ReportLine::Incomplete::No)
                                         : ReportLine::Incomplete::No});
    }
    return InterestSummary::summarise(figures, missingStatement, rates);
}

} // namespace ReportTable
