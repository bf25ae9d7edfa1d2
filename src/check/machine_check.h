// The findings on what a batch needs from the machine that runs it, before it runs: the
// sample input and its backup, tc as cmd will find it, the data files, the folders of the
// kept files, copy's question before it replaces a file, and the kept files of an earlier
// batch. They read the machine through its seam (machine.h), so they check the window and
// folder the checker runs in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "check/machine.h"
#include "check/report.h"

namespace mk::check {

class MachineCheck {
 public:
  // Checks the script with directory path `path` and input name `input` on `machine`; reports
  // to `report`. Both must outlive the check.
  MachineCheck(const Machine& machine, Report& report, std::string_view path,
               std::string_view input);

  // Line 1, the backup copy: missing-input, overwrites-backup, and copy-prompts when the backup
  // exists.
  void checkBackup();

  // A run line with data name `data`: the first looks for tc (no-tc, tc-is-batch); then
  // missing-data, unless `lookForData` is false (the name has a finding that says no file can
  // have it).
  void checkRun(std::uint64_t line, std::string_view data, bool lookForData);

  // A chaining line: the first replaces the sample input, so it asks when copy asks.
  void checkChaining(std::uint64_t line);

  // A keep line copying to P N, `kept` being N. `existsWhenRun`: an earlier line of the batch
  // writes that file, or it is one of the batch's own files, so it exists when the line runs.
  // `ownFile`: it is one of the batch's own files, not a kept file. Reports no-folder,
  // copy-prompts and replaces-kept.
  void checkKeep(std::uint64_t line, std::string_view kept, bool existsWhenRun, bool ownFile);

  // Ends the check: the one replaces-kept, whose count is known only now.
  void finish();

  // The file `name` names, as cmd resolves it here: absolute and normal (file_names.h).
  [[nodiscard]] std::string absolute(std::string_view name) const;

 private:
  // The folded names of the files in the absolute, normal folder `folder`, sorted; a folder
  // is listed once.
  const std::vector<std::string>& filesIn(std::string_view folder);
  // True when the file `name` (absolute, normal) exists; with `orExtension` also when a file
  // of its name followed by a dot and an extension does.
  bool exists(std::string_view name, bool orExtension = false);
  void findTc(std::uint64_t line);
  // copy-prompts, once, when COPYCMD makes copy ask and the line replaces `target` (P N).
  void asks(std::uint64_t line, std::string_view target);

  const Machine& machine_;
  Report& report_;
  std::string path_;         // P
  std::string input_;        // I
  std::string current_;      // the current folder
  std::string pathFolder_;   // P as an absolute folder
  bool pathExists_ = false;  // whether that folder exists
  std::string copycmd_;      // the value of COPYCMD
  bool copyAsks_ = false;    // COPYCMD makes copy ask, and no line has reported it yet
  bool tcFound_ = false;     // the first run line looked for tc
  bool chained_ = false;     // a chaining line came
  std::unordered_map<std::string, std::vector<std::string>> listings_;  // by folded folder
  std::unordered_set<std::string> keptFolders_;  // folded folders of kept files looked at
  std::uint64_t replacedLine_ = 0;  // the first keep line whose kept file exists (0: none)
  std::string firstReplaced_;       // its P N
  std::uint64_t replaced_ = 0;      // how many kept files exist
};

}  // namespace mk::check
