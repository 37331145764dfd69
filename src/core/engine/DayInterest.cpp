#include "DayInterest.h"

#include <numeric>

namespace DayInterest {

namespace {

using Wide = __int128;

// The rate in billionths of a per cent, as the rates entered are held (Rate::Scale).
std::optional<qint64> billionths(double percent) {
    if (!std::isfinite(percent) || std::abs(percent) > 1e9)
        return std::nullopt;
    return qint64(std::llround(percent * 1e9));
}

// n / d to the nearest whole number, half away from zero; d > 0 and far below 2^126. The
// quotient is first guessed in long double and then put right in integers: a 128-bit division
// costs more than the rest of a posting of the search.
std::optional<Wide> roundedQuotient(Wide n, Wide d) {
    const long double guess = std::abs(static_cast<long double>(n)) / static_cast<long double>(d);
    // Far past any amount of money: not worked out.
    if (!(guess < 0x1p62L))
        return std::nullopt;
    const Wide magnitude = n < 0 ? -n : n;
    Wide q = Wide(guess);
    Wide r = magnitude - q * d;
    while (r < 0) {
        --q;
        r += d;
    }
    while (r >= d) {
        ++q;
        r -= d;
    }
    if (r * 2 >= d)
        ++q;
    return n < 0 ? -q : q;
}

std::optional<Money> centsToMoney(Wide cents) {
    constexpr Wide Limit = std::numeric_limits<qint64>::max() / 100;
    if (cents > Limit || cents < -Limit)
        return std::nullopt;
    return Money::fromRaw(qint64(cents) * 100);
}

} // namespace

bool ExactPeriod::add(Money accruing, double percent, int divisor, int weight, int count) {
    const std::optional<qint64> rate = billionths(percent);
    Wide days = 0;
    if (!rate || __builtin_mul_overflow(Wide(weight), Wide(count), &days))
        return false;
    m_days += count;
    Part* part = nullptr;
    for (auto it = m_parts.rbegin(); it != m_parts.rend(); ++it) {
        if (it->rate == *rate && it->divisor == divisor) {
            part = &*it;
            break;
        }
    }
    if (!part)
        part = &m_parts.emplace_back(Part{*rate, divisor, 0});
    Wide amount = 0;
    return !__builtin_mul_overflow(Wide(accruing.raw()), days, &amount) &&
           !__builtin_add_overflow(part->sum, amount, &part->sum);
}

std::optional<Money> ExactPeriod::post(const LenderConventions& c) {
    // The parts' room is kept for the next period: this runs at every posting of every way the
    // search tries.
    struct Clear {
        ExactPeriod& period;
        ~Clear() {
            period.m_parts.clear();
            period.m_days = 0;
        }
    } clear{*this};
    std::vector<Part>& parts = m_parts;
    const qint64 days = m_days;
    if (parts.empty())
        return Money();
    // Equal periods: the period is 1/n of a year, shared among its days.
    for (Part& p : parts) {
        if (p.divisor == 0)
            p.divisor = int(std::min<qint64>(qint64(c.perYear) * days, 1 << 30));
        if (p.divisor <= 0)
            return Money();
    }
    if (c.compounding != Compounding::None) {
        // The balance in ten-thousandths x days x the day's rate / 100 / divisor, in units.
        long double total = 0;
        for (const Part& p : parts) {
            if (p.rate != m_factorRate || c.perYear != m_factorPerYear) {
                m_factorRate = p.rate;
                m_factorPerYear = c.perYear;
                m_factor = std::pow(1 + double(p.rate) / 1e9 / 200, 2.0 / c.perYear) - 1;
            }
            const double factor = m_factor;
            const long double perPeriod = static_cast<long double>(c.perYear) * factor;
            total -= static_cast<long double>(p.sum) * perPeriod / p.divisor / 10000;
        }
        return postingTotal(total);
    }
    // In cents, sum x rate / (divisor x 10^13), over a common denominator.
    qint64 common = 1;
    for (const Part& p : parts) {
        common = std::lcm(common, qint64(p.divisor));
        if (common > (qint64(1) << 40))
            return std::nullopt;
    }
    Wide numerator = 0;
    for (const Part& p : parts) {
        Wide term = 0;
        if (__builtin_mul_overflow(p.sum, Wide(p.rate), &term) ||
            __builtin_mul_overflow(term, Wide(common / p.divisor), &term) ||
            __builtin_sub_overflow(numerator, term, &numerator))
            return std::nullopt;
    }
    const std::optional<Wide> cents =
        roundedQuotient(numerator, Wide(common) * Wide(10'000'000'000'000LL));
    return cents ? centsToMoney(*cents) : std::nullopt;
}

} // namespace DayInterest
