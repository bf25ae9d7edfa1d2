// Matching a line against a record layout: the reverse of writing it.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "recordio/layout.h"

namespace mk::check {

// True when `line` is what a write through `layout` (literals and values only) can produce.
// `values` has one element per value item: a value given on entry must stand there exactly;
// a value not given is taken from the line. Two or more values not given that stand next to
// each other are taken as one: the first of them receives the whole text and the others are
// left empty. A literal after a value taken from the line is found at its first occurrence,
// except the layout's last piece of text, which must end the line. On false, `values` is left
// partly filled.
bool matchLayout(const Layout& layout, std::string_view line,
                 std::span<std::optional<std::string_view>> values);

// The line a write through `layout` (literals and values only) produces from `values`, one per
// value item.
std::string renderLayout(const Layout& layout, std::initializer_list<std::string_view> values);

}  // namespace mk::check
