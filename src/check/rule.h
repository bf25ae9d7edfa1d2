// A rule of the checker and what it hands back, its findings: what it finds on a line, with
// causes and words. The engine (check.cc, report.cc) keeps one finding per cause, leaves out
// what follows from another finding, and writes the report.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mk::check {

enum class Severity : unsigned char { kError, kWarning };

// What a rule reads, in the order of a line's findings: the line's own text, the line beside the
// names of earlier lines, the machine before the batch, what the batch left.
enum class Room : unsigned char { kLine, kNames, kMachine, kAfter };

// What an entry left, the worst first: its keep lines' worst finding, or done; unknown for a
// batch that keeps no files.
// clang-format off
enum class Outcome : unsigned char { kNotKept, kReplaced, kUnchangedOutput, kStale, kDone, kUnknown };
// clang-format on

// What a finding is about: the value the user gave and mends (an answer of the dialogue, an
// entry's data name or information text), a file or folder of the machine, the list file, or a
// line itself.
struct Cause {
  // A kept file's output file name and suffix are told apart by their place among the entry's
  // keep lines (unit 1, 2, ...); a data name and an information text by their entry.
  // clang-format off
  enum class Kind : unsigned char {
      kLine, kBatch, kDirectory, kInputName, kOutputFile, kSuffix, kDataName, kInformation, kFile,
      kListFile};
  // clang-format on
  Kind kind = Kind::kLine;
  std::uint64_t unit = 0;  // the line, the place, the entry
  std::string file;        // the key (Script::key) of a file or folder
};

struct Context;
struct Line;
struct NamedValue;
struct Rule;

// One cause of a finding, at a value of the line (none: the line's own text), and the words the
// report says of it: "VALUE WHAT: EFFECT; CHANGE" (CHANGE by default what mends the cause).
struct Fault {
  Cause cause;
  const NamedValue* value = nullptr;
  std::size_t at = 0;  // where in the line
  std::string what, effect, change;
};

// What a rule finds on a line. Its message is `message`, or else made from its faults, those
// whose causes have no finding of the rule yet: the others reach this line, and where none is
// left it adds nothing.
struct Finding {
  std::vector<Fault> faults;
  std::string message;
  std::uint64_t line = 0;   // where it stands, when not on the line looked at, and its entry
  std::uint64_t entry = 0;  //
  // It follows from any of these findings, and is left out while one of them is reported.
  std::vector<std::pair<const Rule*, Cause>> follows;
  // Findings whose causes are all of this kind follow from it (kLine: none).
  Cause::Kind covers = Cause::Kind::kLine;
  // Where this cause has a finding of the rule already, this finding only reaches it.
  std::optional<Cause> reachesOnly;
  Outcome outcome = Outcome::kUnknown;  // what it makes of its entry, after the batch

  // A finding whose message is `text`, about `cause` (by default the line it stands on).
  static Finding of(std::string text, std::optional<Cause> cause = std::nullopt) {
    Finding finding;
    if (cause) finding.faults.push_back({std::move(*cause), nullptr, 0, {}, {}, {}});
    finding.message = std::move(text);
    return finding;
  }
};

using Findings = std::vector<Finding>;

// What a rule is called and tells of itself.
struct RuleText {
  std::string_view tag;          // how reports, --explain and --ignore name the rule
  Severity severity;             // an error goes wrong for sure; a warning probably does
  Room room;                     // what it reads
  std::string_view summary;      // one line, for --help
  std::string_view explanation;  // for --explain: what cmd or Windows does, an example, mends
};

struct Rule : RuleText {
  // Adds to `found` what it finds on `line`, reading what its room reads in `context`.
  void (*find)(const Line& line, const Context& context, Findings& found);
};

}  // namespace mk::check
