#include "Mt940Reader.h"

#include "BankText.h"
#include "StatementFile.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace {

// Decades of daily bookings are a small part of it; beyond it a file is refused before its
// entries cost memory.
constexpr qsizetype MaxEntries = 500'000;

// The letters Polish banks write, as code page 852 has them; its other bytes read as ISO 8859-1.
struct Cp852Letter {
    uchar byte;
    char16_t letter;
};
constexpr std::array<Cp852Letter, 18> Cp852Polish = {{
    {0xA5, u'ą'},
    {0x86, u'ć'},
    {0xA9, u'ę'},
    {0x88, u'ł'},
    {0xE4, u'ń'},
    {0xA2, u'ó'},
    {0x98, u'ś'},
    {0xAB, u'ź'},
    {0xBE, u'ż'},
    {0xA4, u'Ą'},
    {0x8F, u'Ć'},
    {0xA8, u'Ę'},
    {0x9D, u'Ł'},
    {0xE3, u'Ń'},
    {0xE0, u'Ó'},
    {0x97, u'Ś'},
    {0x8D, u'Ź'},
    {0xBD, u'Ż'},
}};

char16_t polishLetter(uchar byte) {
    for (const Cp852Letter& l : Cp852Polish) {
        if (l.byte == byte)
            return l.letter;
    }
    return 0;
}

// UTF-8 when the bytes are valid UTF-8; else the 8-bit code page in which more bytes are letters.
QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    qsizetype latin = 0;
    qsizetype polish = 0;
    for (const char c : bytes) {
        const auto b = uchar(c);
        latin += b >= 0xC0 && b != 0xD7 && b != 0xF7;
        polish += polishLetter(b) != 0;
    }
    if (polish <= latin)
        return QString::fromLatin1(bytes);
    text.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = uchar(bytes[i]);
        const char16_t letter = polishLetter(b);
        text[i] = letter ? QChar(letter) : QChar(b);
    }
    return text;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool digitsAt(QStringView text, qsizetype from, qsizetype count) {
    if (from < 0 || from + count > text.size())
        return false;
    return std::all_of(text.begin() + from, text.begin() + from + count, isDigit);
}

int number(QStringView digits) {
    int n = 0;
    for (const QChar c : digits)
        n = n * 10 + (c.unicode() - u'0');
    return n;
}

// Each line of the text, without its line break, with its offset and number from 1. SOH and ETX
// end a line, and a message, too, without counting as a line break.
template <typename Visit> void eachLine(QStringView text, Visit&& visit) {
    int lineNumber = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const char16_t c = i < text.size() ? text[i].unicode() : u'\n';
        if (c != u'\n' && c != u'\r' && c != 1 && c != 3)
            continue;
        visit(text.mid(start, i - start), start, lineNumber, c == 1 || c == 3);
        if (c == u'\n' || (c == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n')))
            ++lineNumber;
        start = i + 1;
    }
}

// The length of a field's tag at the start of `line` (":61:" is 4, ":60F:" 5); 0 when none.
qsizetype tagLength(QStringView line) {
    if (line.size() < 4 || line[0] != u':' || !digitsAt(line, 1, 2))
        return 0;
    if (line[3] == u':')
        return 4;
    return line.size() > 4 && line[3].isLetter() && line[4] == u':' ? 5 : 0;
}

// The year of a two-digit year, as BankText reads them: 1970 to 2069.
int fullYear(int yy) {
    return yy < 70 ? 2000 + yy : 1900 + yy;
}

// "YYMMDD"; invalid when it does not read.
QDate swiftDate(QStringView text) {
    if (text.size() != 6 || !digitsAt(text, 0, 6))
        return QDate();
    return QDate(fullYear(number(text.left(2))), number(text.mid(2, 2)), number(text.mid(4, 2)));
}

// Digits with a decimal comma, which may end the number ("1234," is 1234.00).
std::optional<Money> swiftAmount(QStringView text) {
    if (text.isEmpty() || text.count(u',') > 1 || text.startsWith(u',') ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return isDigit(c) || c == u','; }))
        return std::nullopt;
    return BankText::parseAmount(text.endsWith(u',') ? text.toString() + u'0' : text.toString(),
                                 u',');
}

struct Balance {
    int line = 0;
    QDate date;
    Money amount;
    QString currency;
    bool reads = false;
};

// ":60F:", ":62F:": the mark C or D, the date, the currency and the amount ("D240131EUR1234,56").
Balance balanceOf(QStringView text, int line) {
    Balance b;
    b.line = line;
    text = text.trimmed();
    if (text.size() < 11 || (text[0] != u'C' && text[0] != u'D'))
        return b;
    b.date = swiftDate(text.mid(1, 6));
    b.currency = text.mid(7, 3).toString();
    const std::optional<Money> amount = swiftAmount(text.mid(10).trimmed());
    if (!b.date.isValid() || !amount)
        return b;
    const std::optional<Money> signedAmount = text[0] == u'D' ? amount->negated() : amount;
    b.amount = signedAmount.value_or(Money());
    b.reads = signedAmount.has_value();
    return b;
}

struct Entry {
    int line = 0;
    QStringView statement; // the ":61:" field
    QStringView details;   // its ":86:" field; empty when it has none
};

struct Statement {
    int line = 0;
    QStringView reference; // ":20:"
    QStringView number;    // ":28C:"
    QStringView account;   // ":25:"
    int accountIndex = -1;
    std::optional<Balance> opening;
    std::optional<Balance> closing;
    QList<Entry> entries;
    bool interim = false; // an MT942 report of the day
};

struct Scan {
    QList<Statement> statements;
    QList<StatementAccount> accounts;
    bool tooMany = false;
};

// A field as it is read: its tag, its first line's number and its text's span, which grows by
// the lines that continue it.
struct OpenField {
    QStringView tag;
    int line = 0;
    qsizetype start = 0;
    qsizetype end = 0;
    bool open = false;
};

// The lines of a file read into its statements.
class Scanner {
public:
    explicit Scanner(QStringView text) : m_text(text) {}

    void line(QStringView line, qsizetype offset, int lineNumber, bool endsMessage) {
        const QStringView t = line.trimmed();
        if (!t.isEmpty())
            text(t, offset + (t.data() - line.data()), lineNumber);
        if (endsMessage)
            endMessage();
    }

    Scan finish() {
        endMessage();
        for (Statement& s : m_scan.statements) {
            s.accountIndex = accountNamed(s.account, s);
            m_scan.accounts[s.accountIndex].rows += int(s.entries.size());
        }
        return std::move(m_scan);
    }

private:
    // A line not blank, trimmed, at offset `at` of the text.
    void text(QStringView t, qsizetype at, int lineNumber) {
        if (t == u"-" || t.startsWith(u"-}"))
            endMessage();
        else if (t.startsWith(u'{'))
            block(t, at, lineNumber);
        else if (const qsizetype tag = tagLength(t); tag > 0)
            startField(t.mid(1, tag - 2), lineNumber, at + tag, at + t.size());
        else if (m_field.open)
            m_field.end = at + t.size();
        else if (t == u"942")
            m_nextInterim = true; // the header line some banks write before a message
    }

    // "{1:...}{2:O942...}{4:": a SWIFT message's blocks; its text follows "{4:".
    void block(QStringView t, qsizetype at, int lineNumber) {
        const qsizetype application = t.indexOf(u"{2:");
        if (application >= 0 && t.mid(application + 4, 3) == u"942")
            m_nextInterim = true;
        const qsizetype text = t.indexOf(u"{4:");
        if (text < 0)
            return;
        const QStringView rest = t.mid(text + 3);
        if (const qsizetype tag = tagLength(rest); tag > 0)
            startField(rest.mid(1, tag - 2), lineNumber, at + text + 3 + tag, at + t.size());
    }

    void startField(QStringView tag, int lineNumber, qsizetype start, qsizetype end) {
        finishField();
        m_field = OpenField{tag, lineNumber, start, end, true};
    }

    void endMessage() {
        finishField();
        m_inStatement = false;
        m_afterEntry = false;
    }

    Statement& newStatement(int lineNumber) {
        Statement s;
        s.line = lineNumber;
        s.interim = m_nextInterim;
        m_nextInterim = false;
        m_scan.statements << s;
        m_inStatement = true;
        count();
        return m_scan.statements.last();
    }

    Statement& current(int lineNumber) {
        return m_inStatement ? m_scan.statements.last() : newStatement(lineNumber);
    }

    void count() {
        if (++m_count > MaxEntries)
            m_scan.tooMany = true;
    }

    void finishField();

    int accountNamed(QStringView name, const Statement& s) {
        QString key = name.toString().toUpper();
        key.remove(u' ');
        auto known = m_accounts.constFind(key);
        if (known == m_accounts.cend()) {
            known = m_accounts.insert(key, int(m_scan.accounts.size()));
            m_scan.accounts << StatementAccount{name.trimmed().toString(), QString(), 0};
        }
        StatementAccount& account = m_scan.accounts[*known];
        for (const auto& b : {s.opening, s.closing}) {
            if (account.type.isEmpty() && b && b->reads)
                account.type = b->currency;
        }
        return *known;
    }

    QStringView m_text;
    Scan m_scan;
    QHash<QString, int> m_accounts;
    OpenField m_field;
    qsizetype m_count = 0;
    bool m_inStatement = false;
    bool m_afterEntry = false; // the last field was an entry, whose details may follow
    bool m_nextInterim = false;
};

void Scanner::finishField() {
    if (!m_field.open || m_scan.tooMany)
        return;
    m_field.open = false;
    const QStringView tag = m_field.tag;
    const QStringView content = m_text.mid(m_field.start, m_field.end - m_field.start);
    const int lineNumber = m_field.line;
    const bool afterEntry = std::exchange(m_afterEntry, false);
    if (tag == u"20") {
        newStatement(lineNumber).reference = content.trimmed();
    } else if (tag == u"25") {
        // A file without ":20:" fields: each account's field starts a statement.
        if (m_inStatement && !m_scan.statements.last().account.isEmpty())
            m_inStatement = false;
        current(lineNumber).account = content.trimmed();
    } else if (tag == u"28C" || tag == u"28") {
        current(lineNumber).number = content.trimmed();
    } else if (tag == u"60F" || tag == u"60M") {
        current(lineNumber).opening = balanceOf(content, lineNumber);
    } else if (tag == u"62F" || tag == u"62M") {
        current(lineNumber).closing = balanceOf(content, lineNumber);
    } else if (tag == u"61") {
        current(lineNumber).entries << Entry{lineNumber, content, {}};
        count();
        m_afterEntry = true;
    } else if (tag == u"86") {
        if (afterEntry)
            m_scan.statements.last().entries.last().details = content;
    } else if (tag == u"13D" || tag == u"34F" || tag == u"90D" || tag == u"90C") {
        current(lineNumber).interim = true;
    }
}

Scan scan(const QString& text) {
    Scanner scanner(text);
    eachLine(text, [&](QStringView line, qsizetype offset, int n, bool ends) {
        scanner.line(line, offset, n, ends);
    });
    return scanner.finish();
}

// ---- an entry

// What a ":61:" field says: "2401050104DR7,50NZINNONREF//B24-0001" and a line of details.
struct EntryLine {
    QDate date;
    bool valueDated = true;
    bool credit = false;
    bool reversal = false;
    std::optional<Money> amount;
    QStringView code; // "NTRF", "NZIN"
    QStringView reference;
    QStringView bankReference;
    QStringView supplementary;
    QString error;
};

// The entry date "MMDD" in the year, of the three about it, nearest the value date's digits.
QDate entryDate(QStringView yymmdd, QStringView mmdd) {
    const int year = fullYear(number(yymmdd.left(2)));
    const int month = std::clamp(number(yymmdd.mid(2, 2)), 1, 12);
    const QDate about = swiftDate(yymmdd).isValid() ? swiftDate(yymmdd) : QDate(year, month, 1);
    QDate best;
    for (const int y : {year - 1, year, year + 1}) {
        const QDate d(y, number(mmdd.left(2)), number(mmdd.mid(2, 2)));
        if (d.isValid() &&
            (!best.isValid() || std::abs(d.daysTo(about)) < std::abs(best.daysTo(about))))
            best = d;
    }
    return best;
}

// The mark "C", "D", "RC" or "RD" at `pos`, and the funds code letter after it; false when none.
bool readMark(QStringView line, qsizetype& pos, EntryLine& e) {
    const QStringView rest = line.mid(pos);
    e.reversal = rest.startsWith(u"RC") || rest.startsWith(u"RD");
    const QStringView mark = rest.mid(e.reversal ? 1 : 0, 1);
    if (mark != u"C" && mark != u"D")
        return false;
    e.credit = mark == u"C";
    pos += e.reversal ? 2 : 1;
    if (pos < line.size() && line[pos].isLetter())
        ++pos;
    return true;
}

void readDates(QStringView line, qsizetype& pos, EntryLine& e) {
    const QStringView value = line.left(6);
    e.date = swiftDate(value);
    pos = 6;
    if (!digitsAt(line, 6, 4))
        return;
    pos = 10;
    if (!e.date.isValid()) {
        e.date = entryDate(value, line.mid(6, 4));
        e.valueDated = false;
    }
}

EntryLine readEntryLine(QStringView field) {
    EntryLine e;
    qsizetype lineEnd = 0;
    while (lineEnd < field.size() && field[lineEnd] != u'\n' && field[lineEnd] != u'\r')
        ++lineEnd;
    const QStringView line = field.left(lineEnd).trimmed();
    e.supplementary = field.mid(lineEnd).trimmed();
    qsizetype pos = 0;
    if (digitsAt(line, 0, 6))
        readDates(line, pos, e);
    if (!e.date.isValid()) {
        e.error = QCoreApplication::translate("Mt940Reader", "The date \"%1\" does not read.")
                      .arg(line.left(6));
        return e;
    }
    if (!readMark(line, pos, e)) {
        e.error = QCoreApplication::translate(
                      "Mt940Reader", "The entry \"%1\" has no mark C, D, RC or RD after its date.")
                      .arg(line);
        return e;
    }
    qsizetype end = pos;
    while (end < line.size() && (isDigit(line[end]) || line[end] == u','))
        ++end;
    e.amount = swiftAmount(line.mid(pos, end - pos));
    if (!e.amount) {
        e.error = QCoreApplication::translate("Mt940Reader", "The amount \"%1\" does not read.")
                      .arg(line.mid(pos, end - pos));
        return e;
    }
    e.code = line.mid(end, 4);
    const QStringView refs = line.mid(end + 4);
    const qsizetype slash = refs.indexOf(u"//");
    e.reference = (slash < 0 ? refs : refs.left(slash)).trimmed();
    if (slash >= 0)
        e.bankReference = refs.mid(slash + 2).trimmed();
    return e;
}

// ---- an entry's details

struct Details {
    QString name;
    QString purpose;
    QString bookingText;
};

// Pieces of a text the bank cut into lines of a fixed width: a piece of the full width was cut
// inside the text and goes on without a space.
QString joinPieces(const QStringList& pieces) {
    QString out;
    qsizetype last = 0;
    for (const QString& p : pieces) {
        if (!out.isEmpty() && last < 27 && !out.endsWith(u' '))
            out += u' ';
        out += p;
        last = p.size();
    }
    return out;
}

// The remittance of a SEPA purpose ("EREF+X SVWZ+Rate 01 ABWA+Y" gives "Rate 01").
QString remittanceOf(const QString& purpose) {
    const qsizetype at = purpose.indexOf(u"SVWZ+");
    if (at < 0)
        return purpose;
    qsizetype end = purpose.size();
    for (const char16_t* key : {u"EREF+", u"KREF+", u"MREF+", u"CRED+", u"DEBT+", u"ABWA+",
                                u"ABWE+", u"IBAN+", u"BIC+", u"COAM+", u"OAMT+", u"PURP+"}) {
        const qsizetype k = purpose.indexOf(QStringView(key), at + 5);
        if (k >= 0)
            end = std::min(end, k);
    }
    return purpose.mid(at + 5, end - at - 5);
}

// Where the subfield after `from` starts: its separator followed by two digits; -1 when none.
qsizetype nextSubfield(const QString& flat, QChar separator, qsizetype from) {
    for (qsizetype i = flat.indexOf(separator, from); i >= 0; i = flat.indexOf(separator, i + 1)) {
        if (digitsAt(flat, i + 1, 2))
            return i;
    }
    return -1;
}

// The structured form German banks write ("166?00GUTSCHRIFT?20purpose?32name"), and Polish ones
// with '~' or '<' for '?'.
Details structured(const QString& flat, QChar separator) {
    Details d;
    QStringList names;
    QStringList purpose;
    for (qsizetype i = nextSubfield(flat, separator, 0); i >= 0;) {
        const qsizetype next = nextSubfield(flat, separator, i + 3);
        const int code = number(QStringView(flat).mid(i + 1, 2));
        const QString value = flat.mid(i + 3, (next < 0 ? flat.size() : next) - i - 3);
        // A bank writes at most 14 purpose lines and 2 of the name: more are kept to a bound.
        if (code == 0)
            d.bookingText = value;
        else if (((code >= 20 && code <= 29) || (code >= 60 && code <= 63)) && purpose.size() < 64)
            purpose << value;
        else if ((code == 32 || code == 33) && names.size() < 64)
            names << value;
        i = next;
    }
    d.name = joinPieces(names);
    d.purpose = remittanceOf(joinPieces(purpose));
    return d;
}

// The value of "/TAG/value/" in the tagged form; the remittance runs to the next "/TAG/".
QString taggedValue(const QString& flat, QStringView tag, bool toNextTag) {
    const qsizetype at = flat.indexOf(tag);
    if (at < 0)
        return {};
    const qsizetype start = at + tag.size();
    qsizetype end = flat.indexOf(u'/', start);
    while (toNextTag && end >= 0) {
        qsizetype k = end + 1;
        while (k < flat.size() && k - end <= 5 && flat[k] >= u'A' && flat[k] <= u'Z')
            ++k;
        if (k - end >= 3 && k < flat.size() && flat[k] == u'/')
            break;
        end = flat.indexOf(u'/', end + 1);
    }
    return flat.mid(start, (end < 0 ? flat.size() : end) - start);
}

// The tagged form Dutch and other banks write ("/TRTP/.../NAME/J JANSEN/REMI/USTD//text/").
Details tagged(const QString& flat) {
    Details d;
    d.name = taggedValue(flat, u"/NAME/", false);
    if (d.name.isEmpty() && flat.contains(u"/CNTP/")) {
        const QString cntp = flat.mid(flat.indexOf(u"/CNTP/") + 6);
        d.name = cntp.section(u'/', 2, 2); // "/CNTP/IBAN/BIC/NAME/CITY/"
    }
    d.purpose = taggedValue(flat, u"/REMI/", true);
    if (d.purpose.startsWith(u"USTD//"))
        d.purpose = d.purpose.mid(6);
    d.bookingText = taggedValue(flat, u"/TRTP/", false);
    return d;
}

Details readDetails(QStringView field) {
    QString flat = field.toString();
    flat.remove(u'\r');
    QString spaced = flat;
    spaced.replace(u'\n', u' ');
    flat.remove(u'\n');
    const qsizetype p = digitsAt(flat, 0, 3) ? 3 : 0;
    if (p < flat.size() && QStringView(u"?~<").contains(flat[p]) && digitsAt(flat, p + 1, 2))
        return structured(flat, flat[p]);
    if (flat.startsWith(u'/') &&
        (flat.contains(u"/NAME/") || flat.contains(u"/REMI/") || flat.contains(u"/CNTP/")))
        return tagged(flat);
    Details d;
    d.purpose = spaced;
    return d;
}

QString descriptionOf(const EntryLine& e, const Details& d) {
    QStringList parts;
    for (const QString& part : {d.name, d.purpose}) {
        if (!part.simplified().isEmpty())
            parts << part.simplified();
    }
    QString text = parts.join(QStringLiteral(" / "));
    for (const QString& fallback : {d.bookingText, e.supplementary.toString(), e.code.toString()}) {
        if (text.isEmpty())
            text = fallback.simplified();
    }
    return e.reversal ? BankText::reversal(text) : text;
}

// The bank's reference of the entry, else the account holder's; "NONREF" is none.
QString referenceOf(const EntryLine& e) {
    for (const QStringView r : {e.bankReference, e.reference}) {
        if (!r.isEmpty() && r.compare(u"NONREF", Qt::CaseInsensitive) != 0)
            return r.toString();
    }
    return {};
}

ImportedRow rowOf(const Entry& entry, bool interim) {
    const EntryLine e = readEntryLine(entry.statement);
    ImportedRow row;
    row.line = entry.line;
    row.description = descriptionOf(e, readDetails(entry.details));
    row.fitId = referenceOf(e);
    row.error = e.error;
    if (row.error.isEmpty()) {
        row.date = e.date;
        row.valueDated = e.valueDated;
        // A reversal of a credit takes the money out again; one of a debit gives it back.
        const bool in = e.credit != e.reversal;
        const std::optional<Money> amount = in ? e.amount : e.amount->negated();
        row.amount = amount.value_or(Money());
    }
    if (interim) {
        row.pending = true;
        row.pendingReason = QCoreApplication::translate(
            "Mt940Reader", "An interim report of the day: not booked yet.");
    }
    return row;
}

// ---- the statements' balances

// The rows read of one statement: result.rows[first] onwards, `count` of them.
struct Part {
    const Statement* statement = nullptr;
    qsizetype first = 0;
    qsizetype count = 0;
};

// Where the statement's booked entries take its opening balance; nullopt past any account's.
std::optional<Money> reached(const Part& part, const QList<ImportedRow>& rows) {
    Money balance = part.statement->opening->amount;
    for (qsizetype i = part.first; i < part.first + part.count; ++i) {
        if (!rows[i].pending &&
            (!Money::addTo(balance, rows[i].amount) || !BankText::fitsAnAccount(balance)))
            return std::nullopt;
    }
    return balance;
}

QString disagreement(const Part& part, std::optional<Money> balance) {
    const Statement& s = *part.statement;
    const QStringView name = !s.number.isEmpty() ? s.number : s.reference;
    const QString shown = name.isEmpty() ? QString() : QStringLiteral("\"%1\"").arg(name);
    if (!balance)
        return QCoreApplication::translate(
                   "Mt940Reader", "The statement %1 on line %2 states a closing balance of %3, "
                                  "but its entries add up to more than an account holds.")
            .arg(shown)
            .arg(s.line)
            .arg(s.closing->amount.format())
            .simplified();
    return QCoreApplication::translate(
               "Mt940Reader", "The statement %1 on line %2 states a closing balance of %3, but its "
                              "entries take its opening balance of %4 to %5.")
        .arg(shown)
        .arg(s.line)
        .arg(s.closing->amount.format(), s.opening->amount.format(), balance->format())
        .simplified();
}

StatedBalance stated(const Balance& b) {
    return StatedBalance{b.line, b.date, b.amount};
}

// Each booked row's balance after it, from its statement's opening.
void giveBalances(const QList<Part>& parts, QList<ImportedRow>& rows) {
    for (const Part& part : parts) {
        if (part.statement->interim)
            continue;
        Money balance = part.statement->opening->amount;
        for (qsizetype i = part.first; i < part.first + part.count; ++i) {
            if (!rows[i].pending && Money::addTo(balance, rows[i].amount))
                rows[i].balance = balance;
        }
    }
}

// The statements' balances, and whether their entries agree; each row's balance when they do.
StatedSummary summarise(const QList<Part>& parts, QList<ImportedRow>& rows) {
    StatedSummary s;
    QStringList problems;
    bool every = true; // every booked statement states both balances and its entries read
    bool any = false;
    for (const Part& part : parts) {
        const Statement& st = *part.statement;
        if (st.interim)
            continue;
        const bool opens = st.opening && st.opening->reads;
        const bool closes = st.closing && st.closing->reads;
        if (!s.opening && opens)
            s.opening = stated(*st.opening);
        if (closes)
            s.closing = stated(*st.closing);
        const auto bad = [](const ImportedRow& r) { return !r.error.isEmpty(); };
        if (!opens || !closes ||
            std::any_of(rows.begin() + part.first, rows.begin() + part.first + part.count, bad)) {
            every = false;
            continue;
        }
        any = true;
        const std::optional<Money> balance = reached(part, rows);
        if (!balance || *balance != st.closing->amount)
            problems << disagreement(part, balance);
    }
    s.checked = every && any;
    s.disagreement = problems.join(u' ');
    if (s.checked && s.disagreement.isEmpty())
        giveBalances(parts, rows);
    return s;
}

QString shownName(const StatementAccount& account) {
    return account.name.isEmpty() ? QCoreApplication::translate("Mt940Reader", "(no name)")
                                  : QStringLiteral("\"%1\"").arg(account.name);
}

// Why the file is refused before its entries are read; "" when it is not.
QString refusal(const QByteArray& bytes) {
    if (bytes.size() > StatementFile::MaxBytes)
        return QCoreApplication::translate(
                   "Mt940Reader", "The file is larger than %1 MB: no bank statement is that long.")
            .arg(StatementFile::MaxBytes / (1024 * 1024));
    if (!Mt940Reader::recognises(bytes))
        return QCoreApplication::translate(
            "Mt940Reader", "This is not an MT940 file: it has no \":25:\" account field "
                           "followed by balance or entry fields.");
    return {};
}

} // namespace

namespace Mt940Reader {

bool recognises(const QByteArray& bytes) {
    // A bank's text has no NUL byte: a file that has one is something else.
    const QByteArray start = bytes.left(65536);
    if (start.contains('\0'))
        return false;
    const QString head = QString::fromLatin1(start);
    bool account = false;
    bool statement = false;
    eachLine(head, [&](QStringView line, qsizetype, int, bool) {
        QStringView t = line.trimmed();
        if (t.startsWith(u'{') && t.contains(u"{4:"))
            t = t.mid(t.indexOf(u"{4:") + 3);
        const qsizetype tag = tagLength(t);
        const QStringView name = t.mid(1, tag - 2);
        account |= tag > 0 && name == u"25";
        statement |= account && tag > 0 &&
                     (name == u"28C" || name == u"60F" || name == u"60M" || name == u"61" ||
                      name == u"62F" || name == u"13D" || name == u"34F");
    });
    return statement;
}

QList<StatementAccount> accounts(const QByteArray& bytes) {
    if (!refusal(bytes).isEmpty())
        return {};
    const Scan scanned = scan(decodeText(bytes));
    return scanned.tooMany ? QList<StatementAccount>() : scanned.accounts;
}

ReadResult read(const QByteArray& bytes, std::optional<int> account) {
    ReadResult result;
    result.format = StatementFormat::Mt940;
    result.error = refusal(bytes);
    if (!result.error.isEmpty())
        return result;
    const QString text = decodeText(bytes);
    const Scan scanned = scan(text);
    if (scanned.tooMany) {
        result.error = QCoreApplication::translate("Mt940Reader",
                                                   "The file holds more than %1 entries: no bank "
                                                   "statement is that long.")
                           .arg(MaxEntries);
        return result;
    }
    if (account && (*account < 0 || *account >= scanned.accounts.size())) {
        result.error = QCoreApplication::translate("Mt940Reader", "The file has no such account.");
        return result;
    }
    QList<Part> parts;
    for (const Statement& s : scanned.statements) {
        if (account && s.accountIndex != *account)
            continue;
        parts << Part{&s, result.rows.size(), s.entries.size()};
        for (const Entry& e : s.entries)
            result.rows << rowOf(e, s.interim);
    }
    if (result.rows.isEmpty()) {
        result.error =
            account ? QCoreApplication::translate("Mt940Reader",
                                                  "The account %1 has no entries in the file.")
                          .arg(shownName(scanned.accounts[*account]))
                    : QCoreApplication::translate("Mt940Reader", "The file has no entries.");
        return result;
    }
    result.summary = summarise(parts, result.rows);
    return result;
}

} // namespace Mt940Reader
