// foreign-line: a line multikevra does not write.
#include "check/rules/line/line_rule.h"

namespace mk::check {

// A line cut while written follows from cut-short.
static void find(const Line& line, const Context& /*context*/, Findings& found) {
  if (line.kind() != LineKind::kForeign) return;
  Finding& finding = found.emplace_back(Finding::of(
      "not a line multikevra writes (an edited script?): only its characters are checked"));
  if (!line.ended)
    finding.follows.emplace_back(&kCutShort, Cause{Cause::Kind::kLine, line.number, {}});
}

const Rule kForeignLine = {
    {"foreign-line", Severity::kWarning, Room::kLine,
     "a line multikevra does not write: checked only for its characters",
     R"(The line matches none of the lines multikevra writes with this script's directory path
and input name (an echo line, say): the script was edited, or joined from two scripts. The
checker does not know what such a line means, so it looks only at what cmd does with its
characters (%, & | < > ^, bytes outside ASCII).

To mend: nothing, if the edit was meant; otherwise write the script anew with multikevra.)"},
    find};

}  // namespace mk::check
