#pragma once

#include "CsvLayoutPanel.h"

#include "import/ImportSession.h"

#include <memory>
#include <optional>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// What both import previews do with the user around their ImportSession: choosing the file,
// reading it behind the busy indicator, the date order asked, and the lines above and below the
// choices.
namespace ImportSteps {

// Asks for the bank's file, from the Downloads folder; nullopt when the user cancels.
std::optional<QString> chooseFile(const QString& title);

// The file at `path`, loaded and, for OFX, read behind the busy indicator. nullptr after a
// message when the file cannot be read, and without one when the user cancels the reading.
std::unique_ptr<ImportSession> load(const QString& path, QWidget* parent);

// Reads the file the first time (ImportSession::start) and asks the date order when the file
// leaves it open. False after a message when the file is refused.
bool start(ImportSession& session, const std::optional<CsvLayout>& remembered,
           ImportSession::Fallback fallback);

// The file's path and format, then the choices it is read in, added to the top of `root`.
CsvLayoutPanel* addHeader(QBoxLayout* root, ImportSession& session, CsvLayoutPanel::Shape shape);

// The status line and the Import and Cancel buttons, added to the bottom of `root`.
struct Footer {
    QLabel* status = nullptr;
    QPushButton* importButton = nullptr;
    QPushButton* cancelButton = nullptr;
};
Footer addFooter(QBoxLayout* root);

} // namespace ImportSteps
