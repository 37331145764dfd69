#pragma once

class MDIForm1;

// The composition root: registers every window with the main window's registry, each saying
// whether it holds a connection to the account. The shell knows the windows only by name.
void registerWindows(MDIForm1& main);
