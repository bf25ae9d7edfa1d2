// A channel over memory: the input it offers is fixed when it is made, and everything written
// to it is kept. Tests and fuzz targets drive the units through it.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "recordio/channel.h"

namespace mk {

class MemoryChannel : public Channel {
 public:
  explicit MemoryChannel(std::string input = {}) : input_(std::move(input)) {}

  // Everything written so far.
  const std::string& written() const { return written_; }

  long read(char* dest, std::size_t size) override {
    const std::size_t count = std::min(size, input_.size() - readAt_);
    if (count > 0) std::memcpy(dest, input_.data() + readAt_, count);
    readAt_ += count;
    return static_cast<long>(count);
  }
  long write(const char* src, std::size_t size) override {
    written_.append(src, size);
    return static_cast<long>(size);
  }
  long long position() override { return -1; }
  bool seek(long long /*offset*/) override { return false; }
  bool cut(long long /*length*/) override { return false; }
  bool reopen(Access /*access*/) override { return true; }
  bool isTerminal() override { return false; }
  void close() override {}

 private:
  std::string input_;
  std::size_t readAt_ = 0;
  std::string written_;
};

}  // namespace mk
