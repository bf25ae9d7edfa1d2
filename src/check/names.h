// What the check keeps of the lines before: one table of the names used so far, which the check
// adds each line's names to after its rules ran, and what the list file's names were.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "check/script.h"

namespace mk::check {

// The names the script's lines used so far, by key (Script::key).
class Names {
 public:
  // The first run line whose data file `key` names (0: none).
  [[nodiscard]] std::uint64_t dataLine(const std::string& key) const { return uses(key).data; }
  // The first keep line that copies to `key` (0: none).
  [[nodiscard]] std::uint64_t keptLine(const std::string& key) const { return uses(key).kept; }
  // The first keep line that copies from `key` (0: none).
  [[nodiscard]] std::uint64_t outputLine(const std::string& key) const { return uses(key).output; }
  // The first keep line of the entry of `line` before it that copies to `key` (0: none).
  [[nodiscard]] std::uint64_t keptInEntry(const std::string& key, const Line& line) const;

  // Adds the names of `line`, the next line of the script.
  void record(const Line& line);

  // The entries whose data name holds a byte no text has (a NUL, a control byte but a tab or
  // CR), the run line of the first, and whether its name began as UTF-16 does.
  struct Textless {
    std::uint64_t entries = 0, firstLine = 0;
    bool utf16 = false;
  };
  [[nodiscard]] Textless textless(const Line& line) const;  // up to `line`, with it

 private:
  struct Uses {
    std::uint64_t data = 0;
    std::uint64_t kept = 0;
    std::uint64_t output = 0;
    std::uint64_t entryKept = 0;  // the first keep line of the latest entry that copies to it
  };
  [[nodiscard]] const Uses& uses(const std::string& key) const;

  std::unordered_map<std::string, Uses> table_;
  Textless textless_;
};

// Which of the batch's own files a keep line copies to, when it is one.
enum class OwnFile : unsigned char {
  kNone,
  kItself,  // the output file the line copies: cmd copies no file onto itself
  kSampleInput,
  kTcOutput,
  kBackup,
  kOutputFile,  // an output file that a keep line copies
  kDataFile,
  kScript,
};

struct OwnFileOf {
  OwnFile file = OwnFile::kNone;
  std::uint64_t line = 0;  // the keep line of that output file, the run line of that data file
};

// The batch's own file that the keep line `line` copies to, as far as the lines before it tell.
OwnFileOf ownFileOf(const Script& script, const Line& line, const Names& names);

// True when the file that the keep line `line` copies to exists when the line runs, whatever
// the machine holds now: it is one of the batch's own files, or an earlier keep line's.
bool existsWhenRun(const Script& script, const Line& line, const Names& names);

}  // namespace mk::check
