// One numbered I/O channel of the unit table, with its buffers and marks.
//
// Input is seen through a text-mode lens: a carriage return directly followed by a line feed
// reads as one line end ('\n'); a carriage return on its own is an ordinary character. Output
// is buffered and written out when the buffer fills, on `flush`, and when the unit is closed;
// each unit writes its own line end.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "recordio/channel.h"
#include "recordio/copy_bytes.h"

namespace mk {

// What `Unit::peek` and `Unit::get` return at the end of input (or on a read error).
inline constexpr int kEndOfInput = -1;

class Unit {
 public:
  // Connects the unit to `channel`. `lineEnd` is what a record end writes; it must be a string
  // literal or otherwise outlive the unit.
  void connect(std::unique_ptr<Channel> channel, Access access, bool writing,
               std::string_view lineEnd);

  // Gives the unit its file name, kept for the diagnostic and for reopening. Units that never
  // get one are unnamed (the console).
  void setName(std::string name);

  bool connected() const { return connected_; }
  bool named() const { return named_; }
  const std::string& name() const { return name_; }
  Access access() const { return access_; }
  bool writing() const { return writing_; }
  // Notes that a write statement has begun on the unit: only such a unit is cut at its close.
  void markWritten() { written_ = true; }
  std::string_view lineEnd() const { return lineEnd_; }
  Channel& channel() { return *channel_; }

  // The at-end mark: set when a statement meets the end of input, kept until the unit closes.
  bool atEnd() const { return atEnd_; }
  void markAtEnd() { atEnd_ = true; }

  // Switches between reading and writing mode. Entering writing drops any read-ahead (moving
  // the stream back to the next unread byte); leaving it writes out the buffer.
  void enterWriting();
  void leaveWriting();
  void setAccess(Access access) { access_ = access; }

  // The next input character without taking it, or kEndOfInput.
  int peek() {
    if (inPos_ < inLen_ && in_[inPos_] != '\r') return static_cast<unsigned char>(in_[inPos_]);
    return peekSlowly();
  }
  // Takes the next input character, or returns kEndOfInput.
  int get() {
    if (inPos_ < inLen_ && in_[inPos_] != '\r') return static_cast<unsigned char>(in_[inPos_++]);
    return getSlowly();
  }

  // The input already read ahead, from the next byte on (refilled when nothing is); empty at
  // the end of input. Raw bytes: a carriage return is not folded here. `skip` takes `count` of
  // them.
  std::string_view ahead() {
    if (inPos_ == inLen_ && !fill()) return {};
    return {in_.get() + inPos_, inLen_ - inPos_};
  }
  void skip(std::size_t count) { inPos_ += count; }

  // How a take of the current line ended.
  enum class LineTake { kLineEnd, kFull, kEndOfInput };

  // Takes up to `width` characters of the current line into `dest`, counting them in `taken`:
  // stops at the line end, which it takes too (kLineEnd), after `width` characters, leaving the
  // rest of the line (kFull), or at the end of input (kEndOfInput).
  LineTake takeLine(char* dest, std::size_t width, std::size_t& taken);

  // Takes everything up to and including the next line end. False when the end of input came
  // first (everything up to it is taken).
  bool skipLine();
  // The system error that ended the input early, or 0 when it ended normally.
  int readError() const { return readErrno_; }

  // Appends `bytes` to the output.
  void put(std::string_view bytes) {
    if (bytes.size() <= outCapacity_ - outLen_) {
      copyBytes(out_.get() + outLen_, bytes.data(), bytes.size());
      outLen_ += bytes.size();
    } else {
      putSlowly(bytes);
    }
  }
  // Room for `size` more bytes at the end of the output, written out first if need be; null
  // when `size` exceeds the whole buffer. `commit` then takes the bytes up to `end`.
  char* reserve(std::size_t size) {
    if (size <= outCapacity_ - outLen_) return out_.get() + outLen_;
    return reserveSlowly(size);
  }
  void commit(const char* end) { outLen_ = static_cast<std::size_t>(end - out_.get()); }

  // Writes out the buffered output. False when a write failed since the last successful flush;
  // writeError() then tells why.
  bool flush();
  int writeError() const { return writeErrno_; }

  // The layout text of the last write statement on this unit.
  std::string_view lastWriteLayout() const { return lastWriteLayout_; }
  void setLastWriteLayout(std::string_view text) { lastWriteLayout_ = text; }

  // Writes out the output, cuts a positionable unit in writing mode that a write statement wrote
  // at its written length (a unit never written keeps its file's length), releases a named
  // stream, and marks the unit not connected. Nothing is reported; no memory is allocated or
  // freed, so this is safe inside a signal handler.
  void close();

 private:
  bool fill();
  bool ensureAhead(std::size_t count);
  int peekSlowly();
  int getSlowly();
  void putSlowly(std::string_view bytes);
  char* reserveSlowly(std::size_t size);
  void writeOut(const char* bytes, std::size_t size);

  std::unique_ptr<Channel> channel_;
  bool connected_ = false;
  bool named_ = false;
  std::string name_;
  Access access_ = Access::kReadOnly;
  bool writing_ = false;
  bool written_ = false;
  bool atEnd_ = false;
  bool seekable_ = false;
  std::string_view lineEnd_ = "\n";
  std::string_view lastWriteLayout_;

  std::unique_ptr<char[]> in_;
  std::size_t inCapacity_ = 0;
  std::size_t inPos_ = 0;
  std::size_t inLen_ = 0;
  bool inputEnded_ = false;
  int readErrno_ = 0;

  std::unique_ptr<char[]> out_;
  std::size_t outCapacity_ = 0;
  std::size_t outLen_ = 0;
  int writeErrno_ = 0;
};

}  // namespace mk
