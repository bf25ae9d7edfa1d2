#include "check/slot_array.h"

#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace mk::check {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20U;

}  // namespace

std::pair<void*, FreeLarge> allocateLarge(std::size_t bytes) {
  const std::align_val_t alignment = bytes >= kHugePage
                                         ? std::align_val_t{kHugePage}
                                         : std::align_val_t{alignof(std::max_align_t)};
  void* memory = ::operator new(bytes, alignment);
#ifdef __linux__
  // Asked for before the first write, which is when the pages are made.
  if (bytes >= kHugePage) madvise(memory, bytes, MADV_HUGEPAGE);
#endif
  return {memory, FreeLarge(alignment)};
}

void FreeLarge::operator()(void* memory) const {
  ::operator delete(memory, alignment_);
}

}  // namespace mk::check
