#include "recordio/unit.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <utility>

#include "recordio/signals.h"
#include "recordio/statement.h"

namespace mk {

namespace {

constexpr std::size_t kInputBufferSize = std::size_t{64} << 10;
constexpr std::size_t kOutputBufferSize = std::size_t{256} << 10;

std::unique_ptr<char[]> allocateBuffer(std::size_t size) {
  try {
    return std::make_unique_for_overwrite<char[]>(size);
  } catch (const std::bad_alloc&) {
    fatalIo(IoError::layer(LayerError::kOutOfFreeSpace), "malloc failure");
  }
}

}  // namespace

void Unit::connect(std::unique_ptr<Channel> channel, Access access, bool writing,
                   std::string_view lineEnd) {
  channel_ = std::move(channel);
  connected_ = true;
  access_ = access;
  writing_ = writing;
  written_ = false;
  atEnd_ = false;
  seekable_ = !channel_->isTerminal();
  lineEnd_ = lineEnd;
  inPos_ = inLen_ = outLen_ = 0;
  inputEnded_ = false;
  readErrno_ = writeErrno_ = 0;
}

void Unit::setName(std::string name) {
  name_ = std::move(name);
  named_ = true;
}

void Unit::enterWriting() {
  if (inPos_ < inLen_ && seekable_) {
    const long long at = channel_->position();
    if (at >= 0) channel_->seek(at - static_cast<long long>(inLen_ - inPos_));
  }
  inPos_ = inLen_ = 0;
  inputEnded_ = false;
  writing_ = true;
}

void Unit::leaveWriting() {
  flush();
  writing_ = false;
}

bool Unit::fill() {
  return ensureAhead(1);
}

// Makes at least `count` unread bytes available unless the input ends first; keeps what is
// still unread. Returns whether `count` bytes are there.
bool Unit::ensureAhead(std::size_t count) {
  while (inLen_ - inPos_ < count) {
    if (inputEnded_) return false;
    if (!in_) {
      in_ = allocateBuffer(kInputBufferSize);
      inCapacity_ = kInputBufferSize;
    }
    if (inPos_ > 0) {
      std::memmove(in_.get(), in_.get() + inPos_, inLen_ - inPos_);
      inLen_ -= inPos_;
      inPos_ = 0;
    }
    long got = 0;
    {
      const WaitingForInput waiting;
      got = channel_->read(in_.get() + inLen_, inCapacity_ - inLen_);
    }
    if (got < 0 && errno == EINTR) {
      actOnPendingSignal();
      continue;
    }
    if (got <= 0) {
      inputEnded_ = true;
      if (got < 0) readErrno_ = errno;
      return false;
    }
    inLen_ += static_cast<std::size_t>(got);
  }
  return true;
}

// The next character when it may need a refill or is a carriage return.
int Unit::peekSlowly() {
  if (inPos_ == inLen_ && !fill()) return kEndOfInput;
  const char c = in_[inPos_];
  if (c == '\r' && ensureAhead(2) && in_[inPos_ + 1] == '\n') return '\n';
  return static_cast<unsigned char>(c);
}

int Unit::getSlowly() {
  const int c = peekSlowly();
  if (c == kEndOfInput) return c;
  inPos_ += (c == '\n' && in_[inPos_] == '\r') ? 2 : 1;
  return c;
}

Unit::LineTake Unit::takeLine(char* dest, std::size_t width, std::size_t& taken) {
  taken = 0;
  while (taken < width) {
    if (inPos_ == inLen_ && !fill()) return LineTake::kEndOfInput;
    const char* start = in_.get() + inPos_;
    const std::size_t span = std::min(width - taken, inLen_ - inPos_);
    const auto* newline = static_cast<const char*>(std::memchr(start, '\n', span));
    const std::size_t count = newline != nullptr ? static_cast<std::size_t>(newline - start) : span;
    std::memcpy(dest + taken, start, count);
    taken += count;
    inPos_ += count;
    if (newline != nullptr) {
      ++inPos_;
      if (taken > 0 && dest[taken - 1] == '\r') --taken;  // the CR of a CR LF
      return LineTake::kLineEnd;
    }
  }
  // A carriage return in the last position is a line end when a line feed follows it.
  if (width > 0 && dest[width - 1] == '\r' && ensureAhead(1) && in_[inPos_] == '\n') {
    ++inPos_;
    --taken;
    return LineTake::kLineEnd;
  }
  return LineTake::kFull;
}

bool Unit::skipLine() {
  for (;;) {
    if (inPos_ == inLen_ && !fill()) return false;
    const char* start = in_.get() + inPos_;
    const void* newline = std::memchr(start, '\n', inLen_ - inPos_);
    if (newline != nullptr) {
      inPos_ += static_cast<std::size_t>(static_cast<const char*>(newline) - start) + 1;
      return true;
    }
    inPos_ = inLen_;
  }
}

// Makes room when the buffer lacks it: allocates the buffer on first use, or writes it out.
char* Unit::reserveSlowly(std::size_t size) {
  if (!out_) {
    out_ = allocateBuffer(kOutputBufferSize);
    outCapacity_ = kOutputBufferSize;
  } else {
    flush();
  }
  return size <= outCapacity_ ? out_.get() + outLen_ : nullptr;
}

void Unit::putSlowly(std::string_view bytes) {
  char* at = reserveSlowly(bytes.size());
  if (at == nullptr) {
    writeOut(bytes.data(), bytes.size());
    return;
  }
  std::memcpy(at, bytes.data(), bytes.size());
  outLen_ += bytes.size();
}

bool Unit::flush() {
  const std::size_t pending = outLen_;
  outLen_ = 0;
  if (pending > 0) writeOut(out_.get(), pending);
  return writeErrno_ == 0;
}

// Writes `size` bytes straight to the channel. After a failure the bytes are dropped and the
// first error is kept.
void Unit::writeOut(const char* bytes, std::size_t size) {
  while (size > 0 && writeErrno_ == 0) {
    const long written = channel_->write(bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      writeErrno_ = written < 0 ? errno : EIO;
      return;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
}

void Unit::close() {
  if (!connected_) return;
  if (outLen_ > 0) flush();
  if (written_ && writing_ && seekable_ && named_) {
    const long long at = channel_->position();
    if (at >= 0) channel_->cut(at);
  }
  if (named_) channel_->close();
  connected_ = false;
  named_ = false;
  name_.clear();
  atEnd_ = false;
}

}  // namespace mk
