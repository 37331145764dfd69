#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The command line of the tools: each option declared once, with what it sets and its text in
// the usage; one reader for every tool; each mode with its name, what it does, its forms in the
// usage and its checks; and the usage text written from the modes and the options.
//
// How the reader reads, in every tool: an option's value follows its '=' or is the next
// argument, whatever that looks like; an option given twice is refused (one given once a value,
// as --terms is, aside); the first problem in the order given is the one told; an option that
// ends the reading (--help, --version) leaves the rest unread.
namespace CommandLine {

// What the reader and the usage know of an option, whatever it sets. The help comes last, so
// that an option's declaration reads as its line of the usage does.
struct Spec {
    const char* name;                // without its dashes
    const char* value = nullptr;     // the value's name in the usage ("M"); none for a flag
    bool eachValue = false;          // given once a value (--terms); any other option once only
    bool ends = false;               // --help, --version: the rest is not read
    bool anyValue = false;           // a flag that takes "=VALUE" and ignores it
    const char* shortName = nullptr; // "-h" for --help, where a tool takes it
    // Its text in the usage, its lines as written; none where another option's text tells of it.
    const char* help = nullptr;
};

// An option of a tool whose options are read into a `Target`: `take` sets it from the value
// ("" for a flag) and says what is wrong with the value, "" when nothing.
template <class Target> struct Option : Spec {
    QString (*take)(const QString& value, Target& target) = nullptr;
};

// Sets a flag of the target.
template <class Target, bool Target::*flag> QString set(const QString&, Target& target) {
    target.*flag = true;
    return QString();
}

// What a tool's command line calls an option and an operand.
struct Rules {
    const char* tool; // "vantrell-report"
    // What begins an option. "--": any other argument, and "--" alone, is an operand. "-": "-"
    // alone is an operand, and a single dash before a name an unknown option.
    const char* prefix;
    // The problem of an unknown option, or of a flag given a value, and of one given twice:
    // `arg` the argument as given (for a repeat, the last one the option took), `option` its
    // name with the dashes ("--flip" of "--flip=yes").
    QString (*unknown)(const QString& arg, const QString& option);
    QString (*repeated)(const QString& arg, const QString& option);
    // The problem of a value missing at the end ("--day" last); none: the option takes the empty
    // value, and its own check says what it takes.
    QString (*missing)(const QString& option);
};

template <class Target> struct Tool {
    Rules rules;
    QList<Option<Target>> options; // in the order of the usage
    // Takes an operand (the account, the file); "" when taken, else what is wrong.
    QString (*operand)(const QString& arg, Target& target);
};

// A mode of a tool: what it is called, what it does, its forms in the usage after the tool's
// name (none where another mode's form shows it), and its check of the options given together.
template <class Id, class Given> struct Mode {
    Id id;
    const char* name;
    const char* description;
    QList<QStringList> forms;               // each form its lines
    QString (*problem)(const Given& given); // "" when the options go together
};

// The arguments after the program's name (args[0]), read in order: "" when read, else the
// first problem. `ended` names the option that ended the reading ("help"), else "".
QString readArguments(const QStringList& args, const Rules& rules, const QList<const Spec*>& specs,
                      const std::function<QString(const QString& arg)>& operand,
                      const std::function<QString(qsizetype option, const QString& value)>& take,
                      QString* ended);

template <class Target> QList<const Spec*> specsOf(const QList<Option<Target>>& options) {
    QList<const Spec*> specs;
    for (const Option<Target>& o : options)
        specs << &o;
    return specs;
}

template <class Target>
QString read(const Tool<Target>& tool, const QStringList& args, Target& target, QString* ended) {
    return readArguments(
        args, tool.rules, specsOf(tool.options),
        [&](const QString& arg) { return tool.operand(arg, target); },
        [&](qsizetype option, const QString& value) {
            const auto take = tool.options[option].take;
            return take ? take(value, target) : QString();
        },
        ended);
}

// The usage text, written in order: the forms, then paragraphs as written and the options as
// "  --name VALUE" with their text from `column` on.
class Usage {
public:
    Usage(const char* tool, int column, const QList<const Spec*>& options);

    template <class Target>
    Usage(const Tool<Target>& tool, int column)
        : Usage(tool.rules.tool, column, specsOf(tool.options)) {}

    // A form of the command line, its lines after the tool's name.
    Usage& form(const QStringList& lines);
    // The modes' forms, in their order.
    template <class Id, class Given> Usage& forms(const QList<Mode<Id, Given>>& modes) {
        for (const Mode<Id, Given>& mode : modes) {
            for (const QStringList& lines : mode.forms)
                form(lines);
        }
        return *this;
    }
    // Paragraphs as written, the empty lines around them included.
    Usage& paragraphs(const char* text);
    // The options not written yet, up to `last` (the name of the last of them).
    Usage& optionsThrough(const char* last);
    // A line of the usage for a use of an option: "--reference list".
    Usage& entry(const QString& term, const char* help);
    QString text() const;

private:
    QString m_tool;
    int m_column;
    QList<const Spec*> m_options;
    qsizetype m_next = 0; // the next option to write
    QString m_text;
};

} // namespace CommandLine
