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
