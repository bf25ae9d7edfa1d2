// stale: a kept file older than the script, which this batch did not replace.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  const AfterSite& site = *context.after;
  if (line.kind() != LineKind::kKeep || !site.older(site.kept())) return;
  found
      .emplace_back(Finding::of("kept file " + inQuotes(site.kept().kept) + ofEntry(line) +
                                " is older than the script: its run made no " +
                                inQuotes(site.kept().output) + ", or this copy failed"))
      .outcome = Outcome::kStale;
}

const Rule kStale = {
    {"stale", Severity::kWarning, Room::kAfter,
     "a kept file older than the script: this batch did not replace it",
     R"(The kept file exists but was last written before the script was: an earlier batch left
it, and this batch's copy did not replace it, because the run made no output file or the copy
failed.

To mend: run that entry again (--after --rerun).)"},
    find};

}  // namespace mk::check
