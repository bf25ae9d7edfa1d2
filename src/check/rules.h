// Every rule of the checker, in one list: the rules of each room in the order they look at a
// line, the rooms in the order of a line's findings (its text, then the comparison with
// earlier lines, then the machine). The check runs the rooms' lists; --help, --explain,
// --ignore, the fuzz target and the test of README's tables read allRules().
#pragma once

#include <span>
#include <string_view>

#include "check/rule.h"
#include "check/rules/after/after.h"
#include "check/rules/line/line_rule.h"
#include "check/rules/machine/site.h"
#include "check/rules/names/names.h"

namespace mk::check {

std::span<const LineRule* const> lineRules();
std::span<const NamesRule* const> namesRules();
std::span<const MachineRule* const> machineRules();
std::span<const AfterRule* const> afterRules();

// All of them, room by room.
std::span<const Rule* const> allRules();

// True for the rules of --after, which look at what a batch left.
bool isAfterRule(const Rule& rule);

// The rule whose tag is `tag`, or else the one rule whose tag begins with it; nullptr when none
// is, or several.
const Rule* ruleOf(std::string_view tag);

// The tag nearest to `text` (a misspelt tag: at most two letters added, dropped or changed),
// or an empty view when none is near.
std::string_view nearestTag(std::string_view text);

}  // namespace mk::check
