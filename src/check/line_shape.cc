#include "check/line_shape.h"

#include <optional>

#include "check/layout_match.h"
#include "check/path_split.h"
#include "script/script_lines.h"

namespace mk::check {

namespace {

using Values = std::array<std::optional<std::string_view>, 4>;

constexpr std::string_view kCopy = "copy ";
constexpr std::string_view kDelete = "del ";
constexpr std::string_view kTc = "tc ";

// The shape of kind `kind` whose P and I follow `command` at the line's start.
LineShape pathAndInputShape(LineKind kind, std::string_view line, std::string_view command,
                            std::string_view path, std::string_view input) {
  LineShape shape;
  shape.kind = kind;
  shape.values[0] = {ValueKind::kDirectoryPath, line.substr(command.size(), path.size())};
  shape.values[1] = {ValueKind::kInputName,
                     line.substr(command.size() + path.size(), input.size())};
  shape.valueCount = 2;
  return shape;
}

bool matches(const Layout& layout, std::string_view line, Values& values) {
  return matchLayout(layout, line, {values.data(), static_cast<std::size_t>(layout.valueCount())});
}

LineShape recogniseRun(std::string_view line, std::string_view path, std::string_view input) {
  Values values{path, input, std::nullopt, std::nullopt};
  // The form without information is tried only where the line ends as that form ends.
  const bool plain = line.ends_with(script_lines::kRun.items().back().text) &&
                     matches(script_lines::kRun, line, values);
  if (!plain) {
    values = {path, input, std::nullopt, std::nullopt};  // a failed match leaves values behind
    if (!matches(script_lines::kRunWithInformation, line, values)) return {};
  }
  LineShape shape = pathAndInputShape(LineKind::kRun, line, kTc, path, input);
  shape.values[shape.valueCount++] = {ValueKind::kDataName, *values[2]};
  if (!plain) shape.values[shape.valueCount++] = {ValueKind::kInformation, *values[3]};
  return shape;
}

LineShape recogniseKeep(std::string_view line, std::string_view path) {
  Values values{path, std::nullopt, path, std::nullopt};
  if (!matches(script_lines::kKeep, line, values)) return {};
  LineShape shape;
  shape.kind = LineKind::kKeep;
  shape.values[0] = {ValueKind::kDirectoryPath, line.substr(kCopy.size(), path.size())};
  shape.values[1] = {ValueKind::kOutputFile, *values[1]};
  shape.values[2] = {ValueKind::kKeptName, *values[3]};
  shape.valueCount = 3;
  return shape;
}

}  // namespace

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

LineShape recogniseFirstLine(std::string_view line) {
  Values values{};
  if (!matches(script_lines::kBackup, line, values) || *values[0] != *values[2]) return {};
  const PathAndInput names = splitPathAndInput(*values[0]);
  return pathAndInputShape(LineKind::kBackup, line, kCopy, names.path, names.input);
}

ScriptLines::ScriptLines(std::string_view path, std::string_view input)
    : path_(path),
      input_(input),
      backup_(renderLayout(script_lines::kBackup, {path, input, path, input})),
      deleteOutput_(renderLayout(script_lines::kDeleteOutput, {path, input})),
      chaining_(renderLayout(script_lines::kChaining, {path, input, path, input})) {}

LineShape ScriptLines::recognise(std::string_view line) const {
  if (line == chaining_) return pathAndInputShape(LineKind::kChaining, line, kCopy, path_, input_);
  if (line.starts_with(kTc)) return recogniseRun(line, path_, input_);
  if (line == backup_) return pathAndInputShape(LineKind::kBackup, line, kCopy, path_, input_);
  if (line == deleteOutput_) {
    return pathAndInputShape(LineKind::kDeleteOutput, line, kDelete, path_, input_);
  }
  if (line.starts_with(kCopy)) return recogniseKeep(line, path_);
  return {};
}

}  // namespace mk::check
