#pragma once

#include "ImportRow.h"

#include <QList>
#include <QString>

#include <optional>

// Which of the five columns an imported row goes into. Money out goes by the first rule whose
// word begins a word of the description ("interest" -> Interest Charge), else by its OFX type
// (FEE and SRVCHG -> Bank Charge, INT -> Interest Charge), else to User W'drawal. Money in is
// always a Deposit: the other columns take money out, so a credit there would turn the balance
// the wrong way.
class ColumnRules {
public:
    struct Rule {
        QString word;
        AmountColumn column = AmountColumn::BankCharge;
        friend bool operator==(const Rule&, const Rule&) = default;
    };

    // interest -> Interest Charge; fee, charge -> Bank Charge; duty, tax, govt -> Govt Charge.
    static ColumnRules defaults();

    QList<Rule> rules;

    AmountColumn columnFor(const ImportedRow& row) const;

    // One rule a line, "word = column caption": the form the user edits and the account keeps.
    QString toText() const;
    // nullopt, and the line that does not read, when a line is not "word = column".
    static std::optional<ColumnRules> fromText(const QString& text, QString* error = nullptr);

    friend bool operator==(const ColumnRules&, const ColumnRules&) = default;
};
