#include "HistoryImport.h"

#include "BankSummary.h"
#include "BankText.h"
#include "ColumnRules.h"
#include "data/AccountFiles.h"
#include "data/HistorySpan.h"
#include "data/Queries.h"
#include "data/RunningBalance.h"
#include "data/StoredValue.h"
#include "data/TransactionGuard.h"
#include "engine/ReportPreparation.h"
#include "engine/StatementChecks.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace HistoryImport {

namespace {

QDate onDay(int year, int month, int cutDay) {
    const QDate first(year, month, 1);
    const int last = first.daysInMonth();
    return QDate(year, month, cutDay <= 0 || cutDay > last ? last : cutDay);
}

// The row as a typed one is saved: its amount, made positive, in its column and 0 in the others.
ImportPreview::Row previewRow(const ImportedRow& r) {
    ImportPreview::Row row;
    row.source = r;
    row.column = ColumnRules::defaults().columnFor(r);
    return row;
}

SessionRow sessionRow(const TransactionAmounts& a, const ImportedRow& r) {
    SessionRow row;
    row.date = r.date;
    row.fitId = r.fitId;
    for (AmountColumn c : AmountColumns::All)
        row.amounts[c] = StoredMoney::of(a[c]);
    return row;
}

// A file listing the newest first is turned round whole, as the preview turns it, so that the
// rows of one day keep their order relative to each other. The bank's deletion of a transaction
// of an earlier file is no transaction.
QList<ImportedRow> oldestFirst(const QList<ImportedRow>& input) {
    QList<ImportedRow> rows;
    for (const ImportedRow& r : input) {
        if (r.movesMoney() && r.date.isValid())
            rows << r;
    }
    if (!rows.isEmpty() && rows.first().date > rows.last().date)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

} // namespace

QDate Cutting::endOf(const QDate& date) const {
    if (!ends.isEmpty()) {
        QList<QDate> sorted = ends;
        std::sort(sorted.begin(), sorted.end());
        const auto at = std::lower_bound(sorted.begin(), sorted.end(), date);
        return at == sorted.end() ? QDate() : *at;
    }
    const int step = int(every);
    int year = date.year();
    int month = date.month();
    while (month % step != 0)
        ++month;
    QDate end = onDay(year, month, cutDay);
    if (end < date) {
        month += step;
        if (month > 12) {
            month -= 12;
            ++year;
        }
        end = onDay(year, month, cutDay);
    }
    return end;
}

Signs proposeSigns(const QList<ImportedRow>& input) {
    const QList<ImportedRow> rows = oldestFirst(input);
    Signs s;
    // Over each pair of rows with balances: do they follow from the amounts as read, or turned?
    int asRead = 0;
    int turned = 0;
    int positive = 0;
    int negative = 0;
    const ImportedRow* before = nullptr;
    for (const ImportedRow& r : rows) {
        if (!r.balance)
            continue;
        (*r.balance > Money() ? positive : negative) += r.balance->raw() != 0;
        if (before && r.amount.raw() != 0) {
            const qint64 moved = r.balance->raw() - before->balance->raw();
            asRead += moved == r.amount.raw();
            turned += moved == -r.amount.raw();
        }
        before = &r;
    }
    if (!before) {
        s.why = QCoreApplication::translate("HistoryImport",
                                            "the file states no balance: amounts as read");
        return s;
    }
    // A loan in debit is negative: a file that shows the debt as a positive number is turned.
    s.turnBalances = positive > negative;
    const bool amountsAgainstBalances = turned > asRead;
    s.turnAmounts = amountsAgainstBalances != s.turnBalances;
    // Each of the four cases is one sentence, so that a translation need not be pieced together.
    if (s.turnBalances)
        s.why = amountsAgainstBalances
                    ? QCoreApplication::translate(
                          "HistoryImport",
                          "the file's balances are mostly positive, so turned (a loan in debit is "
                          "negative); its amounts then follow the balances with their sign turned, "
                          "so they are kept")
                    : QCoreApplication::translate(
                          "HistoryImport",
                          "the file's balances are mostly positive, so turned (a loan in debit is "
                          "negative); its amounts then follow the balances as read, so they are "
                          "turned");
    else
        s.why = amountsAgainstBalances
                    ? QCoreApplication::translate(
                          "HistoryImport",
                          "the file's balances are mostly negative, kept; its amounts then follow "
                          "the balances with their sign turned, so they are turned")
                    : QCoreApplication::translate(
                          "HistoryImport", "the file's balances are mostly negative, kept; its "
                                           "amounts then follow the balances as read, so they are "
                                           "kept");
    return s;
}

QList<ImportedRow> applied(QList<ImportedRow> rows, const Signs& signs) {
    for (ImportedRow& r : rows) {
        // Amounts and balances read from a file are far inside the range: each turns.
        if (signs.turnAmounts)
            r.amount = r.amount.negated().value_or(r.amount);
        if (signs.turnBalances && r.balance)
            r.balance = r.balance->negated().value_or(*r.balance);
    }
    return rows;
}

Signs proposeSigns(ImportSession& session) {
    if (session.layout().flipSign) {
        CsvLayout asWritten = session.layout();
        asWritten.flipSign = false;
        session.setLayout(asWritten);
    }
    const ReadResult& read = session.result();
    if (!read.error.isEmpty() || read.rows.isEmpty() ||
        !std::all_of(read.rows.cbegin(), read.rows.cend(),
                     [](const ImportedRow& r) { return r.ok(); }))
        return Signs();
    return proposeSigns(read.rows);
}

std::optional<AccountHistory> AccountHistory::load(QSqlDatabase db, QString* error) {
    AccountHistory h;
    if (!ReportPreparation::readStatementNumbers(db, &h.numbers, error))
        return std::nullopt;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QString::fromLatin1(Queries::AllRecordsLastBalance))) {
        if (error)
            *error = q.lastError().text();
        return std::nullopt;
    }
    while (q.next()) {
        const QDate date = StoredValue::date(q.value(1));
        if (date.isValid())
            h.lastDate = date;
        if (const std::optional<Money> balance = StoredValue::money(q.value(2)).money())
            h.lastBalance = *balance;
    }
    const std::optional<KnownTransactions> known = KnownTransactions::load(db, error);
    if (!known)
        return std::nullopt;
    h.committed = known->committed;
    return h;
}

QString statusText(Status status) {
    switch (status) {
    case Status::Ready:
        return QCoreApplication::translate("HistoryImport", "ready");
    case Status::AlreadyInAccount:
        return QCoreApplication::translate("HistoryImport", "already in the account");
    case Status::BalanceBreak:
        return QCoreApplication::translate("HistoryImport", "balance break");
    case Status::NoBalanceToCheck:
        return QCoreApplication::translate("HistoryImport", "no balance to check");
    }
    return {};
}

QString Statement::statusShown() const {
    QString text;
    if (status != Status::BalanceBreak)
        text = statusText(status);
    else if (breakLine > 0)
        text =
            QCoreApplication::translate("HistoryImport", "balance break at line %1").arg(breakLine);
    else
        text = QCoreApplication::translate(
            "HistoryImport", "balance break: the amounts do not reach the closing balance");
    if (balanceRow)
        text += QCoreApplication::translate("HistoryImport", "; starts with a balance row");
    if (leftOut > 0)
        text += QCoreApplication::translate("HistoryImport",
                                            "; %1 rows already in the history left out")
                    .arg(leftOut);
    if (notInHistory > 0)
        text += QCoreApplication::translate(
                    "HistoryImport", "; %1 rows on committed days not in the history left out")
                    .arg(notInHistory);
    if (noInterest && status != Status::AlreadyInAccount)
        text += QCoreApplication::translate("HistoryImport", "; no interest charged");
    return text;
}

std::optional<std::pair<QDate, QDate>> Plan::readySpan() const {
    std::optional<std::pair<QDate, QDate>> span;
    for (const Statement& s : statements) {
        if (s.status != Status::Ready)
            continue;
        if (!span)
            span = std::pair{s.start, s.end};
        span->second = s.end;
    }
    return span;
}

namespace {

// A loan is charged interest every month: two months or more of a file without any, the more so
// with card purchases in it, are likely the borrower's everyday account, picked by mistake.
QString everydayCaution(const Plan& plan) {
    if (plan.statements.size() < 2 || !std::all_of(plan.statements.cbegin(), plan.statements.cend(),
                                                   [](const Statement& s) { return s.noInterest; }))
        return QString();
    static const QRegularExpression card(QStringLiteral("\\b(eftpos|visa|mastercard|pos|card)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    int cards = 0;
    for (const Statement& s : plan.statements) {
        for (const ImportedRow& r : s.rows)
            cards += r.description.contains(card) ? 1 : 0;
    }
    if (cards > 0)
        return QCoreApplication::translate(
                   "HistoryImport",
                   "This file looks like an everyday account rather than the loan: no interest is "
                   "charged in it, and it holds %1 card purchase(s). Check that it is the loan's "
                   "export before you import it.")
            .arg(cards);
    return QCoreApplication::translate(
        "HistoryImport", "This file looks like an everyday account rather than the loan: no "
                         "interest is charged in it. Check that it is the loan's export before "
                         "you import it.");
}

} // namespace

std::optional<Money> offeredOpening(const ReadResult& read, const AccountHistory& account) {
    if (statesBalances(read.rows) || account.lastDate.isValid())
        return std::nullopt;
    return BankSummary::offeredOpening(read.summary);
}

namespace {

// Sums over the file's amounts are checked: a hostile file must not wrap them.
Plan amountsRefused() {
    Plan plan;
    plan.refusal = QCoreApplication::translate(
        "HistoryImport", "The file's amounts add up to more than a loan account can "
                         "hold: it is not a loan's history.");
    return plan;
}

// The balance before the first row: from the first stated balance, back through the amounts;
// without one the opening given, else the account's last. False when the amounts wrap.
bool balanceBeforeFirst(const QList<ImportedRow>& rows, bool hasBalance, const Balances& given,
                        const AccountHistory& account, std::optional<Money>& running) {
    if (hasBalance) {
        Money sum;
        for (const ImportedRow& r : rows) {
            const auto next = Money::add(sum, r.amount);
            if (!next)
                return false;
            sum = *next;
            if (r.balance) {
                running = Money::subtract(*r.balance, sum);
                return running.has_value();
            }
        }
    } else if (given.opening) {
        running = given.opening;
    } else if (account.lastDate.isValid()) {
        running = account.lastBalance;
    }
    return true;
}

// The balance after each row and where the file's own balance parts from the amounts: from
// there on its balance is followed, so that one missing row breaks one statement only.
struct RowBalances {
    Money first;
    QList<Money> after;
    QList<int> breakAt; // the line of a row whose balance parts, else 0
    Money before(qsizetype i) const { return i == 0 ? first : after[i - 1]; }
};

std::optional<RowBalances> followBalances(const QList<ImportedRow>& rows, Money first) {
    const qsizetype n = rows.size();
    RowBalances b{first, QList<Money>(n), QList<int>(n, 0)};
    Money balance = first;
    for (qsizetype i = 0; i < n; ++i) {
        const ImportedRow& r = rows[i];
        const auto next = Money::add(balance, r.amount);
        if (!next || !BankText::fitsAnAccount(*next))
            return std::nullopt;
        balance = *next;
        if (r.balance && *r.balance != balance) {
            b.breakAt[i] = r.line > 0 ? r.line : 1;
            balance = *r.balance;
        }
        b.after[i] = balance;
    }
    return b;
}

// Cuts the rows into statements, one after the other; the days the account's history holds are
// matched against it and never written twice.
class StatementCutter {
public:
    StatementCutter(const QList<ImportedRow>& rows, const RowBalances& balances,
                    const AccountHistory& account, bool noBalanceToCheck, int firstNumber)
        : m_rows(rows), m_balances(balances), m_account(account),
          m_noBalanceToCheck(noBalanceToCheck), m_number(firstNumber) {
        // Rows the account's history already holds are matched by date and effect.
        for (const KnownTransactions::Entry& e : account.committed)
            ++m_committed[{e.date.toJulianDay(), e.effect.raw()}];
    }

    Statement next(const QDate& start, const QDate& end) {
        Statement s;
        s.start = start;
        s.end = end;
        const QDate lastCommitted = m_account.lastDate;
        const bool overlaps = lastCommitted.isValid() && start <= lastCommitted;
        if (lastCommitted.isValid() && end <= lastCommitted) {
            s.status = Status::AlreadyInAccount;
        } else if (overlaps) {
            // The committed days are never written twice: the statement starts after them.
            s.start = lastCommitted.addDays(1);
            leaveOutCommitted(s);
        }
        const qsizetype n = m_rows.size();
        // Its days after the history's last are all empty: the account has it already.
        if (overlaps && (m_at == n || m_rows[m_at].date > end))
            s.status = Status::AlreadyInAccount;
        const qsizetype from = m_at;
        while (m_at < n && m_rows[m_at].date <= end)
            s.rows << m_rows[m_at++];
        s.opening = m_balances.before(from);
        s.closing = m_balances.before(m_at);
        if (s.status != Status::AlreadyInAccount)
            judgeNew(s, from);
        s.noInterest = std::none_of(s.rows.begin(), s.rows.end(), [](const ImportedRow& r) {
            return ColumnRules::defaults().columnFor(r) == AmountColumn::InterestPayment;
        });
        return s;
    }

    qsizetype rowsCut() const { return m_at; }

private:
    // The rows on the committed days: those the history holds, and those it does not.
    void leaveOutCommitted(Statement& s) {
        for (; m_at < m_rows.size() && m_rows[m_at].date <= m_account.lastDate; ++m_at) {
            const QPair<qint64, qint64> key{m_rows[m_at].date.toJulianDay(),
                                            m_rows[m_at].amount.raw()};
            if (m_committed.value(key) > 0) {
                --m_committed[key];
                ++s.leftOut;
            } else {
                ++s.notInHistory;
            }
        }
    }

    // A statement the account does not hold yet: its balance checked, its number given.
    void judgeNew(Statement& s, qsizetype from) {
        for (qsizetype i = from; i < m_at; ++i) {
            if (m_balances.breakAt[i]) {
                s.status = Status::BalanceBreak;
                s.breakLine = m_balances.breakAt[i];
                break;
            }
        }
        if (m_noBalanceToCheck)
            s.status = Status::NoBalanceToCheck;
        if (m_firstNew && m_account.lastDate.isValid())
            s.balanceRow = s.opening != m_account.lastBalance;
        m_firstNew = false;
        s.number = m_number++;
    }

    const QList<ImportedRow>& m_rows;
    const RowBalances& m_balances;
    const AccountHistory& m_account;
    const bool m_noBalanceToCheck;
    int m_number;
    QHash<QPair<qint64, qint64>, int> m_committed;
    qsizetype m_at = 0;
    bool m_firstNew = true;
};

// The statements the account holds already are its last ones: they take its numbers (sorted),
// the latest the highest. The account keeps no dates per number, so the order matches them.
void numberHeld(Plan& plan, const QVector<int>& accountNumbers) {
    int held = int(accountNumbers.size());
    int below = accountNumbers.isEmpty() ? 0 : accountNumbers.first();
    for (qsizetype i = plan.statements.size() - 1; i >= 0; --i) {
        Statement& s = plan.statements[i];
        if (s.status != Status::AlreadyInAccount)
            continue;
        s.number = held > 0 ? accountNumbers[--held] : std::max(--below, 0);
    }
}

} // namespace

Plan cut(const QList<ImportedRow>& input, const Cutting& cutting, const Balances& given,
         const AccountHistory& account) {
    Plan plan;
    const QList<ImportedRow> rows = oldestFirst(input);
    if (rows.isEmpty())
        return plan;

    const auto [earliest, latest] = std::minmax_element(
        rows.begin(), rows.end(),
        [](const ImportedRow& a, const ImportedRow& b) { return a.date < b.date; });
    if (!HistorySpan::fits(earliest->date, latest->date)) {
        plan.refusal =
            HistorySpan::refusal(QCoreApplication::translate("HistoryImport", "The file's history"),
                                 earliest->date, latest->date);
        return plan;
    }
    const bool hasBalance = statesBalances(rows);
    std::optional<Money> running;
    if (!balanceBeforeFirst(rows, hasBalance, given, account, running))
        return amountsRefused();
    const bool opened = running.has_value();
    if (!opened)
        plan.note = QCoreApplication::translate(
            "HistoryImport", "the file states no balance and no opening balance is given");
    const std::optional<RowBalances> balances = followBalances(rows, running.value_or(Money()));
    if (!balances)
        return amountsRefused();

    QVector<int> accountNumbers = account.numbers;
    std::sort(accountNumbers.begin(), accountNumbers.end());
    const int number = cutting.firstNumber > 0    ? cutting.firstNumber
                       : accountNumbers.isEmpty() ? 1
                                                  : accountNumbers.last() + 1;
    StatementCutter cutter(rows, *balances, account, !opened || (!hasBalance && !given.closing),
                           number);
    const QDate last = rows.last().date;
    for (QDate start = rows.first().date;;) {
        const QDate end = cutting.endOf(start);
        if (!end.isValid() || end > last)
            break;
        plan.statements << cutter.next(start, end);
        start = end.addDays(1);
    }
    plan.rowsAfter = int(rows.size() - cutter.rowsCut());
    plan.caution = everydayCaution(plan);
    numberHeld(plan, accountNumbers);

    // Without a balance column the closing balance given is the one check: when the amounts do
    // not reach it, a row is missing somewhere and no statement can be trusted.
    if (!hasBalance && opened && given.closing && !plan.statements.isEmpty() &&
        plan.statements.last().closing != *given.closing) {
        for (Statement& s : plan.statements) {
            if (s.status == Status::Ready)
                s.status = Status::BalanceBreak;
        }
    }
    return plan;
}

std::optional<Written> commit(QSqlDatabase db, const Plan& plan, QString* error,
                              const ImportChoices* keep) {
    TransactionGuard transaction(db);
    if (!transaction.begun(error))
        return std::nullopt;
    Written written;
    {
        // One committer for all: what the account holds is read once, each insert prepared once.
        ReportPreparation::StatementCommitter committer(db);
        for (const Statement& s : plan.statements) {
            if (s.status != Status::Ready)
                continue;
            StatementHeader header;
            header.number = QString::number(s.number);
            header.start = s.start;
            header.end = s.end;
            header.openBalance = s.opening;
            header.closeBalance = s.closing;
            QVector<StatementChecks::Row> checked;
            QVector<SessionRow> session;
            checked.reserve(s.rows.size());
            session.reserve(s.rows.size());
            for (const ImportedRow& r : s.rows) {
                const TransactionAmounts amounts = ImportPreview::amountsOf(previewRow(r));
                checked << StatementChecks::Row{r.date, amounts};
                session << sessionRow(amounts, r);
            }
            if (!StatementChecks::rows(header, checked).passed()) {
                if (error)
                    *error = QCoreApplication::translate("HistoryImport",
                                                         "statement %1 fails its closing checks")
                                 .arg(s.number);
                return std::nullopt;
            }
            QString why;
            if (!committer.commit(header, session, s.balanceRow, &why)) {
                if (error)
                    *error = QCoreApplication::translate("HistoryImport", "statement %1: %2")
                                 .arg(s.number)
                                 .arg(why);
                return std::nullopt;
            }
            ++written.statements;
            written.rows += int(session.size());
        }
    }
    QString why;
    if (keep && !keep->store(db, ImportChoices::StatementSetting, &why, false)) {
        if (error)
            *error = QCoreApplication::translate("HistoryImport",
                                                 "the file's layout cannot be remembered: %1")
                         .arg(why);
        return std::nullopt;
    }
    if (!transaction.commit(error))
        return std::nullopt;
    return written;
}

Outcome importInto(QSqlDatabase db, const QString& account, const AccountHistory& history,
                   const Plan& plan, const ImportChoices& choices,
                   const std::optional<CsvLayout>& layout, const Signs& signs) {
    Outcome out;
    if (!plan.readySpan()) {
        out.step = Outcome::Step::NothingReady;
        return out;
    }
    // The only way back from a bulk write into a history the user built: a copy beside it.
    if (!history.numbers.isEmpty() || history.lastDate.isValid()) {
        if (const FileError e = AccountFiles::keepCopy(account, &out.copy)) {
            out.step = Outcome::Step::NoCopy;
            out.reason = e.text;
            return out;
        }
    }
    // The statement import reads amounts as the balance sees them too.
    ImportChoices kept = choices;
    if (layout) {
        kept.csv = layout;
        kept.csv->flipSign = signs.turnAmounts;
    }
    const std::optional<Written> written =
        commit(db, plan, &out.reason, kept != choices ? &kept : nullptr);
    if (!written) {
        out.step = Outcome::Step::NotWritten;
        return out;
    }
    out.written = *written;
    return out;
}

} // namespace HistoryImport
