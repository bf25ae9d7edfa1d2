#include "check/report.h"

#include "check/file_names.h"
#include "check/rules.h"

namespace mk::check {

// The key of the finding of `rule` about `cause`.
static std::string keyOf(const Rule& rule, const Cause& cause) {
  std::string key(rule.tag);
  key.append(1, '\0').append(1, static_cast<char>(cause.kind)).append(std::to_string(cause.unit));
  return key.append(1, '\0').append(foldCase(cause.file));
}

Report::Report(std::string_view scriptName, std::FILE* out) : name_(scriptName), out_(out) {}

void Report::ignore(const Rule& rule) {
  ignored_.try_emplace(&rule, 0);
}

bool Report::reached(const Line& line, const Rule& rule, const Cause& cause) {
  if (cause.kind == Cause::Kind::kLine) return false;
  const auto found = byCause_.find(keyOf(rule, cause));
  if (found == byCause_.end()) return false;
  if (found->second != kLeftOut) {
    findings_[found->second].reach.add(line);
    tags_[&rule].second.add(line);
  }
  return true;
}

void Report::add(const Line& line, const Rule& rule, std::span<const Cause> causes,
                 std::string_view message) {
  std::size_t fresh = 0;
  for (const Cause& cause : causes)
    fresh += reached(line, rule, cause) ? 0 : 1;
  if (fresh == 0) return;
  ++made_;
  const auto left = ignored_.find(&rule);
  const std::size_t index = left != ignored_.end() ? kLeftOut : findings_.size();
  for (const Cause& cause : causes) {
    if (cause.kind != Cause::Kind::kLine) byCause_.try_emplace(keyOf(rule, cause), index);
  }
  if (index == kLeftOut) {
    ++left->second;
    return;
  }
  ++(rule.severity == Severity::kError ? errors_ : warnings_);
  findings_.push_back({line.number, &rule, std::string(message), {}});
  findings_.back().reach.add(line);
  --findings_.back().reach.more;  // its own line
  ++tags_[&rule].first;
  tags_[&rule].second.add(line);
}

void Report::Reach::add(const Line& line) {
  ++more;
  if (line.entry != 0 && line.entry != lastEntry) ++entries;
  if (line.entry != 0) lastEntry = line.entry;
}

void Report::note(std::string_view message) {
  notes_.push_back(name_ + ": note: " + std::string(message));
}

void Report::flush(std::uint64_t entries) {
  for (const Finding& finding : findings_) {
    std::string text = name_ + ":" + std::to_string(finding.line);
    text.append(finding.rule->severity == Severity::kError ? ": error: " : ": warning: ");
    text.append(finding.message);
    if (entries > 1 && finding.reach.entries == entries) {
      text.append(" (and on every entry)");
    } else if (finding.reach.more > 0) {
      text.append(" (and " + counted(finding.reach.more, "more line") + ")");
    }
    write(text.append(" [").append(finding.rule->tag).append("]"));
  }
  findings_.clear();
  for (const std::string& note : notes_)
    write(note);
  notes_.clear();
}

void Report::summarize(const ScriptSummary& summary) {
  std::string description = counted(summary.entries, "entry");
  description.append(summary.chaining ? ", chaining on, " : ", chaining off, ");
  description.append(counted(summary.keptPerEntry, "file")).append(" kept per entry");
  summarize(description, summary.entries);
}

void Report::summarize(std::string_view description, std::uint64_t entries) {
  flush(entries);
  if (errors_ + warnings_ > 0) {
    write(name_ + ": note: multikevra-check --explain TAG tells what a finding means");
    std::string tags;
    for (const Rule* rule : allRules()) {
      const auto found = tags_.find(rule);
      if (found == tags_.end() || found->second.first == 0) continue;
      const std::uint64_t touched = found->second.second.entries;
      tags.append(tags.empty() ? "" : ", ").append(rule->tag).append(" ");
      tags.append(std::to_string(found->second.first));
      if (touched > 0) tags.append(" (" + counted(touched, "entry") + ")");
    }
    write(name_ + ": findings by tag: " + tags);
  }
  std::string text = name_ + ": " + std::string(description) + ": ";
  text.append(counted(errors_, "error")).append(", ").append(counted(warnings_, "warning"));
  if (!ignored_.empty()) {
    std::uint64_t count = 0;
    std::string tags;
    for (const Rule* rule : allRules()) {
      const auto left = ignored_.find(rule);
      if (left == ignored_.end() || left->second == 0) continue;
      count += left->second;
      tags.append(tags.empty() ? " (" : ", ").append(rule->tag);
    }
    text.append(", ").append(std::to_string(count)).append(" ignored").append(tags);
    if (!tags.empty()) text.append(")");
  }
  write(text);
}

int Report::exitStatus() const {
  if (errors_ > 0) return 2;
  return warnings_ > 0 ? 1 : 0;
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
    if (byte >= 32 && byte != 127 && (byte < 128 || byte >= 160)) {
      shown += c;
    } else {
      shown.append(1, '<').append(1, kDigits[byte >> 4U]).append(1, kDigits[byte & 15U]) += '>';
    }
  }
  return shown;
}

}  // namespace mk::check
