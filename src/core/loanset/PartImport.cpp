#include "PartImport.h"

#include "data/AccountConnection.h"
#include "data/AccountFiles.h"
#include "data/ProgramPaths.h"
#include "engine/RateProposal.h"
#include "import/HistoryImport.h"
#include "import/ImportChoices.h"
#include "import/ImportSession.h"
#include "import/OfxChild.h"
#include "run/AccountSnapshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace PartImport {

QString freshAccountPath(const QString& folder, const QString& setName, const QString& partName) {
    static const QRegularExpression unsafe(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])"));
    QString stem = QStringLiteral("%1 - %2").arg(setName.trimmed(), partName.trimmed());
    stem.replace(unsafe, QStringLiteral("-"));
    const QDir dir(folder);
    QString path = dir.filePath(stem + QStringLiteral(".mdb"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).mdb").arg(stem).arg(n));
    return path;
}

namespace {

// The bank's file read as the import tool reads it: OFX in its child, QIF of one account.
std::unique_ptr<ImportSession>
readBankFile(const QString& bankFile, const std::optional<CsvLayout>& remembered, QString* error) {
    std::unique_ptr<ImportSession> session = ImportSession::load(bankFile, error);
    if (!session)
        return nullptr;
    if (session->format() == StatementFormat::Ofx)
        session->setOfxResult(OfxChild::read(session->ofxContent()));
    if (session->needsAccount()) {
        *error = QCoreApplication::translate(
                     "PartImport", "%1 holds several accounts: import it with the history import, "
                                   "which asks which one")
                     .arg(bankFile);
        return nullptr;
    }
    if (!session->start(remembered, ImportSession::Fallback::Refuse, error))
        return nullptr;
    for (const ImportedRow& r : session->result().rows) {
        if (!r.ok()) {
            *error = QCoreApplication::translate("PartImport", "line %1 of %2 does not read: %3")
                         .arg(r.line)
                         .arg(bankFile, r.error);
            return nullptr;
        }
    }
    return session;
}

// The whole history cut into statements and committed; "" when it is, else why not.
QString importHistory(QSqlDatabase db, const QString& account, const QString& bankFile,
                      const GoOn& goOn, QStringList* notes) {
    QString error;
    const std::optional<HistoryImport::AccountHistory> history =
        HistoryImport::AccountHistory::load(db, &error);
    if (!history)
        return QCoreApplication::translate("PartImport", "the account's history cannot be read: %1")
            .arg(error);
    const ImportChoices choices = ImportChoices::load(db, ImportChoices::StatementSetting);
    const std::unique_ptr<ImportSession> session = readBankFile(bankFile, choices.csv, &error);
    if (!session)
        return error;
    const HistoryImport::Signs signs = HistoryImport::proposeSigns(*session);
    const HistoryImport::Plan plan = HistoryImport::cut(
        HistoryImport::applied(session->result().rows, signs), HistoryImport::Cutting(),
        {HistoryImport::offeredOpening(session->result(), *history), std::nullopt}, *history);
    if (!plan.refusal.isEmpty())
        return plan.refusal;
    if (!plan.caution.isEmpty() && goOn && !goOn(plan.caution))
        return QCoreApplication::translate("PartImport", "%1 was not imported").arg(bankFile);
    if (!plan.note.isEmpty())
        notes->append(plan.note);
    using Step = HistoryImport::Outcome::Step;
    const HistoryImport::Outcome outcome = HistoryImport::importInto(
        db, account, *history, plan, choices, session->csvLayout(), signs);
    switch (outcome.step) {
    case Step::Done:
        return QString();
    case Step::NothingReady:
        return QCoreApplication::translate("PartImport", "%1 holds no complete statement to import")
            .arg(bankFile);
    case Step::NoCopy:
    case Step::NotWritten:
        break;
    }
    return QCoreApplication::translate("PartImport", "nothing written: %1").arg(outcome.reason);
}

// The rates proposed under the way that reproduces most charges, stored; that way's method, or
// none when no rate could be read from the charges.
std::optional<InterestMethod::Code> proposeRates(QSqlDatabase db, QStringList* notes) {
    QString error;
    const std::optional<AccountSnapshot> snapshot = Snapshot::read(db, &error);
    if (!snapshot) {
        notes->append(QCoreApplication::translate("PartImport", "the rates cannot be proposed: %1")
                          .arg(error));
        return std::nullopt;
    }
    const AccountStore::CalculationInputs& in = snapshot->inputs;
    const RateProposal::Ranking ranking = RateProposal::proposeAny(
        in.history, snapshot->dayInForce.value_or(CalcDay::Day()).calcFrom(), in.offset);
    if (ranking.ranked.isEmpty() || ranking.best.periods.isEmpty()) {
        notes->append(QCoreApplication::translate("RateProposal", RateProposal::NothingToPropose));
        return std::nullopt;
    }
    const FitCandidate& way = ranking.ranked.first().candidate;
    const QVector<RateProposal::Period> chosen =
        RateProposal::changed(in.rates, ranking.best.periods);
    const QVector<qint64> replaced = RateProposal::overlapping(in.rates, chosen);
    if (!RateProposal::store(db, chosen, replaced, way, &error)) {
        notes->append(
            QCoreApplication::translate("PartImport", "the rates proposed cannot be stored: %1")
                .arg(error));
        return std::nullopt;
    }
    return way.method;
}

} // namespace

std::optional<Made> make(const QString& bankFile, const QString& account, const GoOn& goOn,
                         QString* error) {
    if (QFileInfo::exists(account) || QFileInfo(account).isSymLink()) {
        *error = QCoreApplication::translate("PartImport", "%1 exists already").arg(account);
        return std::nullopt;
    }
    if (const FileError e =
            AccountFiles::createFromTemplate(ProgramPaths::templateFile(), account)) {
        *error =
            QCoreApplication::translate("PartImport", "%1 cannot be made: %2").arg(account, e.text);
        return std::nullopt;
    }
    Made made{account, std::nullopt, {}};
    QString problem;
    {
        AccountConnection connection;
        if (const FileError e = AccountFiles::compactInPlace(account, ProgramPaths::scratchFile()))
            problem = QCoreApplication::translate("PartImport", "%1 cannot be opened: %2")
                          .arg(account, e.text);
        else if (!connection.open(account))
            problem = connection.lastError();
        else
            problem = importHistory(connection.database(), account, bankFile, goOn, &made.notes);
        if (problem.isEmpty())
            made.method = proposeRates(connection.database(), &made.notes);
    }
    if (!problem.isEmpty()) {
        // The account was made here a moment ago and holds nothing else: it goes.
        QFile::remove(account);
        *error = problem;
        return std::nullopt;
    }
    return made;
}

} // namespace PartImport
