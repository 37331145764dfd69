#pragma once

#include "CsvLayout.h"
#include "CsvReader.h"
#include "ImportRow.h"
#include "QifReader.h"
#include "StatementFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class ImportPreview;

// One bank file on its way into the account, as both import previews go through it: the file
// loaded, read in its format, the CSV layout proposed and corrected, the date order settled, and
// the rows it gives in the choices in force. What the rows become (a statement's transactions,
// the offset account's daily balances) is the preview's own.
class ImportSession {
public:
    // What start() does with a CSV file that no layout reads whole and none is detected in.
    enum class Fallback {
        Refuse,
        // Reads the first preset that fits, its rows that do not read shown as such: the user
        // may choose another.
        FirstPresetThatFits,
    };

    // The file at `path` (StatementFile::load); nullptr, and why, when it is refused.
    static std::unique_ptr<ImportSession> load(const QString& path, QString* error);
    ImportSession(QString path, StatementFile::Loaded loaded);

    const QString& path() const { return m_path; }
    StatementFormat format() const { return m_loaded.format; }

    // OFX is read in a child process (OfxChild) that the caller runs, so that it can wait for it
    // as it sees fit; its result is handed in before start(). No choice changes what it reads.
    const QByteArray& ofxContent() const { return m_loaded.bytes; }
    void setOfxResult(ReadResult result) { m_ofx = std::move(result); }

    // The accounts of a QIF, camt or MT940 file (none for CSV and OFX). A file of several
    // accounts with entries needs one chosen before start(): a QIF file is refused without, a
    // camt or MT940 file is read whole, every account in the file's order (the tool lists it so).
    QList<StatementAccount> accounts() const;
    bool needsAccount() const;
    void setAccount(int account) { m_account = account; }

    // Reads the file the first time: CSV in the layout proposed from `remembered`, the file and
    // the presets (CsvReader::propose), QIF in the date order its dates settle. False, and why,
    // when the file is refused.
    bool start(const std::optional<CsvLayout>& remembered, Fallback fallback, QString* error);

    // After start(): both date orders read every date, and no remembered layout carries the
    // user's answer already.
    bool asksDateOrder() const;

    // The last reading; its rows are empty when its error says the file does not read.
    const ReadResult& result() const { return m_result; }

    // The choices the file is read in. QIF and OFX lay out their own columns: only the date order
    // and the sign apply to them.
    const CsvLayout& layout() const { return m_layout; }
    // CSV's layout, for the account to keep; nullopt for the other formats.
    std::optional<CsvLayout> csvLayout() const;
    // CsvReader::Remembered, CsvReader::Detected or a preset's name; empty for QIF and OFX.
    const QString& layoutSource() const { return m_layoutSource; }
    bool layoutRemembered() const { return m_layoutSource == CsvReader::Remembered; }
    const std::optional<CsvLayout>& remembered() const { return m_remembered; }

    // Reads the file again in `layout`; its source stays, as the user corrects it.
    void setLayout(const CsvLayout& layout);
    // Reads the file again when `order` is not the one in force.
    void setDateOrder(DateOrder order);
    // Reads the file in the layout of `source` (detected afresh, remembered or a preset fitted to
    // the file). False, and why, when it does not fit the file; nothing changes then.
    bool chooseLayout(const QString& source, QString* error);

    // Gives `preview` the rows of the last reading. A CSV layout that the account does not
    // remember is read first with its sign turned when the rows fit the statement better so
    // (ImportPreview::flippedFitReason): a bank that counts the loan as a positive debt writes
    // its amounts the other way round. Called once, after start(), by every preview of a
    // statement.
    void proposeSign(ImportPreview& preview);

    // Why the amounts are read with their sign turned, when the program turned it ("The amounts
    // are read with their sign turned: ..."); empty otherwise, and once the user sets the sign.
    QString signNote() const;

    // Which date the rows take where the CSV file's header names more than one ("The rows are
    // dated by their value date, ..."), or a camt or MT940 file gives a value date and a booking
    // date; empty otherwise and for the other formats.
    QString dateNote() const;

    // The CSV file's columns in its layout's delimiter, each by its number and its first value
    // past the skipped lines ("2: Amount"); empty for the other formats.
    QStringList columnNames() const;

private:
    void read(const ReadResult* given = nullptr);
    void noteSign(const QString& why);

    QString m_path;
    StatementFile::Loaded m_loaded;
    std::unique_ptr<CsvReader> m_csv;
    std::optional<CsvLayout> m_remembered;
    CsvLayout m_layout;
    QString m_layoutSource;
    ReadResult m_ofx;
    std::optional<int> m_account;
    ReadResult m_result;
    QString m_signNote;
    bool m_notedFlip = false; // the sign the note is about
};
