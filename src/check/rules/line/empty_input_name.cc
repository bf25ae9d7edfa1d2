// empty-input-name: the input name question answered with nothing.
#include "check/rules/line/line_rule.h"

namespace mk::check {

static void find(const Script& script, const Line& line, Report& report) {
  if (line.number != 1 || !script.input().empty()) return;
  report.add(line, kEmptyInputName,
             "the input name is empty: this line copies " + inQuotes(script.path() + ".inp") +
                 ", and no run finds the sample input");
}

const LineRule kEmptyInputName = {
    {"empty-input-name", Severity::kError, "the input name is empty: no run finds the sample input",
     R"(The input name question was answered with nothing (or with 20 characters, which leave
nothing): the backup copies "P.inp" (copy C:\kevra\quartz\.inp C:\kevra\quartz\_orig.inp) and
every run starts tc on the directory path alone, so no run finds the sample input file.

To mend: answer the input file name question with the sample's name (fewer than 20
characters, without .inp) and run multikevra again.)"},
    find};

}  // namespace mk::check
