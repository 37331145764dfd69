#pragma once

#include "ColumnRules.h"
#include "CsvLayout.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

// What the import learns about an account's files and proposes for the next one: the CSV layout
// the user last confirmed and the column rules as the user edited them. Kept by the account as
// one text.
struct ImportChoices {
    std::optional<CsvLayout> csv;
    ColumnRules rules = ColumnRules::defaults();

    // The CSV layout's "key=value" lines, then one "rule=word = column" line a rule.
    QString toText() const;
    // Whatever does not read is left at its default: a damaged text costs the user a choice,
    // never the import.
    static ImportChoices fromText(const QString& text);

    // The choices the account keeps in tblSettings under `setting`; the defaults when it keeps
    // none or cannot be read.
    static ImportChoices load(QSqlDatabase db, const QString& setting);
    // The setting the statement import keeps its choices under.
    static inline const QString StatementSetting = QStringLiteral("ImportChoices");
    // Keeps them there. False, with `error` saying why, when the account could not keep them.
    // `ownTransaction` false: a part of the caller's transaction.
    bool store(QSqlDatabase db, const QString& setting, QString* error,
               bool ownTransaction = true) const;

    friend bool operator==(const ImportChoices&, const ImportChoices&) = default;
};
