// vantrell-report: the interest report of a loan account on standard output, the same lines as
// "View Report" shows, for scripts and spreadsheets. The account is only read: it is opened
// read-only and copied into memory, and the calculation's write-back goes to the copy alone.
#include "ProgramVersion.h"
#include "ReportOptions.h"
#include "ReportTerms.h"
#include "ToolText.h"
#include "complaint/Complaint.h"
#include "data/AccountConnection.h"
#include "data/OutputFile.h"
#include "diagnosis/Diagnosis.h"
#include "diagnosis/DiagnosisText.h"
#include "engine/CalcDay.h"
#include "engine/InterestEngine.h"
#include "engine/LenderFit.h"
#include "engine/RateProposal.h"
#include "engine/ReportPreparation.h"
#include "engine/ReportStore.h"
#include "reference/TermsCheck.h"
#include "render/LenderFitRendering.h"
#include "render/PrintedReport.h"
#include "render/RateProposalRendering.h"
#include "render/ReferenceRendering.h"
#include "render/ReportRendering.h"
#include "render/ReportTable.h"
#include "render/SummaryRendering.h"
#include "render/WorkingRendering.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

using namespace ReportOptions;

enum Exit { Written = 0, UsageError = 1, Unreadable = 2 };

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

// The printed report of `lines`, as the report window prints it, into the file --pdf names; ""
// when written, else why not (OutputFile::write's refusals among it). An earlier file of that
// name stays as it was unless the new one is complete.
QString writePdf(const Options& o, const QVector<ReportLine>& lines, const QString& conventions,
                 bool offsetColumn, int missingStatement,
                 const InterestSummary::PostingRateMap& rates,
                 const std::optional<WorkingRendering::Table>& working,
                 const QStringList& explanations) {
    PrintedReport::Content content;
    content.explanations = explanations;
    content.rates = rates;
    if (working)
        content.workings << *working;
    content.incomplete = InterestSummary::incompletePostings(lines);
    content.missingStatement = missingStatement;
    content.offsetColumn = offsetColumn;
    content.title = QFileInfo(o.account).absoluteFilePath();
    content.printedOn = QDate::currentDate();
    content.conventions = conventions;
    content.rows.reserve(lines.size());
    for (const ReportLine& line : lines)
        content.rows << ReportTable::rowFor(line);
    QString error;
    if (PrintedReport::writePdf(o.pdf, content, QString::fromLatin1(PrintedReport::Caption),
                                {o.account}, &error))
        return QString();
    return toolCase(error);
}

// Why --explain has nothing to show on `date`, naming the postings either side of it.
QString noPosting(const InterestWorking::Working& working, const QDate& date) {
    QString message =
        QStringLiteral("there is no interest posting on %1").arg(date.toString(Qt::ISODate));
    QDate before, after;
    for (const InterestWorking::PostingWorking& p : working.postings) {
        if (p.date < date)
            before = p.date;
        else if (!after.isValid())
            after = p.date;
    }
    QStringList nearest;
    for (const QDate& d : {before, after}) {
        if (d.isValid())
            nearest << d.toString(Qt::ISODate);
    }
    if (nearest.isEmpty())
        return message + QStringLiteral(": the report has none");
    return message + QStringLiteral("; the nearest: ") + nearest.join(QLatin1String(" and "));
}

// The rate periods proposed from the lender's charges.
int printProposal(const Options& o, QSqlDatabase db, const QVector<HistoryRow>& history,
                  const QString& fixedDay, const LenderConventions& conventions,
                  const OffsetAccount& offset, QStringList notices) {
    RateProposal::Proposal proposal;
    if (o.anyMethod) {
        const RateProposal::Ranking ranking =
            RateProposal::proposeAny(history, LenderFit::storedCalcDay(db), offset);
        proposal = ranking.best;
        if (!ranking.ranked.isEmpty())
            print(stderr, QStringLiteral("Proposed under the first of these:\n") +
                              RateProposalRendering::rankingText(ranking.ranked, 5));
    } else {
        proposal = RateProposal::propose(history, o.method, fixedDay, conventions, offset);
    }
    SummaryRendering::Basis basis;
    basis.account = QFileInfo(o.account).absoluteFilePath();
    basis.method = proposal.method;
    basis.fixedDay = proposal.fixedDay;
    const QByteArray out = o.csv ? RateProposalRendering::csv(proposal)
                                 : RateProposalRendering::text(proposal, basis).toUtf8();
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
int printFit(const Options& o, QSqlDatabase db, const QVector<HistoryRow>& history,
             const QVector<RatePeriod>& rates, const OffsetAccount& offset,
             const QStringList& inputNotices) {
    const LenderFit::Ranking ranking =
        LenderFit::rank(history, rates, LenderFit::storedCalcDay(db), offset);
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

// The report's lines, and the working of their interest where it is shown.
struct Calculation {
    QVector<ReportLine> lines;
    InterestWorking::Working working;
    int missingStatement = 0;
    QString passOnText; // the summary's pass-on tables, for an account with rate terms
    // What explains the differences, for the summary's text and the printed summary page.
    QStringList explanations;
    QString explanationsText;
};

// The interest due over the history; the calculation's notices join `notices`.
Calculation calculate(const Options& o, const ReportStore::CalculationInputs& in,
                      const QString& fixedDay, const LenderConventions& conventions,
                      QStringList& notices) {
    // The working only where it is shown: without it the walk records nothing.
    const bool workingShown = o.summary || o.rates || o.explain.isValid() || !o.pdf.isEmpty();
    Calculation c;
    c.working.method = o.method;
    c.working.conventions = conventions;
    if (in.history.isEmpty()) {
        notices << QString::fromLatin1(ReportPreparation::NoTransactions);
        return c;
    }
    InterestEngine::Worked worked;
    if (workingShown)
        worked = InterestEngine::calculateWithWorking(in.history, in.rates, o.method, fixedDay,
                                                      conventions, in.offset);
    else
        worked.result = InterestEngine::calculate(in.history, in.rates, o.method, fixedDay,
                                                  conventions, in.offset);
    c.lines = std::move(worked.result.lines);
    notices << worked.result.notices;
    c.working = std::move(worked.working);
    if (const auto missing = ReportPreparation::missingStatements(in.statementNumbers)) {
        notices << missing->joined();
        c.missingStatement = missing->namedStatement();
    }
    return c;
}

void printNotices(const QStringList& notices) {
    for (const QString& notice : notices)
        print(stderr, notice + QLatin1Char('\n'));
}

void printOut(const QByteArray& out) {
    std::fwrite(out.constData(), 1, std::size_t(out.size()), stdout);
}

// The lines of the report as text or CSV; the text says which conventions its figures follow
// when they are not the defaults.
void printLines(const Options& o, const Calculation& c, const LenderConventions& conventions,
                bool offsetColumn) {
    if (const QString note = Conventions::reportNote(conventions); !note.isEmpty() && !o.csv)
        print(stdout, note + QStringLiteral("\n\n"));
    printOut(o.csv ? ReportRendering::csv(c.lines, offsetColumn)
                   : ReportRendering::text(c.lines, offsetColumn));
}

// The report, or what its mode prints instead of it, with the calculation's notices after it.
int printReport(const Options& o, const Calculation& c, const SummaryRendering::Basis& basis,
                bool offsetColumn, const QStringList& notices) {
    const InterestWorking::Working& working = c.working;
    InterestSummary::PostingRateMap postingRates;
    if (o.summary || o.rates || !o.pdf.isEmpty())
        postingRates = InterestWorking::postingRates(working, c.lines);
    std::optional<WorkingRendering::Table> explained;
    int posting = -1;
    if (o.explain.isValid()) {
        posting = working.postingOn(o.explain);
        if (posting < 0) {
            printNotices(notices);
            return unreadable(noPosting(working, o.explain));
        }
        explained = WorkingRendering::table(
            working, posting, InterestWorking::ratesOf(working, posting, c.lines), basis);
    }

    switch (o.mode) {
    case Mode::Explain:
        printOut(o.csv ? WorkingRendering::csv(working, posting)
                       : WorkingRendering::text(*explained).toUtf8());
        break;
    case Mode::Rates:
        printOut(o.csv ? WorkingRendering::ratesCsv(working, postingRates)
                       : WorkingRendering::ratesText(working, postingRates, basis).toUtf8());
        break;
    case Mode::Summary:
    case Mode::Owed: {
        const std::optional<InterestSummary::Summary> summary =
            InterestSummary::summarise(c.lines, c.missingStatement, &postingRates);
        if (!summary)
            return unreadable(QStringLiteral("the summary's sums leave the range of amounts"));
        printOut(o.csv ? SummaryRendering::csv(*summary)
                       : (SummaryRendering::text(*summary, basis) + c.passOnText +
                          QLatin1Char('\n') + c.explanationsText)
                             .toUtf8());
        break;
    }
    case Mode::Report:
        if (o.pdf.isEmpty()) {
            printLines(o, c, basis.conventions, offsetColumn);
        } else if (const QString problem = writePdf(
                       o, c.lines, Conventions::reportNote(basis.conventions), offsetColumn,
                       c.missingStatement, postingRates, explained, c.explanations);
                   !problem.isEmpty()) {
            return unreadable(problem);
        }
        break;
    case Mode::Fit:
    case Mode::Propose:
    case Mode::Reference:
    case Mode::SeriesList:
    case Mode::Diagnose:
    case Mode::Complaint:
        break; // printed before any calculation
    }
    printNotices(notices);
    if (std::fflush(stdout) != 0)
        return unreadable(QStringLiteral("the report could not be written"));
    return Written;
}

// The owed rates of the account's terms. Without --summary they are printed here, and nullopt
// comes back with `error` empty; nullopt with `error` when they cannot be had.
std::optional<RateTerms::Owed> owedRates(const Options& o, QSqlDatabase db,
                                         const ReportStore::CalculationInputs& in,
                                         QStringList& notices, QString* error) {
    TermsStore::Stored terms;
    if (!TermsStore::read(db, &terms, error))
        return std::nullopt;
    notices << terms.notices;
    if (terms.terms.isEmpty()) {
        *error = QStringLiteral("the account holds no rate terms (Lender, Rate Terms...)");
        return std::nullopt;
    }
    const RateTerms::Owed owed = TermsCheck::owed(in, terms);
    if (!o.summary) {
        printOut(o.csv ? ReferenceRendering::owedCsv(owed)
                       : ReferenceRendering::owedText(owed).toUtf8());
        printNotices(notices << (o.csv ? owed.notices : QStringList()));
        if (std::fflush(stdout) != 0)
            *error = QStringLiteral("the owed rates could not be written");
        return std::nullopt;
    }
    notices << owed.notices;
    if (!TermsCheck::owedCoverHistory(in, owed)) {
        printNotices(notices);
        *error = QStringLiteral("the rate terms do not owe a rate on every day of the history");
        return std::nullopt;
    }
    return owed;
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
int printPassOn(const Options& o, QSqlDatabase db, const ReportStore::CalculationInputs& in,
                const PassOn::Calculation& c, QStringList notices) {
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

// The pass-on tables of the account's variable terms, under the summary's text.
QString summaryPassOn(QSqlDatabase db, const ReportStore::CalculationInputs& in,
                      const PassOn::Calculation& c, QStringList& notices) {
    TermsStore::Stored terms;
    QString error;
    if (!TermsStore::read(db, &terms, &error)) {
        notices << QStringLiteral("The rate terms cannot be read: %1").arg(error);
        return QString();
    }
    QString out;
    for (const TermsCheck::PassOnSection& section : TermsCheck::passOn(c, in.rates, terms))
        out += QLatin1Char('\n') +
               ReferenceRendering::passOnText(section.table, section.series, section.lagDays);
    return out;
}

// Which known mistake explains the differences.
int printDiagnosis(const Options& o, QSqlDatabase db, const QString& fixedDay,
                   const LenderConventions& conventions, QStringList notices) {
    QString error;
    std::optional<Diagnosis::Inputs> in = Diagnosis::read(db, o.method, fixedDay, &notices, &error);
    if (!in)
        return unreadable(
            QStringLiteral("The account file '%1' cannot be read: %2").arg(o.account, error));
    in->conventions = conventions;
    const Diagnosis::Result r = Diagnosis::diagnose(*in);
    printOut(o.csv ? DiagnosisText::csv(r) : DiagnosisText::text(r).toUtf8());
    printNotices(notices);
    return std::fflush(stdout) == 0 ? Written : Unreadable;
}

// The letter of complaint and its evidence, from the details kept in the account.
int writeComplaint(const Options& o, QSqlDatabase db, const QString& fixedDay,
                   const LenderConventions& conventions, const QStringList& notices) {
    QString error;
    std::optional<Complaint::Case> c =
        Complaint::prepare(db, QFileInfo(o.account).absoluteFilePath(), o.method, fixedDay,
                           conventions, false, &error);
    if (!c)
        return unreadable(
            QStringLiteral("The account file '%1' cannot be read: %2").arg(o.account, error));
    if (o.threshold) {
        c->details.threshold = *o.threshold;
        Complaint::tickAtThreshold(*c, *o.threshold);
    }
    printNotices(notices);
    if (const QString why = Complaint::noLetter(*c); !why.isEmpty())
        return unreadable(QStringLiteral("no letter is written: %1").arg(why));
    const QString evidenceName =
        o.evidence.isEmpty() ? QStringLiteral("the evidence") : QFileInfo(o.evidence).fileName();
    if (!o.complaint.isEmpty()) {
        if (!Complaint::writeLetter(*c, o.complaint, evidenceName, &error))
            return unreadable(toolCase(error));
        for (const Complaints::MissingDetail& m : Complaints::missingDetails(c->details))
            print(stderr, QStringLiteral("The account holds no %1 for the letter: it says \"%2\" "
                                         "in its place, to fill in before the letter is sent "
                                         "(or give it in Prepare a Complaint).\n")
                              .arg(m.what, m.placeholder));
    }
    if (!o.evidence.isEmpty() && !Complaint::writeEvidence(*c, o.evidence, &error))
        return unreadable(toolCase(error));
    return Written;
}

// Every file the run writes is checked before any work: a refused one leaves all unwritten.
QString outputRefusal(const Options& o) {
    QStringList outputs;
    for (const QString& file : {o.pdf, o.complaint, o.evidence}) {
        if (!file.isEmpty())
            outputs << file;
    }
    return OutputFile::refusal(outputs, {o.account});
}

// The summary's text and the printed summary page say what explains the differences.
void explain(QSqlDatabase& db, const Options& o, const QString& fixedDay,
             const LenderConventions& conventions, const QVector<RatePeriod>& rates,
             Calculation& calculation) {
    QString error;
    std::optional<Diagnosis::Inputs> d = Diagnosis::read(db, o.method, fixedDay, nullptr, &error);
    if (!d)
        return;
    d->conventions = conventions;
    d->rates = rates;
    const Diagnosis::Result r = Diagnosis::diagnose(*d);
    calculation.explanations = DiagnosisText::lines(r);
    calculation.explanationsText = DiagnosisText::text(r);
}

int run(const Options& o) {
    if (const QString problem = outputRefusal(o); !problem.isEmpty())
        return unreadable(toolCase(problem));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open())
        return unreadable(QStringLiteral("cannot make a working copy of the account"));
    if (o.mode == Mode::SeriesList && o.account.isEmpty())
        return printSeriesList(o);
    if (const QString problem = AccountDatabase::copyIntoMemory(o.account, db); !problem.isEmpty())
        return unreadable(problem);
    if (o.mode == Mode::SeriesList)
        return printSeriesList(o);
    // The terms given stand in for the account's in the working copy alone.
    if (!o.terms.isEmpty()) {
        if (const QString problem = ReportTerms::useGiven(o.terms, db); !problem.isEmpty())
            return unreadable(problem);
    }

    QString fixedDay = o.fixedDay.value_or(QString());
    const bool fixedDayMethod =
        InterestMethod::isFixedDay(o.method) && !(o.mode == Mode::Owed && !o.summary);
    if (fixedDayMethod && !o.fixedDay) {
        const std::optional<QString> stored = CalcDay::lastCalcTo(db);
        if (!stored || stored->isEmpty())
            return usageError(QStringLiteral("the account has no calculation day: give --day N"));
        fixedDay = *stored;
    }

    QString error;
    const std::optional<ReportStore::CalculationInputs> in = ReportStore::readInputs(db, &error);
    if (!in)
        return unreadable(
            QStringLiteral("The account file '%1' cannot be read: %2").arg(o.account, error));
    QStringList notices = in->notices;
    if (o.mode == Mode::Fit)
        return printFit(o, db, in->history, in->rates, in->offset, notices);

    // A file of layout 1 has no settings: the defaults.
    LenderConventions conventions = in->conventions;
    conventions.dayCount = o.dayCount.value_or(conventions.dayCount);
    conventions.rounding = o.rounding.value_or(conventions.rounding);
    if (o.mode == Mode::Propose)
        return printProposal(o, db, in->history, fixedDay, conventions, in->offset, notices);
    const PassOn::Calculation passOn{in->history, o.method, fixedDay, conventions, in->offset};
    if (o.mode == Mode::Reference)
        return printPassOn(o, db, *in, passOn, notices);
    if (o.mode == Mode::Diagnose)
        return printDiagnosis(o, db, fixedDay, conventions, notices);
    if (o.mode == Mode::Complaint)
        return writeComplaint(o, db, fixedDay, conventions, notices);

    ReportStore::CalculationInputs inputs = *in;
    SummaryRendering::Basis basis;
    if (o.mode == Mode::Owed) {
        QString error;
        const std::optional<RateTerms::Owed> owed = owedRates(o, db, inputs, notices, &error);
        if (!owed)
            return error.isEmpty() ? Written : unreadable(error);
        inputs.rates = owed->ratePeriods();
        basis.ratesNote = QString::fromLatin1(TermsCheck::OwedNote);
    }
    Calculation calculation = calculate(o, inputs, fixedDay, conventions, notices);
    if (o.mode == Mode::Summary && !o.csv)
        calculation.passOnText = summaryPassOn(db, *in, passOn, notices);
    if (((o.mode == Mode::Summary || o.mode == Mode::Owed) && !o.csv) || !o.pdf.isEmpty())
        explain(db, o, fixedDay, conventions, inputs.rates, calculation);
    basis.account = QFileInfo(o.account).absoluteFilePath();
    basis.method = o.method;
    basis.fixedDay = fixedDay;
    basis.conventions = conventions;
    return printReport(o, calculation, basis, in->offset.hasData(), notices);
}

// Whether the run writes a file that is painted (the printed report, the letter and its
// evidence), the arguments read as the tool reads them, before Qt has read them.
bool wantsPdf(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    QString problem;
    const std::optional<Options> o = parseArguments(args, &problem);
    return o && (!o->pdf.isEmpty() || !o->complaint.isEmpty() || !o->evidence.isEmpty());
}

} // namespace

int main(int argc, char** argv) {
    // Painting text needs fonts, and fonts a GUI application; without a display, the offscreen
    // platform serves. The text and CSV reports need neither.
    std::unique_ptr<QCoreApplication> app;
    if (wantsPdf(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QString problem;
    const std::optional<Options> options = parseArguments(QCoreApplication::arguments(), &problem);
    if (!options)
        return usageError(problem);
    if (options->help) {
        print(stdout, usage());
        return Written;
    }
    if (options->version) {
        std::printf("vantrell-report %s\n", ProgramVersion);
        return Written;
    }
    const int status = run(*options);
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    return status;
}
