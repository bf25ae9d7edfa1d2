#include "check/rules/names/names.h"

#include "check/file_names.h"

namespace mk::check {

using Group = NameTable::Group;

std::uint64_t Names::dataLine(std::string_view key) const {
  return table_.find(Group::kDataName, key).value_or(0);
}

std::uint64_t Names::keptLine(std::string_view key) const {
  return table_.find(Group::kKeptName, key).value_or(0);
}

std::uint64_t Names::outputLine(std::string_view key) const {
  return table_.find(Group::kOutputFile, key).value_or(0);
}

std::uint64_t Names::keptInEntry(std::string_view key) const {
  for (const auto& [kept, line] : entry_) {
    if (equalIgnoringCase(kept, key)) return line;
  }
  return 0;
}

void Names::record(const Line& line) {
  if (line.kind() == LineKind::kRun) {
    entry_.clear();
    if (!line.dataKey.empty()) table_.remember(Group::kDataName, line.dataKey, line.number);
  } else if (line.kind() == LineKind::kKeep) {
    table_.remember(Group::kOutputFile, line.outputKey, line.number);
    table_.remember(Group::kKeptName, line.keptKey, line.number);
    if (keptInEntry(line.keptKey) == 0) entry_.emplace_back(line.keptKey, line.number);
  }
}

OwnFileOf ownFileOf(const Script& script, const Line& line, const Names& names) {
  const std::string& kept = line.keptKey;
  if (equalIgnoringCase(kept, line.outputKey)) return {OwnFile::kItself};
  if (equalIgnoringCase(kept, script.sampleInputKey)) return {OwnFile::kSampleInput};
  if (equalIgnoringCase(kept, script.tcOutputKey)) return {OwnFile::kTcOutput};
  if (equalIgnoringCase(kept, script.backupKey)) return {OwnFile::kBackup};
  if (const std::uint64_t output = names.outputLine(kept)) return {OwnFile::kOutputFile, output};
  if (const std::uint64_t data = names.dataLine(kept)) return {OwnFile::kDataFile, data};
  if (equalIgnoringCase(kept, script.scriptKey)) return {OwnFile::kScript};
  return {};
}

bool existsWhenRun(const Script& script, const Line& line, const Names& names) {
  const OwnFile own = ownFileOf(script, line, names).file;
  return (own != OwnFile::kNone && own != OwnFile::kItself) || names.keptLine(line.keptKey) != 0;
}

}  // namespace mk::check
