// Name lookups in flight: each name's place in the table is fetched when its line is read, and
// the name is looked up some lines later, when that memory has arrived.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check/name_table.h"

namespace mk::check {

class NameQueue {
 public:
  // How many lookups are in flight at most.
  static constexpr std::size_t kWindow = 32;

  struct Lookup {
    NameTable::Group group = NameTable::Group::kDataName;
    std::string name;
    std::uint64_t line = 0;
    std::uint64_t hash = 0;
  };

  // Looks names up in `table`, which must outlive the queue.
  explicit NameQueue(NameTable& table) : table_(table) {}

  // Queues the lookup of `name` of `group` on `line` (lines in increasing order). When the queue
  // is full, first completes the oldest lookup: done(lookup, earlier line or nothing).
  template <class Done>
  void push(NameTable::Group group, std::string_view name, std::uint64_t line, Done&& done) {
    if (count_ == kWindow) completeOldest(done);
    Lookup& lookup = ring_[(first_ + count_++) % kWindow];
    lookup.group = group;
    lookup.name.assign(name);
    lookup.line = line;
    lookup.hash = NameTable::hash(group, name);
    table_.prefetch(lookup.hash);
  }

  // Completes every queued lookup, oldest first.
  template <class Done>
  void drain(Done&& done) {
    while (count_ > 0)
      completeOldest(done);
  }

  // The line of the oldest lookup still queued, if any.
  [[nodiscard]] std::optional<std::uint64_t> oldestLine() const {
    if (count_ == 0) return std::nullopt;
    return ring_[first_].line;
  }

 private:
  template <class Done>
  void completeOldest(Done& done) {
    const Lookup& lookup = ring_[first_];
    done(lookup, table_.remember(lookup.group, lookup.name, lookup.line, lookup.hash));
    first_ = (first_ + 1) % kWindow;
    --count_;
  }

  NameTable& table_;
  std::array<Lookup, kWindow> ring_{};
  std::size_t first_ = 0;
  std::size_t count_ = 0;
};

}  // namespace mk::check
