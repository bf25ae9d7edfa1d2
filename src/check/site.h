// The machine before the batch as the rules see it, for one script: each folder listed once,
// and what they remember from line to line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "check/machine.h"
#include "check/rule.h"
#include "check/script.h"

namespace mk::check {

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

}  // namespace mk::check
