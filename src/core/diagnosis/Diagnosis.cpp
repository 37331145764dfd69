#include "Diagnosis.h"

#include "engine/AccountStore.h"
#include "engine/InterestEngine.h"
#include "engine/Parallel.h"
#include "reference/PassOn.h"
#include "reference/TermsStore.h"

#include <QMap>

#include <algorithm>

namespace Diagnosis {

namespace {

constexpr int MostDaysMoved = 62;
constexpr int MostCreditDays = 10;
constexpr int FewestPostings = 2;
// A part of a change not passed on is tried in hundredths of a point.
constexpr qint64 ShortStep = Rate::PerThousandth * 10;

// A run of consecutive postings that differ: indices into the postings, and the days of its
// first and last periods as the method counts them.
struct Run {
    int first = 0;
    int last = 0;
    QDate start;     // the first day of the first posting's period
    QDate firstEnd;  // its last day
    QDate lastStart; // the first day of the last posting's period
    QDate end;       // its last day
};

struct Trial {
    int run = 0;
    Mistake mistake;
    QVector<bool> matched; // a flag a posting of the run: its charge comes out to the cent
};

// The size of the stored change on `date`; zero when there is none.
Rate changeOn(const QVector<RatePeriod>& rates, const QDate& date) {
    for (const PassOn::Change& c : PassOn::lenderChanges(rates)) {
        if (c.date == date)
            return c.size;
    }
    return Rate();
}

OffsetAccount offsetLeftOut(const OffsetAccount& offset, const QDate& from, const QDate& to) {
    OffsetAccount out = offset;
    Money after; // the balance in force at `to`, which holds again from the day after
    out.balances.clear();
    for (const OffsetBalance& b : offset.balances) {
        if (b.date <= to)
            after = b.balance;
        if (b.date < from || b.date > to.addDays(1))
            out.balances << b;
    }
    out.balances << OffsetBalance{0, from, Money()};
    if (std::none_of(offset.balances.cbegin(), offset.balances.cend(),
                     [&](const OffsetBalance& b) { return b.date == to.addDays(1); }))
        out.balances << OffsetBalance{0, to.addDays(1), after};
    else
        for (const OffsetBalance& b : offset.balances) {
            if (b.date == to.addDays(1))
                out.balances << b;
        }
    out.balances = Offset::byDate(out.balances);
    return out;
}

// A row the lender may have credited late: a repayment and nothing else.
bool isCredit(const HistoryRow& row) {
    const std::optional<Money> deposit = row.amounts[AmountColumn::Deposit].money();
    const std::optional<Money> charge = row.amounts[AmountColumn::InterestPayment].money();
    const std::optional<Money> balance = row.closeBalance.money();
    return deposit && !deposit->isZero() && (!charge || charge->isZero()) &&
           (!balance || balance->isZero());
}

// The rows in the report query's order: date, then the interest charge (none first), then ID.
void sortAsReported(QVector<HistoryRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const HistoryRow& a, const HistoryRow& b) {
        if (a.date != b.date)
            return a.date < b.date;
        const std::optional<Money> x = a.amounts[AmountColumn::InterestPayment].money();
        const std::optional<Money> y = b.amounts[AmountColumn::InterestPayment].money();
        if (x.has_value() != y.has_value())
            return !x.has_value();
        if (x && *x != *y)
            return *x < *y;
        return a.id < b.id;
    });
}

// The history up to the first row after `last`: enough for every posting up to `last`.
QVector<HistoryRow> historyTo(const QVector<HistoryRow>& history, const QDate& last) {
    QVector<HistoryRow> rows;
    rows.reserve(history.size());
    for (const HistoryRow& row : history) {
        rows << row;
        if (row.date.isValid() && row.date > last)
            break;
    }
    return rows;
}

QVector<Run> runsOf(const QVector<InterestSummary::Posting>& postings, const QDate& historyStart,
                    int method) {
    QVector<Run> runs;
    const auto startOf = [&](int i) {
        return i > 0 ? InterestMethod::periodStartAfter(method, postings[i - 1].date)
                     : historyStart;
    };
    for (int i = 0; i < postings.size(); ++i) {
        const InterestSummary::Posting& p = postings[i];
        const bool differs = p.comparable() && !p.difference.isZero();
        if (!differs)
            continue;
        const QDate end = InterestMethod::periodEndOf(method, p.date);
        if (!runs.isEmpty() && runs.last().last == i - 1) {
            runs.last().last = i;
            runs.last().lastStart = startOf(i);
            runs.last().end = end;
            continue;
        }
        runs << Run{i, i, startOf(i), end, startOf(i), end};
    }
    return runs;
}

bool touches(const QDate& a, const QDate& b, const QDate& start, const QDate& end) {
    return std::min(a, b) <= end && std::max(a, b) >= start;
}

// Other conventions for part of the history: each day count and rounding that can go with the
// account's rest, then each other rest.
void conventionMistakes(const LenderConventions& account, QVector<Mistake>& out) {
    for (int dc = 0; dc < Conventions::DayCountCount; ++dc) {
        for (int r = 0; r < Conventions::RoundingCount; ++r) {
            LenderConventions c = account;
            c.dayCount = DayCount(dc);
            c.rounding = InterestRounding(r);
            if (c == account || !Conventions::refusal(c).isEmpty())
                continue;
            const Kind kind = c.dayCount != account.dayCount ? Kind::DayCount : Kind::Rounding;
            out << Mistake{kind, 0, {}, {}, {}, false, {}, {}, c, {}};
        }
    }
    // A lender charging annual rest where the account says daily is the best-known of these.
    for (const Rest& rest : Conventions::searchedRests()) {
        LenderConventions c = account;
        c.rest = rest;
        if (c != account)
            out << Mistake{Kind::Rest, 0, {}, {}, {}, false, {}, {}, c, {}};
    }
}

// Every mistake that could change a posting of the run.
QVector<Mistake> mistakesFor(const Inputs& in, const Run& run) {
    QVector<Mistake> out;
    const QDate& start = run.start;
    const QDate& firstEnd = run.firstEnd;
    const QDate& lastStart = run.lastStart;
    const QDate& end = run.end;
    // The offset left out from a day of the first period to a day of the last (or the day
    // before it): the first posting's charge depends only on the first day, the last one's only
    // on the last day, so each is tried with the other at the run's edge, and the two that
    // match are joined afterwards.
    if (in.offset.hasData()) {
        for (QDate from = start; from <= firstEnd; from = from.addDays(1))
            out << Mistake{Kind::OffsetNotCounted, 0, {}, {}, {}, false, from, end, {}, {}};
        for (QDate to = lastStart.addDays(-1); to < end; to = to.addDays(1))
            out << Mistake{Kind::OffsetNotCounted, 0, {}, {}, {}, false, start, to, {}, {}};
    }
    const QVector<PassOn::Change> changes = PassOn::lenderChanges(in.rates);
    for (const PassOn::Change& c : changes) {
        for (int d = -MostDaysMoved; d <= MostDaysMoved; ++d) {
            if (d != 0 && touches(c.date, c.date.addDays(d), start, end))
                out << Mistake{Kind::RateChangeMoved, d, c.date, {}, {}, false, {}, {}, {}, {}};
        }
        // Kept until a day of the run's last period (the lender may have caught up mid-period),
        // longer than a change applied late.
        if (c.date >= start && c.date <= end) {
            const QDate from = std::max(c.date.addDays(MostDaysMoved + 1), lastStart);
            for (QDate kept = from; kept <= end; kept = kept.addDays(1))
                out << Mistake{Kind::RateKept, 0, c.date, {}, {}, false, c.date, kept, {}, {}};
        }
    }
    for (const Reference& ref : in.references) {
        const QVector<PassOn::Change> series = PassOn::seriesChanges(
            ref.series, ref.from.addDays(-1), ref.to.isValid() ? ref.to : end);
        for (const PassOn::Row& row : PassOn::match(series, changes, ref.lagDays)) {
            if (!row.lender ||
                !touches(row.lender->date, row.lender->date.addDays(MostDaysMoved), start, end))
                continue;
            Mistake m{Kind::ReferenceNotPassedOn,
                      0,
                      row.reference.date,
                      row.lender->date,
                      {},
                      true,
                      {},
                      {},
                      {},
                      ref.series.name};
            out << m;
            m.leftOut = false;
            for (int d = 1; d <= MostDaysMoved; ++d) {
                m.days = d;
                out << m;
            }
            m.days = 0;
            const qint64 size = std::abs(row.lender->size.raw());
            for (qint64 part = ShortStep; part < size && part <= 100 * ShortStep;
                 part += ShortStep) {
                m.shortBy = Rate::fromRaw(part);
                out << m;
            }
        }
    }
    if (std::any_of(in.history.cbegin(), in.history.cend(), [&](const HistoryRow& row) {
            return isCredit(row) && row.date >= start && row.date <= end;
        })) {
        for (int d = 1; d <= MostCreditDays; ++d)
            out << Mistake{Kind::CreditsLate, d, {}, {}, {}, false, start, end, {}, {}};
    }
    conventionMistakes(in.basis.conventions, out);
    return out;
}

// The longest stretch of matched postings from `a` to `b` (indices into `matched`): its first
// index and length.
std::pair<int, int> longestMatch(const QVector<bool>& matched, int a, int b) {
    int bestFirst = -1, bestLength = 0;
    for (int i = a; i <= b;) {
        if (!matched[i]) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 <= b && matched[j + 1])
            ++j;
        if (j - i + 1 > bestLength) {
            bestFirst = i;
            bestLength = j - i + 1;
        }
        i = j + 1;
    }
    return {bestFirst, bestLength};
}

// The simpler of two mistakes that explain spans alike: fewer days moved, then the earlier kind.
bool simpler(const Mistake& a, const Mistake& b) {
    if (std::abs(a.days) != std::abs(b.days))
        return std::abs(a.days) < std::abs(b.days);
    if (a.kind != b.kind)
        return a.kind < b.kind;
    return a.shortBy < b.shortBy;
}

// The offset's trials of a run that match its first posting (a first day, left out to the run's
// end) and its last (a last day, left out from the run's start), joined into the one trial
// from that first day to that last day: its matches are the first one's, but for the last
// posting. `ends`: each run's last posting date.
void joinOffsetEdges(QVector<Trial>& trials, const QVector<QDate>& ends) {
    QMap<int, const Trial*> firsts;
    QMap<int, const Trial*> lasts;
    for (const Trial& t : std::as_const(trials)) {
        if (t.mistake.kind != Kind::OffsetNotCounted || t.matched.isEmpty())
            continue;
        const bool toTheEnd = t.mistake.to == ends[t.run];
        if (toTheEnd && t.matched.first() && !firsts.contains(t.run))
            firsts.insert(t.run, &t);
        if (!toTheEnd && t.matched.last() && !lasts.contains(t.run))
            lasts.insert(t.run, &t);
    }
    QVector<Trial> joined;
    for (auto it = firsts.cbegin(); it != firsts.cend(); ++it) {
        const Trial* last = lasts.value(it.key());
        if (!last)
            continue;
        Trial t = **it;
        t.mistake.to = last->mistake.to;
        t.matched.last() = true;
        joined << t;
    }
    trials << joined;
}

} // namespace

QString word(Kind kind) {
    static const char* const words[] = {"offset-not-counted",
                                        "rate-change-moved",
                                        "reference-not-passed-on",
                                        "rate-kept",
                                        "credits-late",
                                        "day-count",
                                        "rounding",
                                        "rest",
                                        "repayment-not-recalculated",
                                        "interest-only-kept"};
    return QString::fromLatin1(words[int(kind)]);
}

QString parameter(const Mistake& m) {
    switch (m.kind) {
    case Kind::OffsetNotCounted:
        return m.from.toString(Qt::ISODate);
    case Kind::RateChangeMoved:
    case Kind::CreditsLate:
        return QString::number(m.days);
    case Kind::RateKept:
        return m.change.toString(Qt::ISODate);
    case Kind::ReferenceNotPassedOn:
        return m.change.toString(Qt::ISODate) +
               (m.leftOut    ? QString()
                : m.days > 0 ? QStringLiteral(" late %1").arg(m.days)
                             : QStringLiteral(" short %1").arg(m.shortBy.exactText()));
    case Kind::DayCount:
    case Kind::Rounding:
        return Conventions::word(m.conventions.dayCount) + QLatin1Char(' ') +
               Conventions::word(m.conventions.rounding);
    case Kind::Rest:
        return Conventions::word(m.conventions.rest);
    case Kind::RepaymentNotRecalculated:
    case Kind::InterestOnlyKept:
        return m.change.toString(Qt::ISODate);
    }
    return QString();
}

Inputs withMistake(const Inputs& in, const Mistake& m) {
    Inputs out = in;
    switch (m.kind) {
    case Kind::OffsetNotCounted:
        out.offset = offsetLeftOut(in.offset, m.from, m.to);
        break;
    case Kind::RateChangeMoved: {
        const Rate size = changeOn(in.rates, m.change);
        out.rates = PassOn::shifted(PassOn::shifted(in.rates, m.change, -size),
                                    m.change.addDays(m.days), size);
        break;
    }
    case Kind::RateKept: {
        const Rate size = changeOn(in.rates, m.change);
        out.rates =
            PassOn::shifted(PassOn::shifted(in.rates, m.change, -size), m.to.addDays(1), size);
        break;
    }
    case Kind::ReferenceNotPassedOn: {
        const Rate size = changeOn(in.rates, m.answer);
        if (m.leftOut)
            out.rates = PassOn::shifted(in.rates, m.answer, -size);
        else if (m.days > 0)
            out.rates = PassOn::shifted(PassOn::shifted(in.rates, m.answer, -size),
                                        m.answer.addDays(m.days), size);
        else
            out.rates =
                PassOn::shifted(in.rates, m.answer, size.raw() < 0 ? m.shortBy : -m.shortBy);
        break;
    }
    case Kind::CreditsLate:
        for (HistoryRow& row : out.history) {
            if (isCredit(row) && row.date >= m.from && row.date <= m.to)
                row.date = row.date.addDays(m.days);
        }
        sortAsReported(out.history);
        break;
    case Kind::DayCount:
    case Kind::Rounding:
    case Kind::Rest:
        out.basis.conventions = m.conventions;
        break;
    case Kind::RepaymentNotRecalculated:
    case Kind::InterestOnlyKept:
        break; // the interest is as it was
    }
    return out;
}

namespace {

std::optional<InterestSummary::Summary> summaryOf(const Inputs& in) {
    const InterestEngine::Result r = InterestEngine::calculate(
        in.history, in.rates, in.basis, in.offset, InterestEngine::Output::Postings);
    return InterestSummary::summarise(r.lines);
}

} // namespace

QVector<InterestSummary::Posting> postings(const Inputs& in) {
    const std::optional<InterestSummary::Summary> s = summaryOf(in);
    return s ? s->postings : QVector<InterestSummary::Posting>();
}

Inputs inputsOf(const AccountStore::CalculationInputs& in, const TermsStore::Stored& terms,
                const CalculationBasis& basis) {
    Inputs out;
    out.history = in.history;
    out.rates = in.rates;
    out.basis = basis;
    out.offset = in.offset;
    out.references = TermsCheck::variableSpans(terms);
    return out;
}

namespace {

// One diagnosis: the runs of the account's differing postings, every trial of each, and the
// spans the trials explain.
class Search {
public:
    Search(const Inputs& in, const InterestSummary::Summary& summary)
        : m_in(in), m_base(summary.postings),
          m_runs(runsOf(m_base, historyDates(in.history).first, in.basis.methodCode())) {
        m_result.largest = summary.largest;
        for (const Run& run : m_runs)
            m_result.differing += run.last - run.first + 1;
    }

    Result run(int threads) {
        gatherTrials();
        limitTrials();
        runTrials(threads);
        QVector<QDate> ends;
        for (const Run& run : m_runs)
            ends << run.end;
        joinOffsetEdges(m_trials, ends);
        for (int r = 0; r < m_runs.size(); ++r)
            explainRun(r);
        std::sort(m_result.explanations.begin(), m_result.explanations.end(),
                  [](const Explanation& x, const Explanation& y) { return x.from < y.from; });
        std::sort(m_result.unexplained.begin(), m_result.unexplained.end(),
                  [](const InterestSummary::Posting& x, const InterestSummary::Posting& y) {
                      return x.date < y.date;
                  });
        return m_result;
    }

private:
    void gatherTrials() {
        for (int r = 0; r < m_runs.size(); ++r) {
            const Run& run = m_runs[r];
            if (run.last - run.first + 1 < FewestPostings)
                continue;
            for (const Mistake& m : mistakesFor(m_in, run))
                m_trials << Trial{r, m, {}};
        }
    }

    // Past the limit, the runs the summary's largest differences fall in, and no more than it.
    void limitTrials() {
        if (m_trials.size() <= MostTrials)
            return;
        m_result.partial = true;
        const auto awayFromLargest = [&](const Trial& t) {
            const Run& run = m_runs[t.run];
            return std::none_of(m_result.largest.cbegin(), m_result.largest.cend(),
                                [&](const InterestSummary::Posting& p) {
                                    return p.date >= m_base[run.first].date &&
                                           p.date <= m_base[run.last].date;
                                });
        };
        m_trials.erase(std::remove_if(m_trials.begin(), m_trials.end(), awayFromLargest),
                       m_trials.end());
        if (m_trials.size() > MostTrials)
            m_trials.resize(MostTrials);
    }

    // Every trial on whichever core is free, each walking the history to its run's end.
    void runTrials(int threads) {
        Trial* out = m_trials.data();
        Parallel::forEachIndex(m_trials.size(), threads, [&](qsizetype t) {
            Trial& trial = out[t];
            const Run& run = m_runs[trial.run];
            Inputs cut = m_in;
            cut.history = historyTo(m_in.history, m_base[run.last].date);
            QMap<QDate, Money> due;
            for (const InterestSummary::Posting& p : postings(withMistake(cut, trial.mistake)))
                due.insert(p.date, p.due);
            trial.matched.resize(run.last - run.first + 1);
            for (int k = run.first; k <= run.last; ++k) {
                const auto it = due.constFind(m_base[k].date);
                trial.matched[k - run.first] = it != due.cend() && *it == m_base[k].charged;
            }
        });
    }

    // The run's longest explained span, then the same for what is left either side of it.
    void explainRun(int r) {
        const Run& run = m_runs[r];
        QVector<std::pair<int, int>> open = {{run.first, run.last}};
        while (!open.isEmpty()) {
            const auto [a, b] = open.takeFirst();
            const Trial* best = nullptr;
            std::pair<int, int> span{-1, 0};
            for (const Trial& t : std::as_const(m_trials)) {
                if (t.run != r)
                    continue;
                const auto [first, length] = longestMatch(t.matched, a - run.first, b - run.first);
                if (length < FewestPostings)
                    continue;
                if (!best || length > span.second ||
                    (length == span.second && simpler(t.mistake, best->mistake))) {
                    best = &t;
                    span = {first + run.first, length};
                }
            }
            if (!best) {
                for (int k = a; k <= b; ++k)
                    m_result.unexplained << m_base[k];
                continue;
            }
            const int last = span.first + span.second - 1;
            m_result.explanations << explanation(*best, run, span.first, last);
            if (span.first > a)
                open << std::pair{a, span.first - 1};
            if (last < b)
                open << std::pair{last + 1, b};
        }
    }

    Explanation explanation(const Trial& trial, const Run& run, int first, int last) const {
        Explanation e;
        e.mistake = trial.mistake;
        e.tried = trial.mistake;
        // A mistake over days says the days of the span it explains: those the trial found where
        // the span reaches the run's edge, else the span's periods.
        if (e.mistake.kind == Kind::OffsetNotCounted || e.mistake.kind == Kind::CreditsLate) {
            if (first != run.first)
                e.mistake.from = InterestMethod::periodStartAfter(m_in.basis.methodCode(),
                                                                  m_base[first - 1].date);
            if (last != run.last)
                e.mistake.to =
                    InterestMethod::periodEndOf(m_in.basis.methodCode(), m_base[last].date);
        }
        e.from = m_base[first].date;
        e.to = m_base[last].date;
        e.postings = last - first + 1;
        for (int k = first; k <= last; ++k)
            e.amount = Money::add(e.amount, m_base[k].difference).value_or(e.amount);
        return e;
    }

    const Inputs& m_in;
    const QVector<InterestSummary::Posting>& m_base;
    const QVector<Run> m_runs;
    QVector<Trial> m_trials;
    Result m_result;
};

} // namespace

Result diagnose(const Inputs& in, int threads) {
    const std::optional<InterestSummary::Summary> summary = summaryOf(in);
    if (!summary)
        return Result();
    return Search(in, *summary).run(threads);
}

} // namespace Diagnosis
