// replaces-kept: kept files of an earlier batch exist, and this batch replaces them.
#include "check/rules/machine/site.h"

namespace mk::check {

// The finding counts the kept files that exist, so it is held at the first one's line and
// worded at the end (finish).
static void find(const Line& line, const Names& names, Site& site, Report& report) {
  if (line.kind() != LineKind::kKeep || report.ignores(kReplacesKept)) return;
  if (!site.exists(line.keptKey) || existsWhenRun(site.script(), line, names)) return;
  if (site.machine().readOnly(line.keptKey)) return;  // not replaced: read-only's
  Site::Replaced& replaced = site.replaced();
  if (++replaced.count > 1) return;
  replaced.first = site.script().path() + std::string(line.value(ValueKind::kKeptName));
  report.hold(line.number, kReplacesKept);
}

static void finish(Site& site, Report& report) {
  const Site::Replaced& replaced = site.replaced();
  if (replaced.count == 0) return;
  if (replaced.count == 1) {
    report.release("kept file " + inQuotes(replaced.first) +
                   " exists: an earlier batch left it, and this batch replaces it");
    return;
  }
  report.release(std::to_string(replaced.count) + " kept files exist, the first " +
                 inQuotes(replaced.first) +
                 ": an earlier batch left them, and this batch replaces them");
}

const MachineRule kReplacesKept = {
    {"replaces-kept", Severity::kWarning,
     "(on Windows) kept files of an earlier batch exist: this batch replaces them",
     R"(The kept files of an earlier batch are there (the batch runs again, or another batch
with the same data names and suffixes): this batch replaces them without a word, and the
earlier results are lost unless they were moved first. One warning for the whole script, on
the first keep line whose kept file exists, with the count: a rerun is often what was meant.

To mend: move the earlier kept files to another folder first, if you want to keep them; if
the rerun is meant, --ignore replaces-kept.)"},
    find,
    finish};

}  // namespace mk::check
