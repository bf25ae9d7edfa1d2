// tc-is-batch: the tc cmd finds first is a batch file, which never returns to this one.
#include "check/file_names.h"
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  const Site& site = *context.site;
  if (line.kind() != LineKind::kRun || line.entry != 1) return;
  const CommandSearch search = findCommand(site.machine(), "tc");
  if (!search.found) return;
  if (!equalIgnoringCase(search.extension, ".bat") && !equalIgnoringCase(search.extension, ".cmd"))
    return;
  found.push_back(Finding::of("the tc cmd finds first is the batch file " +
                              inQuotes(*search.found) +
                              ": the first run never returns, and nothing after it runs"));
}

const Rule kTcIsBatch = {
    {"tc-is-batch", Severity::kError, Room::kMachine,
     "(on Windows) the tc cmd finds first is a .bat or .cmd file: only one run starts",
     R"(When the first tc that cmd finds is a batch file (tc.bat or tc.cmd, as wrappers are
often installed), cmd runs it in place of the rest of multikevra.bat: a batch file started from
another without "call" never returns to it. The first run is the last line that runs: its keep
lines and every entry after it are silently skipped (C:\tools\tc.bat found on PATH before the
folder of tc.exe, say).

To mend: put the folder of tc.exe ahead of the batch file's on PATH, or run the batch from
kevra's main directory, where tc.exe comes first (.EXE comes before .BAT in PATHEXT).)"},
    find};

}  // namespace mk::check
