// Fuzz target: whole-line reads through every field width the program uses, each field written
// back out through a write statement, until the input runs out.
//
// Input: the first byte sets how many bytes each read hands out (1 to 256), the next eight pick
// the widths of the reads in turn, the rest is the input. Checked against the input cut into
// lines: each read fills the field with its line's first characters and blanks, a carriage
// return ends a line only right before a line feed, the run ends with "fmt" when no line (or
// only a short last line without line end) is left and with "read start" after a long last
// line without line end, and the written records are exactly the fields read.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "recordio/layout.h"
#include "recordio/records.h"
#include "recordio/text_field.h"

namespace {

using mk::Layout;
using mk::fuzz::RunEnded;

constexpr Layout kA1("(A1)");
constexpr Layout kA5("(A5)");
constexpr Layout kA20("(A20)");
constexpr Layout kA40("(A40)");
constexpr Layout kA80("(A80)");
constexpr Layout kA132("(A132)");
constexpr Layout kA180("(A180)");
constexpr std::array<const Layout*, 7> kLayouts = {&kA1, &kA5, &kA20, &kA40, &kA80, &kA132, &kA180};
constexpr Layout kEcho("('[',A,']')");
constexpr int kIn = 3;
constexpr int kOut = 2;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  mk::setRunEndHook(mk::fuzz::throwRunEnded);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static mk::fuzz::StderrCapture capture;
  constexpr std::size_t kHeader = 9;
  if (size < kHeader) return 0;
  const std::string input(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  mk::resetUnitTable();
  mk::resetStatementState();
  mk::connectUnit(kIn, std::make_unique<mk::fuzz::ChunkedChannel>(input, data[0] + 1u),
                  mk::Access::kReadOnly, false);
  auto echo = std::make_unique<mk::MemoryChannel>();
  const mk::MemoryChannel& echoed = *echo;
  mk::connectUnit(kOut, std::move(echo), mk::Access::kWriteOnly, true, "\r\n");

  const std::vector<std::string_view> lines = mk::fuzz::splitLines(input);
  const bool lastEnded = input.empty() || input.ends_with('\n');
  std::string expectedEcho;
  std::string expectedFailure;
  std::size_t reads = 0;
  capture.begin();
  try {
    for (;; ++reads) {
      const Layout& layout = *kLayouts[data[1 + reads % 8] % kLayouts.size()];
      const auto width = static_cast<std::size_t>(layout.fieldWidth());
      // The A1 read goes into a two-character field, as the keep answer does.
      mk::TextField<181> target;
      const std::span<char> field = target.span().first(width == 1 ? 2 : width);

      // What this read must give.
      if (reads < lines.size()) {
        std::string_view line = lines[reads];
        const bool ended = reads + 1 < lines.size() || lastEnded;
        if (ended && line.ends_with('\r')) line.remove_suffix(1);
        if (!ended && line.size() < width) expectedFailure = "fmt: end of file";
      } else if (reads == lines.size() && !lastEnded) {
        expectedFailure = "read start: end of file";
      } else {
        expectedFailure = "fmt: end of file";
      }

      mk::readRecord(kIn, layout, field);
      FUZZ_CHECK(expectedFailure.empty(), "the read fails when no whole field is left");
      std::string_view line = lines[reads];
      if ((reads + 1 < lines.size() || lastEnded) && line.ends_with('\r')) line.remove_suffix(1);
      const mk::TextField<181> expected(line.substr(0, width));
      const std::string_view got(field.data(), field.size());
      FUZZ_CHECK(got == expected.view().substr(0, field.size()),
                 "the field holds the line's first characters and blanks");
      mk::writeRecords(kOut, kEcho, {got});
      expectedEcho.append("[").append(got).append("]\r\n");
    }
  } catch (const RunEnded& ended) {
    const std::string diagnostic = capture.end();
    FUZZ_CHECK(ended.status == -1, "reads end only through the fatal diagnostic");
    mk::fuzz::checkDiagnostic(diagnostic, {"fmt: end of file", "read start: end of file"});
    FUZZ_CHECK(diagnostic.starts_with(expectedFailure + "\n"), "the failure is the predicted one");
    FUZZ_CHECK(echoed.written() == expectedEcho, "every field read was written back, in order");
    return 0;
  }
}
