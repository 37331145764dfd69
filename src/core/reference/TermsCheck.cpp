#include "TermsCheck.h"

#include <algorithm>

namespace TermsCheck {

RateTerms::Owed owed(const ReportStore::CalculationInputs& in, const TermsStore::Stored& terms) {
    return RateTerms::owed(terms.terms, terms.series, in.rates, historyDates(in.history).last);
}

bool owedCoverHistory(const ReportStore::CalculationInputs& in, const RateTerms::Owed& owed) {
    const HistoryDates dates = historyDates(in.history);
    return dates.first.isValid() && owed.covers(dates.first, dates.last);
}

std::optional<QVector<RatePeriod>> owedRates(QSqlDatabase db, QStringList* notices) {
    QString error;
    const std::optional<ReportStore::CalculationInputs> in = ReportStore::readInputs(db, &error);
    TermsStore::Stored terms;
    if (!in || !TermsStore::read(db, &terms, &error)) {
        *notices << error;
        return std::nullopt;
    }
    *notices << terms.notices;
    if (terms.terms.isEmpty()) {
        *notices << QStringLiteral("The account holds no rate terms: enter them in Lender, Rate "
                                   "Terms.");
        return std::nullopt;
    }
    const RateTerms::Owed owed = TermsCheck::owed(*in, terms);
    *notices << owed.notices;
    if (!owedCoverHistory(*in, owed)) {
        *notices << QStringLiteral("The rate terms do not owe a rate on every day of the history: "
                                   "the report runs under the stored rate periods.");
        return std::nullopt;
    }
    return owed.ratePeriods();
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

QVector<PassOnSection> passOn(QSqlDatabase db, int method, const QString& fixedDay,
                              QStringList* notices) {
    QString error;
    TermsStore::Stored terms;
    if (!TermsStore::read(db, &terms, &error)) {
        *notices << error;
        return {};
    }
    // Most accounts have no variable terms: their history is not read again for nothing.
    if (std::none_of(terms.terms.cbegin(), terms.terms.cend(), [](const RateTerms::Period& p) {
            return p.kind == RateTerms::Kind::Variable;
        }))
        return {};
    const std::optional<ReportStore::CalculationInputs> in = ReportStore::readInputs(db, &error);
    if (!in) {
        *notices << error;
        return {};
    }
    const PassOn::Calculation c{in->history, method, fixedDay, in->conventions, in->offset};
    return passOn(c, in->rates, terms);
}

} // namespace TermsCheck
