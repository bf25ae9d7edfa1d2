// The signal table: floating-point exception, abort, interrupt and termination request.
//
// A handler never touches the program's state while a statement is under way: it notes the
// signal, and the layer ends the run when the statement is over. While the program waits for
// input (between changes to any buffer), the handler ends the run itself, with system calls
// only: it writes its line, closes all units and leaves.
#pragma once

namespace mk {

// Installs the handlers; the interrupt's only if interrupts were not being ignored.
void installSignalHandlers();

// Ends the run if a signal arrived: the signal's line on standard error, then status 1 for an
// interrupt or a termination request (the exit registration closes the units), or the closing
// of all units and an abort for the other two.
void actOnPendingSignal();

// Marks the span of one read that may block: a signal that arrives inside it ends the run at
// once from its handler.
class WaitingForInput {
 public:
  WaitingForInput();
  ~WaitingForInput();
  WaitingForInput(const WaitingForInput&) = delete;
  WaitingForInput& operator=(const WaitingForInput&) = delete;
};

}  // namespace mk
