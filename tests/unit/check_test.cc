// What the end-to-end cases are too small to stress: the comparison of two files across the
// ends of its blocks; the matcher of a line's layout; and README's
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

TEST(LayoutMatcherTest, TakesTheValuesBetweenTheKnownText) {
  const LayoutMatcher run(script_lines::kRunWithInformation,
                          {"P\\", "in", std::nullopt, std::nullopt});
  const LayoutMatcher backup(script_lines::kBackup, {{}, {}, {}, {}});
  struct Case {
    const LayoutMatcher& matcher;
    std::string_view line;
    bool matches;
    std::string_view first = {}, second = {};
  };
  for (
      const Case& test : std::initializer_list<Case>{
          {run, R"(tc P\in "macro filename {d} macro information {t } #define GUI_LINES")", true,
           "d", "t "},
          {run, R"(tc P\in "macro filename {} macro information {} #define GUI_LINES")", true, "",
           ""},
          // The text after a value is found at its first occurrence; the last ends the line.
          {run,
           R"(tc P\in "macro filename {a} macro information {b} macro information {c} #define GUI_LINES")",
           true, "a", "b} macro information {c"},
          {run, R"(tc P\in "macro filename {d} macro information {t } #define GUI_LINES" )", false},
          {run, R"(tc P\in "macro filename {d} macro information #define GUI_LINES")", false},
          {run, R"(tc Q\in "macro filename {d} macro information {t } #define GUI_LINES")", false},
          // Values that stand together are taken as one.
          {backup, R"(copy C:\x\s.inp C:\x\s_orig.inp)", true, "C:\\x\\s", "C:\\x\\s"},
          {backup, R"(copy s.inp t_orig.inp)", true, "s", "t"},
          {backup, R"(copy s.inp s_orig.inp )", false},
      }) {
    SCOPED_TRACE(test.line);
    std::array<std::string_view, 2> taken;
    ASSERT_EQ(test.matcher.match(test.line, taken), test.matches);
    if (!test.matches) continue;
    EXPECT_EQ(taken[0], test.first);
    EXPECT_EQ(taken[1], test.second);
  }
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
