// How cmd reads a line of a batch file: the characters it replaces, the characters that end a
// command or redirect it, and the characters at which it splits the names of copy and del.
#pragma once

#include <cstddef>
#include <string_view>

namespace mk::check {

// True for the characters at which cmd splits the names of its own commands (copy, del):
// blank, tab, comma, semicolon and equals sign.
constexpr bool isNameSeparator(char c) {
  return c == ' ' || c == '\t' || c == ',' || c == ';' || c == '=';
}

// True for the characters cmd acts on outside double quotes: & | < > ^.
constexpr bool isCommandCharacter(char c) {
  return c == '&' || c == '|' || c == '<' || c == '>' || c == '^';
}

// Which characters a line (or the values in it) holds that cmd treats specially, found in one
// pass: most lines hold none but blanks, and need no closer look.
struct LineCharacters {
  bool percent = false;
  bool commandCharacter = false;  // one of & | < > ^, quoted or not
  bool quote = false;
  bool otherSeparator = false;  // a tab, comma, semicolon or equals sign
  bool nonAscii = false;        // a byte 0x80-0xFF
  bool blank = false;
  bool slash = false;   // a '/', which cmd's copy and del take for a switch
  bool inName = false;  // a character no file name holds, or a '\': a name to look at closer
};

// Adds the characters `other` found to `found`.
void addCharacters(const LineCharacters& other, LineCharacters& found);

// Adds the characters of `text` to `found`.
void surveyCharacters(std::string_view text, LineCharacters& found);

// The position of the first character of `line` that cmd acts on outside double quotes (each
// double quote opens or closes a quoted stretch), or npos.
std::size_t findCommandCharacter(std::string_view line);

// How many names cmd reads in `arguments` (the text after a copy or del command): stretches
// without name separators, where separators inside double quotes do not split.
std::size_t countNames(std::string_view arguments);

// What cmd does with `c`, one of the characters of isCommandCharacter, as a clause.
std::string_view commandCharacterEffect(char c);

// The name of a name separator for a message ("a blank", "a comma", ...).
std::string_view separatorName(char c);

}  // namespace mk::check
