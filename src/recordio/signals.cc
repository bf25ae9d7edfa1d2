#include "recordio/signals.h"

#include <csignal>
#include <cstdlib>
#include <string_view>

#include "recordio/platform.h"
#include "recordio/unit_table.h"

namespace mk {

namespace {

volatile std::sig_atomic_t pendingSignal = 0;
volatile std::sig_atomic_t waiting = 0;
volatile std::sig_atomic_t ending = 0;

std::string_view signalLine(int signal) {
  switch (signal) {
    case SIGFPE:
      return "Floating Exception";
    case SIGABRT:
      return "IOT Trap";
    case SIGINT:
      return "Interrupt";
    default:
      return "Killed";
  }
}

// Ends the run for `signal`. From a handler (`inHandler`), only system calls are made.
[[noreturn]] void endRun(int signal, bool inHandler) {
  platform::writeStandardError(signalLine(signal));
  platform::writeStandardError(platform::kConsoleLineEnd);
  if (signal == SIGINT || signal == SIGTERM) {
    if (!inHandler) std::exit(1);
    closeAllUnits();
    platform::exitImmediately(1);
  }
  closeAllUnits();
  platform::abortProcess();
}

void onSignal(int signal, bool synchronous) {
  if (ending != 0) return;
  // A fault of the program itself cannot wait for the end of a statement.
  if (waiting != 0 || synchronous) {
    ending = 1;
    endRun(signal, true);
  }
  pendingSignal = signal;
}

}  // namespace

void installSignalHandlers() {
  platform::catchSignal(SIGFPE, onSignal);
  platform::catchSignal(SIGABRT, onSignal);
  if (!platform::signalIgnored(SIGINT)) platform::catchSignal(SIGINT, onSignal);
  platform::catchSignal(SIGTERM, onSignal);
}

void actOnPendingSignal() {
  if (pendingSignal == 0 || ending != 0) return;
  ending = 1;
  endRun(pendingSignal, false);
}

WaitingForInput::WaitingForInput() {
  waiting = 1;
  actOnPendingSignal();
}

WaitingForInput::~WaitingForInput() {
  waiting = 0;
}

}  // namespace mk
