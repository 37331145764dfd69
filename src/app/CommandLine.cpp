#include "CommandLine.h"

#include <QSet>

#include <cstring>

namespace CommandLine {

namespace {

// One option found in the arguments: its place among the options, its value ("" for a flag),
// and the index of the last argument it took; or what is wrong with it.
struct Found {
    qsizetype option = -1;
    QString value;
    int last = 0;
    QString problem;
};

class Reader {
public:
    Reader(const QStringList& args, const Rules& rules, const QList<const Spec*>& specs)
        : m_args(args), m_rules(rules), m_specs(specs) {}

    bool isOption(const QString& arg) const {
        const QLatin1String prefix(m_rules.prefix);
        return byShortName(arg) >= 0 || (arg.startsWith(prefix) && arg != prefix);
    }

    // The option args[i] begins, with its value.
    Found option(int i) const {
        const QString& arg = m_args[i];
        if (const qsizetype at = byShortName(arg); at >= 0)
            return Found{at, QString(), i, QString()};
        const bool longName = arg.startsWith(QLatin1String("--")) && arg.size() > 2;
        const QString option = longName ? arg.section(u'=', 0, 0) : arg;
        const qsizetype at = longName ? byName(option.mid(2)) : -1;
        if (at < 0)
            return refused(m_rules.unknown(arg, option));
        const Spec& spec = *m_specs[at];
        const bool valueGiven = arg.size() > option.size(); // after its '='
        if (!spec.value) {
            if (valueGiven && !spec.anyValue)
                return refused(m_rules.unknown(arg, option));
            return Found{at, QString(), i, QString()};
        }
        if (valueGiven)
            return Found{at, arg.mid(option.size() + 1), i, QString()};
        if (i + 1 < m_args.size())
            return Found{at, m_args[i + 1], i + 1, QString()};
        if (m_rules.missing)
            return refused(m_rules.missing(option));
        return Found{at, QString(), i, QString()};
    }

private:
    static Found refused(const QString& problem) {
        Found f;
        f.problem = problem;
        return f;
    }

    qsizetype byName(const QString& name) const {
        for (qsizetype i = 0; i < m_specs.size(); ++i) {
            if (name == QLatin1String(m_specs[i]->name))
                return i;
        }
        return -1;
    }

    qsizetype byShortName(const QString& arg) const {
        for (qsizetype i = 0; i < m_specs.size(); ++i) {
            if (m_specs[i]->shortName && arg == QLatin1String(m_specs[i]->shortName))
                return i;
        }
        return -1;
    }

    const QStringList& m_args;
    const Rules& m_rules;
    const QList<const Spec*>& m_specs;
};

} // namespace

QString readArguments(const QStringList& args, const Rules& rules, const QList<const Spec*>& specs,
                      const std::function<QString(const QString& arg)>& operand,
                      const std::function<QString(qsizetype option, const QString& value)>& take,
                      QString* ended) {
    const Reader reader(args, rules, specs);
    QSet<qsizetype> given;
    ended->clear();
    for (int i = 1; i < args.size(); ++i) {
        if (!reader.isOption(args[i])) {
            if (const QString problem = operand(args[i]); !problem.isEmpty())
                return problem;
            continue;
        }
        const Found found = reader.option(i);
        if (!found.problem.isEmpty())
            return found.problem;
        i = found.last;
        const Spec& spec = *specs[found.option];
        if (given.contains(found.option) && !spec.eachValue)
            return rules.repeated(args[i], QStringLiteral("--") + QLatin1String(spec.name));
        given.insert(found.option);
        if (spec.ends) {
            *ended = QString::fromLatin1(spec.name);
            return QString();
        }
        if (const QString problem = take(found.option, found.value); !problem.isEmpty())
            return problem;
    }
    return QString();
}

Usage::Usage(const char* tool, int column, const QList<const Spec*>& options)
    : m_tool(QString::fromLatin1(tool)), m_column(column), m_options(options) {}

Usage& Usage::form(const QStringList& lines) {
    const QString lead = m_text.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("       ");
    const QString indent(lead.size() + m_tool.size() + 1, u' ');
    for (qsizetype i = 0; i < lines.size(); ++i)
        m_text += (i == 0 ? lead + m_tool + u' ' : indent) + lines[i] + u'\n';
    return *this;
}

Usage& Usage::paragraphs(const char* text) {
    m_text += QString::fromUtf8(text);
    return *this;
}

Usage& Usage::optionsThrough(const char* last) {
    while (m_next < m_options.size()) {
        const Spec& o = *m_options[m_next++];
        if (o.help) {
            const QString term = QStringLiteral("--") + QLatin1String(o.name) +
                                 (o.value ? u' ' + QString::fromUtf8(o.value) : QString());
            entry(term, o.help);
        }
        if (std::strcmp(o.name, last) == 0)
            break;
    }
    return *this;
}

Usage& Usage::entry(const QString& term, const char* help) {
    const QStringList lines = QString::fromUtf8(help).split(u'\n');
    QString head = QStringLiteral("  ") + term;
    head += head.size() < m_column ? QString(m_column - head.size(), u' ') : QStringLiteral("  ");
    m_text += head + lines.first() + u'\n';
    for (qsizetype i = 1; i < lines.size(); ++i)
        m_text += QString(m_column, u' ') + lines[i] + u'\n';
    return *this;
}

QString Usage::text() const {
    return m_text;
}

} // namespace CommandLine
