// The platform seam on Windows, over the C runtime's descriptor calls (msvcrt).
//
// Every file and the console are in binary mode: the units write their own line ends, so a
// record end is exactly one CR LF, and a CR LF read is folded by the unit above.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "recordio/platform.h"

namespace mk::platform {

namespace {

// The descriptor calls take an unsigned int count.
unsigned int clampCount(std::size_t size) {
  return size > INT_MAX ? static_cast<unsigned int>(INT_MAX) : static_cast<unsigned int>(size);
}

}  // namespace

int openFile(const std::string& path, Access access) {
  int flags = _O_BINARY | _O_NOINHERIT;
  switch (access) {
    case Access::kUpdate:
      flags |= _O_RDWR;
      break;
    case Access::kReadOnly:
      flags |= _O_RDONLY;
      break;
    case Access::kWriteOnly:
      flags |= _O_WRONLY | _O_CREAT;
      break;
  }
  return ::_open(path.c_str(), flags, _S_IREAD | _S_IWRITE);
}

long readFile(int fd, char* dest, std::size_t size) {
  const int got = ::_read(fd, dest, clampCount(size));
  // Ctrl+C at the console also ends the console's pending read, with nothing read, while the
  // interrupt itself comes on a thread of its own: give it the moment it needs to end the run
  // before the empty read is taken for the end of input.
  if (got <= 0 && ::_isatty(fd) != 0) ::Sleep(100);
  return got;
}

long writeFile(int fd, const char* src, std::size_t size) {
  return ::_write(fd, src, clampCount(size));
}

long long tellFile(int fd) {
  return ::_lseeki64(fd, 0, SEEK_CUR);
}

long long seekFile(int fd, long long offset) {
  return ::_lseeki64(fd, offset, SEEK_SET);
}

bool truncateFile(int fd, long long length) {
  return ::_chsize_s(fd, length) == 0;
}

void closeFile(int fd) {
  ::_close(fd);
}

bool isTerminal(int fd) {
  return ::_isatty(fd) != 0;
}

void prepareStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    const std::intptr_t handle = ::_get_osfhandle(fd);
    if (handle == -1 || handle == -2) {  // no stream behind the descriptor
      const int opened = ::_open("NUL", fd == 0 ? _O_RDONLY : _O_WRONLY);
      if (opened >= 0 && opened != fd) {
        ::_dup2(opened, fd);
        ::_close(opened);
      }
    }
    ::_setmode(fd, _O_BINARY);
  }
}

std::string errorMessage(int errnum) {
  return std::strerror(errnum);
}

void writeStandardError(std::string_view text) {
  while (!text.empty()) {
    const int written = ::_write(2, text.data(), clampCount(text.size()));
    if (written <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

bool signalIgnored(int signal) {
  const auto previous = std::signal(signal, SIG_IGN);
  if (previous == SIG_ERR) return false;
  std::signal(signal, previous);
  return previous == SIG_IGN;
}

namespace {

// Signals the runtime knows: SIGINT, SIGILL, SIGFPE, SIGSEGV, SIGTERM, SIGBREAK, SIGABRT.
constexpr int kSignalCount = 23;
SignalHandler handlers[kSignalCount] = {};

// The runtime sets a signal back to its default before calling its handler: put ours back
// first, so that a second interrupt does not end the process without a word. A console
// interrupt arrives on a thread of its own; a floating-point fault and an abort come from
// the program's own execution.
void dispatch(int signal) {
  std::signal(signal, dispatch);
  handlers[signal](signal, signal == SIGFPE || signal == SIGABRT);
}

}  // namespace

void catchSignal(int signal, SignalHandler handler) {
  handlers[signal] = handler;
  std::signal(signal, dispatch);
}

// msvcrt's abort() may write a text of its own ("abnormal program termination") before it ends
// the process, and msvcrt has no way to turn that off (no _set_abort_behavior). Raising the
// abort signal under its default handling ends the process the same way, with status 3, and
// writes nothing.
void abortProcess() {
  std::signal(SIGABRT, SIG_DFL);
  std::raise(SIGABRT);
  // raise() returns when the signal does not end the process; cppcheck takes it for noreturn.
  // cppcheck-suppress unreachableCode
  ::_exit(3);
}

void exitImmediately(int status) {
  ::_exit(status);
}

}  // namespace mk::platform
