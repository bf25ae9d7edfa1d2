// The few places where the operating system shows through: file descriptors, terminals,
// error messages, signals and the abnormal end. One implementation per platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "recordio/channel.h"

namespace mk::platform {

// The line end of the platform's text mode, used on the console.
#ifdef _WIN32
inline constexpr std::string_view kConsoleLineEnd = "\r\n";
#else
inline constexpr std::string_view kConsoleLineEnd = "\n";
#endif

// Opens `path` in binary mode under `access`; returns a descriptor, or -1 with errno set.
int openFile(const std::string& path, Access access);

// Thin wrappers over the descriptor calls; each returns -1 with errno set on failure.
long readFile(int fd, char* dest, std::size_t size);
long writeFile(int fd, const char* src, std::size_t size);
long long tellFile(int fd);
long long seekFile(int fd, long long offset);
bool truncateFile(int fd, long long length);
void closeFile(int fd);
bool isTerminal(int fd);

// Makes sure descriptors 0, 1 and 2 exist, so that no file opened later can take their place: a
// missing one reads as an empty input and swallows or refuses what is written to it. Puts them
// in binary mode where that matters.
void prepareStandardStreams();

// The platform's message for a system error number.
std::string errorMessage(int errnum);

// Writes `text` to standard error at once; safe inside a signal handler.
void writeStandardError(std::string_view text);

// True when `signal` was being ignored when the program started.
bool signalIgnored(int signal);

// A signal handler. `synchronous` is true when the signal comes from the program's own
// execution (a fault, or an abort it raised), so that returning from the handler is no way on.
using SignalHandler = void (*)(int signal, bool synchronous);

// Installs `handler` for `signal`. A blocking read that the signal interrupts returns early
// (it is not restarted), and the program's other signals wait while the handler runs.
void catchSignal(int signal, SignalHandler handler);

// Sets the abort signal back to its default handling and aborts, with no message of its own.
[[noreturn]] void abortProcess();

// Ends the process with `status` at once, running nothing registered for exit.
[[noreturn]] void exitImmediately(int status);

}  // namespace mk::platform
