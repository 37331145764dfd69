#include "CsvReader.h"

#include "BankText.h"
#include "CsvCells.h"
#include "CsvDetection.h"

#include <QCoreApplication>
#include <QMap>

#include <algorithm>
#include <array>

using namespace CsvCells;
using namespace CsvDetection;

namespace {

// The records the layout is guessed from; the whole file is still read.
constexpr int SampleRecords = 2000;
constexpr int SampleLines = 200;

const std::array<QChar, 4> Delimiters = {u',', u';', u'\t', u'|'};

bool isBlank(const QList<QStringView>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](QStringView f) { return f.trimmed().isEmpty(); });
}

bool isLineEnd(QChar c) {
    return c == u'\n' || c == u'\r';
}

// The text being split, where the split has reached and the line it is on.
struct Cursor {
    const QChar* p;
    qsizetype n;
    qsizetype i = 0;
    int line = 1;
    // Moves up to the delimiter or the line's end.
    void toFieldEnd(QChar delimiter) {
        while (i < n && p[i] != delimiter && !isLineEnd(p[i]))
            ++i;
    }
};

// The quoted field at the cursor (on its opening quote): up to the closing quote, "" for a quote
// inside, then what stands between the closing quote and the delimiter, which stays with the
// field. A field that is not a stretch of the text as it is goes to `unescaped`, which the field
// views. False when the quote is never closed.
bool readQuoted(Cursor& c, QChar delimiter, QStringList& unescaped, QStringView& field) {
    const QChar* p = c.p;
    const qsizetype n = c.n;
    qsizetype& i = c.i;
    const qsizetype start = ++i;
    QString copy;
    bool escaped = false;
    bool closed = false;
    while (i < n) {
        if (p[i] == u'"') {
            if (i + 1 < n && p[i + 1] == u'"') {
                if (!escaped)
                    copy = QString(p + start, i - start);
                escaped = true;
                copy += u'"';
                i += 2;
                continue;
            }
            closed = true;
            break;
        }
        if (p[i] == u'\n' || (p[i] == u'\r' && !(i + 1 < n && p[i + 1] == u'\n')))
            ++c.line;
        if (escaped)
            copy += p[i];
        ++i;
    }
    if (!closed)
        return false;
    const qsizetype end = i++;
    const qsizetype tail = i;
    c.toFieldEnd(delimiter);
    if (escaped || i > tail) {
        if (!escaped)
            copy = QString(p + start, end - start);
        copy.append(p + tail, i - tail);
        unescaped << std::move(copy);
        field = unescaped.constLast();
    } else {
        field = QStringView(p + start, end - start);
    }
    return true;
}

} // namespace

CsvReader::CsvReader(QString text) : m_text(std::move(text)) {}

const CsvReader::Split& CsvReader::split(QChar delimiter) const {
    const auto found = m_splits.find(delimiter.unicode());
    if (found != m_splits.end())
        return found->second;

    Split& result = m_splits[delimiter.unicode()];
    Cursor c{m_text.constData(), m_text.size()};
    const QChar* p = c.p;
    const qsizetype n = c.n;
    result.records.reserve(std::count(m_text.cbegin(), m_text.cend(), u'\n') + 1);
    CsvRecord record;
    auto endRecord = [&] {
        if (!isBlank(record.fields))
            result.records << std::move(record);
        record = CsvRecord();
    };
    while (c.i < n) {
        if (record.fields.isEmpty())
            record.line = c.line;
        QStringView field;
        if (p[c.i] == u'"') {
            const int opened = c.line;
            if (!readQuoted(c, delimiter, result.unescaped, field)) {
                // The rest of the file is inside the quote: the record is lost with it.
                result.openQuoteLine = opened;
                return result;
            }
        } else {
            const qsizetype start = c.i;
            c.toFieldEnd(delimiter);
            field = QStringView(p + start, c.i - start);
        }
        record.fields << field;
        if (c.i >= n)
            break;
        if (p[c.i] == delimiter) {
            if (++c.i == n)
                record.fields << QStringView(); // "a,b," at the very end
            continue;
        }
        // A line end: "\r\n", "\n" or "\r".
        if (p[c.i] == u'\r' && c.i + 1 < n && p[c.i + 1] == u'\n')
            ++c.i;
        ++c.i;
        ++c.line;
        endRecord();
    }
    if (!record.fields.isEmpty())
        endRecord();
    return result;
}

QChar CsvReader::detectDelimiter() const {
    QChar best = u',';
    int bestScore = 0;
    for (QChar d : Delimiters) {
        QMap<int, int> counts; // fields per line -> lines
        int lines = 0;
        qsizetype i = 0;
        const qsizetype n = m_text.size();
        while (i < n && lines < SampleLines) {
            int fields = 1;
            bool quoted = false;
            bool blank = true;
            for (; i < n; ++i) {
                const QChar c = m_text[i];
                if (c == u'"')
                    quoted = !quoted;
                else if (!quoted && (c == u'\n' || c == u'\r'))
                    break;
                else if (!quoted && c == d)
                    ++fields;
                if (!c.isSpace())
                    blank = false;
            }
            while (i < n && (m_text[i] == u'\n' || m_text[i] == u'\r'))
                ++i;
            if (blank)
                continue;
            ++lines;
            if (fields >= 2)
                ++counts[fields];
        }
        int score = 0;
        for (int lineCount : std::as_const(counts))
            score = std::max(score, lineCount);
        if (score > bestScore) {
            best = d;
            bestScore = score;
        }
    }
    return best;
}

std::optional<CsvLayout> CsvReader::detect(DateOrder preferred, QString* error,
                                           QString* note) const {
    if (note)
        note->clear();
    CsvLayout layout;
    layout.delimiter = detectDelimiter();
    layout.dateOrder = preferred;
    const Split& s = split(layout.delimiter);
    const QList<CsvRecord>& records = s.records;
    const int sampled = std::min(int(records.size()), SampleRecords);

    layout.decimal = decimalOf(records, std::min(sampled, SampleLines));
    QString why;
    const std::optional<RowShape> shape =
        findRows(records, sampled, s.openQuoteLine, layout.decimal, &why);
    if (!shape) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    const int headerAt = placeHeader(records, *shape, layout);
    QList<const CsvRecord*> rows;
    for (int r = shape->first; r < sampled; ++r) {
        if (shape->dataLike[r])
            rows << &records[r];
    }
    if (headerAt >= 0)
        columnsNamed(records[headerAt].fields, rows, layout);
    if (!columnsHeld(rows, shape->width, layout, &why)) {
        if (error)
            *error = why;
        return std::nullopt;
    }
    const bool signedAmounts =
        layout.amounts == CsvLayout::Amounts::Signed && layout.amountColumn >= 0;
    if (layout.amounts == CsvLayout::Amounts::Signed) {
        layout.debitColumn = layout.creditColumn = -1;
    } else {
        layout.amountColumn = -1;
    }
    settleDateOrder(records, layout);

    // Balances that move against the amounts: the file counts money out as positive (a card's
    // purchases), and its amounts are read turned, so that the balances follow from them. The
    // balances outweigh the column's name.
    const bool named = layout.flipSign;
    if (signedAmounts && layout.signColumn < 0 && layout.balanceColumn >= 0) {
        const SignAgreement agree = signAgreement(rows, layout);
        if (agree.against != agree.with)
            layout.flipSign = agree.against > agree.with;
    }
    // Without balances or a statement, a card's file says its sign by its payments alone.
    const CsvRecord* payment = nullptr;
    if (signedAmounts && !layout.flipSign && layout.signColumn < 0 && layout.balanceColumn < 0)
        payment = paymentAgainstPurchases(rows, layout);
    layout.flipSign |= payment != nullptr;
    if (note && payment)
        *note = QCoreApplication::translate(
                    "CsvReader", "The amounts are read with their sign turned: the payments to "
                                 "the card (\"%1\", line %2) are negative where its other rows "
                                 "are mostly positive, as a card's purchases are.")
                    .arg(CsvCells::descriptionOf(*payment, layout))
                    .arg(payment->line);
    else if (note && layout.flipSign)
        *note =
            named
                ? QCoreApplication::translate("CsvReader",
                                              "The amounts are read with their sign turned: their "
                                              "column is named for money out.")
                : QCoreApplication::translate("CsvReader",
                                              "The amounts are read with their sign turned: the "
                                              "balances follow from them that way.");
    return layout;
}

std::optional<CsvLayout> CsvReader::fit(const CsvPreset& preset, QString* error) const {
    auto fail = [&](const QString& why) -> std::optional<CsvLayout> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    CsvLayout layout = preset.layout;
    const QList<CsvRecord>& records = split(layout.delimiter).records;
    if (!preset.named.isEmpty()) {
        // The header is the first line that has every named column, among the lines the layout
        // is guessed from: a file without one is not searched to its end.
        const qsizetype searched = std::min<qsizetype>(records.size(), SampleRecords);
        for (qsizetype i = 0; i < searched; ++i) {
            const CsvRecord& r = records[i];
            if (!preset.autoSkip && r.line <= layout.skipLines)
                continue;
            QHash<QString, int> found;
            for (int c = 0; c < r.fields.size(); ++c) {
                for (auto it = preset.named.cbegin(); it != preset.named.cend(); ++it) {
                    if (!found.contains(it.key()) &&
                        r.fields[c].trimmed().compare(it.value(), Qt::CaseInsensitive) == 0)
                        found.insert(it.key(), c);
                }
            }
            const bool marked =
                std::all_of(preset.marks.begin(), preset.marks.end(), [&](const QString& mark) {
                    return std::any_of(r.fields.begin(), r.fields.end(), [&](QStringView f) {
                        return f.trimmed().compare(mark, Qt::CaseInsensitive) == 0;
                    });
                });
            if (found.size() != preset.named.size() || !marked)
                continue;
            layout.header = true;
            layout.skipLines = r.line - 1;
            for (auto it = found.cbegin(); it != found.cend(); ++it) {
                // readChoices names only the columns CsvLayout knows.
                if (int CsvLayout::*member = CsvLayout::columnOf(it.key()))
                    layout.*member = it.value();
            }
            return layout;
        }
        QStringList names = preset.named.values();
        names.sort();
        return fail(
            QCoreApplication::translate("CsvReader", "No line of the file has the columns %1.")
                .arg(names.join(QStringLiteral(", "))));
    }
    if (preset.autoSkip) {
        const auto first = std::find_if(records.begin(), records.end(), [&](const CsvRecord& r) {
            return isDataLike(r.fields, layout.decimal);
        });
        if (first == records.end())
            return fail(QCoreApplication::translate("CsvReader",
                                                    "No line of the file reads as a transaction."));
        layout.skipLines = first->line - 1 - (layout.header ? 1 : 0);
    }
    return layout;
}

std::optional<CsvReader::Proposal> CsvReader::propose(const std::optional<CsvLayout>& remembered,
                                                      QString* error) const {
    // The first candidate that reads every row is taken with its rows: the remembered layout, a
    // bank's preset its file's header marks, the detected layout, then the other presets. A
    // candidate is read only up to its first row that does not read, and a layout already tried is
    // not read again: a large file with one bad line would otherwise be read whole once per preset.
    QList<CsvLayout> tried;
    auto attempt = [&](const CsvLayout& l, const QString& source) -> std::optional<Proposal> {
        if (tried.contains(l))
            return std::nullopt;
        tried << l;
        std::optional<ReadResult> clean = read(l, true);
        if (!clean)
            return std::nullopt;
        return Proposal{l, source, std::move(*clean), {}};
    };
    if (remembered) {
        if (auto p = attempt(*remembered, Remembered))
            return p;
    }
    for (const CsvPreset& preset : CsvPresets::builtIn()) {
        if (preset.marks.isEmpty())
            continue;
        if (const auto fitted = fit(preset, nullptr)) {
            if (auto p = attempt(*fitted, preset.name)) {
                if (fitted->flipSign)
                    p->note = QCoreApplication::translate(
                                  "CsvReader", "The amounts are read with their sign turned, as "
                                               "the preset \"%1\" reads them.")
                                  .arg(preset.name);
                return p;
            }
        }
    }
    QString why;
    QString note;
    const auto detected =
        detect(remembered ? remembered->dateOrder : BankText::localeOrder(), &why, &note);
    if (detected) {
        if (auto p = attempt(*detected, Detected)) {
            p->note = note;
            return p;
        }
    }
    for (const CsvPreset& preset : CsvPresets::builtIn()) {
        const auto fitted = fit(preset, nullptr);
        if (!fitted)
            continue;
        if (auto p = attempt(*fitted, preset.name))
            return p;
    }
    if (detected)
        return Proposal{*detected, Detected, read(*detected), note};
    if (remembered)
        return Proposal{*remembered, Remembered, read(*remembered), {}};
    if (error)
        *error = why;
    return std::nullopt;
}
