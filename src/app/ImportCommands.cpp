// The preview mode of vantrell-import: what the statement import's preview would show of a
// bank's file, as text or CSV. It goes the preview's own way (ImportSession, then ImportPreview),
// so the two can never disagree. An account named with --account is only read: it is copied into
// memory as the report tool copies it.
#include "ImportCommands.h"

#include "ToolText.h"
#include "data/AccountConnection.h"
#include "data/HistorySpan.h"
#include "data/ShortDate.h"
#include "engine/StatementHeader.h"
#include "import/BankSummary.h"
#include "import/ColumnRules.h"
#include "import/ImportChoices.h"
#include "import/ImportPreview.h"
#include "import/OfxChild.h"
#include "render/GridText.h"
#include "render/ReportRendering.h"

#include <QSqlDatabase>

#include <algorithm>
#include <cstdio>

namespace ImportCommands {

using ImportOptions::Options;
using ToolText::print;

int refused(const QString& problem) {
    return ToolText::problem("vantrell-import", problem, Refused);
}

namespace {

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

} // namespace

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
    // A QIF file's accounts never mix, nor do any file's in a statement or a history; a camt or
    // MT940 file is listed whole unless one is asked.
    const bool listed = o.into.isEmpty() && o.account.isEmpty();
    const bool mustChoose = session->needsAccount() &&
                            (session->format() == StatementFormat::Qif || !listed);
    if (!o.qifAccount.isEmpty() || mustChoose) {
        const QList<StatementAccount> accounts = session->accounts();
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
        session->setAccount(chosen);
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

int preview(const Options& o) {
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

} // namespace ImportCommands
