#include "DiagnosisText.h"

#include "render/GridText.h"
#include "render/ReportRendering.h"

#include <QMap>

#include <algorithm>

using Diagnosis::Kind;

namespace DiagnosisText {

namespace {

// "a loan whose ...": what the lender did.
QString loanWhose(const Diagnosis::Mistake& m, const GridText& grid) {
    switch (m.kind) {
    case Kind::OffsetNotCounted:
        return QStringLiteral("a loan whose offset was not counted");
    case Kind::RateChangeMoved:
        return QStringLiteral("a loan whose rate change of %1 applied %2 days %3")
            .arg(grid.date(m.change))
            .arg(std::abs(m.days))
            .arg(m.days > 0 ? QStringLiteral("later") : QStringLiteral("earlier"));
    case Kind::RateKept:
        return QStringLiteral("a loan whose rate before the change of %1 was kept until %2")
            .arg(grid.date(m.change), grid.date(m.to));
    case Kind::ReferenceNotPassedOn: {
        const QString change =
            QStringLiteral("the change of %1 of %2").arg(m.seriesName, grid.date(m.change));
        if (m.leftOut)
            return QStringLiteral("a loan whose lender never passed on %1").arg(change);
        if (m.days > 0)
            return QStringLiteral("a loan whose lender passed on %1 %2 days late")
                .arg(change)
                .arg(m.days);
        return QStringLiteral("a loan whose lender passed on %1 %2 points short")
            .arg(change, m.shortBy.exactText());
    }
    case Kind::CreditsLate:
        return QStringLiteral("a loan whose repayments were credited %1 days late").arg(m.days);
    case Kind::DayCount:
        return QStringLiteral("a loan whose interest was worked out under %1, %2")
            .arg(Conventions::name(m.conventions.dayCount),
                 Conventions::name(m.conventions.rounding).toLower());
    case Kind::Rounding:
        return QStringLiteral("a loan whose interest was rounded %1")
            .arg(Conventions::name(m.conventions.rounding).toLower());
    }
    return QString();
}

} // namespace

QString sentence(const Diagnosis::Explanation& e) {
    const GridText grid;
    const Money amount = e.amount.magnitude().value_or(e.amount);
    return QStringLiteral("From %1 to %2 (%3 postings) the charges equal exactly those of %4: "
                          "%5 %6 than due.")
        .arg(grid.date(e.from), grid.date(e.to))
        .arg(e.postings)
        .arg(loanWhose(e.mistake, grid), grid.amount(amount),
             e.amount.raw() < 0 ? QStringLiteral("less") : QStringLiteral("more"));
}

QString mistakeText(const Diagnosis::Mistake& m) {
    static const QString prefix = QStringLiteral("a loan whose ");
    const QString whose = loanWhose(m, GridText());
    QString what = whose.startsWith(prefix) ? whose.mid(prefix.size()) : whose;
    if (!what.isEmpty())
        what[0] = what[0].toUpper();
    return what;
}

QString unexplained(const QDate& date) {
    return QStringLiteral("No known mistake explains the difference of %1.")
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
    return out;
}

QString text(const Diagnosis::Result& r) {
    QString out = QStringLiteral("What explains the differences\n");
    if (r.differing == 0)
        return out + QStringLiteral("Every charge agrees with the interest due.\n");
    for (const QString& line : lines(r))
        out += line + QLatin1Char('\n');
    if (r.explanations.isEmpty() && r.largest.isEmpty())
        out += QStringLiteral("No known mistake explains the differences.\n");
    if (r.partial)
        out += QStringLiteral("So many differences were found that only those around the largest "
                              "were searched, and not every way.\n");
    return out;
}

namespace {

const InterestWorking::PostingWorking* postingOn(const InterestWorking::Working& w,
                                                 const QDate& date) {
    const int i = w.postingOn(date);
    return i < 0 ? nullptr : &w.postings[i];
}

InterestWorking::Working workingOf(const Diagnosis::Inputs& in) {
    return InterestEngine::calculateWithWorking(in.history, in.rates, in.method, in.fixedDay,
                                                in.conventions, in.offset)
        .working;
}

// The day's interest as the working keeps it: rounded under a daily rounding, else unrounded.
QString dayInterest(const InterestWorking::WorkingDay& day) {
    return day.interest ? day.interest->formatGrouped(4) : QString::number(day.unrounded, 'f', 6);
}

} // namespace

QVector<QStringList> besideRows(const Diagnosis::Inputs& in, const Diagnosis::Explanation& e,
                                const QDate& posting) {
    const InterestWorking::Working due = workingOf(in);
    const InterestWorking::Working lender = workingOf(Diagnosis::withMistake(in, e.mistake));
    const InterestWorking::PostingWorking* a = postingOn(due, posting);
    const InterestWorking::PostingWorking* b = postingOn(lender, posting);
    if (!a || !b)
        return {};
    const GridText grid;
    QVector<QStringList> rows = {{QStringLiteral("Date"), QStringLiteral("Bearing, due"),
                                  QStringLiteral("Rate, due"), QStringLiteral("Interest, due"),
                                  QStringLiteral("Bearing, lender"), QStringLiteral("Rate, lender"),
                                  QStringLiteral("Interest, lender")}};
    QMap<QDate, const InterestWorking::WorkingDay*> lenderDays;
    for (const InterestWorking::WorkingDay& day : b->days)
        lenderDays.insert(day.date, &day);
    QMap<QDate, const InterestWorking::WorkingDay*> dueDays;
    for (const InterestWorking::WorkingDay& day : a->days)
        dueDays.insert(day.date, &day);
    QList<QDate> dates = dueDays.keys() + lenderDays.keys();
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    for (const QDate& date : std::as_const(dates)) {
        QStringList row = {grid.date(date)};
        for (const InterestWorking::WorkingDay* day :
             {dueDays.value(date), lenderDays.value(date)}) {
            if (day)
                row << grid.amount(day->accruing) << day->rate.columnText() << dayInterest(*day);
            else
                row << QString() << QString() << QString();
        }
        rows << row;
    }
    rows << QStringList{QStringLiteral("Total"),     QString(), QString(),
                        grid.amount(a->interestDue), QString(), QString(),
                        grid.amount(b->interestDue)};
    return rows;
}

QString besideText(const Diagnosis::Inputs& in, const Diagnosis::Explanation& e,
                   const QDate& posting) {
    const QVector<QStringList> rows = besideRows(in, e, posting);
    if (rows.isEmpty())
        return QString();
    return sentence(e) +
           QStringLiteral("\n\nThe posting of %1, day by day:\n\n").arg(GridText().date(posting)) +
           alignedTable(rows);
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
    return out;
}

} // namespace DiagnosisText
