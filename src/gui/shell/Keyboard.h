#pragma once

class QWidget;

// The keys every window shares, whatever its controls.
namespace Keyboard {

// Tab and Shift+Tab leave a table for the next control instead of walking its cells (Ctrl+Tab
// goes to another window, so it cannot be the way out); an open cell editor is committed first.
// Installed on the application once, however often it is called: every window calls it.
void install();

// Return or Enter that no control took: the focused push button of `window` is pressed, or else
// its visible, enabled default button. False when there is neither.
bool pressDefault(QWidget* window);

} // namespace Keyboard
