// The byte channel under a unit: a file, a console stream, or memory (in tests).
//
// Channels move raw bytes: line ends, buffering and the unit rules live in the unit above.
// Every operation but the constructor must be safe to call from a signal handler (plain
// system calls, no allocation), because the run may be closed from one.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace mk {

// What a channel's stream allows.
enum class Access { kUpdate, kReadOnly, kWriteOnly };

class Channel {
 public:
  virtual ~Channel() = default;

  // Reads up to `size` bytes into `dest`. Returns the count, 0 at the end of input, or -1 with
  // errno set on an error (EINTR when a signal arrived before anything was read).
  virtual long read(char* dest, std::size_t size) = 0;

  // Writes up to `size` bytes. Returns the count written, or -1 with errno set.
  virtual long write(const char* src, std::size_t size) = 0;

  // The current position, or -1 when the channel cannot be positioned.
  virtual long long position() = 0;

  // Moves to `offset` from the start; false when that fails.
  virtual bool seek(long long offset) = 0;

  // Cuts the channel's file at `length`; false when that fails.
  virtual bool cut(long long length) = 0;

  // Reopens the same file under `access` at the same position; false (nothing changed) when
  // that fails.
  virtual bool reopen(Access access) = 0;

  // True for a terminal.
  virtual bool isTerminal() = 0;

  // Releases the underlying stream. Console channels are left open by the caller.
  virtual void close() = 0;
};

// Opens the file `path` under `access` (update: read and write; read only; write only: created
// when missing), positioned at the start; an existing file is never truncated here. Returns null
// with errno set on failure.
std::unique_ptr<Channel> openFileChannel(const std::string& path, Access access);

// A channel over one of the process's standard streams (0, 1 or 2).
std::unique_ptr<Channel> standardChannel(int fd);

}  // namespace mk
