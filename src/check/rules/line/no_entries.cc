// no-entries: a script that runs no entry.
#include "check/rules/line/line_rule.h"

namespace mk::check {

static void find(const Line& line, const Context& /*context*/, Findings& found) {
  if (!line.last || line.entry != 0) return;
  found.push_back(Finding::of(
      "the script runs no entry: the count was 0, or multikevra stopped at the first name"));
}

const Rule kNoEntries = {
    {"no-entries", Severity::kWarning, Room::kLine,
     "the script runs no entry: it backs up the input and stops",
     R"(The script has its two opening lines and no run line: the number of files was answered
with 0 or less, or multikevra stopped before the first entry at an empty or unreadable list
file ("list in: end of file", "read start: can't read file"). It backs up the sample input,
deletes tc's output, and refines nothing.

To mend: check the list file and the count, and run multikevra again.)"},
    find};

}  // namespace mk::check
