#include "recordio/text_field.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

namespace mk {

namespace {

bool overlaps(std::span<const char> target, std::string_view source) {
  if (source.empty() || target.empty()) return false;
  const std::less<const char*> before;
  return before(source.data(), target.data() + target.size()) &&
         before(target.data(), source.data() + source.size());
}

}  // namespace

int trimmedLength(std::string_view field) {
  // Eight positions at a time first: fields are mostly padding.
  constexpr std::uint64_t kEightBlanks = 0x2020202020202020;
  std::size_t length = field.size();
  while (length >= sizeof kEightBlanks) {
    std::uint64_t tail = 0;
    std::memcpy(&tail, field.data() + length - sizeof tail, sizeof tail);
    const std::uint64_t differs = tail ^ kEightBlanks;
    if (differs != 0 && std::endian::native == std::endian::little) {
      // The last byte in memory is the most significant one.
      return static_cast<int>(length - static_cast<std::size_t>(std::countl_zero(differs)) / 8);
    }
    if (differs != 0) break;
    length -= sizeof tail;
  }
  while (length > 0 && field[length - 1] == kBlank)
    --length;
  return static_cast<int>(length);
}

std::string_view trimmedValue(std::string_view field) {
  return field.substr(0, static_cast<std::size_t>(trimmedLength(field)));
}

std::string_view substring(std::string_view field, int first, int last) {
  if (last < first) return {};
  return field.substr(static_cast<std::size_t>(first - 1),
                      static_cast<std::size_t>(last - first + 1));
}

int indexOf(std::string_view field, std::string_view search) {
  if (search.size() > field.size()) return 0;
  const std::size_t found = field.find(search);
  return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

void assignText(std::span<char> target, std::string_view source) {
  const std::size_t copied = std::min(source.size(), target.size());
  if (copied > 0) std::memmove(target.data(), source.data(), copied);
  std::fill(target.begin() + static_cast<std::ptrdiff_t>(copied), target.end(), kBlank);
}

void concatText(std::span<char> target, std::initializer_list<std::string_view> sources) {
  const bool needsCopy = std::any_of(sources.begin(), sources.end(), [&](std::string_view source) {
    return overlaps(target, source);
  });
  if (needsCopy) {
    std::string joined;
    for (std::string_view source : sources)
      joined += source;
    assignText(target, joined);
    return;
  }
  std::size_t filled = 0;
  for (std::string_view source : sources) {
    const std::size_t taken = std::min(source.size(), target.size() - filled);
    if (taken > 0) std::memcpy(target.data() + filled, source.data(), taken);
    filled += taken;
    if (filled == target.size()) return;
  }
  std::fill(target.begin() + static_cast<std::ptrdiff_t>(filled), target.end(), kBlank);
}

bool equalText(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  if (a.substr(0, common) != b.substr(0, common)) return false;
  const std::string_view rest = a.size() > common ? a.substr(common) : b.substr(common);
  return rest.find_first_not_of(kBlank) == std::string_view::npos;
}

}  // namespace mk
