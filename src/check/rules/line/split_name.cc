// split-name: a name holding a character at which cmd takes names apart.
#include <algorithm>
#include <array>

#include "check/rules/line/line_rule.h"

namespace mk::check {

// True for the characters at which cmd splits the names of copy and del.
static bool isNameSeparator(char c) {
  return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '=';
}

// How many names cmd reads in `arguments` (after copy or del): stretches without separators,
// where separators inside double quotes do not split.
static std::size_t countNames(std::string_view arguments) {
  std::size_t names = 0;
  bool quoted = false;
  bool inName = false;
  for (const char c : arguments) {
    if (c == '"') quoted = !quoted;
    const bool separates = !quoted && isNameSeparator(c);
    if (!separates && !inName) ++names;
    inName = !separates;
  }
  return names;
}

static std::string separatorName(char c) {
  constexpr std::string_view kSeparators = " \t,;=\"";
  constexpr std::array<std::string_view, 6> kNames = {
      "a blank", "a tab", "a comma", "a semicolon", "an equals sign", "a double quote"};
  return std::string(kNames[std::min(kSeparators.find(c), kNames.size() - 1)]);
}

// The first character of `text` at which cmd splits names (blanks and tabs only when
// `blanksOnly`), or npos.
static std::size_t findSeparator(std::string_view text, bool blanksOnly) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (blanksOnly ? text[at] == ' ' || text[at] == '\t' : isNameSeparator(text[at])) return at;
  }
  return std::string_view::npos;
}

// In each value of `line` the first character at which cmd splits names (on a run line a
// blank or tab in P and I, which stand in front of tc's quoted argument), a fault of `finding`.
static void addFaults(Finding& finding, const Line& line, const std::string& effect) {
  const bool run = line.kind() == LineKind::kRun;
  for (std::size_t i = 0; i < (run ? 2 : line.shape.valueCount); ++i) {
    const std::string_view text = line.shape.values[i].text;
    const std::size_t at = findSeparator(text, run);
    if (at == std::string_view::npos) continue;
    finding.faults.push_back(
        faultAt(line, offsetOf(line, text) + at, "holds " + separatorName(text[at]), effect));
  }
}

static void find(const Line& line, const Context& /*context*/, Findings& found) {
  if (line.kind() == LineKind::kForeign) return;  // what its names mean is unknown
  Finding& finding = found.emplace_back();
  if (line.kind() == LineKind::kRun) {
    addFaults(finding, line, "tc gets other arguments than written");
    return;
  }
  const bool del = line.kind() == LineKind::kDeleteOutput;
  const std::string_view command = del ? "del" : "copy";
  const std::size_t meant = del ? 1 : 2;
  const std::size_t count = countNames(line.text.substr(command.size() + 1));
  if (count == meant) return;
  const std::string effect = std::string(command) + " reads " + std::to_string(count) +
                             " names, not " + std::to_string(meant);
  addFaults(finding, line, effect);
  if (!finding.faults.empty()) return;
  const std::size_t quote = line.text.find('"');  // quotes joined names, or a name is empty
  finding.faults.push_back(faultAt(
      line, quote, quote == std::string_view::npos ? "holds an empty name" : "holds a double quote",
      effect));
}

const Rule kSplitName = {
    {"split-name", Severity::kError, Room::kLine,
     "a name holds a blank, tab, comma, ; or =: cmd reads more names",
     R"(copy and del take their names apart at blanks, tabs, commas, semicolons and equals
signs, and multikevra writes names without quotes: the keep line of the kept name "s 01.hkl"
holds three names, and the copy fails or copies other files. On a run line a blank in the
directory path or the input name, in front of tc's quoted argument, hands tc other arguments.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\s 01.hkl

To mend: rename the data file (or the folder) so that its name holds none of these characters,
correct the list file or the answers, and run multikevra again.)"},
    find};

}  // namespace mk::check
