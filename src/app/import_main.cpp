// vantrell-import: what the statement import's preview would show of a bank's file, as text or
// CSV, for users who script their checks. It goes the preview's own way (ImportSession, then
// ImportPreview), so the two can never disagree. An account named with --account is only read:
// it is copied into memory as the report tool copies it.
#include "ProgramVersion.h"
#include "ToolText.h"
#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "data/HistorySpan.h"
#include "data/Money.h"
#include "data/ProgramPaths.h"
#include "data/ShortDate.h"
#include "data/TempFolders.h"
#include "engine/StatementHeader.h"
#include "import/BankSummary.h"
#include "import/ColumnRules.h"
#include "import/CsvReader.h"
#include "import/HistoryImport.h"
#include "import/ImportChoices.h"
#include "import/ImportPreview.h"
#include "import/ImportSession.h"
#include "import/OfxChild.h"
#include "render/GridText.h"
#include "render/ReportRendering.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>

namespace {

enum Exit { Read = 0, Written = 0, UsageError = 1, Refused = 2 };

const char* const Usage =
    "usage: vantrell-import FILE [--format text|csv] [--date-order dmy|mdy] [--flip]\n"
    "                       [--preset NAME]\n"
    "                       [--account ACCOUNT.mdb --start DATE --end DATE --opening AMOUNT\n"
    "                        [--closing AMOUNT]]\n"
    "       vantrell-import FILE --into ACCOUNT.mdb\n"
    "                       --statements monthly|quarterly|half-yearly|yearly|DATE,DATE,...\n"
    "                       [--cut-day N] [--first-number N] [--opening AMOUNT]\n"
    "                       [--closing AMOUNT] [--dry-run] [--new] [--format text|csv]\n"
    "                       [--date-order dmy|mdy] [--flip] [--preset NAME]\n"
    "       vantrell-import --help | --version\n"
    "\n"
    "Prints what the statement import's preview shows of a bank's CSV, OFX/QFX or QIF file: each\n"
    "row with its date, description, amount, the column it goes into, whether it is ticked for\n"
    "import and, when not, why. Nothing is written anywhere. What was detected goes to standard\n"
    "error, one item a line: format, layout, delimiter, header line, amounts, date order, date\n"
    "(which of the file's dates the rows take, where it has two), sign, balance check, and\n"
    "\"summary:\" lines for what the bank's own lines state (an opening or closing balance,\n"
    "totals) and whether the rows agree with it.\n"
    "\n"
    "  --format F      text (default): aligned columns; csv: the header\n"
    "                  \"line,date,description,amount,column,ticked,reason\", then one line a "
    "row:\n"
    "                  ISO dates, plain amounts with the sign as imported (money in positive,\n"
    "                  money out negative), column one of GovtCharge, BankCharge, UserWithdrawal,\n"
    "                  Deposit, InterestPayment, ticked 1 or 0\n"
    "  --date-order O  dmy (day first) or mdy (month first) for numeric dates\n"
    "                  (default: as detected)\n"
    "  --flip          turns the sign of every amount; with --into, turns the amounts against\n"
    "                  the sign proposed for them\n"
    "  --preset NAME   reads a CSV file in the layout of a preset shipped with the program (its\n"
    "                  file name without the extension)\n"
    "  --qif-account NAME  reads only that account of a QIF file that holds several (its name,\n"
    "                  or its number from 1 in the order the file names them)\n"
    "  --account A     checks the rows against a statement of account A and its committed\n"
    "                  history, as the preview does (A is only read); needs --start, --end and\n"
    "                  --opening, the statement's dates and opening balance, and takes --closing\n"
    "                  (dates as ISO yyyy-MM-dd or the Short Date, amounts with a '-' for debit)\n"
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
    "\n"
    "  --statements S  monthly, quarterly (ending March, June, September, December),\n"
    "                  half-yearly (June, December), yearly (December), or the lender's own\n"
    "                  statement end dates, comma-separated. The first statement starts on the\n"
    "                  file's first date; rows after the last complete period are left out\n"
    "  --cut-day N     the day of the month periods end on, 1 to 31 (default: the last day)\n"
    "  --first-number N  the first new statement's number (default: the one after the\n"
    "                  account's last, 1 in a new account); statements the account holds\n"
    "                  already keep its numbers\n"
    "  --opening A     without a balance column: the balance before the file's first row\n"
    "                  (default: the account's last balance; in an account without history,\n"
    "                  the opening balance the file's own lines state)\n"
    "  --closing A     without a balance column: the balance after the last statement, which\n"
    "                  the amounts must reach; without it nothing can be checked or written\n"
    "  --dry-run       prints the statements; writes nothing\n"
    "  --new           makes ACCOUNT from the program's template first (refused if it exists)\n"
    "With a balance column the signs are proposed from it: a loan in debit is negative, and the\n"
    "amounts take the sign under which the balances follow from them (the reason goes to\n"
    "standard error).\n"
    "Two months or more without any interest charged look like an everyday account rather than\n"
    "the loan: a line \"caution: ...\" on standard error says so (the window asks first).\n"
    "\n"
    "  --help          prints this text\n"
    "  --version       prints the program's version\n"
    "\n"
    "What was detected (format, layout, delimiter, header line, date order, amounts, balance\n"
    "check) goes to standard error, one item a line.\n"
    "Exit status: 0 read (with --into: written, or nothing to write), 1 usage error, 2 the file\n"
    "(or account) unreadable or refused, or the import not written.\n";

struct Options {
    QString file;
    bool csv = false;
    std::optional<DateOrder> dateOrder;
    bool flip = false;
    QString preset;
    QString qifAccount;
    QString account;
    QDate start;
    QDate end;
    std::optional<Money> opening;
    std::optional<Money> closing;
    // --into: a whole history into an account.
    QString into;
    std::optional<HistoryImport::Cutting> cutting;
    bool statementsGiven = false;
    bool dryRun = false;
    bool create = false;
    bool help = false;
    bool version = false;
};

QDate dateOption(const QString& text);

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

using ToolText::print;

int usageError(const QString& problem) {
    return ToolText::usageError("vantrell-import", problem, Usage, UsageError);
}

int refused(const QString& problem) {
    return ToolText::problem("vantrell-import", problem, Refused);
}

QDate dateOption(const QString& text) {
    const QDate iso = ShortDate::fromIso(text);
    return iso.isValid() ? iso : ShortDate::parse(text);
}

// The options, read by QCommandLineParser one at a time so that the first problem in the order
// given is the one reported. An option's value follows its '=' or is the next argument, whatever
// that looks like; a repeated option's last value counts. Any other argument that begins with
// '-' ("-" alone aside) is unknown.
class ArgumentReader {
public:
    ArgumentReader() {
        for (const char* name :
             {"format", "date-order", "preset", "qif-account", "into", "statements", "cut-day",
              "first-number", "account", "start", "end", "opening", "closing"})
            m_options << QCommandLineOption(QString::fromLatin1(name), QString(),
                                            QStringLiteral("value"));
        for (const char* name : {"flip", "dry-run", "new", "help", "version"})
            m_options << QCommandLineOption(QString::fromLatin1(name));
        m_parser.addOptions(m_options);
    }

    // False, and why, at the first problem; the rest is not read after --help or --version.
    bool read(const QStringList& args, Options& o, QString* problem) {
        for (int i = 1; i < args.size(); ++i) {
            const QString& arg = args[i];
            if (!arg.startsWith(u'-') || arg.size() == 1) {
                if (!o.file.isEmpty()) {
                    *problem = QStringLiteral("one FILE only");
                    return false;
                }
                o.file = arg;
                continue;
            }
            if (!arg.startsWith(QLatin1String("--")) || arg.size() == 2) {
                *problem = QStringLiteral("unknown option %1").arg(arg);
                return false;
            }
            const Read option = readOption(args, i);
            i = option.last;
            // Whatever value they are given.
            if (option.name == QLatin1String("help") || option.name == QLatin1String("version")) {
                (option.name == QLatin1String("help") ? o.help : o.version) = true;
                return true;
            }
            *problem = option.known ? take(option, o)
                                    : QStringLiteral("unknown option --%1").arg(option.name);
            if (!problem->isEmpty())
                return false;
        }
        return true;
    }

private:
    // One option read: its name (no dashes), its value (none when the arguments end first) and
    // the index of the last argument it took. Not known: an unknown name, or an option given a
    // value it does not take ("--flip=yes").
    struct Read {
        QString name;
        std::optional<QString> value;
        int last = 0;
        bool known = true;
    };

    Read readOption(const QStringList& args, int i) {
        const QString& arg = args[i];
        if (m_parser.parse({args.first(), arg})) {
            const QString name = m_parser.optionNames().first();
            return Read{name, m_parser.value(name), i};
        }
        if (m_parser.optionNames().isEmpty())
            return Read{m_parser.unknownOptionNames().first(), std::nullopt, i, false};
        const QString name = m_parser.optionNames().first();
        if (!takesValue(name))
            return Read{name, std::nullopt, i, false};
        if (i + 1 >= args.size())
            return Read{name, std::nullopt, i};
        m_parser.parse({args.first(), arg, args[i + 1]});
        return Read{name, m_parser.value(name), i + 1};
    }

    bool takesValue(const QString& name) const {
        return std::any_of(m_options.cbegin(), m_options.cend(), [&](const QCommandLineOption& o) {
            return o.names().contains(name) && !o.valueName().isEmpty();
        });
    }

    // "" when the option is taken, else what is wrong with its value.
    static QString take(const Read& option, Options& o) {
        const QString& name = option.name;
        const std::optional<QString>& value = option.value;
        if (name == QLatin1String("flip"))
            o.flip = true;
        else if (name == QLatin1String("dry-run"))
            o.dryRun = true;
        else if (name == QLatin1String("new"))
            o.create = true;
        else if (name == QLatin1String("format"))
            return takeFormat(value, o);
        else if (name == QLatin1String("date-order"))
            return takeDateOrder(value, o);
        else if (name == QLatin1String("preset"))
            return takeName(value, o.preset, QStringLiteral("--preset takes a preset's name"));
        else if (name == QLatin1String("qif-account"))
            return takeName(value, o.qifAccount,
                            QStringLiteral("--qif-account takes an account's name or number"));
        else if (name == QLatin1String("into"))
            return takeName(value, o.into, QStringLiteral("--into takes an account file"));
        else if (name == QLatin1String("account"))
            return takeName(value, o.account, QStringLiteral("--account takes an account file"));
        else if (name == QLatin1String("statements"))
            return takeStatements(value, o);
        else if (name == QLatin1String("cut-day") || name == QLatin1String("first-number"))
            return takeCutting(name, value, o);
        else if (name == QLatin1String("start") || name == QLatin1String("end"))
            return takeDate(name, value, o);
        else
            return takeAmount(name, value, o);
        return QString();
    }

    static QString takeFormat(const std::optional<QString>& value, Options& o) {
        if (!value || (*value != QLatin1String("csv") && *value != QLatin1String("text")))
            return QStringLiteral("--format takes text or csv");
        o.csv = *value == QLatin1String("csv");
        return QString();
    }

    static QString takeDateOrder(const std::optional<QString>& value, Options& o) {
        if (!value || (*value != QLatin1String("dmy") && *value != QLatin1String("mdy")))
            return QStringLiteral("--date-order takes dmy or mdy");
        o.dateOrder = *value == QLatin1String("dmy") ? DateOrder::DayFirst : DateOrder::MonthFirst;
        return QString();
    }

    // A file's or preset's name, or an account's: anything but nothing.
    static QString takeName(const std::optional<QString>& value, QString& name,
                            const QString& problem) {
        if (!value || value->isEmpty())
            return problem;
        name = *value;
        return QString();
    }

    static QString takeStatements(const std::optional<QString>& value, Options& o) {
        const std::optional<HistoryImport::Cutting> c =
            value ? cuttingOption(*value) : std::nullopt;
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
    static QString takeCutting(const QString& name, const std::optional<QString>& value,
                               Options& o) {
        bool ok = false;
        const int n = value ? value->toInt(&ok) : 0;
        const bool day = name == QLatin1String("cut-day");
        if (!ok || n < 1 || (day && n > 31) || n > 32767)
            return day ? QStringLiteral("--cut-day takes a day from 1 to 31")
                       : QStringLiteral("--first-number takes a statement number");
        if (!o.cutting)
            o.cutting = HistoryImport::Cutting();
        (day ? o.cutting->cutDay : o.cutting->firstNumber) = n;
        return QString();
    }

    // --start and --end of the statement the rows are checked against.
    static QString takeDate(const QString& name, const std::optional<QString>& value, Options& o) {
        if (!value || !dateOption(*value).isValid())
            return QStringLiteral("--%1 takes a date").arg(name);
        (name == QLatin1String("start") ? o.start : o.end) = dateOption(*value);
        return QString();
    }

    // --opening and --closing.
    static QString takeAmount(const QString& name, const std::optional<QString>& value,
                              Options& o) {
        const std::optional<Money> amount = value ? Money::parse(*value) : std::optional<Money>();
        if (!amount)
            return QStringLiteral("--%1 takes an amount").arg(name);
        (name == QLatin1String("opening") ? o.opening : o.closing) = amount;
        return QString();
    }

    QCommandLineParser m_parser;
    QList<QCommandLineOption> m_options;
};

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

std::optional<Options> parseArguments(const QStringList& args, QString* problem) {
    Options o;
    if (!ArgumentReader().read(args, o, problem))
        return std::nullopt;
    if (o.help || o.version)
        return o;
    if (o.file.isEmpty()) {
        *problem = QStringLiteral("no FILE given");
        return std::nullopt;
    }
    *problem = o.into.isEmpty() ? previewProblem(o) : intoProblem(o);
    if (!problem->isEmpty())
        return std::nullopt;
    return o;
}

// Without an account: a statement that holds every row of the file, opening on the balance
// before its first row where the file states one (its balance column, else its summary), so that
// the file's own balances are checked. nullopt when that balance is more than an account can hold.
std::optional<StatementHeader> wholeFile(const ReadResult& read) {
    const QList<ImportedRow>& rows = read.rows;
    DateSpan dates;
    for (const ImportedRow& r : rows)
        dates.include(r.date);
    StatementHeader h;
    h.start = dates.first;
    h.end = dates.last;
    h.openBalance = BankSummary::offeredOpening(read.summary).value_or(Money());
    // Oldest first, as the preview turns a file that lists the newest first.
    QList<ImportedRow> ordered = rows;
    QDate first, last;
    for (const ImportedRow& r : rows) {
        if (r.date.isValid()) {
            first = first.isValid() ? first : r.date;
            last = r.date;
        }
    }
    if (first.isValid() && first > last)
        std::reverse(ordered.begin(), ordered.end());
    for (const ImportedRow& r : ordered) {
        if (r.ok() && r.balance) {
            h.openBalance = Money::subtract(*r.balance, r.amount);
            if (!h.openBalance)
                return std::nullopt;
            break;
        }
    }
    return h;
}

// What was detected, one item a line, for standard error.
QStringList detected(const ImportSession& session, const ImportPreview& preview) {
    QStringList out;
    out << QStringLiteral("format: %1").arg(formatName(session.format()));
    const CsvLayout& layout = session.layout();
    if (session.format() == StatementFormat::Csv) {
        out << QStringLiteral("layout: %1").arg(session.layoutSource());
        const QString delimiter =
            layout.delimiter == u'\t' ? QStringLiteral("tab") : QString(layout.delimiter);
        out << QStringLiteral("delimiter: %1").arg(delimiter);
        out << (layout.header ? QStringLiteral("header line: %1").arg(layout.skipLines + 1)
                              : QStringLiteral("header line: none"));
        out << QStringLiteral("amounts: %1")
                   .arg(layout.amounts == CsvLayout::Amounts::Signed
                            ? QStringLiteral("one signed column")
                            : QStringLiteral("debit and credit columns"));
    }
    out << QStringLiteral("date order: %1%2")
               .arg(layout.dateOrder == DateOrder::DayFirst ? QStringLiteral("day first")
                                                            : QStringLiteral("month first"),
                    session.asksDateOrder() ? QStringLiteral(" (both orders read every date)")
                                            : QString());
    if (const QString note = session.dateNote(); !note.isEmpty())
        out << QStringLiteral("date: %1").arg(note);
    if (layout.flipSign)
        out << QStringLiteral("sign: turned%1")
                   .arg(session.signNote().isEmpty()
                            ? QString()
                            : QStringLiteral(" (%1)").arg(session.signNote()));
    const ImportPreview::BalanceCheck check = preview.balanceCheck();
    if (!check.available)
        out << QStringLiteral("balance check: the file states no balance");
    else if (check.partsAt < 0)
        out << QStringLiteral("balance check: the file's balances follow from its amounts");
    else
        out << QStringLiteral("balance check: parts at line %1")
                   .arg(preview.row(check.partsAt).source.line);
    for (const QString& sentence : BankSummary::sentences(session.result().summary))
        out << QStringLiteral("summary: %1").arg(sentence);
    if (preview.fitsBetterFlipped())
        out << QStringLiteral("proposal: the amounts fit better with their sign turned (--flip)");
    return out;
}

QString table(const ImportPreview& preview) {
    const ImportPreview::BalanceCheck check = preview.balanceCheck();
    QVector<QStringList> rows = {{QStringLiteral("Line"), QStringLiteral("Date"),
                                  QStringLiteral("Description"), QStringLiteral("Amount"),
                                  QStringLiteral("Column"), QStringLiteral("Import"),
                                  QStringLiteral("Reason")}};
    for (qsizetype i = 0; i < preview.rows().size(); ++i) {
        const ImportPreview::Row r = preview.row(i);
        const bool unreadable = r.status == ImportPreview::Status::Unreadable;
        rows.append({QString::number(r.source.line), ShortDate::format(r.source.date),
                     r.source.description, unreadable ? QString() : r.source.amount.format(),
                     unreadable ? QString() : AmountColumns::caption(r.column),
                     r.ticked ? QStringLiteral("yes") : QStringLiteral("no"),
                     preview.reasonShown(i, check)});
    }
    return alignedTable(rows, [](qsizetype c) { return c == 0 || c == 3; });
}

QString csv(const ImportPreview& preview) {
    const ImportPreview::BalanceCheck check = preview.balanceCheck();
    QString out = QStringLiteral("line,date,description,amount,column,ticked,reason\n");
    for (qsizetype i = 0; i < preview.rows().size(); ++i) {
        const ImportPreview::Row r = preview.row(i);
        const bool unreadable = r.status == ImportPreview::Status::Unreadable;
        out += QStringList{QString::number(r.source.line),
                           r.source.date.isValid() ? ShortDate::toIso(r.source.date) : QString(),
                           ReportRendering::csvField(r.source.description),
                           unreadable ? QString() : ReportRendering::plainAmount(r.source.amount),
                           unreadable ? QString() : AmountColumns::fieldName(r.column),
                           r.ticked ? QStringLiteral("1") : QStringLiteral("0"),
                           ReportRendering::csvField(preview.reasonShown(i, check))}
                   .join(u',') +
               u'\n';
    }
    return out;
}

// The file loaded and read as the preview reads it, in the choices given; nullptr, with the
// exit status in `status`, when it is refused.
std::unique_ptr<ImportSession> readFile(const Options& o,
                                        const std::optional<CsvLayout>& remembered, int* status) {
    QString error;
    std::unique_ptr<ImportSession> session = ImportSession::load(o.file, &error);
    const auto refuse = [&](const QString& why) {
        *status = refused(why);
        return nullptr;
    };
    if (!session)
        return refuse(error);
    if (session->format() == StatementFormat::Ofx)
        session->setOfxResult(OfxChild::read(session->ofxContent()));
    if (!o.qifAccount.isEmpty() || session->needsQifAccount()) {
        const QList<QifReader::Account> accounts = session->qifAccounts();
        QStringList names;
        int chosen = -1;
        for (int i = 0; i < accounts.size(); ++i) {
            names << QStringLiteral("%1 %2").arg(i + 1).arg(accounts[i].name);
            if (accounts[i].name.compare(o.qifAccount, Qt::CaseInsensitive) == 0 ||
                QString::number(i + 1) == o.qifAccount)
                chosen = i;
        }
        if (chosen < 0)
            return refuse(QStringLiteral("%1 holds several accounts; choose one with "
                                         "--qif-account: %2")
                              .arg(o.file, names.join(QLatin1String(", "))));
        session->setQifAccount(chosen);
    }

    if (!session->start(remembered, ImportSession::Fallback::Refuse, &error))
        return refuse(error);
    if (!o.preset.isEmpty()) {
        const QList<CsvPreset>& presets = CsvPresets::builtIn();
        const auto named = std::find_if(presets.begin(), presets.end(), [&](const CsvPreset& p) {
            return p.file == o.preset || p.name == o.preset;
        });
        if (named == presets.end())
            return refuse(QStringLiteral("no preset is called '%1'").arg(o.preset));
        if (!session->chooseLayout(named->name, &error))
            return refuse(error);
    }
    if (o.dateOrder)
        session->setDateOrder(*o.dateOrder);
    if (o.flip) {
        CsvLayout layout = session->layout();
        layout.flipSign = !layout.flipSign;
        session->setLayout(layout);
    }
    if (!session->result().error.isEmpty())
        return refuse(session->result().error);

    return session;
}

int run(const Options& o) {
    QString error;
    KnownTransactions known;
    // The account's remembered layout and column rules, as the preview starts from them.
    ImportChoices choices;
    QSqlDatabase db;
    if (!o.account.isEmpty()) {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (!db.open())
            return refused(QStringLiteral("cannot make a working copy of the account"));
        if (const QString problem = AccountDatabase::copyIntoMemory(o.account, db);
            !problem.isEmpty())
            return refused(problem);
        const std::optional<KnownTransactions> read = KnownTransactions::load(db, &error);
        if (!read)
            return refused(
                QStringLiteral("the account's transactions cannot be read: %1").arg(error));
        known = *read;
        choices = ImportChoices::load(db, ImportChoices::StatementSetting);
    }

    int status = Refused;
    const std::unique_ptr<ImportSession> session = readFile(o, choices.csv, &status);
    if (!session)
        return status;

    const std::optional<StatementHeader> whole = wholeFile(session->result());
    if (!whole)
        return refused(QStringLiteral("The balance before the file's first row is more than an "
                                      "account can hold: it is not a bank account's file."));
    StatementHeader header = *whole;
    if (!o.account.isEmpty()) {
        header.start = o.start;
        header.end = o.end;
        header.openBalance = o.opening;
        header.closeBalance = o.closing;
    }
    ImportPreview preview(header, std::move(known), choices.rules);
    // As the preview proposes the sign when it opens; --flip is the user's own say.
    if (o.flip)
        preview.setRows(session->result().rows);
    else
        session->proposeSign(preview);

    print(stdout, o.csv ? csv(preview) : table(preview));

    for (const QString& line : detected(*session, preview))
        print(stderr, line + u'\n');
    if (std::fflush(stdout) != 0)
        return refused(QStringLiteral("the rows could not be written"));
    return Read;
}

QString statementsText(const HistoryImport::Plan& plan, bool csv) {
    QVector<QStringList> rows;
    for (const HistoryImport::Statement& st : plan.statements) {
        const auto amount = [&](Money m) {
            return csv ? ReportRendering::plainAmount(m) : m.format();
        };
        const auto date = [&](const QDate& d) {
            return csv ? ShortDate::toIso(d) : ShortDate::format(d);
        };
        rows.append({QString::number(st.number), date(st.start), date(st.end), amount(st.opening),
                     amount(st.closing), QString::number(st.rows.size()), st.statusShown()});
    }
    if (csv) {
        QString out = QStringLiteral("number,start,end,opening,closing,rows,status\n");
        for (QStringList& row : rows) {
            row.last() = ReportRendering::csvField(row.last());
            out += row.join(u',') + u'\n';
        }
        return out;
    }
    rows.prepend({QStringLiteral("Number"), QStringLiteral("Start"), QStringLiteral("End"),
                  QStringLiteral("Opening"), QStringLiteral("Closing"), QStringLiteral("Rows"),
                  QStringLiteral("Status")});
    return alignedTable(rows, [](qsizetype c) { return c == 0 || (c >= 3 && c <= 5); });
}

// The account of --into, opened as Open opens it, or for a dry run read into memory; "" when it
// is open, else why not.
QString openInto(const Options& o, AccountConnection& connection, QSqlDatabase& db) {
    const bool exists = QFileInfo::exists(o.into);
    if (o.create && exists)
        return QStringLiteral("%1 exists already; --new makes a new account").arg(o.into);
    if (!o.create && !exists)
        return QStringLiteral("%1 does not exist (--new makes it)").arg(o.into);

    if (o.dryRun) {
        // Nothing is written: the account (or, for --new, the template) is read into memory.
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("copy"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (!db.open())
            return QStringLiteral("cannot make a working copy of the account");
        const QString source = o.create ? ProgramPaths::templateFile() : o.into;
        return AccountDatabase::copyIntoMemory(source, db);
    }
    if (o.create) {
        const FileError e = AccountFiles::createFromTemplate(ProgramPaths::templateFile(), o.into);
        if (e)
            return QStringLiteral("%1 cannot be made: %2").arg(o.into, e.text);
    }
    // As Open opens it: made whole, checked, upgraded and compacted; a busy file refused.
    const FileError e = AccountFiles::compactInPlace(o.into, ProgramPaths::scratchFile());
    if (e)
        return QStringLiteral("%1 cannot be opened: %2").arg(o.into, e.text);
    if (!connection.open(o.into))
        return connection.lastError();
    db = connection.database();
    return QString();
}

// The statements cut on standard output; how the signs were chosen, and what was left out, on
// standard error.
void printPlan(const HistoryImport::Plan& plan, const HistoryImport::Signs& signs, bool csv) {
    print(stdout, statementsText(plan, csv));
    print(stderr, QStringLiteral("signs: %1\n").arg(signs.why));
    if (!plan.note.isEmpty())
        print(stderr, QStringLiteral("note: %1\n").arg(plan.note));
    if (!plan.caution.isEmpty())
        print(stderr, QStringLiteral("caution: %1\n").arg(plan.caution));
    if (plan.rowsAfter > 0)
        print(stderr,
              QStringLiteral("left for the next import: %1 after the last complete "
                             "period\n")
                  .arg(plan.rowsAfter == 1 ? QStringLiteral("1 row")
                                           : QStringLiteral("%1 rows").arg(plan.rowsAfter)));
}

// The ready statements committed, all or nothing, and what came of it on standard error.
int commitPlan(const Options& o, QSqlDatabase db, const HistoryImport::AccountHistory& history,
               const HistoryImport::Plan& plan, const ImportChoices& choices,
               const ImportSession& session, const HistoryImport::Signs& signs) {
    using Step = HistoryImport::Outcome::Step;
    const HistoryImport::Outcome outcome =
        HistoryImport::importInto(db, o.into, history, plan, choices, session.csvLayout(), signs);
    if (!outcome.copy.isEmpty())
        print(stderr, QStringLiteral("copy kept: %1\n").arg(outcome.copy));
    switch (outcome.step) {
    case Step::NothingReady:
        print(stderr, QStringLiteral("nothing to write\n"));
        return Written;
    case Step::NoCopy:
        return refused(QStringLiteral("no copy of %1 could be kept (%2): nothing written")
                           .arg(o.into, outcome.reason));
    case Step::NotWritten:
        return refused(QStringLiteral("nothing written: %1").arg(outcome.reason));
    case Step::Done:
        break;
    }
    print(stderr, QStringLiteral("written: %1 statements, %2 rows\n")
                      .arg(outcome.written.statements)
                      .arg(outcome.written.rows));
    return Written;
}

// --into: the history cut into statements, previewed, and committed unless a dry run.
int runInto(const Options& o) {
    AccountConnection connection;
    QSqlDatabase db;
    if (const QString problem = openInto(o, connection, db); !problem.isEmpty())
        return refused(problem);

    QString error;
    const std::optional<HistoryImport::AccountHistory> history =
        HistoryImport::AccountHistory::load(db, &error);
    if (!history)
        return refused(QStringLiteral("the account's history cannot be read: %1").arg(error));
    const ImportChoices choices = ImportChoices::load(db, ImportChoices::StatementSetting);
    int status = Refused;
    const std::unique_ptr<ImportSession> session = readFile(o, choices.csv, &status);
    if (!session)
        return status;

    for (const ImportedRow& r : session->result().rows) {
        if (!r.ok())
            return refused(QStringLiteral("line %1 does not read: %2").arg(r.line).arg(r.error));
    }
    // Proposed of the file as written, whatever sign the reading was given; --flip is the
    // user's own say on the amounts, as the window's tick box is.
    HistoryImport::Signs signs = HistoryImport::proposeSigns(*session);
    if (o.flip) {
        signs.turnAmounts = !signs.turnAmounts;
        signs.why += QStringLiteral("; --flip turns the amounts again");
    }
    const HistoryImport::Plan plan = HistoryImport::cut(
        HistoryImport::applied(session->result().rows, signs), *o.cutting,
        {o.opening ? o.opening : HistoryImport::offeredOpening(session->result(), *history),
         o.closing},
        *history);
    if (!plan.refusal.isEmpty())
        return refused(plan.refusal);
    printPlan(plan, signs, o.csv);

    if (o.dryRun) {
        print(stderr, QStringLiteral("dry run: nothing written\n"));
        return Written;
    }
    return commitPlan(o, db, *history, plan, choices, *session, signs);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // What a killed run left: its OFX reader's folder, and the part files of its copies.
    TempFolders::removeStale();
    TempFolders::removeStaleParts(ProgramPaths::dataFolder());
    QString problem;
    const std::optional<Options> options = parseArguments(QCoreApplication::arguments(), &problem);
    if (!options)
        return usageError(problem);
    if (options->help) {
        print(stdout, QString::fromUtf8(Usage));
        return Read;
    }
    if (options->version) {
        std::printf("vantrell-import %s\n", ProgramVersion);
        return Read;
    }
    const int status = options->into.isEmpty() ? run(*options) : runInto(*options);
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    return status;
}
