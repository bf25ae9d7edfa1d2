// not-chained: chaining was on, and the sample input does not hold tc's output of the last run.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

// The first entry's chaining line stands for all: the files are looked at as the batch left
// them, after the last.
static void find(const Line& line, const Context& context, Findings& found) {
  const AfterSite& site = *context.after;
  if (line.kind() != LineKind::kChaining || line.entry != 1) return;
  const Script& script = site.script();
  if (site.machine().sameBytes(script.sampleInputFile, script.tcOutputFile)) return;
  found.push_back(Finding::of("the sample input " + inQuotes(script.sampleInput) +
                              " does not hold tc's output: the last chaining copy did not happen"));
}

const Rule kNotChained = {
    {"not-chained", Severity::kError, Room::kAfter,
     "chaining was on, and the sample input does not hold tc's last output",
     R"(With chaining on, each run's output file P I.out is copied onto the sample input P I.inp,
so that the next run starts from it, and after the batch the two hold the same bytes. They
differ: the last chaining copy did not happen. It was refused (a read-only sample input,
"Access is denied"), or the batch stopped before it, and the runs probably did not start from
each other's results.

To mend: clear the sample input's read-only attribute (attrib -r), restore it from the backup,
and run the batch again.)"},
    find};

}  // namespace mk::check
