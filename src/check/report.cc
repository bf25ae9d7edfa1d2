#include "check/report.h"

#include <string>

namespace mk::check {

Report::Report(std::string_view scriptName, std::FILE* out) : name_(scriptName), out_(out) {}

void Report::ignore(Finding finding) {
  if (ignored_.empty()) ignored_.assign(allFindings().size(), 0);
  ignored_[static_cast<std::size_t>(finding)] = 1;  // counts from 1: left out, none yet
}

bool Report::ignores(Finding finding) const {
  return !ignored_.empty() && ignored_[static_cast<std::size_t>(finding)] > 0;
}

void Report::add(std::uint64_t line, Finding finding, std::string_view message) {
  if (ignores(finding)) {
    ++ignored_[static_cast<std::size_t>(finding)];
    return;
  }
  const FindingInfo& info = about(finding);
  const bool error = info.severity == Severity::kError;
  ++(error ? errors_ : warnings_);
  line_.assign(name_).append(":").append(std::to_string(line));
  line_.append(error ? ": error: " : ": warning: ").append(message);
  line_.append(" [").append(info.tag).append("]\n");
  if (heldLine_ != 0) {
    heldBack_.append(line_);
  } else {
    std::fwrite(line_.data(), 1, line_.size(), out_);
  }
}

void Report::hold(std::uint64_t line, Finding finding) {
  heldLine_ = line;
  held_ = finding;
}

void Report::release(std::string_view message) {
  const std::uint64_t line = heldLine_;
  heldLine_ = 0;
  add(line, held_, message);
  std::fwrite(heldBack_.data(), 1, heldBack_.size(), out_);
  heldBack_.clear();
}

void Report::note(std::string_view message) {
  line_.assign(name_).append(": note: ").append(message).append("\n");
  std::fwrite(line_.data(), 1, line_.size(), out_);
}

void Report::summarize(const ScriptSummary& summary) {
  std::string description = counted(summary.entries, "entry");
  description.append(summary.chaining ? ", chaining on, " : ", chaining off, ");
  description.append(counted(summary.keptPerEntry, "file")).append(" kept per entry");
  summarize(description);
}

void Report::summarize(std::string_view description) {
  line_.assign(name_).append(": ").append(description).append(": ");
  line_.append(counted(errors_, "error")).append(", ").append(counted(warnings_, "warning"));
  if (!ignored_.empty()) {
    std::uint64_t count = 0;
    std::string tags;
    for (const FindingInfo& info : allFindings()) {
      const std::uint64_t left = ignored_[static_cast<std::size_t>(info.finding)];
      if (left <= 1) continue;
      count += left - 1;
      tags.append(tags.empty() ? " (" : ", ").append(info.tag);
    }
    line_.append(", ").append(std::to_string(count)).append(" ignored").append(tags);
    if (!tags.empty()) line_.append(")");
  }
  line_.append("\n");
  std::fwrite(line_.data(), 1, line_.size(), out_);
}

int Report::exitStatus() const {
  if (errors_ > 0) return 2;
  return warnings_ > 0 ? 1 : 0;
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
