// The names a script has used, compared as Windows compares file names, each with the line
// that first used it; compact enough for millions of names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "check/slot_array.h"

namespace mk::check {

class NameTable {
 public:
  // Names of different groups never match each other.
  enum class Group : unsigned char { kDataName, kKeptName };

  // Remembers `name` of `group` as first used on `line`, unless a name of that group equal to it
  // without regard to the case of the letters A to Z is there already: then returns that name's
  // line and remembers nothing. Comparisons are exact: no two different names ever match.
  std::optional<std::uint64_t> remember(Group group, std::string_view name, std::uint64_t line) {
    return remember(group, name, line, hash(group, name));
  }

  // The same, with `nameHash` = hash(group, name) computed before.
  std::optional<std::uint64_t> remember(Group group, std::string_view name, std::uint64_t line,
                                        std::uint64_t nameHash);

  // The hash of `name` of `group`, equal for names equal without regard to case.
  static std::uint64_t hash(Group group, std::string_view name);

  // Asks the processor to fetch the memory a later remember() of a name with `nameHash` will
  // look at first: the table is larger than the caches, and fetching the places of several
  // names at once is faster than one after the other (about twice, measured).
  void prefetch(std::uint64_t nameHash) const;

  // Makes room for `names` names in all, so that the table need not grow again before.
  void reserve(std::size_t names);

  // How many names the table holds.
  [[nodiscard]] std::size_t size() const { return count_; }

 private:
  // A stored name: its line, its length, its group and its letters in lower case, packed into
  // blocks in the order the names came. Slot `at` is empty when fingerprints_[at] is 0, else
  // it holds a name, numbered numbers_[at], whose hash gives fingerprint fingerprints_[at]
  // (1 to 255): a name is compared only with stored names of its own fingerprint. Most lookups
  // find an empty slot and read only the fingerprints, a byte per slot (4 MiB for 3 million
  // names), which stay in the caches better than 4-byte slots; on a shared machine the gain
  // was within the noise of the measurement.
  struct Record {
    std::uint64_t line = 0;
    Group group = Group::kDataName;
    std::string_view folded;
  };

  static constexpr unsigned kBlockBits = 21;  // a record's position within its block
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;
  static constexpr unsigned kPlaceChunkBits = 18;  // 2 MiB of places: a huge page per chunk

  [[nodiscard]] Record record(std::uint32_t number) const;
  void store(Group group, std::string_view name, std::uint64_t line);
  void rehash(std::size_t slots);

  SlotArray<std::uint8_t> fingerprints_{std::size_t{1} << 12};
  SlotArray<std::uint32_t> numbers_{std::size_t{1} << 12};
  std::size_t count_ = 0;
  std::vector<std::unique_ptr<char, FreeLarge>> blocks_;  // records packed into blocks
  std::size_t used_ = 0;                                  // bytes used in the last block
  std::size_t capacity_ = 0;                              // the last block's size
  // Each name's record: its place in blocks_, block number and position, by name number.
  std::vector<std::unique_ptr<std::uint64_t, FreeLarge>> places_;
};

}  // namespace mk::check
