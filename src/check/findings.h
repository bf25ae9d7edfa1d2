// Every finding of the checker, defined once: its tag, its severity, when the checker makes it,
// a one-line summary and an explanation. The report, --help, --explain and --ignore read this
// catalogue; no tag is spelled anywhere else.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace mk::check {

enum class Severity : unsigned char { kError, kWarning };

// The findings, in the catalogue's order: those before a run, then those of --after.
enum class Finding : unsigned char {
  kPercent,
  kSplitName,
  kSpecialChar,
  kSlash,
  kQuote,
  kInvalidName,
  kKeptCollision,
  kOverwritesOwnFile,
  kEmptyName,
  kEmptyInputName,
  kByteOrderMark,
  kMissingInput,
  kOverwritesBackup,
  kCut,
  kDuplicateEntry,
  kForeignLine,
  kNonAscii,
  kNoTc,
  kTcIsBatch,
  kMissingData,
  kNoFolder,
  kCopyPrompts,
  kReplacesKept,
  kNoBackup,
  kNotKept,
  kStale,
  kUnchangedOutput,
};

struct FindingInfo {
  Finding finding;
  std::string_view tag;
  Severity severity;
  bool after;                    // made by --after (what a batch left), not before a run
  std::string_view summary;      // one line, for --help
  std::string_view explanation;  // what cmd or Windows does, an example, how to mend it
};

// The catalogue, in the order of Finding.
std::span<const FindingInfo> allFindings();

// The catalogue's entry for `finding`.
const FindingInfo& about(Finding finding);

// The finding whose tag is `tag`, or nothing.
std::optional<Finding> findingOf(std::string_view tag);

// The tag nearest to `text` (a misspelt tag: at most two letters added, dropped or changed),
// or an empty view when none is near.
std::string_view nearestTag(std::string_view text);

}  // namespace mk::check
