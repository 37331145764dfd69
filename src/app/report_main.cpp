// vantrell-report: the interest report of a loan account on standard output, the same lines as
// "View Report" shows, for scripts and spreadsheets. The account is only read: it is opened
// read-only and copied into memory, and the calculation's write-back goes to the copy alone.
#include "ProgramVersion.h"
#include "ReportModes.h"
#include "ReportOptions.h"
#include "ReportSet.h"
#include "ReportTerms.h"
#include "ToolText.h"
#include "complaint/Complaint.h"
#include "data/AccountConnection.h"
#include "data/OutputFile.h"
#include "diagnosis/Diagnosis.h"
#include "diagnosis/DiagnosisText.h"
#include "engine/CalcDay.h"
#include "engine/ReportPreparation.h"
#include "reference/TermsCheck.h"
#include "render/PrintedReport.h"
#include "render/ReferenceRendering.h"
#include "render/RepaymentRendering.h"
#include "render/ReportRendering.h"
#include "render/ReportTable.h"
#include "render/SummaryRendering.h"
#include "render/WorkingRendering.h"
#include "run/ReportCase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlDatabase>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

using namespace ReportOptions;

using namespace ReportModes;
using ToolText::print;

// The printed report of the run, as the report window prints it, into the file --pdf names; ""
// when written, else why not (OutputFile::write's refusals among it). An earlier file of that
// name stays as it was unless the new one is complete.
QString writePdf(const Options& o, ReportCase& c,
                 const std::optional<WorkingRendering::Table>& working,
                 const QStringList& explanations) {
    PrintedReport::Content content;
    content.explanations = explanations;
    content.rates = c.postingRates();
    if (working)
        content.workings << *working;
    content.incomplete = InterestSummary::incompletePostings(c.lines());
    content.missingStatement = c.missingStatement();
    content.offsetColumn = c.offsetColumn();
    content.title = QFileInfo(o.account).absoluteFilePath();
    content.printedOn = QDate::currentDate();
    content.conventions = Conventions::reportNote(c.basis().conventions);
    content.rows.reserve(c.lines().size());
    for (const ReportLine& line : c.lines())
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

// The lines of the report as text or CSV; the text says which conventions its figures follow
// when they are not the defaults.
void printLines(const Options& o, const ReportCase& c) {
    if (const QString note = Conventions::reportNote(c.basis().conventions);
        !note.isEmpty() && !o.csv)
        print(stdout, note + QStringLiteral("\n\n"));
    printOut(o.csv ? ReportRendering::csv(c.lines(), c.offsetColumn())
                   : ReportRendering::text(c.lines(), c.offsetColumn()));
}

// What explains the differences, for the summary's text and the printed summary page: none
// when the rate terms do not read.
struct Explanations {
    QStringList lines;
    QString text;
};
Explanations explanationsOf(const Options& o, ReportCase& c) {
    const bool shown =
        ((o.mode == Mode::Summary || o.mode == Mode::Owed) && !o.csv) || !o.pdf.isEmpty();
    if (!shown || !c.diagnosisInputs())
        return {};
    const Diagnosis::Result& r = c.diagnosis();
    return {DiagnosisText::lines(r), DiagnosisText::text(r)};
}

// The pass-on tables of the account's variable terms, under the summary's text.
QString summaryPassOn(ReportCase& c, QStringList& notices) {
    if (!c.snapshot().terms) {
        notices << QStringLiteral("The rate terms cannot be read: %1").arg(c.snapshot().termsError);
        return QString();
    }
    QString out;
    for (const TermsCheck::PassOnSection& section : c.passOn())
        out += QLatin1Char('\n') +
               ReferenceRendering::passOnText(section.table, section.series, section.lagDays);
    return out;
}

// The summary, as text with its pass-on tables and explanations, or as CSV.
int printSummary(const Options& o, ReportCase& c, const SummaryRendering::Basis& basis,
                 QStringList& notices) {
    const QString passOnText =
        o.mode == Mode::Summary && !o.csv ? summaryPassOn(c, notices) : QString();
    const std::optional<InterestSummary::Summary>& summary = c.summary();
    if (!summary)
        return unreadable(QStringLiteral("the summary's sums leave the range of amounts"));
    printOut(o.csv ? SummaryRendering::csv(*summary)
                   : (SummaryRendering::text(*summary, basis) + passOnText + QLatin1Char('\n') +
                      explanationsOf(o, c).text)
                         .toUtf8());
    return Written;
}

// The report, or what its mode prints instead of it, with the calculation's notices after it.
int printReport(const Options& o, ReportCase& c, QStringList notices) {
    const SummaryRendering::Basis basis = c.shownBasis(QFileInfo(o.account).absoluteFilePath());
    const InterestWorking::Working& working = c.working();
    std::optional<WorkingRendering::Table> explained;
    int posting = -1;
    if (o.explain.isValid()) {
        posting = working.postingOn(o.explain);
        if (posting < 0) {
            printNotices(notices);
            return unreadable(noPosting(working, o.explain));
        }
        explained = WorkingRendering::table(
            working, posting, InterestWorking::ratesOf(working, posting, c.lines()), basis);
    }
    switch (o.mode) {
    case Mode::Explain:
        printOut(o.csv ? WorkingRendering::csv(working, posting)
                       : WorkingRendering::text(*explained).toUtf8());
        break;
    case Mode::Rates:
        printOut(o.csv ? WorkingRendering::ratesCsv(working, c.postingRates())
                       : WorkingRendering::ratesText(working, c.postingRates(), basis).toUtf8());
        break;
    case Mode::Summary:
    case Mode::Owed:
        if (const int status = printSummary(o, c, basis, notices); status != Written)
            return status;
        break;
    case Mode::Report:
        if (o.pdf.isEmpty()) {
            printLines(o, c);
        } else if (const QString problem = writePdf(o, c, explained, explanationsOf(o, c).lines);
                   !problem.isEmpty()) {
            return unreadable(problem);
        }
        break;
    default:
        break; // printed before any calculation
    }
    printNotices(notices);
    if (std::fflush(stdout) != 0)
        return unreadable(QStringLiteral("the report could not be written"));
    return Written;
}

// Whether the owed rates of the account's terms can stand in. Without --summary they are printed
// here, and false comes back with `error` empty; false with `error` when they cannot be had.
bool owedRates(const Options& o, const AccountSnapshot& snapshot, QStringList& notices,
               QString* error) {
    if (!snapshot.terms) {
        *error = snapshot.termsError;
        return false;
    }
    notices << snapshot.terms->notices;
    const TermsCheck::OwedRates owed = TermsCheck::owedRates(snapshot.inputs, *snapshot.terms);
    if (owed.refusal == TermsCheck::OwedRates::Refusal::NoTerms) {
        *error = QStringLiteral("the account holds no rate terms (Lender, Rate Terms...)");
        return false;
    }
    if (!o.summary) {
        printOut(o.csv ? ReferenceRendering::owedCsv(owed.owed)
                       : ReferenceRendering::owedText(owed.owed).toUtf8());
        printNotices(notices << (o.csv ? owed.owed.notices : QStringList()));
        if (std::fflush(stdout) != 0)
            *error = QStringLiteral("the owed rates could not be written");
        return false;
    }
    notices << owed.owed.notices;
    if (!owed.ok()) {
        printNotices(notices);
        *error = QStringLiteral("the rate terms do not owe a rate on every day of the history");
        return false;
    }
    return true;
}

// Which known mistake explains the differences.
int printDiagnosis(const Options& o, ReportCase& c, QStringList notices) {
    if (!c.diagnosisInputs())
        return unreadable(QStringLiteral("The account file '%1' cannot be read: %2")
                              .arg(o.account, c.snapshot().termsError));
    notices << c.snapshot().terms->notices;
    const Diagnosis::Result& r = c.diagnosis();
    printOut(o.csv ? DiagnosisText::csv(r) : DiagnosisText::text(r).toUtf8());
    printNotices(notices);
    return std::fflush(stdout) == 0 ? Written : Unreadable;
}

// The repayments taken beside those required, or when the loan is paid off.
int printRepayments(const Options& o, ReportCase& c, QStringList notices) {
    if (!c.snapshot().repaymentTerms.isSet())
        return usageError(QStringLiteral("the account keeps no repayment terms (Lender, "
                                         "Repayment Terms...): give --first-repayment and "
                                         "--term, --last-repayment or --initial-repayment-rate"));
    const RepaymentCheck::Result& r = c.repayments();
    notices << c.engineNotices() << r.notices;
    if (o.mode == Mode::Repayments) {
        printOut(o.csv ? RepaymentRendering::csv(r)
                       : RepaymentRendering::text(r, c.snapshot().repaymentTerms.stated).toUtf8());
    } else {
        const Payoff::Result p = c.payoff(o.extra.value_or(Money()));
        if (o.csv) {
            printOut(RepaymentRendering::payoffCsv(p));
            notices << p.notices;
        } else {
            printOut((RepaymentRendering::payoffLines(p, r.termEnd).join(QLatin1Char('\n')) +
                      QLatin1Char('\n'))
                         .toUtf8());
        }
    }
    printNotices(notices);
    return std::fflush(stdout) == 0 ? Written : Unreadable;
}

// The repayment terms given stand in for the account's in the working copy alone.
QString useRepaymentTerms(const Options& o, QSqlDatabase db, bool* usage) {
    QString notice;
    QString problem;
    const std::optional<Repayments::Terms> t =
        ReportOptions::repaymentTerms(o, Repayments::read(db, &notice), &problem);
    *usage = !t;
    if (t && !Repayments::write(db, *t, &problem))
        return QStringLiteral("the repayment terms cannot be kept for the run: ") + problem;
    return problem;
}

// The letter of complaint and its evidence, from the details kept in the account.
int writeComplaint(const Options& o, std::shared_ptr<ReportCase> run, const QStringList& notices) {
    QString error;
    std::optional<Complaint::Case> c =
        Complaint::prepare(std::move(run), QFileInfo(o.account).absoluteFilePath(), &error);
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

// The calculation day the run is under: --day, else the account's in force (a fixed-day method
// needs one). nullopt, with `problem` saying so, when there is none.
std::optional<CalcDay::Day> dayOf(const Options& o, QSqlDatabase db, QString* problem) {
    if (o.fixedDay)
        return CalcDay::Day::fromCalcTo(*o.fixedDay);
    const bool fixedDayMethod =
        o.method && InterestMethod::isFixedDay(*o.method) && !(o.mode == Mode::Owed && !o.summary);
    if (!fixedDayMethod)
        return CalcDay::Day();
    const std::optional<CalcDay::Day> stored = CalcDay::inForce(db);
    if (!stored || stored->calcTo().isEmpty()) {
        *problem = QStringLiteral("the account has no calculation day: give --day N");
        return std::nullopt;
    }
    return CalcDay::Day::fromCalcTo(stored->calcTo());
}

// The modes that run the report: its lines, summary, working, diagnosis or complaint.
int runReport(const Options& o, std::shared_ptr<const AccountSnapshot> snapshot,
              CalculationBasis basis, QStringList notices) {
    if (o.mode == Mode::Owed) {
        QString error;
        if (!owedRates(o, *snapshot, notices, &error))
            return error.isEmpty() ? Written : unreadable(error);
        basis.rates = RateSource::Owed;
    }
    // The working only where it is shown: without it the walk records nothing.
    const bool workingShown = o.summary || o.rates || o.explain.isValid() || !o.pdf.isEmpty() ||
                              o.mode == Mode::Complaint;
    auto c = std::make_shared<ReportCase>(snapshot, basis, workingShown);
    if (o.mode == Mode::Diagnose)
        return printDiagnosis(o, *c, notices);
    if (o.mode == Mode::Complaint)
        return writeComplaint(o, std::move(c), notices);
    if (o.mode == Mode::Repayments || o.mode == Mode::Payoff)
        return printRepayments(o, *c, notices);
    if (snapshot->inputs.history.isEmpty()) {
        notices << QString::fromLatin1(ReportPreparation::NoTransactions);
    } else {
        notices << c->engineNotices();
        if (c->missing())
            notices << c->missing()->joined();
    }
    return printReport(o, *c, notices);
}

int run(const Options& o) {
    if (o.setRun)
        return ReportSet::run(o);
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
    QString problem;
    if (o.repaymentTermsGiven()) {
        bool usage = false;
        problem = useRepaymentTerms(o, db, &usage);
        if (!problem.isEmpty())
            return usage ? usageError(problem) : unreadable(problem);
    }
    const std::optional<CalcDay::Day> day = dayOf(o, db, &problem);
    if (!day)
        return usageError(problem);
    QString error;
    std::optional<AccountSnapshot> read = Snapshot::read(db, &error);
    if (!read)
        return unreadable(
            QStringLiteral("The account file '%1' cannot be read: %2").arg(o.account, error));
    const auto snapshot = std::make_shared<const AccountSnapshot>(std::move(*read));
    const QStringList notices = snapshot->inputs.notices;
    if (o.mode == Mode::Fit)
        return printFit(o, *snapshot, notices);
    // A file of layout 1 has no settings: the defaults.
    const std::optional<LenderConventions> conventions =
        ReportOptions::conventions(o, snapshot->inputs.conventions, &problem);
    if (!conventions)
        return usageError(problem);
    const CalculationBasis basis{o.method.value_or(InterestMethod::FixedDay), *day, *conventions};
    if (o.mode == Mode::Propose)
        return printProposal(o, *snapshot, basis, notices);
    if (o.mode == Mode::Reference)
        return printPassOn(o, db, *snapshot, basis, notices);
    return runReport(o, snapshot, basis, notices);
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
