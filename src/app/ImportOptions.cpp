#include "ImportOptions.h"

#include "CommandLine.h"
#include "data/ShortDate.h"

#include <QHash>

namespace ImportOptions {

namespace {

QDate dateOption(const QString& text) {
    const QDate iso = ShortDate::fromIso(text);
    return iso.isValid() ? iso : ShortDate::parse(text);
}

std::optional<HistoryImport::Cutting> cuttingOption(const QString& text) {
    HistoryImport::Cutting c;
    using Every = HistoryImport::Cutting::Every;
    const QHash<QString, Every> named = {{QStringLiteral("monthly"), Every::Month},
                                         {QStringLiteral("quarterly"), Every::Quarter},
                                         {QStringLiteral("half-yearly"), Every::HalfYear},
                                         {QStringLiteral("yearly"), Every::Year}};
    if (named.contains(text)) {
        c.every = named.value(text);
        return c;
    }
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QDate d = dateOption(part.trimmed());
        if (!d.isValid())
            return std::nullopt;
        c.ends << d;
    }
    if (c.ends.isEmpty())
        return std::nullopt;
    return c;
}

// What each option takes: "" when its value is taken, else what it takes. A value missing at
// the end is taken as empty, and refused so.

QString takeFormat(const QString& value, Options& o) {
    if (value != QLatin1String("csv") && value != QLatin1String("text"))
        return QStringLiteral("--format takes text or csv");
    o.csv = value == QLatin1String("csv");
    return QString();
}

QString takeDateOrder(const QString& value, Options& o) {
    if (value != QLatin1String("dmy") && value != QLatin1String("mdy"))
        return QStringLiteral("--date-order takes dmy or mdy");
    o.dateOrder = value == QLatin1String("dmy") ? DateOrder::DayFirst : DateOrder::MonthFirst;
    return QString();
}

// A file's or preset's name, or an account's: anything but nothing.
QString takeName(const QString& value, QString& name, const QString& problem) {
    if (value.isEmpty())
        return problem;
    name = value;
    return QString();
}

QString takePreset(const QString& value, Options& o) {
    return takeName(value, o.preset, QStringLiteral("--preset takes a preset's name"));
}

QString takeQifAccount(const QString& value, Options& o) {
    return takeName(value, o.qifAccount,
                    QStringLiteral("--qif-account takes an account's name or number"));
}

QString takeAccount(const QString& value, Options& o) {
    return takeName(value, o.account, QStringLiteral("--account takes an account file"));
}

QString takeInto(const QString& value, Options& o) {
    return takeName(value, o.into, QStringLiteral("--into takes an account file"));
}

QString takeStatements(const QString& value, Options& o) {
    const std::optional<HistoryImport::Cutting> c = cuttingOption(value);
    if (!c)
        return QStringLiteral("--statements takes monthly, quarterly, half-yearly, yearly or "
                              "the statements' end dates");
    const int cutDay = o.cutting ? o.cutting->cutDay : 0;
    const int firstNumber = o.cutting ? o.cutting->firstNumber : 0;
    o.cutting = c;
    o.cutting->cutDay = cutDay;
    o.cutting->firstNumber = firstNumber;
    o.statementsGiven = true;
    return QString();
}

// --cut-day and --first-number.
QString takeCutting(const QString& value, bool day, Options& o) {
    bool ok = false;
    const int n = value.toInt(&ok);
    if (!ok || n < 1 || (day && n > 31) || n > 32767)
        return day ? QStringLiteral("--cut-day takes a day from 1 to 31")
                   : QStringLiteral("--first-number takes a statement number");
    if (!o.cutting)
        o.cutting = HistoryImport::Cutting();
    (day ? o.cutting->cutDay : o.cutting->firstNumber) = n;
    return QString();
}

QString takeCutDay(const QString& value, Options& o) {
    return takeCutting(value, true, o);
}

QString takeFirstNumber(const QString& value, Options& o) {
    return takeCutting(value, false, o);
}

// --start and --end of the statement the rows are checked against.
QString takeDate(const QString& value, const char* option, QDate& date) {
    if (!dateOption(value).isValid())
        return QStringLiteral("%1 takes a date").arg(QLatin1String(option));
    date = dateOption(value);
    return QString();
}

QString takeStart(const QString& value, Options& o) {
    return takeDate(value, "--start", o.start);
}

QString takeEnd(const QString& value, Options& o) {
    return takeDate(value, "--end", o.end);
}

// --opening and --closing.
QString takeAmount(const QString& value, const char* option, std::optional<Money>& amount) {
    amount = Money::parse(value);
    if (!amount)
        return QStringLiteral("%1 takes an amount").arg(QLatin1String(option));
    return QString();
}

QString takeOpening(const QString& value, Options& o) {
    return takeAmount(value, "--opening", o.opening);
}

QString takeClosing(const QString& value, Options& o) {
    return takeAmount(value, "--closing", o.closing);
}

QString takeFile(const QString& arg, Options& o) {
    if (!o.file.isEmpty())
        return QStringLiteral("one FILE only");
    o.file = arg;
    return QString();
}

QString unknown(const QString&, const QString& option) {
    return QStringLiteral("unknown option %1").arg(option);
}

QString repeated(const QString&, const QString& option) {
    return QStringLiteral("repeated option %1").arg(option);
}

// The options, in the order of the usage; --into, --start and --end are told of in the text of
// others. Any argument that begins with '-' ("-" alone aside) is an option; --help and
// --version take any value.
using CommandLine::set;

const CommandLine::Tool<Options> ImportTool{
    {"vantrell-import", "-", unknown, repeated, nullptr},
    {
        {{.name = "format",
          .value = "F",
          .help = "text (default): aligned columns; csv: the header\n"
                  "\"line,date,description,amount,column,ticked,reason\", then one line a row:\n"
                  "ISO dates, plain amounts with the sign as imported (money in positive,\n"
                  "money out negative), column one of GovtCharge, BankCharge, UserWithdrawal,\n"
                  "Deposit, InterestPayment, ticked 1 or 0"},
         takeFormat},
        {{.name = "date-order",
          .value = "O",
          .help = "dmy (day first) or mdy (month first) for numeric dates\n"
                  "(default: as detected)"},
         takeDateOrder},
        {{.name = "flip",
          .help = "turns the sign of every amount; with --into, turns the amounts against\n"
                  "the sign proposed for them"},
         set<Options, &Options::flip>},
        {{.name = "preset",
          .value = "NAME",
          .help = "reads a CSV file in the layout of a preset shipped with the program (its\n"
                  "file name without the extension)"},
         takePreset},
        {{.name = "qif-account",
          .value = "NAME",
          .help = "reads only that account of a QIF, camt or MT940 file that holds several\n"
                  "(its name, its IBAN or number as the file writes it, or its number from 1\n"
                  "in the order the file names them); without it a camt or MT940 file's\n"
                  "entries of every account are listed in the file's order (with --account\n"
                  "or --into one must be chosen)"},
         takeQifAccount},
        {{.name = "account",
          .value = "A",
          .help = "checks the rows against a statement of account A and its committed\n"
                  "history, as the preview does (A is only read); needs --start, --end and\n"
                  "--opening, the statement's dates and opening balance, and takes --closing\n"
                  "(dates as ISO yyyy-MM-dd or the Short Date, amounts with a '-' for debit)"},
         takeAccount},
        {{.name = "into", .value = "ACCOUNT.mdb"}, takeInto},
        {{.name = "start", .value = "DATE"}, takeStart},
        {{.name = "end", .value = "DATE"}, takeEnd},
        {{.name = "statements",
          .value = "S",
          .help = "monthly, quarterly (ending March, June, September, December),\n"
                  "half-yearly (June, December), yearly (December), or the lender's own\n"
                  "statement end dates, comma-separated. The first statement starts on the\n"
                  "file's first date; rows after the last complete period are left out"},
         takeStatements},
        {{.name = "cut-day",
          .value = "N",
          .help = "the day of the month periods end on, 1 to 31 (default: the last day)"},
         takeCutDay},
        {{.name = "first-number",
          .value = "N",
          .help = "the first new statement's number (default: the one after the\n"
                  "account's last, 1 in a new account); statements the account holds\n"
                  "already keep its numbers"},
         takeFirstNumber},
        {{.name = "opening",
          .value = "A",
          .help = "without a balance column: the balance before the file's first row\n"
                  "(default: the account's last balance; in an account without history,\n"
                  "the opening balance the file's own lines state)"},
         takeOpening},
        {{.name = "closing",
          .value = "A",
          .help = "without a balance column: the balance after the last statement, which\n"
                  "the amounts must reach; without it nothing can be checked or written"},
         takeClosing},
        {{.name = "dry-run", .help = "prints the statements; writes nothing"},
         set<Options, &Options::dryRun>},
        {{.name = "new",
          .help = "makes ACCOUNT from the program's template first (refused if it exists)"},
         set<Options, &Options::create>},
        {{.name = "help", .ends = true, .anyValue = true, .help = "prints this text"}, nullptr},
        {{.name = "version",
          .ends = true,
          .anyValue = true,
          .help = "prints the program's version"},
         nullptr},
    },
    takeFile};

// --into: a whole history cut into statements and committed to an account.
QString intoProblem(const Options& o) {
    if (!o.account.isEmpty() || o.start.isValid() || o.end.isValid())
        return QStringLiteral("--into goes without --account, --start and --end");
    if (!o.statementsGiven)
        return QStringLiteral("--into needs --statements");
    return QString();
}

// The preview of the file's rows, checked against a statement of an account where one is named.
QString previewProblem(const Options& o) {
    if (o.cutting || o.dryRun || o.create)
        return QStringLiteral("--statements, --cut-day, --first-number, --dry-run and --new go "
                              "with --into");
    const bool statement = o.start.isValid() || o.end.isValid() || o.opening || o.closing;
    if (o.account.isEmpty() && statement)
        return QStringLiteral("--start, --end, --opening and --closing go with --account");
    if (!o.account.isEmpty() && (!o.start.isValid() || !o.end.isValid() || !o.opening))
        return QStringLiteral("--account needs --start, --end and --opening");
    if (!o.account.isEmpty() && o.end < o.start)
        return QStringLiteral("--end is before --start");
    return QString();
}

using ToolMode = CommandLine::Mode<Mode, Options>;

const QList<ToolMode> Modes = {
    {Mode::Preview,
     "preview",
     "what the statement import's preview shows of a bank's file",
     {{"FILE [--format text|csv] [--date-order dmy|mdy] [--flip]", "[--preset NAME]",
       "[--account ACCOUNT.mdb --start DATE --end DATE --opening AMOUNT", " [--closing AMOUNT]]"}},
     previewProblem},
    {Mode::Into,
     "into",
     "a loan's whole history cut into statements and committed to an account",
     {{"FILE --into ACCOUNT.mdb", "--statements monthly|quarterly|half-yearly|yearly|DATE,DATE,...",
       "[--cut-day N] [--first-number N] [--opening AMOUNT]",
       "[--closing AMOUNT] [--dry-run] [--new] [--format text|csv]",
       "[--date-order dmy|mdy] [--flip] [--preset NAME]"}},
     intoProblem},
};

const char* const Description =
    "\n"
    "Prints what the statement import's preview shows of a bank's CSV, OFX/QFX or QIF file: each\n"
    "row with its date, description, amount, the column it goes into, whether it is ticked for\n"
    "import and, when not, why. Nothing is written anywhere. What was detected goes to standard\n"
    "error, one item a line: format, layout, delimiter, header line, amounts, date order, date\n"
    "(which of the file's dates the rows take, where it has two), sign, balance check, and\n"
    "\"summary:\" lines for what the bank's own lines state (an opening or closing balance,\n"
    "totals) and whether the rows agree with it.\n"
    "\n";

const char* const IntoText =
    "\n"
    "With --into, the file is a loan's whole history, oldest or newest first: it is cut into\n"
    "statements, each checked as the transactions window checks a typed one, and the ready ones\n"
    "are committed to ACCOUNT in one transaction (all or nothing). It prints the statements, one\n"
    "a line; with --format csv the header \"number,start,end,opening,closing,rows,status\", "
    "status\n"
    "one of ready, already in the account, balance break (at the file's line where a row is\n"
    "missing), no balance to check, with \"; no interest charged\" and other notes after it.\n"
    "Before writing into an account that holds history a copy of it is kept beside it\n"
    "(\"NAME before import yyyy-MM-dd hhmmss.mdb\"), and the file's CSV layout is remembered\n"
    "for the next import, as the window does. The account is opened as Open opens it.\n"
    "\n";

const char* const SignsText =
    "With a balance column the signs are proposed from it: a loan in debit is negative, and the\n"
    "amounts take the sign under which the balances follow from them (the reason goes to\n"
    "standard error).\n"
    "Two months or more without any interest charged look like an everyday account rather than\n"
    "the loan: a line \"caution: ...\" on standard error says so (the window asks first).\n"
    "\n";

const char* const ExitStatus =
    "\n"
    "What was detected (format, layout, delimiter, header line, date order, amounts, balance\n"
    "check) goes to standard error, one item a line.\n"
    "Exit status: 0 read (with --into: written, or nothing to write), 1 usage error, 2 the file\n"
    "(or account) unreadable or refused, or the import not written.\n";

} // namespace

QString usage() {
    return CommandLine::Usage(ImportTool, 18)
        .forms(Modes)
        .form({QStringLiteral("--help | --version")})
        .paragraphs(Description)
        .optionsThrough("account")
        .paragraphs(IntoText)
        .optionsThrough("new")
        .paragraphs(SignsText)
        .optionsThrough("version")
        .paragraphs(ExitStatus)
        .text();
}

std::optional<Options> parseArguments(const QStringList& args, QString* problem) {
    Options o;
    QString ended;
    *problem = CommandLine::read(ImportTool, args, o, &ended);
    if (!problem->isEmpty())
        return std::nullopt;
    o.help = ended == QLatin1String("help");
    o.version = ended == QLatin1String("version");
    if (o.help || o.version)
        return o;
    if (o.file.isEmpty()) {
        *problem = QStringLiteral("no FILE given");
        return std::nullopt;
    }
    o.mode = o.into.isEmpty() ? Mode::Preview : Mode::Into;
    for (const ToolMode& mode : Modes) {
        if (mode.id == o.mode)
            *problem = mode.problem(o);
    }
    if (!problem->isEmpty())
        return std::nullopt;
    return o;
}

} // namespace ImportOptions
