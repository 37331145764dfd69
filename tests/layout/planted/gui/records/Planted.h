// records/ is a skeleton: it may use shell/.
#include "shell/FormWindow.h"
