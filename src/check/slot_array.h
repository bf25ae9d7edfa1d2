// Memory for large tables, and the slots of a large hash table: a zeroed array of small words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace mk::check {

// Frees memory from allocateLarge().
struct FreeLarge {
  void operator()(void* memory) const;
};

// `bytes` bytes, not initialised, aligned to 2 MiB and on Linux in huge pages: a large table
// then costs a few page faults instead of thousands, and random lookups seldom miss the
// processor's cache of page addresses.
void* allocateLarge(std::size_t bytes);

template <class Word>
class SlotArray {
 public:
  // `size` slots, all 0.
  explicit SlotArray(std::size_t size)
      : data_(static_cast<Word*>(allocateLarge(size * sizeof(Word)))), size_(size) {
    std::memset(data_.get(), 0, size * sizeof(Word));
  }

  Word& operator[](std::size_t at) { return data_.get()[at]; }
  const Word& operator[](std::size_t at) const { return data_.get()[at]; }
  [[nodiscard]] std::size_t size() const { return size_; }

 private:
  std::unique_ptr<Word, FreeLarge> data_;
  std::size_t size_;
};

}  // namespace mk::check
