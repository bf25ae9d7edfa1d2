// The report: one line per finding, in the form compilers use, then the summary. The rules hand
// their findings here; they are gathered per cause, written at the end, each on the first line
// its cause reaches, those that follow from another reported finding left out.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/rule.h"
#include "check/script.h"

namespace mk::check {

class Report {
 public:
  // Writes to `out` (not owned); `scriptName` is the script's name as the user gave it.
  Report(std::string_view scriptName, std::FILE* out);

  // Leaves out the findings of `rule` from here on: they are counted apart, not written, and do
  // not count toward the exit status.
  void ignore(const Rule& rule);

  // True when the findings of `rule` are left out.
  [[nodiscard]] bool ignores(const Rule& rule) const;

  // Takes `finding` of `rule` on `line` (see Finding): one finding per rule and cause, on the
  // first line the cause reaches; the message is one line. True when it is a new finding.
  bool add(const Rule& rule, const Line& line, Finding finding);

  // Says, once the findings are written, that the files they name follow the directory path
  // `path` (not empty).
  void nameFilesIn(std::string_view path) { path_ = path; }

  // Writes the findings, as those of a script of `entries` entries (a finding whose cause
  // reaches every entry says so), and counts them.
  void flush(std::uint64_t entries);

  // Writes the findings, the note "NAME: note: NOTE" when given, and, when there are findings,
  // a note that --explain tells more and a line counting them by tag with the entries each
  // tag touches; then the summary line "NAME: DESCRIPTION: X errors, Y warnings", and where
  // findings were left out ", N ignored (TAG, ...)" with the tags that occurred.
  void summarize(std::string_view description, std::uint64_t entries, std::string_view note = {});

  // The script's name as the user gave it.
  [[nodiscard]] const std::string& scriptName() const { return name_; }

  // The exit status the findings written call for: 0 none, 1 warnings only, 2 an error.
  [[nodiscard]] int exitStatus() const;

 private:
  struct Kept {  // a finding
    const Rule* rule = nullptr;
    std::uint64_t line = 0;
    std::string message;
    std::uint64_t more = 0;              // the lines its causes reach after its own
    std::vector<std::uint64_t> entries;  // the entries they reach
    Finding finding;                     // what it follows from and covers, its causes
    bool shown = false;                  // neither left out nor following from a finding shown
  };
  static void reach(Kept& kept, std::uint64_t entry);
  [[nodiscard]] bool folded(const Kept& kept, const std::vector<Cause::Kind>& covered) const;
  void write(std::string_view text);

  std::string name_;
  std::FILE* out_;
  std::string path_;
  std::map<const Rule*, bool> ignored_;
  std::vector<Kept> kept_;                     // in the order they came
  std::map<std::string, std::size_t> causes_;  // tag and cause: the finding
  std::map<const Rule*, std::pair<std::uint64_t, std::vector<std::uint64_t>>> tally_;  // shown
  std::map<const Rule*, std::uint64_t> leftOut_;  // left out, not following
};

// "1 error", "2 errors": `count` and `noun`, with an s unless the count is 1.
std::string counted(std::uint64_t count, std::string_view noun);

// `text` as a report may show it: the bytes 0-31 and 127, which terminals act on, as "<1B>" (two
// hex digits in angle brackets; no Windows name holds a "<"), and on Linux 128-159 too; on
// Windows they are letters of the console's code page (ü, é).
std::string printable(std::string_view text);

}  // namespace mk::check
