// The rules that look at the machine that will run the batch, before it runs: the sample input
// and its backup, tc as cmd finds it, the data files, the kept files' folders, copy's question,
// the kept files of an earlier batch. They read the machine through its seam (machine.h) as the
// Site shows it: each folder listed once. A new rule of this room: a file here named after its
// tag, defining its MachineRule, declared below and listed in rules.cc; this header brings
// what its code and message need.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "check/machine.h"
#include "check/report.h"
#include "check/rule.h"
#include "check/rules/names/names.h"
#include "check/script.h"
#include "check/value_words.h"

namespace mk::check {

// The machine as the rules see it, for one script, and what they remember from line to line.
class Site {
 public:
  // Both must outlive the site; the script's names are absolute on the machine.
  Site(const Machine& machine, const Script& script);

  [[nodiscard]] const Machine& machine() const { return machine_; }
  [[nodiscard]] const Script& script() const { return script_; }
  // P as an absolute folder, and whether it exists.
  [[nodiscard]] const std::string& pathFolder() const { return pathFolder_; }
  [[nodiscard]] bool pathExists() const { return pathExists_; }

  // True when the file `name` (absolute) exists; with `orExtension` also when a file of its
  // name followed by a dot and an extension does.
  bool exists(std::string_view name, bool orExtension = false);

  // True when the absolute `name` is a folder.
  bool isFolder(std::string_view name);

  // True when the absolute `name` is a folder, as its folder's listing shows.
  bool listsFolder(std::string_view name);

  // The key of the file that `line` copies onto or deletes: the backup, tc's output (del), the
  // sample input (chaining), the kept file; empty for a line that writes no file.
  [[nodiscard]] const std::string& targetOf(const Line& line) const;
  // The cause of a finding on the file or folder `file`.
  [[nodiscard]] Cause causeOf(std::string_view file) const {
    return {Cause::Kind::kFile, 0, script_.key(file)};
  }

  // That file named for a message: what it is and its name in P (the backup "I_orig.inp").
  [[nodiscard]] std::string describeTarget(const Line& line) const;

 private:
  struct Listing {
    bool folder = false;
    std::vector<std::string> files;    // folded, sorted
    std::vector<std::string> folders;  // folded, sorted
  };
  const Listing& listing(std::string_view folder);

  const Machine& machine_;
  const Script& script_;
  std::string pathFolder_;
  bool pathExists_ = false;
  std::unordered_map<std::string, Listing> listings_;  // by folded folder
};

// The folder part of the absolute, normal name `name`: up to its last backslash, which stays
// only at a root ("C:\").
std::string_view folderOf(std::string_view name);

struct MachineRule : Rule {
  // Adds the rule's findings on `line`, with the earlier `names`, looking at `site`.
  void (*find)(const Line& line, const Names& names, Site& site, Report& report);
};

extern const MachineRule kMissingInput;
extern const MachineRule kOverwritesBackup;
extern const MachineRule kNoTc;
extern const MachineRule kTcIsBatch;
extern const MachineRule kMissingData;
extern const MachineRule kNoFolder;
extern const MachineRule kReplacesKept;
extern const MachineRule kCopyPrompts;
extern const MachineRule kReadOnly;
extern const MachineRule kNotAFile;

}  // namespace mk::check
