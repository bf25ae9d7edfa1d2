// cut-short: the script's last line has no line end, so writing it stopped there.
#include "check/rules/line/line_rule.h"

namespace mk::check {

static void find(const Line& line, const Context& /*context*/, Findings& found) {
  if (line.ended) return;
  found.push_back(
      Finding::of("the last line has no line end: writing the script stopped here; write it anew"));
}

const Rule kCutShort = {
    {"cut-short", Severity::kWarning, Room::kLine,
     "the last line has no line end: writing the script stopped there",
     R"(multikevra ends every line with CR LF, and a run that fails or is stopped ends after a whole
line. A last line without a line end was cut while the script was written or copied (a full
disk, a copy that stopped): the line may be cut in the middle (then it is not also reported as
foreign-line), and the entries after it are missing.

To mend: write the script anew with multikevra, with the same answers, and check it again.)"},
    find};

}  // namespace mk::check
