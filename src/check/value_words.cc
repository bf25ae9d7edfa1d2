#include "check/value_words.h"

#include "check/file_names.h"

namespace mk::check {

namespace {

std::string_view kindName(ValueKind kind) {
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

}  // namespace

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
  if (value == nullptr) return "edit this line of the script";
  switch (value->kind) {
    case ValueKind::kDirectoryPath:
      return "move the files to a folder whose path has none and run multikevra again";
    case ValueKind::kInputName:
      return "rename the sample input file and run multikevra again";
    case ValueKind::kDataName:
      return "rename the data file, correct the list file and run multikevra again";
    case ValueKind::kInformation:
      return "edit this entry's line of the information file and run multikevra again";
    case ValueKind::kOutputFile:
      return "correct the output file name and run multikevra again";
    default:
      return "change the data name or the suffix and run multikevra again";
  }
}

}  // namespace mk::check
