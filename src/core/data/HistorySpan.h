#pragma once

#include <QDate>
#include <QString>

// The first and last of the dates it is given; invalid dates are passed over, and neither is
// valid until a valid one is given.
struct DateSpan {
    QDate first;
    QDate last;

    void include(const QDate& date) {
        if (!date.isValid())
            return;
        if (!first.isValid() || date < first)
            first = date;
        if (!last.isValid() || date > last)
            last = date;
    }
};

// No loan runs longer than a century. A history beyond it is refused where it is read, so that
// no file (a row dated in year 1 beside one in 9999) sets a calculation or a search walking
// millions of days while a window waits.
namespace HistorySpan {

inline constexpr int MaxYears = 100;

// True when `last` is no more than MaxYears after `first` (or either is not valid).
bool fits(const QDate& first, const QDate& last);

// Why the days from `first` to `last` are refused; `what` names them ("The account's history").
QString refusal(const QString& what, const QDate& first, const QDate& last);

} // namespace HistorySpan
