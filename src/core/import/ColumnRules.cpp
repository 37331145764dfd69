#include "ColumnRules.h"

#include <QCoreApplication>

namespace {

// `word` begins a word of `text`: "fee" finds "Fees" and "Late fee", not "coffee".
bool beginsAWord(const QString& text, const QString& word) {
    if (word.isEmpty())
        return false;
    qsizetype from = 0;
    while ((from = text.indexOf(word, from, Qt::CaseInsensitive)) >= 0) {
        if (from == 0 || !text[from - 1].isLetterOrNumber())
            return true;
        ++from;
    }
    return false;
}

} // namespace

ColumnRules ColumnRules::defaults() {
    ColumnRules r;
    r.rules = {{QStringLiteral("interest"), AmountColumn::InterestPayment},
               {QStringLiteral("fee"), AmountColumn::BankCharge},
               {QStringLiteral("charge"), AmountColumn::BankCharge},
               {QStringLiteral("duty"), AmountColumn::GovtCharge},
               {QStringLiteral("tax"), AmountColumn::GovtCharge},
               {QStringLiteral("govt"), AmountColumn::GovtCharge}};
    return r;
}

AmountColumn ColumnRules::columnFor(const ImportedRow& row) const {
    if (row.amount.raw() >= 0)
        return AmountColumn::Deposit;
    for (const Rule& rule : rules) {
        if (beginsAWord(row.description, rule.word))
            return rule.column == AmountColumn::Deposit ? AmountColumn::UserWithdrawal
                                                        : rule.column;
    }
    if (row.ofxType == u"FEE" || row.ofxType == u"SRVCHG")
        return AmountColumn::BankCharge;
    if (row.ofxType == u"INT")
        return AmountColumn::InterestPayment;
    return AmountColumn::UserWithdrawal;
}

QString ColumnRules::toText() const {
    QString text;
    for (const Rule& rule : rules)
        text += rule.word + QStringLiteral(" = ") + AmountColumns::caption(rule.column) + u'\n';
    return text;
}

std::optional<ColumnRules> ColumnRules::fromText(const QString& text, QString* error) {
    ColumnRules result;
    const QStringList lines = text.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype eq = line.lastIndexOf(u'=');
        const QString word = eq > 0 ? line.left(eq).trimmed() : QString();
        const auto column =
            eq > 0 ? AmountColumns::fromText(line.mid(eq + 1)) : std::optional<AmountColumn>();
        if (word.isEmpty() || !column) {
            if (error)
                *error =
                    QCoreApplication::translate(
                        "ColumnRules", "Rule line %1, \"%2\", is not \"word = column\" with one "
                                       "of the columns %3.")
                        .arg(n + 1)
                        .arg(line, AmountColumns::captions().join(QStringLiteral(", ")));
            return std::nullopt;
        }
        result.rules << Rule{word, *column};
    }
    return result;
}
