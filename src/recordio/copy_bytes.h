// A copy for the short pieces that records are made of.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>

namespace mk {

// Copies `size` bytes, N <= size <= 2N, as two fixed blocks of N that may overlap.
template <std::size_t N>
inline void copyEnds(char* dest, const char* src, std::size_t size) {
  std::array<char, N> head;
  std::array<char, N> tail;
  std::memcpy(head.data(), src, N);
  std::memcpy(tail.data(), src + size - N, N);
  std::memcpy(dest, head.data(), N);
  std::memcpy(dest + size - N, tail.data(), N);
}

// Copies `size` bytes. Pieces of up to 32 bytes are copied inline, without a call.
inline void copyBytes(char* dest, const char* src, std::size_t size) {
  if (size > 32) {
    std::memcpy(dest, src, size);
  } else if (size >= 16) {
    copyEnds<16>(dest, src, size);
  } else if (size >= 8) {
    copyEnds<8>(dest, src, size);
  } else if (size >= 4) {
    copyEnds<4>(dest, src, size);
  } else if (size > 0) {  // the first, the middle and the last byte
    const char first = src[0];
    const char middle = src[size / 2];
    const char last = src[size - 1];
    dest[0] = first;
    dest[size / 2] = middle;
    dest[size - 1] = last;
  }
}

}  // namespace mk
