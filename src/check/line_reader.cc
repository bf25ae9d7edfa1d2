#include "check/line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace mk::check {

LineReader::LineReader(std::FILE* file, std::size_t chunkSize)
    : file_(file), chunkSize_(std::max<std::size_t>(chunkSize, 1)), buffer_(chunkSize_) {
  data_ = buffer_.data();
}

LineReader::LineReader(std::span<const char> bytes)
    : data_(bytes.data()), end_(bytes.size()), atEnd_(true) {}

std::optional<std::string_view> LineReader::next() {
  for (;;) {
    const std::size_t from = start_ + scanned_;
    const void* found = from < end_ ? std::memchr(data_ + from, '\n', end_ - from) : nullptr;
    std::size_t length = 0;
    std::size_t consumed = 0;
    if (found != nullptr) {
      length = static_cast<const char*>(found) - (data_ + start_);
      consumed = length + 1;
    } else if (!atEnd_ && refill()) {
      continue;
    } else if (error_ == 0 && start_ < end_) {
      length = consumed = end_ - start_;
    } else {
      return std::nullopt;
    }
    std::string_view line(data_ + start_, length);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    start_ += consumed;
    scanned_ = 0;
    return line;
  }
}

bool LineReader::refill() {
  scanned_ = end_ - start_;
  if (start_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + start_, scanned_);
    end_ = scanned_;
    start_ = 0;
  }
  // A line longer than the buffer: the buffer doubles, so a line of n bytes costs O(n).
  if (buffer_.size() - end_ < chunkSize_)
    buffer_.resize(std::max(2 * buffer_.size(), end_ + chunkSize_));
  data_ = buffer_.data();
  errno = 0;
  const std::size_t count = std::fread(buffer_.data() + end_, 1, buffer_.size() - end_, file_);
  end_ += count;
  if (count == 0) {
    atEnd_ = true;
    if (std::ferror(file_) != 0) error_ = errno != 0 ? errno : EIO;
    return false;
  }
  return true;
}

}  // namespace mk::check
