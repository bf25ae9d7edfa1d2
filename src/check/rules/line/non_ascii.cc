// non-ascii: bytes outside ASCII, which cmd reads in the console's code page.
#include "check/rules/line/line_rule.h"

namespace mk::check {

// A byte order mark's bytes at the start of a data name, an information text or a kept name
// follow from byte-order-mark. On the machine, the names of the directory, the input and the
// data files are looked up as cmd reads them (missing-input, missing-data tell).
static void find(const Line& line, const Context& context, Findings& found) {
  Finding letters;
  Finding marks;
  for (std::size_t at = 0; at < line.text.size(); ++at) {
    if (static_cast<unsigned char>(line.text[at]) < 0x80) continue;
    const Fault fault = faultAt(line, at);
    const Cause::Kind cause = fault.cause.kind;
    if (context.script.machine != nullptr &&
        (cause == Cause::Kind::kDirectory || cause == Cause::Kind::kInputName ||
         cause == Cause::Kind::kDataName))
      continue;
    const NamedValue* value = fault.value;
    const bool mark = value != nullptr && value->kind >= ValueKind::kDataName &&
                      startsWithByteOrderMark(value->text) && at < offsetOf(line, value->text) + 3;
    if (mark && at == offsetOf(line, value->text))
      marks.follows.emplace_back(&kByteOrderMark, fault.cause);
    addFault(mark ? marks : letters, line, at, "holds non-ASCII", "cmd may misread it");
  }
  found.push_back(std::move(letters));
  found.push_back(std::move(marks));
}

const Rule kNonAscii = {
    {"non-ascii", Severity::kWarning, Room::kLine,
     "bytes outside ASCII: cmd may read them as other characters",
     R"(cmd reads a batch file in the console's code page (850, 437 or 1252 on most machines),
while the list file was written by an editor in its own encoding, often UTF-8. An accented
name (a u with umlaut is the two bytes C3 BC in UTF-8, and two other characters in code page
850: gr\xC3\xBCn01) may then name another file than the one on disk, or pass other text to tc.
On the Windows machine the checker looks the directory, the input and the data files up as cmd
reads them (a name it reads otherwise is missing-input's or missing-data's); it warns only of
what no machine can tell: information texts, output file names and suffixes.

To mend: rename the data files (and folders) with plain ASCII names, correct the list file and
run multikevra again.)"},
    find};

}  // namespace mk::check
