// Fuzz target: the number after a word in a line of a kept file (--value).
//
// Input: a word, a line end, and the line. Checked: the last occurrence and the first are both
// found or both not; a value found is a whole number as strtod reads it, its uncertainty (where
// written) too; a page shows it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "check/values.h"
#include "fuzz_support.h"

namespace {

// True when the whole of `text` is one number, as strtod reads it.
bool wholeNumber(const std::string& text) {
  char* end = nullptr;
  std::strtod(text.c_str(), &end);
  return !text.empty() && end == text.c_str() + text.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t end = input.find('\n');
  if (end == 0 || end == std::string_view::npos) return 0;
  const std::string_view word = input.substr(0, end);
  const std::string_view line = input.substr(end + 1);
  const auto last = mk::check::valueIn(line, word);
  FUZZ_CHECK(last.has_value() == mk::check::valueIn(line, word, true).has_value(),
             "the first occurrence and the last are found alike");
  if (!last || !*last) return 0;
  const mk::check::Number& number = **last;
  FUZZ_CHECK(wholeNumber(number.text), "the value is a number");
  FUZZ_CHECK(number.esd.empty() || wholeNumber(number.esd), "its uncertainty is a number");
  FUZZ_CHECK(!mk::check::shown(number).empty(), "a page shows it");
  return 0;
}
