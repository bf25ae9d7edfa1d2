#include "check/layout_match.h"

#include <stdexcept>

namespace mk::check {

using Kind = Layout::Kind;

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
    if (!afterTaken) pieces_.emplace_back();
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
