// Every rule of the checker, in one list that also declares it, in the order they look at a line
// (by room: the line's text, earlier lines, the machine, what the batch left); the check, --help,
// --explain, --ignore and the tests read it. A new rule: a file rules/ROOM/TAG.cc defining
// `const Rule kName`, and its name here.
#pragma once

#include <span>
#include <string_view>

#include "check/after_site.h"
#include "check/names.h"
#include "check/rule.h"
#include "check/script.h"
#include "check/site.h"

// clang-format off
#define MK_CHECK_RULES(RULE)                                                                     \
  RULE(kNoBackslash) RULE(kPercent) RULE(kSplitName) RULE(kSpecialChar) RULE(kSlash)            \
  RULE(kPlus) RULE(kQuote) RULE(kByteOrderMark) RULE(kNonAscii) RULE(kInvalidName)              \
  RULE(kEmptyInputName) RULE(kEmptyName) RULE(kCut) RULE(kForeignLine) RULE(kCutShort)          \
  RULE(kNoEntries)                                                                               \
  RULE(kOverwritesOwnFile) RULE(kDuplicateEntry) RULE(kKeptCollision) RULE(kNotText)            \
  RULE(kMissingInput) RULE(kOverwritesBackup) RULE(kNoTc) RULE(kTcIsBatch) RULE(kMissingData)   \
  RULE(kNoFolder) RULE(kReplacesKept) RULE(kCopyPrompts) RULE(kReadOnly) RULE(kNotAFile)        \
  RULE(kNoBackup) RULE(kNotKept) RULE(kReplaced) RULE(kStale) RULE(kUnchangedOutput)            \
  RULE(kNotChained)
// clang-format on

namespace mk::check {

#define MK_CHECK_DECLARE(name) extern const Rule name;
MK_CHECK_RULES(MK_CHECK_DECLARE)
#undef MK_CHECK_DECLARE

// What a rule reads: the script and its line, and what its room reads beside them.
struct Context {
  const Script& script;
  const Line& line;
  const Names* names = nullptr;      // the names of the lines before (not after the batch)
  Site* site = nullptr;              // the machine, before the batch
  const AfterSite* after = nullptr;  // what the batch left
};

// All of them, room by room.
std::span<const Rule* const> allRules();

// The rule whose tag is `tag`, or else the one rule whose tag begins with it; nullptr when none
// is, or several.
const Rule* ruleOf(std::string_view tag);

// The tag nearest to `text` (a misspelt tag: at most two letters added, dropped or changed),
// or an empty view when none is near.
std::string_view nearestTag(std::string_view text);

}  // namespace mk::check
