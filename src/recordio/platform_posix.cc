#include <fcntl.h>
#include <signal.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "recordio/platform.h"

namespace mk::platform {

int openFile(const std::string& path, Access access) {
  int flags = O_CLOEXEC | O_NOCTTY;
  switch (access) {
    case Access::kUpdate:
      flags |= O_RDWR;
      break;
    case Access::kReadOnly:
      flags |= O_RDONLY;
      break;
    case Access::kWriteOnly:
      flags |= O_WRONLY | O_CREAT;
      break;
  }
  return ::open(path.c_str(), flags, 0666);
}

long readFile(int fd, char* dest, std::size_t size) {
  return ::read(fd, dest, size);
}

long writeFile(int fd, const char* src, std::size_t size) {
  return ::write(fd, src, size);
}

long long tellFile(int fd) {
  return ::lseek(fd, 0, SEEK_CUR);
}

long long seekFile(int fd, long long offset) {
  return ::lseek(fd, offset, SEEK_SET);
}

bool truncateFile(int fd, long long length) {
  return ::ftruncate(fd, length) == 0;
}

void closeFile(int fd) {
  ::close(fd);
}

bool isTerminal(int fd) {
  return ::isatty(fd) == 1;
}

// A missing stream gets the read end of a pipe that has no writer: reads meet the end of input
// at once and writes fail, as on the closed stream, but no file opened later can take its
// number. (Not the null device: where /dev/null is an ordinary file, reads from it return
// whatever was last written there.)
void prepareStandardStreams() {
  bool missing[3] = {};
  for (int fd = 0; fd <= 2; ++fd)
    missing[fd] = ::fcntl(fd, F_GETFD) == -1 && errno == EBADF;
  if (std::ranges::none_of(missing, std::identity{})) return;
  int ends[2];
  if (::pipe(ends) != 0) return;
  ::close(ends[1]);  // the pipe takes the lowest free numbers: this may free a missing one again
  for (int fd = 0; fd <= 2; ++fd) {
    if (missing[fd] && fd != ends[0]) ::dup2(ends[0], fd);
  }
  if (ends[0] > 2) ::close(ends[0]);
}

std::string errorMessage(int errnum) {
  return std::strerror(errnum);
}

void writeStandardError(std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(STDERR_FILENO, text.data(), text.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

bool signalIgnored(int signal) {
  struct sigaction current {};
  return ::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN;
}

namespace {

SignalHandler handlers[NSIG] = {};

void dispatch(int signal, siginfo_t* info, void* /*context*/) {
  const bool synchronous =
      info != nullptr && ((signal == SIGFPE && info->si_code > 0 && info->si_code != SI_KERNEL) ||
                          (signal == SIGABRT && info->si_pid == ::getpid()));
  handlers[signal](signal, synchronous);
}

}  // namespace

void catchSignal(int signal, SignalHandler handler) {
  handlers[signal] = handler;
  struct sigaction action {};
  action.sa_sigaction = dispatch;
  sigemptyset(&action.sa_mask);
  for (int other : {SIGFPE, SIGABRT, SIGINT, SIGTERM})
    sigaddset(&action.sa_mask, other);
  action.sa_flags = SA_SIGINFO;  // and no SA_RESTART: a waiting read returns with EINTR
  ::sigaction(signal, &action, nullptr);
}

void abortProcess() {
  ::signal(SIGABRT, SIG_DFL);
  std::abort();
}

void exitImmediately(int status) {
  ::_exit(status);
}

}  // namespace mk::platform
