#include "ReferenceRendering.h"

#include "GridText.h"
#include "ReportRendering.h"

#include <QCoreApplication>

#include <algorithm>

namespace ReferenceRendering {

namespace {

QString rateCell(Rate rate) {
    return rate.columnText() + QStringLiteral(" %");
}

QString isoDate(const QDate& d) {
    return d.isValid() ? d.toString(Qt::ISODate) : QString();
}

} // namespace

QString changeText(Rate change) {
    return change.raw() > 0 ? QLatin1Char('+') + change.exactText() : change.exactText();
}

QString seriesListText(const QVector<ReferenceSeries>& series) {
    QVector<QStringList> rows = {{QStringLiteral("Series"), QStringLiteral("Name"),
                                  QStringLiteral("Publisher"), QStringLiteral("From"),
                                  QStringLiteral("Known to"), QStringLiteral("Changes")}};
    for (const ReferenceSeries& s : series)
        rows.append({s.key, s.name, s.publisher,
                     s.changes.isEmpty() ? QString() : isoDate(s.changes.first().date),
                     isoDate(s.knownTo()), QString::number(s.changes.size())});
    return alignedTable(rows, [](qsizetype c) { return c == 5; });
}

QString termsDetail(const RateTerms::Period& p) {
    using RateTerms::Kind;
    const GridText grid;
    const QString margin = p.margin.raw() < 0 ? QStringLiteral(" - ") + (-p.margin).exactText()
                                              : QStringLiteral(" + ") + p.margin.exactText();
    switch (p.kind) {
    case Kind::Fixed: {
        const QString rate = p.rate ? rateCell(*p.rate)
                                    : QCoreApplication::translate("ReferenceRendering", "no rate");
        return p.until.isValid() ? QCoreApplication::translate("ReferenceRendering", "%1 until %2")
                                       .arg(rate, grid.date(p.until))
                                 : rate;
    }
    case Kind::Tracker:
        return p.series + margin +
               (p.nextMonth     ? QCoreApplication::translate("ReferenceRendering",
                                                              ", from the first of the next month")
                : p.lagDays > 0 ? QCoreApplication::translate("ReferenceRendering",
                                                              ", %1 days after each change")
                                      .arg(p.lagDays)
                                : QString());
    case Kind::Variable:
        return QCoreApplication::translate("ReferenceRendering", "stored rate periods against %1")
                   .arg(p.series) +
               (p.lagDays > 0
                    ? QCoreApplication::translate("ReferenceRendering", ", %1 days allowed")
                          .arg(p.lagDays)
                    : QString());
    case Kind::Adjustable:
        break;
    }
    QStringList parts;
    parts << p.series + margin +
                 (p.rounding == RateTerms::Rounding::None
                      ? QString()
                      : QCoreApplication::translate("ReferenceRendering", " rounded %1 to %2")
                            .arg(RateTerms::shownRoundingWord(p.rounding), p.roundingStep.exactText()));
    parts << QCoreApplication::translate("ReferenceRendering",
                                         "first %1 until %2, then every %3 months")
                 .arg(p.rate ? rateCell(*p.rate)
                             : QCoreApplication::translate("ReferenceRendering", "no rate"),
                      grid.date(p.firstChange.addDays(-1)))
                 .arg(p.changeMonths);
    if (p.lookBackDays > 0)
        parts << QCoreApplication::translate("ReferenceRendering", "index %1 days before")
                     .arg(p.lookBackDays);
    const auto cap = [](const std::optional<Rate>& r) {
        return r ? r->exactText() : QStringLiteral("-");
    };
    if (p.firstCap || p.eachCap || p.lifeCap)
        parts << QCoreApplication::translate("ReferenceRendering", "caps %1/%2/%3")
                     .arg(cap(p.firstCap), cap(p.eachCap), cap(p.lifeCap));
    if (p.floor)
        parts << QCoreApplication::translate("ReferenceRendering", "floor %1")
                     .arg(rateCell(*p.floor));
    return parts.join(QStringLiteral(", "));
}

QString storedBeside(const RateTerms::OwedPeriod& owed, const QVector<RatePeriod>& stored) {
    std::optional<Rate> low, high;
    for (const RatePeriod& r : stored) {
        if (!r.interestRate || !r.validFrom.isValid() || !r.validTo.isValid() ||
            r.validTo < owed.from || r.validFrom > owed.to)
            continue;
        low = low ? std::min(*low, *r.interestRate) : *r.interestRate;
        high = high ? std::max(*high, *r.interestRate) : *r.interestRate;
    }
    if (!low)
        return QString();
    return *low == *high ? rateCell(*low)
                         : QCoreApplication::translate("ReferenceRendering", "%1 to %2")
                               .arg(rateCell(*low), rateCell(*high));
}

QVector<QPointF> steps(const QVector<RatePeriod>& periods) {
    QVector<RatePeriod> sorted;
    for (const RatePeriod& p : periods) {
        if (p.interestRate && p.validFrom.isValid() && p.validTo.isValid())
            sorted << p;
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const RatePeriod& a, const RatePeriod& b) { return a.validFrom < b.validFrom; });
    QVector<QPointF> points;
    for (const RatePeriod& p : std::as_const(sorted)) {
        const double rate = p.interestRate->percent();
        points << QPointF(double(p.validFrom.startOfDay().toMSecsSinceEpoch()), rate)
               << QPointF(double(p.validTo.addDays(1).startOfDay().toMSecsSinceEpoch()), rate);
    }
    return points;
}

QVector<QPointF> steps(const ReferenceSeries& series, const QDate& from, const QDate& to) {
    QVector<RatePeriod> periods;
    for (int i = 0; i < series.changes.size(); ++i) {
        const QDate start = std::max(series.changes[i].date, from);
        const QDate end = std::min(
            i + 1 < series.changes.size() ? series.changes[i + 1].date.addDays(-1) : to, to);
        if (start <= end)
            periods << RatePeriod{0, start, end, series.changes[i].rate};
    }
    return steps(periods);
}

QByteArray owedCsv(const RateTerms::Owed& owed) {
    QByteArray out = "from,to,rate,source\n";
    for (const RateTerms::OwedPeriod& p : owed.periods)
        out += QStringLiteral("%1,%2,%3,%4\n")
                   .arg(isoDate(p.from), isoDate(p.to), p.rate.exactText(),
                        RateTerms::kindWord(p.source))
                   .toUtf8();
    return out;
}

QString owedText(const RateTerms::Owed& owed) {
    const GridText grid;
    QString out = QStringLiteral("Rate periods owed under the loan's rate terms\n\n");
    QVector<QStringList> rows = {{QStringLiteral("From"), QStringLiteral("To"),
                                  QStringLiteral("Rate"), QStringLiteral("Terms"),
                                  QStringLiteral("How")}};
    for (const RateTerms::OwedPeriod& p : owed.periods)
        rows.append({grid.date(p.from), grid.date(p.to), rateCell(p.rate),
                     RateTerms::kindName(p.source), p.detail});
    out += alignedTable(rows, [](qsizetype c) { return c == 2; });
    for (const QString& notice : owed.notices)
        out += notice + QLatin1Char('\n');
    return out;
}

QStringList passOnHeadings() {
    return {//: The reference rate's change date
            QCoreApplication::translate("ReferenceRendering", "Reference"),
            QCoreApplication::translate("ReferenceRendering", "Change"),
            QCoreApplication::translate("ReferenceRendering", "Rate"),
            //: The lender's answering change date
            QCoreApplication::translate("ReferenceRendering", "Lender"),
            QCoreApplication::translate("ReferenceRendering", "Its change"),
            QCoreApplication::translate("ReferenceRendering", "Its rate"),
            QCoreApplication::translate("ReferenceRendering", "Days late"),
            QCoreApplication::translate("ReferenceRendering", "Not passed on"),
            QCoreApplication::translate("ReferenceRendering", "Cost")};
}

QStringList passOnCells(const PassOn::Row& row) {
    const GridText grid;
    const std::optional<PassOn::Change>& l = row.lender;
    return {grid.date(row.reference.date), changeText(row.reference.size),
            rateCell(row.reference.rate),
            //: The lender never answered the change
            l ? grid.date(l->date) : QCoreApplication::translate("ReferenceRendering", "never"),
            l ? changeText(l->size) : QString(), l ? rateCell(l->rate) : QString(),
            l ? QString::number(row.daysLate) : QString(), changeText(row.notPassedOn),
            grid.amount(row.cost)};
}

QByteArray passOnCsv(const PassOn::Table& table) {
    QByteArray out = "reference_date,reference_change,reference_rate,lender_date,lender_change,"
                     "lender_rate,days_late,not_passed_on,cost\n";
    for (const PassOn::Row& row : table.rows) {
        const std::optional<PassOn::Change>& l = row.lender;
        out += QStringList{isoDate(row.reference.date),
                           row.reference.size.exactText(),
                           row.reference.rate.exactText(),
                           l ? isoDate(l->date) : QString(),
                           l ? l->size.exactText() : QString(),
                           l ? l->rate.exactText() : QString(),
                           l ? QString::number(row.daysLate) : QString(),
                           row.notPassedOn.exactText(),
                           ReportRendering::plainAmount(row.cost)}
                   .join(QLatin1Char(','))
                   .toUtf8() +
               '\n';
    }
    return out;
}

QString passOnTotalLine(const PassOn::Table& table) {
    if (table.costsRefused)
        return QCoreApplication::translate(
            "ReferenceRendering", "The costs of the changes of the reference are not worked out.");
    const Money total = table.total;
    if (total.isZero())
        return QCoreApplication::translate(
            "ReferenceRendering", "The changes of the reference not passed on in full cost nothing "
                                  "in interest over the history.");
    const QString amount = GridText().amount(total.magnitude().value_or(total));
    if (total.raw() > 0)
        return QCoreApplication::translate("ReferenceRendering",
                                           "The changes of the reference not passed on in full "
                                           "cost %1 in interest over the history.")
            .arg(amount);
    return QCoreApplication::translate("ReferenceRendering",
                                       "The changes of the reference not passed on in full saved "
                                       "%1 in interest over the history.")
        .arg(amount);
}

QString answerWindowLine(int lagDays) {
    if (lagDays == 0)
        return QCoreApplication::translate(
                   "ReferenceRendering",
                   "The lender's answer to a change is looked for from the change's "
                   "date to %1 days after it.")
            .arg(PassOn::AnswerDays);
    return QCoreApplication::translate(
               "ReferenceRendering",
               "The lender's answer to a change is looked for from the change's date "
               "to %1 days after its date plus the lag of %2 days.")
        .arg(PassOn::AnswerDays)
        .arg(lagDays);
}

QString passOnText(const PassOn::Table& table, const ReferenceSeries& series, int lagDays) {
    QString out = QCoreApplication::translate("ReferenceRendering", "Changes of %1 (%2) passed on")
                      .arg(series.name, series.key);
    if (lagDays > 0)
        out += QCoreApplication::translate("ReferenceRendering", ", %1 days allowed").arg(lagDays);
    out += QLatin1String("\n\n");
    if (table.rows.isEmpty()) {
        out += QCoreApplication::translate("ReferenceRendering",
                                           "The series did not change within the history.") +
               QLatin1Char('\n');
    } else {
        QVector<QStringList> rows = {passOnHeadings()};
        for (const PassOn::Row& row : table.rows)
            rows << passOnCells(row);
        out += alignedTable(rows);
        out += QCoreApplication::translate(
                   "ReferenceRendering", "Cost: the interest due under the stored rates less "
                                         "that with the change passed on in full from its date.") +
               QLatin1Char('\n');
    }
    out += QLatin1Char('\n') + passOnTotalLine(table) + QLatin1Char('\n');
    for (const QString& notice : table.notices)
        out += notice + QLatin1Char('\n');
    return out;
}

} // namespace ReferenceRendering
