// Linked into the executables of the coverage build only (MULTIKEVRA_COVERAGE).
//
// Most failed runs end in abort() (the fatal diagnostic) or _exit() (an interrupt), and neither
// writes the coverage counters, which are written at a normal exit. These two replacements
// write them first and then end the process as the originals do.
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

extern "C" {

void __gcov_dump(void);  // NOLINT(bugprone-reserved-identifier): the compiler's runtime

[[noreturn]] void abort(void) noexcept {
  __gcov_dump();
  // As the original: a handler for the abort signal runs first, then the default action.
  sigset_t abortOnly;
  sigemptyset(&abortOnly);
  sigaddset(&abortOnly, SIGABRT);
  sigprocmask(SIG_UNBLOCK, &abortOnly, nullptr);
  raise(SIGABRT);
  struct sigaction byDefault {};
  byDefault.sa_handler = SIG_DFL;
  sigaction(SIGABRT, &byDefault, nullptr);
  raise(SIGABRT);
  syscall(SYS_exit_group, 127);
  __builtin_unreachable();
}

[[noreturn]] void _exit(int status) {
  __gcov_dump();
  syscall(SYS_exit_group, status);
  __builtin_unreachable();
}
}
