// Planted: a core test that reaches into the windows three ways.
#include "shell/Dialogs.h"
#include "support/ScriptedDialogs.h"
#include "support/AccountFixture.h"

#include <QWidget>
