// plus: a + in a name of a copy line, where copy joins files.
#include "check/rules/line/line_rule.h"

namespace mk::check {

// Each copy line reads its sources (P, I, O) before it names its target (the kept name); a +
// in the target makes copy write the name before it. tc and del take a + as a letter.
static void find(const Line& line, const Context& /*context*/, Findings& found) {
  const LineKind kind = line.kind();
  if (kind != LineKind::kBackup && kind != LineKind::kChaining && kind != LineKind::kKeep) return;
  Finding& finding = found.emplace_back();
  for (std::size_t at = line.text.find('+'); at != std::string_view::npos;
       at = line.text.find('+', at + 1))
    addFault(finding, line, at, "holds \"+\"", "copy finds no file");
  for (Fault& fault : finding.faults) {
    if (fault.value->kind == ValueKind::kKeptName) {
      fault.effect = "copy writes " +
                     inQuotes(fault.value->text.substr(0, fault.value->text.find('+'))) +
                     " instead";
    }
  }
}

const Rule kPlus = {
    {"plus", Severity::kError, Room::kLine, "a + in a name of a copy line: copy joins files at it",
     R"(copy reads a + between names as joining files ("copy a+b c" writes a and b into c), and
multikevra writes names without quotes. A + in a file copy reads (the sample input, an output
file) gives "File not found", and nothing is copied: with a folder run+2 there is no backup and
no kept file. A + in a kept name makes copy write the file named by the part before it (the
output and an end-of-file byte) without a word, where it may replace another file: the copy to
s+44.xy.hkl writes a file "s". tc and del take a + as a letter.

Example (writes the file "s", keeps nothing under s+44.xy.hkl):
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\s+44.xy.hkl

To mend: rename the folder or the data file without the +, or change the suffix, and run
multikevra again.)"},
    find};

}  // namespace mk::check
