#include "TermsStore.h"

#include "data/StoredValue.h"
#include "data/TransactionGuard.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const char* const TermsColumns =
    "ValidFrom, Terms, InterestRate, ValidTo, Series, Margin, LagDays, NextMonth, Rounding, "
    "RoundingStep, FirstChange, ChangeMonths, LookBackDays, FirstCap, EachCap, LifeCap, RateFloor";
constexpr int TermsColumnCount = 17;

bool failed(const QSqlQuery& q, QString* error) {
    if (error)
        *error = q.lastError().text();
    return false;
}

bool hasTables(QSqlDatabase db, bool* present, QString* error) {
    QSqlQuery q(db);
    if (!q.exec(
            QStringLiteral("select count(*) from sqlite_schema where type = 'table' and name "
                           "in ('tblRateTerms', 'tblSeries', 'tblSeriesRates') collate nocase")) ||
        !q.next())
        return failed(q, error);
    *present = q.value(0).toInt() == 3;
    return true;
}

// A rate column: empty is nullopt; one that does not read is said in `bad`.
std::optional<Rate> rateAt(const QSqlQuery& q, int column, bool* bad) {
    bool unreadable = false;
    const std::optional<Rate> r = StoredValue::rate(q.value(column), &unreadable);
    *bad = *bad || unreadable;
    return r;
}

int integerAt(const QSqlQuery& q, int column, int fallback, bool* bad) {
    bool unreadable = false;
    const std::optional<double> n = StoredValue::number(q.value(column), &unreadable);
    *bad = *bad || unreadable;
    return n ? int(*n) : fallback;
}

// One row of tblRateTerms (ID first, then TermsColumns); false when it does not read.
bool readPeriod(const QSqlQuery& q, RateTerms::Period* p) {
    bool bad = false;
    p->id = q.value(0).toLongLong();
    p->from = StoredValue::date(q.value(1));
    const std::optional<RateTerms::Kind> kind = RateTerms::kindFromWord(q.value(2).toString());
    if (!kind || !p->from.isValid())
        return false;
    p->kind = *kind;
    p->rate = rateAt(q, 3, &bad);
    p->until = StoredValue::date(q.value(4));
    p->series = q.value(5).toString();
    p->margin = rateAt(q, 6, &bad).value_or(Rate());
    p->lagDays = integerAt(q, 7, 0, &bad);
    p->nextMonth = integerAt(q, 8, 0, &bad) != 0;
    const QString rounding = q.value(9).toString();
    const std::optional<RateTerms::Rounding> r =
        rounding.isEmpty() ? RateTerms::Rounding::None : RateTerms::roundingFromWord(rounding);
    bad = bad || !r;
    p->rounding = r.value_or(RateTerms::Rounding::None);
    p->roundingStep = rateAt(q, 10, &bad).value_or(p->roundingStep);
    p->firstChange = StoredValue::date(q.value(11));
    p->changeMonths = integerAt(q, 12, 12, &bad);
    p->lookBackDays = integerAt(q, 13, 0, &bad);
    p->firstCap = rateAt(q, 14, &bad);
    p->eachCap = rateAt(q, 15, &bad);
    p->lifeCap = rateAt(q, 16, &bad);
    p->floor = rateAt(q, 17, &bad);
    return !bad;
}

bool readSeries(QSqlDatabase db, RateTerms::SeriesSet* set, QStringList* notices, QString* error) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select Series, Name, Publisher, Source, CoversTo from tblSeries "
                               "order by ID")))
        return failed(q, error);
    while (q.next()) {
        ReferenceSeries s;
        s.key = q.value(0).toString();
        s.name = q.value(1).toString();
        s.publisher = q.value(2).toString();
        s.table = q.value(3).toString();
        s.coversTo = StoredValue::date(q.value(4));
        set->insert(s.key, s);
    }
    if (!q.exec(QStringLiteral("select Series, Date, InterestRate, ID from tblSeriesRates "
                               "order by Series, Date, ID")))
        return failed(q, error);
    while (q.next()) {
        const auto it = set->find(q.value(0).toString());
        const QDate date = StoredValue::date(q.value(1));
        bool unreadable = false;
        const std::optional<Rate> rate = StoredValue::rate(q.value(2), &unreadable);
        if (it == set->end() || !date.isValid() || !rate ||
            (!it->changes.isEmpty() && it->changes.last().date == date)) {
            *notices << QCoreApplication::translate(
                            "TermsStore",
                            "The series rate with ID %1 does not read and is left out.")
                            .arg(q.value(3).toLongLong());
            continue;
        }
        it->changes << SeriesChange{date, *rate};
    }
    if (q.lastError().isValid())
        return failed(q, error);
    return true;
}

QVariant rateValue(const std::optional<Rate>& r) {
    return r ? QVariant(r->percent()) : QVariant(QMetaType(QMetaType::Double));
}

QVariant dateValue(const QDate& d) {
    return d.isValid() ? QVariant(d.toString(Qt::ISODate))
                       : QVariant(QMetaType(QMetaType::QString));
}

void bindPeriod(QSqlQuery& q, const RateTerms::Period& p) {
    using RateTerms::Kind;
    const bool indexed = p.kind != Kind::Fixed;
    const bool adjustable = p.kind == Kind::Adjustable;
    const QVariant none;
    q.addBindValue(dateValue(p.from));
    q.addBindValue(RateTerms::kindWord(p.kind));
    q.addBindValue(p.kind == Kind::Fixed || adjustable ? rateValue(p.rate) : none);
    q.addBindValue(p.kind == Kind::Fixed ? dateValue(p.until) : none);
    q.addBindValue(indexed ? QVariant(p.series) : none);
    q.addBindValue(indexed && p.kind != Kind::Variable ? rateValue(p.margin) : none);
    q.addBindValue(indexed && !adjustable ? QVariant(p.lagDays) : none);
    q.addBindValue(p.kind == Kind::Tracker ? QVariant(p.nextMonth ? 1 : 0) : none);
    q.addBindValue(adjustable ? QVariant(RateTerms::roundingWord(p.rounding)) : none);
    q.addBindValue(adjustable ? rateValue(p.roundingStep) : none);
    q.addBindValue(adjustable ? dateValue(p.firstChange) : none);
    q.addBindValue(adjustable ? QVariant(p.changeMonths) : none);
    q.addBindValue(adjustable ? QVariant(p.lookBackDays) : none);
    for (const std::optional<Rate>& r : {p.firstCap, p.eachCap, p.lifeCap, p.floor})
        q.addBindValue(adjustable ? rateValue(r) : none);
}

bool writeSeries(QSqlDatabase db, const RateTerms::SeriesSet& set, QString* error) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("delete from tblSeriesRates")) ||
        !q.exec(QStringLiteral("delete from tblSeries")))
        return failed(q, error);
    QSqlQuery series(db);
    QSqlQuery rates(db);
    if (!series.prepare(QStringLiteral("insert into tblSeries (Series, Name, Publisher, Source, "
                                       "CoversTo) values (?, ?, ?, ?, ?)")) ||
        !rates.prepare(QStringLiteral(
            "insert into tblSeriesRates (Series, Date, InterestRate) values (?, ?, ?)")))
        return failed(series.lastError().isValid() ? series : rates, error);
    for (const ReferenceSeries& s : set) {
        for (const QVariant& v : {QVariant(s.key), QVariant(s.name), QVariant(s.publisher),
                                  QVariant(s.table), dateValue(s.coversTo)})
            series.addBindValue(v);
        if (!series.exec())
            return failed(series, error);
        for (const SeriesChange& c : s.changes) {
            rates.addBindValue(s.key);
            rates.addBindValue(dateValue(c.date));
            rates.addBindValue(c.rate.percent());
            if (!rates.exec())
                return failed(rates, error);
        }
    }
    return true;
}

} // namespace

namespace TermsStore {

bool read(QSqlDatabase db, Stored* stored, QString* error) {
    *stored = Stored();
    bool present = false;
    if (!hasTables(db, &present, error))
        return false;
    if (!present)
        return true;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select ID, %1 from tblRateTerms order by ValidFrom, ID")
                    .arg(QLatin1String(TermsColumns))))
        return failed(q, error);
    while (q.next()) {
        RateTerms::Period p;
        if (readPeriod(q, &p))
            stored->terms << p;
        else
            stored->notices << QCoreApplication::translate(
                                   "TermsStore", "The rate terms with ID %1 do not read and are "
                                                 "left out.")
                                   .arg(p.id);
    }
    if (q.lastError().isValid())
        return failed(q, error);
    return readSeries(db, &stored->series, &stored->notices, error);
}

bool write(QSqlDatabase db, const QVector<RateTerms::Period>& terms,
           const RateTerms::SeriesSet& series, QString* error) {
    TransactionGuard transaction(db);
    if (!transaction.begun(error))
        return false;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("delete from tblRateTerms")))
        return failed(q, error);
    const QString marks = QStringLiteral("?, ").repeated(TermsColumnCount - 1) + QLatin1Char('?');
    if (!q.prepare(QStringLiteral("insert into tblRateTerms (%1) values (%2)")
                       .arg(QLatin1String(TermsColumns), marks)))
        return failed(q, error);
    for (const RateTerms::Period& p : terms) {
        bindPeriod(q, p);
        if (!q.exec())
            return failed(q, error);
    }
    return writeSeries(db, series, error) && transaction.commit(error);
}

} // namespace TermsStore
