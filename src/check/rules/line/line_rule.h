// The rules that read a line's own text: what cmd does with its characters, names no file can
// have, values empty or cut. A new rule of this room: a file here named after its tag, defining
// its LineRule, declared below and listed in rules.cc;
// this header brings what its code and message need.
#pragma once

#include <string>

#include "check/report.h"
#include "check/rule.h"
#include "check/script.h"
#include "check/value_words.h"

namespace mk::check {

struct LineRule : Rule {
  // Adds the rule's findings on `line` of `script` to `report`.
  void (*find)(const Script& script, const Line& line, Report& report);
};

extern const LineRule kPercent;
extern const LineRule kSplitName;
extern const LineRule kSpecialChar;
extern const LineRule kSlash;
extern const LineRule kQuote;
extern const LineRule kByteOrderMark;
extern const LineRule kNonAscii;
extern const LineRule kInvalidName;
extern const LineRule kEmptyInputName;
extern const LineRule kEmptyName;
extern const LineRule kCut;
extern const LineRule kForeignLine;

}  // namespace mk::check
