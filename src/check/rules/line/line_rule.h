// The rules that read a line's own text: what cmd does with its characters, names no file can
// have, values empty or cut. A new rule of this room: a file here named after its tag, defining
// its LineRule, declared below and listed in rules.cc; this header brings what it needs.
#pragma once

#include <string>
#include <vector>

#include "check/report.h"
#include "check/rule.h"
#include "check/script.h"
#include "check/value_words.h"

namespace mk::check {

// Where `part`, a view into `line`'s text, begins in it.
inline std::size_t offsetOf(const Line& line, std::string_view part) {
  return static_cast<std::size_t>(part.data() - line.text.data());
}

// True when `text` begins with the bytes of a byte order mark (EF BB BF).
inline bool startsWithByteOrderMark(std::string_view text) {
  return text.starts_with("\xEF\xBB\xBF");
}

// Adds the fault at `at` in `line` to `faults`, unless it lies outside the values of a line
// multikevra writes: there it is in the second copy of P (or I), whose first copy holds it too.
inline void addFault(std::vector<Fault>& faults, const Line& line, std::size_t at) {
  const Fault fault = faultAt(line, at);
  if (fault.value != nullptr || line.kind() == LineKind::kForeign) faults.push_back(fault);
}

struct LineRule : Rule {
  // Adds the rule's findings on `line` of `script` to `report`.
  void (*find)(const Script& script, const Line& line, Report& report);
};

extern const LineRule kPercent;
extern const LineRule kSplitName;
extern const LineRule kSpecialChar;
extern const LineRule kSlash;
extern const LineRule kPlus;
extern const LineRule kQuote;
extern const LineRule kByteOrderMark;
extern const LineRule kNonAscii;
extern const LineRule kInvalidName;
extern const LineRule kEmptyInputName;
extern const LineRule kEmptyName;
extern const LineRule kCut;
extern const LineRule kForeignLine;
extern const LineRule kNoBackslash;
extern const LineRule kNoEntries;
extern const LineRule kCutShort;

// True when the directory path of `script` ends in none of \ / : (and is not empty), so that
// every name runs into its last folder's name.
bool runsIntoPath(const Script& script);

}  // namespace mk::check
