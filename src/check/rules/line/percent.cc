// percent: a % in a line, which cmd replaces or drops before the line runs.
#include "check/rules/line/line_rule.h"

namespace mk::check {

// A %% reaches the command as one %, but whether it was meant so the line cannot tell: a %%
// written on purpose stays reported.
static void find(const Line& line, const Context& /*context*/, Findings& found) {
  Finding& finding = found.emplace_back();
  for (std::size_t at = line.text.find('%'); at != std::string_view::npos;
       at = line.text.find('%', at + 1))
    addFault(finding, line, at, "holds \"%\"", "cmd runs other text");
}

const Rule kPercent = {
    {"percent", Severity::kError, Room::kLine,
     "a % in a line: cmd replaces %NAME% and %1 and drops a lone %",
     R"(cmd reads every % of a batch file before it runs the line: %NAME% becomes the value
of the environment variable NAME (or nothing), %1 to %9 the batch's own arguments, and a lone %
is dropped, so tc, copy or del get other text than written. A %% is read as one %; whether it
was meant so cannot be told, and it is reported too.

Example (tc receives the information text "RATE 50 "):
  tc C:\kevra\quartz\sample "macro filename {s01} macro information {RATE 50% } #define GUI_LINES"

To mend: take the % out of the list file, the information file or the answers (the message
names the value) and run multikevra again.)"},
    find};

}  // namespace mk::check
