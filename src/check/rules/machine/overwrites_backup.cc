// overwrites-backup: the backup of an earlier batch, which the first line replaces.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  Site& site = *context.site;
  const Script& script = site.script();
  if (line.number != 1 || !site.exists(script.backupFile)) return;
  if (site.machine().readOnly(script.backupFile)) return;  // not replaced: read-only's
  found.push_back(Finding::of("the backup " + inQuotes(script.backup) +
                              " exists: this batch replaces it with today's " +
                              inQuotes(script.sampleInput) + "; move it first"));
}

const Rule kOverwritesBackup = {
    {"overwrites-backup", Severity::kWarning, Room::kMachine,
     "(on Windows) an old backup of the sample input will be replaced",
     R"(The script's first line copies the sample input to P I_orig.inp. When that backup is
there from an earlier batch, it is replaced with the sample input as it is now, which after a
chained batch is that batch's last result, not the original.

To mend: move or rename the old backup before the batch runs, if it is the original you want
to keep.)"},
    find};

}  // namespace mk::check
