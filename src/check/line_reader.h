// Reading a script's lines in one pass: from a file through one large buffer, or from bytes
// already in memory (a fuzz target's input).
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace mk::check {

class LineReader {
 public:
  // How many bytes one read asks for; the buffer grows beyond it only for a longer line.
  static constexpr std::size_t kChunkSize = std::size_t{1} << 17;

  // Reads the lines of `file`, opened in binary mode and owned by the caller, `chunkSize` bytes
  // at a time (at least 1).
  explicit LineReader(std::FILE* file, std::size_t chunkSize = kChunkSize);

  // Reads the lines of `bytes`, which must outlive the reader; nothing is copied.
  explicit LineReader(std::span<const char> bytes);

  // The next line, without its line end: a line ends at LF, and a CR right before that LF (or
  // right before the end of the input) belongs to the line end. The last line needs no line end;
  // the input's end right after a line end adds no empty line. Nothing at the end of the input
  // or after a failed read. The view stays valid until the next call. Any bytes, NUL included,
  // are line content; memory is the chunk size or the longest line, whichever is larger.
  std::optional<std::string_view> next();

  // The error number of a failed read; 0 while every read succeeded.
  [[nodiscard]] int error() const { return error_; }

 private:
  // Moves the unread bytes to the front and reads more after them; false at the end of the
  // file or on a read error.
  bool refill();

  std::FILE* file_ = nullptr;
  std::size_t chunkSize_ = kChunkSize;
  std::vector<char> buffer_;
  const char* data_ = nullptr;  // the buffer's bytes, or the caller's
  std::size_t start_ = 0;       // the first byte not yet returned
  std::size_t scanned_ = 0;     // bytes from start_ on known to hold no LF
  std::size_t end_ = 0;         // the end of the bytes read
  bool atEnd_ = false;          // nothing more to read
  int error_ = 0;
};

}  // namespace mk::check
