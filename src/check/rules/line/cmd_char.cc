// special-char (in a file of its own name, cmd_char): & | < > or ^ outside double quotes, which cmd
// acts on.
#include <algorithm>

#include "check/rules/line/line_rule.h"

namespace mk::check {

// The first character of `line` from `from` on that cmd acts on outside double quotes (each
// double quote opens or closes a quoted stretch): & | < > ^; or npos.
static std::size_t findCommandCharacter(std::string_view line, std::size_t from) {
  bool quoted = std::ranges::count(line.substr(0, from), '"') % 2 != 0;
  for (std::size_t at = from; at < line.size(); ++at) {
    const char c = line[at];
    if (c == '"') quoted = !quoted;
    if (!quoted && std::string_view("&|<>^").find(c) != std::string_view::npos) return at;
  }
  return std::string_view::npos;
}

static std::string_view effectOf(char c) {
  switch (c) {
    case '&':
      return "starts a second command there";
    case '|':
      return "pipes into a second command there";
    case '<':
      return "reads input from the file after it";
    case '>':
      return "writes output to the file after it";
    default:
      return "drops it";
  }
}

static void find(const Script& /*script*/, const Line& line, Report& report) {
  std::vector<Fault> faults;
  for (std::size_t at = findCommandCharacter(line.text, 0); at != std::string_view::npos;
       at = findCommandCharacter(line.text, at + 1))
    addFault(faults, line, at);
  reportFaults(
      report, line, kSpecialChar, faults,
      [&](const Fault& fault) {
        return "holds " + inQuotes(line.text.substr(fault.at, 1)) + " outside quotes";
      },
      [&](const Fault& fault) { return "cmd " + std::string(effectOf(line.text[fault.at])); });
}

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
