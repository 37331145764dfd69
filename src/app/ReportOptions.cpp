#include "ReportOptions.h"

#include "CommandLine.h"
#include "ReportOptionTable.h"
#include "engine/CalcDay.h"
#include "loanset/LoanSet.h"

#include <QFileInfo>

namespace ReportOptions {

namespace {

bool isSetFile(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String(LoanSet::Suffix), Qt::CaseInsensitive) ==
           0;
}


// Whether any of the lender's conventions is given.
bool conventionsGiven(const Options& o) {
    return o.dayCount || o.rounding || o.rest || o.compounding || o.perYear;
}

// The problems that more than one mode finds.
QString proposalAlone() {
    return QStringLiteral("--propose-rates prints the proposed rate periods: it takes no --fit, "
                          "--summary, --rates, --explain or --pdf");
}

QString anyMethodAlone() {
    return QStringLiteral("--method any is for --propose-rates, and tries every day and "
                          "convention itself: no --day, --day-count, --rounding, --rest, "
                          "--compounding or --per-year");
}

QString oneReportOnly() {
    return QStringLiteral("--summary, --rates and --explain each print a report of their own: "
                          "give one of them");
}

QString methodRequired() {
    return QStringLiteral("--method is required");
}

// Each mode's options: "" when they go together, else the first problem with them. Every mode
// checks in the same order: --fit, --propose-rates, --method any, one print only, --rates with
// --pdf, --method missing, --summary with --pdf, --format with --pdf.

QString fitProblem(const Given& given) {
    const Options& o = given.options;
    if (given.method || o.fixedDay || conventionsGiven(o) || o.summary || !o.pdf.isEmpty() ||
        o.explain.isValid() || o.rates)
        return QStringLiteral("--fit tries every method, day and convention: it takes no "
                              "--method, --day, --day-count, --rounding, --rest, --compounding, "
                              "--per-year, --summary, --pdf, --explain or --rates");
    if (o.proposeRates)
        return proposalAlone();
    return QString();
}

QString proposalProblem(const Given& given) {
    const Options& o = given.options;
    if (o.summary || o.rates || o.explain.isValid() || !o.pdf.isEmpty())
        return proposalAlone();
    if (o.anyMethod && (o.fixedDay || conventionsGiven(o)))
        return anyMethodAlone();
    if (!given.method)
        return methodRequired();
    return QString();
}

QString ratesProblem(const Given& given) {
    const Options& o = given.options;
    if (o.anyMethod)
        return anyMethodAlone();
    if (o.summary || (o.explain.isValid() && o.pdf.isEmpty()))
        return oneReportOnly();
    if (!o.pdf.isEmpty())
        return QStringLiteral("--rates prints the rates: no --pdf with it (the printed report's "
                              "summary page says how many postings differ)");
    if (!given.method)
        return methodRequired();
    return QString();
}

QString summaryProblem(const Given& given) {
    const Options& o = given.options;
    if (o.anyMethod)
        return anyMethodAlone();
    if (o.explain.isValid() && o.pdf.isEmpty())
        return oneReportOnly();
    if (!given.method)
        return methodRequired();
    if (!o.pdf.isEmpty())
        return QStringLiteral("--summary prints the summary: no --pdf with it (the printed "
                              "report begins with it)");
    return QString();
}

QString explainProblem(const Given& given) {
    if (given.options.anyMethod)
        return anyMethodAlone();
    if (!given.method)
        return methodRequired();
    return QString();
}

// The report's lines as text or CSV, or the printed report (with --explain's working after it).
QString reportProblem(const Given& given) {
    const Options& o = given.options;
    if (o.anyMethod)
        return anyMethodAlone();
    if (!given.method)
        return methodRequired();
    if (given.format && !o.pdf.isEmpty())
        return QStringLiteral("--pdf writes the printed report: no --format with it");
    return QString();
}

// The options given that each print something of their own, by name.
QStringList printsGiven(const Options& o) {
    const std::pair<bool, const char*> prints[] = {{o.fit, "--fit"},
                                                   {o.proposeRates, "--propose-rates"},
                                                   {o.summary, "--summary"},
                                                   {o.rates, "--rates"},
                                                   {o.explain.isValid(), "--explain"},
                                                   {!o.pdf.isEmpty(), "--pdf"},
                                                   {o.owed, "--owed"},
                                                   {!o.reference.isEmpty(), "--reference"},
                                                   {o.diagnose, "--diagnose"},
                                                   {!o.complaint.isEmpty(), "--complaint"},
                                                   {!o.evidence.isEmpty(), "--evidence"},
                                                   {o.repayments, "--repayments"},
                                                   {o.payoff, "--payoff"}};
    QStringList given;
    for (const auto& [on, name] : prints) {
        if (on)
            given << QString::fromLatin1(name);
    }
    return given;
}

// A mode that prints or writes only its own: `options` (its own) and no other print, under one
// method. `does` says what it prints.
QString aloneProblem(const Given& given, const QStringList& options, const QString& does) {
    QStringList others = printsGiven(given.options);
    for (const QString& own : options)
        others.removeAll(own);
    if (!others.isEmpty())
        return QStringLiteral("%1 %2: it takes no %3")
            .arg(options.join(QLatin1String(" and ")), does, others.join(QLatin1String(", ")));
    if (given.options.anyMethod)
        return anyMethodAlone();
    if (!given.method)
        return methodRequired();
    return QString();
}

QString referenceProblem(const Given& given) {
    return aloneProblem(given, {QStringLiteral("--reference")},
                        QStringLiteral("prints the changes passed on"));
}

QString diagnoseProblem(const Given& given) {
    return aloneProblem(given, {QStringLiteral("--diagnose")},
                        QStringLiteral("prints the explanations"));
}

QString complaintProblem(const Given& given) {
    if (given.format)
        return QStringLiteral("--complaint and --evidence write files: no --format with them");
    return aloneProblem(given, {QStringLiteral("--complaint"), QStringLiteral("--evidence")},
                        QStringLiteral("write the letter and its evidence"));
}

QString repaymentsProblem(const Given& given) {
    return aloneProblem(given, {QStringLiteral("--repayments")},
                        QStringLiteral("prints the repayments"));
}

QString payoffProblem(const Given& given) {
    return aloneProblem(given, {QStringLiteral("--payoff")},
                        QStringLiteral("prints when the loan is paid off"));
}

QString seriesListProblem(const Given& given) {
    const Options& o = given.options;
    if (given.method || given.format || o.fixedDay || conventionsGiven(o) || o.fit ||
        o.proposeRates || o.summary || o.rates || o.explain.isValid() || !o.pdf.isEmpty() ||
        o.owed || o.margin || o.lag || o.diagnose || !o.complaint.isEmpty() ||
        !o.evidence.isEmpty() || o.repayments || o.payoff || o.extra || o.repaymentTermsGiven())
        return QStringLiteral("--reference list lists the series: it takes no other option");
    return QString();
}

QString owedProblem(const Given& given) {
    const Options& o = given.options;
    QStringList others = printsGiven(o);
    others.removeAll(QStringLiteral("--owed"));
    others.removeAll(QStringLiteral("--summary"));
    if (!others.isEmpty())
        return QStringLiteral("--owed prints the owed rate periods or, with --summary, the "
                              "summary under them: it takes no %1")
            .arg(others.join(QLatin1String(", ")));
    if (o.anyMethod)
        return anyMethodAlone();
    if (o.summary && !given.method)
        return methodRequired();
    return QString();
}

// Whether the mode reads the rate terms: the owed rates, the summary's pass-on tables, what
// explains the differences (on the printed summary page too) and the letter.
bool termsCount(const Options& o) {
    switch (o.mode) {
    case Mode::Owed:
    case Mode::Summary:
    case Mode::Diagnose:
    case Mode::Complaint:
    case Mode::Repayments:
    case Mode::Payoff:
        return true;
    case Mode::Report:
        return !o.pdf.isEmpty();
    case Mode::Fit:
    case Mode::Propose:
    case Mode::Rates:
    case Mode::Explain:
    case Mode::Reference:
    case Mode::SeriesList:
        break;
    }
    return false;
}

Mode modeOf(const Options& o) {
    if (o.reference == QLatin1String("list"))
        return Mode::SeriesList;
    if (!o.reference.isEmpty())
        return Mode::Reference;
    if (o.diagnose)
        return Mode::Diagnose;
    if (o.repayments)
        return Mode::Repayments;
    if (o.payoff)
        return Mode::Payoff;
    if (!o.complaint.isEmpty() || !o.evidence.isEmpty())
        return Mode::Complaint;
    if (o.owed)
        return Mode::Owed;
    if (o.fit)
        return Mode::Fit;
    if (o.proposeRates)
        return Mode::Propose;
    if (o.rates)
        return Mode::Rates;
    if (o.summary)
        return Mode::Summary;
    if (o.explain.isValid() && o.pdf.isEmpty())
        return Mode::Explain;
    return Mode::Report;
}

using ToolMode = CommandLine::Mode<Mode, Given>;

// The conventions beyond the day count and rounding, in each form that takes them.
const char* const MoreConventions = "[--rest S] [--compounding C] [--per-year N]";

// The repayment terms given for a run.
const char* const RepaymentTermsForm =
    "[--first-repayment DATE] [--term N | --last-repayment DATE |";
const char* const RepaymentTermsForm2 =
    "--initial-repayment-rate P] [--frequency F] [--interest-only-until DATE]";

// The modes in the order of the usage, with their checks.
const QList<ToolMode> Modes = {
    {Mode::Report,
     "report",
     "the report's lines as text or CSV, or the printed report (with --explain's working "
     "after it)",
     {{"ACCOUNT --method M [--day N] [--summary | --rates]",
       "[--explain DATE] [--format text|csv | --pdf FILE]", "[--day-count D] [--rounding R]",
       MoreConventions}},
     reportProblem},
    {Mode::Summary, "summary", "what the lender over- or under-charged", {}, summaryProblem},
    {Mode::Rates, "rates", "the rate each posting effectively charged", {}, ratesProblem},
    {Mode::Explain, "explain", "the working of the interest of one posting", {}, explainProblem},
    {Mode::Fit,
     "fit",
     "every method, day and convention, by how closely it gives the charges",
     {{"ACCOUNT --fit [--format text|csv]"}},
     fitProblem},
    {Mode::Propose,
     "propose",
     "the rate periods that reproduce the lender's charges",
     {{"ACCOUNT --propose-rates --method M|any [--day N]", "[--day-count D] [--rounding R]",
       MoreConventions, "[--format text|csv]"}},
     proposalProblem},
    {Mode::Reference,
     "reference",
     "whether the lender passed on each change of a reference rate",
     {{"ACCOUNT --method M [--day N] [--day-count D] [--rounding R]", MoreConventions,
       "--reference SERIES [--margin X] [--lag DAYS] [--format text|csv]"}},
     referenceProblem},
    {Mode::Owed,
     "owed",
     "the rate periods the rate terms owe, or the summary under them",
     {{"ACCOUNT --owed [--terms TERMS]... [--format text|csv]"},
      {"ACCOUNT --owed --summary --method M [--day N]",
       "[--day-count D] [--rounding R] [--terms TERMS]...", MoreConventions,
       "[--format text|csv]"}},
     owedProblem},
    {Mode::SeriesList,
     "series list",
     "the shipped series, and the account's own",
     {{"[ACCOUNT] --reference list"}},
     seriesListProblem},
    {Mode::Diagnose,
     "diagnose",
     "which known mistake of a lender explains the differences",
     {{"ACCOUNT --method M [--day N] [--day-count D] [--rounding R]", MoreConventions,
       "--diagnose [--format text|csv]"}},
     diagnoseProblem},
    {Mode::Complaint,
     "complaint",
     "the letter of complaint to the lender and its evidence",
     {{"ACCOUNT --method M [--day N] [--day-count D] [--rounding R]", MoreConventions,
       "--complaint LETTER.odt --evidence EVIDENCE.pdf [--threshold X]"}},
     complaintProblem},
    {Mode::Repayments,
     "repayments",
     "the repayments taken beside those the repayment terms require",
     {{"ACCOUNT --method M [--day N] [--day-count D] [--rounding R]", MoreConventions,
       "--repayments [--format text|csv]", RepaymentTermsForm, RepaymentTermsForm2}},
     repaymentsProblem},
    {Mode::Payoff,
     "payoff",
     "when the loan will be paid off",
     {{"ACCOUNT --method M [--day N] [--day-count D] [--rounding R]", MoreConventions,
       "--payoff [--extra X] [--format text|csv]", RepaymentTermsForm, RepaymentTermsForm2}},
     payoffProblem},
};

// The options given that name one posting or one output file, or that only one account
// answers: a split loan's parts are checked without them.
QStringList singleAccountGiven(const Options& o) {
    const std::pair<bool, const char*> single[] = {
        {o.explain.isValid(), "--explain"},
        {!o.pdf.isEmpty(), "--pdf"},
        {!o.complaint.isEmpty(), "--complaint"},
        {!o.evidence.isEmpty(), "--evidence"},
        {o.fit, "--fit"},
        {o.proposeRates, "--propose-rates"},
        {o.rates, "--rates"},
        {!o.reference.isEmpty(), "--reference"},
        {o.margin.has_value(), "--margin"},
        {o.lag.has_value(), "--lag"},
        {o.owed, "--owed"},
        {!o.terms.isEmpty(), "--terms"},
        {o.threshold.has_value(), "--threshold"},
        {o.repayments, "--repayments"},
        {o.payoff, "--payoff"},
        {o.extra.has_value(), "--extra"},
        {o.repaymentTermsGiven(), "the repayment terms"}};
    QStringList given;
    for (const auto& [on, name] : single) {
        if (on)
            given << QString::fromLatin1(name);
    }
    return given;
}

// Several accounts, or a loan set: the parts' summary or diagnosis, under one method given for
// every account (a set's parts may keep their own).
QString setProblem(const Given& given) {
    const Options& o = given.options;
    if (const QStringList single = singleAccountGiven(o); !single.isEmpty())
        return QStringLiteral("several parts are checked with --summary or --diagnose alone: no "
                              "%1 with them")
            .arg(single.join(QLatin1String(", ")));
    if (o.mode != Mode::Summary && o.mode != Mode::Diagnose)
        return QStringLiteral("several accounts or a loan set are checked with --summary or "
                              "--diagnose");
    if (o.summary && o.diagnose)
        return QStringLiteral("--summary and --diagnose each print a report of their own: give "
                              "one of them");
    if (o.anyMethod)
        return anyMethodAlone();
    if (o.accounts.size() > 1) {
        for (const QString& account : o.accounts) {
            if (isSetFile(account))
                return QStringLiteral("a loan set is given alone, not with other accounts: '%1'")
                    .arg(account);
        }
        if (!given.method)
            return QStringLiteral("--method is required with several accounts (a loan set "
                                  "keeps each part's own)");
    }
    return QString();
}

// The options that go with some modes only, then the mode's own check.
QString modeProblem(const Given& given) {
    const Options& o = given.options;
    if ((o.margin || o.lag) && o.mode != Mode::Reference && o.mode != Mode::SeriesList)
        return QStringLiteral("--margin and --lag go with --reference");
    if (o.threshold && o.mode != Mode::Complaint)
        return QStringLiteral("--threshold goes with --complaint or --evidence");
    if (o.extra && o.mode != Mode::Payoff)
        return QStringLiteral("--extra goes with --payoff");
    if (o.repaymentTermsGiven() && o.mode != Mode::Repayments && o.mode != Mode::Payoff &&
        o.mode != Mode::Summary && o.mode != Mode::Diagnose && o.mode != Mode::Complaint)
        return QStringLiteral("the repayment terms go with --repayments, --payoff, --summary, "
                              "--diagnose, --complaint or --evidence");
    if (int(o.termCount.has_value()) + int(o.lastRepayment.isValid()) +
            int(o.initialRepaymentRate.has_value()) >
        1)
        return QStringLiteral("give the term once: --term, --last-repayment or "
                              "--initial-repayment-rate");
    if (!o.terms.isEmpty() && !termsCount(o))
        return QStringLiteral("--terms goes with --owed, --summary, --diagnose, --complaint, "
                              "--evidence or --pdf, where the rate terms count");
    for (const ToolMode& mode : Modes) {
        if (mode.id == o.mode)
            return mode.problem(given);
    }
    return QString();
}

const char* const Description =
    "\n"
    "Prints the interest report of a loan account: the lines \"View Report\" shows, with the\n"
    "interest due by the lender's method beside the interest charged. The account is only read.\n"
    "\n";

const char* const SetDescription =
    "A split loan's parts are checked together from several ACCOUNTs, or from a loan set\n"
    "(a .vloan file naming them, each account found from the set's folder). --method applies\n"
    "to every part (a set's part runs under its own otherwise); each part's calculation day\n"
    "and conventions are its account's unless --day, --day-count, --rounding, --rest,\n"
    "--compounding or --per-year are given. Only --summary and --diagnose take several\n"
    "parts. --summary prints each part's verdict and the set's, the calendar years per part\n"
    "and in total, what each offset saved, the fixed parts' ends and the balance-weighted\n"
    "rate; as CSV \"part,year,charged,due,difference\", one line a part and year, then\n"
    "\"total,YEAR,...\" for each year and \"total,all,...\". --diagnose prints every part's\n"
    "diagnosis and any offset counted against the wrong part; as CSV the diagnosis's columns\n"
    "after a first column \"part\" (\"set\" for an offset counted against the wrong part,\n"
    "explanation \"offset-linked-to-wrong-part\"). A part that is missing or is not an\n"
    "account is said on standard error and the rest still checked.\n"
    "\n";

const char* const SeriesListHelp =
    "lists the shipped series (and the account's own, given ACCOUNT):\n"
    "short name, name, publisher, first date, the date it is known to";

const char* const ExitStatus =
    "\n"
    "Exit status: 0 report written, 1 usage error (repayment terms given that cannot stand,\n"
    "or none kept or given for --repayments or --payoff among them), 2 account unreadable,\n"
    "report not written or no interest posting on the --explain DATE, or no rate could be\n"
    "proposed, or no posting (and no repayment short of the terms') to complain of, or --terms that do not read or cannot be worked, or the\n"
    "costs of --reference past their limit, or a file to write refused: the account itself\n"
    "or a link to it, any symbolic link, a folder, pipe or device, another account file,\n"
    "or one file named for two outputs (nothing is written then). With several parts: 0\n"
    "when at least one part was checked, 1 usage error, 2 a set file that does not read or\n"
    "no part checked.\n"
    "Notices go to standard error, one a line.\n";

} // namespace

QString usage() {
    return CommandLine::Usage(optionTable(), 15)
        .forms(Modes)
        .form({QStringLiteral("ACCOUNT ACCOUNT... --method M [--day N] [--day-count D]"),
               QStringLiteral("[--rounding R] ") + QLatin1String(MoreConventions),
               QStringLiteral("--summary | --diagnose [--format text|csv]")})
        .form({QStringLiteral("SET.vloan [--method M] [--day N] [--day-count D] [--rounding R]"),
               QLatin1String(MoreConventions),
               QStringLiteral("--summary | --diagnose [--format text|csv]")})
        .form({QStringLiteral("--help | --version")})
        .paragraphs(Description)
        .paragraphs(SetDescription)
        .optionsThrough("lag")
        .entry(QStringLiteral("--reference list"), SeriesListHelp)
        .optionsThrough("version")
        .paragraphs(ExitStatus)
        .text();
}

std::optional<LenderConventions> conventions(const Options& o, LenderConventions stored,
                                             QString* problem) {
    // The account's own are as it keeps them: only a choice given here is refused.
    if (!conventionsGiven(o))
        return stored;
    LenderConventions c = stored;
    c.dayCount = o.dayCount.value_or(c.dayCount);
    c.rounding = o.rounding.value_or(c.rounding);
    c.rest = o.rest.value_or(c.rest);
    c.compounding = o.compounding.value_or(c.compounding);
    c.perYear = o.perYear.value_or(c.perYear);
    if (o.perYear && !c.usesPerYear()) {
        *problem = QStringLiteral("--per-year counts the periods of equal periods or of "
                                  "half-yearly compounding, and the run has neither: give "
                                  "--day-count equal or --compounding half-yearly");
        return std::nullopt;
    }
    QString why = Conventions::refusal(c);
    if (why.isEmpty())
        return c;
    const bool rounding = why == QLatin1String(Conventions::EqualPeriodsNeedPosting);
    if (why.endsWith(QLatin1Char('.')))
        why.chop(1);
    *problem = why.at(0).toLower() + why.mid(1) +
               (rounding ? QStringLiteral(" (--rounding posting)") : QString());
    return std::nullopt;
}

std::optional<Repayments::Terms> repaymentTerms(const Options& o, Repayments::Terms t,
                                                QString* problem) {
    if (!o.repaymentTermsGiven())
        return t;
    const bool term = o.termCount || o.lastRepayment.isValid() || o.initialRepaymentRate;
    if (!t.isSet() && (!o.firstRepayment.isValid() || !term)) {
        *problem = QStringLiteral("the account keeps no repayment terms: give --first-repayment "
                                  "and --term, --last-repayment or --initial-repayment-rate");
        return std::nullopt;
    }
    if (o.firstRepayment.isValid())
        t.firstRepayment = o.firstRepayment;
    if (o.termCount) {
        t.termKind = Repayments::TermKind::Count;
        t.count = *o.termCount;
    } else if (o.lastRepayment.isValid()) {
        t.termKind = Repayments::TermKind::LastRepayment;
        t.lastRepayment = o.lastRepayment;
    } else if (o.initialRepaymentRate) {
        t.termKind = Repayments::TermKind::InitialRate;
        t.initialRate = *o.initialRepaymentRate;
    }
    t.frequency = o.frequency.value_or(t.frequency);
    if (o.interestOnlyUntil.isValid())
        t.interestOnly = {{t.firstRepayment, o.interestOnlyUntil}};
    if (const QString why = Repayments::refusal(t); !why.isEmpty()) {
        *problem = why.at(0).toLower() + why.mid(1, why.size() - 2);
        return std::nullopt;
    }
    return t;
}

std::optional<Options> parseArguments(const QStringList& args, QString* problem) {
    Given given;
    QString ended;
    *problem = CommandLine::read(optionTable(), args, given, &ended);
    if (!problem->isEmpty())
        return std::nullopt;
    Options& o = given.options;
    o.help = ended == QLatin1String("help");
    o.version = ended == QLatin1String("version");
    if (o.help || o.version)
        return o;
    o.mode = modeOf(o);
    if (o.account.isEmpty() && o.mode != Mode::SeriesList) {
        *problem = QStringLiteral("no ACCOUNT given");
        return std::nullopt;
    }
    o.setRun = o.accounts.size() > 1 || (o.accounts.size() == 1 && isSetFile(o.account));
    *problem = o.setRun ? setProblem(given) : modeProblem(given);
    if (!problem->isEmpty())
        return std::nullopt;
    return o;
}

} // namespace ReportOptions
