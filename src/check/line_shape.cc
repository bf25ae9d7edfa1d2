#include "check/line_shape.h"

#include <algorithm>
#include <optional>

#include "check/file_names.h"
#include "check/layout_match.h"
#include "script/script_lines.h"

namespace mk::check {

constexpr std::string_view kCopy = "copy ";
constexpr std::string_view kDelete = "del ";
constexpr std::string_view kTc = "tc ";

// Makes `shape` the shape of kind `kind` whose P and I follow `command` at the line's start.
static void setPathAndInput(LineShape& shape, LineKind kind, std::string_view line,
                            std::string_view command, std::string_view path,
                            std::string_view input) {
  shape.kind = kind;
  shape.values[0] = {ValueKind::kDirectoryPath, line.substr(command.size(), path.size())};
  shape.values[1] = {ValueKind::kInputName,
                     line.substr(command.size() + path.size(), input.size())};
  shape.valueCount = 2;
}

const NamedValue* valueAt(const LineShape& shape, std::string_view line, std::size_t position) {
  for (std::size_t i = 0; i < shape.valueCount; ++i) {
    const NamedValue& value = shape.values[i];
    const auto start = static_cast<std::size_t>(value.text.data() - line.data());
    if (position >= start && position - start < value.text.size()) return &value;
  }
  return nullptr;
}

const NamedValue* findValue(const LineShape& shape, ValueKind kind) {
  for (std::size_t i = 0; i < shape.valueCount; ++i) {
    if (shape.values[i].kind == kind) return &shape.values[i];
  }
  return nullptr;
}

LineShape recogniseFirstLine(std::string_view line, std::optional<std::size_t> pathSize) {
  // P and I stand together: each copy of them is taken as one, and the two must agree.
  static const LayoutMatcher kBackup(script_lines::kBackup, {{}, {}, {}, {}});
  std::array<std::string_view, 2> taken;
  if (!kBackup.match(line, taken) || taken[0] != taken[1]) return {};
  // This line cannot tell where P ends (the keep lines can): without their word, I is taken as
  // a file name is, the part after the last '\', '/' or ':', exact when P ends with a
  // separator, as the question asks.
  const std::size_t path =
      std::min(pathSize.value_or(taken[0].size() - fileNamePart(taken[0]).size()), taken[0].size());
  LineShape shape;
  setPathAndInput(shape, LineKind::kBackup, line, kCopy, taken[0].substr(0, path),
                  taken[0].substr(path));
  return shape;
}

std::optional<std::size_t> pathSizeOfKeep(std::string_view line, std::string_view pathAndInput,
                                          std::string_view data) {
  constexpr std::size_t kKeptWidth = 20;
  if (!line.starts_with(kCopy) || data.empty()) return std::nullopt;
  line.remove_prefix(kCopy.size());
  data = data.substr(0, kKeptWidth);
  std::optional<std::size_t> found;
  for (std::size_t at = line.find(data); at != std::string_view::npos;
       at = line.find(data, at + 1)) {
    if (line.size() - at > kKeptWidth) continue;
    for (std::size_t blank = at; blank-- > 0;) {
      if (line[blank] != ' ') continue;
      const std::string_view path = line.substr(blank + 1, at - blank - 1);
      if (path.size() > blank || !pathAndInput.starts_with(path) || !line.starts_with(path))
        continue;
      if (found && *found != path.size()) return std::nullopt;
      found = path.size();
    }
  }
  return found;
}

ScriptLines::ScriptLines(std::string_view path, std::string_view input)
    : path_(path),
      input_(input),
      backup_(renderLayout(script_lines::kBackup, {path, input, path, input})),
      deleteOutput_(renderLayout(script_lines::kDeleteOutput, {path, input})),
      chaining_(renderLayout(script_lines::kChaining, {path, input, path, input})),
      run_(script_lines::kRun, {path, input, std::nullopt}),
      runWithInformation_(script_lines::kRunWithInformation,
                          {path, input, std::nullopt, std::nullopt}),
      keep_(script_lines::kKeep, {path, std::nullopt, path, std::nullopt}) {}

LineShape ScriptLines::recognise(std::string_view line) const {
  LineShape shape;
  if (line == chaining_) {
    setPathAndInput(shape, LineKind::kChaining, line, kCopy, path_, input_);
  } else if (line.starts_with(kTc)) {
    recogniseRun(line, shape);
  } else if (line == backup_) {
    setPathAndInput(shape, LineKind::kBackup, line, kCopy, path_, input_);
  } else if (line == deleteOutput_) {
    setPathAndInput(shape, LineKind::kDeleteOutput, line, kDelete, path_, input_);
  } else if (line.starts_with(kCopy)) {
    recogniseKeep(line, shape);
  }
  return shape;
}

void ScriptLines::recogniseRun(std::string_view line, LineShape& shape) const {
  std::array<std::string_view, 2> taken;  // D, and T with information
  const bool plain = run_.match(line, taken);
  if (!plain && !runWithInformation_.match(line, taken)) return;
  setPathAndInput(shape, LineKind::kRun, line, kTc, path_, input_);
  shape.values[shape.valueCount++] = {ValueKind::kDataName, taken[0]};
  if (!plain) shape.values[shape.valueCount++] = {ValueKind::kInformation, taken[1]};
}

void ScriptLines::recogniseKeep(std::string_view line, LineShape& shape) const {
  std::array<std::string_view, 2> taken;  // O and N
  if (!keep_.match(line, taken)) return;
  shape.kind = LineKind::kKeep;
  shape.values[0] = {ValueKind::kDirectoryPath, line.substr(kCopy.size(), path_.size())};
  shape.values[1] = {ValueKind::kOutputFile, taken[0]};
  shape.values[2] = {ValueKind::kKeptName, taken[1]};
  shape.valueCount = 3;
}

}  // namespace mk::check
