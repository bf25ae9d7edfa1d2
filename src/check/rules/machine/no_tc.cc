// no-tc: cmd finds no tc, so every run line fails.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  const Site& site = *context.site;
  if (line.kind() != LineKind::kRun || line.entry != 1) return;
  const CommandSearch search = findCommand(site.machine(), "tc");
  if (search.found) return;
  found.push_back(Finding::of("cmd finds no tc in " + inQuotes(*site.script().current) +
                              " nor in the " + std::to_string(search.pathFolders) +
                              " folders of PATH: every run fails"));
}

const Rule kNoTc = {
    {"no-tc", Severity::kError, Room::kMachine,
     "(on Windows) cmd finds no tc here: every run fails",
     R"(A run line starts "tc" without a folder or an extension. cmd looks for it in the current
folder, then in each folder of PATH in order, trying in each every extension of PATHEXT in its
order (.COM;.EXE;.BAT;.CMD when unset). When none is found, every run line fails with "'tc' is
not recognized as an internal or external command" and the batch refines nothing: it was
started from another folder than kevra's main directory, and kevra is not on PATH. The checker
looks from the folder, and with the PATH, of the window it runs in.

To mend: run the batch and this check from kevra's main directory, or put it on PATH.)"},
    find};

}  // namespace mk::check
