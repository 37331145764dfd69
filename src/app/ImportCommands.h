#pragma once

#include "ImportOptions.h"
#include "import/CsvReader.h"
#include "import/ImportSession.h"

#include <memory>
#include <optional>

// What vantrell-import does in each of its modes, as ImportOptions read them: the preview of a
// bank's file (ImportCommands.cpp) and a whole history into an account (ImportInto.cpp).
namespace ImportCommands {

enum Exit { Read = 0, Written = 0, UsageError = 1, Refused = 2 };

// The preview's rows on standard output, what was detected on standard error.
int preview(const ImportOptions::Options& o);
// --into: the history cut into statements, previewed, and committed unless a dry run.
int into(const ImportOptions::Options& o);

// Says the problem and hands back Refused.
int refused(const QString& problem);

// The file loaded and read as the preview reads it, in the choices given; nullptr, with the
// exit status in `status`, when it is refused.
std::unique_ptr<ImportSession> readFile(const ImportOptions::Options& o,
                                        const std::optional<CsvLayout>& remembered, int* status);

} // namespace ImportCommands
