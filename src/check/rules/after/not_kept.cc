// not-kept: a kept file is missing after the batch.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  const AfterSite& site = *context.after;
  if (line.kind() != LineKind::kKeep || site.kept().written) return;
  found
      .emplace_back(Finding::of("kept file " + inQuotes(site.kept().kept) + ofEntry(line) +
                                " does not exist: its run made no " + inQuotes(site.kept().output) +
                                ", or this copy failed"))
      .outcome = Outcome::kNotKept;
}

const Rule kNotKept = {
    {"not-kept", Severity::kError, Room::kAfter,
     "a kept file is missing: its run made no output, or the copy failed",
     R"(A keep line's file P N is missing after the batch: the entry's run made no such output
file (it failed, or was stopped), or the copy itself failed. The message names the run line.

To mend: run that entry again: --after --rerun writes its input and the commands to type.)"},
    find};

}  // namespace mk::check
