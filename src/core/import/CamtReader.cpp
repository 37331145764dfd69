#include "CamtReader.h"

#include "BankText.h"
#include "StatementFile.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QXmlStreamReader>

#include <algorithm>
#include <initializer_list>

namespace {

// Far deeper than any statement nests (about a dozen levels), far shallower than a stack limit.
constexpr qsizetype MaxDepth = 64;
// Statements, balances, entries and transactions together: decades of daily entries are a
// small part of it.
constexpr qsizetype MaxItems = 500'000;

// The texts of the file, as written, for the rows to be read from.
struct Detail {
    int line = 0;
    QString debtor;
    QString creditor;
    QString remittance; // the Ustrd lines, joined
    QString amount;     // TxDtls/Amt (from .001.04)
    QString txAmount;   // TxDtls/AmtDtls/TxAmt/Amt
    QString ref;        // TxDtls/Refs/AcctSvcrRef
    QString info;       // TxDtls/AddtlTxInf
};

struct Entry {
    int line = 0;
    QString amount;
    QString sign;
    QString reversal;
    QString status;
    QString booked;
    QString valued;
    QString ref;
    QString bookingText; // AddtlNtryInf
    QString code;        // BkTxCd/Prtry/Cd
    QStringList domain;  // BkTxCd/Domn: Cd, Fmly/Cd, Fmly/SubFmlyCd
    QList<Detail> details;
};

struct Balance {
    int line = 0;
    QString code;
    QString amount;
    QString sign;
    QString date;
};

struct Statement {
    int line = 0;
    QString id;
    QString account;
    QString currency;
    QList<Balance> balances;
    QList<Entry> entries;    // the one being read: each is made a row as it ends
    QList<ImportedRow> rows; // the entries as read
    int accountIndex = 0;
};

// The rows an entry gives: one, or one for each transaction of a batch booking.
void rowsOf(const Entry& e, QList<ImportedRow>& out);

bool isGroup(QStringView name) {
    return name == u"BkToCstmrStmt" || name == u"BkToCstmrAcctRpt";
}

// The elements of a camt file, gathered by where they stand. Elements of other names or in other
// places (agents, charges, addresses, summaries) are passed over.
class Parser {
public:
    explicit Parser(const QByteArray& bytes) : m_xml(bytes) {}

    // False, with `error` set, when the file is refused.
    bool run();

    QList<Statement> statements;
    QString error;

private:
    bool start();
    void end();
    bool rootIs(QStringView name);
    void statementField(const QString& text);
    void balanceField(const QString& text);
    void entryField(const QString& text);
    void detailField(const QString& text);
    void xmlError();

    // True when the element ending now stands at `names` below the element at depth `base`
    // (-1: not inside such an element).
    bool below(qsizetype base, std::initializer_list<QStringView> names) const {
        if (base < 0 || m_path.size() != base + 1 + qsizetype(names.size()))
            return false;
        qsizetype i = base + 1;
        return std::all_of(names.begin(), names.end(),
                           [&](QStringView n) { return m_path[i++] == n; });
    }

    QXmlStreamReader m_xml;
    QStringList m_path; // the open elements' local names, the current one last
    QString m_text;
    bool m_camt = false;
    qsizetype m_items = 0;
    // The depths of the open Stmt or Rpt, Bal, Ntry and TxDtls; -1 outside them.
    qsizetype m_statement = -1;
    qsizetype m_balance = -1;
    qsizetype m_entry = -1;
    qsizetype m_detail = -1;
};

bool Parser::run() {
    while (!m_xml.atEnd()) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (!start())
                return false;
            break;
        case QXmlStreamReader::EndElement:
            end();
            break;
        case QXmlStreamReader::Characters:
            m_text += m_xml.text();
            break;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            error = QCoreApplication::translate(
                "CamtReader", "The file declares a document type or entities, which a bank "
                              "statement never does: it is not read.");
            return false;
        default:
            break;
        }
    }
    if (m_xml.hasError() && m_camt) {
        xmlError();
        return false;
    }
    if (!m_camt) { // not XML, or XML of another kind
        error = QCoreApplication::translate(
            "CamtReader", "This is not a camt statement: the file has no BkToCstmrStmt or "
                          "BkToCstmrAcctRpt element.");
        return false;
    }
    return true;
}

void Parser::xmlError() {
    if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
        error = QCoreApplication::translate(
                    "CamtReader", "The file ends at line %1 before its XML is complete: it is cut "
                                  "short.")
                    .arg(m_xml.lineNumber());
    } else {
        error =
            QCoreApplication::translate("CamtReader", "The file's XML does not read at line %1: %2")
                .arg(m_xml.lineNumber())
                .arg(m_xml.errorString());
    }
}

// The document element is Document holding a statement group, or the group itself.
bool Parser::rootIs(QStringView name) {
    if (m_path.isEmpty() && name == u"Document")
        return true;
    if ((m_path.isEmpty() || (m_path.size() == 1 && m_path[0] == u"Document")) && isGroup(name)) {
        m_camt = true;
        return true;
    }
    error = QCoreApplication::translate(
        "CamtReader", "This is not a camt statement: the file has no BkToCstmrStmt or "
                      "BkToCstmrAcctRpt element.");
    return false;
}

bool Parser::start() {
    const QString name = m_xml.name().toString();
    if (m_path.size() < 2 && !rootIs(name))
        return false;
    if (m_path.size() >= MaxDepth) {
        error = QCoreApplication::translate(
                    "CamtReader", "The file's elements nest more than %1 deep at line %2, which "
                                  "no bank statement does: it is not read.")
                    .arg(MaxDepth)
                    .arg(m_xml.lineNumber());
        return false;
    }
    const int line = int(m_xml.lineNumber());
    const qsizetype depth = m_path.size();
    const bool inStatement = m_statement >= 0 && m_statement == depth - 1 && m_entry < 0;
    bool item = true;
    if (m_statement < 0 && depth >= 1 && (name == u"Stmt" || name == u"Rpt") &&
        isGroup(m_path.last())) {
        statements << Statement();
        statements.last().line = line;
        m_statement = depth;
    } else if (inStatement && name == u"Bal") {
        statements.last().balances << Balance();
        statements.last().balances.last().line = line;
        m_balance = depth;
    } else if (inStatement && name == u"Ntry") {
        statements.last().entries << Entry();
        statements.last().entries.last().line = line;
        m_entry = depth;
    } else if (m_entry >= 0 && m_entry == depth - 2 && m_detail < 0 && name == u"TxDtls" &&
               m_path.last() == u"NtryDtls") {
        statements.last().entries.last().details << Detail();
        statements.last().entries.last().details.last().line = line;
        m_detail = depth;
    } else {
        item = false;
    }
    if (item && ++m_items > MaxItems) {
        error = QCoreApplication::translate(
                    "CamtReader", "The file holds more than %1 entries, balances and statements; "
                                  "a statement file may hold at most that many. Download a "
                                  "shorter period from the bank.")
                    .arg(QLocale().toString(MaxItems));
        return false;
    }
    m_path << name;
    m_text.clear();
    return true;
}

void Parser::end() {
    if (m_path.isEmpty())
        return;
    const QString text = m_text.trimmed();
    if (m_detail >= 0)
        detailField(text);
    else if (m_entry >= 0)
        entryField(text);
    else if (m_balance >= 0)
        balanceField(text);
    else if (m_statement >= 0)
        statementField(text);
    const qsizetype depth = m_path.size() - 1;
    if (depth == m_entry) {
        Statement& s = statements.last();
        rowsOf(s.entries.last(), s.rows);
        s.entries.removeLast();
    }
    for (qsizetype* open : {&m_detail, &m_entry, &m_balance, &m_statement}) {
        if (*open == depth)
            *open = -1;
    }
    m_path.removeLast();
    m_text.clear();
}

void Parser::statementField(const QString& text) {
    Statement& s = statements.last();
    if (below(m_statement, {u"Id"}))
        s.id = text;
    else if (below(m_statement, {u"Acct", u"Id", u"IBAN"}))
        s.account = text;
    else if (below(m_statement, {u"Acct", u"Id", u"Othr", u"Id"}) && s.account.isEmpty())
        s.account = text;
    else if (below(m_statement, {u"Acct", u"Ccy"}))
        s.currency = text;
}

void Parser::balanceField(const QString& text) {
    Balance& b = statements.last().balances.last();
    if (below(m_balance, {u"Tp", u"CdOrPrtry", u"Cd"}))
        b.code = text;
    else if (below(m_balance, {u"Amt"}))
        b.amount = text;
    else if (below(m_balance, {u"CdtDbtInd"}))
        b.sign = text;
    else if (below(m_balance, {u"Dt", u"Dt"}) || below(m_balance, {u"Dt", u"DtTm"}))
        b.date = text;
}

void Parser::entryField(const QString& text) {
    Entry& e = statements.last().entries.last();
    if (below(m_entry, {u"Amt"}))
        e.amount = text;
    else if (below(m_entry, {u"CdtDbtInd"}))
        e.sign = text;
    else if (below(m_entry, {u"RvslInd"}))
        e.reversal = text;
    else if ((below(m_entry, {u"Sts"}) && !text.isEmpty()) || below(m_entry, {u"Sts", u"Cd"}))
        e.status = text; // a code of its own from .001.08 on
    else if (below(m_entry, {u"BookgDt", u"Dt"}) || below(m_entry, {u"BookgDt", u"DtTm"}))
        e.booked = text;
    else if (below(m_entry, {u"ValDt", u"Dt"}) || below(m_entry, {u"ValDt", u"DtTm"}))
        e.valued = text;
    else if (below(m_entry, {u"AcctSvcrRef"}))
        e.ref = text;
    else if (below(m_entry, {u"AddtlNtryInf"}))
        e.bookingText = text;
    else if (below(m_entry, {u"BkTxCd", u"Prtry", u"Cd"}))
        e.code = text;
    else if (below(m_entry, {u"BkTxCd", u"Domn", u"Cd"}) ||
             below(m_entry, {u"BkTxCd", u"Domn", u"Fmly", u"Cd"}) ||
             below(m_entry, {u"BkTxCd", u"Domn", u"Fmly", u"SubFmlyCd"}))
        e.domain << text;
}

void Parser::detailField(const QString& text) {
    Detail& d = statements.last().entries.last().details.last();
    // Up to .001.07 a party's name stands in the party; from .001.08 in its Pty.
    const auto party = [&](QStringView role) {
        return below(m_detail, {u"RltdPties", role, u"Nm"}) ||
               below(m_detail, {u"RltdPties", role, u"Pty", u"Nm"});
    };
    if (party(u"Dbtr"))
        d.debtor = text;
    else if (party(u"Cdtr"))
        d.creditor = text;
    else if (below(m_detail, {u"RmtInf", u"Ustrd"}))
        d.remittance += QLatin1Char(' ') + text;
    else if (below(m_detail, {u"Amt"}))
        d.amount = text;
    else if (below(m_detail, {u"AmtDtls", u"TxAmt", u"Amt"}))
        d.txAmount = text;
    else if (below(m_detail, {u"Refs", u"AcctSvcrRef"}))
        d.ref = text;
    else if (below(m_detail, {u"AddtlTxInf"}))
        d.info = text;
}

} // namespace

namespace {

// A text of the file as a message quotes it: never more than a short line.
QString quoted(const QString& text) {
    return text.size() > 40 ? text.left(40) + QStringLiteral("...") : text;
}

// ISO dates ("2024-01-05"), or date-times ("2024-01-05T09:30:00+01:00") of which the day written
// counts, as the bank's books have it.
QDate dateOf(const QString& text) {
    if (text.size() < 10 || (text.size() > 10 && text[10] != u'T'))
        return {};
    return QDate::fromString(text.left(10), Qt::ISODate);
}

// An amount as ISO 20022 writes it: digits with a '.' as the decimal point, no sign.
std::optional<Money> amountOf(const QString& text) {
    const bool plain = !text.isEmpty() && text.count(u'.') <= 1 &&
                       std::all_of(text.begin(), text.end(),
                                   [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
    return plain ? BankText::parseAmount(text, u'.') : std::nullopt;
}

// A balance: credit (CRDT) is the account's money, debit (DBIT) is owed on it.
std::optional<Money> balanceOf(const Balance& b) {
    const std::optional<Money> amount = amountOf(b.amount);
    if (!amount || (b.sign != u"CRDT" && b.sign != u"DBIT"))
        return std::nullopt;
    return b.sign == u"DBIT" ? amount->negated() : amount;
}

// The statement's first balance of one of `codes` that reads.
std::optional<StatedBalance> stated(const Statement& s, std::initializer_list<QStringView> codes) {
    for (QStringView code : codes) {
        for (const Balance& b : s.balances) {
            const std::optional<Money> amount = balanceOf(b);
            if (b.code == code && amount)
                return StatedBalance{b.line, dateOf(b.date), *amount};
        }
    }
    return std::nullopt;
}

// The entry's value date, else its booking date; an error when neither is given or one does not
// read.
void setDate(ImportedRow& row, const Entry& e) {
    row.valueDated = !e.valued.isEmpty();
    const QString& written = row.valueDated ? e.valued : e.booked;
    if (written.isEmpty()) {
        row.error = QCoreApplication::translate("CamtReader",
                                                "The entry has no booking date and no value date.");
        return;
    }
    row.date = dateOf(written);
    if (!row.date.isValid())
        row.error = QCoreApplication::translate("CamtReader", "The date \"%1\" does not read.")
                        .arg(quoted(written));
}

// The amount with the entry's sign: a credit (CRDT) is money in, a debit (DBIT) money out. A
// reversal's indicator is already its own direction, the opposite of the entry it reverses.
void setAmount(ImportedRow& row, const QString& amount, const QString& sign) {
    const std::optional<Money> read = amountOf(amount);
    QString error;
    if (amount.isEmpty())
        error = QCoreApplication::translate("CamtReader", "The entry has no amount.");
    else if (!read)
        error = QCoreApplication::translate("CamtReader", "The amount \"%1\" does not read.")
                    .arg(quoted(amount));
    else if (sign != u"CRDT" && sign != u"DBIT")
        error = QCoreApplication::translate("CamtReader",
                                            "The entry does not say whether it is money in or out "
                                            "(CdtDbtInd is \"%1\").")
                    .arg(quoted(sign));
    else
        row.amount = sign == u"DBIT" ? read->negated().value_or(Money()) : *read;
    if (row.error.isEmpty())
        row.error = error;
}

void setStatus(ImportedRow& row, const QString& status) {
    if (status.isEmpty() || status == u"BOOK")
        return;
    row.pending = true;
    if (status == u"PDNG")
        row.pendingReason = QCoreApplication::translate(
            "CamtReader", "Not booked yet: the bank lists it as pending.");
    else if (status == u"INFO")
        row.pendingReason = QCoreApplication::translate(
            "CamtReader", "Not booked: the bank lists it for information only.");
    else
        row.pendingReason =
            QCoreApplication::translate("CamtReader", "Not booked: the bank lists it as \"%1\".")
                .arg(quoted(status));
}

// The other party, then what the payment says: for money in the payer, for money out the payee
// (the other way round for a reversal, whose parties are the reversed payment's).
QString describe(const Detail& d, bool moneyIn) {
    const QString& first = moneyIn ? d.debtor : d.creditor;
    const QString& second = moneyIn ? d.creditor : d.debtor;
    QStringList parts;
    parts << (first.isEmpty() ? second : first) << d.remittance;
    parts.removeIf([](const QString& p) { return p.trimmed().isEmpty(); });
    if (parts.isEmpty())
        parts << d.info;
    return parts.join(QStringLiteral(" / ")).simplified();
}

QString describe(const Entry& e, const QList<Detail>& details) {
    const bool moneyIn = (e.sign == u"CRDT") != (e.reversal == u"true" || e.reversal == u"1");
    QString text;
    if (details.size() == 1) {
        text = describe(details.first(), moneyIn);
    } else if (e.bookingText.isEmpty()) {
        QStringList each;
        for (const Detail& d : details)
            each << describe(d, moneyIn);
        each.removeAll(QString());
        text = each.join(QStringLiteral(" / "));
    }
    if (text.isEmpty())
        text = e.bookingText.simplified();
    if (text.isEmpty())
        text = e.code.isEmpty() ? e.domain.join(u'/') : e.code;
    return text;
}

bool isReversal(const Entry& e) {
    return e.reversal == u"true" || e.reversal == u"1";
}

QString withReversal(const Entry& e, const QString& text) {
    return isReversal(e) ? BankText::reversal(text) : text;
}

ImportedRow baseRow(const Entry& e, int line) {
    ImportedRow row;
    row.line = line;
    setDate(row, e);
    setStatus(row, e.status);
    return row;
}

const QString& detailAmount(const Detail& d) {
    return d.amount.isEmpty() ? d.txAmount : d.amount;
}

// A batch booking is a row per transaction when the transactions' amounts add up exactly to the
// entry's; otherwise the entry is the row, as the bank booked it.
bool splits(const Entry& e) {
    const std::optional<Money> total = amountOf(e.amount);
    if (e.details.size() < 2 || !total)
        return false;
    Money sum;
    for (const Detail& d : e.details) {
        const std::optional<Money> amount = amountOf(detailAmount(d));
        if (!amount || !Money::addTo(sum, *amount))
            return false;
    }
    return sum == *total;
}

void rowsOf(const Entry& e, QList<ImportedRow>& out) {
    if (!splits(e)) {
        ImportedRow row = baseRow(e, e.line);
        setAmount(row, e.amount, e.sign);
        row.fitId = e.ref;
        row.description = withReversal(e, describe(e, e.details));
        out << std::move(row);
        return;
    }
    for (qsizetype i = 0; i < e.details.size(); ++i) {
        const Detail& d = e.details[i];
        ImportedRow row = baseRow(e, d.line);
        setAmount(row, detailAmount(d), e.sign);
        if (!d.ref.isEmpty() && d.ref != e.ref)
            row.fitId = d.ref;
        else if (!e.ref.isEmpty())
            row.fitId = e.ref + u'/' + QString::number(i + 1);
        row.description = withReversal(e, describe(e, {d}));
        out << std::move(row);
    }
}

struct Parsed {
    QList<Statement> statements;
    QList<StatementAccount> accounts;
    QString error;
};

// The file's statements, their entries read into rows, and its accounts.
Parsed parse(const QByteArray& bytes) {
    Parsed p;
    if (bytes.size() > StatementFile::MaxBytes) {
        p.error = QCoreApplication::translate(
                      "CamtReader", "The file is %1 MB; a statement file may be at most %2 MB. "
                                    "Download a shorter period from the bank.")
                      .arg(bytes.size() / (1024 * 1024))
                      .arg(StatementFile::MaxBytes / (1024 * 1024));
        return p;
    }
    Parser parser(bytes);
    if (!parser.run()) {
        p.error = parser.error;
        return p;
    }
    p.statements = std::move(parser.statements);
    QHash<QString, int> known; // the account's name and currency
    for (Statement& s : p.statements) {
        const QString key = s.account + u'\n' + s.currency;
        const auto found = known.constFind(key);
        if (found == known.cend()) {
            s.accountIndex = int(p.accounts.size());
            known.insert(key, s.accountIndex);
            p.accounts << StatementAccount{s.account, s.currency, 0};
        } else {
            s.accountIndex = *found;
        }
        p.accounts[s.accountIndex].rows += int(s.rows.size());
    }
    return p;
}

// Whether the statement's booked rows take its opening balance to its closing balance.
struct Check {
    bool made = false; // both balances stated, every booked row read
    QString disagreement;
};

Check check(const Statement& s) {
    Check c;
    const std::optional<StatedBalance> opening = stated(s, {u"OPBD", u"PRCD"});
    const std::optional<StatedBalance> closing = stated(s, {u"CLBD"});
    if (!opening || !closing)
        return c;
    Money sum = opening->amount;
    for (const ImportedRow& r : s.rows) {
        if (!r.pending && (!r.error.isEmpty() || !Money::addTo(sum, r.amount)))
            return c;
    }
    c.made = true;
    if (sum != closing->amount) {
        const QString name =
            s.id.isEmpty() ? QCoreApplication::translate("CamtReader", "at line %1").arg(s.line)
                           : QStringLiteral("\"%1\"").arg(quoted(s.id));
        c.disagreement =
            QCoreApplication::translate("CamtReader",
                                        "The statement %1 states a closing balance of %2, but its "
                                        "opening balance of %3 and its booked entries give %4.")
                .arg(name, closing->amount.format(), opening->amount.format(), sum.format());
    }
    return c;
}

// Each booked row's balance after it, from its statement's opening balance.
void giveBalances(QList<ImportedRow>& rows, const QList<const Statement*>& statements) {
    qsizetype at = 0;
    for (const Statement* s : statements) {
        Money running = stated(*s, {u"OPBD", u"PRCD"})->amount;
        for (qsizetype i = 0; i < s->rows.size(); ++i, ++at) {
            ImportedRow& r = rows[at];
            if (!r.pending && Money::addTo(running, r.amount))
                r.balance = running;
        }
    }
}

// The summary of the statements read, and the rows' balances when every one agrees. Balances
// are given to one account's rows alone: another account's do not follow on.
void summarise(ReadResult& result, const QList<const Statement*>& statements, bool oneAccount) {
    StatedSummary& summary = result.summary;
    summary.opening = stated(*statements.first(), {u"OPBD", u"PRCD"});
    summary.closing = stated(*statements.last(), {u"CLBD"});
    bool all = true;
    QStringList disagreements;
    for (const Statement* s : statements) {
        const Check c = check(*s);
        all &= c.made;
        if (!c.disagreement.isEmpty())
            disagreements << c.disagreement;
    }
    // A disagreement found is said even where another statement cannot be checked.
    summary.checked = all || !disagreements.isEmpty();
    summary.disagreement = disagreements.join(u' ');
    if (all && disagreements.isEmpty() && oneAccount)
        giveBalances(result.rows, statements);
}

} // namespace

namespace CamtReader {

bool recognises(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    bool inDocument = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (isGroup(xml.name()))
            return true;
        if (inDocument || xml.name() != u"Document")
            return false;
        inDocument = true;
    }
    return false;
}

QList<StatementAccount> accounts(const QByteArray& bytes) {
    return parse(bytes).accounts;
}

ReadResult read(const QByteArray& bytes, std::optional<int> account) {
    ReadResult result;
    result.format = StatementFormat::Camt;
    Parsed parsed = parse(bytes);
    result.error = parsed.error;
    if (!result.error.isEmpty())
        return result;
    if (account && (*account < 0 || *account >= parsed.accounts.size())) {
        result.error = QCoreApplication::translate("CamtReader", "The file has no such account.");
        return result;
    }
    QList<const Statement*> chosen;
    for (const Statement& s : std::as_const(parsed.statements)) {
        if (!account || s.accountIndex == *account) {
            chosen << &s;
            result.rows << s.rows;
        }
    }
    if (result.rows.isEmpty()) {
        result.error =
            account ? QCoreApplication::translate("CamtReader",
                                                  "The account %1 has no entries in the file.")
                          .arg(parsed.accounts[*account].name.isEmpty()
                                   ? QCoreApplication::translate("CamtReader", "(no name)")
                                   : parsed.accounts[*account].name)
                    : QCoreApplication::translate("CamtReader", "The file has no entries.");
        return result;
    }
    summarise(result, chosen, account || !severalHaveEntries(parsed.accounts));
    return result;
}

} // namespace CamtReader
