// vantrell-import: what the statement import's preview would show of a bank's file, as text or
// CSV, for users who script their checks, or a loan's whole history into an account (--into).
// ImportOptions reads the command line, ImportCommands does what it asks.
#include "ImportCommands.h"
#include "ImportOptions.h"
#include "ProgramVersion.h"
#include "ToolText.h"
#include "data/ProgramPaths.h"
#include "data/TempFolders.h"

#include <QCoreApplication>
#include <QSqlDatabase>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace ImportCommands;
    QCoreApplication app(argc, argv);
    // What a killed run left: its OFX reader's folder, and the part files of its copies.
    TempFolders::removeStale();
    TempFolders::removeStaleParts(ProgramPaths::dataFolder());
    QString problem;
    const std::optional<ImportOptions::Options> options =
        ImportOptions::parseArguments(QCoreApplication::arguments(), &problem);
    if (!options)
        return ToolText::usageError("vantrell-import", problem, ImportOptions::usage(), UsageError);
    if (options->help) {
        ToolText::print(stdout, ImportOptions::usage());
        return Read;
    }
    if (options->version) {
        std::printf("vantrell-import %s\n", ProgramVersion);
        return Read;
    }
    const int status =
        options->mode == ImportOptions::Mode::Into ? into(*options) : preview(*options);
    QSqlDatabase::removeDatabase(QStringLiteral("copy"));
    return status;
}
