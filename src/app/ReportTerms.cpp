#include "ReportTerms.h"

#include "reference/TermsStore.h"

#include <QFile>
#include <QFileInfo>

namespace ReportTerms {

namespace {

using RateTerms::Kind;
using RateTerms::Period;

// The fields of a --terms period and the kinds that have each, as the Rate Terms window enables
// its inputs.
constexpr unsigned FixedTerms = 1u << unsigned(Kind::Fixed);
constexpr unsigned TrackerTerms = 1u << unsigned(Kind::Tracker);
constexpr unsigned AdjustableTerms = 1u << unsigned(Kind::Adjustable);
constexpr unsigned VariableTerms = 1u << unsigned(Kind::Variable);
constexpr unsigned EveryKind = FixedTerms | TrackerTerms | AdjustableTerms | VariableTerms;

struct Field {
    const char* name;
    unsigned kinds;
};
const Field Fields[] = {
    {"from", EveryKind},
    {"kind", EveryKind},
    {"rate", FixedTerms | AdjustableTerms},
    {"until", FixedTerms},
    {"series", TrackerTerms | AdjustableTerms | VariableTerms},
    {"margin", TrackerTerms | AdjustableTerms},
    {"lag", TrackerTerms | VariableTerms},
    {"next-month", TrackerTerms},
    {"rounding", AdjustableTerms},
    {"step", AdjustableTerms},
    {"first-change", AdjustableTerms},
    {"months", AdjustableTerms},
    {"look-back", AdjustableTerms},
    {"first-cap", AdjustableTerms},
    {"each-cap", AdjustableTerms},
    {"life-cap", AdjustableTerms},
    {"floor", AdjustableTerms},
};

const Field* fieldNamed(const QString& name) {
    for (const Field& f : Fields) {
        if (name == QLatin1String(f.name))
            return &f;
    }
    return nullptr;
}

QStringList fieldsOf(Kind kind) {
    QStringList names;
    for (const Field& f : Fields) {
        if (f.kinds & (1u << unsigned(kind)) && (f.kinds & EveryKind) != EveryKind)
            names << QString::fromLatin1(f.name);
    }
    return names;
}

QString dateInto(const QString& name, const QString& value, QDate* date) {
    *date = QDate::fromString(value, Qt::ISODate);
    return date->isValid()
               ? QString()
               : QStringLiteral("%1 is a date as YYYY-MM-DD, not '%2'").arg(name, value);
}

QString rateInto(const QString& name, const QString& value, std::optional<Rate>* rate) {
    *rate = Rate::parse(value);
    return *rate ? QString()
                 : QStringLiteral("%1 is a rate such as 1.5, not '%2'").arg(name, value);
}

QString rateInto(const QString& name, const QString& value, Rate* rate) {
    std::optional<Rate> r;
    const QString problem = rateInto(name, value, &r);
    *rate = r.value_or(*rate);
    return problem;
}

QString daysInto(const QString& name, const QString& value, int* days) {
    bool ok = false;
    *days = value.toInt(&ok);
    return ok ? QString() : QStringLiteral("%1 is a whole number, not '%2'").arg(name, value);
}

// One field's value into the period: "" when it reads.
QString take(Period& p, const QString& name, const QString& value) {
    if (name == QLatin1String("from"))
        return dateInto(name, value, &p.from);
    if (name == QLatin1String("until"))
        return dateInto(name, value, &p.until);
    if (name == QLatin1String("first-change"))
        return dateInto(name, value, &p.firstChange);
    if (name == QLatin1String("rate"))
        return rateInto(name, value, &p.rate);
    if (name == QLatin1String("margin"))
        return rateInto(name, value, &p.margin);
    if (name == QLatin1String("step"))
        return rateInto(name, value, &p.roundingStep);
    if (name == QLatin1String("first-cap"))
        return rateInto(name, value, &p.firstCap);
    if (name == QLatin1String("each-cap"))
        return rateInto(name, value, &p.eachCap);
    if (name == QLatin1String("life-cap"))
        return rateInto(name, value, &p.lifeCap);
    if (name == QLatin1String("floor"))
        return rateInto(name, value, &p.floor);
    if (name == QLatin1String("lag"))
        return daysInto(name, value, &p.lagDays);
    if (name == QLatin1String("months"))
        return daysInto(name, value, &p.changeMonths);
    if (name == QLatin1String("look-back"))
        return daysInto(name, value, &p.lookBackDays);
    if (name == QLatin1String("series")) {
        p.series = value;
        return value.isEmpty() ? QStringLiteral("series needs a series' name") : QString();
    }
    if (name == QLatin1String("next-month")) {
        p.nextMonth = value == QLatin1String("yes");
        return p.nextMonth || value == QLatin1String("no")
                   ? QString()
                   : QStringLiteral("next-month is yes or no, not '%1'").arg(value);
    }
    // The one field left: rounding.
    const std::optional<RateTerms::Rounding> rounding = RateTerms::roundingFromWord(value);
    p.rounding = rounding.value_or(p.rounding);
    return rounding ? QString()
                    : QStringLiteral("rounding is none, nearest, up or down, not '%1'").arg(value);
}

// The fields as given, each name once.
std::optional<QList<std::pair<QString, QString>>> fieldsGiven(const QString& text,
                                                              QString* problem) {
    QList<std::pair<QString, QString>> given;
    QStringList seen;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString name = part.left(equals).trimmed().toLower();
        if (equals < 0 || !fieldNamed(name)) {
            QStringList names;
            for (const Field& f : Fields)
                names << QString::fromLatin1(f.name);
            *problem = QStringLiteral("'%1' is not a field NAME=VALUE; the names are %2")
                           .arg(part.trimmed(), names.join(QLatin1String(", ")));
            return std::nullopt;
        }
        if (seen.contains(name)) {
            *problem = QStringLiteral("%1 is given twice").arg(name);
            return std::nullopt;
        }
        seen << name;
        given.append({name, part.mid(equals + 1).trimmed()});
    }
    return given;
}

// The period's series found and put in `set` under its short name.
QString findSeries(Period& p, QSqlDatabase db, RateTerms::SeriesSet& set,
                   QMap<QString, QString>& keys) {
    if (p.series.isEmpty())
        return QString();
    if (!keys.contains(p.series)) {
        QString problem;
        bool usage = false;
        const std::optional<ReferenceSeries> s = series(p.series, db, &problem, &usage);
        if (!s)
            return problem;
        keys.insert(p.series, s->key);
        set.insert(s->key, *s);
    }
    p.series = keys.value(p.series);
    return QString();
}

} // namespace

std::optional<ReferenceSeries> series(const QString& name, QSqlDatabase db, QString* problem,
                                      bool* usage) {
    *usage = false;
    if (QFileInfo(name).isFile()) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly) || file.size() > 4 * 1024 * 1024) {
            *problem = QStringLiteral("cannot read the series file '%1'").arg(name);
            return std::nullopt;
        }
        QString why;
        std::optional<ReferenceSeries> s = ReferenceSeriesFile::parse(
            file.readAll(), ReferenceSeriesFile::keyFromFileName(name), &why);
        if (!s)
            *problem = QStringLiteral("the series file '%1' does not read: %2").arg(name, why);
        return s;
    }
    TermsStore::Stored stored;
    if (TermsStore::read(db, &stored, problem) && stored.series.contains(name))
        return stored.series.value(name);
    QString error;
    if (std::optional<ReferenceSeries> shipped = ShippedSeries::find(name, &error))
        return shipped;
    *usage = true;
    *problem = QStringLiteral("no series '%1': give a shipped series' short name (--reference "
                              "list), one the account holds, or a CSV file of dates and rates")
                   .arg(name);
    return std::nullopt;
}

std::optional<Period> readPeriod(const QString& text, QString* problem) {
    const auto given = fieldsGiven(text, problem);
    if (!given)
        return std::nullopt;
    Period p;
    std::optional<Kind> kind;
    for (const auto& [name, value] : *given) {
        if (name == QLatin1String("kind")) {
            kind = RateTerms::kindFromWord(value);
            if (!kind) {
                *problem = QStringLiteral("kind is fixed, tracker, adjustable or variable, not "
                                          "'%1'")
                               .arg(value);
                return std::nullopt;
            }
        }
    }
    if (!kind) {
        *problem = QStringLiteral("kind=fixed|tracker|adjustable|variable is required");
        return std::nullopt;
    }
    p.kind = *kind;
    for (const auto& [name, value] : *given) {
        if (!(fieldNamed(name)->kinds & (1u << unsigned(p.kind)))) {
            *problem = QStringLiteral("%1 is not a field of %2 terms, which take %3")
                           .arg(name, RateTerms::kindWord(p.kind),
                                fieldsOf(p.kind).join(QLatin1String(", ")));
            return std::nullopt;
        }
        if (name != QLatin1String("kind"))
            *problem = take(p, name, value);
        if (!problem->isEmpty())
            return std::nullopt;
    }
    if (!p.from.isValid()) {
        *problem = QStringLiteral("from=DATE, the period's first day, is required");
        return std::nullopt;
    }
    return p;
}

QString useGiven(const QStringList& given, QSqlDatabase db) {
    TermsStore::Stored stored;
    QString error;
    if (!TermsStore::read(db, &stored, &error))
        return QStringLiteral("the account's rate terms cannot be read: %1").arg(error);
    RateTerms::SeriesSet set = stored.series;
    QMap<QString, QString> keys; // a series as named, its short name
    QVector<Period> terms;
    for (const QString& text : given) {
        QString problem;
        std::optional<Period> p = readPeriod(text, &problem);
        if (p)
            problem = findSeries(*p, db, set, keys);
        if (problem.isEmpty())
            problem = RateTerms::problemOf(*p, set);
        if (problem.isEmpty()) {
            for (const Period& other : std::as_const(terms)) {
                if (other.from == p->from)
                    problem = QStringLiteral("another terms period starts on %1")
                                  .arg(p->from.toString(Qt::ISODate));
            }
        }
        if (!problem.isEmpty())
            return QStringLiteral("--terms '%1': %2").arg(text, problem);
        terms << *p;
    }
    if (!TermsStore::write(db, terms, set, &error))
        return QStringLiteral("the --terms cannot be worked on this account (an older layout "
                              "without rate terms: open it in Vantrell once): %1")
            .arg(error);
    return QString();
}

} // namespace ReportTerms
