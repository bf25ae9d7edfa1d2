// kept-collision: a keep copy onto the file an earlier keep line kept.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

// The later entry's doing; within one entry, the suffix's, unless its data name fills the kept
// name.
static void find(const Line& line, const Context& context, Findings& found) {
  if (line.kind() != LineKind::kKeep) return;
  const std::uint64_t earlier = context.names->keptLine(line.keptKey);
  if (earlier == 0) return;
  const bool suffix = line.entry != 0 && earlier > line.runLine && line.data.size() < 20;
  const Cause cause = suffix ? Cause{Cause::Kind::kSuffix, line.slot, {}} : dataCause(line);
  found.push_back(Finding::of("kept name " + asResolved(line.value(ValueKind::kKeptName)) +
                                  (suffix ? "" : ofEntry(line)) + " is line " +
                                  std::to_string(earlier) + "'s too: this copy overwrites it; " +
                                  (suffix ? "change the suffix" : "check the list file"),
                              cause));
}

const Rule kKeptCollision = {
    {"kept-collision", Severity::kError, Room::kNames,
     "a keep copy onto an earlier keep line's file, which is lost",
     R"(Two keep lines copy to one file: the later copy overwrites the earlier one, and one
entry's result is lost. Most often a list line was given twice (duplicate-entry finds it too).
A kept name is the data name and the suffix cut to 20 characters, and Windows ignores case and
resolves . and .. in names: data names that agree in their first 20 characters with the suffix
(quartz_series_0100K_a and _b with .hkl), or differ only in case, make one kept file too, and
so do two equal suffixes, in every entry. The message names the earlier line.

To mend: take the repeated line out of the list file, or make the data names or the suffixes
differ within their first 20 characters; then run multikevra again.)"},
    find};

}  // namespace mk::check
