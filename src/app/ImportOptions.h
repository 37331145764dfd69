#pragma once

#include "data/Money.h"
#include "import/HistoryImport.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The command line of vantrell-import, read by the tools' shared front end (CommandLine): its
// options, the mode they ask for with each mode's checks, and the usage text written from them.
// ImportCommands runs what they ask.
namespace ImportOptions {

// The text --help prints and a usage error ends with.
QString usage();

enum class Mode {
    Preview, // the preview's rows, checked against a statement of an account where one is named
    Into     // --into: a whole history cut into statements and committed to an account
};

struct Options {
    Mode mode = Mode::Preview;
    QString file;
    bool csv = false;
    std::optional<DateOrder> dateOrder;
    bool flip = false;
    QString preset;
    QString qifAccount;
    QString account;
    QDate start;
    QDate end;
    std::optional<Money> opening;
    std::optional<Money> closing;
    // --into: a whole history into an account.
    QString into;
    std::optional<HistoryImport::Cutting> cutting;
    bool statementsGiven = false;
    bool dryRun = false;
    bool create = false;
    bool help = false;
    bool version = false;
};

// Options as "--name value" or "--name=value", each once: nullopt, with `problem` saying what is
// wrong, at the first problem.
std::optional<Options> parseArguments(const QStringList& args, QString* problem);

} // namespace ImportOptions
