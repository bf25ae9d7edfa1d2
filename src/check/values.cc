#include "check/values.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <regex>

#include "check/file_names.h"
#include "check/value_words.h"

namespace mk::check {

constexpr std::size_t kWindow = 65536;  // a longer line is skipped
constexpr std::size_t kReach = 200;     // a number further from its word, or longer: none

// `digits` times ten to `scale`, as exact decimal text.
static std::string decimal(std::string digits, int scale) {
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
  if (scale > 40 || scale < -40) return digits + "E" + std::to_string(scale);  // no page of zeros
  if (scale >= 0) return digits.append(static_cast<std::size_t>(scale), '0');
  const auto point = static_cast<std::size_t>(-scale);
  if (digits.size() <= point) digits.insert(0, point + 1 - digits.size(), '0');
  return digits.substr(0, digits.size() - point) + "." + digits.substr(digits.size() - point);
}

// A number's digits (no sign, no point) and the power of ten of its last one.
static std::pair<std::string, int> digitsAndScale(const std::string& number) {
  const std::size_t e = std::min(number.find_first_of("Ee"), number.size());
  const long exponent = e < number.size() ? std::strtol(number.c_str() + e + 1, nullptr, 10) : 0;
  int scale = static_cast<int>(std::clamp(exponent, -999999L, 999999L));
  scale -= number.find('.') < e ? static_cast<int>(e - number.find('.') - 1) : 0;  // its decimals
  std::string digits = number.substr(0, e);
  std::erase_if(digits, [](char c) { return c < '0' || c > '9'; });
  return {digits, scale};
}

std::optional<std::optional<Number>> valueAfter(std::string_view rest) {
  // Blanks, = and : with one other character at most; what gives no value (*****, NaN, Inf, 1,2),
  // or a number, an exponent, an uncertainty (in brackets, an exponent may follow; _; +/-).
  static const std::regex kValue(
      R"(^[ \t=:]*(?:[^a-z0-9+\-. \t=:][ \t=:]*)?(?:(\*\*|[+-]?(?:nan|inf(?:inity)?)(?![a-z])|)"
      R"([+-]?\d*\.?\d+,\d)|([+-]?(?:\d+\.?\d*|\.\d+))([de][+-]?\d+)?(?:\((\d+(?:\.\d*)?)\))"
      R"(([de][+-]?\d+)?|(?:_|[ \t]*\+/-[ \t]*)([+-]?(?:\d+\.?\d*|\.\d+)(?:[de][+-]?\d+)?))?))",
      std::regex::icase | std::regex::optimize);
  std::match_results<std::string_view::const_iterator> match;
  const std::string_view near = rest.substr(0, kReach);  // the matcher's depth grows with it
  if (!std::regex_search(near.begin(), near.end(), match, kValue)) return std::nullopt;
  if (match[1].matched || (match[0].second == near.end() && near.size() < rest.size()))
    return std::optional<Number>();
  const auto written = [](std::string text) {  // a D exponent written E
    for (char& c : text)
      c = c == 'D' || c == 'd' ? 'E' : c;
    return text;
  };
  Number number{written(match[2].str() + (match[3].matched ? match[3] : match[5]).str()),
                written(match[6])};
  if (match[4].matched)  // in units of the last digit, or as written with a point
    number.esd = match[4].str().find('.') != std::string::npos
                     ? match[4].str()
                     : decimal(match[4], digitsAndScale(number.text).second);
  return number;
}

std::optional<std::optional<Number>> valueIn(std::string_view line, std::string_view word,
                                             bool first) {
  const auto inWord = [](unsigned char c) { return std::isalnum(c) != 0 || c == '_'; };
  std::optional<std::optional<Number>> found;
  for (std::size_t at = 0; !word.empty() && at + word.size() <= line.size(); ++at) {
    const std::size_t end = at + word.size();
    if (!equalIgnoringCase(line.substr(at, word.size()), word) ||
        (at > 0 && inWord(line[at - 1])) || (end < line.size() && inWord(line[end])))
      continue;
    if (auto value = valueAfter(line.substr(end))) {
      found = std::move(value);
      if (first) break;
    }
  }
  return found;
}

std::string shown(const Number& number) {
  if (number.esd.empty()) return number.text;
  auto [digits, scale] = digitsAndScale(number.esd);
  const int unit = digitsAndScale(number.text).second;
  while (scale < unit && digits.size() > 1 && digits.ends_with('0')) {
    digits.pop_back();
    ++scale;
  }
  if (scale < unit) return number.text + " +/- " + number.esd;
  const std::size_t e = std::min(number.text.find_first_of("Ee"), number.text.size());
  return number.text.substr(0, e) + "(" + decimal(digits, scale - unit) + ")" +
         number.text.substr(e);
}

// Hands each line of the file `name` on `machine` to `take`, with its number: a line longer than
// the window is left out, a NUL byte ends the file (it is no text).
static void linesOf(const Machine& machine, const std::string& name,
                    const std::function<void(std::uint64_t, std::string_view)>& take) {
  std::string line;  // one past the window: too long
  std::uint64_t number = 0;
  bool text = true;
  machine.read(name, [&](std::string_view piece) {
    for (const char c : piece) {
      if (c == '\0') return text = false;
      if (c != '\n' && line.size() <= kWindow) line += c;
      if (c != '\n') continue;
      if (line.ends_with('\r')) line.pop_back();
      ++number;
      if (line.size() <= kWindow) take(number, line);
      line.clear();
    }
    return true;
  });
  if (text && !line.empty() && line.size() <= kWindow) take(++number, line);
}

// A name's last occurrence in a kept file: its value (none: *****, NaN, ...) and its note.
struct Occurrence {
  std::optional<Number> value;
  std::string note;       // "LINE: note: NAME = VALUE from "TEXT""
  bool numbered = false;  // the name stands with a number somewhere in the file
};

// The last occurrence of each of `names` in the file `name`.
static std::vector<Occurrence> lastIn(const Machine& machine, const std::string& name,
                                      const std::vector<std::string>& names) {
  std::vector<Occurrence> last(names.size());
  linesOf(machine, name, [&](std::uint64_t number, std::string_view line) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (const auto value = valueIn(line, names[i]))
        last[i] = {*value,
                   std::to_string(number) + ": note: " + names[i] + " = " +
                       (*value ? shown(**value) : "none") + " from " + inQuotes(line.substr(0, 80)),
                   last[i].numbered || value->has_value()};
    }
  });
  return last;
}

Values valuesOf(const AfterSite& site, std::vector<std::string> names, std::string x) {
  Values values{std::move(names), {}, std::move(x), {}, {}};
  const std::size_t count = values.names.size();
  std::vector<std::uint64_t> found(count, 0);
  std::vector<std::string> where(count);  // the first value's file, line and text
  std::uint64_t done = 0;
  for (const EntryLeft& entry : site.entries()) {
    values.xs.push_back(valueIn(entry.information, values.x, true).value_or(std::nullopt));
    std::vector<std::optional<Number>>& row = values.cells.emplace_back(count);
    if (entry.outcome != Outcome::kDone) continue;
    ++done;
    std::vector<bool> settled(count, false);
    for (const std::string& file : entry.kept) {  // the first where it stands with a number
      const std::vector<Occurrence> last = lastIn(site.machine(), file, values.names);
      for (std::size_t i = 0; i < count; ++i) {
        if (settled[i] || !last[i].numbered) continue;
        settled[i] = true;
        row[i] = last[i].value;
        if (row[i] && found[i]++ == 0) where[i] = file + ":" + last[i].note;
      }
      if (std::ranges::count(settled, false) == 0) break;
    }
  }
  const std::string of = " of " + counted(done, "entry") + " done";
  for (std::size_t i = 0; i < count; ++i)
    values.notes.push_back(where[i].empty()
                               ? values.names[i] + " was found in none" + of
                               : where[i] + "; found in " + std::to_string(found[i]) + of);
  return values;
}

}  // namespace mk::check
