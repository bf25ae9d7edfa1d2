// special-char (in a file of its own name, cmd_char): & | < > or ^ outside double quotes, which cmd
// acts on.
#include <array>

#include "check/rules/line/line_rule.h"

namespace mk::check {

constexpr std::string_view kActedOn = "&|<>^";

// What cmd does with each of & | < > ^, in that order.
constexpr std::array<std::string_view, 5> kEffects = {
    "starts a second command", "pipes it into a command", "redirects the input",
    "redirects the output", "drops it"};

// Each double quote opens or closes a quoted stretch, where cmd leaves the characters alone.
static void find(const Line& line, const Context& /*context*/, Findings& found) {
  Finding& finding = found.emplace_back();
  bool quoted = false;
  for (std::size_t at = 0; at < line.text.size(); ++at) {
    if (line.text[at] == '"') quoted = !quoted;
    if (quoted || kActedOn.find(line.text[at]) == std::string_view::npos) continue;
    addFault(finding, line, at, "holds " + inQuotes(line.text.substr(at, 1)),
             "cmd " + std::string(kEffects[kActedOn.find(line.text[at])]));
  }
}

const Rule kSpecialChar = {
    {"special-char", Severity::kError, Room::kLine,
     "& | < > or ^ outside double quotes: cmd runs, redirects or drops it",
     R"(Outside double quotes cmd acts on five characters before the command sees the line: &
ends the command and starts a second one, | pipes it into another, < and > redirect its input
and output (a > in a name creates a file of the rest), and ^ escapes the next character and is
dropped itself. Inside tc's quoted argument they are harmless, unless a double quote in a name
or an information text ends the quotes early.

Example (copies kevra.hkl to a file "r", then runs a command "d.hkl"):
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\r&d.hkl

To mend: rename the data file or folder without these characters, correct the list file or the
answers, and run multikevra again.)"},
    find};

}  // namespace mk::check
