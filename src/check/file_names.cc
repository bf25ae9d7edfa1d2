#include "check/file_names.h"

#include <algorithm>
#include <array>

namespace mk::check {

namespace {

constexpr char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr NameFault faultOf(char c) {
  if (c == '*' || c == '?') return NameFault::kWildcard;
  if (c == '<' || c == '>' || c == '|' || c == '"') return NameFault::kForbidden;
  if (c == ':') return NameFault::kColon;
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 1 && byte <= 31 ? NameFault::kControl : NameFault::kNone;
}

constexpr std::array<NameFault, 256> faults() {
  std::array<NameFault, 256> table{};
  for (unsigned c = 0; c < table.size(); ++c)
    table[c] = faultOf(static_cast<char>(c));
  return table;
}

constexpr std::array<NameFault, 256> kFaults = faults();

// The part's text before its first dot, without its trailing blanks.
std::string_view stem(std::string_view part) {
  std::string_view text = part.substr(0, part.find('.'));
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

bool namesDevice(std::string_view part) {
  const std::string_view text = stem(part);
  if (text.size() == 3) {
    constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    return std::ranges::any_of(
        kDevices, [&](std::string_view device) { return equalIgnoringCase(text, device); });
  }
  return text.size() == 4 && text[3] >= '1' && text[3] <= '9' &&
         (equalIgnoringCase(text.substr(0, 3), "COM") ||
          equalIgnoringCase(text.substr(0, 3), "LPT"));
}

}  // namespace

InvalidName findInvalidName(std::string_view name, bool driveAllowed) {
  std::size_t partStart = 0;
  if (driveAllowed && name.size() >= 2 && isLetter(name[0]) && name[1] == ':') partStart = 2;
  for (std::size_t at = partStart; at <= name.size(); ++at) {
    if (at == name.size() || name[at] == '\\' || name[at] == '/') {
      const std::string_view part = name.substr(partStart, at - partStart);
      if (namesDevice(part)) return {NameFault::kDevice, part};
      partStart = at + 1;
      continue;
    }
    const NameFault fault = kFaults[static_cast<unsigned char>(name[at])];
    if (fault != NameFault::kNone) return {fault, name.substr(at, 1)};
  }
  return {};
}

bool mayNameDevice(std::string_view part) {
  if (part.size() < 3) return false;
  const char first = upper(part[0]);
  return first == 'C' || first == 'P' || first == 'A' || first == 'N' || first == 'L';
}

std::string deviceOf(std::string_view part) {
  std::string device(stem(part));
  std::transform(device.begin(), device.end(), device.begin(), upper);
  return device;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                            [](char x, char y) { return upper(x) == upper(y); });
}

std::string_view fileNamePart(std::string_view path) {
  const std::size_t last = path.find_last_of("\\/:");
  return last == std::string_view::npos ? path : path.substr(last + 1);
}

}  // namespace mk::check
