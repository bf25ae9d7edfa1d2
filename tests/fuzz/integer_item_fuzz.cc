// Fuzz target: free-form integer items from the console, read one after the other until the
// input runs out or an item is malformed.
//
// Input: the first byte sets how many bytes each read of the console hands out (1 to 256), the
// rest is the console input. Checked: every item that is a plain decimal number reads as that
// number, a lone comma or slash leaves the target alone, each read takes exactly one line that
// holds an item, and every failure is one of the diagnostics an integer read can give.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "recordio/free_form.h"

namespace {

using mk::fuzz::RunEnded;

bool isWhite(char c) {
  return c == ' ' || c == '\t';
}

// What the read of one item line must give, when that is easy to tell.
struct Prediction {
  enum Kind { kValue, kUnchanged, kOutOfRange, kUnknown } kind = kUnknown;
  std::int32_t value = 0;
};

Prediction predict(std::string_view item) {
  if (item.front() == ',' || item.front() == '/') return {Prediction::kUnchanged};
  std::size_t end = (item.front() == '+' || item.front() == '-') ? 1 : 0;
  const std::size_t digits = end;
  while (end < item.size() && item[end] >= '0' && item[end] <= '9')
    ++end;
  if (end == digits) return {};
  if (end < item.size() && !isWhite(item[end]) && item[end] != ',' && item[end] != '/') return {};
  std::int64_t value = 0;
  const char* first = item.data() + (item.front() == '+' ? 1 : 0);
  const auto [ptr, error] = std::from_chars(first, item.data() + end, value);
  if (error != std::errc() || value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    return {Prediction::kOutOfRange};
  }
  return {Prediction::kValue, static_cast<std::int32_t>(value)};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  mk::setRunEndHook(mk::fuzz::throwRunEnded);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static mk::fuzz::StderrCapture capture;
  if (size == 0) return 0;
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  mk::fuzz::freshConsole(input, data[0] + std::size_t{1});

  const std::vector<mk::fuzz::ItemLine> itemLines = mk::fuzz::itemLines(input);

  bool predictable = true;  // as long as every item so far was predicted
  std::size_t reads = 0;
  capture.begin();
  try {
    for (;; ++reads) {
      FUZZ_CHECK(reads <= itemLines.size() + 1, "every read takes a line with an item");
      constexpr std::int32_t kBefore = -424242;
      std::int32_t value = kBefore;
      mk::readItem(mk::kStandardInputUnit, value);
      if (!predictable) continue;
      FUZZ_CHECK(reads < itemLines.size(), "a read succeeds only on a line with an item");
      const Prediction expected = predict(itemLines[reads].item);
      switch (expected.kind) {
        case Prediction::kValue:
          FUZZ_CHECK(value == expected.value, "a plain number reads as itself");
          break;
        case Prediction::kUnchanged:
          FUZZ_CHECK(value == kBefore, "a null value leaves the target alone");
          break;
        case Prediction::kOutOfRange:
          FUZZ_CHECK(false, "a number outside 32 bits is refused");
          break;
        case Prediction::kUnknown:
          predictable = false;
          break;
      }
      if (!itemLines[reads].ended) predictable = false;  // the unit is now at its end
    }
  } catch (const RunEnded& ended) {
    const std::string diagnostic = capture.end();
    FUZZ_CHECK(ended.status == -1, "integer reads end only through the fatal diagnostic");
    mk::fuzz::checkDiagnostic(diagnostic, {"list in: end of file", "read start: end of file",
                                           "invalid integer: read unexpected character",
                                           "invalid integer: integer out of range",
                                           "invalid number: incomprehensible list input",
                                           "bad repetition count: incomprehensible list input"});
    if (predictable) {
      if (reads == itemLines.size()) {
        FUZZ_CHECK(diagnostic.starts_with("list in: end of file"), "no item left: end of file");
      } else {
        const Prediction expected = predict(itemLines[reads].item);
        FUZZ_CHECK(expected.kind == Prediction::kUnknown ||
                       (expected.kind == Prediction::kOutOfRange &&
                        diagnostic.starts_with("invalid integer: integer out of range")),
                   "a plain number or a null value does not fail");
      }
    }
    return 0;
  }
}
