#include "check/value_words.h"

#include <algorithm>
#include <array>

#include "check/file_names.h"

namespace mk::check {

using Kind = Cause::Kind;

// What each ValueKind is, in its order.
constexpr std::array<std::string_view, 6> kKindNames = {
    "directory path", "input name", "data name", "information", "output file name", "kept name"};

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

Fault faultAt(const Line& line, std::size_t at) {
  const NamedValue* value = valueAt(line.shape, line.text, at);
  if (value == nullptr) return {nullptr, {Kind::kLine, line.number, {}}, at};
  // By ValueKind, in its order; a kept name's past the data name is the suffix's.
  constexpr std::array<Kind, 6> kKinds = {Kind::kDirectory,   Kind::kInputName,  Kind::kDataName,
                                          Kind::kInformation, Kind::kOutputFile, Kind::kDataName};
  Kind kind = kKinds[static_cast<std::size_t>(value->kind)];
  if (value->kind == ValueKind::kKeptName && line.entry != 0 &&
      value->text.starts_with(line.data) &&
      line.text.data() + at >= value->text.data() + line.data.size())
    kind = Kind::kSuffix;
  if (line.entry == 0 && (kind == Kind::kDataName || kind == Kind::kInformation))
    return {value, dataCause(line), at};
  const bool perEntry = kind == Kind::kDataName || kind == Kind::kInformation;
  const bool perKeep = kind == Kind::kOutputFile || kind == Kind::kSuffix;
  return {value, {kind, perEntry ? line.entry : perKeep ? line.slot : 0, {}}, at};
}

static std::string describe(const Line& line, const Fault& fault, bool withEntry) {
  if (fault.value == nullptr) return "this line";
  if (fault.cause.kind == Kind::kSuffix)
    return "suffix " + inQuotes(fault.value->text.substr(line.data.size()));
  std::string text(kKindNames[static_cast<std::size_t>(fault.value->kind)]);
  text.append(" ").append(inQuotes(fault.value->text));
  if (withEntry && (fault.cause.kind == Kind::kDataName || fault.cause.kind == Kind::kInformation))
    text.append(ofEntry(line));
  return text;
}

static std::string_view howToChange(const Cause& cause) {
  // By Cause::Kind, in its order.
  // clang-format off
  constexpr std::array<std::string_view, 10> kChanges = {
      "edit this line", "edit this line", "use another folder", "rename the sample input",
      "correct the output file name", "change the suffix", "rename the data file",
      "edit the information file", "edit this line", "save the list file anew"};
  // clang-format on
  return kChanges[static_cast<std::size_t>(cause.kind)];
}

void reportFaults(Report& report, const Line& line, const Rule& rule, std::vector<Fault> faults,
                  const Wording& what, const Wording& effect, const Wording& change) {
  std::vector<Cause> seen;  // each cause once, those with no finding yet in `causes`
  std::vector<Cause> causes;
  std::erase_if(faults, [&](const Fault& fault) {
    const auto same = [&](const Cause& cause) {
      return cause.kind == fault.cause.kind && cause.unit == fault.cause.unit;
    };
    if (std::ranges::any_of(seen, same)) return true;
    seen.push_back(fault.cause);
    if (report.reached(line, rule, fault.cause)) return true;
    causes.push_back(fault.cause);
    return false;
  });
  if (faults.empty()) return;
  std::string message;  // the entry named once
  for (const Fault& fault : faults)
    message.append(message.empty() ? "" : " and ")
        .append(describe(line, fault, message.empty()) + " " + what(fault));
  message.append(": ").append(effect(faults[0]));
  if (faults.size() == 1)
    message.append("; ").append(change ? change(faults[0])
                                       : std::string(howToChange(faults[0].cause)));
  report.add(line, rule, causes, message);
}

}  // namespace mk::check
