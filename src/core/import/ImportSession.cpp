#include "ImportSession.h"

#include "CamtReader.h"
#include "CsvDetection.h"
#include "ImportPreview.h"
#include "Mt940Reader.h"
#include "QifReader.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The amounts turned; the balances stay as the file states them.
ReadResult flipped(ReadResult r) {
    for (ImportedRow& row : r.rows)
        row.amount = row.amount.negated().value_or(row.amount);
    return r;
}

} // namespace

std::unique_ptr<ImportSession> ImportSession::load(const QString& path, QString* error) {
    StatementFile::Loaded loaded = StatementFile::load(path);
    if (!loaded.error.isEmpty()) {
        if (error)
            *error = loaded.error;
        return nullptr;
    }
    return std::make_unique<ImportSession>(path, std::move(loaded));
}

ImportSession::ImportSession(QString path, StatementFile::Loaded loaded)
    : m_path(std::move(path)), m_loaded(std::move(loaded)) {
    // The reader keeps the file split, for the reading again after each correction.
    if (m_loaded.format == StatementFormat::Csv)
        m_csv = std::make_unique<CsvReader>(m_loaded.text);
}

bool ImportSession::start(const std::optional<CsvLayout>& remembered, Fallback fallback,
                          QString* error) {
    m_remembered = remembered;
    switch (m_loaded.format) {
    case StatementFormat::Csv: {
        QString why;
        if (const auto proposal = m_csv->propose(remembered, &why)) {
            m_layout = proposal->layout;
            m_layoutSource = proposal->source;
            noteSign(proposal->note);
            read(&proposal->result);
            break;
        }
        bool fitted = false;
        if (fallback == Fallback::FirstPresetThatFits) {
            for (const CsvPreset& preset : CsvPresets::builtIn()) {
                if (const auto layout = m_csv->fit(preset, nullptr)) {
                    m_layout = *layout;
                    m_layoutSource = preset.name;
                    fitted = true;
                    break;
                }
            }
        }
        if (!fitted) {
            if (error)
                *error = why;
            return false;
        }
        read();
        break;
    }
    case StatementFormat::Qif: {
        const ReadResult r = QifReader::read(m_loaded.text, std::nullopt, m_account);
        m_layout.dateOrder = r.dateOrder;
        read(&r);
        break;
    }
    case StatementFormat::Ofx:
    case StatementFormat::Camt:
    case StatementFormat::Mt940:
        read();
        break;
    }
    if (!m_result.error.isEmpty()) {
        if (error)
            *error = m_result.error;
        return false;
    }
    return true;
}

bool ImportSession::asksDateOrder() const {
    return m_result.dateOrderAmbiguous && !layoutRemembered();
}

std::optional<CsvLayout> ImportSession::csvLayout() const {
    if (m_loaded.format != StatementFormat::Csv)
        return std::nullopt;
    return m_layout;
}

void ImportSession::setLayout(const CsvLayout& layout) {
    m_layout = layout;
    read();
}

void ImportSession::setDateOrder(DateOrder order) {
    if (order == m_layout.dateOrder)
        return;
    m_layout.dateOrder = order;
    read();
}

bool ImportSession::chooseLayout(const QString& source, QString* error) {
    if (!m_csv)
        return false;
    std::optional<CsvLayout> layout;
    QString note;
    if (source == CsvReader::Detected) {
        layout = m_csv->detect(m_layout.dateOrder, error, &note);
    } else if (source == CsvReader::Remembered) {
        layout = m_remembered;
    } else {
        for (const CsvPreset& preset : CsvPresets::builtIn()) {
            if (preset.name == source)
                layout = m_csv->fit(preset, error);
        }
    }
    if (!layout)
        return false;
    m_layout = *layout;
    m_layoutSource = source;
    noteSign(note);
    read();
    return true;
}

void ImportSession::proposeSign(ImportPreview& preview) {
    preview.setRows(m_result.rows);
    const StatementHeader& statement = preview.statement();
    if (m_loaded.format != StatementFormat::Csv || layoutRemembered() || !statement.openBalance ||
        !statement.closeBalance)
        return;
    const QString why = preview.flippedFitReason();
    if (why.isEmpty())
        return;
    m_layout.flipSign = !m_layout.flipSign;
    noteSign(m_layout.flipSign ? why : QString());
    read();
    preview.setRows(m_result.rows);
}

QString ImportSession::signNote() const {
    return m_layout.flipSign == m_notedFlip ? m_signNote : QString();
}

void ImportSession::noteSign(const QString& why) {
    m_signNote = why;
    m_notedFlip = m_layout.flipSign;
}

namespace {

// Which date a camt or MT940 file's entries took: the value date where the file gives one.
QString valueDateNote(const QList<ImportedRow>& rows) {
    const auto valued = std::count_if(rows.begin(), rows.end(),
                                      [](const ImportedRow& r) { return r.valueDated; });
    if (rows.isEmpty())
        return {};
    if (valued == rows.size())
        return QCoreApplication::translate(
            "ImportSession", "Each entry is dated by its value date, from which interest runs.");
    if (valued == 0)
        return QCoreApplication::translate(
            "ImportSession", "The entries are dated by their booking date: the file gives no "
                             "value date.");
    return QCoreApplication::translate("ImportSession",
                                       "%1 of the %2 entries are dated by their value date, from "
                                       "which interest runs; the others by their booking date.")
        .arg(valued)
        .arg(rows.size());
}

} // namespace

QString ImportSession::dateNote() const {
    if (m_loaded.format == StatementFormat::Camt || m_loaded.format == StatementFormat::Mt940)
        return valueDateNote(m_result.rows);
    if (!m_csv || !m_layout.header || m_layout.dateColumn < 0)
        return {};
    const QList<CsvRecord>& records = m_csv->split(m_layout.delimiter).records;
    const auto header = std::find_if(records.begin(), records.end(), [&](const CsvRecord& r) {
        return r.line > m_layout.skipLines;
    });
    if (header == records.end())
        return {};
    const QList<QStringView>& names = header->fields;
    const QList<int> dates = CsvDetection::dateColumnsNamed(names);
    if (dates.size() < 2 || !dates.contains(m_layout.dateColumn))
        return {};
    QStringList others;
    for (int c : dates) {
        if (c != m_layout.dateColumn)
            others << QStringLiteral("\"%1\"").arg(names[c].trimmed());
    }
    const QStringView taken = names[m_layout.dateColumn].trimmed();
    //: Joins the names of the file's other date columns: "Date" or "Posted".
    const QString joined = others.join(QCoreApplication::translate("ImportSession", " or "));
    return CsvDetection::namesValueDate(taken)
               ? QCoreApplication::translate("ImportSession",
                                             "The rows are dated by their value date, \"%1\", "
                                             "which interest follows, not by %2.")
                     .arg(taken, joined)
               : QCoreApplication::translate("ImportSession",
                                             "The rows are dated by \"%1\", not by %2.")
                     .arg(taken, joined);
}

QStringList ImportSession::columnNames() const {
    QStringList names;
    if (!m_csv)
        return names;
    // The widest of the first 50 records past the skipped lines, named by the first of them.
    const QList<CsvRecord>& records = m_csv->split(m_layout.delimiter).records;
    int width = 0;
    const CsvRecord* first = nullptr;
    int seen = 0;
    for (const CsvRecord& r : records) {
        if (r.line <= m_layout.skipLines)
            continue;
        if (!first)
            first = &r;
        width = std::max(width, int(r.fields.size()));
        if (++seen == 50)
            break;
    }
    for (int c = 0; c < width; ++c) {
        const QString sample =
            first ? first->fields.value(c).toString().simplified().left(24) : QString();
        names << QStringLiteral("%1: %2").arg(c + 1).arg(sample);
    }
    return names;
}

QList<StatementAccount> ImportSession::accounts() const {
    switch (m_loaded.format) {
    case StatementFormat::Qif:
        return QifReader::accounts(m_loaded.text);
    case StatementFormat::Camt:
        return CamtReader::accounts(m_loaded.bytes);
    case StatementFormat::Mt940:
        return Mt940Reader::accounts(m_loaded.bytes);
    case StatementFormat::Csv:
    case StatementFormat::Ofx:
        break;
    }
    return {};
}

bool ImportSession::needsAccount() const {
    switch (m_loaded.format) {
    case StatementFormat::Qif:
        return QifReader::needsChoice(accounts());
    case StatementFormat::Camt:
    case StatementFormat::Mt940:
        return severalHaveEntries(accounts());
    case StatementFormat::Csv:
    case StatementFormat::Ofx:
        break;
    }
    return false;
}

void ImportSession::read(const ReadResult* given) {
    ReadResult result;
    if (given)
        result = *given;
    else if (m_loaded.format == StatementFormat::Csv)
        result = m_csv->read(m_layout);
    else if (m_loaded.format == StatementFormat::Qif)
        result = QifReader::read(m_loaded.text, m_layout.dateOrder, m_account);
    else if (m_loaded.format == StatementFormat::Camt)
        result = CamtReader::read(m_loaded.bytes, m_account);
    else if (m_loaded.format == StatementFormat::Mt940)
        result = Mt940Reader::read(m_loaded.bytes, m_account);
    else
        result = m_ofx;
    // CSV's reader flips the sign itself, as its layout says.
    if (m_loaded.format != StatementFormat::Csv && m_layout.flipSign)
        result = flipped(std::move(result));
    if (!result.error.isEmpty())
        result.rows.clear();
    m_result = std::move(result);
}
