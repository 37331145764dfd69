#include "CsvLayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

namespace {

struct ColumnKey {
    const char* key;
    int CsvLayout::*member;
};

const std::array<ColumnKey, 8> ColumnKeys = {{
    {"date", &CsvLayout::dateColumn},
    {"description", &CsvLayout::descriptionColumn},
    {"amount", &CsvLayout::amountColumn},
    {"debit", &CsvLayout::debitColumn},
    {"credit", &CsvLayout::creditColumn},
    {"balance", &CsvLayout::balanceColumn},
    {"sign", &CsvLayout::signColumn},
    {"kind", &CsvLayout::kindColumn},
}};

constexpr const char* ExtraDescriptionsKey = "extra-descriptions";

const std::array<std::pair<QChar, const char*>, 4> DelimiterNames = {{
    {u',', "comma"},
    {u';', "semicolon"},
    {u'\t', "tab"},
    {u'|', "pipe"},
}};

QString delimiterName(QChar c) {
    for (const auto& [ch, name] : DelimiterNames) {
        if (ch == c)
            return QString::fromLatin1(name);
    }
    return QString(c);
}

std::optional<QChar> delimiterFromName(const QString& value) {
    for (const auto& [ch, name] : DelimiterNames) {
        if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return ch;
    }
    if (value.size() == 1 && !value[0].isLetterOrNumber() && value[0] != u'"')
        return value[0];
    return std::nullopt;
}

std::optional<bool> yesNo(const QString& value) {
    if (value.compare(u"yes", Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(u"no", Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

// A value of `choices`, named case-blind; nullopt for none of them.
template <typename T>
std::optional<T> oneOf(const QString& value,
                       std::initializer_list<std::pair<const char16_t*, T>> choices) {
    for (const auto& [word, choice] : choices) {
        if (value.compare(QStringView(word), Qt::CaseInsensitive) == 0)
            return choice;
    }
    return std::nullopt;
}

// Where the lines' choices go beside the layout (each may be null), and whether the amounts'
// form was given.
struct ChoiceTargets {
    QHash<QString, QString>* named;
    bool* autoSkip;
    QString* name;
    bool amountsGiven = false;
};

// The extra description columns, or one column by number (or, in a preset, by header text).
// False when the value is none of these; a key the program does not know is a later version's
// choice and passes.
bool readColumn(const QString& key, const QString& value, CsvLayout& layout,
                QHash<QString, QString>* named) {
    if (key == QLatin1String(ExtraDescriptionsKey)) {
        // Column numbers, "0" for none.
        layout.extraDescriptionColumns.clear();
        for (const QString& part : value.split(u',', Qt::SkipEmptyParts)) {
            bool ok = false;
            const int number = part.trimmed().toInt(&ok);
            if (!ok || number < 0 || number > 1000)
                return false;
            if (number > 0)
                layout.extraDescriptionColumns << number - 1;
        }
        return true;
    }
    int CsvLayout::*member = CsvLayout::columnOf(key);
    if (!member)
        return true;
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok && number >= 1 && number <= 1000)
        layout.*member = number - 1;
    else if (ok && number == 0)
        layout.*member = -1;
    else if (named && !value.isEmpty())
        named->insert(key, value);
    else
        return false;
    return true;
}

// One "key=value" choice into the layout or `to`; false when the value does not fit the key.
bool readChoice(const QString& key, const QString& value, CsvLayout& layout, ChoiceTargets& to) {
    if (key == u"name") {
        if (to.name)
            *to.name = value;
    } else if (key == u"delimiter") {
        const auto d = delimiterFromName(value);
        if (!d)
            return false;
        layout.delimiter = *d;
    } else if (key == u"skip") {
        if (to.autoSkip && value.compare(u"auto", Qt::CaseInsensitive) == 0) {
            *to.autoSkip = true;
            return true;
        }
        bool ok = false;
        const int skip = value.toInt(&ok);
        if (!ok || skip < 0 || skip > 1000)
            return false;
        layout.skipLines = skip;
    } else if (key == u"header" || key == u"flip") {
        const auto b = yesNo(value);
        if (!b)
            return false;
        (key == u"header" ? layout.header : layout.flipSign) = *b;
    } else if (key == u"dates") {
        const auto order = oneOf<DateOrder>(
            value, {{u"day-first", DateOrder::DayFirst}, {u"month-first", DateOrder::MonthFirst}});
        if (!order)
            return false;
        layout.dateOrder = *order;
    } else if (key == u"decimal") {
        const auto point = oneOf<QChar>(value, {{u"point", u'.'}, {u"comma", u','}});
        if (!point)
            return false;
        layout.decimal = *point;
    } else if (key == u"amounts") {
        to.amountsGiven = true;
        const auto amounts =
            oneOf<CsvLayout::Amounts>(value, {{u"signed", CsvLayout::Amounts::Signed},
                                              {u"debit-credit", CsvLayout::Amounts::DebitCredit}});
        if (!amounts)
            return false;
        layout.amounts = *amounts;
    } else {
        return readColumn(key, value, layout, to.named);
    }
    return true;
}

// Reads the "key=value" lines both forms share. `named` (presets only) takes columns given by
// header text; without it a column must be a number.
bool readChoices(const QString& text, CsvLayout& layout, QHash<QString, QString>* named,
                 bool* autoSkip, QString* name, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    ChoiceTargets to{named, autoSkip, name};
    const QStringList lines = text.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            return fail(QCoreApplication::translate("CsvLayout", "Line %1 is not \"name=value\".")
                            .arg(n + 1));
        const QString key = line.left(eq).trimmed().toLower();
        // A tab delimiter is kept as the word; a value of blanks only is not trimmed away.
        const QString value = line.mid(eq + 1).trimmed();
        if (!readChoice(key, value, layout, to))
            return fail(
                QCoreApplication::translate("CsvLayout", "Line %1: \"%2\" is not a value for %3.")
                    .arg(n + 1)
                    .arg(value, key));
    }
    if (!to.amountsGiven) {
        const bool debitCredit =
            (layout.debitColumn >= 0 || layout.creditColumn >= 0 ||
             (named && (named->contains("debit") || named->contains("credit"))));
        layout.amounts = debitCredit ? CsvLayout::Amounts::DebitCredit : CsvLayout::Amounts::Signed;
    }
    return true;
}

} // namespace

int CsvLayout::lastColumn() const {
    int last = std::max({dateColumn, descriptionColumn, balanceColumn});
    if (amounts == Amounts::Signed)
        last = std::max({last, amountColumn, signColumn});
    else
        last = std::max({last, debitColumn, creditColumn});
    for (int c : extraDescriptionColumns)
        last = std::max(last, c);
    return last;
}

int CsvLayout::*CsvLayout::columnOf(QStringView key) {
    for (const ColumnKey& c : ColumnKeys) {
        if (key == QLatin1String(c.key))
            return c.member;
    }
    return nullptr;
}

QString CsvLayout::toText() const {
    QStringList lines;
    lines << "delimiter=" + delimiterName(delimiter);
    lines << "skip=" + QString::number(skipLines);
    lines << QStringLiteral("header=%1").arg(header ? "yes" : "no");
    lines << QStringLiteral("dates=%1")
                 .arg(dateOrder == DateOrder::DayFirst ? "day-first" : "month-first");
    lines << QStringLiteral("decimal=%1").arg(decimal == u',' ? "comma" : "point");
    lines
        << QStringLiteral("amounts=%1").arg(amounts == Amounts::Signed ? "signed" : "debit-credit");
    for (const ColumnKey& c : ColumnKeys)
        lines << QStringLiteral("%1=%2").arg(c.key).arg(this->*(c.member) + 1);
    QStringList extra;
    for (int c : extraDescriptionColumns)
        extra << QString::number(c + 1);
    lines << QStringLiteral("%1=%2").arg(ExtraDescriptionsKey,
                                         extra.isEmpty() ? QStringLiteral("0") : extra.join(u','));
    lines << QStringLiteral("flip=%1").arg(flipSign ? "yes" : "no");
    return lines.join(u'\n') + u'\n';
}

std::optional<CsvLayout> CsvLayout::fromText(const QString& text) {
    CsvLayout layout;
    if (!readChoices(text, layout, nullptr, nullptr, nullptr, nullptr))
        return std::nullopt;
    return layout;
}

std::optional<CsvPreset> CsvPreset::fromText(const QString& text, QString* error) {
    CsvPreset preset;
    if (!readChoices(text, preset.layout, &preset.named, &preset.autoSkip, &preset.name, error))
        return std::nullopt;
    if (preset.name.isEmpty()) {
        if (error)
            *error = QCoreApplication::translate("CsvLayout", "The preset has no name.");
        return std::nullopt;
    }
    for (const QString& line : text.split(u'\n')) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (key.compare(u"marks", Qt::CaseInsensitive) == 0) {
            for (const QString& mark : line.mid(eq + 1).split(u'|', Qt::SkipEmptyParts))
                preset.marks << mark.trimmed();
        } else if (key.startsWith(u"name[") && key.endsWith(u']') &&
                   !line.mid(eq + 1).trimmed().isEmpty()) {
            preset.translatedNames.insert(key.mid(5).chopped(1), line.mid(eq + 1).trimmed());
        }
    }
    return preset;
}

namespace CsvPresets {

const QList<CsvPreset>& builtIn() {
    static const QList<CsvPreset> presets = [] {
        QList<CsvPreset> list;
        const QDir dir(QStringLiteral(":/import/presets"));
        for (const QString& file :
             dir.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(file));
            if (!f.open(QIODevice::ReadOnly))
                continue;
            if (auto preset = CsvPreset::fromText(QString::fromUtf8(f.readAll()))) {
                preset->file = QFileInfo(file).completeBaseName();
                list << *preset;
            }
        }
        return list;
    }();
    return presets;
}

} // namespace CsvPresets
