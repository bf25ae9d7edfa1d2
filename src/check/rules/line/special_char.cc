// special-char: & | < > or ^ outside double quotes, which cmd acts on.
#include <string>

#include "check/cmd_view.h"
#include "check/rules/line/line_rule.h"
#include "check/value_words.h"

namespace mk::check {

namespace {

void find(const Script& /*script*/, const Line& line, Report& report) {
  const std::size_t at = findCommandCharacter(line.text);
  if (at == std::string_view::npos) return;
  const NamedValue* value = valueAt(line.shape, line.text, at);
  report.add(line.number, kSpecialChar,
             describe(value) + " holds " + inQuotes(line.text.substr(at, 1)) +
                 " outside quotes: cmd " + std::string(commandCharacterEffect(line.text[at])) +
                 "; " + std::string(howToChange(value)));
}

}  // namespace

const LineRule kSpecialChar = {
    {"special-char", Severity::kError,
     "& | < > or ^ outside double quotes: cmd runs, redirects or drops it",
     R"(Outside double quotes cmd acts on five characters before the command sees the line: &
ends the command and starts a second one, | pipes it into another, < and > redirect its input
and output (a > in a name creates a file of the rest), and ^ escapes the next character and is
dropped itself.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\r&d.hkl
copies kevra.hkl to a file "r" and then tries to run a command "d.hkl".

To mend: rename the data file or folder without these characters, correct the list file or the
answers, and run multikevra again. Inside tc's quoted argument they are harmless, as long as
no double quote in a name or an information text ends the quotes early.)"},
    find};

}  // namespace mk::check
