// Each rule alone on its example: a row per rule, the lines (or values) that make its finding,
// wrapped in a standard script (the backup line and the entries' lines; on the machine, tc, the
// sample input and each entry's data file in C:\q), the rule run alone, and the one finding it
// must make. A rule without a row fails the test.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "check/check.h"
#include "check/rules.h"
#include "check_findings.h"
#include "memory_machine.h"

namespace mk::check {
namespace {

struct Example {
  const Rule& rule;
  std::vector<std::string> lines;       // of script()
  int line;                             // where its finding stands
  std::vector<std::string> files = {};  // on the machine, besides the standard ones
  std::map<std::string, std::string> variables = {};
  std::string path = "C:\\q\\";  // P
  std::string input = "sample";  // I
  bool bare = false;             // no standard files: the machine holds `files` only
  bool ended = true;             // the last line has its line end
};

const std::string kBackup = "C:\\q\\sample_orig.inp";
const std::string kKeep = "keep kevra.hkl s01.hkl";

const std::vector<Example> kExamples = {
    // The line's own text.
    {kNoBackslash, {"run s01", kKeep}, 1, {}, {}, "C:\\kevra\\run2"},
    {kPercent, {"run s%01"}, 3},
    {kSplitName, {"run s01", "keep kevra.hkl s 01.hkl"}, 4},
    {kSpecialChar, {"run s01", "keep kevra.hkl r&d.hkl"}, 4},
    {kSlash, {"run s01", "keep kevra.hkl a/b.hkl"}, 4},
    {kPlus, {"run s01", "keep kevra.hkl s+1.hkl"}, 4},
    {kQuote, {"run s01|TITLE \"q\" "}, 3},
    {kByteOrderMark, {"run \xEF\xBB\xBFs01"}, 3},
    {kNonAscii, {"run s01|T\x82MP "}, 3},
    {kInvalidName, {"run s*1"}, 3},
    {kEmptyInputName, {"run s01"}, 1, {}, {}, "C:\\q\\", ""},
    {kEmptyName, {"run "}, 3},
    {kCut, {"run " + std::string(80, 'd')}, 3},
    {kForeignLine, {"run s01", "raw echo done"}, 4},
    {kCutShort, {"run s01"}, 3, {}, {}, "C:\\q\\", "sample", false, false},
    {kNoEntries, {}, 2},
    // The line beside the names of earlier lines.
    {kOverwritesOwnFile, {"run s01", "keep kevra.hkl sample.inp"}, 4},
    {kDuplicateEntry, {"run s01", "run S01"}, 4},
    {kKeptCollision, {"run s01", "keep kevra.hkl s.hkl", "run s02", "keep kevra.hkl s.hkl"}, 6},
    {kNotText, {"run s\x01"}, 3},
    // The machine, before the batch.
    {kMissingInput, {"run s01"}, 1, {"C:\\q\\tc.exe", "C:\\q\\s01"}, {}, "C:\\q\\", "sample", true},
    {kOverwritesBackup, {"run s01"}, 1, {kBackup}},
    {kNoTc, {"run s01"}, 3, {"C:\\q\\sample.inp", "C:\\q\\s01"}, {}, "C:\\q\\", "sample", true},
    {kTcIsBatch, {"run s01"}, 3, {"C:\\q\\tc.bat"}, {{"PATHEXT", ".BAT;.EXE"}}},
    {kMissingData,
     {"run s01"},
     3,
     {"C:\\q\\tc.exe", "C:\\q\\sample.inp"},
     {},
     "C:\\q\\",
     "sample",
     true},
    {kNoFolder, {"run s01", "keep kevra.hkl raw\\s01.hkl"}, 4},
    {kReplacesKept, {"run s01", kKeep}, 4, {"C:\\q\\s01.hkl"}},
    {kCopyPrompts, {"run s01", "chain"}, 4, {}, {{"COPYCMD", "/-Y"}}},
    {kReadOnly, {"run s01", kKeep}, 4, {"C:\\q\\s01.hkl|r"}},
    {kNotAFile, {"run s01", kKeep}, 4, {"C:\\q\\s01.hkl\\"}},
    // What the batch left: the machine holds `files` only.
    {kNoBackup, {"run s01", kKeep}, 1, {"C:\\q\\s01.hkl"}},
    {kNotKept, {"run s01", kKeep}, 4, {kBackup}},
    {kReplaced,
     {"run s01", "keep kevra.hkl s.hkl", "run s02", "keep kevra.hkl s.hkl"},
     4,
     {kBackup, "C:\\q\\s.hkl"}},
    {kStale, {"run s01", kKeep}, 4, {kBackup, "C:\\q\\multikevra.bat|@10", "C:\\q\\s01.hkl|@5"}},
    {kUnchangedOutput,
     {"run s01", kKeep, "run s02", "keep kevra.hkl s02.hkl"},
     6,
     {kBackup, "C:\\q\\s01.hkl|=h", "C:\\q\\s02.hkl|=h"}},
    {kNotChained,
     {"run s01", "chain"},
     4,
     {kBackup, "C:\\q\\sample.inp|=in", "C:\\q\\sample.out|=out"}},
};

TEST(RulesTest, EachRuleAloneFindsItsExample) {
  for (const Rule* rule : allRules()) {
    const auto example =
        std::ranges::find(kExamples, rule, [](const Example& e) { return &e.rule; });
    ASSERT_NE(example, kExamples.end()) << "no example of " << rule->tag;
    SCOPED_TRACE(rule->tag);
    std::string text = script(example->lines, example->path, example->input);
    if (!example->ended) text.resize(text.size() - 2);
    std::vector<std::string> files = example->files;
    if (rule->room == Room::kMachine && !example->bare) {
      files.insert(files.end(), {"C:\\q\\tc.exe", example->path + "sample.inp"});
      for (const std::string& line : example->lines)
        if (line.starts_with("run ")) files.push_back("C:\\q\\" + line.substr(4));
    }
    const MemoryMachine machine("C:\\q", example->variables, files);
    const bool looks = rule->room == Room::kMachine || rule->room == Room::kAfter;
    const auto [findings, report] =
        checked(looks ? &machine : nullptr, text, rule->room == Room::kAfter, rule);
    EXPECT_EQ(findings, std::vector{std::to_string(example->line) + " " + std::string(rule->tag)})
        << report;
  }
}

}  // namespace
}  // namespace mk::check
