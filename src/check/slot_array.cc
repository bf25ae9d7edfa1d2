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
  FreeLarge free;
  if (bytes >= kHugePage) free.alignment = std::align_val_t{kHugePage};
  void* memory = ::operator new(bytes, free.alignment);
#ifdef __linux__
  // Asked for before the first write, which is when the pages are made.
  if (bytes >= kHugePage) madvise(memory, bytes, MADV_HUGEPAGE);
#endif
  return {memory, free};
}

void FreeLarge::operator()(void* memory) const {
  ::operator delete(memory, alignment);
}

}  // namespace mk::check
