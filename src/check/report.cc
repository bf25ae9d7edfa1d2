#include "check/report.h"

#include "check/rules.h"

namespace mk::check {

Report::Report(std::string_view scriptName, std::FILE* out) : name_(scriptName), out_(out) {}

void Report::ignore(const Rule& rule) {
  ignored_.try_emplace(&rule, 0);
}

void Report::add(std::uint64_t line, const Rule& rule, std::string_view message) {
  ++made_;
  if (const auto left = ignored_.find(&rule); left != ignored_.end()) {
    ++left->second;
    return;
  }
  const bool error = rule.severity == Severity::kError;
  ++(error ? errors_ : warnings_);
  std::string text = name_ + ":" + std::to_string(line);
  text.append(error ? ": error: " : ": warning: ").append(message);
  text.append(" [").append(rule.tag).append("]\n");
  if (heldLine_ != 0) {
    heldBack_.append(text);
  } else {
    write(text);
  }
}

void Report::hold(std::uint64_t line, const Rule& rule) {
  heldLine_ = line;
  held_ = &rule;
}

void Report::release(std::string_view message) {
  const std::uint64_t line = heldLine_;
  heldLine_ = 0;
  --made_;  // added once, when it was held
  add(line, *held_, message);
  write(heldBack_);
  heldBack_.clear();
}

void Report::note(std::string_view message) {
  write(name_ + ": note: " + std::string(message) + "\n");
}

void Report::summarize(const ScriptSummary& summary) {
  std::string description = counted(summary.entries, "entry");
  description.append(summary.chaining ? ", chaining on, " : ", chaining off, ");
  description.append(counted(summary.keptPerEntry, "file")).append(" kept per entry");
  summarize(description);
}

void Report::summarize(std::string_view description) {
  if (errors_ + warnings_ > 0) note("multikevra-check --explain TAG tells what a finding means");
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
  write(text + "\n");
}

int Report::exitStatus() const {
  if (errors_ > 0) return 2;
  return warnings_ > 0 ? 1 : 0;
}

void Report::write(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), out_);
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

}  // namespace mk::check
