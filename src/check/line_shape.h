// Recognising a line as one of the lines multikevra writes, and naming the values in it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "check/layout_match.h"

namespace mk::check {

enum class LineKind : unsigned char { kBackup, kDeleteOutput, kRun, kChaining, kKeep, kForeign };

// What a value of a line is, for the messages.
enum class ValueKind : unsigned char {
  kDirectoryPath,
  kInputName,
  kDataName,
  kInformation,
  kOutputFile,
  kKeptName
};

struct NamedValue {
  ValueKind kind = ValueKind::kDirectoryPath;
  std::string_view text;  // a view into the line
};

struct LineShape {
  LineKind kind = LineKind::kForeign;
  // The line's values in the order they stand (a value written twice is named at its first
  // place): P and I on the backup, delete and chaining lines; P, I, D and, with information,
  // T on a run line; P, O and N on a keep line. None on a foreign line.
  std::array<NamedValue, 4> values{};
  std::size_t valueCount = 0;
};

// The value of `shape` (recognised in `line`) whose text holds the character at `position`,
// or nullptr.
const NamedValue* valueAt(const LineShape& shape, std::string_view line, std::size_t position);

// The first value of `kind` in `shape`, or nullptr.
const NamedValue* findValue(const LineShape& shape, ValueKind kind);

// Recognises the backup copy line "copy P I.inp P I_orig.inp" with any P I, the same twice:
// P of `pathSize` characters when given (as the keep lines tell it), else up to the last \, /
// or :. Foreign when the line is not such a line.
LineShape recogniseFirstLine(std::string_view line, std::optional<std::size_t> pathSize = {});

// The length of P that makes `line` a keep line "copy P O P N" of the data name `data` (not
// empty), P being a beginning of the first line's `pathAndInput` and N `data` followed by a
// suffix, cut to 20 characters; nothing when no length does, or more than one.
std::optional<std::size_t> pathSizeOfKeep(std::string_view line, std::string_view pathAndInput,
                                          std::string_view data);

// The lines of one script, whose directory path P and input name I the first line gave: the
// lines without values of their own are written out once, the others matched against their
// layouts with P and I filled in.
class ScriptLines {
 public:
  ScriptLines() = default;
  ScriptLines(std::string_view path, std::string_view input);

  // Recognises `line`: the backup, delete, run (with or without information), chaining and keep
  // lines, or foreign.
  [[nodiscard]] LineShape recognise(std::string_view line) const;

  [[nodiscard]] const std::string& path() const { return path_; }
  [[nodiscard]] const std::string& input() const { return input_; }

 private:
  void recogniseRun(std::string_view line, LineShape& shape) const;
  void recogniseKeep(std::string_view line, LineShape& shape) const;

  std::string path_;
  std::string input_;
  std::string backup_;
  std::string deleteOutput_;
  std::string chaining_;
  LayoutMatcher run_;                 // takes D
  LayoutMatcher runWithInformation_;  // takes D and T
  LayoutMatcher keep_;                // takes O and N
};

}  // namespace mk::check
