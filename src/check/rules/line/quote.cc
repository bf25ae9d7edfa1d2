// quote: a double quote in a run line's data name or information, which ends tc's argument.
#include "check/rules/line/line_rule.h"

namespace mk::check {

static void find(const Line& line, const Context& /*context*/, Findings& found) {
  if (line.kind() != LineKind::kRun) return;
  Finding& finding = found.emplace_back();
  for (const ValueKind kind : {ValueKind::kDataName, ValueKind::kInformation}) {
    const NamedValue* value = findValue(line.shape, kind);
    if (value == nullptr || value->text.find('"') == std::string_view::npos) continue;
    addFault(finding, line, offsetOf(line, value->text) + value->text.find('"'),
             "holds a double quote", "it ends tc's argument");
  }
}

const Rule kQuote = {
    {"quote", Severity::kError, Room::kLine,
     "a double quote in a data name or information ends tc's argument",
     R"(The run line hands tc its macro text as one argument in double quotes. A double quote
inside the data name or the information text closes that argument early: tc receives the text
cut in pieces, and the rest of the line, now outside quotes, is open to cmd's & | < > ^.

Example:
  tc C:\kevra\quartz\sample "macro filename {s01} macro information {TITLE "quartz" } #define GUI_LINES"

To mend: take the double quotes out of the list or information file; run multikevra again.)"},
    find};

}  // namespace mk::check
