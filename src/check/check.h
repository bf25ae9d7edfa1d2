// Checking a script: each line read and recognised once, then handed to the rules of each room
// in the order of their lists (rules.h), the names it holds recorded for the lines after it.
#pragma once

#include <functional>
#include <istream>
#include <string>

#include "check/machine.h"
#include "check/report.h"
#include "check/rule.h"

namespace mk::check {

// Reads the next line of a script from `in` into `line`, without its line end: a line ends at
// LF, and a CR right before it (or before the end of the input) belongs to the line end. The
// last line needs no line end. False at the end of the input, or when a read fails (in.bad()).
bool readScriptLine(std::istream& in, std::string& line);

// Checks the script read from `in`, before it runs, reporting to `report` (whose name is the
// script's); with a `machine`, also what the batch needs from it, else (or where its console has
// a double-byte code page) a note says what was not checked. False, reporting nothing, when its
// first line is not a backup copy line "copy P I.inp P I_orig.inp": not one of multikevra's. When
// a read fails (in.bad()), the report ends with the findings so far, without its summary. With
// `only`, no other rule looks.
bool checkBeforeRun(std::istream& in, Report& report, const Machine* machine,
                    const Rule* only = nullptr);

class AfterSite;

// The same after the batch ran on `machine`: what it left; then, with `morning`, hands it the
// whole night as the site shows it, after the summary.
bool checkAfterRun(std::istream& in, Report& report, const Machine& machine,
                   const std::function<void(const AfterSite&)>& morning = nullptr,
                   const Rule* only = nullptr);

}  // namespace mk::check
