#include "RateTerms.h"

#include "data/ShortDate.h"

#include <QCoreApplication>

#include <algorithm>

namespace RateTerms {

namespace {

struct Word {
    const char* word;
    int value;
};
const Word KindWords[] = {{"fixed", int(Kind::Fixed)},
                          {"tracker", int(Kind::Tracker)},
                          {"adjustable", int(Kind::Adjustable)},
                          {"variable", int(Kind::Variable)}};
const Word RoundingWords[] = {{"none", int(Rounding::None)},
                              {"nearest", int(Rounding::Nearest)},
                              {"up", int(Rounding::Up)},
                              {"down", int(Rounding::Down)}};

template <std::size_t N> QString wordOf(const Word (&words)[N], int value) {
    for (const Word& w : words) {
        if (w.value == value)
            return QString::fromLatin1(w.word);
    }
    return {};
}

template <std::size_t N> std::optional<int> valueOf(const Word (&words)[N], const QString& word) {
    for (const Word& w : words) {
        if (word.compare(QLatin1String(w.word), Qt::CaseInsensitive) == 0)
            return w.value;
    }
    return std::nullopt;
}

QString dateText(const QDate& d) {
    return ShortDate::format(d);
}

qint64 floorDiv(qint64 a, qint64 b) {
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The periods of one terms period, from `a` to `b`.
class Worker {
public:
    Worker(const SeriesSet& series, const QVector<RatePeriod>& stored, Owed& owed)
        : m_series(series), m_stored(stored), m_owed(owed) {}

    void work(const Period& p, const QDate& a, const QDate& b) {
        switch (p.kind) {
        case Kind::Fixed:
            fixed(p, a, b);
            break;
        case Kind::Tracker:
            tracker(p, a, b);
            break;
        case Kind::Adjustable:
            adjustable(p, a, b);
            break;
        case Kind::Variable:
            variable(p, a, b);
            break;
        }
    }

private:
    void add(const QDate& from, const QDate& to, Rate rate, Kind source, const QString& detail) {
        if (from <= to)
            m_owed.periods << OwedPeriod{from, to, rate, source, detail};
    }

    void gap(const QDate& from, const QDate& to, const QString& why) {
        if (from <= to)
            m_owed.notices << QCoreApplication::translate("RateTerms",
                                                          "No rate is owed from %1 to %2: %3.")
                                  .arg(dateText(from), dateText(to), why);
    }

    const ReferenceSeries* seriesFor(const Period& p, const QDate& b) {
        const auto it = m_series.constFind(p.series);
        if (it == m_series.cend())
            return nullptr;
        if (b > it->knownTo() && !m_warned.contains(p.series)) {
            m_warned << p.series;
            m_owed.notices << QCoreApplication::translate(
                                  "RateTerms", "The series %1 is known to %2: the owed rates after "
                                               "it take its last rate as still in force.")
                                  .arg(p.series, dateText(it->knownTo()));
        }
        return &*it;
    }

    void fixed(const Period& p, const QDate& a, const QDate& b) {
        if (!p.rate) {
            gap(a, b, QCoreApplication::translate("RateTerms", "the fixed terms have no rate"));
            return;
        }
        const QDate to = p.until.isValid() ? std::min(p.until, b) : b;
        add(a, to, *p.rate, Kind::Fixed, QCoreApplication::translate("RateTerms", "fixed"));
        gap(to.addDays(1), b,
            QCoreApplication::translate("RateTerms",
                                        "the fixed rate ended on %1 and no terms follow")
                .arg(dateText(to)));
    }

    void tracker(const Period& p, const QDate& a, const QDate& b) {
        const ReferenceSeries* s = seriesFor(p, b);
        if (!s) {
            gap(a, b,
                QCoreApplication::translate("RateTerms", "the series '%1' is not in the account")
                    .arg(p.series));
            return;
        }
        const auto applies = [&](const QDate& d) {
            return p.nextMonth ? QDate(d.year(), d.month(), 1).addMonths(1) : d.addDays(p.lagDays);
        };
        const auto detail = [&](const SeriesChange& c) {
            return QCoreApplication::translate("RateTerms", "%1 %2 from %3 + %4")
                .arg(p.series, c.rate.exactText(), dateText(c.date), p.margin.exactText());
        };
        // The change in force at the start, then each one that applies within the period; two
        // that apply on one day leave the later.
        const QVector<SeriesChange>& changes = s->changes;
        int current = -1;
        int i = 0;
        for (; i < changes.size() && applies(changes[i].date) <= a; ++i)
            current = i;
        const auto piece = [&](const QDate& from, const QDate& to) {
            if (current < 0)
                gap(from, to,
                    QCoreApplication::translate("RateTerms", "the series %1 starts later")
                        .arg(p.series));
            else
                add(from, to, changes[current].rate + p.margin, Kind::Tracker,
                    detail(changes[current]));
        };
        QDate start = a;
        for (; i < changes.size(); ++i) {
            const QDate next = applies(changes[i].date);
            if (next > b)
                break;
            piece(start, next.addDays(-1));
            start = next;
            current = i;
        }
        piece(start, b);
    }

    void adjustable(const Period& p, const QDate& a, const QDate& b) {
        const ReferenceSeries* s = seriesFor(p, b);
        if (!s || !p.firstChange.isValid() || p.changeMonths < 1) {
            gap(a, b,
                QCoreApplication::translate("RateTerms", "the adjustable terms are incomplete"));
            return;
        }
        const QDate initialEnd = std::min(p.firstChange.addDays(-1), b);
        if (p.rate)
            add(a, initialEnd, *p.rate, Kind::Adjustable,
                QCoreApplication::translate("RateTerms", "initial rate"));
        else
            gap(a, initialEnd,
                QCoreApplication::translate("RateTerms",
                                            "the adjustable terms have no initial rate"));
        std::optional<Rate> previous = p.rate;
        for (int k = 0;; ++k) {
            const QDate change = p.firstChange.addMonths(k * p.changeMonths);
            if (!change.isValid() || change > b || k > 12 * 200)
                break;
            const QDate end =
                std::min(p.firstChange.addMonths((k + 1) * p.changeMonths).addDays(-1), b);
            const QDate looked = change.addDays(-p.lookBackDays);
            const std::optional<Rate> index = s->rateOn(looked);
            if (!index) {
                gap(std::max(change, a), end,
                    QCoreApplication::translate("RateTerms", "the series %1 has no rate on %2")
                        .arg(p.series, dateText(looked)));
                continue;
            }
            const Rate value = adjusted(p, *index, previous, k == 0);
            add(std::max(change, a), end, value, Kind::Adjustable,
                QCoreApplication::translate("RateTerms", "%1 %2 on %3 + %4")
                    .arg(p.series, index->exactText(), dateText(looked), p.margin.exactText()));
            previous = value;
        }
    }

    // The sum rounded, then held within the caps and above the floor.
    static Rate adjusted(const Period& p, Rate index, std::optional<Rate> previous, bool first) {
        Rate value = rounded(index + p.margin, p.rounding, p.roundingStep);
        const std::optional<Rate> cap = first && p.firstCap ? p.firstCap : p.eachCap;
        if (cap && previous)
            value = std::clamp(value, *previous - *cap, *previous + *cap);
        if (p.lifeCap && p.rate)
            value = std::min(value, *p.rate + *p.lifeCap);
        if (p.floor)
            value = std::max(value, *p.floor);
        return value;
    }

    void variable(const Period& p, const QDate& a, const QDate& b) {
        QVector<RatePeriod> stored;
        for (const RatePeriod& r : m_stored) {
            if (r.validFrom.isValid() && r.validTo.isValid() && r.interestRate)
                stored << r;
        }
        std::sort(stored.begin(), stored.end(), [](const RatePeriod& x, const RatePeriod& y) {
            return x.validFrom < y.validFrom;
        });
        QDate next = a;
        for (const RatePeriod& r : std::as_const(stored)) {
            const QDate from = std::max(r.validFrom, next);
            const QDate to = std::min(r.validTo, b);
            if (from > to)
                continue;
            gap(next, from.addDays(-1),
                QCoreApplication::translate("RateTerms", "no rate period is stored for it"));
            add(from, to, *r.interestRate, Kind::Variable,
                QCoreApplication::translate("RateTerms", "stored"));
            next = to.addDays(1);
        }
        gap(next, b, QCoreApplication::translate("RateTerms", "no rate period is stored for it"));
        Q_UNUSED(p);
    }

    const SeriesSet& m_series;
    const QVector<RatePeriod>& m_stored;
    Owed& m_owed;
    QStringList m_warned;
};

} // namespace

QString kindWord(Kind kind) {
    return wordOf(KindWords, int(kind));
}

std::optional<Kind> kindFromWord(const QString& word) {
    const std::optional<int> v = valueOf(KindWords, word);
    return v ? std::optional<Kind>(Kind(*v)) : std::nullopt;
}

QString roundingWord(Rounding rounding) {
    return wordOf(RoundingWords, int(rounding));
}

QString shownRoundingWord(Rounding rounding) {
    switch (rounding) {
    case Rounding::None:
        break;
    case Rounding::Nearest:
        //: a rate rounded to the nearest step
        return QCoreApplication::translate("RateTerms", "nearest");
    case Rounding::Up:
        //: a rate rounded up to a step
        return QCoreApplication::translate("RateTerms", "up");
    case Rounding::Down:
        //: a rate rounded down to a step
        return QCoreApplication::translate("RateTerms", "down");
    }
    return QString();
}

std::optional<Rounding> roundingFromWord(const QString& word) {
    const std::optional<int> v = valueOf(RoundingWords, word);
    return v ? std::optional<Rounding>(Rounding(*v)) : std::nullopt;
}

QStringList kindNames() {
    return {QCoreApplication::translate("RateTerms", "Fixed"),
            QCoreApplication::translate("RateTerms", "Tracker"),
            QCoreApplication::translate("RateTerms", "Adjustable (index plus margin)"),
            QCoreApplication::translate("RateTerms", "Lender's variable rate")};
}

QString kindName(Kind kind) {
    return kindNames().value(int(kind));
}

QVector<RatePeriod> Owed::ratePeriods() const {
    QVector<RatePeriod> rates;
    rates.reserve(periods.size());
    for (const OwedPeriod& p : periods)
        rates << RatePeriod{0, p.from, p.to, p.rate};
    return rates;
}

bool Owed::covers(const QDate& first, const QDate& last) const {
    QDate next = first;
    for (const OwedPeriod& p : periods) {
        if (p.from > next)
            return false;
        if (p.to >= next)
            next = p.to.addDays(1);
        if (next > last)
            return true;
    }
    return next > last;
}

Rate rounded(Rate value, Rounding rounding, Rate step) {
    const qint64 s = step.raw();
    if (s <= 0)
        return value;
    const qint64 v = value.raw();
    switch (rounding) {
    case Rounding::None:
        return value;
    case Rounding::Nearest:
        return Rate::fromRaw(floorDiv(v + s / 2, s) * s);
    case Rounding::Up:
        return Rate::fromRaw(-floorDiv(-v, s) * s);
    case Rounding::Down:
        return Rate::fromRaw(floorDiv(v, s) * s);
    }
    return value;
}

Owed owed(const QVector<Period>& terms, const SeriesSet& series, const QVector<RatePeriod>& stored,
          const QDate& end) {
    Owed owed;
    QVector<Period> sorted;
    for (const Period& p : terms) {
        if (p.from.isValid())
            sorted << p;
    }
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Period& a, const Period& b) { return a.from < b.from; });
    Worker worker(series, stored, owed);
    for (int i = 0; i < sorted.size(); ++i) {
        const QDate a = sorted[i].from;
        const QDate b = i + 1 < sorted.size() ? sorted[i + 1].from.addDays(-1) : end;
        if (a <= b)
            worker.work(sorted[i], a, b);
    }
    return owed;
}

namespace {

// One sentence for each kind that follows a series, so that none is pieced together.
QString seriesMissing(Kind kind) {
    switch (kind) {
    case Kind::Tracker:
        return QCoreApplication::translate("RateTerms",
                                           "Choose the reference series of the tracker terms.");
    case Kind::Adjustable:
        return QCoreApplication::translate(
            "RateTerms",
            "Choose the reference series of the adjustable (index plus margin) terms.");
    case Kind::Fixed:
    case Kind::Variable:
        break;
    }
    return QCoreApplication::translate("RateTerms",
                                       "Choose the reference series of the lender's variable rate "
                                       "terms.");
}

} // namespace

QString problemOf(const Period& p, const SeriesSet& series) {
    if (!p.from.isValid())
        return QCoreApplication::translate("RateTerms",
                                           "Each terms period needs the date it starts.");
    if (p.kind == Kind::Fixed) {
        if (!p.rate)
            return QCoreApplication::translate("RateTerms", "Fixed terms need their rate.");
        if (p.until.isValid() && p.until < p.from)
            return QCoreApplication::translate("RateTerms",
                                               "The fixed rate cannot end before it starts.");
        return QString();
    }
    if (p.series.isEmpty())
        return seriesMissing(p.kind);
    if (!series.contains(p.series))
        return QCoreApplication::translate("RateTerms", "The series '%1' is not in the account.")
            .arg(p.series);
    if (p.lagDays < 0 || p.lagDays > 366)
        return QCoreApplication::translate("RateTerms", "The lag is 0 to 366 days.");
    if (p.kind != Kind::Adjustable)
        return QString();
    if (!p.firstChange.isValid() || p.firstChange < p.from)
        return QCoreApplication::translate(
            "RateTerms", "Adjustable terms need a first change date on or after their start.");
    if (p.changeMonths < 1 || p.changeMonths > 120)
        return QCoreApplication::translate("RateTerms", "The months between changes are 1 to 120.");
    if (p.lookBackDays < 0 || p.lookBackDays > 366)
        return QCoreApplication::translate("RateTerms", "The look-back is 0 to 366 days.");
    if (p.rounding != Rounding::None && p.roundingStep.raw() <= 0)
        return QCoreApplication::translate("RateTerms", "The rounding step must be above 0.");
    for (const std::optional<Rate>& cap : {p.firstCap, p.eachCap, p.lifeCap}) {
        if (cap && cap->raw() < 0)
            return QCoreApplication::translate("RateTerms", "A cap cannot be below 0.");
    }
    return QString();
}

} // namespace RateTerms
