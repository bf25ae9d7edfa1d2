#include "check/after_check.h"

#include <chrono>
#include <utility>

#include "check/file_checks.h"
#include "check/file_names.h"
#include "check/value_words.h"

namespace mk::check {

namespace {

// A span of time as a person reads it: "42 s", "3 min 5 s", "2 h 10 min".
std::string duration(std::filesystem::file_time_type::duration span) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(span).count();
  if (seconds < 60) return std::to_string(seconds) + " s";
  if (seconds < 3600) {
    return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
  }
  return std::to_string(seconds / 3600) + " h " + std::to_string(seconds % 3600 / 60) + " min";
}

}  // namespace

AfterCheck::AfterCheck(Report& report)
    : report_(report), scriptWritten_(lastWritten(report.scriptName())) {}

bool AfterCheck::start(std::string_view line) {
  const LineShape shape = recogniseFirstLine(line);
  if (shape.kind != LineKind::kBackup) return false;
  lineNumber_ = 1;
  lines_ = ScriptLines(shape.values[0].text, shape.values[1].text);
  const std::string backup = lines_.path() + lines_.input() + "_orig.inp";
  if (!isFile(backup)) {
    report_.add(lineNumber_, Finding::kNoBackup,
                "the backup " + inQuotes(backup) +
                    " does not exist: the sample input as it was before the batch is kept "
                    "nowhere, and if the script chains its runs it is lost; check the script "
                    "with multikevra-check before the next batch");
  }
  return true;
}

void AfterCheck::checkLine(std::string_view line) {
  ++lineNumber_;
  lines_.recognise(line, shape_);
  if (shape_.kind == LineKind::kRun) {
    endEntry();
    ++entries_;
    runLine_ = lineNumber_;
  } else if (shape_.kind == LineKind::kKeep && entries_ > 0) {
    checkKeep(shape_);
  }
}

void AfterCheck::checkKeep(const LineShape& shape) {
  keepsFiles_ = true;
  const std::string_view output = findValue(shape, ValueKind::kOutputFile)->text;
  Kept kept{std::string(output),
            lines_.path() + std::string(findValue(shape, ValueKind::kKeptName)->text), lineNumber_,
            false};
  const std::string run = "the run on line " + std::to_string(runLine_);
  const std::optional<std::filesystem::file_time_type> written = lastWritten(kept.file);
  kept.exists = written.has_value();
  const bool stale = written && scriptWritten_ && *written < *scriptWritten_;
  if (!written || stale) entryComplete_ = false;
  if (!written) {
    report_.add(lineNumber_, Finding::kNotKept,
                "kept file " + inQuotes(kept.file) + " does not exist: " + run + " made no " +
                    inQuotes(output) + ", or this copy failed; run that entry again");
  } else if (stale) {
    report_.add(lineNumber_, Finding::kStale,
                "kept file " + inQuotes(kept.file) +
                    " is older than the script: an earlier batch left it, and this batch's copy "
                    "did not replace it (" +
                    run + " made no " + inQuotes(output) +
                    ", or this copy failed); run that entry again");
  } else {
    oldest_ = oldest_ ? std::min(*oldest_, *written) : *written;
    newest_ = newest_ ? std::max(*newest_, *written) : *written;
    for (const Kept& earlier : before_) {
      if (!earlier.exists || !equalIgnoringCase(earlier.output, output) ||
          equalIgnoringCase(earlier.file, kept.file) || !sameBytes(earlier.file, kept.file)) {
        continue;
      }
      report_.add(lineNumber_, Finding::kUnchangedOutput,
                  "kept file " + inQuotes(kept.file) + " has the same bytes as " +
                      inQuotes(earlier.file) + ", kept on line " + std::to_string(earlier.line) +
                      " from the entry before: " + run + " probably failed, and the copy took " +
                      "the previous run's " + inQuotes(output) + "; run that entry again");
      entryComplete_ = false;
      break;
    }
  }
  current_.push_back(std::move(kept));
}

// The entry that ends here: counted complete when every keep line found its file, of this
// batch and not the entry before's again. Its kept files become the ones to compare with.
void AfterCheck::endEntry() {
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

void AfterCheck::finish() {
  endEntry();
  std::string description = counted(entries_, "entry");
  if (!keepsFiles_) {
    report_.note(
        "this script keeps no files, so only the backup was checked: whether each run "
        "worked shows only in its output");
    report_.summarize(description + ", no files kept");
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
  report_.summarize(description);
}

}  // namespace mk::check
