#pragma once

#include "ImportRow.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// Where a bank's CSV file keeps what: every choice the preview lets the user correct. Columns
// count from 0; -1 is "none".
struct CsvLayout {
    enum class Amounts : quint8 {
        Signed,      // one column, negative for money out
        DebitCredit, // two unsigned columns: debit (money out) and credit (money in)
    };

    QChar delimiter = u',';
    int skipLines = 0; // lines above the header, or above the first row when there is none
    bool header = false;
    DateOrder dateOrder = DateOrder::DayFirst;
    QChar decimal = u'.';
    Amounts amounts = Amounts::Signed;
    int dateColumn = -1;
    int descriptionColumn = -1;
    int amountColumn = -1;
    int debitColumn = -1;
    int creditColumn = -1;
    int balanceColumn = -1;
    // A column of its own that says "CR" or "DR" (or "C", "D", "Credit", "Debit") of a signed
    // amount, as a marker after the amount does; -1 when none.
    int signColumn = -1;
    // The kind of each transaction ("Lastschrift", "DIRECT DEBIT"), where the description is the
    // other party's name: a name that only repeats the kind gives way to the rest. -1 for none.
    int kindColumn = -1;
    // More columns of the description, joined to it in their order ("Description 2", ...).
    QList<int> extraDescriptionColumns;
    bool flipSign = false; // the file counts money out as positive: its amounts are turned

    // The column member a "key=value" line names ("date", "sign", ...); nullptr for any other key.
    static int CsvLayout::*columnOf(QStringView key);

    // The highest column the layout reads, -1 when it reads none.
    int lastColumn() const;

    // "key=value" lines, one choice a line, columns counted from 1 ("date=1"): the form the
    // account keeps its last choices in.
    QString toText() const;
    // Reads toText()'s form; unknown keys are ignored, so that a later version's choices still
    // read. nullopt when a value does not read.
    static std::optional<CsvLayout> fromText(const QString& text);

    friend bool operator==(const CsvLayout&, const CsvLayout&) = default;
};

// A bank's layout shipped with the program. Its columns may be named by their header text, and
// its lines to skip left to the file ("skip=auto"), so that one preset fits every file the bank
// makes, whatever the number of summary lines above the header.
struct CsvPreset {
    QString name; // also what a tool's --preset and the remembered choice name it by
    QHash<QString, QString> translatedNames; // "de" -> its name in German ("name[de]=")
    QString file;                  // the file it was read from, without its extension
    CsvLayout layout;              // the columns given by number; -1 where named
    QHash<QString, QString> named; // "date" -> "Transaction Date"
    bool autoSkip = false;
    // Header texts that, with the named columns, mark a file as one bank's own ("marks=Extended
    // Details|Appears On Your Statement As"): such a file is read in the preset before a layout
    // is detected, as the bank's shape says what detection cannot (a card's purchases positive).
    QStringList marks;

    // Its name in `language` ("de"), else the name.
    QString shownName(const QString& language) const {
        return translatedNames.value(language, name);
    }

    // The same "key=value" form as CsvLayout::toText, plus "name=" (and "name[de]=" for each
    // translation), columns given by number or
    // by header text, "skip=auto" and "marks=". '#' starts a comment line.
    static std::optional<CsvPreset> fromText(const QString& text, QString* error = nullptr);
};

namespace CsvPresets {

// The presets compiled into the program (resources/import/presets), by name.
const QList<CsvPreset>& builtIn();

} // namespace CsvPresets
