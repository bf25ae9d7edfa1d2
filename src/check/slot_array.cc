#include "check/slot_array.h"

#include <cstring>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace mk::check {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20U;

}  // namespace

SlotArray::SlotArray(std::size_t size)
    : data_(static_cast<std::uint64_t*>(
          ::operator new (size * sizeof(std::uint64_t), std::align_val_t{kHugePage}))),
      size_(size) {
#ifdef __linux__
  // Asked for before the first write, which is when the pages are made.
  if (size * sizeof(std::uint64_t) >= kHugePage) {
    madvise(data_.get(), size * sizeof(std::uint64_t), MADV_HUGEPAGE);
  }
#endif
  std::memset(data_.get(), 0, size * sizeof(std::uint64_t));
}

void SlotArray::Free::operator()(std::uint64_t* slots) const {
  ::operator delete (slots, std::align_val_t{kHugePage});
}

}  // namespace mk::check
