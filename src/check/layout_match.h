// Matching a line against a record layout: the reverse of writing it.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// A layout with some of its values known, prepared for matching many lines: the text between
// the values to be taken from a line is written out once, and a line is matched by comparing
// it with those pieces, with no walk over the layout's items per line.
class LayoutMatcher {
 public:
  // Matches no line.
  LayoutMatcher() = default;

  // `known` has one element per value item of `layout` (literals and values only): a value
  // given stands there exactly, the others are taken from the line. Two values not given must
  // not stand next to each other.
  LayoutMatcher(const Layout& layout, std::initializer_list<std::optional<std::string_view>> known);

  // The same as matchLayout() with the known values: true when `line` is what a write through
  // the layout can produce; then `taken` (one element per value not given) holds those values.
  bool match(std::string_view line, std::span<std::string_view> taken) const;

 private:
  std::vector<std::string> pieces_;  // the text before, between and after the values taken
};

}  // namespace mk::check
