#include "check/rules/after/after.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace mk::check {

// A span of time as a person reads it: "42 s", "3 min 5 s", "2 h 10 min".
static std::string duration(FileTime::duration span) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(span).count();
  if (seconds < 60) return std::to_string(seconds) + " s";
  if (seconds < 3600) {
    return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
  }
  return std::to_string(seconds / 3600) + " h " + std::to_string(seconds % 3600 / 60) + " min";
}

AfterSite::AfterSite(const Machine& machine, const Script& script)
    : machine_(machine),
      script_(script),
      scriptWritten_(machine.written(script.absolute(script.name))) {}

bool AfterSite::older(const KeptFile& kept) const {
  return kept.written && scriptWritten_ && *kept.written < *scriptWritten_;
}

bool AfterSite::begin(const Line& line) {
  if (line.kind() == LineKind::kRun) {
    endEntry();
    ++entries_;
    runLine_ = line.number;
  }
  if (line.kind() != LineKind::kKeep || line.entry == 0) {
    return line.number == 1 || line.kind() == LineKind::kChaining;
  }
  keepsFiles_ = true;
  KeptFile file{std::string(line.value(ValueKind::kOutputFile)),
                script_.path() + std::string(line.value(ValueKind::kKeptName)),
                {},
                line.number,
                {}};
  file.name = script_.absolute(file.file);
  file.written = machine_.written(file.name);
  current_.push_back(std::move(file));
  return true;
}

void AfterSite::end(bool found) {
  const KeptFile& file = current_.back();
  if (found) entryComplete_ = false;
  if (!file.written || older(file)) return;
  oldest_ = oldest_ ? std::min(*oldest_, *file.written) : *file.written;
  newest_ = newest_ ? std::max(*newest_, *file.written) : *file.written;
}

// The entry that ends here: counted complete when every keep line found its file, of this
// batch and not the entry before's again. Its kept files become the ones to compare with.
void AfterSite::endEntry() {
  if (entries_ > 0) {
    if (entryComplete_) {
      ++complete_;
    } else if (firstIncomplete_ == 0) {
      firstIncomplete_ = runLine_;
    }
  }
  entryComplete_ = true;
  before_.swap(current_);
  current_.clear();
}

void AfterSite::summarize(Report& report) {
  endEntry();
  std::string description = counted(entries_, "entry");
  if (!keepsFiles_) {
    report.summarize(description + ", no files kept", entries_,
                     "this script keeps no files: only the backup was checked; each run's output "
                     "shows if it worked");
    return;
  }
  if (complete_ == entries_) {
    description += entries_ == 1 ? ", which" : ", all of which";
  } else {
    description += ", " + std::to_string(complete_) + " of which";
  }
  description += complete_ == 1 ? " left all its kept files" : " left all their kept files";
  if (firstIncomplete_ != 0) {
    description +=
        ", the first that did not is the run on line " + std::to_string(firstIncomplete_);
  }
  if (oldest_) description += "; kept files written within " + duration(*newest_ - *oldest_);
  report.summarize(description, entries_);
}

}  // namespace mk::check
