// The checks of what a batch needs from the machine that runs it, driven by a machine held in
// memory: each row a machine (folder, environment, files) and a script, and the findings
// (line and tag) the check must make of them, no more.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "check/check.h"
#include "check/file_names.h"
#include "check/machine.h"
#include "check/report.h"
#include "check_findings.h"

namespace mk::check {
namespace {

// A machine of a few files: folders are those named and the folders of the files. A file's
// entry may end in "|" and what it holds: "r" read-only, "@N" written at second N, "=BYTES".
class MemoryMachine final : public Machine {
 public:
  MemoryMachine(std::string current, std::map<std::string, std::string> variables,
                const std::vector<std::string>& entries)
      : current_(std::move(current)), variables_(std::move(variables)) {
    for (const std::string& given : entries) {
      const std::string entry = given.substr(0, given.find('|'));
      if (entry.ends_with('\\')) {
        folders_.insert(foldCase(entry.substr(0, entry.size() - 1)));
      } else {
        File& file = files_[foldCase(entry)];
        const std::string holds = given.substr(std::min(given.size(), entry.size() + 1));
        file.readOnly = holds.starts_with('r');
        if (const std::size_t at = holds.find('@'); at != std::string::npos)
          file.written = std::stoi(holds.substr(at + 1));
        if (const std::size_t at = holds.find('='); at != std::string::npos)
          file.bytes = holds.substr(at + 1);
      }
      for (std::size_t at = entry.find('\\', 3); at < entry.size() - 1;
           at = entry.find('\\', at + 1))
        folders_.insert(foldCase(entry.substr(0, at)));
    }
  }
  [[nodiscard]] std::optional<std::string> variable(std::string_view name) const override {
    const auto found = variables_.find(std::string(name));
    if (found == variables_.end()) return std::nullopt;
    return found->second;
  }
  [[nodiscard]] std::string currentFolder() const override { return current_; }
  [[nodiscard]] EntryKind kind(std::string_view name) const override {
    const std::string folded = foldCase(name);
    if (files_.contains(folded)) return EntryKind::kFile;
    return folders_.contains(folded) || folded.size() == 3 ? EntryKind::kFolder : EntryKind::kNone;
  }
  [[nodiscard]] std::vector<FolderEntry> list(std::string_view folder) const override {
    std::vector<FolderEntry> entries;
    const std::string prefix = foldCase(folder) + (folder.ends_with('\\') ? "" : "\\");
    const auto inFolder = [&](const std::string& name) {
      return name.starts_with(prefix) && name.find('\\', prefix.size()) == std::string::npos;
    };
    for (const auto& [name, file] : files_)
      if (inFolder(name)) entries.push_back({name.substr(prefix.size()), EntryKind::kFile});
    for (const std::string& name : folders_)
      if (inFolder(name)) entries.push_back({name.substr(prefix.size()), EntryKind::kFolder});
    return entries;
  }
  [[nodiscard]] std::optional<std::filesystem::file_time_type> written(
      std::string_view name) const override {
    const auto found = files_.find(foldCase(name));
    if (found == files_.end()) return std::nullopt;
    return std::filesystem::file_time_type{} + std::chrono::seconds(found->second.written);
  }
  [[nodiscard]] bool readOnly(std::string_view name) const override {
    const auto found = files_.find(foldCase(name));
    return found != files_.end() && found->second.readOnly;
  }
  [[nodiscard]] bool sameBytes(std::string_view a, std::string_view b) const override {
    const auto first = files_.find(foldCase(a));
    const auto second = files_.find(foldCase(b));
    return first != files_.end() && second != files_.end() &&
           first->second.bytes == second->second.bytes;
  }

 private:
  struct File {
    bool readOnly = false;
    int written = 0;
    std::string bytes;
  };
  std::string current_;
  std::map<std::string, std::string> variables_;
  std::map<std::string, File> files_;  // folded
  std::set<std::string> folders_;      // folded
};

// The script's lines, with P C:\q\ and I sample: "run D", "chain", "keep O N".
std::string script(const std::vector<std::string>& lines, const std::string& path = "C:\\q\\") {
  std::string text =
      "copy " + path + "sample.inp " + path + "sample_orig.inp\r\ndel " + path + "sample.out\r\n";
  for (const std::string& line : lines) {
    if (line.starts_with("run ")) {
      text += "tc " + path + "sample \"macro filename {" + line.substr(4) +
              "} macro information { } #define GUI_LINES\"";
    } else if (line == "chain") {
      text += "copy " + path + "sample.out " + path + "sample.inp";
    } else {
      const std::size_t blank = line.find(' ', 5);
      text += "copy " + path + line.substr(5, blank - 5) + " " + path + line.substr(blank + 1);
    }
    text += "\r\n";
  }
  return text;
}

struct Case {
  const char* what;
  std::map<std::string, std::string> variables;
  std::vector<std::string> entries;  // files, and folders ending in '\'
  std::vector<std::string> lines;    // of script()
  std::vector<std::string> findings;
  const char* current = "C:\\q";
  const char* path = "C:\\q\\";  // P
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
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const MemoryMachine machine(c.current, c.variables, c.entries);
    const auto [findings, report] = checked(&machine, script(c.lines, c.path));
    EXPECT_EQ(findings, c.findings) << report;
  }
}

// What a batch of two chained entries, one kept file each, left: each row changes the files of
// a batch that went right.
TEST(AfterCheckTest, FindingsOfWhatTheBatchLeft) {
  const std::vector<std::string> lines = {"run s01", "chain", "keep kevra.hkl s01.hkl",
                                          "run s02", "chain", "keep kevra.hkl s02.hkl"};
  const std::map<std::string, std::string> right = {
      {"multikevra.bat", "@10"}, {"sample_orig.inp", "=in"}, {"sample.inp", "=out2"},
      {"sample.out", "=out2"},   {"s01.hkl", "@20=h1"},      {"s02.hkl", "@30=h2"}};
  const std::vector<std::pair<std::map<std::string, std::string>, std::vector<std::string>>> cases =
      {
          {{}, {}},
          {{{"sample_orig.inp", ""}}, {"1 no-backup"}},
          {{{"sample.inp", "=out1"}}, {"4 not-chained"}},
          {{{"sample.out", ""}}, {"4 not-chained"}},
          {{{"s02.hkl", ""}}, {"8 not-kept"}},
          {{{"s02.hkl", "@5=h2"}}, {"8 stale"}},
          {{{"s02.hkl", "@30=h1"}}, {"8 unchanged-output"}},
      };
  for (const auto& [changed, findings] : cases) {
    std::map<std::string, std::string> files = right;
    for (const auto& [name, holds] : changed)
      files[name] = holds;
    std::vector<std::string> entries;
    for (const auto& [name, holds] : files) {
      if (!holds.empty()) entries.push_back("C:\\q\\" + name + "|" + holds);
    }
    SCOPED_TRACE(testing::PrintToString(changed));
    const MemoryMachine memory("C:\\q", {}, entries);
    const auto [found, report] = checked(&memory, script(lines), true);
    EXPECT_EQ(found, findings) << report;
  }
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
           "copy asks before it replaces \"C:\\xrd\\batchbase.inp\"",
           "multikevra.bat:5: warning: kept file \"C:\\xrd\\k01.hkl\" exists, left by an earlier "
           "batch: this batch replaces it (on every entry)",
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
      {"\\\\srv\\s\\..\\a", "\\\\srv\\a"},
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
}

}  // namespace
}  // namespace mk::check
