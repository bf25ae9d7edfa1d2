// kept-collision: a keep copy onto the file an earlier keep line kept.
#include "check/rules/names/names.h"

namespace mk::check {

static void find(const Script& /*script*/, const Line& line, const Names& names, Report& report) {
  if (line.kind() != LineKind::kKeep) return;
  const std::uint64_t earlier = names.keptLine(line.keptKey);
  if (earlier == 0) return;
  report.add(line.number, kKeptCollision,
             "kept name " + asResolved(line.value(ValueKind::kKeptName)) +
                 " is also the kept name of line " + std::to_string(earlier) +
                 ": this copy overwrites it");
}

const NamesRule kKeptCollision = {
    {"kept-collision", Severity::kError,
     "a keep copy onto an earlier keep line's file, which is lost",
     R"(A kept name is the data name followed by the suffix, cut to 20 characters, and Windows
ignores the case of letters and resolves . and .. in names. Two data names that agree in their
first 20 characters with the suffix, or differ only in case, make the same kept file: the later
copy overwrites the earlier one, and one entry's result is lost. The message names the earlier
line.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\quartz_series_0100K_
  ...
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\quartz_series_0100K_

To mend: make the data names or the suffixes differ within their first 20 characters (a
shorter common prefix, a shorter suffix) and run multikevra again.)"},
    find};

}  // namespace mk::check
