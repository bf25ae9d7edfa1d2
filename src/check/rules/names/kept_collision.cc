// kept-collision: a keep copy onto the file an earlier keep line kept.
#include "check/rules/names/names.h"

namespace mk::check {

// The later entry's doing; within one entry, the suffix's, unless its data name fills the kept
// name.
static void find(const Script& /*script*/, const Line& line, const Names& names, Report& report) {
  if (line.kind() != LineKind::kKeep) return;
  const std::uint64_t earlier = names.keptLine(line.keptKey);
  if (earlier == 0) return;
  const bool suffix = line.entry != 0 && earlier > line.runLine && line.data.size() < 20;
  const Cause cause = suffix ? Cause{Cause::Kind::kSuffix, line.slot, {}} : dataCause(line);
  report.add(line, kKeptCollision, cause,
             "kept name " + asResolved(line.value(ValueKind::kKeptName)) +
                 (suffix ? "" : ofEntry(line)) + " is also the kept name of line " +
                 std::to_string(earlier) + ": this copy overwrites it; " +
                 (suffix ? "change the suffix" : "change data name or suffix"));
}

const NamesRule kKeptCollision = {
    {"kept-collision", Severity::kError,
     "a keep copy onto an earlier keep line's file, which is lost",
     R"(Two keep lines copy to one file: the later copy overwrites the earlier one, and one
entry's result is lost. Most often a list line was given twice (the same data name twice, also
found as duplicate-entry). A kept name is the data name followed by the suffix, cut to 20
characters, and Windows ignores the case of letters and resolves . and .. in names: two data
names that agree in their first 20 characters with the suffix, or differ only in case, make the
same kept file too, and two suffixes of one entry that are the same do it in every entry. The
message names the earlier line.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\quartz_series_0100K_
  ...
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\quartz_series_0100K_

To mend: take the repeated line out of the list file; or make the data names or the suffixes
differ within their first 20 characters (a shorter common prefix, a shorter suffix); then run
multikevra again.)"},
    find};

}  // namespace mk::check
