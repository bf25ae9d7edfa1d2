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
