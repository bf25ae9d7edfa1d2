// no-backup: the backup of the sample input does not exist after the batch.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  const AfterSite& site = *context.after;
  const Script& script = site.script();
  if (line.number != 1 || site.machine().kind(script.backupFile) == EntryKind::kFile) return;
  found.push_back(Finding::of("the backup " + inQuotes(script.backup) +
                              " does not exist: the original sample input is kept nowhere"));
}

const Rule kNoBackup = {
    {"no-backup", Severity::kError, Room::kAfter,
     "the backup of the sample input does not exist after the batch",
     R"(After the batch, P I_orig.inp should hold the sample input as it was before. It is
missing: the backup line failed (a missing sample input, a name cmd could not copy), or the
file was moved since. With chaining on, the original sample input is lost: every run overwrote
it with its result.

To mend: restore the sample input from elsewhere if chaining was on; run multikevra-check
before the next batch.)"},
    find};

}  // namespace mk::check
