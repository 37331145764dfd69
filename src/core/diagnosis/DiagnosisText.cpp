#include "DiagnosisText.h"

#include "engine/InterestEngine.h"
#include "render/GridText.h"
#include "render/RepaymentRendering.h"
#include "render/ReportRendering.h"
#include "render/WorkingRendering.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>

using Diagnosis::Kind;

namespace DiagnosisText {

namespace {

// "the change of <series> of <date>": the reference's change the lender answered.
QString changeOf(const Diagnosis::Mistake& m, const GridText& grid) {
    return QCoreApplication::translate("DiagnosisText", "the change of %1 of %2")
        .arg(m.seriesName, grid.date(m.change));
}

// "a loan whose ...": what the lender did, inside the explanation's sentence.
QString loanWhose(const Diagnosis::Mistake& m, const GridText& grid) {
    switch (m.kind) {
    case Kind::OffsetNotCounted:
        return QCoreApplication::translate("DiagnosisText", "a loan whose offset was not counted");
    case Kind::RateChangeMoved:
        return (m.days > 0
                    ? QCoreApplication::translate(
                          "DiagnosisText", "a loan whose rate change of %1 applied %2 days later")
                    : QCoreApplication::translate(
                          "DiagnosisText",
                          "a loan whose rate change of %1 applied %2 days earlier"))
            .arg(grid.date(m.change))
            .arg(std::abs(m.days));
    case Kind::RateKept:
        return QCoreApplication::translate(
                   "DiagnosisText", "a loan whose rate before the change of %1 was kept until %2")
            .arg(grid.date(m.change), grid.date(m.to));
    case Kind::ReferenceNotPassedOn: {
        const QString change = changeOf(m, grid);
        if (m.leftOut)
            return QCoreApplication::translate("DiagnosisText",
                                               "a loan whose lender never passed on %1")
                .arg(change);
        if (m.days > 0)
            return QCoreApplication::translate("DiagnosisText",
                                               "a loan whose lender passed on %1 %2 days late")
                .arg(change)
                .arg(m.days);
        return QCoreApplication::translate("DiagnosisText",
                                           "a loan whose lender passed on %1 %2 points short")
            .arg(change, m.shortBy.exactText());
    }
    case Kind::CreditsLate:
        return QCoreApplication::translate("DiagnosisText",
                                           "a loan whose repayments were credited %1 days late")
            .arg(m.days);
    case Kind::DayCount:
        return QCoreApplication::translate("DiagnosisText",
                                           "a loan whose interest was worked out under %1, %2")
            .arg(Conventions::name(m.conventions.dayCount),
                 Conventions::name(m.conventions.rounding).toLower());
    case Kind::Rounding:
        return QCoreApplication::translate("DiagnosisText", "a loan whose interest was rounded %1")
            .arg(Conventions::name(m.conventions.rounding).toLower());
    case Kind::Rest:
        if (m.conventions.rest == Rest::annual())
            return QCoreApplication::translate(
                "DiagnosisText", "a loan whose interest was worked out on annual rest");
        return QCoreApplication::translate("DiagnosisText",
                                           "a loan whose interest was worked out on a rest of %1")
            .arg(Conventions::name(m.conventions.rest).toLower());
    case Kind::RepaymentNotRecalculated:
    case Kind::InterestOnlyKept:
        break; // not a way of working the interest: said by the repayment check
    }
    return QString();
}

// The same for a table's cell, standing alone: "Offset was not counted".
QString cellOf(const Diagnosis::Mistake& m, const GridText& grid) {
    switch (m.kind) {
    case Kind::OffsetNotCounted:
        return QCoreApplication::translate("DiagnosisText", "Offset was not counted");
    case Kind::RateChangeMoved:
        return (m.days > 0 ? QCoreApplication::translate("DiagnosisText",
                                                         "Rate change of %1 applied %2 days later")
                           : QCoreApplication::translate(
                                 "DiagnosisText", "Rate change of %1 applied %2 days earlier"))
            .arg(grid.date(m.change))
            .arg(std::abs(m.days));
    case Kind::RateKept:
        return QCoreApplication::translate("DiagnosisText",
                                           "Rate before the change of %1 was kept until %2")
            .arg(grid.date(m.change), grid.date(m.to));
    case Kind::ReferenceNotPassedOn: {
        const QString change = changeOf(m, grid);
        if (m.leftOut)
            return QCoreApplication::translate("DiagnosisText", "Lender never passed on %1")
                .arg(change);
        if (m.days > 0)
            return QCoreApplication::translate("DiagnosisText", "Lender passed on %1 %2 days late")
                .arg(change)
                .arg(m.days);
        return QCoreApplication::translate("DiagnosisText", "Lender passed on %1 %2 points short")
            .arg(change, m.shortBy.exactText());
    }
    case Kind::CreditsLate:
        return QCoreApplication::translate("DiagnosisText", "Repayments were credited %1 days late")
            .arg(m.days);
    case Kind::DayCount:
        return QCoreApplication::translate("DiagnosisText", "Interest was worked out under %1, %2")
            .arg(Conventions::name(m.conventions.dayCount),
                 Conventions::name(m.conventions.rounding).toLower());
    case Kind::Rounding:
        return QCoreApplication::translate("DiagnosisText", "Interest was rounded %1")
            .arg(Conventions::name(m.conventions.rounding).toLower());
    case Kind::Rest:
        if (m.conventions.rest == Rest::annual())
            return QCoreApplication::translate("DiagnosisText",
                                               "Interest was worked out on annual rest");
        return QCoreApplication::translate("DiagnosisText",
                                           "Interest was worked out on a rest of %1")
            .arg(Conventions::name(m.conventions.rest).toLower());
    case Kind::RepaymentNotRecalculated:
    case Kind::InterestOnlyKept:
        break;
    }
    return QString();
}

} // namespace

QString sentence(const Diagnosis::Explanation& e) {
    const GridText grid;
    const Money amount = e.amount.magnitude().value_or(e.amount);
    if (e.amount.raw() < 0)
        return QCoreApplication::translate("DiagnosisText",
                                           "From %1 to %2 (%3 postings) the charges equal exactly "
                                           "those of %4: %5 less than due.")
            .arg(grid.date(e.from), grid.date(e.to))
            .arg(e.postings)
            .arg(loanWhose(e.mistake, grid), grid.amount(amount));
    return QCoreApplication::translate("DiagnosisText",
                                       "From %1 to %2 (%3 postings) the charges equal exactly "
                                       "those of %4: %5 more than due.")
        .arg(grid.date(e.from), grid.date(e.to))
        .arg(e.postings)
        .arg(loanWhose(e.mistake, grid), grid.amount(amount));
}

QString mistakeText(const Diagnosis::Mistake& m) {
    return cellOf(m, GridText());
}

QString unexplained(const QDate& date) {
    return QCoreApplication::translate("DiagnosisText",
                                       "No known mistake explains the difference of %1.")
        .arg(GridText().date(date));
}

QStringList lines(const Diagnosis::Result& r) {
    QStringList out;
    for (const Diagnosis::Explanation& e : r.explanations)
        out << sentence(e);
    for (const InterestSummary::Posting& p : r.largest) {
        const bool left =
            std::any_of(r.unexplained.cbegin(), r.unexplained.cend(),
                        [&](const InterestSummary::Posting& u) { return u.date == p.date; });
        if (left)
            out << unexplained(p.date);
    }
    for (const RepaymentCheck::Finding& f : r.repayments)
        out << RepaymentRendering::sentence(f);
    return out;
}

QString text(const Diagnosis::Result& r) {
    QString out = QCoreApplication::translate("DiagnosisText", "What explains the differences") +
                  QLatin1Char('\n');
    if (r.differing == 0) {
        out += QCoreApplication::translate("DiagnosisText",
                                           "Every charge agrees with the interest due.") +
               QLatin1Char('\n');
        for (const RepaymentCheck::Finding& f : r.repayments)
            out += RepaymentRendering::sentence(f) + QLatin1Char('\n');
        return out;
    }
    for (const QString& line : lines(r))
        out += line + QLatin1Char('\n');
    if (r.explanations.isEmpty() && r.largest.isEmpty())
        out += QCoreApplication::translate("DiagnosisText",
                                           "No known mistake explains the differences.") +
               QLatin1Char('\n');
    if (r.partial)
        out += QCoreApplication::translate("DiagnosisText",
                                           "So many differences were found that only those "
                                           "around the largest were searched, and not every way.") +
               QLatin1Char('\n');
    return out;
}

namespace {

// The day's interest as the working keeps it: rounded under a daily rounding, else unrounded.
QString dayInterest(const InterestWorking::WorkingDay& day) {
    return day.interest ? day.interest->formatGrouped(4) : QString::number(day.unrounded, 'f', 6);
}

Money toCents(const Money& m) {
    return m.roundedToCents().value_or(m);
}

// One posting of the span: its days as due and as the lender worked them under the mistake, and
// the lender's own charge on its date.
struct SpanPosting {
    const InterestWorking::PostingWorking* due = nullptr;
    const InterestWorking::PostingWorking* lender = nullptr;
    std::optional<Money> charged;
};

// The charge (or charges) under the explanation beside the lender's: "The charge under the
// explanation equals the lender's charge.", "The charges under the explanation are 2.99 less
// than the lender's charges."
QString against(const Money& explained, const std::optional<Money>& charged, bool plural) {
    if (!charged)
        return (plural ? QCoreApplication::translate("DiagnosisText",
                                                     "The charges under the explanation are %1: "
                                                     "the lender charged nothing on some of these "
                                                     "dates.")
                       : QCoreApplication::translate("DiagnosisText",
                                                     "The charge under the explanation is %1: the "
                                                     "lender charged nothing on this date."))
            .arg(GridText().amount(explained));
    if (explained == *charged)
        return plural ? QCoreApplication::translate(
                            "DiagnosisText",
                            "The charges under the explanation equal the lender's charges.")
                      : QCoreApplication::translate(
                            "DiagnosisText",
                            "The charge under the explanation equals the lender's charge.");
    const Money gap = Money::subtract(explained, *charged).value_or(Money());
    const QString amount = GridText().amount(gap.magnitude().value_or(gap));
    if (gap.raw() < 0)
        return (plural ? QCoreApplication::translate("DiagnosisText",
                                                     "The charges under the explanation are %1 "
                                                     "less than the lender's charges.")
                       : QCoreApplication::translate("DiagnosisText",
                                                     "The charge under the explanation is %1 less "
                                                     "than the lender's charge."))
            .arg(amount);
    return (plural ? QCoreApplication::translate("DiagnosisText",
                                                 "The charges under the explanation are %1 more "
                                                 "than the lender's charges.")
                   : QCoreApplication::translate("DiagnosisText",
                                                 "The charge under the explanation is %1 more "
                                                 "than the lender's charge."))
        .arg(amount);
}

// The span's totals and whether the charges under the explanation are the lender's.
QStringList spanLines(const QVector<SpanPosting>& span) {
    Money due, explained, charged;
    bool everyCharge = true;
    for (const SpanPosting& p : span) {
        Money::addTo(due, toCents(p.due->interestDue));
        Money::addTo(explained, toCents(p.lender->interestDue));
        if (p.charged)
            Money::addTo(charged, *p.charged);
        everyCharge = everyCharge && p.charged.has_value();
    }
    const GridText grid;
    const QString totals =
        span.size() == 1
            ? QCoreApplication::translate("DiagnosisText",
                                          "Over the span's posting: interest due %1, charges under "
                                          "the explanation %2, the lender's charges %3.")
                  .arg(grid.amount(due), grid.amount(explained), grid.amount(charged))
            : QCoreApplication::translate("DiagnosisText",
                                          "Over the span's %1 postings: interest due %2, charges "
                                          "under the explanation %3, the lender's charges %4.")
                  .arg(span.size())
                  .arg(grid.amount(due), grid.amount(explained), grid.amount(charged));
    return {totals, against(explained, everyCharge ? std::optional(charged) : std::nullopt, true)};
}

WorkingRendering::Table tableOf(const Diagnosis::Explanation& e, const SpanPosting& p, int index,
                                const QVector<SpanPosting>& span) {
    const GridText grid;
    WorkingRendering::Table t;
    t.title = QCoreApplication::translate("DiagnosisText",
                                          "Working of the explanation on %1 (posting %2 of %3)")
                  .arg(grid.date(p.due->date))
                  .arg(index + 1)
                  .arg(span.size());
    t.about << sentence(e) << spanLines(span);
    t.headings = QStringList{QCoreApplication::translate("DiagnosisText", "Date"),
                             QCoreApplication::translate("DiagnosisText", "Bearing, due"),
                             QCoreApplication::translate("DiagnosisText", "Rate, due"),
                             QCoreApplication::translate("DiagnosisText", "Interest, due"),
                             QCoreApplication::translate("DiagnosisText", "Bearing, lender"),
                             QCoreApplication::translate("DiagnosisText", "Rate, lender"),
                             QCoreApplication::translate("DiagnosisText", "Interest, lender")};
    QMap<QDate, std::pair<const InterestWorking::WorkingDay*, const InterestWorking::WorkingDay*>>
        days;
    for (const InterestWorking::WorkingDay& day : p.due->days)
        days[day.date].first = &day;
    for (const InterestWorking::WorkingDay& day : p.lender->days)
        days[day.date].second = &day;
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        QStringList row = {grid.date(it.key())};
        for (const InterestWorking::WorkingDay* day : {it->first, it->second}) {
            if (day)
                row << grid.amount(day->accruing) << day->rate.columnText() << dayInterest(*day);
            else
                row << QString() << QString() << QString();
        }
        t.rows << row;
        t.reset << ((it->first && it->first->afterReset) || (it->second && it->second->afterReset));
    }
    const Money explained = toCents(p.lender->interestDue);
    t.foot = {{QCoreApplication::translate("DiagnosisText", "Interest due (Int Due):"),
               grid.amount(p.due->interestDue)},
              {QCoreApplication::translate("DiagnosisText", "Charge under the explanation:"),
               grid.amount(explained)},
              {QCoreApplication::translate("DiagnosisText", "Lender's charge (Int Charge):"),
               p.charged ? grid.amount(*p.charged)
                         : QCoreApplication::translate("DiagnosisText", "none on this date")}};
    t.notes << against(explained, p.charged, false);
    if (t.reset.contains(true))
        t.notes << QCoreApplication::translate("WorkingRendering", WorkingRendering::ResetNote);
    return t;
}

} // namespace

QVector<WorkingRendering::Table> workingTables(const Diagnosis::Inputs& in,
                                               const Diagnosis::Explanation& e) {
    const auto worked = [](const Diagnosis::Inputs& i) {
        return InterestEngine::calculateWithWorking(i.history, i.rates, i.basis, i.offset);
    };
    const InterestEngine::Worked due = worked(in);
    const InterestEngine::Worked lender = worked(Diagnosis::withMistake(in, e.tried));
    QVector<SpanPosting> span;
    for (const InterestWorking::PostingWorking& p : due.working.postings) {
        const int other = lender.working.postingOn(p.date);
        if (p.date < e.from || p.date > e.to || other < 0)
            continue;
        span << SpanPosting{&p, &lender.working.postings[other],
                            InterestWorking::chargeOn(due.result.lines, p.date)};
    }
    QVector<WorkingRendering::Table> tables;
    for (int i = 0; i < span.size(); ++i)
        tables << tableOf(e, span[i], i, span);
    return tables;
}

QString workingText(const Diagnosis::Inputs& in, const Diagnosis::Explanation& e) {
    QString out;
    for (const WorkingRendering::Table& t : workingTables(in, e))
        out += (out.isEmpty() ? QString() : QStringLiteral("\n")) + WorkingRendering::text(t);
    return out;
}

QByteArray csv(const Diagnosis::Result& r) {
    QByteArray out = "explanation,from,to,postings,parameter,amount\n";
    for (const Diagnosis::Explanation& e : r.explanations)
        out += QStringLiteral("%1,%2,%3,%4,%5,%6\n")
                   .arg(Diagnosis::word(e.mistake.kind), e.from.toString(Qt::ISODate),
                        e.to.toString(Qt::ISODate))
                   .arg(e.postings)
                   .arg(Diagnosis::parameter(e.mistake), ReportRendering::plainAmount(e.amount))
                   .toUtf8();
    // A repayment's row: from the change to the last repayment short, the repayments short, the
    // change's date and the shortfall a repayment.
    for (const RepaymentCheck::Finding& f : r.repayments)
        out += QStringLiteral("%1,%2,%3,%4,%2,%5\n")
                   .arg(RepaymentRendering::word(f.kind), f.event.date.toString(Qt::ISODate),
                        f.to.toString(Qt::ISODate))
                   .arg(f.repayments)
                   .arg(ReportRendering::plainAmount(f.shortfall))
                   .toUtf8();
    return out;
}

} // namespace DiagnosisText
