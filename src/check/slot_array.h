// Memory for large tables, and the slots of a large hash table: a zeroed array of 32-bit words.
#pragma once

#include <cstddef>
#include <cstdint>
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

class SlotArray {
 public:
  // `size` slots, all 0.
  explicit SlotArray(std::size_t size);

  std::uint32_t& operator[](std::size_t at) { return data_.get()[at]; }
  const std::uint32_t& operator[](std::size_t at) const { return data_.get()[at]; }
  [[nodiscard]] std::size_t size() const { return size_; }
  [[nodiscard]] const std::uint32_t* begin() const { return data_.get(); }
  [[nodiscard]] const std::uint32_t* end() const { return data_.get() + size_; }

 private:
  std::unique_ptr<std::uint32_t, FreeLarge> data_;
  std::size_t size_;
};

}  // namespace mk::check
