#include "check/layout_match.h"

#include <cstddef>
#include <stdexcept>

namespace mk::check {

namespace {

using Kind = Layout::Kind;
using Values = std::span<std::optional<std::string_view>>;

// A stretch of known text between two values taken from the line: consecutive literals and
// values given, items [first, last) of the layout, whose values start at index `value`.
struct Stretch {
  std::span<const Layout::Item> items;
  std::size_t first = 0;
  std::size_t last = 0;
  std::size_t value = 0;
  std::size_t size = 0;  // the bytes of all its pieces
};

// The text of the stretch's item `item`; `value` is that item's value index when it is one.
std::string_view pieceText(const Layout::Item& item, Values values, std::size_t& value) {
  return item.kind == Kind::kLiteral ? item.text : *values[value++];
}

// True when the stretch's pieces stand one after the other at `at` in `line`.
bool standsAt(std::string_view line, std::size_t at, const Stretch& stretch, Values values) {
  if (at > line.size() || line.size() - at < stretch.size) return false;
  std::size_t value = stretch.value;
  for (std::size_t i = stretch.first; i < stretch.last; ++i) {
    const std::string_view piece = pieceText(stretch.items[i], values, value);
    if (line.compare(at, piece.size(), piece) != 0) return false;
    at += piece.size();
  }
  return true;
}

// The first position at or after `from` where the stretch stands, or npos.
std::size_t findStretch(std::string_view line, std::size_t from, const Stretch& stretch,
                        Values values) {
  if (stretch.first == stretch.last) return from;
  std::size_t value = stretch.value;
  const std::string_view head = pieceText(stretch.items[stretch.first], values, value);
  for (std::size_t at = line.find(head, from); at != std::string_view::npos;
       at = line.find(head, at + 1)) {
    if (standsAt(line, at, stretch, values)) return at;
  }
  return std::string_view::npos;
}

}  // namespace

bool matchLayout(const Layout& layout, std::string_view line, Values values) {
  const std::span<const Layout::Item> items = layout.items();
  std::size_t at = 0;     // the position in the line
  std::size_t value = 0;  // the next value item's index
  std::size_t item = 0;
  std::optional<std::size_t> open;  // the value taken from the line that is not yet ended
  while (item < items.size()) {
    if (items[item].kind == Kind::kValue && !values[value].has_value()) {
      if (open.has_value()) {
        values[value] = std::string_view();
      } else {
        open = value;
      }
      ++value;
      ++item;
      continue;
    }
    Stretch stretch{items, item, item, value, 0};
    for (; item < items.size(); ++item) {
      const Layout::Item& piece = items[item];
      if (piece.kind == Kind::kLiteral) {
        stretch.size += piece.text.size();
      } else if (piece.kind == Kind::kValue && values[value].has_value()) {
        stretch.size += values[value++]->size();
      } else if (piece.kind == Kind::kValue) {
        break;
      } else {
        return false;  // fields and line breaks are never part of a script line
      }
    }
    stretch.last = item;
    std::size_t found = at;
    if (open.has_value()) {
      if (item == items.size()) {  // the layout's last text ends the line
        found =
            line.size() >= at + stretch.size ? line.size() - stretch.size : std::string_view::npos;
      } else {
        found = findStretch(line, at, stretch, values);
      }
      if (found == std::string_view::npos) return false;
      values[*open] = line.substr(at, found - at);
      open.reset();
    }
    if (!standsAt(line, found, stretch, values)) return false;
    at = found + stretch.size;
  }
  if (open.has_value()) {
    values[*open] = line.substr(at);
    return true;
  }
  return at == line.size();
}

std::string renderLayout(const Layout& layout, std::initializer_list<std::string_view> values) {
  std::string line;
  const std::string_view* value = values.begin();
  for (const Layout::Item& item : layout.items()) {
    if (item.kind == Kind::kLiteral) line.append(item.text);
    if (item.kind == Kind::kValue && value != values.end()) line.append(*value++);
  }
  return line;
}

LayoutMatcher::LayoutMatcher(const Layout& layout,
                             std::initializer_list<std::optional<std::string_view>> known) {
  const std::optional<std::string_view>* value = known.begin();
  pieces_.emplace_back();
  bool afterTaken = false;  // the last item was a value taken from the line
  for (const Layout::Item& item : layout.items()) {
    if (item.kind == Kind::kLiteral) {
      pieces_.back().append(item.text);
      afterTaken = false;
      continue;
    }
    if (item.kind != Kind::kValue || value == known.end()) {
      throw std::logic_error("a layout matched needs literals and one known or taken value each");
    }
    const std::optional<std::string_view>& given = *value++;
    if (given) {
      pieces_.back().append(*given);
      afterTaken = false;
      continue;
    }
    if (afterTaken) throw std::logic_error("two values taken from the line stand together");
    pieces_.emplace_back();
    afterTaken = true;
  }
}

bool LayoutMatcher::match(std::string_view line, std::span<std::string_view> taken) const {
  if (pieces_.empty()) return false;
  if (pieces_.size() == 1) return line == pieces_.front();
  if (!line.starts_with(pieces_.front())) return false;
  std::size_t at = pieces_.front().size();
  const std::size_t last = pieces_.size() - 1;
  for (std::size_t i = 1; i < last; ++i) {  // found at its first occurrence
    const std::size_t found = line.find(pieces_[i], at);
    if (found == std::string_view::npos) return false;
    taken[i - 1] = line.substr(at, found - at);
    at = found + pieces_[i].size();
  }
  // The last piece ends the line.
  if (line.size() - at < pieces_[last].size() || !line.ends_with(pieces_[last])) return false;
  taken[last - 1] = line.substr(at, line.size() - pieces_[last].size() - at);
  return true;
}

}  // namespace mk::check
