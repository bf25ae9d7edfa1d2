// The report: one line per finding, in the form compilers use, then the summary line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>

#include "check/rule.h"

namespace mk::check {

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

  // Leaves out the findings of `rule` from here on: they are counted apart, not written, and do
  // not count toward the exit status.
  void ignore(const Rule& rule);

  // True when the findings of `rule` are left out: a rule left out need not look.
  [[nodiscard]] bool ignores(const Rule& rule) const { return ignored_.contains(&rule); }

  // Writes the finding "NAME:LINE: error: MESSAGE [TAG]" (or warning) of `rule`; the message
  // is one line. Findings are written as they come: the rules add them in line order.
  void add(std::uint64_t line, const Rule& rule, std::string_view message);

  // How many findings were added, those left out included.
  [[nodiscard]] std::uint64_t made() const { return made_; }

  // Holds back the finding of `rule` on `line`, whose message can be written only at the end
  // (it counts what later lines find), and the findings added after it, until release().
  void hold(std::uint64_t line, const Rule& rule);

  // Writes the held finding with `message`, then the findings held back after it.
  void release(std::string_view message);

  // Writes "NAME: note: MESSAGE".
  void note(std::string_view message);

  // Writes the summary line: "NAME: E entries, chaining on|off, K files kept per entry:
  // X errors, Y warnings", and where findings were left out ", N ignored (TAG, ...)" with the
  // tags that occurred.
  void summarize(const ScriptSummary& summary);

  // Writes the summary line "NAME: DESCRIPTION: X errors, Y warnings"; when there are
  // findings, after a note that --explain tells more.
  void summarize(std::string_view description);

  // The script's name as the user gave it.
  [[nodiscard]] const std::string& scriptName() const { return name_; }

  // The exit status the findings call for: 0 none, 1 warnings only, 2 at least one error.
  [[nodiscard]] int exitStatus() const;

 private:
  void write(const std::string& text);

  std::string name_;
  std::FILE* out_;
  std::uint64_t errors_ = 0;
  std::uint64_t warnings_ = 0;
  std::uint64_t made_ = 0;
  std::map<const Rule*, std::uint64_t> ignored_;  // the rules left out, and their findings
  std::uint64_t heldLine_ = 0;                    // the held finding's line (0: none held)
  const Rule* held_ = nullptr;
  std::string heldBack_;  // the findings after it
};

// "1 error", "2 errors": `count` and `noun`, with an s unless the count is 1.
std::string counted(std::uint64_t count, std::string_view noun);

}  // namespace mk::check
