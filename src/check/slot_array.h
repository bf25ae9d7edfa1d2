// Memory for large tables, and the slots of a large hash table: a zeroed array of small words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

namespace mk::check {

// Frees memory from allocateLarge(), with the alignment it was allocated with.
class FreeLarge {
 public:
  FreeLarge() = default;
  explicit FreeLarge(std::align_val_t alignment) : alignment_(alignment) {}
  void operator()(void* memory) const;

 private:
  std::align_val_t alignment_{alignof(std::max_align_t)};
};

// `bytes` bytes, not initialised. From 2 MiB on, aligned to 2 MiB and on Linux in huge pages: a
// large table then costs a few page faults instead of thousands, and random lookups seldom miss
// the processor's cache of page addresses. Smaller ones are ordinary memory, so that a small
// script costs no large mapping.
std::pair<void*, FreeLarge> allocateLarge(std::size_t bytes);

// The same, owned.
template <class T>
std::unique_ptr<T, FreeLarge> allocateLargeArray(std::size_t bytes) {
  const auto [memory, free] = allocateLarge(bytes);
  return std::unique_ptr<T, FreeLarge>(static_cast<T*>(memory), free);
}

template <class Word>
class SlotArray {
 public:
  // `size` slots, all 0.
  explicit SlotArray(std::size_t size)
      : data_(allocateLargeArray<Word>(size * sizeof(Word))), size_(size) {
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
