// The statement state and the fatal I/O diagnostic: the one way every failure ends the run.
#pragma once

#include <string>
#include <string_view>

namespace mk {

// The layer's own errors, each with a fixed text.
enum class LayerError {
  kNullFileName,
  kIncomprehensibleListInput,
  kOutOfFreeSpace,
  kReadUnexpectedCharacter,
  kCantReadFile,
  kCantWriteFile,
  kIntegerOutOfRange,
};

// What went wrong: a system error (shown with the platform's message), the end of input, or
// one of the layer's own errors.
class IoError {
 public:
  static IoError system(int errnum) { return IoError(Kind::kSystem, errnum, {}); }
  static IoError endOfFile() { return IoError(Kind::kEndOfFile, 0, {}); }
  static IoError layer(LayerError error) { return IoError(Kind::kLayer, 0, error); }

  // The text after the context on the diagnostic's first line.
  std::string describe() const;

 private:
  enum class Kind { kSystem, kEndOfFile, kLayer };
  IoError(Kind kind, int errnum, LayerError error) : kind_(kind), errnum_(errnum), error_(error) {}

  Kind kind_;
  int errnum_;
  LayerError error_;
};

// The layout text that a free-form read makes current.
inline constexpr std::string_view kListLayout = "list io";

// Records the start of an open on `unit`.
void noteOpen(int unit);

// Records the start of a whole-line read (`reading`) or a write on `unit`, with its layout
// text, which must outlive the statement (layouts are static).
void beginRecordStatement(int unit, std::string_view layout, bool reading);

// Records the start of a free-form read on `unit`; its layout text "list io" stays current
// until the next whole-line read or write begins.
void beginListStatement(int unit);

// Ends a whole-line read or write (its layout is no longer current), or a free-form read.
// Either acts on a signal that arrived during the statement.
void endRecordStatement();
void endListStatement();

// Puts the statement state back to how start-up leaves it. For tests.
void resetStatementState();

// Writes the fatal diagnostic for `error` in the step named by `context` to standard error,
// closes all units (so that every record written so far stays in its file) and aborts.
[[noreturn]] void fatalIo(IoError error, std::string_view context);

}  // namespace mk
