// The report: one line per finding, in the form compilers use, then the summary. Findings are
// gathered per cause and written at the end, each on the first line its cause reaches.
#pragma once

#include <cstdint>
#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check/rule.h"
#include "check/script.h"

namespace mk::check {

// What a finding is about: the value the user gave and mends (an answer of the dialogue, an
// entry's data name or information text), a file or folder of the machine, or a line itself.
struct Cause {
  // A kept file's output file name and suffix are told apart by their place among the entry's
  // keep lines (unit 1, 2, ...); a data name and an information text by their entry.
  // clang-format off
  enum class Kind : unsigned char {
      kLine, kBatch, kDirectory, kInputName, kOutputFile, kSuffix, kDataName, kInformation, kFile,
      kListFile};
  // clang-format on
  Kind kind = Kind::kLine;
  std::uint64_t unit = 0;  // the line, the place, the entry
  std::string file;        // the key (Script::key) of a file or folder
};

class Report {
 public:
  // Writes to `out` (not owned); `scriptName` is the script's name as the user gave it.
  Report(std::string_view scriptName, std::FILE* out);

  // Leaves out the findings of `rule` from here on: they are counted apart, not written, and do
  // not count toward the exit status.
  void ignore(const Rule& rule);

  // True when the findings of `rule` are left out: a rule left out need not look.
  [[nodiscard]] bool ignores(const Rule& rule) const;

  // True when `cause` has a finding of `rule` already (or one left out): that finding then
  // reaches `line` too, and the rule adds none.
  bool reached(const Line& line, const Rule& rule, const Cause& cause);

  // Adds the finding "NAME:LINE: error: MESSAGE [TAG]" (or warning) of `rule` on `line` about
  // `causes`, those that have no finding of `rule` yet; the others reach `line`, and with none
  // left nothing is added. The message is one line; the rules add findings in line order.
  void add(const Line& line, const Rule& rule, std::span<const Cause> causes,
           std::string_view message);
  void add(const Line& line, const Rule& rule, const Cause& cause, std::string_view message) {
    add(line, rule, std::span(&cause, 1), message);
  }
  // The same with the line itself as the cause.
  void add(const Line& line, const Rule& rule, std::string_view message) {
    add(line, rule, Cause{Cause::Kind::kLine, line.number, {}}, message);
  }

  // Says, once the findings are written, that the files they name follow the directory path
  // `path` (not empty).
  void nameFilesIn(std::string_view path) { path_ = path; }

  // Leaves out the findings about entries' data names: they follow from one about the list.
  void foldEntries() { foldEntries_ = true; }

  // How many findings were added, those left out included.
  [[nodiscard]] std::uint64_t made() const { return made_; }

  // Writes the findings, as those of a script of `entries` entries (a finding whose cause
  // reaches every entry says so).
  void flush(std::uint64_t entries);

  // Writes the findings, the note "NAME: note: NOTE" when given, and, when there are findings,
  // a note that --explain tells more and a line counting them by tag with the entries each
  // tag touches; then the summary line "NAME: DESCRIPTION: X errors, Y warnings", and where
  // findings were left out ", N ignored (TAG, ...)" with the tags that occurred.
  void summarize(std::string_view description, std::uint64_t entries, std::string_view note = {});

  // The script's name as the user gave it.
  [[nodiscard]] const std::string& scriptName() const { return name_; }

  // The exit status the findings call for: 0 none, 1 warnings only, 2 at least one error.
  [[nodiscard]] int exitStatus() const;

 private:
  struct Reach {  // how many more lines a finding's causes (or a rule's) reach, in what entries
    std::uint64_t more = 0;
    std::uint64_t entries = 0;
    std::uint64_t lastEntry = 0;
    void add(const Line& line);
  };
  struct Finding {
    std::uint64_t line = 0;
    const Rule* rule = nullptr;
    std::string message;
    Reach reach;
    bool entry = false;  // about entries' data names only
  };
  struct Count {
    std::uint64_t findings = 0;
    Reach reach;
  };
  struct Tally {  // a rule's findings: all, and those not about entries' data names only
    bool ignored = false;
    Count all, other;
    [[nodiscard]] const Count& counted(bool foldEntries) const { return foldEntries ? other : all; }
  };
  static constexpr std::size_t kLeftOut = SIZE_MAX;
  [[nodiscard]] std::uint64_t count(Severity severity) const;
  void write(std::string_view text);

  std::string name_;
  std::FILE* out_;
  std::uint64_t made_ = 0;
  bool foldEntries_ = false;
  std::string path_;
  std::vector<Finding> findings_;               // in the order they were added
  std::map<std::string, std::size_t> byCause_;  // tag and cause: the finding, or kLeftOut
  std::map<const Rule*, Tally> tallies_;
};

// "1 error", "2 errors": `count` and `noun`, with an s unless the count is 1.
std::string counted(std::uint64_t count, std::string_view noun);

// `text` as a report may show it: the bytes 0-31 and 127, which terminals act on, as "<1B>" (two
// hex digits in angle brackets; no Windows name holds a "<"), and on Linux 128-159 too; on
// Windows they are letters of the console's code page (ü, é).
std::string printable(std::string_view text);

}  // namespace mk::check
