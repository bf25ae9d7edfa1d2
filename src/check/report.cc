#include "check/report.h"

#include <algorithm>

#include "check/machine.h"
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

// The key of the finding of `rule` about `cause`.
static std::string keyOf(const Rule& rule, const Cause& cause) {
  std::string key(rule.tag);
  key.append(1, '\0').append(1, static_cast<char>(cause.kind)).append(std::to_string(cause.unit));
  return key.append(1, '\0').append(cause.file);
}

Report::Report(std::string_view scriptName, std::FILE* out) : name_(scriptName), out_(out) {}

void Report::ignore(const Rule& rule) {
  ignored_[&rule] = true;
}

bool Report::ignores(const Rule& rule) const {
  return ignored_.contains(&rule);
}

void Report::reach(Kept& kept, std::uint64_t entry) {
  ++kept.more;
  if (entry != 0 && (kept.entries.empty() || kept.entries.back() != entry))
    kept.entries.push_back(entry);
}

bool Report::add(const Rule& rule, const Line& line, Finding finding) {
  if (finding.faults.empty() && finding.message.empty()) return false;  // nothing found
  if (finding.faults.empty())
    finding.faults.push_back({{Cause::Kind::kLine, line.number, {}}, nullptr, 0, {}, {}, {}});
  const std::uint64_t entry = finding.line != 0 ? finding.entry : line.entry;
  if (const auto found =
          finding.reachesOnly ? causes_.find(keyOf(rule, *finding.reachesOnly)) : causes_.end();
      found != causes_.end()) {
    reach(kept_[found->second], entry);
    return false;
  }
  std::vector<Fault> fresh;  // each cause once, those with no finding yet; the others reach here
  std::vector<std::pair<Cause::Kind, std::uint64_t>> seen;
  for (Fault& fault : finding.faults) {
    const std::pair<Cause::Kind, std::uint64_t> cause(fault.cause.kind, fault.cause.unit);
    if (std::ranges::find(seen, cause) != seen.end()) continue;
    seen.push_back(cause);
    const auto found = causes_.find(keyOf(rule, fault.cause));
    if (found != causes_.end()) {
      reach(kept_[found->second], entry);
    } else {
      fresh.push_back(std::move(fault));
    }
  }
  if (fresh.empty()) return false;
  for (const Fault& fault : fresh)
    causes_.emplace(keyOf(rule, fault.cause), kept_.size());
  Kept& kept = kept_.emplace_back();
  kept.rule = &rule;
  kept.line = finding.line != 0 ? finding.line : line.number;
  kept.message = finding.message.empty() ? messageOf(line, fresh) : finding.message;
  reach(kept, entry);
  kept.more = 0;  // its own line
  finding.faults = std::move(fresh);
  kept.finding = std::move(finding);
  return true;
}

// True when `kept` follows from a finding reported: one it names, or one that covers the kind
// of all its causes (one of `covered`).
bool Report::folded(const Kept& kept, const std::vector<Cause::Kind>& covered) const {
  for (const auto& [rule, cause] : kept.finding.follows) {
    if (!ignores(*rule) && causes_.contains(keyOf(*rule, cause))) return true;
  }
  return std::ranges::any_of(covered, [&](Cause::Kind kind) {
    return kept.finding.covers != kind &&
           std::ranges::all_of(kept.finding.faults,
                               [&](const Fault& fault) { return fault.cause.kind == kind; });
  });
}

void Report::flush(std::uint64_t entries) {
  std::vector<Cause::Kind> covered;
  for (const Kept& kept : kept_) {
    if (kept.finding.covers != Cause::Kind::kLine && !ignores(*kept.rule))
      covered.push_back(kept.finding.covers);
  }
  for (Kept& kept : kept_) {
    const bool follows = folded(kept, covered);
    kept.shown = !ignores(*kept.rule) && !follows;
    if (kept.shown) {
      auto& [count, runs] = tally_[kept.rule];
      ++count;
      runs.insert(runs.end(), kept.entries.begin(), kept.entries.end());
    } else if (!follows) {
      ++leftOut_[kept.rule];
    }
  }
  std::ranges::stable_sort(kept_, {}, &Kept::line);  // a finding may come after its line
  bool written = false;
  for (const Kept& kept : kept_) {
    if (!kept.shown) continue;
    written = true;
    std::string text = name_ + ":" + std::to_string(kept.line);
    text.append(kept.rule->severity == Severity::kError ? ": error: " : ": warning: ");
    text.append(kept.message);
    if (entries > 1 && kept.entries.size() == entries) {
      text.append(" (on every entry)");
    } else if (kept.more > 0) {
      text.append(" (").append(counted(kept.more, "more line")).append(")");
    }
    write(text.append(" [").append(kept.rule->tag).append("]"));
  }
  if (written && !path_.empty()) write(name_ + ": note: the files named follow \"" + path_ + "\"");
  kept_.clear();
}

void Report::summarize(std::string_view description, std::uint64_t entries, std::string_view note) {
  flush(entries);
  if (!note.empty()) write(name_ + ": note: " + std::string(note));
  std::string tags;  // the findings by tag, then those left out
  std::string left;
  std::uint64_t leftOut = 0;
  std::uint64_t errors = 0;
  std::uint64_t warnings = 0;
  for (const Rule* rule : allRules()) {
    if (const auto found = leftOut_.find(rule); found != leftOut_.end()) {
      leftOut += found->second;
      left.append(left.empty() ? " (" : ", ").append(rule->tag);
    }
    const auto found = tally_.find(rule);
    if (found == tally_.end()) continue;
    auto& [count, touched] = found->second;  // each entry touched once
    std::ranges::sort(touched);
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    (rule->severity == Severity::kError ? errors : warnings) += count;
    tags.append(tags.empty() ? "" : ", ").append(rule->tag);
    tags.append(1, ' ').append(std::to_string(count));
    if (!touched.empty()) tags.append(" (" + counted(touched.size(), "entry") + ")");
  }
  if (!tags.empty()) {
    write(name_ + ": note: multikevra-check --explain TAG tells what a finding means");
    write(name_ + ": findings by tag: " + tags);
  }
  std::string text = name_ + ": " + std::string(description) + ": ";
  text.append(counted(errors, "error")).append(", ").append(counted(warnings, "warning"));
  if (!ignored_.empty())
    text.append(", " + std::to_string(leftOut) + " ignored" + left + (left.empty() ? "" : ")"));
  write(text);
}

int Report::exitStatus() const {
  const auto any = [&](Severity severity) {
    return std::ranges::any_of(tally_, [&](const auto& tally) {
      return tally.first->severity == severity && tally.second.first > 0;
    });
  };
  return any(Severity::kError) ? 2 : any(Severity::kWarning) ? 1 : 0;
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
