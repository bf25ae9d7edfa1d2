// replaces-kept: kept files of an earlier batch exist, and this batch replaces them.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

// One finding for the batch, on the first such kept file, that reaches the others.
static void find(const Line& line, const Context& context, Findings& found) {
  Site& site = *context.site;
  const Names& names = *context.names;
  if (line.kind() != LineKind::kKeep) return;
  if (!site.exists(line.keptFile) || existsWhenRun(site.script(), line, names)) return;
  if (site.machine().readOnly(line.keptFile)) return;  // not replaced: read-only's
  found.push_back(Finding::of("kept file " + inQuotes(line.value(ValueKind::kKeptName)) +
                                  " exists, left by an earlier batch: this batch replaces it",
                              Cause{Cause::Kind::kBatch, 0, {}}));
}

const Rule kReplacesKept = {
    {"replaces-kept", Severity::kWarning, Room::kMachine,
     "(on Windows) kept files of an earlier batch exist: this batch replaces them",
     R"(The kept files of an earlier batch are there (the batch runs again, or another batch
with the same data names and suffixes): this batch replaces them without a word, and the
earlier results are lost unless they were moved first. One warning for the whole script, on
the first keep line whose kept file exists, saying how far they reach: a rerun is often meant.

To mend: move the earlier kept files to another folder first, if you want to keep them; if
the rerun is meant, --ignore replaces-kept.)"},
    find};

}  // namespace mk::check
