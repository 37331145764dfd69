#include "HistorySpan.h"

#include "ShortDate.h"

#include <QCoreApplication>

namespace HistorySpan {

bool fits(const QDate& first, const QDate& last) {
    return !first.isValid() || !last.isValid() || last <= first.addYears(MaxYears);
}

QString refusal(const QString& what, const QDate& first, const QDate& last) {
    return QCoreApplication::translate(
               "HistorySpan", "%1 runs from %2 to %3: more than %4 years, longer than any loan. "
                              "Correct the dates that are wrong and try again.")
        .arg(what, ShortDate::format(first), ShortDate::format(last))
        .arg(MaxYears);
}

} // namespace HistorySpan
