#include "check/file_names.h"

#include <algorithm>
#include <array>
#include <vector>

namespace mk::check {

static constexpr char upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

static constexpr bool isLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

static constexpr NameFault faultOf(char c) {
  if (c == '*' || c == '?') return NameFault::kWildcard;
  if (c == '<' || c == '>' || c == '|' || c == '"') return NameFault::kForbidden;
  if (c == ':') return NameFault::kColon;
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 1 && byte <= 31 ? NameFault::kControl : NameFault::kNone;
}

// The part's text before its first dot, without its trailing blanks.
static std::string_view stem(std::string_view part) {
  std::string_view text = part.substr(0, part.find('.'));
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

static bool namesDevice(std::string_view part) {
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
    const NameFault fault = faultOf(name[at]);
    if (fault != NameFault::kNone) return {fault, name.substr(at, 1)};
  }
  return {};
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

bool standsAlone(std::string_view name) {
  return (name.size() >= 2 && isLetter(name[0]) && name[1] == ':') || name.starts_with('\\') ||
         name.starts_with('/');
}

std::string foldCase(std::string_view name) {
  std::string folded(name);
  for (char& c : folded)
    c = upper(c);
  return folded;
}

bool isPlainName(std::string_view name) {
  return !name.empty() && name.find_first_of("\\/") == std::string_view::npos &&
         name.back() != '.' && name.back() != ' ';
}

std::string normalName(std::string_view name) {
  std::string text(name);
  std::replace(text.begin(), text.end(), '/', '\\');
  // The root: a drive "C:" alone or with a backslash, a backslash, or "\\server\share\".
  std::size_t rootLength = text.size() >= 2 && isLetter(text[0]) && text[1] == ':' ? 2 : 0;
  const std::string_view afterDrive = std::string_view(text).substr(rootLength);
  if (rootLength == 0 && afterDrive.starts_with("\\\\")) {
    const std::size_t server = text.find('\\', 2);
    const std::size_t share = server == std::string::npos ? server : text.find('\\', server + 1);
    rootLength = share == std::string::npos ? text.size() : share + 1;
  } else if (afterDrive.starts_with('\\')) {
    rootLength += 1;
  }
  const std::string_view root = std::string_view(text).substr(0, rootLength);
  const bool rooted = !root.empty() && root.back() == '\\';
  std::string_view rest = std::string_view(text).substr(rootLength);
  const bool endsInSeparator = rest.ends_with('\\');
  std::vector<std::string_view> parts;
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find('\\'), rest.size());
    std::string_view part = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty() && parts.back() != "..") {
        parts.pop_back();
      } else if (!rooted) {
        parts.push_back(part);
      }
      continue;
    }
    if (part.ends_with('.') && !part.ends_with("..")) part.remove_suffix(1);
    parts.push_back(part);
  }
  if (!endsInSeparator && !parts.empty() && parts.back() != "..") {
    std::string_view& last = parts.back();
    while (!last.empty() && (last.back() == '.' || last.back() == ' '))
      last.remove_suffix(1);
    if (last.empty()) parts.pop_back();
  }
  std::string normal(root);
  for (std::size_t i = 0; i < parts.size(); ++i)
    normal.append(i == 0 ? "" : "\\").append(parts[i]);
  return normal.empty() ? "." : normal;
}

std::string absoluteName(std::string_view current, std::string_view name) {
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  const bool drive = name.size() >= 2 && isLetter(name[0]) && name[1] == ':';
  if (drive && (name.size() == 2 || !separator(name[2]))) {  // "D:x", relative to a drive
    if (current.size() >= 2 && upper(current[0]) == upper(name[0])) {
      return normalName(std::string(current).append("\\").append(name.substr(2)));
    }
    return normalName(std::string(name.substr(0, 2)).append("\\").append(name.substr(2)));
  }
  if (drive || (name.size() >= 2 && separator(name[0]) && separator(name[1]))) {
    return normalName(name);
  }
  if (!name.empty() && separator(name[0])) {
    return normalName(std::string(current.substr(0, 2)).append(name));
  }
  return normalName(std::string(current).append("\\").append(name));
}

}  // namespace mk::check
