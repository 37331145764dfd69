#pragma once

#include "ColumnKind.h"

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <map>

// The rows of one query, read into memory at once (so no read lock stays open to block another
// window's save), with a current row, pending changes and the two events the windows hook.
//
// Values are typed by column kind: Money, QDate, double, qint64 or QString; an empty value is a
// null QVariant. A changed row is written when the current row moves off it, or by update() /
// updateBatch(); at most one row is pending at a time.
class RecordSet : public QObject {
    Q_OBJECT
public:
    enum class Reason { AddNew, Delete, Update, Undo, Requery, Resynch, Close, Move, FirstChange };
    Q_ENUM(Reason)

    // Positions reported by absolutePosition() when there is no current row.
    static constexpr int PosUnknown = -1;
    static constexpr int PosBOF = -2;
    static constexpr int PosEOF = -3;

    using Bookmark = qint64; // 0: no bookmark

    RecordSet(const QSqlDatabase& db, const QString& sql, QObject* parent = nullptr);
    ~RecordSet() override;

    bool open();
    bool requery();
    void close();
    bool isOpen() const { return m_open; }
    QString lastError() const { return m_error; }
    QString table() const { return m_table; }

    int recordCount() const { return int(m_rows.size()); }
    QString fieldName(int field) const { return m_fields.value(field); }
    int fieldIndex(const QString& name) const;
    ColumnKind fieldKind(int field) const { return m_kinds.value(field, ColumnKind::Text); }

    bool isBOF() const;
    bool isEOF() const;
    int currentRow() const; // 0-based index, -1 when there is no current row
    int absolutePosition() const;
    bool setAbsolutePosition(int position);
    Bookmark bookmark() const;
    bool setBookmark(Bookmark bookmark);

    bool moveFirst();
    bool moveLast();
    bool moveNext();
    bool movePrevious();

    // Current row.
    QVariant value(int field) const;
    QVariant value(const QString& name) const { return value(fieldIndex(name)); }
    // The text an unformatted field bound to the column shows ("" when empty).
    QString text(int field) const;
    QString text(const QString& name) const { return text(fieldIndex(name)); }
    // Accepts a typed value or text, read as a field with display `format` shows it
    // (FieldFormat::parse); empty text stores an empty value. Text the column cannot read is
    // refused with "Type mismatch" and the row keeps its value. Every control that writes typed
    // text into a row goes through here.
    bool setValue(int field, const QVariant& value, const QString& format = QString());
    bool setValue(const QString& name, const QVariant& value, const QString& format = QString()) {
        return setValue(fieldIndex(name), value, format);
    }

    // Any row, for views.
    QVariant valueAt(int row, int field) const;
    bool setValueAt(int row, int field, const QVariant& value, const QString& format = QString());

    // A row is saved only with a value in `field`; without one, the save fails and the row
    // stays pending with everything typed into it, for the user to complete.
    void setRequired(const QString& field);

    bool editPending() const { return m_pending >= 0; }
    int pendingRow() const { return m_pending; }
    bool isNewRow(int row) const;

    bool addNew();
    bool update();
    bool updateBatch();
    void cancelUpdate();
    bool deleteCurrent();

signals:
    void moveComplete();
    // Before a row is changed; a handler may still alter the current row's values.
    void willChangeRecord(RecordSet::Reason reason);
    void rowsReset();
    void rowInserted(int row);
    void rowRemoved(int row);
    void rowChanged(int row);

private:
    struct Row {
        Bookmark handle = 0;
        QVector<QVariant> values;
        QVector<QVariant> original;
        bool isNew = false;
    };

    bool fail(const QString& message);
    bool readRows();
    bool savePending();
    // Tells the handlers the record is about to change, unless one is handling it already.
    void announce(Reason reason);
    bool writeRow(Row& row);
    bool moveTo(int index);
    bool dropIfUntouched(int index);
    QSqlQuery* statement(const QString& sql);
    bool hasCurrent() const;
    std::optional<QVariant> convert(int field, const QVariant& value, const QString& format) const;
    QVariant toStorage(int field, const QVariant& value) const;
    QVariant fromStorage(int field, const QVariant& value) const;

    QSqlDatabase m_db;
    // Prepared once per connection and text: windows save row after row with the same statement.
    std::map<QString, QSqlQuery> m_statements; // a query is moved in, never copied
    QString m_sql;
    QString m_table;
    QStringList m_fields;
    QVector<ColumnKind> m_kinds;
    int m_keyField = -1;
    QStringList m_required;
    QVector<Row> m_rows;
    int m_pos = -1;           // -1 BOF, size() EOF
    bool m_onDeleted = false; // the current row was deleted; moves go on from its place
    int m_pending = -1;       // index of the row with unsaved changes
    int m_posBeforeAdd = -1;
    Bookmark m_nextHandle = 1;
    bool m_open = false;
    bool m_inEvent = false;
    QString m_error;
};
