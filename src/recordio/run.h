// Start-up and the normal end of a run.
#pragma once

namespace mk {

// Prepares the layer (signal handlers, the console on units 0, 5 and 6, the closing of all
// units at exit), then runs `logic`; exits with status 0 if the logic returns. The command
// line is kept but never read.
[[noreturn]] void startRun(int argc, char** argv, void (*logic)());

// The normal end: writes nothing and exits with status 0; the exit registration closes all
// units, which cuts each file in writing mode after its last record.
[[noreturn]] void stopRun();

}  // namespace mk
