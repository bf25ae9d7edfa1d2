#include "check/report.h"

#include <algorithm>

#include "check/machine.h"
#include "check/rules.h"

namespace mk::check {

// The key of the finding of `rule` about `cause`.
static std::string keyOf(const Rule& rule, const Cause& cause) {
  std::string key(rule.tag);
  key.append(1, '\0').append(1, static_cast<char>(cause.kind)).append(std::to_string(cause.unit));
  return key.append(1, '\0').append(cause.file);
}

Report::Report(std::string_view scriptName, std::FILE* out) : name_(scriptName), out_(out) {}

void Report::ignore(const Rule& rule) {
  tallies_[&rule].ignored = true;
}

bool Report::ignores(const Rule& rule) const {
  const auto found = tallies_.find(&rule);
  return found != tallies_.end() && found->second.ignored;
}

bool Report::reached(const Line& line, const Rule& rule, const Cause& cause) {
  const auto found = byCause_.find(keyOf(rule, cause));
  if (found == byCause_.end()) return false;
  if (found->second != kLeftOut) {
    Finding& finding = findings_[found->second];
    finding.reach.add(line);
    Tally& tally = tallies_[&rule];
    tally.all.reach.add(line);
    if (!finding.entry) tally.other.reach.add(line);
  }
  return true;
}

void Report::add(const Line& line, const Rule& rule, std::span<const Cause> causes,
                 std::string_view message) {
  std::size_t fresh = 0;  // each cause known reaches this line
  for (const Cause& cause : causes)
    fresh += reached(line, rule, cause) ? 0 : 1;
  if (fresh == 0) return;
  ++made_;
  Tally& tally = tallies_[&rule];
  const bool entry = std::ranges::all_of(
      causes, [](const Cause& cause) { return cause.kind == Cause::Kind::kDataName; });
  for (Count* counts : {&tally.all, entry ? nullptr : &tally.other}) {
    if (counts == nullptr) continue;
    ++counts->findings;
    if (!tally.ignored) counts->reach.add(line);
  }
  for (const Cause& cause : causes)
    byCause_.try_emplace(keyOf(rule, cause), tally.ignored ? kLeftOut : findings_.size());
  if (tally.ignored) return;
  findings_.push_back({line.number, &rule, std::string(message), {}, entry});
  findings_.back().reach.add(line);
  --findings_.back().reach.more;  // its own line
}

void Report::Reach::add(const Line& line) {
  ++more;
  if (line.entry != 0 && line.entry != lastEntry) ++entries;
  if (line.entry != 0) lastEntry = line.entry;
}

void Report::flush(std::uint64_t entries) {
  std::ranges::stable_sort(findings_, {}, &Finding::line);  // a finding may come after its line
  bool written = false;
  for (const Finding& finding : findings_) {
    if (finding.entry && foldEntries_) continue;
    written = true;
    std::string text = name_ + ":" + std::to_string(finding.line);
    text.append(finding.rule->severity == Severity::kError ? ": error: " : ": warning: ");
    text.append(finding.message);
    if (entries > 1 && finding.reach.entries == entries) {
      text.append(" (on every entry)");
    } else if (finding.reach.more > 0) {
      text.append(" (").append(counted(finding.reach.more, "more line")).append(")");
    }
    write(text.append(" [").append(finding.rule->tag).append("]"));
  }
  if (written && !path_.empty()) write(name_ + ": note: the files named follow \"" + path_ + "\"");
  findings_.clear();
}

void Report::summarize(std::string_view description, std::uint64_t entries, std::string_view note) {
  flush(entries);
  if (!note.empty()) write(name_ + ": note: " + std::string(note));
  std::string tags;  // the findings by tag, then those left out
  std::string left;
  std::uint64_t leftOut = 0;
  for (const Rule* rule : allRules()) {
    const auto found = tallies_.find(rule);
    if (found == tallies_.end()) continue;
    const Count& tally = found->second.counted(foldEntries_);
    if (tally.findings == 0) continue;
    if (found->second.ignored) {
      leftOut += tally.findings;
      left.append(left.empty() ? " (" : ", ").append(rule->tag);
      continue;
    }
    tags.append(tags.empty() ? "" : ", ").append(rule->tag);
    tags.append(1, ' ').append(std::to_string(tally.findings));
    if (tally.reach.entries > 0) tags.append(" (" + counted(tally.reach.entries, "entry") + ")");
  }
  if (!tags.empty()) {
    write(name_ + ": note: multikevra-check --explain TAG tells what a finding means");
    write(name_ + ": findings by tag: " + tags);
  }
  std::string text = name_ + ": " + std::string(description) + ": ";
  text.append(counted(count(Severity::kError), "error")).append(", ");
  text.append(counted(count(Severity::kWarning), "warning"));
  if (std::ranges::any_of(tallies_, [](const auto& tally) { return tally.second.ignored; })) {
    text.append(", " + std::to_string(leftOut) + " ignored" + left + (left.empty() ? "" : ")"));
  }
  write(text);
}

std::uint64_t Report::count(Severity severity) const {
  std::uint64_t findings = 0;
  for (const auto& [rule, tally] : tallies_)
    findings +=
        !tally.ignored && rule->severity == severity ? tally.counted(foldEntries_).findings : 0;
  return findings;
}

int Report::exitStatus() const {
  if (count(Severity::kError) > 0) return 2;
  return count(Severity::kWarning) > 0 ? 1 : 0;
}

void Report::write(std::string_view text) {
  const std::string line = printable(text) + "\n";
  std::fwrite(line.data(), 1, line.size(), out_);
}

std::string counted(std::uint64_t count, std::string_view noun) {
  std::string text = std::to_string(count);
  text.append(" ").append(noun);
  if (count != 1) {
    if (noun.ends_with('y')) {
      text.back() = 'i';
      text.append("es");
    } else {
      text.append("s");
    }
  }
  return text;
}

std::string printable(std::string_view text) {
  static constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::string shown;
  shown.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 32 && byte != 127 && (byte < 128 || byte >= 160 || kChecksFiles)) {
      shown += c;
    } else {
      shown.append(1, '<').append(1, kDigits[byte >> 4U]).append(1, kDigits[byte & 15U]) += '>';
    }
  }
  return shown;
}

}  // namespace mk::check
