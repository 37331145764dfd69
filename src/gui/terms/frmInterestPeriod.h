#pragma once

#include "shell/FormWindow.h"

// Never shown: loading it copies the calculation period in force (the last tblCalcTo row's end
// day) into tagIntCalcTo. Unloading it lets the next load read the table again.
class frmInterestPeriod : public FormWindow {
    Q_OBJECT
public:
    explicit frmInterestPeriod(WindowHost& main);
};
