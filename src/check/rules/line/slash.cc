// slash: a / on a copy or del line, which cmd reads as a switch.
#include "check/rules/line/line_rule.h"

namespace mk::check {

// What to change, for the value `value` holding the / (none: the line itself).
static std::string_view fixFor(const NamedValue* value) {
  if (value == nullptr) return "edit this line";
  switch (value->kind) {
    case ValueKind::kDirectoryPath:
    case ValueKind::kOutputFile:
      return "write it with backslashes";
    case ValueKind::kKeptName:
      return "change data name or suffix";
    default:
      return "edit this line";
  }
}

// tc, as any program, takes a / in a path; cmd's own copy and del take it for a switch.
static void find(const Script& /*script*/, const Line& line, Report& report) {
  if (line.kind() == LineKind::kRun || line.kind() == LineKind::kForeign) return;
  const std::size_t at = line.text.find('/');
  if (at == std::string_view::npos) return;
  const NamedValue* value = valueAt(line.shape, line.text, at);
  const std::string_view command = line.kind() == LineKind::kDeleteOutput ? "del" : "copy";
  report.add(line.number, kSlash,
             describe(value) + " holds \"/\": " + std::string(command) +
                 " reads it as a switch and fails; " + std::string(fixFor(value)));
}

const LineRule kSlash = {
    {"slash", Severity::kError, "a / on a copy or del line: cmd reads a switch, and the line fails",
     R"(tc, as any program, takes C:/kevra/quartz/sample as a path, but cmd's own copy and del
read a / as the start of a switch (/Y, /B, /Q ...): "copy C:/kevra/quartz/sample.inp ..." fails
with "Invalid switch" and copies nothing. Every backup, delete, chaining and keep line of such a
script fails; the run lines work.

Example:
  copy C:/kevra/quartz/sample.inp C:/kevra/quartz/sample_orig.inp

To mend: answer the directory path with backslashes (C:\kevra\quartz\), use data names and
suffixes without /, and run multikevra again.)"},
    find};

}  // namespace mk::check
