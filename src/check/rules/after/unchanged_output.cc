// unchanged-output: a kept file with the bytes of the entry before's, so its run probably failed.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  const AfterSite& site = *context.after;
  if (line.kind() != LineKind::kKeep) return;
  const KeptFile& kept = site.kept();
  if (!kept.written || site.older(kept)) return;
  for (const KeptFile& earlier : site.before()) {
    const Script& script = site.script();
    if (!earlier.written || script.key(earlier.output) != script.key(kept.output) ||
        script.key(earlier.name) == script.key(kept.name) ||
        !site.machine().sameBytes(earlier.name, kept.name)) {
      continue;
    }
    found
        .emplace_back(Finding::of("kept file " + inQuotes(kept.kept) + ofEntry(line) +
                                  " has the bytes of entry " + std::to_string(line.entry - 1) +
                                  "'s " + inQuotes(earlier.kept) + ": its run probably failed"))
        .outcome = Outcome::kUnchangedOutput;
    return;
  }
}

const Rule kUnchangedOutput = {
    {"unchanged-output", Severity::kWarning, Room::kAfter,
     "a kept file with the entry before's bytes: its run probably failed",
     R"(The batch goes on after a failed run, and the failed entry's keep lines copy the output
files the previous run left, under the failed entry's names: they look like results. A kept
file with the same bytes as the same output's kept file of the entry before shows that
(qz_0200K.hkl holds the bytes of qz_0150K.hkl).

To mend: run that entry again (--after --rerun). If two entries give the same file, all is well.)"},
    find};

}  // namespace mk::check
