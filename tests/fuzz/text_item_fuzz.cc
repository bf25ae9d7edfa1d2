// Fuzz target: free-form text items (the data names of the list file), read one after the
// other into a field until the input runs out.
//
// Input: the first byte sets how many bytes each read hands out (1 to 256), the second the
// field's length (1 to 100), the rest is the file. Checked: a plain name (no quote, no repeat
// count) reads as itself up to the first separator, cut or padded to the field; a lone comma or
// slash leaves the field alone; each read takes one line holding an item; every failure is an
// end of file. Quoted texts, which may span lines, are read but not predicted.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "recordio/free_form.h"
#include "recordio/text_field.h"

namespace {

using mk::fuzz::RunEnded;

enum class Shape { kPlain, kNull, kOther };

// The item's plain text, if it has the simple shape.
Shape shapeOf(std::string_view item, std::string_view& text) {
  if (item.front() == ',' || item.front() == '/') return Shape::kNull;
  if (item.front() == '\'' || item.front() == '"') return Shape::kOther;
  text = item.substr(0, item.find_first_of(" \t,/"));
  if (text.find('*') != std::string_view::npos) return Shape::kOther;
  return Shape::kPlain;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  mk::setRunEndHook(mk::fuzz::throwRunEnded);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static mk::fuzz::StderrCapture capture;
  if (size < 2) return 0;
  const std::string input(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::size_t fieldLength = data[1] % 100 + std::size_t{1};
  mk::resetUnitTable();
  mk::resetStatementState();
  constexpr int kList = 7;
  mk::connectUnit(kList, std::make_unique<mk::fuzz::ChunkedChannel>(input, data[0] + 1u),
                  mk::Access::kReadOnly, false, "\r\n");

  const std::vector<mk::fuzz::ItemLine> itemLines = mk::fuzz::itemLines(input);
  const std::size_t lineCount = mk::fuzz::splitLines(input).size();

  constexpr char kBefore = '~';
  std::string field(fieldLength, kBefore);
  bool predictable = true;
  std::size_t reads = 0;
  capture.begin();
  try {
    for (;; ++reads) {
      FUZZ_CHECK(reads <= lineCount + 1, "every read takes at least one line");
      std::fill(field.begin(), field.end(), kBefore);
      mk::readItem(kList, std::span<char>(field));
      if (!predictable) continue;
      FUZZ_CHECK(reads < itemLines.size(), "a read succeeds only on a line with an item");
      std::string_view text;
      switch (shapeOf(itemLines[reads].item, text)) {
        case Shape::kPlain: {
          const mk::TextField<100> expected(text);
          FUZZ_CHECK(field == expected.view().substr(0, fieldLength),
                     "a plain name reads as itself, cut or padded");
          break;
        }
        case Shape::kNull:
          FUZZ_CHECK(field == std::string(fieldLength, kBefore), "a null value changes nothing");
          break;
        case Shape::kOther:
          predictable = false;
          break;
      }
      if (!itemLines[reads].ended) predictable = false;
    }
  } catch (const RunEnded& ended) {
    const std::string diagnostic = capture.end();
    FUZZ_CHECK(ended.status == -1, "text reads end only through the fatal diagnostic");
    mk::fuzz::checkDiagnostic(diagnostic, {"list in: end of file", "read start: end of file"});
    if (predictable && reads < itemLines.size()) {
      std::string_view text;
      FUZZ_CHECK(shapeOf(itemLines[reads].item, text) == Shape::kOther,
                 "a plain name or a null value does not fail");
    }
    return 0;
  }
}
