// duplicate-entry: a data file an earlier entry ran.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  if (line.kind() != LineKind::kRun || line.dataKey.empty()) return;
  const std::uint64_t earlier = context.names->dataLine(line.dataKey);
  if (earlier == 0) return;
  found.push_back(Finding::of("data name " + asResolved(line.data) + ofEntry(line) +
                                  " ran on line " + std::to_string(earlier) +
                                  " already: it runs twice; check the list file",
                              dataCause(line)));
}

const Rule kDuplicateEntry = {
    {"duplicate-entry", Severity::kWarning, Room::kNames,
     "a data name an earlier entry ran: the same data runs twice",
     R"(Two entries name the same data file (Windows ignores the case of letters, and resolves
. and .. in names: s01, S01 and raw\..\s01 are one file): the batch refines the same data
twice, and usually another entry was meant. The message names the earlier run line.

To mend: check the list file. If the data is meant to run twice, --ignore duplicate-entry.)"},
    find};

}  // namespace mk::check
