// replaced: a kept file that a later keep line of the batch copied onto.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

// Found on the later line, the finding stands on the earlier one, whose result is lost.
static void find(const Line& line, const Context& context, Findings& found) {
  const AfterSite& site = *context.after;
  if (line.kind() != LineKind::kKeep || site.kept().earlierLine == 0) return;
  const KeptFile& kept = site.kept();
  Finding& finding = found.emplace_back(Finding::of(
      "kept file " + inQuotes(kept.kept) + " of entry " + std::to_string(kept.earlierEntry) +
          " holds entry " + std::to_string(line.entry) + "'s copy (line " +
          std::to_string(line.number) + "): its result is lost; check the list file",
      Cause{Cause::Kind::kLine, kept.earlierLine, {}}));
  finding.line = kept.earlierLine;
  finding.entry = kept.earlierEntry;
  finding.outcome = Outcome::kReplaced;
}

const Rule kReplaced = {
    {"replaced", Severity::kError, Room::kAfter,
     "a kept file that a later keep line copied onto: the earlier entry's result is lost",
     R"(Two keep lines of the batch copy to one file, as Windows resolves names (s01.xy and
.\s01.xy, S01 and s01 are one file): the later copy replaced the earlier entry's kept file, which
now holds the later entry's output. Before the batch, kept-collision tells of it. Such an entry
is not run again by --rerun: its rerun would replace the later entry's file in turn.

To mend: make the list file's names differ (take a line given twice out), and run the entry
again.)"},
    find};

}  // namespace mk::check
