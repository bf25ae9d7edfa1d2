// What a batch left, after it ran (--after), as the rules see it: each kept file looked at once,
// beside the kept files of the entry before; and the night, entry by entry, for the morning.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "check/machine.h"
#include "check/report.h"
#include "check/rule.h"
#include "check/script.h"

namespace mk::check {

using FileTime = std::filesystem::file_time_type;

// `time` as local time, "YYYY-MM-DD HH:MM:SS".
std::string localTime(FileTime time);

// A keep line's kept file, as the batch left it.
struct KeptFile {
  std::string output;               // O
  std::string kept;                 // N
  std::string file;                 // P N, as the script names it
  std::string name;                 // its absolute name on the machine
  std::optional<FileTime> written;  // nothing: it does not exist
  std::uint64_t earlierLine = 0;    // an earlier keep line that copied to it, and its entry
  std::uint64_t earlierEntry = 0;
};

// An entry of the batch and what it left.
struct EntryLeft {
  std::uint64_t runLine = 0;
  std::string data;         // D
  std::string information;  // T; empty without information
  Outcome outcome = Outcome::kUnknown;
  const Rule* by = nullptr;        // the rule whose finding made that outcome
  std::uint64_t present = 0;       // its kept files that exist
  std::optional<FileTime> newest;  // the newest of them
  std::string keptOutput;          // P N of its kept copy of tc's output, if it keeps one
  std::vector<std::string> kept;   // its kept files, absolute, in the order of the keep lines
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

  // After `rule` found what makes `outcome` of the entry `entry`: it left no better.
  void worsen(std::uint64_t entry, Outcome outcome, const Rule& rule);

  // After the rules looked at a keep line of an entry.
  void end();

  // The summary line: the entries, how many left all their kept files, those that did not.
  void summarize(Report& report);

  // After the last line: the entries, whether they chain and get information, each kept file's
  // output file name and suffix (as far as the kept names show it); `regular` when every line
  // is one multikevra writes and every entry keeps those files.
  [[nodiscard]] const std::vector<EntryLeft>& entries() const { return entries_; }
  [[nodiscard]] bool chaining() const { return chaining_; }
  [[nodiscard]] bool information() const { return information_; }
  [[nodiscard]] const std::vector<std::pair<std::string, std::string>>& keeps() const {
    return keeps_;
  }
  [[nodiscard]] bool regular() const { return regular_; }

 private:
  void endEntry();

  const Machine& machine_;
  const Script& script_;
  std::optional<FileTime> scriptWritten_;
  std::vector<KeptFile> before_;
  std::vector<KeptFile> current_;
  std::vector<EntryLeft> entries_;
  std::vector<std::pair<std::string, std::string>> keeps_;
  std::unordered_map<std::string, std::pair<std::uint64_t, std::uint64_t>> keptAt_;  // by key
  bool chaining_ = false;
  bool information_ = false;
  bool regular_ = true;
  std::optional<FileTime> oldest_;  // of the kept files of this batch
  std::optional<FileTime> newest_;
};

}  // namespace mk::check
