#include "ReportModes.h"

#include "ReportTerms.h"
#include "ToolText.h"
#include "engine/LenderFit.h"
#include "engine/RateProposal.h"
#include "reference/PassOn.h"
#include "render/LenderFitRendering.h"
#include "render/RateProposalRendering.h"
#include "render/ReferenceRendering.h"
#include "render/SummaryRendering.h"

#include <QFileInfo>
#include <QSqlDatabase>

#include <cstdio>

namespace ReportModes {

using namespace ReportOptions;
using ToolText::print;

int usageError(const QString& problem) {
    return ToolText::usageError("vantrell-report", problem, usage(), UsageError);
}

int unreadable(const QString& problem) {
    return ToolText::problem("vantrell-report", problem, Unreadable);
}

// A file the core could not write, said as the tool's problems are, in lower case after its name.
QString toolCase(const QString& error) {
    return error.isEmpty() ? error : error.at(0).toLower() + error.mid(1);
}

void printNotices(const QStringList& notices) {
    for (const QString& notice : notices)
        print(stderr, notice + QLatin1Char('\n'));
}

void printOut(const QByteArray& out) {
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
}

namespace {

// The calculation day in force as Find Lender's Method starts from it ("" for none).
QString storedDay(const AccountSnapshot& snapshot) {
    return snapshot.dayInForce.value_or(CalcDay::Day()).calcFrom();
}

} // namespace

// The rate periods proposed from the lender's charges.
int printProposal(const Options& o, const AccountSnapshot& snapshot, const CalculationBasis& basis,
                  QStringList notices) {
    const AccountStore::CalculationInputs& in = snapshot.inputs;
    RateProposal::Proposal proposal;
    if (o.anyMethod) {
        const RateProposal::Ranking ranking =
            RateProposal::proposeAny(in.history, storedDay(snapshot), in.offset);
        proposal = ranking.best;
        if (!ranking.ranked.isEmpty())
            print(stderr, QStringLiteral("Proposed under the first of these:\n") +
                              RateProposalRendering::rankingText(ranking.ranked, 5));
    } else {
        proposal = RateProposal::propose(in.history, basis, in.offset);
    }
    SummaryRendering::Basis shown;
    shown.account = QFileInfo(o.account).absoluteFilePath();
    shown.calculation = proposal.basis;
    const QByteArray out = o.csv ? RateProposalRendering::csv(proposal)
                                 : RateProposalRendering::text(proposal, shown).toUtf8();
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    notices << proposal.notices;
    if (proposal.periods.isEmpty())
        notices << RateProposalRendering::nothingLine(
            proposal, QString::fromLatin1(RateProposalRendering::TryEveryOption));
    for (const QString& notice : notices)
        print(stderr, notice + QLatin1Char('\n'));
    if (std::fflush(stdout) != 0)
        return unreadable(QStringLiteral("the proposal could not be written"));
    return proposal.periods.isEmpty() ? Unreadable : Written;
}

// Every combination of method, day and convention, best first.
int printFit(const Options& o, const AccountSnapshot& snapshot, const QStringList& inputNotices) {
    const AccountStore::CalculationInputs& in = snapshot.inputs;
    const LenderFit::Ranking ranking =
        LenderFit::rank(in.history, in.rates, storedDay(snapshot), in.offset);
    const QByteArray out =
        o.csv ? LenderFitRendering::csv(ranking.scores) : LenderFitRendering::text(ranking.scores);
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
    QStringList notices = inputNotices + ranking.notices;
    if (ranking.scores.isEmpty() || ranking.scores.first().charges == 0)
        notices << QString::fromLatin1(LenderFit::NoCharges);
    for (const QString& notice : notices)
        print(stderr, notice + QLatin1Char('\n'));
    if (std::fflush(stdout) != 0)
        return unreadable(QStringLiteral("the ranking could not be written"));
    return Written;
}

// The shipped series, and the account's own when one is given.
int printSeriesList(const Options& o) {
    QStringList notices;
    QVector<ReferenceSeries> series = ShippedSeries::all(&notices);
    if (!o.account.isEmpty()) {
        QSqlDatabase db = QSqlDatabase::database(QStringLiteral("copy"));
        TermsStore::Stored stored;
        QString error;
        if (!TermsStore::read(db, &stored, &error))
            return unreadable(
                QStringLiteral("The account file '%1' cannot be read: %2").arg(o.account, error));
        for (const ReferenceSeries& s : std::as_const(stored.series))
            series << s;
        notices << stored.notices;
    }
    printOut(ReferenceRendering::seriesListText(series).toUtf8());
    printNotices(notices);
    return std::fflush(stdout) == 0 ? Written : Unreadable;
}

// The pass-on table of --reference.
int printPassOn(const Options& o, QSqlDatabase db, const AccountSnapshot& snapshot,
                const CalculationBasis& basis, QStringList notices) {
    const AccountStore::CalculationInputs& in = snapshot.inputs;
    const PassOn::Calculation c{in.history, basis, in.offset};
    QString problem;
    bool usage = false;
    const std::optional<ReferenceSeries> series =
        ReportTerms::series(o.reference, db, &problem, &usage);
    if (!series)
        return usage ? usageError(problem) : unreadable(problem);
    const int lag = o.lag.value_or(0);
    PassOn::Table table = PassOn::table(c, in.rates, *series, lag);
    if (table.costsRefused) {
        printNotices(notices);
        return unreadable(table.notices.join(QLatin1Char(' ')));
    }
    if (o.margin) {
        for (PassOn::Row& row : table.rows)
            row.reference.rate = row.reference.rate + *o.margin;
    }
    printOut(o.csv ? ReferenceRendering::passOnCsv(table)
                   : ReferenceRendering::passOnText(table, *series, lag).toUtf8());
    printNotices(notices << table.notices);
    return std::fflush(stdout) == 0 ? Written : Unreadable;
}

} // namespace ReportModes
