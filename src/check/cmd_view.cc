#include "check/cmd_view.h"

#include <array>

namespace mk::check {

namespace {

enum Bits : unsigned char {
  kPercent = 1,
  kCommand = 2,
  kQuote = 4,
  kOtherSeparator = 8,
  kNonAscii = 16,
  kBlank = 32,
  kSlash = 64,
  kInName = 128
};

// The characters a file name may not hold, and the '\' that separates its parts.
constexpr bool needsLookInName(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 1 && byte <= 31) || c == '*' || c == '?' || c == '<' || c == '>' || c == '|' ||
         c == '"' || c == ':' || c == '\\';
}

constexpr std::array<unsigned char, 256> characterBits() {
  std::array<unsigned char, 256> bits{};
  for (unsigned c = 0; c < bits.size(); ++c) {
    const auto character = static_cast<char>(c);
    if (character == '%') bits[c] = kPercent;
    if (isCommandCharacter(character)) bits[c] = kCommand;
    if (character == '"') bits[c] = kQuote;
    if (isNameSeparator(character)) bits[c] = character == ' ' ? kBlank : kOtherSeparator;
    if (c >= 0x80) bits[c] = kNonAscii;
    if (character == '/') bits[c] = kSlash;
    if (needsLookInName(character)) bits[c] |= kInName;
  }
  return bits;
}

constexpr std::array<unsigned char, 256> kCharacterBits = characterBits();

}  // namespace

void surveyCharacters(std::string_view text, LineCharacters& found) {
  // Which kinds of characters occur, not how many: one OR a byte (the survey took a quarter less
  // time on the 1M-entry script than when it also counted blanks, measured).
  unsigned all = 0;
  for (const char c : text)
    all |= kCharacterBits[static_cast<unsigned char>(c)];
  found.percent = found.percent || (all & kPercent) != 0;
  found.commandCharacter = found.commandCharacter || (all & kCommand) != 0;
  found.quote = found.quote || (all & kQuote) != 0;
  found.otherSeparator = found.otherSeparator || (all & kOtherSeparator) != 0;
  found.nonAscii = found.nonAscii || (all & kNonAscii) != 0;
  found.blank = found.blank || (all & kBlank) != 0;
  found.slash = found.slash || (all & kSlash) != 0;
  found.inName = found.inName || (all & kInName) != 0;
}

void addCharacters(const LineCharacters& other, LineCharacters& found) {
  found.percent = found.percent || other.percent;
  found.commandCharacter = found.commandCharacter || other.commandCharacter;
  found.quote = found.quote || other.quote;
  found.otherSeparator = found.otherSeparator || other.otherSeparator;
  found.nonAscii = found.nonAscii || other.nonAscii;
  found.blank = found.blank || other.blank;
  found.slash = found.slash || other.slash;
  found.inName = found.inName || other.inName;
}

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
