// What the rules that read a line's own text share: where a value stands in the line, a byte
// order mark's bytes, and the fault at a place of the line.
#pragma once

#include <string>

#include "check/rules.h"
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

// Adds the fault at `at` in `line`, with its words, to `finding`, unless it lies outside the
// values of a line multikevra writes: there it is in the second copy of P (or I), whose first
// copy holds it too.
inline void addFault(Finding& finding, const Line& line, std::size_t at, std::string what,
                     std::string effect) {
  Fault fault = faultAt(line, at, std::move(what), std::move(effect));
  if (fault.value != nullptr || line.kind() == LineKind::kForeign)
    finding.faults.push_back(std::move(fault));
}

}  // namespace mk::check
