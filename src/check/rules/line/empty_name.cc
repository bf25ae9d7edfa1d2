// empty-name: a run line with an empty data name.
#include "check/rules/line/line_rule.h"

namespace mk::check {

static void find(const Line& line, const Context& /*context*/, Findings& found) {
  if (line.kind() != LineKind::kRun || !line.value(ValueKind::kDataName).empty()) return;
  found.push_back(Finding::of("the data name of entry " + std::to_string(line.entry) +
                                  " is empty: this run gets no data file; give it a name in the "
                                  "list file",
                              dataCause(line)));
}

const Rule kEmptyName = {
    {"empty-name", Severity::kError, Room::kLine,
     "a run line with an empty data name: tc gets no data file",
     R"(A list file line that begins with a comma, or a blank line inside quotes, gives an empty
data name: the run line hands tc "macro filename {}", and that run has no data to refine.

To mend: give the entry a name in the list file and run multikevra again.)"},
    find};

}  // namespace mk::check
