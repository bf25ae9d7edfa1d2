// The names a script has used, compared as Windows compares file names, each with the line
// that first used it; compact enough for millions of names.
#pragma once

#include <algorithm>
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
  // Names of different groups never match each other: data names, kept names and the output
  // files that keep lines copy.
  enum class Group : unsigned char { kDataName, kKeptName, kOutputFile };

  // Remembers `name` of `group` as first used on `line`, unless a name of that group equal to it
  // without regard to the case of the letters A to Z is there already: then returns that name's
  // line and remembers nothing. Comparisons are exact: no two different names ever match.
  std::optional<std::uint64_t> remember(Group group, std::string_view name, std::uint64_t line);

  // The line of the name of `group` equal to `name` without regard to case, if remembered.
  [[nodiscard]] std::optional<std::uint64_t> find(Group group, std::string_view name) const;

  // Makes room for `names` names in all, so that the table need not grow again before.
  void reserve(std::size_t names);

  // How many names the table holds.
  [[nodiscard]] std::size_t size() const { return count_; }

 private:
  // A stored name: its line, its length, its group and its letters in lower case, packed into
  // blocks in the order the names came. Slot `at` is empty when fingerprints_[at] is 0, else
  // it holds a name whose record stands at places_[at] and whose hash gives fingerprint
  // fingerprints_[at] (1 to 255): a name is compared only with stored names of its own
  // fingerprint. Most lookups find an empty slot and read only the fingerprints, a byte per
  // slot (4 MiB for 3 million names). A place is a block's number and a position in it, in 32
  // bits: the records of a table fill at most 2048 blocks (4 GiB). The slots hold the places
  // themselves, with no array of places by name: 24 MiB less for 3 million names.
  struct Record {
    std::uint64_t line = 0;
    Group group = Group::kDataName;
    std::string_view folded;
  };

  static constexpr unsigned kBlockBits = 21;  // a record's position within its block
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;
  static constexpr std::size_t kMaxBlocks = std::size_t{1} << (32 - kBlockBits);
  // The first blocks are small, so that a small script takes little memory; from the sixth on
  // they are kBlockSize.
  static constexpr std::size_t blockCapacity(std::size_t block) {
    return kBlockSize >> (5 - std::min<std::size_t>(block, 5));
  }

  // The hash of `name` of `group`, equal for names equal without regard to case.
  static std::uint64_t hash(Group group, std::string_view name);
  // The slot that holds `name` of `group`, whose hash is `nameHash`, or else the empty slot
  // where it would go.
  [[nodiscard]] std::size_t slotOf(Group group, std::string_view name,
                                   std::uint64_t nameHash) const;
  // The record that begins at `in`.
  static Record decode(const char* in);
  [[nodiscard]] Record record(std::uint32_t place) const;
  // Stores the name's record and returns its place.
  std::uint32_t store(Group group, std::string_view name, std::uint64_t line);
  void rehash(std::size_t slots);

  SlotArray<std::uint8_t> fingerprints_{std::size_t{1} << 12};
  SlotArray<std::uint32_t> places_{std::size_t{1} << 12};
  std::size_t count_ = 0;
  std::vector<std::unique_ptr<char, FreeLarge>> blocks_;  // records packed into blocks
  std::vector<std::size_t> blockUsed_;                    // the bytes of records in each block
  bool lastBlockFull_ = false;  // the last block holds a long name, and nothing may follow it
};

}  // namespace mk::check
