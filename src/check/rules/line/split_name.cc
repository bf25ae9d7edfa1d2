// split-name: a name holding a character at which cmd takes names apart.
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

static std::string_view separatorName(char c) {
  switch (c) {
    case ' ':
      return "a blank";
    case '\t':
      return "a tab";
    case ',':
      return "a comma";
    case ';':
      return "a semicolon";
    default:
      return "an equals sign";
  }
}

// The first character of `text` at which cmd splits names (blanks and tabs only when
// `blanksOnly`), or npos.
static std::size_t findSeparator(std::string_view text, bool blanksOnly) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (blanksOnly ? text[at] == ' ' || text[at] == '\t' : isNameSeparator(text[at])) return at;
  }
  return std::string_view::npos;
}

// A run line: P and I stand in front of tc's quoted argument, where a blank or tab splits it.
static void findOnRun(const Line& line, Report& report) {
  for (const ValueKind kind : {ValueKind::kDirectoryPath, ValueKind::kInputName}) {
    const NamedValue* value = findValue(line.shape, kind);
    const std::size_t at = findSeparator(value->text, true);
    if (at == std::string_view::npos) continue;
    report.add(line.number, kSplitName,
               describe(value) + " holds " + std::string(separatorName(value->text[at])) +
                   ": tc gets other arguments than written; " + std::string(howToChange(value)));
    return;
  }
}

static void find(const Script& /*script*/, const Line& line, Report& report) {
  if (line.kind() == LineKind::kRun) {
    findOnRun(line, report);
    return;
  }
  const bool del = line.kind() == LineKind::kDeleteOutput;
  if (line.kind() == LineKind::kForeign) return;  // what its names mean is unknown
  const std::string_view command = del ? "del" : "copy";
  const std::size_t meant = del ? 1 : 2;
  const std::size_t count = countNames(line.text.substr(command.size() + 1));
  if (count == meant) return;
  const std::string names = std::string(command) + " reads " + std::to_string(count) +
                            " names, not " + std::to_string(meant);
  for (std::size_t i = 0; i < line.shape.valueCount; ++i) {
    const NamedValue& value = line.shape.values[i];
    const std::size_t at = findSeparator(value.text, false);
    if (at == std::string_view::npos) continue;
    report.add(line.number, kSplitName,
               describe(&value) + " holds " + std::string(separatorName(value.text[at])) + ": " +
                   names + "; " + std::string(howToChange(&value)));
    return;
  }
  report.add(line.number, kSplitName,
             "double quotes in the names: " + names + "; take them out of the names");
}

const LineRule kSplitName = {
    {"split-name", Severity::kError,
     "a name holds a blank, tab, comma, ; or =: cmd reads more names",
     R"(copy and del take their names apart at blanks, tabs, commas, semicolons and equals
signs; multikevra writes names without quotes. A kept name "s 01.hkl" makes the keep line
"copy P kevra.hkl P s 01.hkl", three names, and the copy fails or copies other files. On a run
line the directory path and input name stand in front of tc's quoted argument: a blank there
hands tc other arguments than written.

Example:
  copy C:\kevra\quartz\kevra.hkl C:\kevra\quartz\s 01.hkl

To mend: rename the data file (or the folder) so that its name holds none of these characters,
correct the list file or the answers, and run multikevra again.)"},
    find};

}  // namespace mk::check
