// byte-order-mark: the bytes a "UTF-8 with BOM" file begins with, at the start of a data name
// or an information text.
#include "check/rules/line/line_rule.h"

namespace mk::check {

// The non-ascii and cut findings of the name it joined follow from it.
static void find(const Line& line, const Context& /*context*/, Findings& found) {
  if (line.kind() != LineKind::kRun) return;
  Finding& finding = found.emplace_back();
  for (const ValueKind kind : {ValueKind::kDataName, ValueKind::kInformation}) {
    const NamedValue* value = findValue(line.shape, kind);
    if (value == nullptr || !startsWithByteOrderMark(value->text)) continue;
    addFault(finding, line, offsetOf(line, value->text), "begins with a byte order mark",
             "its bytes join it");
    finding.faults.back().change = "save the file without BOM";
  }
}

const Rule kByteOrderMark = {
    {"byte-order-mark", Severity::kError, Room::kLine,
     "a list or information file saved with a BOM: its bytes join a name",
     R"(Editors that save "UTF-8 with BOM" (Notepad, Excel) put the bytes EF BB BF at the start
of the file. multikevra copies the list and information files byte for byte, so those bytes
become the start of the first entry's data name or information text ({\xEF\xBB\xBFs01} for
s01): tc is handed a name no file has, or receives them in its argument.

To mend: save the file as UTF-8 without BOM, or as ANSI, and run multikevra again.)"},
    find};

}  // namespace mk::check
