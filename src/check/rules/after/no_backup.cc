// no-backup: the backup of the sample input does not exist after the batch.
#include "check/rules/after/after.h"

namespace mk::check {

static void find(const Line& line, const AfterSite& site, Report& report) {
  const Script& script = site.script();
  if (line.number != 1 || site.machine().kind(script.backupFile) == EntryKind::kFile) return;
  report.add(line, kNoBackup,
             "the backup " + inQuotes(script.backup) +
                 " does not exist: the original sample input is kept nowhere");
}

const AfterRule kNoBackup = {
    {"no-backup", Severity::kError, "the backup of the sample input does not exist after the batch",
     R"(After the batch, P I_orig.inp should hold the sample input as it was before. It is
missing: the backup line failed (a missing sample input, a name cmd could not copy), or the
file was moved since. With chaining on, the original sample input is lost: every run overwrote
it with its result.

To mend: restore the sample input from elsewhere if chaining was on; run multikevra-check
before the next batch.)"},
    find,
    Outcome::kUnknown};

}  // namespace mk::check
