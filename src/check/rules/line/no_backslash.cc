// no-backslash: a directory path without its final backslash, which every name runs into.
#include "check/rules/line/line_rule.h"

namespace mk::check {

// The first line alone splits P at its last separator, so P lacks one only where the first
// entry's keep lines told P.
static void find(const Line& line, const Context& context, Findings& found) {
  const Script& script = context.script;
  if (line.number != 1 || !script.runsIntoPath()) return;
  const Cause cause{Cause::Kind::kDirectory, 0, {}};
  found.push_back(Finding::of("directory path " + inQuotes(script.path()) +
                                  " does not end in \"\\\": names run into it, as " +
                                  inQuotes(script.path() + script.sampleInput) + "; add the \\",
                              cause));
}

const Rule kNoBackslash = {
    {"no-backslash", Severity::kWarning, Room::kLine,
     "the directory path does not end in \\: every name runs into its last folder's name",
     R"(multikevra writes the directory path verbatim in front of every name ("remember the \s").
Without its final backslash (C:\kevra\run2 for C:\kevra\run2\) every name runs into the last
folder's name: the backup copies C:\kevra\run2quartz.inp, tc runs C:\kevra\run2quartz, and the
kept files land beside the folder. The first entry's keep lines tell where the path ends (a kept
name is the path, the data name and the suffix), so this is found when the batch keeps files.
A prefix may be meant (C:\kevra\run2_ for run2_quartz.inp): on the Windows machine,
missing-input tells whether the sample input is there.

To mend: answer the directory with its final backslash and run multikevra again, or --ignore
no-backslash if the prefix is meant.)"},
    find};

}  // namespace mk::check
