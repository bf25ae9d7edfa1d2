// byte-order-mark: the bytes a "UTF-8 with BOM" file begins with, at the start of a data name
// or an information text.
#include "check/rules/line/line_rule.h"

namespace mk::check {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

static void find(const Script& /*script*/, const Line& line, Report& report) {
  if (line.kind() != LineKind::kRun) return;
  const bool list = line.value(ValueKind::kDataName).starts_with(kBom);
  const bool information = line.value(ValueKind::kInformation).starts_with(kBom);
  if (!list && !information) return;
  const bool both = list && information;
  const std::string_view what = both   ? "the data name and the information"
                                : list ? "this data name"
                                       : "this information text";
  const std::string_view files = both   ? "both files"
                                 : list ? "the list file"
                                        : "the information file";
  report.add(line.number, kByteOrderMark,
             "a byte order mark (EF BB BF) begins " + std::string(what) + ": save " +
                 std::string(files) + " without BOM");
}

const LineRule kByteOrderMark = {
    {"byte-order-mark", Severity::kError,
     "a list or information file saved with a BOM: its bytes join a name",
     R"(Editors that save "UTF-8 with BOM" (Notepad, Excel) put the bytes EF BB BF at the start
of the file. multikevra copies the list and information files byte for byte, so those bytes
become the start of the first entry's data name or information text: tc is handed a name no
file has, or receives them in its argument.

Example (the list file's first line was s01):
  tc C:\kevra\quartz\sample "macro filename {\xEF\xBB\xBFs01} macro information { } #define GUI_LINES"

To mend: save the file as UTF-8 without BOM, or as ANSI, and run multikevra again.)"},
    find};

}  // namespace mk::check
