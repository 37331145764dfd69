// vantrell-import: what the statement import's preview would show of a bank's file, as text or
// CSV, for users who script their checks. It goes the preview's own way (ImportSession, then
// ImportPreview), so the two can never disagree. An account named with --account is only read:
// it is copied into memory as the report tool copies it.
#include "data/AccountConnection.h"
#include "data/Money.h"
#include "data/ShortDate.h"
#include "engine/StatementHeader.h"
#include "import/ColumnRules.h"
#include "import/CsvReader.h"
#include "import/ImportChoices.h"
#include "import/ImportPreview.h"
#include "import/ImportSession.h"
#include "import/OfxChild.h"
#include "render/ReportRendering.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

enum Exit { Read = 0, UsageError = 1, Refused = 2 };

const char* const Usage =
    "usage: vantrell-import FILE [--format text|csv] [--date-order dmy|mdy] [--flip]\n"
    "                       [--preset NAME]\n"
    "                       [--account ACCOUNT.mdb --start DATE --end DATE --opening AMOUNT\n"
    "                        [--closing AMOUNT]]\n"
    "\n"
    "Prints what the statement import's preview shows of a bank's CSV, OFX/QFX or QIF file: each\n"
    "row with its date, description, amount, the column it goes into, whether it is ticked for\n"
    "import and, when not, why. Nothing is written anywhere.\n"
    "\n"
    "  --format F      text (default): aligned columns; csv: the header\n"
    "                  \"line,date,description,amount,column,ticked,reason\", then one line a "
    "row:\n"
    "                  ISO dates, plain amounts with the sign as imported (money in positive,\n"
    "                  money out negative), column one of GovtCharge, BankCharge, UserWithdrawal,\n"
    "                  Deposit, InterestPayment, ticked 1 or 0\n"
    "  --date-order O  dmy (day first) or mdy (month first) for numeric dates\n"
    "                  (default: as detected)\n"
    "  --flip          turns the sign of every amount (and balance)\n"
    "  --preset NAME   reads a CSV file in the layout of a preset shipped with the program (its\n"
    "                  file name without the extension)\n"
    "  --qif-account NAME  reads only that account of a QIF file that holds several (its name,\n"
    "                  or its number from 1 in the order the file names them)\n"
    "  --account A     checks the rows against a statement of account A and its committed\n"
    "                  history, as the preview does (A is only read); needs --start, --end and\n"
    "                  --opening, the statement's dates and opening balance, and takes --closing\n"
    "                  (dates as ISO yyyy-MM-dd or the Short Date, amounts with a '-' for debit)\n"
    "\n"
    "What was detected (format, layout, delimiter, header line, date order, amounts, balance\n"
    "check) goes to standard error, one item a line.\n"
    "Exit status: 0 read, 1 usage error, 2 the file (or account) unreadable or refused.\n";

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
};

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), to);
}

int usageError(const QString& problem) {
    print(stderr, QStringLiteral("vantrell-import: %1\n\n").arg(problem));
    print(stderr, QString::fromLatin1(Usage));
    return UsageError;
}

int refused(const QString& problem) {
    print(stderr, QStringLiteral("vantrell-import: %1\n").arg(problem));
    return Refused;
}

QDate dateOption(const QString& text) {
    const QDate iso = ShortDate::fromIso(text);
    return iso.isValid() ? iso : ShortDate::parse(text);
}

std::optional<Options> parseArguments(const QStringList& args, QString* problem) {
    Options o;
    const auto fail = [&](const QString& why) {
        *problem = why;
        return std::nullopt;
    };
    for (int i = 1; i < args.size(); ++i) {
        QString arg = args[i];
        QString value;
        bool inlineValue = false;
        if (arg.startsWith(QLatin1String("--")) && arg.contains(u'=')) {
            value = arg.section(u'=', 1);
            arg = arg.section(u'=', 0, 0);
            inlineValue = true;
        }
        const auto takeValue = [&]() -> bool {
            if (inlineValue)
                return true;
            if (i + 1 >= args.size())
                return false;
            value = args[++i];
            return true;
        };
        if (arg == QLatin1String("--help")) {
            print(stdout, QString::fromLatin1(Usage));
            std::exit(Read);
        } else if (arg == QLatin1String("--flip") && !inlineValue) {
            o.flip = true;
        } else if (arg == QLatin1String("--format")) {
            if (!takeValue() || (value != QLatin1String("csv") && value != QLatin1String("text")))
                return fail(QStringLiteral("--format takes text or csv"));
            o.csv = value == QLatin1String("csv");
        } else if (arg == QLatin1String("--date-order")) {
            if (!takeValue() || (value != QLatin1String("dmy") && value != QLatin1String("mdy")))
                return fail(QStringLiteral("--date-order takes dmy or mdy"));
            o.dateOrder =
                value == QLatin1String("dmy") ? DateOrder::DayFirst : DateOrder::MonthFirst;
        } else if (arg == QLatin1String("--preset")) {
            if (!takeValue() || value.isEmpty())
                return fail(QStringLiteral("--preset takes a preset's name"));
            o.preset = value;
        } else if (arg == QLatin1String("--qif-account")) {
            if (!takeValue() || value.isEmpty())
                return fail(QStringLiteral("--qif-account takes an account's name or number"));
            o.qifAccount = value;
        } else if (arg == QLatin1String("--account")) {
            if (!takeValue() || value.isEmpty())
                return fail(QStringLiteral("--account takes an account file"));
            o.account = value;
        } else if (arg == QLatin1String("--start") || arg == QLatin1String("--end")) {
            if (!takeValue() || !dateOption(value).isValid())
                return fail(QStringLiteral("%1 takes a date").arg(arg));
            (arg == QLatin1String("--start") ? o.start : o.end) = dateOption(value);
        } else if (arg == QLatin1String("--opening") || arg == QLatin1String("--closing")) {
            const std::optional<Money> amount =
                takeValue() ? Money::parse(value) : std::optional<Money>();
            if (!amount)
                return fail(QStringLiteral("%1 takes an amount").arg(arg));
            (arg == QLatin1String("--opening") ? o.opening : o.closing) = amount;
        } else if (arg.startsWith(u'-') && arg.size() > 1) {
            return fail(QStringLiteral("unknown option %1").arg(arg));
        } else if (o.file.isEmpty()) {
            o.file = arg;
        } else {
            return fail(QStringLiteral("one FILE only"));
        }
    }
    if (o.file.isEmpty())
        return fail(QStringLiteral("no FILE given"));
    const bool statement = o.start.isValid() || o.end.isValid() || o.opening || o.closing;
    if (o.account.isEmpty() && statement)
        return fail(QStringLiteral("--start, --end, --opening and --closing go with --account"));
    if (!o.account.isEmpty() && (!o.start.isValid() || !o.end.isValid() || !o.opening))
        return fail(QStringLiteral("--account needs --start, --end and --opening"));
    if (!o.account.isEmpty() && o.end < o.start)
        return fail(QStringLiteral("--end is before --start"));
    return o;
}

// Without an account: a statement that holds every row of the file, opening on the balance
// before its first row where the file states one, so that the file's own balances are checked.
StatementHeader wholeFile(const QList<ImportedRow>& rows) {
    StatementHeader h;
    for (const ImportedRow& r : rows) {
        if (!r.date.isValid())
            continue;
        if (!h.start.isValid() || r.date < h.start)
            h.start = r.date;
        if (!h.end.isValid() || r.date > h.end)
            h.end = r.date;
    }
    h.openBalance = Money();
    for (const ImportedRow& r : rows) {
        if (r.ok() && r.balance) {
            h.openBalance = Money::subtract(*r.balance, r.amount).value_or(Money());
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
    if (layout.flipSign)
        out << QStringLiteral("sign: turned");
    const ImportPreview::BalanceCheck check = preview.balanceCheck();
    if (!check.available)
        out << QStringLiteral("balance check: the file states no balance");
    else if (check.partsAt < 0)
        out << QStringLiteral("balance check: the file's balances follow from its amounts");
    else
        out << QStringLiteral("balance check: parts at line %1")
                   .arg(preview.row(check.partsAt).source.line);
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
    QVector<qsizetype> width(rows.first().size());
    for (const QStringList& row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            width[c] = std::max(width[c], row[c].size());
    QString out;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c) {
            const bool right = c == 0 || c == 3;
            line += (c ? QStringLiteral("  ") : QString()) +
                    (right ? row[c].rightJustified(width[c]) : row[c].leftJustified(width[c]));
        }
        while (line.endsWith(u' '))
            line.chop(1);
        out += line + u'\n';
    }
    return out;
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

int run(const Options& o) {
    QString error;
    std::unique_ptr<ImportSession> session = ImportSession::load(o.file, &error);
    if (!session)
        return refused(error);
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
            return refused(QStringLiteral("%1 holds several accounts; choose one with "
                                          "--qif-account: %2")
                               .arg(o.file, names.join(QLatin1String(", "))));
        session->setQifAccount(chosen);
    }

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

    if (!session->start(choices.csv, ImportSession::Fallback::Refuse, &error))
        return refused(error);
    if (!o.preset.isEmpty()) {
        const QList<CsvPreset>& presets = CsvPresets::builtIn();
        const auto named = std::find_if(presets.begin(), presets.end(), [&](const CsvPreset& p) {
            return p.file == o.preset || p.name == o.preset;
        });
        if (named == presets.end())
            return refused(QStringLiteral("no preset is called '%1'").arg(o.preset));
        if (!session->chooseLayout(named->name, &error))
            return refused(error);
    }
    if (o.dateOrder)
        session->setDateOrder(*o.dateOrder);
    if (o.flip) {
        CsvLayout layout = session->layout();
        layout.flipSign = !layout.flipSign;
        session->setLayout(layout);
    }
    if (!session->result().error.isEmpty())
        return refused(session->result().error);

    StatementHeader header = wholeFile(session->result().rows);
    if (!o.account.isEmpty()) {
        header.start = o.start;
        header.end = o.end;
        header.openBalance = o.opening;
        header.closeBalance = o.closing;
    }
    ImportPreview preview(header, std::move(known), choices.rules);
    preview.setRows(session->result().rows);

    print(stdout, o.csv ? csv(preview) : table(preview));
    for (const QString& line : detected(*session, preview))
        print(stderr, line + u'\n');
    if (std::fflush(stdout) != 0)
        return refused(QStringLiteral("the rows could not be written"));
    return Read;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString problem;
    const std::optional<Options> options = parseArguments(QCoreApplication::arguments(), &problem);
    if (!options)
        return usageError(problem);
    const int status = run(*options);
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    return status;
}
