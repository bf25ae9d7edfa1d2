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

// The line a write through `layout` (literals and values only) produces from `values`, one per
// value item.
std::string renderLayout(const Layout& layout, std::initializer_list<std::string_view> values);

// A layout with some of its values known, prepared for matching many lines: the text between
// the values to be taken from a line is written out once, and a line is matched by comparing
// it with those pieces.
class LayoutMatcher {
 public:
  // Matches no line.
  LayoutMatcher() = default;

  // `known` has one element per value item of `layout` (literals and values only): a value
  // given stands there exactly, the others are taken from the line. Values not given that stand
  // next to each other are taken as one.
  LayoutMatcher(const Layout& layout, std::initializer_list<std::optional<std::string_view>> known);

  // True when `line` is what a write through the layout can produce with the known values; then
  // `taken` (one element per stretch of values not given) holds those values. A piece of text
  // after a value taken is found at its first occurrence, except the last, which ends the line.
  bool match(std::string_view line, std::span<std::string_view> taken) const;

 private:
  std::vector<std::string> pieces_;  // the text before, between and after the values taken
};

}  // namespace mk::check
