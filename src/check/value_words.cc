#include "check/value_words.h"

#include <algorithm>

#include "check/file_names.h"

namespace mk::check {

using Kind = Cause::Kind;

// What a value of `kind` is, in a message.
static std::string_view nameOf(ValueKind kind) {
  switch (kind) {
    case ValueKind::kDirectoryPath:
      return "directory path";
    case ValueKind::kInputName:
      return "input name";
    case ValueKind::kDataName:
      return "data name";
    case ValueKind::kInformation:
      return "information";
    case ValueKind::kOutputFile:
      return "output file name";
    case ValueKind::kKeptName:
      return "kept name";
  }
  return {};
}

// The cause a value of `kind` belongs to (a kept name: its entry's data name).
static Kind causeOf(ValueKind kind) {
  switch (kind) {
    case ValueKind::kDirectoryPath:
      return Kind::kDirectory;
    case ValueKind::kInputName:
      return Kind::kInputName;
    case ValueKind::kInformation:
      return Kind::kInformation;
    case ValueKind::kOutputFile:
      return Kind::kOutputFile;
    case ValueKind::kDataName:
    case ValueKind::kKeptName:
      return Kind::kDataName;
  }
  return Kind::kLine;
}

std::string inQuotes(std::string_view text) {
  return std::string("\"").append(text).append("\"");
}

std::string asResolved(std::string_view name) {
  if (isPlainName(name) || name.empty()) return inQuotes(name);
  return inQuotes(name) + " (Windows: " + inQuotes(normalName(name)) + ")";
}

std::string ofEntry(const Line& line) {
  return line.entry == 0 ? std::string() : " of entry " + std::to_string(line.entry);
}

Cause dataCause(const Line& line) {
  if (line.entry == 0) return {Kind::kLine, line.number, {}};
  return {Kind::kDataName, line.entry, {}};
}

Fault faultAt(const Line& line, std::size_t at, std::string what, std::string effect) {
  const NamedValue* value = valueAt(line.shape, line.text, at);
  if (value == nullptr)
    return {{Kind::kLine, line.number, {}}, nullptr, at, std::move(what), std::move(effect), {}};
  Kind kind = causeOf(value->kind);  // a kept name's past the data name is the suffix's
  if (value->kind == ValueKind::kKeptName && line.entry != 0 &&
      value->text.starts_with(line.data) &&
      line.text.data() + at >= value->text.data() + line.data.size())
    kind = Kind::kSuffix;
  Cause cause = dataCause(line);
  if (line.entry != 0 || (kind != Kind::kDataName && kind != Kind::kInformation)) {
    const bool perEntry = kind == Kind::kDataName || kind == Kind::kInformation;
    const bool perKeep = kind == Kind::kOutputFile || kind == Kind::kSuffix;
    cause = {kind, perEntry ? line.entry : perKeep ? line.slot : 0, {}};
  }
  return {std::move(cause), value, at, std::move(what), std::move(effect), {}};
}

static std::string describe(const Line& line, const Fault& fault, bool withEntry) {
  if (fault.value == nullptr) return "this line";
  if (fault.cause.kind == Kind::kSuffix)
    return "suffix " + inQuotes(fault.value->text.substr(line.data.size()));
  std::string text(nameOf(fault.value->kind));
  text.append(" ").append(inQuotes(fault.value->text));
  if (withEntry && (fault.cause.kind == Kind::kDataName || fault.cause.kind == Kind::kInformation))
    text.append(ofEntry(line));
  return text;
}

// What the user changes to mend `cause`.
static std::string_view howToChange(const Cause& cause) {
  switch (cause.kind) {
    case Kind::kDirectory:
      return "use another folder";
    case Kind::kInputName:
      return "rename the sample input";
    case Kind::kOutputFile:
      return "correct the output file name";
    case Kind::kSuffix:
      return "change the suffix";
    case Kind::kDataName:
      return "rename the data file";
    case Kind::kInformation:
      return "edit the information file";
    case Kind::kListFile:
      return "save the list file anew";
    default:
      return "edit this line";
  }
}

std::string messageOf(const Line& line, const std::vector<Fault>& faults) {
  std::string message;  // the entry named once
  for (const Fault& fault : faults)
    message.append(message.empty() ? "" : " and ")
        .append(describe(line, fault, message.empty()) + " " + fault.what);
  message.append(": ").append(faults[0].effect);
  if (faults.size() == 1) {
    message.append("; ").append(faults[0].change.empty() ? howToChange(faults[0].cause)
                                                         : faults[0].change);
  }
  return message;
}

}  // namespace mk::check
