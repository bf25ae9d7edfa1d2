// The slots of a large hash table: a zeroed array of 64-bit words, on Linux in huge pages, so
// that random lookups seldom miss the processor's cache of page addresses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace mk::check {

class SlotArray {
 public:
  // `size` slots, all 0.
  explicit SlotArray(std::size_t size);

  std::uint64_t& operator[](std::size_t at) { return data_.get()[at]; }
  const std::uint64_t& operator[](std::size_t at) const { return data_.get()[at]; }
  [[nodiscard]] std::size_t size() const { return size_; }
  [[nodiscard]] const std::uint64_t* begin() const { return data_.get(); }
  [[nodiscard]] const std::uint64_t* end() const { return data_.get() + size_; }

 private:
  struct Free {
    void operator()(std::uint64_t* slots) const;
  };
  std::unique_ptr<std::uint64_t, Free> data_;
  std::size_t size_;
};

}  // namespace mk::check
