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
  // look at first: the table is far larger than the caches, and fetching the places of several
  // names at once is faster than one after the other (about twice, measured).
  void prefetch(std::uint64_t nameHash) const;

  // Makes room for `names` names in all, so that the table need not grow again before.
  void reserve(std::size_t names);

  // How many names the table holds.
  [[nodiscard]] std::size_t size() const { return count_; }

 private:
  // A stored name: its line, its length, its group and its letters in lower case, packed into
  // blocks; a slot holds 24 bits of the name's hash and the record's place plus one (0: empty).
  struct Record {
    std::uint64_t line = 0;
    Group group = Group::kDataName;
    std::string_view folded;
  };

  static constexpr unsigned kPlaceBits = 40;
  static constexpr unsigned kBlockBits = 21;  // a record's position within its block
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;

  [[nodiscard]] Record record(std::uint64_t slot) const;
  std::uint64_t store(Group group, std::string_view name, std::uint64_t line);
  void rehash(std::size_t slots);

  SlotArray slots_{std::size_t{1} << 12};
  std::size_t count_ = 0;
  std::vector<std::unique_ptr<char, FreeLarge>> blocks_;  // records packed into blocks
  std::size_t used_ = 0;                                  // bytes used in the last block
  std::size_t capacity_ = 0;                              // the last block's size
};

}  // namespace mk::check
