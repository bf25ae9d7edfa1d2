// How the messages speak of a line's values: what a value is, the cause it belongs to (what
// the user gave and mends), and how a user changes it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/line_shape.h"
#include "check/rule.h"
#include "check/script.h"

namespace mk::check {

// `text` in double quotes.
std::string inQuotes(std::string_view text);

// `name` in double quotes, and where Windows reads it as another name, that name too.
std::string asResolved(std::string_view name);

// " of entry N" for a line of entry N, empty before the first entry.
std::string ofEntry(const Line& line);

// The cause of the data name of `line`'s entry (before the first entry: the line).
Cause dataCause(const Line& line);

// The fault at `at` in `line`: the value holding it and its cause, with the words `what` and
// `effect`. A kept name's fault lies in the suffix answer when it stands after the entry's data
// name, else in the entry's data name.
Fault faultAt(const Line& line, std::size_t at, std::string what = {}, std::string effect = {});

// The message of a finding on `line` of `faults` (a cause each): "F what(F) and G what(G):
// effect(F); CHANGE". A fault is named by its value's kind and text, the first with the entry
// for an entry's value (kept name "s 01.hkl" of entry 3), a suffix by its part of the kept name,
// none as "this line". CHANGE, for one fault, is its change, by default what mends its cause.
std::string messageOf(const Line& line, const std::vector<Fault>& faults);

}  // namespace mk::check
