#include "check/cmd_view.h"

namespace mk::check {

std::size_t findCommandCharacter(std::string_view line) {
  bool quoted = false;
  for (std::size_t at = 0; at < line.size(); ++at) {
    const char c = line[at];
    if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && isCommandCharacter(c)) {
      return at;
    }
  }
  return std::string_view::npos;
}

std::size_t countNames(std::string_view arguments) {
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

std::string_view commandCharacterEffect(char c) {
  switch (c) {
    case '&':
      return "ends the command there and runs the rest as a second command";
    case '|':
      return "ends the command there and feeds its output to the rest as a second command";
    case '<':
      return "reads the command's input from the file named after it";
    case '>':
      return "writes the command's output into the file named after it";
    default:
      return "drops it and takes the next character literally";
  }
}

std::string_view separatorName(char c) {
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

}  // namespace mk::check
