#pragma once

#include "CsvLayout.h"
#include "ImportRow.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <map>
#include <optional>

// One record of a CSV file: its fields and the line it starts on. The fields view the reader's
// text (or, for a quoted field with "" in it, the split's own copy), so they live as long as the
// reader: a 10 MB file is not copied field by field.
struct CsvRecord {
    int line = 0;
    QList<QStringView> fields;
};

// A bank's CSV file: splits it (once per delimiter), finds its layout, and reads its rows in a
// given layout. The preview reads the same file again after every correction the user makes, so
// the split records are kept.
class CsvReader {
public:
    explicit CsvReader(QString text);

    struct Split {
        QList<CsvRecord> records; // blank lines left out
        int openQuoteLine = 0;    // the line of a quote never closed (the rest is lost); 0 if none
        QStringList unescaped;    // the quoted fields that are not a stretch of the text as it is
    };
    // RFC 4180 quotes; "\r\n", "\n" and "\r" end lines.
    const Split& split(QChar delimiter) const;

    // The delimiter, of comma, semicolon, tab and pipe, that splits the most lines into the same
    // number (two or more) of fields.
    QChar detectDelimiter() const;

    // The layout found from the file alone: delimiter, header and the lines above it, decimal
    // point, which column is what, the date order (`preferred` when both orders read every date),
    // and the sign. `note` says why the sign was turned, when it was.
    std::optional<CsvLayout> detect(DateOrder preferred, QString* error,
                                    QString* note = nullptr) const;
    // A preset's layout made concrete for this file: its named columns found in the header, its
    // lines to skip counted. nullopt (and why) when the file does not have them.
    std::optional<CsvLayout> fit(const CsvPreset& preset, QString* error) const;

    ReadResult read(const CsvLayout& layout) const;

    // Where a layout came from, beside a preset's name.
    static inline const QString Remembered = QStringLiteral("remembered");
    static inline const QString Detected = QStringLiteral("detected");

    // The layout to show first: the account's remembered one if it reads every row, else a bank's
    // preset whose marks the file's header has (CsvPreset::marks) if it does, else the one
    // detected if it does, else the first preset that does, else the detected one as it is.
    struct Proposal {
        CsvLayout layout;
        QString source;    // Remembered, Detected or the preset's name
        ReadResult result; // the file read in `layout`
        QString note;      // detect()'s, when the detected layout is proposed
    };
    std::optional<Proposal> propose(const std::optional<CsvLayout>& remembered,
                                    QString* error) const;

private:
    // With `untilUnreadable`: nullopt as soon as a row does not read, or the file as a whole.
    std::optional<ReadResult> read(const CsvLayout& layout, bool untilUnreadable) const;

    QString m_text;
    mutable std::map<char16_t, Split> m_splits; // nodes stay put: callers keep references
};
