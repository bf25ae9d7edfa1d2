// Start-up and the normal end of a run.
#pragma once

namespace mk {

// Prepares the layer (signal handlers, the console on units 0, 5 and 6, the closing of all
// units at exit), then runs `logic`; exits with status 0 if the logic returns. The command
// line is kept but never read.
[[noreturn]] void startRun(int argc, char** argv, void (*logic)());

// The normal end: writes nothing and exits with status 0; the exit registration closes all
// units, which cuts each file written in writing mode after its last record.
[[noreturn]] void stopRun();

// Ends the run abnormally once the fatal diagnostic is written and all units are closed: aborts.
[[noreturn]] void abortRun();

// For drivers that run the program's logic many times in one process (the fuzz targets): when a
// hook is set, stopRun and abortRun close all units and call it with the exit status the
// process would have had (0, or -1 for the abort) instead of ending the process. The hook must
// not return; it leaves by throwing. The program never sets one. Signals still end the process.
using RunEndHook = void (*)(int status);
void setRunEndHook(RunEndHook hook);

}  // namespace mk
