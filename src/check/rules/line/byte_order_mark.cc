// byte-order-mark: the bytes a "UTF-8 with BOM" file begins with, at the start of a data name
// or an information text.
#include "check/rules/line/line_rule.h"

namespace mk::check {

// Its cut and non-ascii findings on the name it joined are its own: those rules leave them.
static void find(const Script& /*script*/, const Line& line, Report& report) {
  if (line.kind() != LineKind::kRun) return;
  std::vector<Fault> faults;
  for (const ValueKind kind : {ValueKind::kDataName, ValueKind::kInformation}) {
    const NamedValue* value = findValue(line.shape, kind);
    if (value != nullptr && startsWithByteOrderMark(value->text))
      faults.push_back(faultAt(line, offsetOf(line, value->text)));
  }
  reportFaults(
      report, line, kByteOrderMark, faults,
      [](const Fault&) { return "begins with a byte order mark"; },
      [](const Fault&) { return "its bytes join it"; },
      [](const Fault&) { return "save the file without BOM"; });
}

const LineRule kByteOrderMark = {
    {"byte-order-mark", Severity::kError,
     "a list or information file saved with a BOM: its bytes join a name",
     R"(Editors that save "UTF-8 with BOM" (Notepad, Excel) put the bytes EF BB BF at the start
of the file. multikevra copies the list and information files byte for byte, so those bytes
become the start of the first entry's data name or information text ({\xEF\xBB\xBFs01} for
s01): tc is handed a name no file has, or receives them in its argument.

To mend: save the file as UTF-8 without BOM, or as ANSI, and run multikevra again.)"},
    find};

}  // namespace mk::check
