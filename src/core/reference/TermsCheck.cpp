#include "TermsCheck.h"

#include <QCoreApplication>

#include <algorithm>

namespace TermsCheck {

RateTerms::Owed owed(const AccountStore::CalculationInputs& in, const TermsStore::Stored& terms) {
    return RateTerms::owed(terms.terms, terms.series, in.rates, historyDates(in.history).last);
}

bool owedCoverHistory(const AccountStore::CalculationInputs& in, const RateTerms::Owed& owed) {
    const HistoryDates dates = historyDates(in.history);
    return dates.first.isValid() && owed.covers(dates.first, dates.last);
}

OwedRates owedRates(const AccountStore::CalculationInputs& in, const TermsStore::Stored& terms) {
    OwedRates r;
    if (terms.terms.isEmpty()) {
        r.refusal = OwedRates::Refusal::NoTerms;
        return r;
    }
    r.owed = owed(in, terms);
    if (!owedCoverHistory(in, r.owed))
        r.refusal = OwedRates::Refusal::NotCovering;
    return r;
}

QString refusalNotice(OwedRates::Refusal refusal) {
    switch (refusal) {
    case OwedRates::Refusal::NoTerms:
        return QCoreApplication::translate(
            "TermsCheck", "The account holds no rate terms: enter them in Lender, Rate Terms.");
    case OwedRates::Refusal::NotCovering:
        return QCoreApplication::translate(
            "TermsCheck", "The rate terms do not owe a rate on every day of the history: the "
                          "report runs under the stored rate periods.");
    case OwedRates::Refusal::None:
        break;
    }
    return QString();
}

QVector<VariableSpan> variableSpans(const TermsStore::Stored& terms) {
    QVector<RateTerms::Period> sorted = terms.terms;
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [](const RateTerms::Period& a, const RateTerms::Period& b) { return a.from < b.from; });
    QVector<VariableSpan> spans;
    for (int i = 0; i < sorted.size(); ++i) {
        const RateTerms::Period& p = sorted[i];
        const auto series = terms.series.constFind(p.series);
        if (p.kind != RateTerms::Kind::Variable || series == terms.series.cend())
            continue;
        const QDate to = i + 1 < sorted.size() ? sorted[i + 1].from.addDays(-1) : QDate();
        spans << VariableSpan{*series, p.lagDays, p.from, to};
    }
    return spans;
}

QVector<PassOnSection> passOn(const PassOn::Calculation& c, const QVector<RatePeriod>& stored,
                              const TermsStore::Stored& terms) {
    QVector<PassOnSection> sections;
    for (const VariableSpan& s : variableSpans(terms))
        sections << PassOnSection{s.series, s.lagDays,
                                  PassOn::table(c, stored, s.series, s.lagDays, s.from, s.to)};
    return sections;
}

bool holdsVariable(const TermsStore::Stored& terms) {
    return std::any_of(terms.terms.cbegin(), terms.terms.cend(), [](const RateTerms::Period& p) {
        return p.kind == RateTerms::Kind::Variable;
    });
}

} // namespace TermsCheck
