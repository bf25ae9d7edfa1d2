// foreign-line: a line multikevra does not write.
#include "check/rules/line/line_rule.h"

namespace mk::check {

static void find(const Script& /*script*/, const Line& line, Report& report) {
  if (line.kind() != LineKind::kForeign) return;
  if (!line.ended && !report.ignores(kCutShort)) return;  // cut while written: cut-short's
  report.add(line, kForeignLine,
             "not a line multikevra writes (an edited script?): only its characters are checked");
}

const LineRule kForeignLine = {
    {"foreign-line", Severity::kWarning,
     "a line multikevra does not write: checked only for its characters",
     R"(The line matches none of the lines multikevra writes with this script's directory path
and input name (an echo line, say): the script was edited, or joined from two scripts. The
checker does not know what such a line means, so it looks only at what cmd does with its
characters (%, & | < > ^, bytes outside ASCII).

To mend: nothing, if the edit was meant; otherwise write the script anew with multikevra.)"},
    find};

}  // namespace mk::check
