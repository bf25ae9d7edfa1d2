#include "check/names.h"

#include <algorithm>

namespace mk::check {

const Names::Uses& Names::uses(const std::string& key) const {
  static const Uses kNone;
  const auto found = table_.find(key);
  return found != table_.end() ? found->second : kNone;
}

std::uint64_t Names::keptInEntry(const std::string& key, const Line& line) const {
  const std::uint64_t kept = uses(key).entryKept;
  return kept > line.runLine ? kept : 0;
}

Names::Textless Names::textless(const Line& line) const {
  const auto noText = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 32 && c != '\t' && c != '\r') || byte == 127;
  };
  Textless textless = textless_;
  if (line.kind() == LineKind::kRun && std::ranges::any_of(line.data, noText) &&
      textless.entries++ == 0) {
    textless.firstLine = line.number;
    textless.utf16 = line.data.starts_with("\xFF\xFE") || line.data.starts_with("\xFE\xFF");
  }
  return textless;
}

void Names::record(const Line& line) {
  const auto use = [&](const std::string& key, std::uint64_t Uses::*first) -> Uses& {
    Uses& uses = table_[key];
    if (uses.*first == 0) uses.*first = line.number;
    return uses;
  };
  if (line.kind() == LineKind::kRun && !line.dataKey.empty()) use(line.dataKey, &Uses::data);
  textless_ = textless(line);
  if (line.kind() != LineKind::kKeep) return;
  use(line.outputKey, &Uses::output);
  Uses& kept = use(line.keptKey, &Uses::kept);
  if (kept.entryKept < line.runLine) kept.entryKept = line.number;
}

OwnFileOf ownFileOf(const Script& script, const Line& line, const Names& names) {
  const std::string& kept = line.keptKey;
  if (kept == line.outputKey) return {OwnFile::kItself};
  if (kept == script.sampleInputKey) return {OwnFile::kSampleInput};
  if (kept == script.tcOutputKey) return {OwnFile::kTcOutput};
  if (kept == script.backupKey) return {OwnFile::kBackup};
  if (const std::uint64_t output = names.outputLine(kept)) return {OwnFile::kOutputFile, output};
  if (const std::uint64_t data = names.dataLine(kept)) return {OwnFile::kDataFile, data};
  if (kept == script.scriptKey) return {OwnFile::kScript};
  return {};
}

bool existsWhenRun(const Script& script, const Line& line, const Names& names) {
  const OwnFile own = ownFileOf(script, line, names).file;
  return (own != OwnFile::kNone && own != OwnFile::kItself) || names.keptLine(line.keptKey) != 0;
}

}  // namespace mk::check
