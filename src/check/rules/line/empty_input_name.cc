// empty-input-name: the input name question answered with nothing.
#include "check/rules/line/line_rule.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  if (line.number != 1 || !context.script.input().empty()) return;
  found.push_back(Finding::of("the input name is empty: this line copies " +
                              inQuotes(context.script.path() + ".inp") +
                              ", and no run finds the sample input"));
}

const Rule kEmptyInputName = {
    {"empty-input-name", Severity::kError, Room::kLine,
     "the input name is empty: no run finds the sample input",
     R"(The input name question was answered with nothing (or with 20 characters, which leave
nothing): the backup copies "P.inp" (copy C:\kevra\quartz\.inp C:\kevra\quartz\_orig.inp) and
every run starts tc on the directory path alone, so no run finds the sample input file.

To mend: answer the input file name question with the sample's name (fewer than 20
characters, without .inp) and run multikevra again.)"},
    find};

}  // namespace mk::check
