#include "check/name_table.h"

#include <algorithm>
#include <stdexcept>
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

// A slot's fingerprint of a name with hash `h`: 1 to 255 from the hash's top bits, which do
// not choose the slot.
std::uint8_t fingerprintOf(std::uint64_t h) {
  return static_cast<std::uint8_t>(1 + (h >> 56U) % 255);
}

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

NameTable::Record NameTable::decode(const char* in) {
  Record found;
  found.line = getNumber(in);
  const std::uint64_t length = getNumber(in);
  found.group = static_cast<Group>(*in++);
  found.folded = std::string_view(in, length);
  return found;
}

NameTable::Record NameTable::record(std::uint32_t place) const {
  return decode(blocks_[place >> kBlockBits].get() + (place & (kBlockSize - 1)));
}

std::uint32_t NameTable::store(Group group, std::string_view name, std::uint64_t line) {
  const std::size_t recordSize = 2 * kMaxNumberSize + 1 + name.size();
  // A record never spans two blocks; an unusually long name gets a block of its own, which
  // nothing follows.
  if (blocks_.empty() || lastBlockFull_ ||
      blockUsed_.back() + recordSize > blockCapacity(blocks_.size() - 1)) {
    if (blocks_.size() == kMaxBlocks)
      throw std::length_error("its names fill more than 4 GiB, more than the checker holds");
    blocks_.push_back(
        allocateLargeArray<char>(std::max(blockCapacity(blocks_.size()), recordSize)));
    blockUsed_.push_back(0);
  }
  const std::size_t used = blockUsed_.back();
  const auto place = static_cast<std::uint32_t>(((blocks_.size() - 1) << kBlockBits) + used);
  char* out = blocks_.back().get() + used;
  char* const begin = out;
  out += putNumber(out, line);
  out += putNumber(out, name.size());
  *out++ = static_cast<char>(group);
  out = std::transform(name.begin(), name.end(), out, fold);
  blockUsed_.back() += static_cast<std::size_t>(out - begin);
  lastBlockFull_ = recordSize > blockCapacity(blocks_.size() - 1);
  return place;
}

std::size_t NameTable::slotOf(Group group, std::string_view name, std::uint64_t nameHash) const {
  const std::uint8_t fingerprint = fingerprintOf(nameHash);
  const std::size_t mask = fingerprints_.size() - 1;
  for (std::size_t at = nameHash & mask;; at = (at + 1) & mask) {
    const std::uint8_t found = fingerprints_[at];
    if (found == 0) return at;
    if (found != fingerprint) continue;
    const Record stored = record(places_[at]);
    if (stored.group == group && stored.folded.size() == name.size() &&
        std::equal(name.begin(), name.end(), stored.folded.begin(),
                   [](char a, char b) { return fold(a) == b; })) {
      return at;
    }
  }
}

std::optional<std::uint64_t> NameTable::remember(Group group, std::string_view name,
                                                 std::uint64_t line) {
  const std::uint64_t nameHash = hash(group, name);
  const std::size_t at = slotOf(group, name, nameHash);
  if (fingerprints_[at] != 0) return record(places_[at]).line;
  places_[at] = store(group, name, line);
  fingerprints_[at] = fingerprintOf(nameHash);
  if (++count_ * 4 >= fingerprints_.size() * 3) rehash(fingerprints_.size() * 2);
  return std::nullopt;
}

std::optional<std::uint64_t> NameTable::find(Group group, std::string_view name) const {
  const std::size_t at = slotOf(group, name, hash(group, name));
  if (fingerprints_[at] == 0) return std::nullopt;
  return record(places_[at]).line;
}

void NameTable::reserve(std::size_t names) {
  std::size_t slots = fingerprints_.size();
  while (names * 4 >= slots * 3)
    slots *= 2;
  if (slots != fingerprints_.size()) rehash(slots);
}

// The records are read block by block, in the order they were written.
void NameTable::rehash(std::size_t slots) {
  fingerprints_ = SlotArray<std::uint8_t>(0);  // freed before the larger arrays are made
  places_ = SlotArray<std::uint32_t>(0);
  fingerprints_ = SlotArray<std::uint8_t>(slots);
  places_ = SlotArray<std::uint32_t>(slots);
  const std::size_t mask = slots - 1;
  for (std::size_t block = 0; block < blocks_.size(); ++block) {
    const char* const start = blocks_[block].get();
    for (const char* in = start; in < start + blockUsed_[block];) {
      const Record stored = decode(in);
      const std::uint64_t h = hash(stored.group, stored.folded);
      std::size_t at = h & mask;
      while (fingerprints_[at] != 0)
        at = (at + 1) & mask;
      fingerprints_[at] = fingerprintOf(h);
      places_[at] = static_cast<std::uint32_t>((block << kBlockBits) + (in - start));
      in = stored.folded.data() + stored.folded.size();
    }
  }
}

}  // namespace mk::check
