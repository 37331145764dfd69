#include "OfxReader.h"

#include "BankText.h"

#include <QCoreApplication>
#include <QTemporaryFile>

#include <libofx/libofx.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

// What a transaction callback hands over, copied out of libofx's structure.
struct OfxTransaction {
    bool hasDate = false;
    time_t posted = 0;
    bool hasAmount = false;
    double amount = 0;
    QByteArray fitId;
    QByteArray correctsFitId;
    bool cancels = false;
    bool hasType = false;
    TransactionType type = OFX_OTHER;
    QByteArray name;
    QByteArray memo;
};

struct Collected {
    std::vector<OfxTransaction> transactions;
    QStringList statusErrors;
};

int onTransaction(const OfxTransactionData data, void* context) {
    auto* out = static_cast<Collected*>(context);
    OfxTransaction t;
    t.hasDate = data.date_posted_valid;
    t.posted = data.date_posted;
    t.hasAmount = data.amount_valid;
    t.amount = data.amount;
    if (data.fi_id_valid)
        t.fitId = QByteArray(data.fi_id, qstrnlen(data.fi_id, sizeof data.fi_id));
    if (data.fi_id_corrected_valid) {
        t.correctsFitId = QByteArray(data.fi_id_corrected,
                                     qstrnlen(data.fi_id_corrected, sizeof data.fi_id_corrected));
        t.cancels = data.fi_id_correction_action_valid && data.fi_id_correction_action == DELETE;
    }
    t.hasType = data.transactiontype_valid;
    t.type = data.transactiontype;
    if (data.name_valid)
        t.name = QByteArray(data.name, qstrnlen(data.name, sizeof data.name));
    if (data.memo_valid)
        t.memo = QByteArray(data.memo, qstrnlen(data.memo, sizeof data.memo));
    out->transactions.push_back(std::move(t));
    return 0;
}

int onStatus(const OfxStatusData data, void* context) {
    auto* out = static_cast<Collected*>(context);
    if (data.code_valid && data.code != 0 && data.severity_valid &&
        data.severity == OfxStatusData::ERROR)
        out->statusErrors << QString::fromLatin1(data.name ? data.name : "error");
    return 0;
}

QString typeName(TransactionType type) {
    switch (type) {
    case OFX_CREDIT:
        return QStringLiteral("CREDIT");
    case OFX_DEBIT:
        return QStringLiteral("DEBIT");
    case OFX_INT:
        return QStringLiteral("INT");
    case OFX_DIV:
        return QStringLiteral("DIV");
    case OFX_FEE:
        return QStringLiteral("FEE");
    case OFX_SRVCHG:
        return QStringLiteral("SRVCHG");
    case OFX_DEP:
        return QStringLiteral("DEP");
    case OFX_ATM:
        return QStringLiteral("ATM");
    case OFX_POS:
        return QStringLiteral("POS");
    case OFX_XFER:
        return QStringLiteral("XFER");
    case OFX_CHECK:
        return QStringLiteral("CHECK");
    case OFX_PAYMENT:
        return QStringLiteral("PAYMENT");
    case OFX_CASH:
        return QStringLiteral("CASH");
    case OFX_DIRECTDEP:
        return QStringLiteral("DIRECTDEP");
    case OFX_DIRECTDEBIT:
        return QStringLiteral("DIRECTDEBIT");
    case OFX_REPEATPMT:
        return QStringLiteral("REPEATPMT");
    case OFX_OTHER:
        return QStringLiteral("OTHER");
    }
    return {};
}

QString text(const QByteArray& bytes) {
    return BankText::decode(bytes).value_or(QString::fromLatin1(bytes)).simplified();
}

// Where each <STMTTRN> starts, and the posting date written in it, as the file has them.
struct Written {
    int line = 0;
    QByteArray posted;
};

int lineAt(const QByteArray& content, qsizetype pos, qsizetype& countedTo, int& line) {
    line += int(std::count(content.constData() + countedTo, content.constData() + pos, '\n'));
    countedTo = pos;
    return line;
}

QDate postingDay(const QByteArray& value) {
    if (value.size() < 8)
        return {};
    for (int i = 0; i < 8; ++i) {
        if (value[i] < '0' || value[i] > '9')
            return {};
    }
    return QDate(value.left(4).toInt(), value.mid(4, 2).toInt(), value.mid(6, 2).toInt());
}

// An SGML file's header made to name the character set its bytes are in. libofx converts the
// text from the set the header names (Windows-1252 when it names none it knows): banks write
// UTF-8 under "ENCODING:USASCII" and "CHARSET:1252", and a Windows-1252 file that says UTF-8
// loses the rest of each line from its first such byte. XML files libofx passes on as they are,
// to be decoded as the bytes read.
QByteArray withTrueCharset(const QByteArray& file, qsizetype headerEnd) {
    const QByteArray header = file.left(headerEnd);
    if (header.contains("<?xml"))
        return file;
    const QList<QByteArray> lines = header.split('\n');
    bool saysUtf8 = false; // as libofx reads the header: exactly as written, the last line wins
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith("ENCODING:"))
            saysUtf8 = line == "ENCODING:UTF-8" || line == "ENCODING:UNICODE";
    }
    const bool utf8 = file.isValidUtf8();
    const bool ascii = std::all_of(file.begin(), file.end(), [](char c) { return c >= 0; });
    QByteArray encoding;
    QByteArray charset;
    if (utf8 && !ascii) {
        encoding = "UTF-8";
        charset = "NONE";
    } else if (!utf8 && saysUtf8) {
        encoding = "USASCII";
        charset = "1252";
    } else {
        return file;
    }

    QByteArray out;
    out.reserve(file.size() + 40);
    bool wroteEncoding = false;
    bool wroteCharset = false;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) { // the last is the <OFX> line's start
        const QByteArray name = lines[i].left(lines[i].indexOf(':')).trimmed().toUpper();
        if (name == "ENCODING" || name == "CHARSET") {
            bool& written = name == "ENCODING" ? wroteEncoding : wroteCharset;
            if (!written)
                out += name + ':' + (name == "ENCODING" ? encoding : charset) + '\n';
            written = true;
            continue;
        }
        out += lines[i] + '\n';
    }
    if (!wroteEncoding)
        out += "ENCODING:" + encoding + '\n';
    if (!wroteCharset)
        out += "CHARSET:" + charset + '\n';
    out += file.mid(headerEnd);
    return out;
}

// A file's posting dates handed to libofx as noon GMT of the day written. libofx turns a date
// into a time in the user's time zone, from which the calendar day cannot be told back for every
// zone and every libofx version; noon GMT's day in UTC is the day written.
struct NoonDates {
    std::vector<Written> written; // each <STMTTRN> and the posting date written in it
    QByteArray content;           // the file with its dates rewritten
    int lastLine = 0;
};

NoonDates withNoonDates(const QByteArray& content, const QByteArray& upper) {
    NoonDates out;
    std::vector<Written>& written = out.written;
    QByteArray& rewritten = out.content;
    rewritten.reserve(content.size() + 64);
    qsizetype copied = 0;
    qsizetype counted = 0;
    int line = 1;
    static const QByteArray TrnTag = "<STMTTRN>";
    static const QByteArray DateTag = "<DTPOSTED>";
    qsizetype nextTrn = upper.indexOf(TrnTag);
    qsizetype nextDate = upper.indexOf(DateTag);
    while (nextTrn >= 0 || nextDate >= 0) {
        if (nextTrn >= 0 && (nextDate < 0 || nextTrn < nextDate)) {
            written.push_back(Written{lineAt(content, nextTrn, counted, line), {}});
            nextTrn = upper.indexOf(TrnTag, nextTrn + TrnTag.size());
            continue;
        }
        const qsizetype start = nextDate + DateTag.size();
        qsizetype end = start;
        while (end < content.size() && content[end] != '<' && content[end] != '\n' &&
               content[end] != '\r')
            ++end;
        const QByteArray value = content.mid(start, end - start).trimmed();
        if (!written.empty() && written.back().posted.isNull())
            written.back().posted = value.isNull() ? QByteArray("") : value;
        rewritten.append(content.constData() + copied, start - copied);
        const QDate day = postingDay(value);
        if (day.isValid())
            rewritten.append(value.left(8) + "120000[0:GMT]");
        else
            rewritten.append(value);
        copied = end;
        nextDate = upper.indexOf(DateTag, end);
    }
    rewritten.append(content.constData() + copied, content.size() - copied);
    out.lastLine = lineAt(content, content.size(), counted, line);
    return out;
}

// libofx's reading of `content` into `collected`; "" when it read, else why the file could not
// be handed to it.
QString readWithLibofx(const QByteArray& content, Collected& collected) {
    QTemporaryFile file;
    if (!file.open() || file.write(content) != content.size() || !file.flush())
        return QCoreApplication::translate("OfxReader",
                                           "The file could not be prepared for reading: %1")
            .arg(file.errorString());
    file.close();

    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg =
        ofx_DEBUG4_msg = ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg =
            ofx_ERROR_msg = 0;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, onTransaction, &collected);
    ofx_set_status_cb(context, onStatus, &collected);
    libofx_proc_file(context, QFile::encodeName(file.fileName()).constData(), OFX);
    libofx_free_context(context);
    return QString();
}

// The posting date of a transaction, or why it has none; `written` is the file's own <STMTTRN>
// of it where the two line up, nullptr where they do not.
void readPostingDate(const OfxTransaction& t, const Written* written, ImportedRow& row) {
    if (written && !postingDay(written->posted).isValid()) {
        row.error =
            written->posted.isEmpty()
                ? QCoreApplication::translate("OfxReader", "The transaction has no posting date.")
                : QCoreApplication::translate("OfxReader", "The posting date \"%1\" does not read.")
                      .arg(QString::fromLatin1(written->posted));
    } else if (!t.hasDate) {
        row.error =
            QCoreApplication::translate("OfxReader", "The transaction has no posting date.");
    } else {
        struct tm utc {};
        const time_t posted = t.posted;
        if (gmtime_r(&posted, &utc))
            row.date = QDate(utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday);
        if (!row.date.isValid())
            row.error = QCoreApplication::translate(
                "OfxReader", "The transaction's posting date does not read.");
    }
}

ImportedRow rowOf(const OfxTransaction& t, const Written* written) {
    ImportedRow row;
    row.line = written ? written->line : 0;
    row.fitId = QString::fromLatin1(t.fitId).trimmed();
    row.correctsFitId = QString::fromLatin1(t.correctsFitId).trimmed();
    row.cancels = t.cancels;
    if (t.hasType)
        row.ofxType = typeName(t.type);
    const QString name = text(t.name);
    const QString memo = text(t.memo);
    row.description = name.isEmpty()                   ? memo
                      : memo.isEmpty() || memo == name ? name
                                                       : name + QStringLiteral(" - ") + memo;
    readPostingDate(t, written, row);
    if (row.ok()) {
        // Cents at once: libofx hands amounts over as doubles.
        const auto amount = t.hasAmount ? Money::fromDouble(t.amount) : std::nullopt;
        auto cents = amount ? amount->roundedToCents() : std::nullopt;
        if (cents && !BankText::fitsAnAccount(*cents))
            cents.reset();
        if (!cents)
            row.error = QCoreApplication::translate("OfxReader",
                                                    "The transaction has no amount that reads.");
        else
            row.amount = *cents;
    }
    return row;
}

// Corrections of transactions in the same file take effect here.
void applyCorrections(QList<ImportedRow>& rows) {
    for (int i = 0; i < rows.size(); ++i) {
        const QString corrected = rows[i].correctsFitId;
        if (corrected.isEmpty())
            continue;
        bool found = false;
        for (int j = i - 1; j >= 0; --j) {
            if (rows[j].fitId == corrected) {
                rows.removeAt(j);
                --i;
                found = true;
                break;
            }
        }
        if (!found)
            continue;
        if (rows[i].cancels) {
            rows.removeAt(i);
            --i;
        } else {
            rows[i].correctsFitId.clear();
        }
    }
}

} // namespace

namespace OfxReader {

bool looksLikeOfx(const QByteArray& content) {
    return content.toUpper().contains("<OFX>");
}

ReadResult read(const QByteArray& content) {
    ReadResult result;
    result.format = StatementFormat::Ofx;
    const QByteArray upper = content.toUpper();
    if (!upper.contains("<OFX>")) {
        result.error = QCoreApplication::translate(
            "OfxReader", "This is not an OFX file: it has no <OFX> element.");
        return result;
    }

    NoonDates prepared = withNoonDates(content, upper);
    const std::vector<Written>& written = prepared.written;
    // The header is the lines before the one <OFX> is on; the dates rewritten lie after it.
    prepared.content =
        withTrueCharset(prepared.content, content.lastIndexOf('\n', upper.indexOf("<OFX>")) + 1);
    Collected collected;
    if (const QString error = readWithLibofx(prepared.content, collected); !error.isEmpty()) {
        result.error = error;
        return result;
    }

    // libofx reports the transactions in the file's order; with as many as the file has
    // <STMTTRN>s each is the one written at the same place.
    const bool aligned = collected.transactions.size() == written.size();
    for (size_t i = 0; i < collected.transactions.size(); ++i)
        result.rows << rowOf(collected.transactions[i], aligned ? &written[i] : nullptr);
    applyCorrections(result.rows);

    if (collected.transactions.size() < written.size()) {
        ImportedRow row;
        row.line = written[collected.transactions.size()].line;
        row.error = QCoreApplication::translate(
                        "OfxReader", "Only %1 of the file's %2 transactions read; the first that "
                                     "did not may start on this line.")
                        .arg(collected.transactions.size())
                        .arg(written.size());
        result.rows << row;
    }
    if (!upper.contains("</OFX>")) {
        ImportedRow row;
        row.line = prepared.lastLine;
        row.error = QCoreApplication::translate(
            "OfxReader", "The file ends before its closing </OFX>: it is cut short.");
        result.rows << row;
    }
    if (result.rows.isEmpty()) {
        result.error =
            collected.statusErrors.isEmpty()
                ? QCoreApplication::translate("OfxReader", "The file has no transactions.")
                : QCoreApplication::translate("OfxReader", "The bank's file reports an error: %1")
                      .arg(collected.statusErrors.join(QStringLiteral(", ")));
    }
    return result;
}

} // namespace OfxReader
