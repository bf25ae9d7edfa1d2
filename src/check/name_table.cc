#include "check/name_table.h"

#include <algorithm>
#include <utility>

namespace mk::check {

namespace {

constexpr char fold(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Writes `value` in 7-bit groups, low first; returns the bytes written.
std::size_t putNumber(char* out, std::uint64_t value) {
  std::size_t size = 0;
  do {
    const auto low = static_cast<unsigned char>(value & 0x7fU);
    value >>= 7U;
    out[size++] = static_cast<char>(value != 0 ? low | 0x80U : low);
  } while (value != 0);
  return size;
}

std::uint64_t getNumber(const char*& in) {
  std::uint64_t value = 0;
  for (unsigned shift = 0;; shift += 7) {
    const auto byte = static_cast<unsigned char>(*in++);
    value |= static_cast<std::uint64_t>(byte & 0x7fU) << shift;
    if ((byte & 0x80U) == 0) return value;
  }
}

constexpr std::size_t kMaxNumberSize = 10;

}  // namespace

std::uint64_t NameTable::hash(Group group, std::string_view name) {
  std::uint64_t h = 0xcbf29ce484222325ULL ^ static_cast<unsigned char>(group);
  for (const char c : name) {
    h = (h ^ static_cast<unsigned char>(fold(c))) * 0x100000001b3ULL;
  }
  h ^= h >> 33U;  // the finalizer spreads every byte over all bits: low ones pick the slot
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33U;
  return h;
}

NameTable::Record NameTable::record(std::uint64_t slot) const {
  const std::uint64_t place = (slot & ((std::uint64_t{1} << kPlaceBits) - 1)) - 1;
  const char* in = blocks_[place >> kBlockBits].get() + (place & (kBlockSize - 1));
  Record found;
  found.line = getNumber(in);
  const std::uint64_t length = getNumber(in);
  found.group = static_cast<Group>(*in++);
  found.folded = std::string_view(in, length);
  return found;
}

std::uint64_t NameTable::store(Group group, std::string_view name, std::uint64_t line) {
  const std::size_t recordSize = 2 * kMaxNumberSize + 1 + name.size();
  if (capacity_ - used_ < recordSize) {
    // A record never spans two blocks; an unusually long name gets a block of its own.
    capacity_ = std::max(kBlockSize, recordSize);
    blocks_.emplace_back(static_cast<char*>(allocateLarge(capacity_)));
    used_ = 0;
  }
  const std::uint64_t place = ((blocks_.size() - 1) << kBlockBits) + used_;
  char* out = blocks_.back().get() + used_;
  char* const begin = out;
  out += putNumber(out, line);
  out += putNumber(out, name.size());
  *out++ = static_cast<char>(group);
  out = std::transform(name.begin(), name.end(), out, fold);
  used_ += static_cast<std::size_t>(out - begin);
  if (capacity_ > kBlockSize) used_ = capacity_;  // nothing follows a long name in its block
  return place + 1;
}

void NameTable::prefetch(std::uint64_t nameHash) const {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(&slots_[nameHash & (slots_.size() - 1)]);
#endif
}

std::optional<std::uint64_t> NameTable::remember(Group group, std::string_view name,
                                                 std::uint64_t line, std::uint64_t nameHash) {
  const std::uint64_t h = nameHash;
  const std::uint64_t tag = h >> kPlaceBits << kPlaceBits;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = h & mask;; at = (at + 1) & mask) {
    const std::uint64_t slot = slots_[at];
    if (slot == 0) {
      slots_[at] = tag | store(group, name, line);
      if (++count_ * 4 >= slots_.size() * 3) rehash(slots_.size() * 2);
      return std::nullopt;
    }
    if ((slot & ~((std::uint64_t{1} << kPlaceBits) - 1)) != tag) continue;
    const Record earlier = record(slot);
    if (earlier.group == group && earlier.folded.size() == name.size() &&
        std::equal(name.begin(), name.end(), earlier.folded.begin(),
                   [](char a, char b) { return fold(a) == b; })) {
      return earlier.line;
    }
  }
}

void NameTable::reserve(std::size_t names) {
  std::size_t slots = slots_.size();
  while (names * 4 >= slots * 3)
    slots *= 2;
  if (slots != slots_.size()) rehash(slots);
}

void NameTable::rehash(std::size_t slots) {
  SlotArray old(slots);
  std::swap(old, slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const std::uint64_t slot : old) {
    if (slot == 0) continue;
    const Record stored = record(slot);
    std::size_t at = hash(stored.group, stored.folded) & mask;
    while (slots_[at] != 0)
      at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

}  // namespace mk::check
