// What the end-to-end cases are too small to stress: the comparison of two files across the
// ends of its blocks; the matcher of a line's layout against the general match; and README's
// tables of tags against the list of rules.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "check/layout_match.h"
#include "check/machine.h"
#include "check/rules.h"
#include "script/script_lines.h"

namespace mk::check {
namespace {

TEST(LayoutMatcherTest, TakesWhatTheGeneralMatchTakes) {
  const Layout& layout = script_lines::kRunWithInformation;
  const LayoutMatcher matcher(layout, {"P\\", "in", std::nullopt, std::nullopt});
  for (
      const std::string_view line : {
          R"(tc P\in "macro filename {d} macro information {t } #define GUI_LINES")",
          R"(tc P\in "macro filename {} macro information {} #define GUI_LINES")",
          R"(tc P\in "macro filename {a} macro information {b} macro information {c} #define GUI_LINES")",
          R"(tc P\in "macro filename {d} macro information {t } #define GUI_LINES" )",
          R"(tc P\in "macro filename {d} macro information #define GUI_LINES")",
          R"(tc P\in "macro filename {d} macro information {t } #define GUI_LINES")",
      }) {
    SCOPED_TRACE(line);
    std::array<std::optional<std::string_view>, 4> values{"P\\", "in", {}, {}};
    std::array<std::string_view, 2> taken;
    const bool matched = matcher.match(line, taken);
    ASSERT_EQ(matched, matchLayout(layout, line, values));
    if (matched) {
      EXPECT_EQ(taken[0], *values[2]);
      EXPECT_EQ(taken[1], *values[3]);
    }
  }
  EXPECT_THROW(LayoutMatcher(script_lines::kBackup, {std::nullopt, std::nullopt, "P", "I"}),
               std::logic_error);
}

TEST(SameBytesTest, FilesAcrossTheEndsOfItsBlocks) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("same-bytes-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::unique_ptr<Machine> machine = thisMachine();
  const auto sameBytes = [&](const std::string& a, const std::string& b) {
    return machine->sameBytes(a, b);
  };
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(folder / name, std::ios::binary) << bytes;
    return (folder / name).string();
  };
  for (const std::size_t size : {0U, 1U, 65535U, 65536U, 65537U, 131072U, 200000U}) {
    SCOPED_TRACE(size);
    const std::string bytes(size, 'k');
    const std::string a = write("a", bytes);
    EXPECT_TRUE(sameBytes(a, write("b", bytes)));
    EXPECT_FALSE(sameBytes(a, write("b", bytes + "x")));  // longer by a byte
    EXPECT_FALSE(sameBytes(write("b", bytes + "x"), a));
    if (size > 0) {
      EXPECT_FALSE(sameBytes(a, write("b", std::string(size - 1, 'k') + "j")));
    }
  }
  EXPECT_FALSE(sameBytes((folder / "a").string(), (folder / "missing").string()));
  std::filesystem::remove_all(folder);
}

TEST(FindingsTest, ReadmeTablesNameEveryTagWithItsSeverity) {
  std::ifstream readme(MULTIKEVRA_README);
  ASSERT_TRUE(readme) << MULTIKEVRA_README;
  const std::regex row(R"(^\| `([a-z-]+)` \| (error|warning) \|.*)");
  std::map<std::string, std::string> documented;
  for (std::string line; std::getline(readme, line);) {
    std::smatch match;
    if (std::regex_match(line, match, row)) {
      EXPECT_TRUE(documented.emplace(match[1], match[2]).second) << "twice: " << match[1];
    }
  }
  std::map<std::string, std::string> catalogue;
  for (const Rule* rule : allRules()) {
    catalogue.emplace(rule->tag, rule->severity == Severity::kError ? "error" : "warning");
    EXPECT_EQ(ruleOf(rule->tag), rule);
  }
  EXPECT_EQ(documented, catalogue);
  EXPECT_EQ(nearestTag("kept-colision"), "kept-collision");
  EXPECT_EQ(nearestTag("stail"), "stale");
  EXPECT_EQ(nearestTag("overwrites"), "");
}

}  // namespace
}  // namespace mk::check
