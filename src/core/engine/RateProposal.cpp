#include "RateProposal.h"

#include "AccountStore.h"
#include "CalcDay.h"
#include "InterestEngine.h"
#include "Parallel.h"
#include "data/ShortDate.h"
#include "data/TransactionGuard.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <span>

using namespace InterestWorking;

namespace {

// Rates are searched on a grid of thousandths of a per cent, so that equal rates compare equal.
using Thousandths = qint64;

// The rate of the one period the first walk runs under. Any rate serves: no day's balance
// depends on it.
constexpr Rate ProvisionalRate = Rate::fromThousandths(5000);

double percent(Thousandths r) {
    return Rate::fromThousandths(r).percent();
}

Thousandths floorDiv(Thousandths a, Thousandths b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// The lowest and highest rate with two decimals within [low, high] (in thousandths).
Thousandths firstHundredth(Thousandths low) {
    return -floorDiv(-low, 10) * 10;
}
Thousandths lastHundredth(Thousandths high) {
    return floorDiv(high, 10) * 10;
}
bool holdsHundredth(Thousandths low, Thousandths high) {
    return firstHundredth(low) <= high;
}

// A rate from [low, high]: `preferred` when it lies there, else the rate with two decimals
// nearest the middle, else the middle.
Thousandths pick(Thousandths low, Thousandths high, std::optional<Thousandths> preferred) {
    if (preferred && low <= *preferred && *preferred <= high)
        return *preferred;
    const Thousandths middle = low + (high - low) / 2;
    const Thousandths below = lastHundredth(middle);
    const Thousandths above = firstHundredth(middle);
    const bool belowIn = below >= low;
    const bool aboveIn = above <= high;
    if (belowIn && aboveIn)
        return middle - below <= above - middle ? below : above;
    if (belowIn)
        return below;
    return aboveIn ? above : middle;
}

qint64 cents(Money m) {
    return m.roundedToCents().value_or(m).raw();
}

// One posting whose charge is searched for its rate.
struct Searched {
    int posting = -1; // in the working
    std::span<const WorkingDay> days;
    Money charge; // to cents
    std::optional<EffectiveRate> effective;
    // The rates with three decimals that reproduce the charge, one rate over the whole period;
    // none when low > high.
    Thousandths low = 1;
    Thousandths high = 0;

    bool reproducible() const { return low <= high; }
};

class Search {
public:
    Search(const Working& working, const QVector<ReportLine>& lines, QDate first, QDate last)
        : m_working(working), m_conventions(working.basis.conventions), m_first(first),
          m_last(last) {
        collect(lines);
    }

    RateProposal::Proposal run();

private:
    // How the search reads one posting.
    struct Resolution {
        enum class Kind { Rate, Change, Unexplained } kind = Kind::Unexplained;
        Thousandths before = 0;
        Thousandths after = 0;     // the rate of Kind::Rate
        QVector<QDate> changeDays; // the days a change reproduces the charge on, earliest first
    };
    // Postings searched one after another that one rate reproduces (a run), or a posting no
    // single rate reproduces (a gap).
    struct Item {
        int first = 0;
        int last = 0;
        Thousandths low = 0;
        Thousandths high = 0;
        bool gap = false;
    };

    void collect(const QVector<ReportLine>& lines);
    bool reproduces(const Searched& s, const RateOfDay& rate) const {
        return cents(periodInterest(s.days, m_conventions, rate)) == s.charge.raw();
    }
    bool reproduces(const Searched& s, Thousandths r) const {
        const double rate = percent(r);
        return reproduces(s, [rate](const WorkingDay&) { return rate; });
    }
    void settleRange(Searched& s) const;
    QVector<Item> items() const;
    QVector<Resolution> resolve(const QVector<Item>& items) const;
    QVector<QDate> changeDays(const Searched& s, Thousandths before, Thousandths after) const;
    QVector<RateProposal::Period> periods(const QVector<Resolution>& resolutions) const;

    const Working& m_working;
    LenderConventions m_conventions;
    QDate m_first;
    QDate m_last;
    QVector<Searched> m_searched;
    int m_leftOut = 0;
    QVector<QDate> m_unpaired;
};

void Search::collect(const QVector<ReportLine>& lines) {
    QSet<QDate> posted;
    for (const PostingWorking& p : m_working.postings)
        posted.insert(p.date);
    for (const ReportLine& line : lines) {
        const std::optional<Money>& charge = line.amounts[AmountColumn::InterestPayment];
        if (line.kind == ReportLine::Kind::Transaction && charge && !charge->isZero() &&
            !posted.contains(line.date) && (m_unpaired.isEmpty() || m_unpaired.last() != line.date))
            m_unpaired << line.date;
    }

    for (int i = 0; i < m_working.postings.size(); ++i) {
        const PostingWorking& p = m_working.postings[i];
        const std::optional<Money> charge = chargeOn(lines, p.date);
        const bool accrues = std::any_of(p.days.cbegin(), p.days.cend(), [](const WorkingDay& d) {
            return d.weight != 0 && !d.accruing.isZero();
        });
        if (!p.comparable() || !charge || !accrues) {
            ++m_leftOut;
            continue;
        }
        Searched s;
        s.posting = i;
        s.days = p.days;
        s.charge = *charge;
        s.effective = effectiveRate(s.days, m_conventions, s.charge);
        settleRange(s);
        m_searched << s;
    }
}

// The three-decimal rates within the effective rate's range, each end checked: the search holds
// the range to a billionth of a per cent, and a rate on its edge may fall either side.
void Search::settleRange(Searched& s) const {
    if (!s.effective || !s.effective->exact)
        return;
    constexpr double Slack = 1e-6;
    s.low = Thousandths(std::ceil(s.effective->low * 1000 - Slack));
    s.high = Thousandths(std::floor(s.effective->high * 1000 + Slack));
    for (int step = 0; step < 3 && s.low <= s.high && !reproduces(s, s.low); ++step)
        ++s.low;
    for (int step = 0; step < 3 && s.low <= s.high && !reproduces(s, s.high); ++step)
        --s.high;
    if (s.low <= s.high && (!reproduces(s, s.low) || !reproduces(s, s.high)))
        s.low = 1, s.high = 0;
}

// Runs grow while one rate reproduces every posting in them, and a run of two-decimal rates does
// not give way to three decimals.
QVector<Search::Item> Search::items() const {
    QVector<Item> list;
    for (int k = 0; k < m_searched.size(); ++k) {
        const Searched& s = m_searched[k];
        if (!s.reproducible()) {
            list << Item{k, k, 0, 0, true};
            continue;
        }
        if (!list.isEmpty() && !list.last().gap) {
            Item& run = list.last();
            const Thousandths low = std::max(run.low, s.low);
            const Thousandths high = std::min(run.high, s.high);
            if (low <= high && (holdsHundredth(low, high) || !holdsHundredth(run.low, run.high))) {
                run.low = low;
                run.high = high;
                run.last = k;
                continue;
            }
        }
        list << Item{k, k, s.low, s.high, false};
    }
    return list;
}

// Each posting read in order, with the rate in force at the end of the one before. A posting
// that one rate of its own reproduces, between runs of other rates, is first tried as a change
// from the rate before to the rate after: one change explains it rather than two.
QVector<Search::Resolution> Search::resolve(const QVector<Item>& items) const {
    QVector<Resolution> out(m_searched.size());
    std::optional<Thousandths> previous;
    for (int i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        std::optional<Thousandths> next;
        for (int j = i + 1; j < items.size() && !next; ++j) {
            if (!items[j].gap)
                next = pick(items[j].low, items[j].high, previous);
        }
        const auto in = [&](std::optional<Thousandths> r) {
            return r && !item.gap && item.low <= *r && *r <= item.high;
        };
        const auto rate = [&](Thousandths r) {
            for (int k = item.first; k <= item.last; ++k) {
                out[k].kind = Resolution::Kind::Rate;
                out[k].after = r;
            }
            previous = r;
        };
        if (!item.gap && item.last > item.first) {
            rate(pick(item.low, item.high, previous));
            continue;
        }
        if (in(previous)) {
            rate(*previous);
            continue;
        }
        if (in(next)) {
            rate(*next);
            continue;
        }
        const Searched& s = m_searched[item.first];
        Resolution& r = out[item.first];
        const std::optional<Thousandths> own =
            item.gap ? std::nullopt : std::optional(pick(item.low, item.high, std::nullopt));
        if (previous && next && *previous != *next &&
            (!own || (std::min(*previous, *next) < *own && *own < std::max(*previous, *next)))) {
            r.changeDays = changeDays(s, *previous, *next);
            if (!r.changeDays.isEmpty()) {
                r.kind = Resolution::Kind::Change;
                r.before = *previous;
                r.after = *next;
                previous = next;
                continue;
            }
        }
        // A rate of one posting that returns to the rate before it is what an overcharge looks
        // like, and so is a rate of three decimals that one posting alone would hold: the posting
        // stays unexplained, and its neighbours are read under the rate before it.
        if (own && !(previous && next && *previous == *next) && holdsHundredth(item.low, item.high))
            rate(*own);
    }
    return out;
}

QVector<QDate> Search::changeDays(const Searched& s, Thousandths before, Thousandths after) const {
    QVector<QDate> days;
    const double from = percent(before);
    const double to = percent(after);
    for (std::size_t j = 1; j < s.days.size(); ++j) {
        const QDate change = s.days[j].date;
        if (reproduces(s, [&](const WorkingDay& d) { return d.date < change ? from : to; }))
            days << change;
    }
    return days;
}

QVector<RateProposal::Period> Search::periods(const QVector<Resolution>& resolutions) const {
    QVector<RateProposal::Period> list;
    std::optional<Thousandths> current;
    QDate start = m_first;
    QVector<QDate> others;
    const auto close = [&](const QDate& end, Thousandths next, const QDate& from) {
        if (current && end >= start && *current != next) {
            list << RateProposal::Period{start, end, Rate::fromThousandths(*current), {}, others};
            start = from;
            others.clear();
        }
        current = next;
    };
    for (int k = 0; k < m_searched.size(); ++k) {
        const Resolution& r = resolutions[k];
        const QDate firstDay = m_searched[k].days.front().date;
        switch (r.kind) {
        case Resolution::Kind::Rate:
            close(firstDay.addDays(-1), r.after, firstDay);
            break;
        case Resolution::Kind::Change:
            close(firstDay.addDays(-1), r.before, firstDay);
            close(r.changeDays.first().addDays(-1), r.after, r.changeDays.first());
            others = r.changeDays.mid(1);
            break;
        case Resolution::Kind::Unexplained:
            break;
        }
    }
    if (current)
        list << RateProposal::Period{start, m_last, Rate::fromThousandths(*current), {}, others};
    return list;
}

RateProposal::Proposal Search::run() {
    RateProposal::Proposal p;
    p.periods = periods(resolve(items()));
    p.compared = int(m_searched.size());
    p.leftOut = m_leftOut;
    p.unpairedCharges = m_unpaired;

    // Every searched posting worked again under the proposal: the periods' own account of what
    // they reproduce.
    const auto periodOf = [&](const QDate& date) {
        const auto it = std::lower_bound(
            p.periods.begin(), p.periods.end(), date,
            [](const RateProposal::Period& period, const QDate& d) { return period.to < d; });
        return it == p.periods.end() ? p.periods.end() - 1 : it;
    };
    for (const Searched& s : m_searched) {
        std::optional<Money> due;
        if (!p.periods.isEmpty())
            due = periodInterest(s.days, m_conventions, [&](const WorkingDay& d) {
                return periodOf(d.date)->rate.percent();
            });
        if (due && cents(*due) == s.charge.raw()) {
            periodOf(s.days.back().date)->postings << m_working.postings[s.posting].date;
            continue;
        }
        RateProposal::Unexplained u;
        u.date = m_working.postings[s.posting].date;
        u.charged = s.charge;
        if (s.effective)
            u.nearestRate = s.effective->rate;
        const std::optional<Money> difference =
            Money::subtract(s.charge, Money::fromRaw(due ? cents(*due) : 0));
        if (!difference) {
            // No account a lender keeps charges that far from what is due: refused whole.
            RateProposal::Proposal refused;
            refused.notices << QCoreApplication::translate(
                                   "RateProposal", "The charge of %1 differs from the interest due "
                                                   "by more than an account can hold: no rates are "
                                                   "proposed for this account.")
                                   .arg(ShortDate::format(u.date));
            return refused;
        }
        u.difference = *difference;
        p.unexplained << u;
    }
    return p;
}

// The ranking's order: more charges reproduced, then fewer periods.
bool better(const RateProposal::Ranked& a, const RateProposal::Ranked& b) {
    if (a.reproduced != b.reproduced)
        return a.reproduced > b.reproduced;
    return a.periods < b.periods;
}

// The ways (method and day) whose proposals under today's choices lead, tried again under the
// other rests, equal periods and compounding.
constexpr int LeadingWays = 2;

// Each candidate's proposal on whichever core is free.
QVector<RateProposal::Proposal> proposeEach(const QVector<HistoryRow>& history,
                                            const QVector<FitCandidate>& list,
                                            const OffsetAccount& offset) {
    QVector<RateProposal::Proposal> proposals(list.size());
    RateProposal::Proposal* out = proposals.data();
    Parallel::forEachIndex(list.size(), 0, [&](qsizetype i) {
        out[i] = RateProposal::propose(history, list[i], offset);
    });
    return proposals;
}

} // namespace

namespace RateProposal {

QVector<RatePeriod> Proposal::ratePeriods() const {
    QVector<RatePeriod> list;
    for (const Period& period : periods)
        list << RatePeriod{0, period.from, period.to, period.rate};
    return list;
}

Proposal propose(const QVector<HistoryRow>& history, const CalculationBasis& basis,
                 const OffsetAccount& offset) {
    QDate first, last;
    for (const HistoryRow& row : history) {
        if (!row.date.isValid())
            continue;
        if (!first.isValid())
            first = row.date;
        last = row.date;
    }
    Proposal p;
    if (first.isValid()) {
        const QVector<RatePeriod> provisional = {{0, first, last, ProvisionalRate}};
        const InterestEngine::Worked worked = InterestEngine::calculateWithWorking(
            history, provisional, basis, offset, InterestEngine::Output::Postings);
        p = Search(worked.working, worked.result.lines, first, last).run();
        p.notices = worked.result.notices;
    }
    p.basis = basis;
    return p;
}

Ranking proposeAny(const QVector<HistoryRow>& history, const QString& storedDay,
                   const OffsetAccount& offset) {
    const QVector<FitCandidate> all = LenderFit::candidates(
        LenderFit::candidateDays(history, storedDay), LenderFit::suggestedPerYear(history));
    // Each way is proposed under today's choices first; the rests, equal periods and
    // compounding are then tried under the ways that did best, since a proposal costs a search
    // per posting and the ways number thousands.
    QVector<FitCandidate> list;
    for (const FitCandidate& c : all) {
        if (!c.conventions.beyondDaily())
            list << c;
    }
    QVector<Proposal> proposals = proposeEach(history, list, offset);
    // The leaders reproduce most charges; where none does, they at least post on the charges'
    // dates.
    QVector<int> order(list.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const Proposal& x = proposals[a];
        const Proposal& y = proposals[b];
        if (x.reproduced() != y.reproduced())
            return x.reproduced() > y.reproduced();
        return x.compared > y.compared;
    });
    QVector<CalculationBasis> leading;
    for (int i : order) {
        CalculationBasis way = list[i];
        way.conventions = LenderConventions();
        if (!leading.contains(way))
            leading << way;
        if (leading.size() == LeadingWays)
            break;
    }
    QVector<FitCandidate> more;
    for (const FitCandidate& c : all) {
        CalculationBasis way = c;
        way.conventions = LenderConventions();
        if (c.conventions.beyondDaily() && leading.contains(way))
            more << c;
    }
    proposals += proposeEach(history, more, offset);
    list += more;

    // The best is chosen in the list's order, as one after another would choose it.
    Ranking ranking;
    int bestAt = -1;
    for (int i = 0; i < list.size(); ++i) {
        const Ranked r{list[i], proposals[i].reproduced(), proposals[i].charges(),
                       int(proposals[i].periods.size())};
        if (bestAt < 0 || better(r, ranking.ranked[bestAt])) {
            bestAt = i;
            ranking.best = std::move(proposals[i]);
        }
        ranking.ranked << r;
    }
    std::stable_sort(ranking.ranked.begin(), ranking.ranked.end(), better);
    return ranking;
}

bool holdsCharges(QSqlDatabase db) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    return q.exec(
               QStringLiteral("select 1 from tblAllRecords where InterestPayment <> 0 limit 1")) &&
           q.next();
}

bool ratesCoverHistory(QSqlDatabase db) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(
            QStringLiteral("select (select min(Date) from tblAllRecords), (select max(Date) "
                           "from tblAllRecords), (select min(ValidFrom) from "
                           "tblInterestChanges), (select max(ValidTo) from tblInterestChanges)")) ||
        !q.next())
        return false;
    const QDate first = ShortDate::fromIso(q.value(0).toString());
    const QDate last = ShortDate::fromIso(q.value(1).toString());
    const QDate from = ShortDate::fromIso(q.value(2).toString());
    const QDate to = ShortDate::fromIso(q.value(3).toString());
    return first.isValid() && last.isValid() && from.isValid() && to.isValid() &&
           from.addDays(-1) <= first && to >= last;
}

QVector<qint64> overlapping(const QVector<RatePeriod>& stored, const QVector<Period>& chosen) {
    QVector<qint64> ids;
    for (const RatePeriod& s : stored) {
        const bool shares = std::any_of(chosen.cbegin(), chosen.cend(), [&](const Period& c) {
            return s.validFrom.isValid() && s.validTo.isValid() && s.validFrom <= c.to &&
                   c.from <= s.validTo;
        });
        if (shares)
            ids << s.id;
    }
    return ids;
}

QVector<Period> changed(const QVector<RatePeriod>& stored, const QVector<Period>& chosen) {
    QVector<Period> list;
    for (const Period& c : chosen) {
        const bool kept = std::any_of(stored.cbegin(), stored.cend(), [&](const RatePeriod& s) {
            return s.validFrom == c.from && s.validTo == c.to && s.interestRate == c.rate;
        });
        if (!kept)
            list << c;
    }
    return list;
}

bool store(QSqlDatabase db, const QVector<Period>& chosen, const QVector<qint64>& replaced,
           const FitCandidate& way, QString* error) {
    TransactionGuard transaction(db);
    if (!transaction.begun(error))
        return false;
    QSqlQuery remove(db);
    QSqlQuery insert(db);
    if (!remove.prepare(QStringLiteral("delete from tblInterestChanges where ID=?")) ||
        !insert.prepare(QStringLiteral("insert into tblInterestChanges (ValidFrom, ValidTo, "
                                       "InterestRate) values (?, ?, ?)"))) {
        *error =
            remove.lastError().isValid() ? remove.lastError().text() : insert.lastError().text();
        return false;
    }
    for (qint64 id : replaced) {
        remove.bindValue(0, id);
        if (!remove.exec()) {
            *error = remove.lastError().text();
            return false;
        }
    }
    // Which stored periods came from the charges, so that the evidence can say so.
    QStringList proposed;
    for (const QString& id : AccountStore::readSetting(db, QString::fromLatin1(ProposedSetting))
                                 .value_or(QString())
                                 .split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!replaced.contains(id.toLongLong()))
            proposed << id;
    }
    for (const Period& p : chosen) {
        insert.bindValue(0, ShortDate::toIso(p.from));
        insert.bindValue(1, ShortDate::toIso(p.to));
        insert.bindValue(2, p.rate.percent());
        if (!insert.exec()) {
            *error = insert.lastError().text();
            return false;
        }
        proposed << insert.lastInsertId().toString();
    }
    remove.finish();
    insert.finish();
    return LenderFit::write(db, way, error) &&
           AccountStore::writeSettings(
               db, {{QString::fromLatin1(ProposedSetting), proposed.join(QLatin1Char(','))}}, error,
               false) &&
           transaction.commit(error);
}

} // namespace RateProposal
