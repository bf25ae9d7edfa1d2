#include "check/rules/names/names.h"

#include "check/file_names.h"

namespace mk::check {

std::size_t Names::Hash::operator()(std::string_view key) const {
  std::size_t hash = 14695981039346656037ULL;  // FNV-1a over the letters made small
  for (const char c : key) {
    hash ^= static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    hash *= 1099511628211ULL;
  }
  return hash;
}

bool Names::Equal::operator()(std::string_view a, std::string_view b) const {
  return equalIgnoringCase(a, b);
}

const Names::Uses& Names::uses(const std::string& key) const {
  static const Uses kNone;
  const auto found = table_.find(key);
  return found != table_.end() ? found->second : kNone;
}

std::uint64_t Names::keptInEntry(const std::string& key, const Line& line) const {
  const std::uint64_t kept = uses(key).entryKept;
  return kept > line.runLine ? kept : 0;
}

void Names::record(const Line& line) {
  const auto use = [&](const std::string& key, std::uint64_t Uses::*first) -> Uses& {
    Uses& uses = table_[key];
    if (uses.*first == 0) uses.*first = line.number;
    return uses;
  };
  if (line.kind() == LineKind::kRun && !line.dataKey.empty()) use(line.dataKey, &Uses::data);
  if (line.kind() != LineKind::kKeep) return;
  use(line.outputKey, &Uses::output);
  Uses& kept = use(line.keptKey, &Uses::kept);
  if (kept.entryKept < line.runLine) kept.entryKept = line.number;
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
