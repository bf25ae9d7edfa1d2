// Fuzz target: the whole check of one script, from any bytes.
//
// Input: the first byte picks the rule that the report leaves out (--ignore), when there is one
// of that number; the rest is the script. Checked: the script's lines are those of the bytes cut
// at each LF with one CR before it (or before the end) taken off; a script whose first line is
// not a backup copy line gets no report at all; any other report is findings
// "multikevra.bat:N: error|warning: ... [TAG]" with known tags of their kind, never the one left
// out, N within the script and never decreasing, each tag at most once per line, then the note
// on files not checked, with findings the note on --explain and their count by tag, and the
// summary, whose counts and the exit status agree with the findings; no line holds a byte that
// a terminal acts on.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/check.h"
#include "check/report.h"
#include "check/rules.h"
#include "fuzz_support.h"

namespace {

constexpr std::string_view kName = "multikevra.bat";
// The number in `text` (digits only), or nullopt.
std::optional<std::uint64_t> number(std::string_view text) {
  if (text.empty() || text.size() > 18 || text.find_first_not_of("0123456789") != text.npos) {
    return std::nullopt;
  }
  return std::strtoull(std::string(text).c_str(), nullptr, 10);
}

// Checks the report `text` of a script of `lineCount` lines, the check's exit status `status`.
void checkReport(std::string_view text, std::size_t lineCount, int status,
                 const mk::check::Rule* ignored) {
  FUZZ_CHECK(text.ends_with('\n'), "the report ends with a line end");
  FUZZ_CHECK(std::ranges::none_of(text,
                                  [](char c) {
                                    const auto byte = static_cast<unsigned char>(c);
                                    return c != '\n' && (byte < 32 || (byte >= 127 && byte < 160));
                                  }),
             "no byte a terminal acts on");
  const std::vector<std::string_view> lines = mk::fuzz::splitLines(text);
  FUZZ_CHECK(lines.size() >= 2, "the report has the note and the summary");
  const std::string prefix = std::string(kName) + ":";
  std::uint64_t errors = 0;
  std::uint64_t warnings = 0;
  std::uint64_t lastLine = 1;
  std::set<std::pair<std::uint64_t, std::string_view>> tagged;
  const std::string note = std::string(kName) + ": note: ";
  std::size_t i = 0;
  for (; i + 1 < lines.size() && !lines[i].starts_with(note); ++i) {
    std::string_view finding = lines[i];
    FUZZ_CHECK(finding.starts_with(prefix), "a finding starts with the script's name");
    finding.remove_prefix(prefix.size());
    const std::size_t colon = finding.find(':');
    const std::optional<std::uint64_t> line = number(finding.substr(0, colon));
    FUZZ_CHECK(line && *line >= lastLine && *line <= lineCount,
               "a finding's line is in the script, in order");
    lastLine = *line;
    finding.remove_prefix(colon);
    const bool error = finding.starts_with(": error: ");
    FUZZ_CHECK(error || finding.starts_with(": warning: "), "a finding is an error or a warning");
    const std::size_t open = finding.rfind(" [");
    FUZZ_CHECK(open != finding.npos && finding.ends_with(']'), "a finding ends with its tag");
    const std::string_view tag = finding.substr(open + 2, finding.size() - open - 3);
    const mk::check::Rule* known = mk::check::ruleOf(tag);
    FUZZ_CHECK(known != nullptr && known->room != mk::check::Room::kAfter &&
                   (known->severity == mk::check::Severity::kError) == error,
               "a known tag of its kind");
    FUZZ_CHECK(known != ignored, "no finding of the rule left out");
    FUZZ_CHECK(tagged.emplace(*line, tag).second, "each tag at most once per line");
    ++(error ? errors : warnings);
  }
  const bool found = errors + warnings > 0;
  std::size_t notes = 0;  // where the files named follow P, that files were not checked, --explain
  for (; i + 1 < lines.size() && lines[i].starts_with(note); ++i)
    ++notes;
  FUZZ_CHECK(notes >= (found ? 2U : 1U) && notes <= (found ? 3U : 1U), "the notes");
  FUZZ_CHECK(i + (found ? 2 : 1) == lines.size(), "the count by tag, the summary");
  FUZZ_CHECK(!found || lines[i].starts_with(std::string(kName) + ": findings by tag: "),
             "the findings counted by tag");
  const std::string counts =
      mk::check::counted(errors, "error") + ", " + mk::check::counted(warnings, "warning");
  const std::string_view summary = lines.back();
  FUZZ_CHECK(summary.starts_with(std::string(kName) + ": ") &&
                 (summary.ends_with(": " + counts) ||
                  summary.find(": " + counts + ", ") != std::string_view::npos),
             "the summary counts the findings");
  FUZZ_CHECK(status == (errors > 0 ? 2 : warnings > 0 ? 1 : 0), "the exit status");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::span<const mk::check::Rule* const> rules = mk::check::allRules();
  const mk::check::Rule* ignored = data[0] < rules.size() ? rules[data[0]] : nullptr;

  // The lines as the check must read them.
  std::vector<std::string> expected;
  for (std::string_view line : mk::fuzz::splitLines(bytes)) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    expected.emplace_back(line);
  }
  std::istringstream lines(bytes);
  std::vector<std::string> read;
  for (std::string line; mk::check::readScriptLine(lines, line);)
    read.push_back(line);
  FUZZ_CHECK(read == expected, "the lines of the bytes");

  // The whole check, its report written to memory.
  char* text = nullptr;
  std::size_t length = 0;
  std::FILE* out = open_memstream(&text, &length);
  FUZZ_CHECK(out != nullptr, "a memory stream opens");
  int status = 0;
  bool checked = false;
  {
    mk::check::Report report(kName, out);
    if (ignored != nullptr) report.ignore(*ignored);
    std::istringstream in(bytes);
    checked = mk::check::checkBeforeRun(in, report, nullptr);
    status = report.exitStatus();
  }
  std::fclose(out);
  const std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
  if (checked) {
    checkReport(std::string_view(text, length), expected.size(), status, ignored);
  } else {
    FUZZ_CHECK(length == 0, "a script that is not one of ours gets no report");
  }
  return 0;
}
