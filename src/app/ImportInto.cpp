// The --into mode of vantrell-import: a loan's whole history from a bank's file, cut into
// statements, each checked as the transactions window checks a typed one, and the ready ones
// committed to the account in one transaction, as the history import of the window does.
#include "ImportCommands.h"

#include "ToolText.h"
#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "data/ProgramPaths.h"
#include "data/ShortDate.h"
#include "import/HistoryImport.h"
#include "import/ImportChoices.h"
#include "render/GridText.h"
#include "render/ReportRendering.h"

#include <QFileInfo>
#include <QSqlDatabase>

namespace ImportCommands {

using ImportOptions::Options;
using ToolText::print;

namespace {

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

} // namespace

// --into: the history cut into statements, previewed, and committed unless a dry run.
int into(const Options& o) {
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

} // namespace ImportCommands
