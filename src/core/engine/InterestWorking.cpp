#include "InterestWorking.h"

#include "DayInterest.h"

#include <algorithm>
#include <cmath>

namespace InterestWorking {

namespace {

// The bisection stops when the rates it holds apart are this close (per cent a year).
constexpr double RateTolerance = 1e-9;
constexpr int MaxSteps = 80;

// The period's interest due in cents, as the report shows it, under the rate family at `r`.
qint64 centsAt(std::span<const WorkingDay> days, const LenderConventions& conventions,
               const RateFamily& family, double r) {
    const Money due =
        periodInterest(days, conventions, [&](const WorkingDay& day) { return family(day, r); });
    return due.roundedToCents().value_or(due).raw();
}

} // namespace

int PostingWorking::dayCount() const {
    int n = 0;
    for (const WorkingDay& d : days)
        n += d.weight;
    return n;
}

int Working::postingOn(const QDate& date) const {
    for (int i = 0; i < postings.size(); ++i) {
        if (postings[i].date == date)
            return i;
    }
    return -1;
}

WorkingRecorder::WorkingRecorder(const CalculationBasis& basis) {
    m_working.basis = basis;
}

void WorkingRecorder::posted(const ReportLine& line, int lineIndex) {
    // Equal periods: the period's divisor is known now, n x its days.
    const LenderConventions& c = m_working.basis.conventions;
    if (c.dayCount == DayCount::EqualPeriods) {
        const int divisor = c.perYear * int(m_pending.size());
        for (WorkingDay& d : m_pending) {
            d.divisor = divisor;
            d.unrounded = -DayInterest::unrounded(
                d.accruing, DayInterest::dayRate(c, d.rate.percent()), divisor, d.weight);
        }
    }
    PostingWorking p;
    p.line = lineIndex;
    p.date = line.date;
    p.interestDue = line.interestDue.value_or(Money());
    p.incomplete = line.incomplete;
    p.days = std::move(m_pending);
    m_pending = QVector<WorkingDay>();
    m_working.postings.append(std::move(p));
}

void WorkingRecorder::finished(const QVector<ReportLine>& lines) {
    for (PostingWorking& p : m_working.postings) {
        if (p.line >= 0 && p.line < lines.size())
            p.incomplete = lines[p.line].incomplete;
    }
    m_working.unposted = std::move(m_pending);
    m_pending = QVector<WorkingDay>();
}

Working WorkingRecorder::take() {
    Working w = std::move(m_working);
    m_working = Working();
    m_working.basis = w.basis;
    return w;
}

namespace {

// Adds the line's Int Charge, to the cent, to the charges of its date in `charges`.
void addCharge(QMap<QDate, std::optional<Money>>& charges, const ReportLine& line) {
    if (line.kind != ReportLine::Kind::Transaction)
        return;
    const std::optional<Money>& charge = line.amounts[AmountColumn::InterestPayment];
    const std::optional<Money> cents = charge ? charge->roundedToCents() : std::nullopt;
    if (!cents || cents->isZero())
        return;
    const auto it = charges.find(line.date);
    if (it == charges.end())
        charges.insert(line.date, cents);
    else if (*it) // a sum out of the money range stays none
        *it = Money::add(**it, *cents);
}

} // namespace

std::optional<Money> chargeOn(const QVector<ReportLine>& lines, const QDate& date) {
    QMap<QDate, std::optional<Money>> charges;
    for (const ReportLine& line : lines) {
        if (line.date == date)
            addCharge(charges, line);
    }
    return charges.value(date);
}

Money periodInterest(std::span<const WorkingDay> days, const LenderConventions& conventions,
                     const RateOfDay& rate) {
    DayInterest::Accrual accrual(conventions);
    for (const WorkingDay& day : days) {
        if (day.weight == 0)
            continue; // as the walk: a day that bears no interest is not worked out
        accrual.addDays(day.accruing, rate(day), day.divisor, day.weight);
    }
    return accrual.post();
}

std::optional<EffectiveRate> effectiveRate(std::span<const WorkingDay> days,
                                           const LenderConventions& conventions, Money charge) {
    return effectiveRate(days, conventions, charge, [](const WorkingDay&, double r) { return r; });
}

std::optional<EffectiveRate> effectiveRate(std::span<const WorkingDay> days,
                                           const LenderConventions& conventions, Money charge,
                                           const RateFamily& family) {
    const bool accrues = std::any_of(days.begin(), days.end(), [](const WorkingDay& d) {
        return d.weight != 0 && !d.accruing.isZero();
    });
    const std::optional<Money> target = charge.roundedToCents();
    if (!accrues || !target)
        return std::nullopt;

    // Searched as a growing function: in credit the interest falls as the rate grows, and both
    // sides are turned round.
    qint64 goal = target->raw();
    const qint64 atLowest = centsAt(days, conventions, family, LowestRate);
    const qint64 atHighest = centsAt(days, conventions, family, HighestRate);
    const bool falling = atLowest > atHighest;
    const auto value = [&](double r) {
        const qint64 cents = centsAt(days, conventions, family, r);
        return falling ? -cents : cents;
    };
    if (falling)
        goal = -goal;
    const qint64 low = falling ? -atLowest : atLowest;
    const qint64 high = falling ? -atHighest : atHighest;
    if (goal < low || goal > high)
        return std::nullopt;

    // The lowest rate that comes to the charge or past it ...
    double from = LowestRate;
    if (low < goal) {
        double below = LowestRate, above = HighestRate;
        for (int step = 0; step < MaxSteps && above - below > RateTolerance; ++step) {
            const double middle = below + (above - below) / 2;
            (value(middle) >= goal ? above : below) = middle;
        }
        from = above;
    }
    // ... and the highest that stays at it or short of it.
    double to = HighestRate;
    if (high > goal) {
        double below = LowestRate, above = HighestRate;
        for (int step = 0; step < MaxSteps && above - below > RateTolerance; ++step) {
            const double middle = below + (above - below) / 2;
            (value(middle) <= goal ? below : above) = middle;
        }
        to = below;
    }

    EffectiveRate e;
    if (from <= to && value(from + (to - from) / 2) == goal) {
        e.exact = true;
        e.low = from;
        e.high = to;
        e.rate = Rate::nearestThousandth(from + (to - from) / 2).value_or(Rate());
    } else {
        // No rate gives the charge: the period's interest jumps past it between `to` and `from`.
        e.low = std::min(from, to);
        e.high = std::max(from, to);
        e.rate = Rate::nearestThousandth(from).value_or(Rate());
    }
    return e;
}

namespace {

PostingRates ratesWith(const Working& working, int posting, std::optional<Money> charge) {
    PostingRates r;
    if (posting < 0 || posting >= working.postings.size())
        return r;
    const PostingWorking& p = working.postings[posting];
    const QVector<Rate> entered = enteredRates(p.days);
    if (!entered.isEmpty()) {
        r.enteredMin = *std::min_element(entered.cbegin(), entered.cend());
        r.enteredMax = *std::max_element(entered.cbegin(), entered.cend());
    }
    r.charge = charge;
    if (!r.charge || !p.comparable())
        return r;
    r.effective = effectiveRate(p.days, working.basis.conventions, *r.charge);
    if (!r.effective)
        return r;
    // A charge equal to the interest due is right whatever rate it works out to; a rate between
    // the rates entered is what a change inside the period gives. Otherwise compared as shown, to
    // three decimals.
    const qint64 margin = DifferingRate.thousandths();
    const qint64 effective = r.effective->rate.thousandths();
    r.differs = *r.charge != p.interestDue && (effective <= r.enteredMin->thousandths() - margin ||
                                               effective >= r.enteredMax->thousandths() + margin);
    return r;
}

} // namespace

PostingRates ratesOf(const Working& working, int posting, const QVector<ReportLine>& lines) {
    if (posting < 0 || posting >= working.postings.size())
        return {};
    return ratesWith(working, posting, chargeOn(lines, working.postings[posting].date));
}

QMap<QDate, PostingRates> postingRates(const Working& working, const QVector<ReportLine>& lines) {
    // Each date's charge in one pass over the lines.
    QMap<QDate, std::optional<Money>> charges;
    for (const ReportLine& line : lines)
        addCharge(charges, line);
    QMap<QDate, PostingRates> rates;
    for (int i = 0; i < working.postings.size(); ++i)
        rates.insert(working.postings[i].date,
                     ratesWith(working, i, charges.value(working.postings[i].date)));
    return rates;
}

QVector<Rate> enteredRates(std::span<const WorkingDay> days) {
    QVector<Rate> rates;
    for (const WorkingDay& day : days) {
        if (!rates.contains(day.rate))
            rates.append(day.rate);
    }
    return rates;
}

} // namespace InterestWorking
