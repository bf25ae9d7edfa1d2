// The report: one line per finding, in the form compilers use, then the summary line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace mk::check {

enum class Severity : unsigned char { kError, kWarning };

// What the summary line tells about the script.
struct ScriptSummary {
  std::uint64_t entries = 0;
  bool chaining = false;
  std::uint64_t keptPerEntry = 0;
};

class Report {
 public:
  // Writes to `out` (not owned); `scriptName` is the script's name as the user gave it.
  Report(std::string_view scriptName, std::FILE* out);

  // Writes the finding "NAME:LINE: error: MESSAGE [TAG]" (or warning); the message is one line.
  // Findings are written as they come: the check adds them in line order.
  void add(std::uint64_t line, Severity severity, std::string_view message, std::string_view tag);

  // Writes "NAME: note: MESSAGE".
  void note(std::string_view message);

  // Writes the summary line: "NAME: E entries, chaining on|off, K files kept per entry:
  // X errors, Y warnings".
  void summarize(const ScriptSummary& summary);

  // Writes the summary line "NAME: DESCRIPTION: X errors, Y warnings".
  void summarize(std::string_view description);

  // The script's name as the user gave it.
  [[nodiscard]] const std::string& scriptName() const { return name_; }

  // The exit status the findings call for: 0 none, 1 warnings only, 2 at least one error.
  [[nodiscard]] int exitStatus() const;

 private:
  std::string name_;
  std::FILE* out_;
  std::string line_;  // the line being written, reused
  std::uint64_t errors_ = 0;
  std::uint64_t warnings_ = 0;
};

// "1 error", "2 errors": `count` and `noun`, with an s unless the count is 1.
std::string counted(std::uint64_t count, std::string_view noun);

}  // namespace mk::check
