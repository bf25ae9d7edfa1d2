// A rule of the checker: one thing it finds in a script. Each rule stands in a file of its
// own, named after its tag, in the folder of its room (what it reads: rules/line, rules/names,
// rules/machine, rules/after): its tag, severity, summary and explanation beside the code that
// finds it and words its message. rules.cc lists every rule once, room by room.
#pragma once

#include <string_view>

namespace mk::check {

enum class Severity : unsigned char { kError, kWarning };

struct Rule {
  std::string_view tag;          // how reports, --explain and --ignore name the rule
  Severity severity;             // an error goes wrong for sure; a warning probably does
  std::string_view summary;      // one line, for --help
  std::string_view explanation;  // for --explain: what cmd or Windows does, an example, mends
};

}  // namespace mk::check
