// non-ascii: bytes outside ASCII, which cmd reads in the console's code page.
#include <algorithm>

#include "check/rules/line/line_rule.h"

namespace mk::check {

static void find(const Script& /*script*/, const Line& line, Report& report) {
  const auto* at = std::find_if(line.text.begin(), line.text.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (at == line.text.end()) return;
  const NamedValue* value =
      valueAt(line.shape, line.text, static_cast<std::size_t>(at - line.text.begin()));
  report.add(line.number, kNonAscii,
             describe(value) + " holds non-ASCII bytes: cmd may read other characters; " +
                 std::string(howToChange(value)));
}

const LineRule kNonAscii = {
    {"non-ascii", Severity::kWarning, "bytes outside ASCII: cmd may read them as other characters",
     R"(cmd reads a batch file in the console's code page (850, 437 or 1252 on most machines),
while the list file was written by an editor in its own encoding, often UTF-8. An accented
name (a u with umlaut is the two bytes C3 BC in UTF-8, and two other characters in code page
850) may then name another file than the one on disk, or pass other text to tc.

Example, with the bytes written as \xNN:
  tc C:\kevra\quartz\sample "macro filename {gr\xC3\xBCn01} macro information { } #define GUI_LINES"

To mend: rename the data files (and folders) with plain ASCII names, correct the list file and
run multikevra again.)"},
    find};

}  // namespace mk::check
