// slash: a / on a copy or del line, which cmd reads as a switch.
#include "check/rules/line/line_rule.h"

namespace mk::check {

// tc, as any program, takes a / in a path; cmd's own copy and del take it for a switch.
static void find(const Line& line, const Context& /*context*/, Findings& found) {
  if (line.kind() == LineKind::kRun || line.kind() == LineKind::kForeign) return;
  Finding& finding = found.emplace_back();
  const char* effect = line.kind() == LineKind::kDeleteOutput ? "del takes it for a switch"
                                                              : "copy takes it for a switch";
  for (std::size_t at = line.text.find('/'); at != std::string_view::npos;
       at = line.text.find('/', at + 1))
    addFault(finding, line, at, "holds \"/\"", effect);
  for (Fault& fault : finding.faults) {
    const Cause::Kind kind = fault.cause.kind;
    fault.change = kind == Cause::Kind::kSuffix ? "change the suffix"
                   : kind == Cause::Kind::kLine ? "edit this line"
                                                : "write it with backslashes";
  }
}

const Rule kSlash = {
    {"slash", Severity::kError, Room::kLine,
     "a / on a copy or del line: cmd reads a switch, and the line fails",
     R"(tc, as any program, takes C:/kevra/quartz/sample as a path, but cmd's own copy and del
read a / as the start of a switch (/Y, /B, /Q ...): "copy C:/kevra/quartz/sample.inp
C:/kevra/quartz/sample_orig.inp" fails with "Invalid switch" and copies nothing. Every backup,
delete, chaining and keep line of such a script fails; the run lines work.

To mend: answer the directory path with backslashes (C:\kevra\quartz\), use data names and
suffixes without /, and run multikevra again.)"},
    find};

}  // namespace mk::check
