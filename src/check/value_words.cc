#include "check/value_words.h"

#include "check/file_names.h"

namespace mk::check {

static std::string_view kindName(ValueKind kind) {
  switch (kind) {
    case ValueKind::kDirectoryPath:
      return "directory path";
    case ValueKind::kInputName:
      return "input name";
    case ValueKind::kDataName:
      return "data name";
    case ValueKind::kInformation:
      return "information text";
    case ValueKind::kOutputFile:
      return "output file name";
    default:
      return "kept name";
  }
}

std::string inQuotes(std::string_view text) {
  return std::string("\"").append(text).append("\"");
}

std::string asResolved(std::string_view name) {
  if (isPlainName(name) || name.empty()) return inQuotes(name);
  return inQuotes(name) + " (to Windows " + inQuotes(normalName(name)) + ")";
}

std::string describe(const NamedValue* value) {
  if (value == nullptr) return "this line";
  std::string text(kindName(value->kind));
  return text.append(" \"").append(value->text).append("\"");
}

std::string_view howToChange(const NamedValue* value) {
  if (value == nullptr) return "edit this line";
  switch (value->kind) {
    case ValueKind::kDirectoryPath:
      return "use another folder";
    case ValueKind::kInputName:
      return "rename the sample input";
    case ValueKind::kDataName:
      return "rename the data file";
    case ValueKind::kInformation:
      return "edit the information file";
    case ValueKind::kOutputFile:
      return "correct the output file name";
    default:
      return "change data name or suffix";
  }
}

}  // namespace mk::check
