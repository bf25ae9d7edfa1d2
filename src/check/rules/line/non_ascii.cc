// non-ascii: bytes outside ASCII, which cmd reads in the console's code page.
#include <algorithm>

#include "check/rules/line/line_rule.h"

namespace mk::check {

// The first byte outside ASCII in `text` from `from` on, or npos.
static std::size_t findNonAscii(std::string_view text, std::size_t from) {
  const auto* at = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  return at == text.end() ? std::string_view::npos : static_cast<std::size_t>(at - text.begin());
}

static void find(const Script& /*script*/, const Line& line, Report& report) {
  std::vector<Fault> faults;
  if (line.shape.valueCount == 0) {
    if (const std::size_t at = findNonAscii(line.text, 0); at != std::string_view::npos)
      faults.push_back(faultAt(line, at));
  }
  for (std::size_t i = 0; i < line.shape.valueCount; ++i) {
    const NamedValue& value = line.shape.values[i];
    // A byte order mark's bytes are byte-order-mark's, which tells of them.
    const bool mark = value.kind != ValueKind::kDirectoryPath &&
                      value.kind != ValueKind::kInputName && startsWithByteOrderMark(value.text) &&
                      !report.ignores(kByteOrderMark);
    const std::size_t at = findNonAscii(value.text, mark ? 3 : 0);
    if (at != std::string_view::npos)
      faults.push_back(faultAt(line, offsetOf(line, value.text) + at));
  }
  reportFaults(
      report, line, kNonAscii, faults, [](const Fault&) { return "holds non-ASCII bytes"; },
      [](const Fault&) { return "cmd may read other characters"; });
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
