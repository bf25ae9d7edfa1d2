// Shared pieces of the fuzz targets: runs that end by throwing instead of ending the process,
// standard error captured per input, input offered in small pieces, and the check that turns a
// broken invariant into a crash the fuzzer records.
#pragma once

#include <sanitizer/common_interface_defs.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "recordio/memory_channel.h"
#include "recordio/run.h"
#include "recordio/statement.h"
#include "recordio/unit_table.h"

namespace mk::fuzz {

// Thrown by the run-end hook: the run is over, with the status the process would have had
// (0 for a normal stop, -1 for the abort after the fatal diagnostic).
struct RunEnded {
  int status;
};

[[noreturn]] inline void throwRunEnded(int status) {
  throw RunEnded{status};
}

// A broken invariant: says which and crashes, so that the fuzzer keeps the input.
#define FUZZ_CHECK(condition, what)                                          \
  do {                                                                       \
    if (!(condition)) ::mk::fuzz::invariantBroken(what, __FILE__, __LINE__); \
  } while (false)

[[noreturn]] inline void invariantBroken(const char* what, const char* file, int line) {
  std::fprintf(stderr, "invariant broken at %s:%d: %s\n", file, line, what);
  std::fflush(stderr);
  __builtin_trap();
}

// Standard error, captured while one input runs. The fatal diagnostic goes to descriptor 2
// directly; it is caught in a memory file and handed back. Sanitizer reports keep going to the
// real standard error.
class StderrCapture {
 public:
  StderrCapture() {
    original_ = ::dup(2);
    capture_ = ::memfd_create("multikevra-stderr", 0);
    if (original_ < 0 || capture_ < 0) invariantBroken("cannot capture stderr", __FILE__, __LINE__);
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(original_)));
  }

  void begin() {
    ::ftruncate(capture_, 0);
    ::lseek(capture_, 0, SEEK_SET);
    ::dup2(capture_, 2);
  }

  std::string end() {
    ::dup2(original_, 2);
    std::string text;
    char chunk[4096];
    ::lseek(capture_, 0, SEEK_SET);
    for (long got; (got = ::read(capture_, chunk, sizeof chunk)) > 0;)
      text.append(chunk, static_cast<std::size_t>(got));
    return text;
  }

 private:
  int original_ = -1;
  int capture_ = -1;
};

// Memory input handed out at most `chunk` bytes per read, so that line ends and carriage
// returns fall on the edges of the unit's input buffer.
class ChunkedChannel : public MemoryChannel {
 public:
  ChunkedChannel(std::string input, std::size_t chunk)
      : MemoryChannel(std::move(input)), chunk_(std::max<std::size_t>(chunk, 1)) {}
  long read(char* dest, std::size_t size) override {
    return MemoryChannel::read(dest, std::min(size, chunk_));
  }

 private:
  std::size_t chunk_;
};

// A fresh unit table with `input` on unit 5 and units 0 and 6 kept in memory. Returns the
// channel of unit 6.
inline MemoryChannel& freshConsole(std::string input, std::size_t chunk) {
  resetUnitTable();
  resetStatementState();
  connectUnit(kStandardErrorUnit, std::make_unique<MemoryChannel>(), Access::kWriteOnly, true);
  connectUnit(kStandardInputUnit, std::make_unique<ChunkedChannel>(std::move(input), chunk),
              Access::kReadOnly, false);
  auto out = std::make_unique<MemoryChannel>();
  MemoryChannel& kept = *out;
  connectUnit(kStandardOutputUnit, std::move(out), Access::kWriteOnly, true);
  return kept;
}

// Splits `text` at each line feed; the pieces keep no line feed. A last piece without a line
// feed is kept; nothing follows a final line feed.
inline std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      lines.push_back(text);
      break;
    }
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  return lines;
}

// A line that holds a free-form item: its text from the item's first character on, and whether
// the line had a line end.
struct ItemLine {
  std::string_view item;
  bool ended;
};

// The lines of `input` that hold an item, in order (CR LF read as one line end).
inline std::vector<ItemLine> itemLines(std::string_view input) {
  std::vector<ItemLine> found;
  const std::vector<std::string_view> lines = splitLines(input);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    const bool ended = i + 1 < lines.size() || input.ends_with('\n');
    if (ended && line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t start = line.find_first_not_of(" \t");
    if (start != std::string_view::npos) found.push_back({line.substr(start), ended});
  }
  return found;
}

// The lines of the fatal diagnostic: at least three, the state line and the "lately" line in
// place, and the first line one of `firstLines`.
inline void checkDiagnostic(std::string_view text,
                            std::initializer_list<std::string_view> firstLines) {
  FUZZ_CHECK(!text.empty() && text.back() == '\n', "diagnostic ends with a line end");
  const std::vector<std::string_view> lines = splitLines(text);
  FUZZ_CHECK(lines.size() == 3 || lines.size() == 4, "diagnostic has three or four lines");
  FUZZ_CHECK(std::find(firstLines.begin(), firstLines.end(), lines[0]) != firstLines.end(),
             "diagnostic's first line is one the step can give");
  FUZZ_CHECK(lines[1].starts_with("apparent state: unit "), "diagnostic's state line");
  FUZZ_CHECK(lines.back().starts_with("lately ") && lines.back().ends_with(" IO"),
             "diagnostic's last line");
}

}  // namespace mk::fuzz
