#include "recordio/run.h"

#include <cstdlib>

#include "recordio/platform.h"
#include "recordio/signals.h"
#include "recordio/unit_table.h"

namespace mk {

namespace {

struct CommandLine {
  int argc = 0;
  char** argv = nullptr;
};

CommandLine commandLine;  // kept, never read: the program takes no arguments
RunEndHook runEndHook = nullptr;

[[noreturn]] void endInProcess(int status) {
  closeAllUnits();
  runEndHook(status);
  platform::abortProcess();  // a hook that returns breaks its contract
}

}  // namespace

void startRun(int argc, char** argv, void (*logic)()) {
  commandLine = {argc, argv};
  platform::prepareStandardStreams();
  installSignalHandlers();
  connectStandardUnits();
  std::atexit(closeAllUnits);
  logic();
  std::exit(0);
}

void stopRun() {
  if (runEndHook != nullptr) endInProcess(0);
  std::exit(0);
}

void abortRun() {
  if (runEndHook != nullptr) endInProcess(-1);
  platform::abortProcess();
}

void setRunEndHook(RunEndHook hook) {
  runEndHook = hook;
}

}  // namespace mk
