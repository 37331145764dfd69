#include "StatementChecks.h"

namespace StatementChecks {

namespace {

bool inside(const StatementHeader& header, const QDate& date) {
    return date.isValid() && date >= header.start && date <= header.end;
}

Result figuresWrong() {
    return {Result::Outcome::FiguresWrong, -1};
}

} // namespace

Result rows(const StatementHeader& header, const QVector<Row>& rows) {
    std::optional<Money> running = header.openBalance;
    for (int i = 0; i < rows.size(); ++i) {
        if (!inside(header, rows[i].date))
            return {Result::Outcome::DateOutside, i};
        if (running)
            running = RunningBalance::after(*running, rows[i].amounts);
    }
    if (!running || !header.closeBalance || *running != *header.closeBalance)
        return figuresWrong();
    return {};
}

Result done(const StatementHeader& header, const QVector<Row>& rows,
            const std::optional<Money>& lastBalance) {
    const std::optional<Money> last = rows.isEmpty() ? header.openBalance : lastBalance;
    if (!last || !header.closeBalance || *last != *header.closeBalance)
        return figuresWrong();
    // A row without a date sorts first and is outside every statement.
    if (!rows.isEmpty() &&
        (!inside(header, rows.first().date) || !inside(header, rows.last().date)))
        return {Result::Outcome::DateOutside, 0};
    return {};
}

} // namespace StatementChecks
