#pragma once

#include "import/ImportRow.h"

#include <QByteArray>

#include <optional>

class QWidget;

// Work that runs outside the program (a child process) waited for behind a modal busy indicator
// with a Cancel button: the windows keep painting and answering meanwhile.
namespace BusyDialog {

// Reads an OFX file in its child process (OfxChild). nullopt when the user cancels: the child is
// ended and nothing is read. The indicator shows only when the reading takes a moment.
std::optional<ReadResult> readOfx(const QByteArray& content, QWidget* parent);

} // namespace BusyDialog
