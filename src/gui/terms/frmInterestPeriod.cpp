#include "frmInterestPeriod.h"

#include "data/AccountConnection.h"
#include "engine/CalcDay.h"
#include "shell/WindowHost.h"
#include "shell/Windows.h"

frmInterestPeriod::frmInterestPeriod(WindowHost& main)
    : FormWindow(main, WindowNames::InterestPeriod) {
    // An empty table, or a file that cannot be read, leaves the field as it was: the caller goes
    // on, and the method window asks for the day anyway.
    AccountConnection connection;
    if (!connection.open(main.tag(Tag::NewFile)))
        return;
    if (const std::optional<CalcDay::Day> day = CalcDay::inForce(connection.database()))
        main.setTag(Tag::IntCalcTo, day->calcTo());
}
