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
  std::exit(0);
}

}  // namespace mk
