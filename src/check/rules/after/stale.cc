// stale: a kept file older than the script, which this batch did not replace.
#include "check/rules/after/after.h"

namespace mk::check {

static void find(const Line& line, const AfterSite& site, Report& report) {
  if (line.kind() != LineKind::kKeep || !site.older(site.kept())) return;
  report.add(line, kStale,
             "kept file " + inQuotes(site.kept().kept) + ofEntry(line) +
                 " is older than the script: its run made no " + inQuotes(site.kept().output) +
                 ", or this copy failed");
}

const AfterRule kStale = {
    {"stale", Severity::kWarning,
     "a kept file older than the script: this batch did not replace it",
     R"(The kept file exists but was last written before the script was: an earlier batch left
it, and this batch's copy did not replace it, because the run made no output file or the copy
failed.

To mend: run that entry again (--after --rerun).)"},
    find,
    Outcome::kStale};

}  // namespace mk::check
