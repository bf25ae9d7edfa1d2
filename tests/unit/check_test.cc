// What the end-to-end cases are too small to stress: one finding per cause on a batch of many
// entries; the comparison of two files across the ends of its blocks; the matcher of a line's
// layout; and README's tables of tags against the list of rules.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "check/check.h"
#include "check/layout_match.h"
#include "check/machine.h"
#include "check/rules.h"
#include "check_findings.h"
#include "script/script_lines.h"

namespace mk::check {
namespace {

// A batch as multikevra writes it: P, I, the entries' data names and information texts (none:
// no information), chaining, and the kept files' output file names and suffixes.
struct Batch {
  std::string path = "C:\\kevra\\run\\";
  std::string input = "quartz";
  std::vector<std::string> data;
  std::vector<std::string> information;
  std::vector<std::pair<std::string, std::string>> keeps = {{"kevra.hkl", ".hkl"},
                                                            {"kevra.lst", "_fit.lst"}};
  bool chaining = true;

  // Entry `entry`'s run line, and its first keep line.
  [[nodiscard]] std::size_t run(std::size_t entry) const {
    return 3 + (entry - 1) * (1 + (chaining ? 1 : 0) + keeps.size());
  }
  [[nodiscard]] std::size_t keep(std::size_t entry) const {
    return run(entry) + (chaining ? 2 : 1);
  }

  [[nodiscard]] std::string script() const {
    const std::string& p = path;
    std::string text =
        "copy " + p + input + ".inp " + p + input + "_orig.inp\r\ndel " + p + input + ".out\r\n";
    for (std::size_t i = 0; i < data.size(); ++i) {
      const std::string info = information.empty() ? " " : information[i] + " ";
      text += "tc " + p + input + " \"macro filename {" + data[i] + "} macro information {" + info +
              "} #define GUI_LINES\"\r\n";
      if (chaining) text += "copy " + p + input + ".out " + p + input + ".inp\r\n";
      for (const auto& [output, suffix] : keeps) {
        std::string kept = (data[i] + suffix + std::string(20, ' ')).substr(0, 20);
        kept.erase(kept.find_last_not_of(' ') + 1);
        text += "copy " + p + output + " " + p + kept + "\r\n";
      }
    }
    return text;
  }
};

// Each row makes one mistake in a batch of 40 entries: the check finds each of its causes once
// per tag, on the first line the cause reaches, and nothing else.
TEST(OneFindingPerCauseTest, EachMistakeOnce) {
  Batch batch;
  for (int i = 1; i <= 40; ++i)
    batch.data.push_back("qz_" + std::to_string(1000 + i) + "K.xy");
  batch.information.assign(40, "TEMP 100");
  const auto line = [](std::size_t number, const char* tag) {
    return std::to_string(number) + " " + tag;
  };
  struct Case {
    const char* what;
    std::function<void(Batch&)> make;
    std::function<std::vector<std::string>(const Batch&)> findings;
  };
  const std::vector<Case> cases = {
      {"no mistake", [](Batch&) {}, [](const Batch&) { return std::vector<std::string>{}; }},
      {"a blank in the directory", [](Batch& b) { b.path = "C:\\kevra\\run 2\\"; },
       [&](const Batch&) { return std::vector{line(1, "split-name")}; }},
      {"a % in the directory", [](Batch& b) { b.path = "C:\\kevra\\50%\\"; },
       [&](const Batch&) { return std::vector{line(1, "percent")}; }},
      {"a % in the input name", [](Batch& b) { b.input = "qu%rtz"; },
       [&](const Batch&) { return std::vector{line(1, "percent")}; }},
      {"a / in the directory", [](Batch& b) { b.path = "C:/kevra/run/"; },
       [&](const Batch&) { return std::vector{line(1, "slash")}; }},
      {"a + in the directory", [](Batch& b) { b.path = "C:\\kevra\\run+2\\"; },
       [&](const Batch&) { return std::vector{line(1, "plus")}; }},
      {"a + in an output file name", [](Batch& b) { b.keeps[0].first = "kevra+1.hkl"; },
       [&](const Batch& b) { return std::vector{line(b.keep(1), "plus")}; }},
      {"a + in a suffix", [](Batch& b) { b.keeps[1].second = "+fit.lst"; },
       [&](const Batch& b) { return std::vector{line(b.keep(1) + 1, "plus")}; }},
      {"a + in one data name: its keep lines, not its run line",
       [](Batch& b) { b.data[6] = "qz+1007K.xy"; },
       [&](const Batch& b) { return std::vector{line(b.keep(7), "plus")}; }},
      {"a drive for the directory (a near miss)", [](Batch& b) { b.path = "C:"; },
       [](const Batch&) { return std::vector<std::string>{}; }},
      {"no directory (a near miss)", [](Batch& b) { b.path = ""; },
       [](const Batch&) { return std::vector<std::string>{}; }},
      {"the directory without its final backslash", [](Batch& b) { b.path = "C:\\kevra\\run2"; },
       [&](const Batch&) { return std::vector{line(1, "no-backslash")}; }},
      {"... and with a blank", [](Batch& b) { b.path = "C:\\kevra\\run 2"; },
       [&](const Batch&) {
         return std::vector{line(1, "no-backslash"), line(1, "split-name")};
       }},
      {"an & in a suffix", [](Batch& b) { b.keeps[1].second = "&fit.lst"; },
       [&](const Batch& b) { return std::vector{line(b.keep(1) + 1, "special-char")}; }},
      {"a suffix too long for every entry",
       [](Batch& b) { b.keeps[0].second = "_refined_final.hkl"; },
       [&](const Batch& b) { return std::vector{line(b.keep(1), "cut")}; }},
      {"two kept files with one suffix", [](Batch& b) { b.keeps[1].second = ".hkl"; },
       [&](const Batch& b) { return std::vector{line(b.keep(1) + 1, "kept-collision")}; }},
      {"a blank in one data name", [](Batch& b) { b.data[6] = "qz 1007K.xy"; },
       [&](const Batch& b) { return std::vector{line(b.keep(7), "split-name")}; }},
      {"a % in one data name", [](Batch& b) { b.data[6] = "qz%1007K.xy"; },
       [&](const Batch& b) { return std::vector{line(b.run(7), "percent")}; }},
      {"a % in one information line", [](Batch& b) { b.information[2] = "RATE 50%"; },
       [&](const Batch& b) { return std::vector{line(b.run(3), "percent")}; }},
      {"a device name", [](Batch& b) { b.data[3] = "nul"; },
       [&](const Batch& b) { return std::vector{line(b.run(4), "invalid-name")}; }},
      {"a control byte in a data name",
       [](Batch& b) {
         b.data[3] =
             "qz\x1B"
             "1004K.xy";
       },
       [&](const Batch& b) { return std::vector{line(b.run(4), "invalid-name")}; }},
      {"a list file saved as UTF-16: one finding, the entries' own ones follow from it",
       [](Batch& b) {
         for (std::size_t i = 0; i < b.data.size(); ++i) {
           std::string wide = i == 0 ? "\xFF\xFE" : std::string(1, '\0');
           for (const char c : b.data[i] + "\r")
             wide.append(1, c).append(1, '\0');
           b.data[i] = wide;
         }
       },
       [&](const Batch& b) { return std::vector{line(b.run(1), "not-text")}; }},
      {"a program given as the list: most data names hold control bytes",
       [](Batch& b) {
         for (std::size_t i = 0; i < 21; ++i)
           b.data[i] =
               "\x7F"
               "ELF\x02" +
               std::to_string(i);
       },
       [&](const Batch& b) { return std::vector{line(b.run(1), "not-text")}; }},
      {"one data name too long", [](Batch& b) { b.data[8] = "qz_1009K_long.xy"; },
       [&](const Batch& b) { return std::vector{line(b.keep(9), "cut")}; }},
      {"a list line given twice", [](Batch& b) { b.data[7] = b.data[6]; },
       [&](const Batch& b) {
         return std::vector{line(b.run(8), "duplicate-entry"), line(b.keep(8), "kept-collision")};
       }},
      {"a list file saved with a BOM", [](Batch& b) { b.data[0] = "\xEF\xBB\xBFqz_100K.xy"; },
       [&](const Batch& b) { return std::vector{line(b.run(1), "byte-order-mark")}; }},
      {"a kept name that is the sample input",
       [](Batch& b) {
         b.data[4] = "quartz";
         b.keeps[0].second = ".inp";
       },
       [&](const Batch& b) { return std::vector{line(b.keep(5), "overwrites-own-file")}; }},
      {"an empty suffix: every kept file is its data file",
       [](Batch& b) { b.keeps[1].second = ""; },
       [&](const Batch& b) { return std::vector{line(b.keep(1) + 1, "overwrites-own-file")}; }},
      {"no entry", [](Batch& b) { b.data.clear(); },
       [&](const Batch&) { return std::vector{line(2, "no-entries")}; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Batch made = batch;
    c.make(made);
    const auto [findings, report] = checked(nullptr, made.script());
    EXPECT_EQ(findings, c.findings(made)) << report;
  }
  // Cut while written: the last line's start stays, without its line end.
  std::string text = batch.script();
  text.resize(text.size() - 30);
  const auto [findings, report] = checked(nullptr, text);
  EXPECT_EQ(findings, std::vector<std::string>{line(batch.keep(40) + 1, "cut-short")}) << report;
}

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
  const auto same = [](const std::string& a, const std::string& b) {
    std::FILE* first = std::tmpfile();
    std::FILE* second = std::tmpfile();
    std::fwrite(a.data(), 1, a.size(), first);
    std::fwrite(b.data(), 1, b.size(), second);
    std::rewind(first);
    std::rewind(second);
    const bool equal = sameBytes(first, second);
    std::fclose(first);
    std::fclose(second);
    return equal;
  };
  for (const std::size_t size : {0U, 1U, 65535U, 65536U, 65537U, 131072U, 200000U}) {
    SCOPED_TRACE(size);
    const std::string bytes(size, 'k');
    EXPECT_TRUE(same(bytes, bytes));
    EXPECT_FALSE(same(bytes, bytes + "x"));  // longer by a byte
    EXPECT_FALSE(same(bytes + "x", bytes));
    if (size > 0) {
      EXPECT_FALSE(same(bytes, std::string(size - 1, 'k') + "j"));
    }
  }
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
