// How the messages speak of a line's values: what a value is, and how a user changes it.
#pragma once

#include <string>
#include <string_view>

#include "check/line_shape.h"

namespace mk::check {

// `text` in double quotes.
std::string inQuotes(std::string_view text);

// `name` in double quotes, and where Windows reads it as another name, that name too.
std::string asResolved(std::string_view name);

// `value` named for a message: its kind and its text in double quotes (data name "s 01");
// "this line" for no value.
std::string describe(const NamedValue* value);

// What the user changes to remove a character from `value` (no value: the line itself), as a
// short clause that can follow a semicolon (multikevra is then run again: the explanations say
// so).
std::string_view howToChange(const NamedValue* value);

}  // namespace mk::check
