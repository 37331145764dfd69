#include "ImportChoices.h"

#include "engine/AccountStore.h"

#include <QSqlQuery>
#include <QStringList>

namespace {
const QString RulePrefix = QStringLiteral("rule=");
}

QString ImportChoices::toText() const {
    QString text = csv ? csv->toText() : QString();
    for (const QString& line : rules.toText().split(u'\n', Qt::SkipEmptyParts))
        text += RulePrefix + line + u'\n';
    if (rules.rules.isEmpty())
        text += RulePrefix + u'\n'; // no rules, rather than the defaults
    return text;
}

ImportChoices ImportChoices::fromText(const QString& text) {
    ImportChoices choices;
    QStringList layoutLines;
    QStringList ruleLines;
    bool anyRule = false;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(RulePrefix)) {
            ruleLines << line.mid(RulePrefix.size());
            anyRule = true;
        } else {
            layoutLines << line;
        }
    }
    if (!layoutLines.isEmpty())
        choices.csv = CsvLayout::fromText(layoutLines.join(u'\n'));
    if (anyRule) {
        if (const auto rules = ColumnRules::fromText(ruleLines.join(u'\n')))
            choices.rules = *rules;
    }
    return choices;
}

ImportChoices ImportChoices::load(QSqlDatabase db, const QString& setting) {
    QSqlQuery read(db);
    read.prepare(QStringLiteral("select Value from tblSettings where Name = ?"));
    read.addBindValue(setting);
    return read.exec() && read.next() ? fromText(read.value(0).toString()) : ImportChoices();
}

bool ImportChoices::store(QSqlDatabase db, const QString& setting, QString* error,
                          bool ownTransaction) const {
    return AccountStore::writeSettings(db, {{setting, toText()}}, error, ownTransaction);
}
