// vantrell-report: the interest report of a loan account on standard output, the same lines as
// "View Report" shows, for scripts and spreadsheets. The account is only read: it is opened
// read-only and copied into memory, and the calculation's write-back goes to the copy alone.
#include "ProgramVersion.h"
#include "data/AccountConnection.h"
#include "engine/CalcDay.h"
#include "engine/InterestEngine.h"
#include "engine/LenderFit.h"
#include "engine/RateProposal.h"
#include "engine/ReportPreparation.h"
#include "engine/ReportStore.h"
#include "render/LenderFitRendering.h"
#include "render/PrintedReport.h"
#include "render/RateProposalRendering.h"
#include "render/ReportRendering.h"
#include "render/ReportTable.h"
#include "render/SummaryRendering.h"
#include "render/WorkingRendering.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

enum Exit { Written = 0, UsageError = 1, Unreadable = 2 };

const char* const Usage =
    "usage: vantrell-report ACCOUNT --method M [--day N] [--summary | --rates]\n"
    "                       [--explain DATE] [--format text|csv | --pdf FILE]\n"
    "                       [--day-count D] [--rounding R]\n"
    "       vantrell-report ACCOUNT --fit [--format text|csv]\n"
    "       vantrell-report ACCOUNT --propose-rates --method M|any [--day N]\n"
    "                       [--day-count D] [--rounding R] [--format text|csv]\n"
    "       vantrell-report --help | --version\n"
    "\n"
    "Prints the interest report of a loan account: the lines \"View Report\" shows, with the\n"
    "interest due by the lender's method beside the interest charged. The account is only read.\n"
    "\n"
    "  --method M   the interest calculation method, by number or name (case ignored):\n"
    "               0 \"Fixed Day\", 1 \"Fixed Day, Deferred Interest\", 2 \"Variable Day\",\n"
    "               3 \"Variable Day, Deferred Interest\"\n"
    "  --day N      the day of month interest is calculated from, 1 to 28, for the fixed-day\n"
    "               methods (default: the account's last setting)\n"
    "  --format F   text (default): aligned columns, then the interest totals;\n"
    "               csv: ISO dates and plain amounts, the same in every locale;\n"
    "               an account with an offset account gains a last column, \"Offset\":\n"
    "               the part of the offset balance counted on the line's day\n"
    "  --summary    prints instead what the lender over- or under-charged: the totals, the\n"
    "               largest differences and the calendar years; as CSV one line a year,\n"
    "               \"year,charged,due,difference,not_comparable\" (postings whose period is\n"
    "               incomplete, left out of the comparison), then the \"total\" line\n"
    "  --pdf FILE   writes the printed report to FILE as PDF instead (A4); with --explain\n"
    "               the posting's working follows the report on a page of its own\n"
    "  --explain DATE  prints instead the working of the interest posted on DATE (YYYY-MM-DD):\n"
    "               each day of its period as the calculation accrued it, then the total,\n"
    "               the lender's charge and the rates; as CSV one line a day,\n"
    "               \"date,balance,offset,accruing,deferred,rate,divisor,days,amount,running\"\n"
    "               (the loan's balance, the counted offset, the balance that bears interest,\n"
    "               the deferred interest added back, the yearly rate, its divisor, the days\n"
    "               the day stands for, the day's interest as kept under the rounding and the\n"
    "               running total; offset and deferred empty where they do not apply)\n"
    "  --rates      prints instead, for each interest posting, the rate the lender effectively\n"
    "               charged: the range of yearly rates that give exactly its charge on that\n"
    "               period's balances, its middle to three decimals (the nearest, marked\n"
    "               \"≈\", where no rate gives it exactly); as CSV \"date,charged,due,\n"
    "               entered_min,entered_max,effective,exact,comparable\" (exact and\n"
    "               comparable 1 or 0; effective and exact empty where there is none)\n"
    "  --day-count D  how the lender divides the yearly rate (default: the account's setting):\n"
    "               act365 (Actual/365 Fixed), actact (Actual/Actual), act365nl (Actual/365\n"
    "               No-Leap), act360 (Actual/360), 30360 (30/360)\n"
    "  --rounding R how the lender rounds interest (default: the account's setting): day4 (each\n"
    "               day to four decimals), day2 (each day to cents), posting (only the total)\n"
    "  --fit        ranks every method, day, day count and rounding by how closely the interest\n"
    "               due matches the interest charged, best first; as CSV\n"
    "               \"method,day,day_count,rounding,matched,charges,difference\"\n"
    "  --propose-rates  prints instead the rate periods that reproduce the lender's own\n"
    "               interest charges, for a history without its rates (the account's rate\n"
    "               periods are not used): each period with how many postings it reproduces\n"
    "               to the cent, then each posting no period reproduces, with the one yearly\n"
    "               rate nearest its charge and the charge less the interest due under the\n"
    "               periods; as CSV one record a line under the header\n"
    "               \"kind,from,to,rate,postings,date,charged,nearest_rate,difference\":\n"
    "               kind \"period\" (from, to, rate, postings filled) or \"unexplained\"\n"
    "               (date, charged, nearest_rate, difference filled).\n"
    "               --method any tries every method, day and convention, proposes under\n"
    "               the one whose periods reproduce most charges (then: fewest periods)\n"
    "               and names its choice on standard error\n"
    "  --help       prints this text\n"
    "  --version    prints the program's version\n"
    "\n"
    "Exit status: 0 report written, 1 usage error, 2 account unreadable, report not written\n"
    "or no interest posting on the --explain DATE, or no rate could be proposed.\n"
    "Notices go to standard error, one a line.\n";

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), to);
}

int usageError(const QString& problem) {
    print(stderr, QStringLiteral("vantrell-report: %1\n\n").arg(problem));
    print(stderr, QString::fromUtf8(Usage));
    return UsageError;
}

int unreadable(const QString& problem) {
    print(stderr, QStringLiteral("vantrell-report: %1\n").arg(problem));
    return Unreadable;
}

struct Options {
    QString account;
    int method = -1;
    std::optional<QString> fixedDay; // the CalcTo text of --day
    bool csv = false;
    bool summary = false; // the over/under-charge summary instead of the lines
    QString pdf;          // the printed report's file, "" for none
    // --day-count and --rounding, over the account's settings.
    std::optional<DayCount> dayCount;
    std::optional<InterestRounding> rounding;
    // --fit: the search for the lender's method instead of the report.
    bool fit = false;
    QDate explain; // --explain: the posting whose working is printed; not valid for none
    bool rates = false;
    // --propose-rates: rate periods from the lender's charges; anyMethod: under the best way.
    bool proposeRates = false;
    bool anyMethod = false;
    bool help = false;
    bool version = false;
};

// The method code of "0" to "3" or of a list entry's text.
std::optional<int> methodCode(const QString& text) {
    const QStringList& names = InterestMethod::names();
    for (int code = 0; code < names.size(); ++code) {
        if (text == QString::number(code) || text.compare(names[code], Qt::CaseInsensitive) == 0)
            return code;
    }
    return std::nullopt;
}

// Options as "--name value" or "--name=value".
std::optional<Options> parseArguments(const QStringList& args, QString* problem) {
    Options o;
    bool haveMethod = false;
    bool haveFormat = false;
    for (int i = 1; i < args.size(); ++i) {
        QString arg = args[i];
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            o.help = true;
            return o;
        }
        if (arg == QLatin1String("--version")) {
            o.version = true;
            return o;
        }
        if (!arg.startsWith(QLatin1String("--")) || arg == QLatin1String("--")) {
            if (!o.account.isEmpty()) {
                *problem = QStringLiteral("only one ACCOUNT may be given");
                return std::nullopt;
            }
            o.account = arg;
            continue;
        }
        QString value;
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            value = arg.mid(eq + 1);
            arg.truncate(eq);
        } else if (arg == QLatin1String("--method") || arg == QLatin1String("--day") ||
                   arg == QLatin1String("--format") || arg == QLatin1String("--pdf") ||
                   arg == QLatin1String("--day-count") || arg == QLatin1String("--rounding") ||
                   arg == QLatin1String("--explain")) {
            if (i + 1 >= args.size()) {
                *problem = QStringLiteral("%1 needs a value").arg(arg);
                return std::nullopt;
            }
            value = args[++i];
        }
        if (arg == QLatin1String("--method") && !haveMethod &&
            value.compare(QLatin1String("any"), Qt::CaseInsensitive) == 0) {
            o.anyMethod = true;
            haveMethod = true;
        } else if (arg == QLatin1String("--method") && !haveMethod) {
            const std::optional<int> code = methodCode(value);
            if (!code) {
                *problem = QStringLiteral("unknown method '%1'").arg(value);
                return std::nullopt;
            }
            o.method = *code;
            haveMethod = true;
        } else if (arg == QLatin1String("--day") && !o.fixedDay) {
            const std::optional<QString> calcTo = CalcDay::calcToFor(value);
            if (!calcTo) {
                *problem = QStringLiteral("the day must be a whole number from 1 to 28, not '%1'")
                               .arg(value);
                return std::nullopt;
            }
            o.fixedDay = *calcTo;
        } else if (arg == QLatin1String("--format") && !haveFormat) {
            if (value != QLatin1String("text") && value != QLatin1String("csv")) {
                *problem = QStringLiteral("the format is text or csv, not '%1'").arg(value);
                return std::nullopt;
            }
            o.csv = value == QLatin1String("csv");
            haveFormat = true;
        } else if (arg == QLatin1String("--day-count") && !o.dayCount) {
            o.dayCount = Conventions::dayCountFromWord(value);
            if (!o.dayCount) {
                *problem = QStringLiteral("the day count is one of %1, not '%2'")
                               .arg(Conventions::dayCountWords().join(QLatin1String(", ")), value);
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--rounding") && !o.rounding) {
            o.rounding = Conventions::roundingFromWord(value);
            if (!o.rounding) {
                *problem = QStringLiteral("the rounding is one of %1, not '%2'")
                               .arg(Conventions::roundingWords().join(QLatin1String(", ")), value);
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--explain") && !o.explain.isValid()) {
            o.explain = QDate::fromString(value, Qt::ISODate);
            if (!o.explain.isValid()) {
                *problem =
                    QStringLiteral("--explain takes a date as YYYY-MM-DD, not '%1'").arg(value);
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--rates") && eq < 0 && !o.rates) {
            o.rates = true;
        } else if (arg == QLatin1String("--propose-rates") && eq < 0 && !o.proposeRates) {
            o.proposeRates = true;
        } else if (arg == QLatin1String("--fit") && eq < 0 && !o.fit) {
            o.fit = true;
        } else if (arg == QLatin1String("--summary") && eq < 0 && !o.summary) {
            o.summary = true;
        } else if (arg == QLatin1String("--pdf") && o.pdf.isEmpty()) {
            if (value.isEmpty()) {
                *problem = QStringLiteral("--pdf needs a file name");
                return std::nullopt;
            }
            o.pdf = value;
        } else {
            *problem = QStringLiteral("unknown or repeated option '%1'").arg(args[i]);
            return std::nullopt;
        }
    }
    if (o.account.isEmpty()) {
        *problem = QStringLiteral("no ACCOUNT given");
        return std::nullopt;
    }
    if (o.fit && (haveMethod || o.fixedDay || o.dayCount || o.rounding || o.summary ||
                  !o.pdf.isEmpty() || o.explain.isValid() || o.rates)) {
        *problem = QStringLiteral("--fit tries every method, day and convention: it takes no "
                                  "--method, --day, --day-count, --rounding, --summary, --pdf, "
                                  "--explain or --rates");
        return std::nullopt;
    }
    if (o.proposeRates &&
        (o.fit || o.summary || o.rates || o.explain.isValid() || !o.pdf.isEmpty())) {
        *problem = QStringLiteral("--propose-rates prints the proposed rate periods: it takes no "
                                  "--fit, --summary, --rates, --explain or --pdf");
        return std::nullopt;
    }
    if (o.anyMethod && (!o.proposeRates || o.fixedDay || o.dayCount || o.rounding)) {
        *problem = QStringLiteral("--method any is for --propose-rates, and tries every day, day "
                                  "count and rounding itself: no --day, --day-count or --rounding");
        return std::nullopt;
    }
    if (int(o.summary) + int(o.rates) + int(o.explain.isValid() && o.pdf.isEmpty()) > 1) {
        *problem = QStringLiteral("--summary, --rates and --explain each print a report of their "
                                  "own: give one of them");
        return std::nullopt;
    }
    if (o.rates && !o.pdf.isEmpty()) {
        *problem = QStringLiteral("--rates prints the rates: no --pdf with it (the printed "
                                  "report's summary page says how many postings differ)");
        return std::nullopt;
    }
    if (!haveMethod && !o.fit) {
        *problem = QStringLiteral("--method is required");
        return std::nullopt;
    }
    if (o.summary && !o.pdf.isEmpty()) {
        *problem = QStringLiteral("--summary prints the summary: no --pdf with it (the printed "
                                  "report begins with it)");
        return std::nullopt;
    }
    if (haveFormat && !o.pdf.isEmpty()) {
        *problem = QStringLiteral("--pdf writes the printed report: no --format with it");
        return std::nullopt;
    }
    return o;
}

// The printed report of `lines`, as the report window prints it, into the file --pdf names; ""
// when written, else why not. An earlier file of that name stays as it was unless the new one is
// complete.
QString writePdf(const Options& o, const QVector<ReportLine>& lines, const QString& conventions,
                 bool offsetColumn, int missingStatement,
                 const InterestSummary::PostingRateMap& rates,
                 const std::optional<WorkingRendering::Table>& working) {
    PrintedReport::Content content;
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

    QSaveFile file(o.pdf);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write '%1': %2").arg(o.pdf, file.errorString());
    QPdfWriter writer(&file);
    writer.setPageLayout(PrintedReport::pageLayout(QPageSize(QPageSize::A4), offsetColumn));
    writer.setTitle(QString::fromLatin1(PrintedReport::Caption));
    writer.setCreator(QStringLiteral("Vantrell"));
    QString error;
    if (!PrintedReport::paint(writer, content, &error))
        return QStringLiteral("cannot write '%1': %2").arg(o.pdf, error);
    if (!file.commit())
        return QStringLiteral("cannot write '%1': %2").arg(o.pdf, file.errorString());
    return QString();
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
        notices << QString::fromLatin1(RateProposal::NothingToPropose);
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

int run(const Options& o) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
    db.setDatabaseName(QStringLiteral(":memory:"));
    if (!db.open())
        return unreadable(QStringLiteral("cannot make a working copy of the account"));
    if (const QString problem = AccountDatabase::copyIntoMemory(o.account, db); !problem.isEmpty())
        return unreadable(problem);

    QString fixedDay = o.fixedDay.value_or(QString());
    const bool fixedDayMethod =
        o.method == InterestMethod::FixedDay || o.method == InterestMethod::FixedDayDeferred;
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
    const QVector<HistoryRow>& history = in->history;
    const QVector<RatePeriod>& rates = in->rates;
    const QVector<int>& numbers = in->statementNumbers;
    const OffsetAccount& offset = in->offset;
    QStringList notices = in->notices;
    if (o.fit)
        return printFit(o, db, history, rates, offset, notices);

    // A file of layout 1 has no settings: the defaults.
    LenderConventions conventions = in->conventions;
    conventions.dayCount = o.dayCount.value_or(conventions.dayCount);
    conventions.rounding = o.rounding.value_or(conventions.rounding);
    if (o.proposeRates)
        return printProposal(o, db, history, fixedDay, conventions, offset, notices);
    // The working only where it is shown: without it the walk records nothing.
    const bool workingShown = o.summary || o.rates || o.explain.isValid() || !o.pdf.isEmpty();
    QVector<ReportLine> lines;
    InterestWorking::Working working;
    working.method = o.method;
    working.conventions = conventions;
    int missingStatement = 0;
    if (history.isEmpty()) {
        notices << QString::fromLatin1(ReportPreparation::NoTransactions);
    } else {
        InterestEngine::Worked worked;
        if (workingShown)
            worked = InterestEngine::calculateWithWorking(history, rates, o.method, fixedDay,
                                                          conventions, offset);
        else
            worked.result =
                InterestEngine::calculate(history, rates, o.method, fixedDay, conventions, offset);
        lines = std::move(worked.result.lines);
        notices << worked.result.notices;
        working = std::move(worked.working);
        if (const auto missing = ReportPreparation::missingStatements(numbers)) {
            notices << missing->joined();
            missingStatement = missing->namedStatement();
        }
    }

    SummaryRendering::Basis basis;
    basis.account = QFileInfo(o.account).absoluteFilePath();
    basis.method = o.method;
    basis.fixedDay = fixedDay;
    basis.conventions = conventions;
    InterestSummary::PostingRateMap postingRates;
    if (o.summary || o.rates || !o.pdf.isEmpty())
        postingRates = InterestWorking::postingRates(working, lines);
    std::optional<WorkingRendering::Table> explained;
    int posting = -1;
    if (o.explain.isValid()) {
        posting = working.postingOn(o.explain);
        if (posting < 0) {
            for (const QString& notice : notices)
                print(stderr, notice + QLatin1Char('\n'));
            return unreadable(noPosting(working, o.explain));
        }
        explained = WorkingRendering::table(
            working, posting, InterestWorking::ratesOf(working, posting, lines), basis);
    }

    // The text says which conventions its figures follow when they are not the defaults.
    if (const QString note = Conventions::reportNote(conventions);
        !note.isEmpty() && !o.csv && o.pdf.isEmpty() && !o.summary && !o.rates &&
        !o.explain.isValid()) // these say them
        print(stdout, note + QStringLiteral("\n\n"));
    if (o.explain.isValid() && o.pdf.isEmpty()) {
        const QByteArray text = o.csv ? WorkingRendering::csv(working, posting)
                                      : WorkingRendering::text(*explained).toUtf8();
        std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    } else if (o.rates) {
        const QByteArray text =
            o.csv ? WorkingRendering::ratesCsv(working, postingRates)
                  : WorkingRendering::ratesText(working, postingRates, basis).toUtf8();
        std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    } else if (o.summary) {
        const std::optional<InterestSummary::Summary> summary =
            InterestSummary::summarise(lines, missingStatement, &postingRates);
        if (!summary)
            return unreadable(QStringLiteral("the summary's sums leave the range of amounts"));
        const QByteArray text = o.csv ? SummaryRendering::csv(*summary)
                                      : SummaryRendering::text(*summary, basis).toUtf8();
        std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout);
    } else if (!o.pdf.isEmpty()) {
        if (const QString problem =
                writePdf(o, lines, Conventions::reportNote(conventions), offset.hasData(),
                         missingStatement, postingRates, explained);
            !problem.isEmpty())
            return unreadable(problem);
    } else {
        const QByteArray report = o.csv ? ReportRendering::csv(lines, offset.hasData())
                                        : ReportRendering::text(lines, offset.hasData());
        std::fwrite(report.constData(), 1, std::size_t(report.size()), stdout);
    }
    for (const QString& notice : notices)
        print(stderr, notice + QLatin1Char('\n'));
    if (std::fflush(stdout) != 0)
        return unreadable(QStringLiteral("the report could not be written"));
    return Written;
}

// Whether the arguments ask for the printed report, before Qt has read them.
bool wantsPdf(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0)
            return true;
    }
    return false;
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
        print(stdout, QString::fromUtf8(Usage));
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
