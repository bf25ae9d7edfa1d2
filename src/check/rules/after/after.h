// The rules that look at what a batch left, after it ran (--after): the backup, and each keep
// line's kept file. They read the files through the machine's seam (machine.h), as the
// AfterSite shows them: each kept file looked at once, beside the kept files of the entry
// before. A new rule of this room: a file here named after its tag, defining its AfterRule,
// declared below and listed in rules.cc; this header brings what its code and message need.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "check/machine.h"
#include "check/report.h"
#include "check/rule.h"
#include "check/script.h"
#include "check/value_words.h"

namespace mk::check {

using FileTime = std::filesystem::file_time_type;

// A keep line's kept file, as the batch left it.
struct KeptFile {
  std::string output;  // O
  std::string file;    // P N, as the script names it
  std::string name;    // its absolute name on the machine
  std::uint64_t line = 0;
  std::optional<FileTime> written;  // nothing: it does not exist
};

// The machine after the batch, as the rules see it, and the entries so far.
class AfterSite {
 public:
  // Both must outlive the site; the script's names are absolute on the machine.
  AfterSite(const Machine& machine, const Script& script);

  [[nodiscard]] const Machine& machine() const { return machine_; }
  [[nodiscard]] const Script& script() const { return script_; }

  // The kept file of the keep line being checked, and those of the entry before.
  [[nodiscard]] const KeptFile& kept() const { return current_.back(); }
  [[nodiscard]] const std::vector<KeptFile>& before() const { return before_; }

  // True when `kept` was written before the script: an earlier batch's.
  [[nodiscard]] bool older(const KeptFile& kept) const;

  // Before the rules look at `line`: a run line begins an entry, a keep line's kept file is
  // looked at. True for the lines the rules look at: the first, the chaining lines and the keep
  // lines of an entry.
  bool begin(const Line& line);

  // After the rules looked at a keep line of an entry: `found`, whether they found something.
  void end(bool found);

  // The summary line: the entries, how many left all their kept files, the first that did not.
  void summarize(Report& report);

 private:
  void endEntry();

  const Machine& machine_;
  const Script& script_;
  std::optional<FileTime> scriptWritten_;
  std::vector<KeptFile> before_;
  std::vector<KeptFile> current_;
  std::uint64_t entries_ = 0;
  std::uint64_t complete_ = 0;         // entries that left all their kept files
  std::uint64_t firstIncomplete_ = 0;  // the run line of the first entry that did not (0: none)
  std::uint64_t runLine_ = 0;
  bool entryComplete_ = true;
  bool keepsFiles_ = false;
  std::optional<FileTime> oldest_;  // of the kept files of this batch
  std::optional<FileTime> newest_;
};

struct AfterRule : Rule {
  // Adds the rule's findings on `line`, looking at `site`.
  void (*find)(const Line& line, const AfterSite& site, Report& report);
};

extern const AfterRule kNoBackup;
extern const AfterRule kNotKept;
extern const AfterRule kStale;
extern const AfterRule kUnchangedOutput;
extern const AfterRule kNotChained;

}  // namespace mk::check
