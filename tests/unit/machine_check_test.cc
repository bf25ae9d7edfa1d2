// The checks of what a batch needs from the machine that runs it, driven by a machine held in
// memory: each row a machine (folder, environment, files) and a script, and the findings
// (line and tag) the check must make of them, no more.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "check/check.h"
#include "check/file_names.h"
#include "check/machine.h"
#include "check/report.h"
#include "check/rerun.h"
#include "check_findings.h"
#include "memory_machine.h"

namespace mk::check {
namespace {

struct Case {
  const char* what;
  std::map<std::string, std::string> variables;
  std::vector<std::string> entries;  // files, and folders ending in '\'
  std::vector<std::string> lines;    // of script()
  std::vector<std::string> findings;
  const char* current = "C:\\q";
  const char* path = "C:\\q\\";  // P
  unsigned codePage = 850;       // where ü is 81, é 82 and É 90
};

const std::vector<std::string> kBatch = {"C:\\q\\sample.inp", "C:\\q\\tc.exe", "C:\\q\\s01",
                                         "C:\\q\\s02"};
std::vector<std::string> with(std::vector<std::string> more) {
  more.insert(more.end(), kBatch.begin(), kBatch.end());
  return more;
}
const std::map<std::string, std::string> kPath = {{"PATH", "C:\\windows;\"C:\\kevra bin\";"}};

TEST(MachineCheckTest, FindingsOfEachMachine) {
  const std::vector<Case> cases = {
      {"all there", kPath, kBatch, {"run s01", "chain", "keep kevra.hkl s01.hkl", "run s02"}, {}},
      {"tc nowhere",
       kPath,
       {"C:\\q\\sample.inp", "C:\\q\\s01", "C:\\q\\s02"},
       {"run s01", "run s02"},
       {"3 no-tc"}},
      {"tc on PATH only",
       kPath,
       {"C:\\q\\sample.inp", "C:\\q\\s01", "C:\\kevra bin\\TC.EXE"},
       {"run s01"},
       {},
       "C:\\work"},
      {"tc.bat in the folder, tc.exe on PATH",
       kPath,
       {"C:\\q\\sample.inp", "C:\\q\\s01", "C:\\q\\tc.bat", "C:\\kevra bin\\tc.exe"},
       {"run s01"},
       {"3 tc-is-batch"}},
      {"tc.bat beside tc.exe", kPath, with({"C:\\q\\tc.bat"}), {"run s01"}, {}},
      {"PATHEXT holding a lone dot finds a file tc",
       {{"PATHEXT", ".;.BAT"}},
       {"C:\\q\\sample.inp", "C:\\q\\s01", "C:\\q\\tc", "C:\\q\\tc.bat"},
       {"run s01"},
       {}},
      {"PATHEXT puts .BAT first",
       {{"PATHEXT", ".BAT;.EXE"}},
       with({"C:\\q\\tc.bat"}),
       {"run s01"},
       {"3 tc-is-batch"}},
      {"data names: a typo, a stem, a folder, a name with a folder, a path",
       {},
       with({"C:\\w\\tc.exe", "C:\\q\\qz_0100K.xye", "C:\\w\\cwd.dat", "C:\\q\\raw\\a.xy",
             "D:\\r\\b.xy"}),
       {"run qz_0150", "run qz_0100K", "run cwd", "run raw\\a.xy", "run d:\\r\\b.xy",
        "run raw\\b.xy", "run qz_0100"},
       {"3 missing-data", "8 missing-data", "9 missing-data"},
       "C:\\w"},
      {"kept folders",
       {},
       with({"C:\\q\\old\\"}),
       {"run s01", "keep kevra.hkl raw\\s01.hkl", "keep kevra.lst raw\\s01.lst",
        "keep kevra.hkl old\\s01.hkl", "keep kevra.hkl new\\..\\s01.hkl"},
       {"4 no-folder"}},
      {"COPYCMD=/-Y and chaining",
       {{"COPYCMD", "/-Y"}},
       kBatch,
       {"run s01", "chain", "keep kevra.hkl s01.hkl", "run s02", "chain"},
       {"4 copy-prompts"}},
      {"COPYCMD=/-y and a backup",
       {{"COPYCMD", "/v /-y"}},
       with({"C:\\q\\sample_orig.inp"}),
       {"run s01", "chain"},
       {"1 overwrites-backup", "1 copy-prompts"}},
      {"COPYCMD=/-Y and nothing to replace",
       {{"COPYCMD", "/-Y"}},
       kBatch,
       {"run s01", "keep kevra.hkl s01.hkl", "run s02", "keep kevra.hkl s02.hkl"},
       {}},
      {"COPYCMD's last switch counts", {{"COPYCMD", "/-Y /Y"}}, kBatch, {"run s01", "chain"}, {}},
      {"COPYCMD=/Y/-Y and a kept name used twice",
       {{"COPYCMD", "/Y/-Y"}},
       kBatch,
       {"run s01", "keep kevra.hkl s.hkl", "run s02", "keep kevra.hkl S.HKL"},
       {"6 kept-collision", "6 copy-prompts"}},
      {"a rerun",
       {{"COPYCMD", "/-Y"}},
       with({"C:\\q\\s01.hkl", "C:\\q\\s02.hkl"}),
       {"run s01", "keep kevra.hkl s01.hkl", "run s02", "keep kevra.hkl s02.hkl"},
       {"4 replaces-kept", "4 copy-prompts"}},
      {"a kept name that is the script, through P",
       {},
       with({"C:\\q\\multikevra.bat"}),
       {"run s01", "keep kevra.hkl ..\\q\\MULTIKEVRA.BAT"},
       {"4 overwrites-own-file"}},
      {"read-only: the backup, tc's output, the sample input under chaining, a kept file",
       {},
       {"C:\\q\\sample.inp|r", "C:\\q\\tc.exe", "C:\\q\\s01", "C:\\q\\s02",
        "C:\\q\\sample_orig.inp|r", "C:\\q\\sample.out|r", "C:\\q\\s01.hkl|r"},
       {"run s01", "chain", "keep kevra.hkl s01.hkl", "run s02", "chain", "keep kevra.hkl s02.hkl"},
       {"1 read-only", "2 read-only", "4 read-only", "5 read-only"}},
      {"read-only files the batch only reads",
       {},
       {"C:\\q\\sample.inp|r", "C:\\q\\tc.exe|r", "C:\\q\\s01|r", "C:\\q\\s02|r"},
       {"run s01", "keep kevra.hkl s01.hkl", "run s02", "keep kevra.hkl s02.hkl"},
       {}},
      {"folders where files are copied or deleted",
       {},
       with(
           {"C:\\q\\sample_orig.inp\\", "C:\\q\\sample.out\\", "C:\\q\\s01.hkl\\", "C:\\q\\old\\"}),
       {"run s01", "keep kevra.hkl s01.hkl", "keep kevra.lst s01.hkl",
        "keep kevra.hkl old\\s01.hkl"},
       {"1 not-a-file", "2 not-a-file", "4 not-a-file", "5 kept-collision"}},
      {"drive-relative data names: on the current drive in the current folder, elsewhere not",
       {},
       with({"D:\\s01"}),
       {"run c:s01", "run C:s02", "run d:s01", "run d:s02"},
       {"6 missing-data"}},
      {"names that resolve to one file",
       {},
       kBatch,
       {"run s01", "keep kevra.hkl s01.hkl", "run .\\S01", "keep kevra.hkl x\\..\\s01.hkl.",
        "keep kevra.lst sample.inp "},
       {"5 duplicate-entry", "6 kept-collision", "7 overwrites-own-file"}},
      // The data files missing where names run into P, or in a P that does not exist, are that
      // finding's.
      {"a directory that does not exist",
       {},
       with({"C:\\w\\tc.exe"}),
       {"run s01", "keep kevra.hkl s01.hkl", "run s02", "keep kevra.hkl s02.hkl"},
       {"1 missing-input"},
       "C:\\w",
       "C:\\gone\\"},
      {"a directory without its final backslash",
       {},
       with({"C:\\q\\run2\\", "C:\\w\\tc.exe"}),
       {"run s01", "keep kevra.hkl s01.hkl", "run s02", "keep kevra.hkl s02.hkl"},
       {"1 no-backslash", "1 missing-input"},
       "C:\\w",
       "C:\\q\\run2"},
      // Names beyond ASCII, decoded as cmd reads them: in the console's code page.
      {"a folder and data names in the console's code page; information and a suffix not",
       {},
       {"C:\\Zürich\\sample.inp", "C:\\Zürich\\tc.exe", "C:\\Zürich\\dé01.xy", "C:\\Zürich\\s02"},
       {"run d\x82"
        "01",
        "keep kevra.hkl d\x82"
        "01.hkl",
        "run s02|T\x82MP ", "keep kevra.hkl s02_\x82.hkl"},
       {"5 non-ascii", "6 non-ascii"},
       "C:\\Zürich",
       "C:\\Z\x81rich\\"},
      {"data names saved as UTF-8 and in the ANSI code page",
       {},
       with({"C:\\q\\dé01", "C:\\q\\dé02"}),
       {"run d\xC3\xA9"
        "01",
        "run d\xE9"
        "02",
        "run d\x82"
        "01",
        "run d\x90"
        "02"},
       {"3 missing-data", "4 missing-data"}},
      {"\x90 and \x82 (É and é) are one name",
       {},
       kBatch,
       {"run s01", "keep kevra.hkl \x90.hkl", "run s02", "keep kevra.hkl \x82.hkl"},
       {"6 kept-collision"}},
      {"a double-byte code page: not looked at", {}, {}, {"run s01"}, {}, "C:\\q", "C:\\q\\", 932},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MemoryMachine machine(c.current, c.variables, c.entries, c.codePage);
    const auto [findings, report] = checked(&machine, script(c.lines, c.path));
    EXPECT_EQ(findings, c.findings) << report;
  }
}

// The entries of a MemoryMachine in C:\q: the files `right` (name and what it holds) with those
// of `changed` put in, an empty holding taking the file away.
std::vector<std::string> filesOf(std::map<std::string, std::string> right,
                                 const std::map<std::string, std::string>& changed) {
  for (const auto& [name, holds] : changed)
    right[name] = holds;
  std::vector<std::string> entries;
  for (const auto& [name, holds] : right) {
    if (!holds.empty()) entries.push_back("C:\\q\\" + name + "|" + holds);
  }
  return entries;
}

// What a batch of three chained entries, one kept file each, left: each row changes the files
// (or the lines) of a batch that went right; the summary counts the entries that left theirs.
TEST(AfterCheckTest, FindingsOfWhatTheBatchLeft) {
  const std::vector<std::string> night = {"run s01", "chain", "keep kevra.hkl s01.hkl",
                                          "run s02", "chain", "keep kevra.hkl s02.hkl",
                                          "run s03", "chain", "keep kevra.hkl s03.hkl"};
  const std::map<std::string, std::string> right = {
      {"multikevra.bat", "@10"}, {"sample_orig.inp", "=in"}, {"sample.inp", "=out3"},
      {"sample.out", "=out3"},   {"s01.hkl", "@20=h1"},      {"s02.hkl", "@30=h2"},
      {"s03.hkl", "@40=h3"}};
  const std::string all = "3 entries, all of which left all their kept files";
  const std::string second = "3 entries; 1 entry did not leave its kept files: 2";
  struct Case {
    std::map<std::string, std::string> changed;
    std::vector<std::string> findings;
    std::string summary;
    std::vector<std::string> lines = {};  // none: the night's
  };
  const std::vector<Case> cases = {
      {{}, {}, all},
      {{{"sample_orig.inp", ""}}, {"1 no-backup"}, all},
      {{{"sample.inp", "=out1"}}, {"4 not-chained"}, all},
      {{{"sample.out", ""}}, {"4 not-chained"}, all},
      {{{"s02.hkl", ""}}, {"8 not-kept"}, second},
      {{{"s02.hkl", "@5=h2"}}, {"8 stale"}, second},
      {{{"s02.hkl", "@30=h1"}}, {"8 unchanged-output"}, second},
      // Only the entry before's kept files count: entry 3's holds entry 1's bytes.
      {{{"s03.hkl", "@40=h1"}}, {}, all},
      // Entry 2's name is entry 1's file too: entry 1's result was replaced.
      {{},
       {"5 replaced"},
       "3 entries; 1 entry did not leave its kept files: 1",
       {"run s01", "chain", "keep kevra.hkl s01.hkl", "run .\\S01", "chain",
        "keep kevra.hkl .\\s01.hkl", "run s03", "chain", "keep kevra.hkl s03.hkl"}},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> entries = filesOf(right, c.changed);
    SCOPED_TRACE(testing::PrintToString(c.changed) + testing::PrintToString(c.lines));
    const MemoryMachine memory("C:\\q", {}, entries);
    const auto [found, report] = checked(&memory, script(c.lines.empty() ? night : c.lines), true);
    EXPECT_EQ(found, c.findings) << report;
    EXPECT_NE(report.find(c.summary), std::string::npos) << report;
  }
  // The summary names the first ten entries that did not, and counts the others.
  std::vector<std::string> twelve;
  for (int entry = 10; entry < 22; ++entry) {
    twelve.push_back("run s" + std::to_string(entry));
    twelve.push_back("keep kevra.hkl s" + std::to_string(entry) + ".hkl");
  }
  const MemoryMachine empty("C:\\q", {}, {"C:\\q\\sample_orig.inp"});
  const std::string report = checked(&empty, script(twelve), true).second;
  EXPECT_NE(report.find("12 entries did not leave their kept files: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 "
                        "and 2 more: 12 errors"),
            std::string::npos)
      << report;
}

// The rerun of a night of three entries, the second of which failed: each row a night (its
// lines and how it differs from one that went right) and what runs again, how it starts and
// why not; and the night's table.
TEST(RerunTest, WhatRunsAgainAndHow) {
  const std::map<std::string, std::string> right = {
      {"multikevra.bat", "@10"}, {"sample_orig.inp", "=in"}, {"sample.inp", "=out3"},
      {"sample.out", "=out3"},   {"s01.hkl", "@20=h1"},      {"s02.hkl", "@30=h1"},
      {"s 02.hkl", "@30=h1"},    {"s03.hkl", "@40=h3"},      {"s01.out", "@20=o1"},
      {"s02.out", "@30=o1"},     {"s03.out", "@40=o3"}};
  const auto night = [](bool chain, bool output, std::vector<std::string> data) {
    std::vector<std::string> lines;
    for (const std::string& name : data) {
      lines.push_back("run " + name);
      if (chain) lines.emplace_back("chain");
      lines.push_back("keep kevra.hkl " + name.substr(0, name.find('|')) + ".hkl");
      if (output) lines.push_back("keep sample.out " + name.substr(0, name.find('|')) + ".out");
    }
    return lines;
  };
  const std::string keep = "copy \"C:\\q\\sample_orig.inp\" \"C:\\q\\sample_orig.inp.night\"";
  const std::string script = "ren \"multikevra.bat\" \"multikevra.bat.night\"";
  const std::string sample = "copy \"C:\\q\\sample.inp\" \"C:\\q\\sample.inp.night\"";
  const auto commands = [](std::vector<std::string> first,
                           const std::string& writer = "multikevra.exe") {
    first.insert(first.end(), {writer + " < rerun.ans", "if not errorlevel 1 multikevra.bat"});
    return first;
  };
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    std::map<std::string, std::string> changed;
    std::string why;
    std::string list = {};
    std::string answers = {};
    std::vector<std::string> commands = {};
    std::string information = {};
    std::string row = {};  // of the table, without the time
    std::map<std::string, std::string> variables = {};
    std::vector<std::string> elsewhere = {};  // files outside C:\q
  };
  const std::string answers = "C:\\q\\\nrerun.lst\n";
  const std::vector<Case> cases = {
      {"no chaining: the entry that failed",
       night(false, false, {"s01", "s02", "s03"}),
       {},
       "",
       "s02\n",
       answers + "1\nsample\nn\nn\ny\n1\nkevra.hkl\n.hkl\n",
       commands({keep, script}),
       "",
       "2,\"s02\",5,unchanged-output,1,"},
      {"chaining, tc's output kept: from the entry before's",
       night(true, true, {"s01", "s02", "s03"}),
       {},
       "",
       "s02\ns03\n",
       answers + "2\nsample\nn\ny\ny\n2\nkevra.hkl\n.hkl\nsample.out\n.out\n",
       commands({keep, script, sample, "copy /y \"C:\\q\\s01.out\" \"C:\\q\\sample.inp\""})},
      {"chaining, tc's output not kept: the whole batch from the backup",
       night(true, false, {"s01", "s02", "s03"}),
       {},
       "",
       "s01\ns02\ns03\n",
       answers + "3\nsample\nn\ny\ny\n1\nkevra.hkl\n.hkl\n",
       commands(
           {keep, script, sample, "copy /y \"C:\\q\\sample_orig.inp\" \"C:\\q\\sample.inp\""})},
      {"chaining without a backup",
       night(true, false, {"s01", "s02", "s03"}),
       {{"sample_orig.inp", ""}},
       "the chain cannot be rebuilt: the entry before kept no copy of tc's output, and there is no "
       "backup"},
      {"nothing failed",
       night(false, false, {"s01", "s02", "s03"}),
       {{"s02.hkl", "@30=h2"}},
       "every entry left its kept files"},
      {"names read back, information, a name taken",
       night(false, false, {"s01|A ", "s 02|TEMP  200 ", "s03|B "}),
       {{"multikevra.bat.night", "=x"}},
       "",
       "'s 02'\n",
       answers + "1\nsample\ny\nrerun.inf\nn\ny\n1\nkevra.hkl\n.hkl\n",
       commands({keep, "ren \"multikevra.bat\" \"multikevra.bat.night2\""}),
       "TEMP  200\n"},
      // The writer by its whole name where cmd finds it, else where it lies beside this
      // program: "multikevra" would run the night's multikevra.bat.
      {"the writer on PATH",
       night(false, false, {"s01", "s02", "s03"}),
       {},
       "",
       "s02\n",
       answers + "1\nsample\nn\nn\ny\n1\nkevra.hkl\n.hkl\n",
       commands({keep, script}),
       "",
       "",
       {{"PATH", "C:\\bin"}},
       {"C:\\bin\\multikevra.exe", "C:\\tools\\multikevra.exe"}},
      {"the writer beside this program only",
       night(false, false, {"s01", "s02", "s03"}),
       {},
       "",
       "s02\n",
       answers + "1\nsample\nn\nn\ny\n1\nkevra.hkl\n.hkl\n",
       commands({keep, script}, "\"C:\\tools\\multikevra.exe\""),
       "",
       "",
       {{"PATH", "C:\\bin"}},
       {"C:\\tools\\multikevra.exe"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> entries = filesOf(right, c.changed);
    entries.insert(entries.end(), c.elsewhere.begin(), c.elsewhere.end());
    const MemoryMachine memory("C:\\q", c.variables, entries);
    Morning morning;
    std::FILE* out = std::tmpfile();
    Report report("multikevra.bat", out);
    std::istringstream in(::mk::check::script(c.lines));
    checkAfterRun(in, report, memory, [&](const AfterSite& site) {
      MorningAsks asks;
      asks.rerun = true;
      asks.table = "night.csv";
      morning = morningOf(site, asks, "multikevra.bat");
    });
    std::fclose(out);
    std::map<std::string, std::string> files(morning.files.begin(), morning.files.end());
    const std::string note = "multikevra.bat: note: ";
    const auto said = std::ranges::find(morning.lines, note + "type these commands, in order:");
    EXPECT_EQ(said == morning.lines.end()
                  ? morning.lines.at(0).substr(note.size() + std::strlen("nothing written to run "
                                                                         "again: "))
                  : "",
              c.why);
    EXPECT_EQ(files["rerun.lst"], c.list);
    EXPECT_EQ(files["rerun.ans"], c.answers);
    EXPECT_EQ(
        std::vector<std::string>(said + (said != morning.lines.end() ? 1 : 0), morning.lines.end()),
        c.commands);
    EXPECT_EQ(files["rerun.inf"], c.information);
    const std::string& table = files["night.csv"];
    EXPECT_TRUE(table.starts_with("entry,data name,run line,outcome,kept files present,"));
    EXPECT_NE(table.find("\n" + c.row), std::string::npos) << table;
  }
  for (const auto& [name, item] :
       std::vector<std::pair<const char*, const char*>>{{"s01", "s01"},
                                                        {"a,b", "'a,b'"},
                                                        {"it's", "'it''s'"},
                                                        {"3*x", "'3*x'"},
                                                        {"", "''"},
                                                        {"d:/x", "'d:/x'"}})
    EXPECT_EQ(listItem(name), item);
}

// What the morning refuses before it writes anything: a column no table can name, a file that
// would be written over or twice, a name the console's code page could not write.
TEST(RerunTest, WhatTheMorningRefuses) {
  const MemoryMachine machine("C:\\q", {}, {"C:\\q\\night.csv", "C:\\q\\rerun.ans"});
  const std::string exists = " exists: move it away first; nothing was written";
  const std::string noColumn = " is no column name: printable ASCII, no blank, comma or quote";
  struct Row {
    MorningAsks asks;  // --rerun, --table, --plot, --value, --x
    std::string why;
  };
  for (const Row& row : std::vector<Row>{
           {{false, "new.csv", "new.html", {"a", "b_2"}, "TEMP"}, ""},
           {{false, "night.csv", {}, {}, ""}, "\"night.csv\"" + exists},
           {{false, "NIGHT.CSV", {}, {}, ""}, "\"NIGHT.CSV\"" + exists},
           {{true, {}, {}, {}, ""}, "\"rerun.ans\"" + exists},
           {{false, "a.csv", "a.csv", {}, ""}, "\"a.csv\" is named twice"},
           {{false, {}, "?od?.html", {}, ""},
            "\"?od?.html\" holds \"?\", which no file name does: name it in the console's letters"},
           {{false, {}, {}, {"a", "a"}, ""}, "the table has a column \"a\" already"},
           {{false, {}, {}, {"a"}, "esd-a"}, "the table has a column \"esd-a\" already"},
           {{false, {}, {}, {"a b"}, ""}, "\"a b\"" + noColumn},
           {{false, {}, {}, {"R,wp"}, ""}, "\"R,wp\"" + noColumn},
       })
    EXPECT_EQ(morningRefuses(machine, row.asks), row.why);
}

TEST(MachineCheckTest, MessagesNameWhatTheMachineHolds) {
  const MemoryMachine machine("C:\\w", {{"PATH", "C:\\a;C:\\b"}, {"COPYCMD", "/-Y"}},
                              {"C:\\xrd\\batch\\", "C:\\xrd\\k01.hkl", "C:\\xrd\\k02.hkl"});
  const std::string text =
      script({"run s01", "chain", "keep kevra.hkl k01.hkl", "run s02", "keep kevra.hkl k02.hkl"},
             "C:\\xrd\\");
  const std::string report =
      checked(&machine, std::regex_replace(text, std::regex("sample"), "batchbase")).second;
  for (const char* part : {
           "\"C:\\xrd\\batch\" is a folder: answer \"C:\\xrd\\batch\\\"",
           "cmd finds no tc in \"C:\\w\" nor in the 2 folders of PATH",
           "no file of data name \"s01\" of entry 1 exists in \"C:\\w\" or \"C:\\xrd\\\"",
           "copy asks before it replaces \"batchbase.inp\"",
           "multikevra.bat:5: warning: kept file \"k01.hkl\" exists, left by an earlier "
           "batch: this batch replaces it (on every entry)",
           "multikevra.bat: note: the files named follow \"C:\\xrd\\\"",
       }) {
    EXPECT_NE(report.find(part), std::string::npos) << part << "\n" << report;
  }
  // A finding on the first line its cause reaches keeps the report in line order.
  EXPECT_LT(report.find(":5: warning"), report.find(":6: warning: no file"));
}

TEST(FileNamesTest, NamesAsWindowsResolvesThem) {
  const std::vector<std::pair<const char*, const char*>> normal = {
      {"a.hkl", "a.hkl"},
      {"a.hkl. .", "a.hkl"},
      {"x\\..\\a", "a"},
      {"..\\a", "..\\a"},
      {".\\a\\\\b/c", "a\\b\\c"},
      {"a.\\b", "a\\b"},
      {"a..\\b", "a..\\b"},
      {"C:\\..\\a", "C:\\a"},
      {"\\\\srv\\s\\..\\a", "\\\\srv\\s\\a"},  // \\server\share is the root
      {"\\\\srv\\s\\x\\..\\..\\..\\b", "\\\\srv\\s\\b"},
      {"\\\\srv\\s", "\\\\srv\\s"},
      {"", "."},
      {"a\\..", "."},
      {"..", ".."},
      // A drive without a backslash is relative to that drive's current folder: no root.
      {"C:x\\..\\y", "C:y"},
      {"C:..\\x", "C:..\\x"},
  };
  for (const auto& [name, resolved] : normal)
    EXPECT_EQ(normalName(name), resolved) << name;
  EXPECT_EQ(absoluteName("C:\\k", "a\\b"), "C:\\k\\a\\b");
  EXPECT_EQ(absoluteName("C:\\k", "..\\a"), "C:\\a");
  EXPECT_EQ(absoluteName("C:\\k", "\\a"), "C:\\a");
  EXPECT_EQ(absoluteName("C:\\k", "c:a"), "C:\\k\\a");
  EXPECT_EQ(absoluteName("C:\\k", "D:a"), "D:\\a");
  EXPECT_EQ(absoluteName("C:\\k", "D:/x/./y"), "D:\\x\\y");
  EXPECT_EQ(absoluteName("C:\\", "a"), "C:\\a");
  // A drive is a letter: the characters between Z and a are none.
  for (const char* name : {"[:x", "`:x", "_:x"}) {
    EXPECT_EQ(findInvalidName(name, true).fault, NameFault::kColon) << name;
    EXPECT_FALSE(standsAlone(name)) << name;
  }
}

}  // namespace
}  // namespace mk::check
