#include "RecordSet.h"
#include "StoredValue.h"

#include "FieldFormat.h"
#include "Money.h"
#include "ShortDate.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const char* const ClosedError =
    QT_TRANSLATE_NOOP("RecordSet", "Operation is not allowed when the object is closed.");
const char* const NoCurrentRow = QT_TRANSLATE_NOOP(
    "RecordSet", "Either BOF or EOF is True, or the current record has been deleted.");

// Emits the will-change event once, never from inside a handler of the same record set.
class EventGuard {
public:
    explicit EventGuard(bool& flag) : m_flag(flag), m_active(!flag) { m_flag = true; }
    ~EventGuard() {
        if (m_active)
            m_flag = false;
    }
    bool active() const { return m_active; }

private:
    bool& m_flag;
    bool m_active;
};

} // namespace

RecordSet::RecordSet(const QSqlDatabase& db, const QString& sql, QObject* parent)
    : QObject(parent), m_db(db), m_sql(sql) {
    static const QRegularExpression from(QStringLiteral("\\bfrom\\s+(\\w+)"),
                                         QRegularExpression::CaseInsensitiveOption);
    m_table = from.match(sql).captured(1);
}

RecordSet::~RecordSet() = default;

bool RecordSet::fail(const QString& message) {
    m_error = message;
    return false;
}

int RecordSet::fieldIndex(const QString& name) const {
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool RecordSet::open() {
    m_error.clear();
    if (!readRows())
        return false;
    m_open = true;
    m_pos = m_rows.isEmpty() ? -1 : 0;
    emit rowsReset();
    emit moveComplete();
    return true;
}

bool RecordSet::readRows() {
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.exec(m_sql))
        return fail(query.lastError().text());
    const QSqlRecord record = query.record();
    QStringList fields;
    QVector<ColumnKind> kinds;
    for (int i = 0; i < record.count(); ++i) {
        fields << record.fieldName(i);
        kinds << columnKind(record.fieldName(i));
    }
    m_fields = fields;
    m_kinds = kinds;
    m_keyField = fieldIndex(QStringLiteral("ID"));

    QVector<Row> rows;
    while (query.next()) {
        Row row;
        row.handle = m_nextHandle++;
        row.values.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            row.values << fromStorage(i, query.value(i));
        row.original = row.values;
        rows << std::move(row);
    }
    if (query.lastError().isValid())
        return fail(query.lastError().text());
    // Finish at once: an open statement would hold a read lock on the file.
    query.finish();
    m_rows = std::move(rows);
    m_pending = -1;
    m_onDeleted = false;
    return true;
}

void RecordSet::announce(Reason reason) {
    EventGuard guard(m_inEvent);
    if (guard.active())
        emit willChangeRecord(reason);
}

bool RecordSet::requery() {
    if (!m_open)
        return fail(tr(ClosedError));
    if (!savePending())
        return false;
    announce(Reason::Requery);
    if (!readRows())
        return false;
    m_pos = m_rows.isEmpty() ? -1 : 0;
    emit rowsReset();
    emit moveComplete();
    return true;
}

void RecordSet::close() {
    m_rows.clear();
    m_pending = -1;
    m_pos = -1;
    m_onDeleted = false;
    m_open = false;
    emit rowsReset();
}

bool RecordSet::isBOF() const {
    return m_rows.isEmpty() || m_pos < 0;
}

bool RecordSet::isEOF() const {
    return m_rows.isEmpty() || m_pos >= m_rows.size();
}

bool RecordSet::hasCurrent() const {
    return m_open && !m_onDeleted && m_pos >= 0 && m_pos < m_rows.size();
}

int RecordSet::currentRow() const {
    return hasCurrent() ? m_pos : -1;
}

int RecordSet::absolutePosition() const {
    if (hasCurrent())
        return m_pos + 1;
    if (m_onDeleted)
        return PosUnknown;
    return isBOF() && m_pos < 0 ? PosBOF : PosEOF;
}

bool RecordSet::setAbsolutePosition(int position) {
    if (position < 1 || position > m_rows.size())
        return fail(tr("Position %1 is out of range.").arg(position));
    return moveTo(position - 1);
}

RecordSet::Bookmark RecordSet::bookmark() const {
    return hasCurrent() ? m_rows[m_pos].handle : 0;
}

bool RecordSet::setBookmark(Bookmark bookmark) {
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].handle == bookmark)
            return moveTo(i);
    }
    return fail(tr("The bookmark is not valid."));
}

bool RecordSet::moveTo(int index) {
    if (!m_open)
        return fail(tr(ClosedError));
    if (m_pending >= 0 && m_pending != index) {
        // Moving off a changed row saves it.
        const int pending = m_pending;
        const qsizetype count = m_rows.size();
        if (!savePending())
            return false;
        // An untouched new row was dropped instead: the rows after it moved up by one.
        if (m_rows.size() < count && pending < index)
            --index;
    }
    m_onDeleted = false;
    m_pos = std::clamp(index, -1, int(m_rows.size()));
    emit moveComplete();
    return true;
}

bool RecordSet::moveFirst() {
    return moveTo(m_rows.isEmpty() ? -1 : 0);
}

bool RecordSet::moveLast() {
    return moveTo(m_rows.isEmpty() ? -1 : int(m_rows.size()) - 1);
}

bool RecordSet::moveNext() {
    if (!m_onDeleted && isEOF())
        return fail(tr(NoCurrentRow));
    return moveTo(m_onDeleted ? m_pos : m_pos + 1);
}

bool RecordSet::movePrevious() {
    if (!m_onDeleted && isBOF())
        return fail(tr(NoCurrentRow));
    return moveTo(m_pos - 1);
}

QVariant RecordSet::value(int field) const {
    if (!hasCurrent())
        return {};
    return valueAt(m_pos, field);
}

QVariant RecordSet::valueAt(int row, int field) const {
    if (row < 0 || row >= m_rows.size() || field < 0 || field >= m_fields.size())
        return {};
    return m_rows[row].values[field];
}

QString RecordSet::text(int field) const {
    return FieldFormat::display(value(field), fieldKind(field), QString());
}

std::optional<QVariant> RecordSet::convert(int field, const QVariant& value,
                                           const QString& format) const {
    const ColumnKind kind = fieldKind(field);
    QVariant typed = value;
    if (value.typeId() == QMetaType::QString) {
        const std::optional<QVariant> parsed = FieldFormat::parse(value.toString(), kind, format);
        if (!parsed)
            return std::nullopt;
        typed = *parsed;
    }
    if (typed.isNull() || !typed.isValid())
        return QVariant();
    switch (kind) {
    case ColumnKind::Money: {
        if (typed.typeId() == qMetaTypeId<Money>())
            return typed;
        std::optional<Money> money;
        if (typed.typeId() == QMetaType::LongLong || typed.typeId() == QMetaType::Int)
            money = Money::fromDouble(double(typed.toLongLong()));
        else if (typed.canConvert<double>())
            money = Money::fromDouble(typed.toDouble());
        if (!money)
            return std::nullopt;
        return QVariant::fromValue(*money);
    }
    case ColumnKind::Date: {
        const QDate date = typed.toDate();
        if (!ShortDate::inRange(date))
            return std::nullopt;
        return date;
    }
    case ColumnKind::Double: {
        bool ok = false;
        const double d = typed.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            return std::nullopt;
        return d;
    }
    case ColumnKind::Integer: {
        bool ok = false;
        const qlonglong n = typed.toLongLong(&ok);
        if (!ok || n < -32768 || n > 32767)
            return std::nullopt;
        return n;
    }
    case ColumnKind::Key:
        return std::nullopt;
    case ColumnKind::Text:
        return typed.toString();
    }
    return std::nullopt;
}

bool RecordSet::setValue(int field, const QVariant& value, const QString& format) {
    if (!hasCurrent())
        return fail(tr(NoCurrentRow));
    return setValueAt(m_pos, field, value, format);
}

bool RecordSet::setValueAt(int row, int field, const QVariant& value, const QString& format) {
    if (row < 0 || row >= m_rows.size())
        return fail(tr(NoCurrentRow));
    if (field < 0 || field >= m_fields.size())
        return fail(tr("Item cannot be found in the collection."));
    if (field == m_keyField)
        return fail(tr("The field '%1' cannot be changed.").arg(m_fields[field]));
    const std::optional<QVariant> converted = convert(field, value, format);
    if (!converted) {
        // The form the program reads, as statement entry says it.
        if (fieldKind(field) == ColumnKind::Date)
            return fail(
                tr("Type mismatch: '%1' is not a valid value for %2. Please enter it as %3.")
                    .arg(value.toString(), m_fields[field],
                         format.isEmpty() ? ShortDate::pattern() : format));
        return fail(tr("Type mismatch: '%1' is not a valid value for %2.")
                        .arg(value.toString(), m_fields[field]));
    }
    if (m_rows[row].values[field] == *converted &&
        m_rows[row].values[field].isNull() == converted->isNull())
        return true;
    if (m_pending >= 0 && m_pending != row) {
        // One pending row at a time: editing another row saves the first, as a move would.
        if (!moveTo(row))
            return false;
    }
    if (m_pending < 0) {
        if (row != m_pos && !moveTo(row))
            return false;
        announce(Reason::FirstChange);
        m_pending = row;
    }
    m_rows[row].values[field] = *converted;
    emit rowChanged(row);
    return true;
}

void RecordSet::setRequired(const QString& field) {
    if (!m_required.contains(field, Qt::CaseInsensitive))
        m_required << field;
}

bool RecordSet::isNewRow(int row) const {
    return row >= 0 && row < m_rows.size() && m_rows[row].isNew;
}

bool RecordSet::addNew() {
    if (!m_open)
        return fail(tr(ClosedError));
    if (!savePending())
        return false;
    announce(Reason::AddNew);
    Row row;
    row.handle = m_nextHandle++;
    row.values = QVector<QVariant>(m_fields.size());
    row.original = row.values;
    row.isNew = true;
    m_posBeforeAdd = hasCurrent() ? m_pos : -1;
    m_rows << row;
    m_pending = int(m_rows.size()) - 1;
    m_onDeleted = false;
    m_pos = m_pending;
    emit rowInserted(m_pos);
    emit moveComplete();
    return true;
}

bool RecordSet::update() {
    if (!m_open)
        return fail(tr(ClosedError));
    return savePending();
}

bool RecordSet::updateBatch() {
    return update();
}

bool RecordSet::savePending() {
    if (m_pending < 0)
        return true;
    const int index = m_pending;
    {
        EventGuard guard(m_inEvent);
        if (guard.active()) {
            // The handler sees the pending row as the current one and may still alter it.
            const int saved = m_pos;
            const bool savedDeleted = m_onDeleted;
            m_pos = index;
            m_onDeleted = false;
            emit willChangeRecord(Reason::Update);
            m_pos = saved;
            m_onDeleted = savedDeleted;
        }
    }
    if (m_pending < 0 || dropIfUntouched(index))
        return true;
    for (const QString& name : std::as_const(m_required)) {
        const int field = fieldIndex(name);
        if (field >= 0 && m_rows[index].values[field].isNull())
            return fail(tr("This row cannot be saved without a %1. Type its %1, then "
                           "save it again.")
                            .arg(m_fields[field]));
    }
    if (!writeRow(m_rows[index]))
        return false;
    m_pending = -1;
    emit rowChanged(index);
    return true;
}

bool RecordSet::dropIfUntouched(int index) {
    // A new row nobody typed into is no row: storing it blank would put an empty row first in
    // every date order.
    const Row& row = m_rows[index];
    if (!row.isNew || !std::all_of(row.values.cbegin(), row.values.cend(),
                                   [](const QVariant& v) { return v.isNull(); }))
        return false;
    m_rows.removeAt(index);
    m_pending = -1;
    if (m_pos > index || m_pos >= m_rows.size())
        --m_pos;
    emit rowRemoved(index);
    return true;
}

QSqlQuery* RecordSet::statement(const QString& sql) {
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery query(m_db);
        if (!query.prepare(sql)) {
            fail(query.lastError().text());
            return nullptr;
        }
        it = m_statements.emplace(sql, std::move(query)).first;
    }
    return &it->second;
}

QVariant RecordSet::toStorage(int field, const QVariant& value) const {
    if (value.isNull())
        return QVariant(fieldKind(field) == ColumnKind::Date || fieldKind(field) == ColumnKind::Text
                            ? QMetaType(QMetaType::QString)
                            : QMetaType(QMetaType::LongLong));
    switch (fieldKind(field)) {
    case ColumnKind::Money:
        return value.value<Money>().raw();
    case ColumnKind::Date:
        return ShortDate::toIso(value.toDate());
    case ColumnKind::Double:
        return value.toDouble();
    case ColumnKind::Key:
    case ColumnKind::Integer:
        return value.toLongLong();
    case ColumnKind::Text:
        break;
    }
    return value.toString();
}

QVariant RecordSet::fromStorage(int field, const QVariant& value) const {
    if (value.isNull())
        return {};
    // A value that cannot be read as its kind reads as empty: Open refuses files that hold one,
    // so only a file changed behind the program's back shows an empty cell.
    switch (fieldKind(field)) {
    case ColumnKind::Money:
        if (const std::optional<Money> m = StoredValue::money(value).money())
            return QVariant::fromValue(*m);
        return {};
    case ColumnKind::Date:
        return StoredValue::date(value);
    case ColumnKind::Double:
        if (const std::optional<double> n = StoredValue::number(value))
            return *n;
        return {};
    case ColumnKind::Key:
    case ColumnKind::Integer:
        return value.toLongLong();
    case ColumnKind::Text:
        break;
    }
    return value.toString();
}

bool RecordSet::writeRow(Row& row) {
    if (m_table.isEmpty())
        return fail(tr("The rows of this query cannot be changed."));
    QStringList columns;
    QVector<int> changed;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (i == m_keyField)
            continue;
        const bool differs =
            row.values[i] != row.original[i] || row.values[i].isNull() != row.original[i].isNull();
        if (differs || (row.isNew && !row.values[i].isNull())) {
            columns << m_fields[i];
            changed << i;
        }
    }
    QString sql;
    if (row.isNew) {
        sql = columns.isEmpty()
                  ? QStringLiteral("insert into %1 default values").arg(m_table)
                  : QStringLiteral("insert into %1 (%2) values (%3)")
                        .arg(m_table, columns.join(','),
                             QStringList(columns.size(), QStringLiteral("?")).join(','));
    } else {
        if (columns.isEmpty()) {
            row.original = row.values;
            return true;
        }
        if (m_keyField < 0)
            return fail(tr("The rows of this query cannot be changed."));
        QStringList sets;
        for (const QString& c : std::as_const(columns))
            sets << c + QStringLiteral("=?");
        sql = QStringLiteral("update %1 set %2 where ID=?").arg(m_table, sets.join(','));
    }
    QSqlQuery* query = statement(sql);
    if (!query)
        return false;
    int position = 0;
    for (int i : std::as_const(changed))
        query->bindValue(position++, toStorage(i, row.values[i]));
    if (!row.isNew)
        query->bindValue(position, row.values[m_keyField]);
    const bool ok = query->exec();
    const QString error = query->lastError().text();
    const QVariant newId = query->lastInsertId();
    query->finish();
    if (!ok)
        return fail(error);
    if (row.isNew && m_keyField >= 0)
        row.values[m_keyField] = newId.toLongLong();
    row.isNew = false;
    row.original = row.values;
    return true;
}

void RecordSet::cancelUpdate() {
    if (m_pending < 0)
        return;
    announce(Reason::Undo);
    const int index = m_pending;
    m_pending = -1;
    if (m_rows[index].isNew) {
        m_rows.removeAt(index);
        emit rowRemoved(index);
        m_pos = m_posBeforeAdd >= 0 && m_posBeforeAdd < m_rows.size() ? m_posBeforeAdd
                                                                      : int(m_rows.size()) - 1;
        m_onDeleted = false;
        emit moveComplete();
    } else {
        m_rows[index].values = m_rows[index].original;
        emit rowChanged(index);
    }
}

bool RecordSet::deleteCurrent() {
    if (!hasCurrent())
        return fail(tr(NoCurrentRow));
    announce(Reason::Delete);
    const int index = m_pos;
    if (!m_rows[index].isNew) {
        if (m_keyField < 0 || m_table.isEmpty())
            return fail(tr("The rows of this query cannot be changed."));
        QSqlQuery* query = statement(QStringLiteral("delete from %1 where ID=?").arg(m_table));
        if (!query)
            return false;
        query->bindValue(0, m_rows[index].values[m_keyField]);
        const bool ok = query->exec();
        const QString error = query->lastError().text();
        query->finish();
        if (!ok)
            return fail(error);
    }
    if (m_pending == index)
        m_pending = -1;
    else if (m_pending > index)
        --m_pending;
    m_rows.removeAt(index);
    m_onDeleted = true;
    emit rowRemoved(index);
    return true;
}
