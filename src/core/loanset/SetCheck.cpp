#include "SetCheck.h"

#include "data/AccountConnection.h"
#include "diagnosis/Diagnosis.h"
#include "render/GridText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>
#include <QSqlDatabase>

namespace SetCheck {

namespace {

// The account read into a copy in memory, never written; nullopt with `problem`.
std::optional<AccountSnapshot> readPart(const QString& path, int index, QString* problem) {
    if (!QFileInfo(path).isFile()) {
        *problem =
            QCoreApplication::translate("SetCheck", "The account file '%1' is missing.").arg(path);
        return std::nullopt;
    }
    const QString name = QStringLiteral("loan-set-part-%1").arg(index);
    std::optional<AccountSnapshot> snapshot;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        QString error;
        if (!db.open())
            error = QCoreApplication::translate("SetCheck", "no working copy can be made");
        else
            error = AccountDatabase::copyIntoMemory(path, db);
        if (error.isEmpty())
            snapshot = Snapshot::read(db, &error);
        if (!snapshot)
            *problem = QCoreApplication::translate("SetCheck",
                                                   "'%1' is not an account that can be read: %2")
                           .arg(path, error);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return snapshot;
}

std::optional<CalculationBasis> basisOf(const LoanSet::Part& part, const AccountSnapshot& s,
                                        const Options& o, QString* problem) {
    const std::optional<InterestMethod::Code> method = o.method ? o.method : part.method;
    if (!method) {
        *problem = QCoreApplication::translate(
            "SetCheck", "No method is chosen for the part: check it alone, or give one for the "
                        "whole set.");
        return std::nullopt;
    }
    CalculationBasis basis{*method, o.day.value_or(CalcDay::Day()), s.inputs.conventions};
    if (!o.day && InterestMethod::isFixedDay(*method)) {
        if (!s.dayInForce || s.dayInForce->calcTo().isEmpty()) {
            *problem = QCoreApplication::translate(
                "SetCheck", "The account has no calculation day for its fixed-day method.");
            return std::nullopt;
        }
        basis.day = CalcDay::Day::fromCalcTo(s.dayInForce->calcTo());
    }
    if (o.conventions) {
        const std::optional<LenderConventions> c = o.conventions(s.inputs.conventions, problem);
        if (!c)
            return std::nullopt;
        basis.conventions = *c;
    }
    return basis;
}

Diagnosis::Inputs inputsOf(const PartRun& p, const OffsetAccount& offset) {
    return {p.run->snapshot().inputs.history, p.run->rates(), p.run->basis(), offset, {}};
}

// The last day of the fixed rate the terms hold at `day`; not valid for none.
QDate fixedUntil(const AccountSnapshot& s, const QDate& day) {
    const QVector<RateTerms::Period>& terms = s.termsOrNone().terms;
    for (qsizetype i = terms.size() - 1; i >= 0; --i) {
        if (!terms[i].from.isValid() || terms[i].from > day)
            continue;
        if (terms[i].kind != RateTerms::Kind::Fixed)
            return {};
        if (terms[i].until.isValid())
            return terms[i].until;
        return i + 1 < terms.size() ? terms[i + 1].from.addDays(-1) : QDate();
    }
    return {};
}

void describe(PartRun& p) {
    const AccountSnapshot& s = p.run->snapshot();
    p.summary = p.run->summary();
    p.verdict =
        p.summary ? SummaryRendering::sentence(*p.summary)
                  : QCoreApplication::translate("SetCheck", "Its sums leave the range of amounts.");
    const QVector<ReportLine>& lines = p.run->lines();
    const QDate end = lines.isEmpty() ? QDate() : lines.last().date;
    if (!lines.isEmpty())
        p.owed = lines.last().balance.negated().value_or(Money());
    for (const RatePeriod& r : p.run->rates())
        if (r.interestRate && r.validFrom <= end && end <= r.validTo)
            p.rate = r.interestRate;
    p.fixedUntil = fixedUntil(s, end);
    if (s.inputs.offset.hasData() && p.summary) {
        const std::optional<InterestSummary::Summary> without = InterestSummary::summarise(
            InterestEngine::calculate(s.inputs.history, p.run->rates(), p.run->basis()).lines);
        if (without)
            p.offsetBenefit = Money::subtract(without->due, p.summary->due);
    }
}

PartRun runPart(const LoanSet::Part& part, const QString& setPath, int index, const Options& o) {
    PartRun p;
    p.part = part;
    p.path = LoanSet::accountPath(setPath, part);
    std::optional<AccountSnapshot> s = readPart(p.path, index, &p.problem);
    if (!s)
        return p;
    const std::optional<CalculationBasis> basis = basisOf(part, *s, o, &p.problem);
    if (!basis)
        return p;
    p.run = std::make_shared<ReportCase>(std::make_shared<const AccountSnapshot>(std::move(*s)),
                                         *basis, o.recordWorking);
    describe(p);
    return p;
}

void addYears(Result& r) {
    QMap<int, Year> years;
    for (qsizetype i = 0; i < r.parts.size(); ++i) {
        const PartRun& p = r.parts[i];
        if (!p.checked())
            continue;
        Money::addTo(r.charged, p.summary->charged);
        Money::addTo(r.due, p.summary->due);
        Money::addTo(r.difference, p.summary->difference);
        for (const InterestSummary::Year& y : p.summary->years) {
            Year& year = years[y.year];
            year.year = y.year;
            year.parts.resize(r.parts.size());
            year.parts[i] = y.difference;
            Money::addTo(year.total, y.difference);
        }
    }
    r.years = years.values().toVector();
}

void weighRates(Result& r) {
    long double owed = 0;
    long double weighted = 0;
    for (const PartRun& p : r.parts)
        if (p.checked() && p.rate && p.owed.raw() > 0) {
            owed += p.owed.raw();
            weighted += (long double)(p.owed.raw()) * p.rate->raw();
        }
    if (owed > 0)
        r.weightedRate = Rate::fromRaw(qint64(weighted / owed + 0.5L));
}

// The postings whose charges the lender's way gives to the cent where the right way does not.
struct Reproduced {
    QVector<InterestSummary::Posting> postings; // as charged beside the right interest due
};

Reproduced reproduced(const QVector<InterestSummary::Posting>& right,
                      const QVector<InterestSummary::Posting>& lenders) {
    Reproduced out;
    QMap<QDate, Money> lenderDifference;
    for (const InterestSummary::Posting& p : lenders)
        lenderDifference.insert(p.date, p.difference);
    for (const InterestSummary::Posting& p : right)
        if (!p.difference.isZero() && lenderDifference.contains(p.date) &&
            lenderDifference.value(p.date).isZero())
            out.postings << p;
    return out;
}

// The offset of part `a` counted against part `b` (none: against no part): a span where both
// parts' charges are that way's to the cent.
std::optional<WrongOffset> tryLink(const Result& r, int a, std::optional<int> b) {
    const PartRun& from = r.parts[a];
    const OffsetAccount& offset = from.run->snapshot().inputs.offset;
    const Reproduced inA = reproduced(Diagnosis::postings(inputsOf(from, offset)),
                                      Diagnosis::postings(inputsOf(from, {})));
    if (inA.postings.isEmpty())
        return std::nullopt;
    QVector<InterestSummary::Posting> all = inA.postings;
    if (b) {
        const PartRun& to = r.parts[*b];
        const Reproduced inB = reproduced(Diagnosis::postings(inputsOf(to, {})),
                                          Diagnosis::postings(inputsOf(to, offset)));
        if (inB.postings.isEmpty())
            return std::nullopt;
        all += inB.postings;
    }
    WrongOffset w{a, b, all.first().date, all.first().date, int(all.size()), Money()};
    for (const InterestSummary::Posting& p : all) {
        w.first = std::min(w.first, p.date);
        w.last = std::max(w.last, p.date);
        Money::addTo(w.amount, p.difference);
    }
    return w;
}

void findWrongOffsets(Result& r) {
    for (int a = 0; a < r.parts.size(); ++a) {
        if (!r.parts[a].checked() || !r.parts[a].run->snapshot().inputs.offset.hasData())
            continue;
        bool linked = false;
        for (int b = 0; b < r.parts.size(); ++b) {
            if (b == a || !r.parts[b].checked() ||
                r.parts[b].run->snapshot().inputs.offset.hasData())
                continue;
            if (const std::optional<WrongOffset> w = tryLink(r, a, b)) {
                r.wrongOffsets << *w;
                linked = true;
            }
        }
        if (!linked)
            if (const std::optional<WrongOffset> w = tryLink(r, a, std::nullopt))
                r.wrongOffsets << *w;
    }
}

} // namespace

int Result::checkedParts() const {
    return int(std::count_if(parts.begin(), parts.end(),
                             [](const PartRun& p) { return p.checked(); }));
}

Result check(const LoanSet::Set& set, const QString& setPath, const Options& options) {
    Result r;
    r.name = set.name;
    for (int i = 0; i < set.parts.size(); ++i) {
        r.parts << runPart(set.parts[i], setPath, i, options);
        const PartRun& p = r.parts.last();
        if (!p.problem.isEmpty())
            r.notices
                << QCoreApplication::translate("SetCheck", "%1: %2").arg(p.part.name, p.problem);
        else if (p.run)
            for (const QString& n : p.run->snapshot().inputs.notices + p.run->engineNotices())
                r.notices << QCoreApplication::translate("SetCheck", "%1: %2").arg(p.part.name, n);
    }
    addYears(r);
    weighRates(r);
    findWrongOffsets(r);
    return r;
}

} // namespace SetCheck
