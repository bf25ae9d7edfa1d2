// Checking a script: each line read and recognised once, then handed to the rules of each room
// in the order of their lists (rules.h), the names it holds recorded for the lines after it.
#pragma once

#include "check/line_reader.h"
#include "check/machine.h"
#include "check/report.h"

namespace mk::check {

// Checks the script whose lines `reader` gives, before it runs, reporting to `report` (whose
// name is the script's); with a `machine`, also what the batch needs from it, else a note says
// what was not checked. False, reporting nothing, when its first line is not a backup copy line
// "copy P I.inp P I_orig.inp": then the script is not one of multikevra's.
bool checkBeforeRun(LineReader& reader, Report& report, const Machine* machine);

// The same after the batch ran on `machine`: what it left.
bool checkAfterRun(LineReader& reader, Report& report, const Machine& machine);

}  // namespace mk::check
