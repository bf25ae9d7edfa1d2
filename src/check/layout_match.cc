#include "check/layout_match.h"

#include <array>
#include <cstddef>

namespace mk::check {

namespace {

using Kind = Layout::Kind;

// Consecutive pieces of known text (literals and values given) that stand between two values
// taken from the line.
struct Pieces {
  std::array<std::string_view, Layout::kMaxItems> text{};
  std::size_t count = 0;
  std::size_t size = 0;
};

// True when `pieces` stand one after the other at `at` in `line`.
bool standAt(std::string_view line, std::size_t at, const Pieces& pieces) {
  if (at > line.size() || line.size() - at < pieces.size) return false;
  for (std::size_t i = 0; i < pieces.count; ++i) {
    if (line.compare(at, pieces.text[i].size(), pieces.text[i]) != 0) return false;
    at += pieces.text[i].size();
  }
  return true;
}

// The first position at or after `from` where `pieces` stand, or npos.
std::size_t findPieces(std::string_view line, std::size_t from, const Pieces& pieces) {
  if (pieces.count == 0) return from;
  for (std::size_t at = line.find(pieces.text[0], from); at != std::string_view::npos;
       at = line.find(pieces.text[0], at + 1)) {
    if (standAt(line, at, pieces)) return at;
  }
  return std::string_view::npos;
}

}  // namespace

bool matchLayout(const Layout& layout, std::string_view line,
                 std::span<std::optional<std::string_view>> values) {
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
    Pieces pieces;
    for (; item < items.size(); ++item) {
      const Layout::Item& piece = items[item];
      if (piece.kind == Kind::kLiteral) {
        pieces.text[pieces.count++] = piece.text;
      } else if (piece.kind == Kind::kValue && values[value].has_value()) {
        pieces.text[pieces.count++] = *values[value++];
      } else if (piece.kind == Kind::kValue) {
        break;
      } else {
        return false;  // fields and line breaks are never part of a script line
      }
      pieces.size += pieces.text[pieces.count - 1].size();
    }
    const bool last = item == items.size();
    std::size_t found = at;
    if (open.has_value()) {
      found = last ? (line.size() >= at + pieces.size ? line.size() - pieces.size
                                                      : std::string_view::npos)
                   : findPieces(line, at, pieces);
      if (found == std::string_view::npos) return false;
      values[*open] = line.substr(at, found - at);
      open.reset();
    }
    if (!standAt(line, found, pieces)) return false;
    at = found + pieces.size;
  }
  if (open.has_value()) {
    values[*open] = line.substr(at);
    return true;
  }
  return at == line.size();
}

}  // namespace mk::check
