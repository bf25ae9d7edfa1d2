// Checking what a batch left behind, after it ran: the backup of the sample input and, per
// entry, the files its keep lines were to keep. It reads the script's lines as the check before
// a run does, and looks at the files (so it runs where the batch ran, on Windows).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/line_shape.h"
#include "check/report.h"

namespace mk::check {

class AfterCheck {
 public:
  // Reports to `report`, which must outlive the check; the script is the file
  // report.scriptName(), whose time of writing tells a kept file of this batch from an older one.
  explicit AfterCheck(Report& report);

  // Checks the script's first line and the backup. False, reporting nothing, when it is not a
  // backup copy line: then the script is not one of multikevra's.
  bool start(std::string_view line);

  // Checks the next line: a run line begins an entry, a keep line names one of its kept files.
  void checkLine(std::string_view line);

  // Ends the check: the last entry, the note when the script keeps no files, the summary line.
  void finish();

 private:
  // A kept file of the entry before, for the comparison with the same output's of this entry.
  struct Kept {
    std::string output;  // O
    std::string file;    // P N
    std::uint64_t line = 0;
    bool exists = false;
  };

  void checkKeep(const LineShape& shape);
  void endEntry();

  Report& report_;
  std::optional<std::filesystem::file_time_type> scriptWritten_;
  ScriptLines lines_;
  LineShape shape_;
  std::uint64_t lineNumber_ = 0;
  std::uint64_t entries_ = 0;
  std::uint64_t complete_ = 0;         // entries that left all their kept files
  std::uint64_t firstIncomplete_ = 0;  // the run line of the first entry that did not (0: none)
  std::uint64_t runLine_ = 0;          // the current entry's
  bool entryComplete_ = true;
  bool keepsFiles_ = false;
  std::vector<Kept> before_;  // the kept files of the entry before
  std::vector<Kept> current_;
  std::optional<std::filesystem::file_time_type> oldest_;  // of the kept files of this batch
  std::optional<std::filesystem::file_time_type> newest_;
};

}  // namespace mk::check
