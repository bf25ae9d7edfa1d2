#include "check/after_site.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <ctime>
#include <tuple>
#include <utility>

#include "check/file_names.h"

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
  regular_ = regular_ && line.kind() != LineKind::kForeign;
  if (line.kind() == LineKind::kRun) {
    endEntry();
    EntryLeft& entry = entries_.emplace_back();
    entry.runLine = line.number;
    entry.data = line.data;
    entry.information = line.value(ValueKind::kInformation);
    information_ = information_ || line.has(ValueKind::kInformation);
  }
  chaining_ = chaining_ || line.kind() == LineKind::kChaining;
  if (line.kind() != LineKind::kKeep || line.entry == 0) {
    return line.number == 1 || line.kind() == LineKind::kChaining;
  }
  const std::string_view output = line.value(ValueKind::kOutputFile);
  const std::string_view keptName = line.value(ValueKind::kKeptName);
  const std::string_view suffix =
      keptName.starts_with(line.data) ? keptName.substr(line.data.size()) : "";
  if (line.entry == 1 && line.slot > keeps_.size()) keeps_.emplace_back(output, suffix);
  if (line.slot > keeps_.size() || keeps_[line.slot - 1].first != output) regular_ = false;
  if (regular_ && suffix.size() > keeps_[line.slot - 1].second.size())
    keeps_[line.slot - 1].second = suffix;
  KeptFile file;
  file.output = output;
  file.kept = keptName;
  file.file = script_.path() + file.kept;
  file.name = script_.absolute(file.file);
  file.written = machine_.written(file.name);
  const auto [at, first] = keptAt_.try_emplace(script_.key(file.name), line.number, line.entry);
  if (!first) std::tie(file.earlierLine, file.earlierEntry) = at->second;
  EntryLeft& entry = entries_.back();
  entry.outcome = std::min(entry.outcome, Outcome::kDone);
  if (line.outputKey == script_.tcOutputKey) entry.keptOutput = file.file;
  entry.kept.push_back(file.name);
  current_.push_back(std::move(file));
  return true;
}

void AfterSite::worsen(std::uint64_t entry, Outcome outcome, const Rule& rule) {
  EntryLeft& left = entries_[entry - 1];
  if (outcome >= left.outcome) return;
  left.outcome = outcome;
  left.by = &rule;
}

void AfterSite::end() {
  const KeptFile& file = current_.back();
  if (!file.written) return;
  EntryLeft& entry = entries_.back();
  ++entry.present;
  entry.newest = entry.newest ? std::max(*entry.newest, *file.written) : *file.written;
  if (older(file)) return;
  oldest_ = oldest_ ? std::min(*oldest_, *file.written) : *file.written;
  newest_ = newest_ ? std::max(*newest_, *file.written) : *file.written;
}

// The entry that ends here, whose kept files become the ones to compare with, keeps as many.
void AfterSite::endEntry() {
  if (!entries_.empty() && current_.size() != keeps_.size()) regular_ = false;
  before_.swap(current_);
  current_.clear();
}

void AfterSite::summarize(Report& report) {
  endEntry();
  const std::uint64_t count = entries_.size();
  std::string description = counted(count, "entry");
  if (keeps_.empty()) {
    report.summarize(description + ", no files kept", count,
                     "this script keeps no files: only the backup was checked; each run's output "
                     "shows if it worked");
    return;
  }
  const auto done = [](const EntryLeft& entry) { return entry.outcome == Outcome::kDone; };
  const auto complete = static_cast<std::uint64_t>(std::ranges::count_if(entries_, done));
  if (complete == count) {
    description +=
        count == 1 ? ", which left all its kept files" : ", all of which left all their kept files";
  } else {
    const std::uint64_t failed = count - complete;
    description +=
        "; " + counted(failed, "entry") +
        (failed == 1 ? " did not leave its kept files:" : " did not leave their kept files:");
    std::uint64_t named = 0;
    for (std::uint64_t entry = 1; entry <= count && named < 10; ++entry) {
      if (done(entries_[entry - 1])) continue;
      description += (named++ == 0 ? " " : ", ") + std::to_string(entry);
    }
    if (failed > named) description += " and " + std::to_string(failed - named) + " more";
  }
  if (oldest_) description += "; kept files written within " + duration(*newest_ - *oldest_);
  report.summarize(description, count);
}

// `time` as local time, "YYYY-MM-DD HH:MM:SS".
std::string localTime(FileTime time) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(
      std::chrono::time_point_cast<std::chrono::system_clock::duration>(
          std::chrono::file_clock::to_sys(time)));
  const std::tm* local = std::localtime(&seconds);
  std::array<char, 20> text{};
  if (local != nullptr) std::strftime(text.data(), text.size(), "%Y-%m-%d %H:%M:%S", local);
  return text.data();
}

}  // namespace mk::check
