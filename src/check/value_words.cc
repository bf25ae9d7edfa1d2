#include "check/value_words.h"

#include <algorithm>

#include "check/file_names.h"

namespace mk::check {

using Kind = Cause::Kind;

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

std::string ofEntry(const Line& line) {
  return line.entry == 0 ? std::string() : " of entry " + std::to_string(line.entry);
}

Cause dataCause(const Line& line) {
  if (line.entry == 0) return {Kind::kLine, line.number, {}};
  return {Kind::kDataName, line.entry, {}};
}

Fault faultAt(const Line& line, std::size_t at) {
  const NamedValue* value = valueAt(line.shape, line.text, at);
  const auto cause = [&](Kind kind, std::uint64_t unit) { return Fault{value, {kind, unit, {}}, at}; };
  if (value == nullptr) return cause(Kind::kLine, line.number);
  switch (value->kind) {
    case ValueKind::kDirectoryPath:
      return cause(Kind::kDirectory, 0);
    case ValueKind::kInputName:
      return cause(Kind::kInputName, 0);
    case ValueKind::kOutputFile:
      return cause(Kind::kOutputFile, line.slot);
    case ValueKind::kInformation:
      return line.entry == 0 ? Fault{value, dataCause(line), at}
                             : cause(Kind::kInformation, line.entry);
    case ValueKind::kKeptName: {
      const auto offset = static_cast<std::size_t>(line.text.data() + at - value->text.data());
      if (line.entry != 0 && value->text.starts_with(line.data) && offset >= line.data.size())
        return cause(Kind::kSuffix, line.slot);
      return Fault{value, dataCause(line), at};
    }
    default:
      return Fault{value, dataCause(line), at};
  }
}

std::string describe(const Line& line, const Fault& fault) {
  if (fault.value == nullptr) return "this line";
  if (fault.cause.kind == Kind::kSuffix)
    return "suffix " + inQuotes(fault.value->text.substr(line.data.size()));
  std::string text(kindName(fault.value->kind));
  text.append(" ").append(inQuotes(fault.value->text));
  if (fault.cause.kind == Kind::kDataName || fault.cause.kind == Kind::kInformation)
    text.append(ofEntry(line));
  return text;
}

std::string_view howToChange(const Cause& cause) {
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
    default:
      return "edit this line";
  }
}

void reportFaults(Report& report, const Line& line, const Rule& rule, std::vector<Fault> faults,
                  const Wording& what, const Wording& effect, const Wording& change) {
  std::vector<Cause> causes;
  std::erase_if(faults, [&](const Fault& fault) {
    const bool known = report.reached(line, rule, fault.cause) ||
                       std::ranges::any_of(causes, [&](const Cause& cause) {
                         return cause.kind == fault.cause.kind && cause.unit == fault.cause.unit;
                       });
    if (!known) causes.push_back(fault.cause);
    return known;
  });
  if (faults.empty()) return;
  std::string message;
  for (const Fault& fault : faults)
    message.append(message.empty() ? "" : " and ").append(describe(line, fault) + " " + what(fault));
  message.append(": ").append(effect(faults[0])).append("; ");
  message.append(faults.size() == 1 ? change(faults[0]) : "change each");
  report.add(line, rule, causes, message);
}

}  // namespace mk::check
