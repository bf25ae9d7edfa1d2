#include "check/value_words.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>

#include "check/file_names.h"

namespace mk::check {

using Kind = Cause::Kind;

// What a value of each kind is in a message, and the cause it belongs to (a kept name: its
// entry's data name).
constexpr std::array<std::tuple<ValueKind, std::string_view, Kind>, 6> kValueKinds = {{
    {ValueKind::kDirectoryPath, "directory path", Kind::kDirectory},
    {ValueKind::kInputName, "input name", Kind::kInputName},
    {ValueKind::kDataName, "data name", Kind::kDataName},
    {ValueKind::kInformation, "information", Kind::kInformation},
    {ValueKind::kOutputFile, "output file name", Kind::kOutputFile},
    {ValueKind::kKeptName, "kept name", Kind::kDataName},
}};

// What the user changes to mend a cause of each kind (others: "edit this line").
constexpr std::array<std::pair<Kind, std::string_view>, 7> kChanges = {{
    {Kind::kDirectory, "use another folder"},
    {Kind::kInputName, "rename the sample input"},
    {Kind::kOutputFile, "correct the output file name"},
    {Kind::kSuffix, "change the suffix"},
    {Kind::kDataName, "rename the data file"},
    {Kind::kInformation, "edit the information file"},
    {Kind::kListFile, "save the list file anew"},
}};

static const std::tuple<ValueKind, std::string_view, Kind>& valueKind(ValueKind kind) {
  return *std::ranges::find(kValueKinds, kind, [](const auto& row) { return std::get<0>(row); });
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
  Kind kind =
      std::get<2>(valueKind(value->kind));  // a kept name's past the data name is the suffix's
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
  std::string text(std::get<1>(valueKind(fault.value->kind)));
  text.append(" ").append(inQuotes(fault.value->text));
  if (withEntry && (fault.cause.kind == Kind::kDataName || fault.cause.kind == Kind::kInformation))
    text.append(ofEntry(line));
  return text;
}

// What the user changes to mend `cause`.
static std::string_view howToChange(const Cause& cause) {
  const auto* found =
      std::ranges::find(kChanges, cause.kind, &std::pair<Kind, std::string_view>::first);
  return found != kChanges.end() ? found->second : "edit this line";
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
