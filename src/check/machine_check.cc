#include "check/machine_check.h"

#include <algorithm>
#include <optional>

#include "check/file_names.h"
#include "check/value_words.h"

namespace mk::check {

namespace {

constexpr std::string_view kDefaultExtensions = ".COM;.EXE;.BAT;.CMD";  // PATHEXT unset

// The items of a list separated by semicolons, each without surrounding double quotes; empty
// items left out.
std::vector<std::string_view> items(std::string_view list) {
  std::vector<std::string_view> found;
  while (!list.empty()) {
    const std::size_t end = std::min(list.find(';'), list.size());
    std::string_view item = list.substr(0, end);
    list.remove_prefix(std::min(end + 1, list.size()));
    if (item.size() >= 2 && item.front() == '"' && item.back() == '"') {
      item = item.substr(1, item.size() - 2);
    }
    if (!item.empty()) found.push_back(item);
  }
  return found;
}

// True when COPYCMD's switches make copy ask before it replaces a file: /-Y, case ignored, the
// last of /Y and /-Y counting.
bool copyAsks(std::string_view copycmd) {
  bool asks = false;
  for (std::size_t at = copycmd.find('/'); at != std::string_view::npos;
       at = copycmd.find('/', at + 1)) {
    std::string_view rest = copycmd.substr(at + 1);
    const bool minus = rest.starts_with('-');
    if (minus) rest.remove_prefix(1);
    if (rest.empty() || (rest[0] != 'Y' && rest[0] != 'y')) continue;
    if (rest.size() == 1 || rest[1] == ' ' || rest[1] == '\t' || rest[1] == '/') asks = minus;
  }
  return asks;
}

// The folder part of the absolute, normal name `name`: up to its last backslash, which stays
// only at a root ("C:\").
std::string_view folderOf(std::string_view name) {
  const std::size_t last = name.rfind('\\');
  if (last == std::string_view::npos) return {};
  return name.substr(0, last == 2 && name[1] == ':' ? last + 1 : last);
}

}  // namespace

MachineCheck::MachineCheck(const Machine& machine, Report& report, std::string_view path,
                           std::string_view input)
    : machine_(machine),
      report_(report),
      path_(path),
      input_(input),
      current_(machine.currentFolder()),
      pathFolder_(path.empty() ? current_ : absolute(path)),
      pathExists_(machine.kind(pathFolder_) == EntryKind::kFolder),
      copycmd_(machine.variable("COPYCMD").value_or("")),
      copyAsks_(copyAsks(copycmd_)) {}

std::string MachineCheck::absolute(std::string_view name) const {
  return absoluteName(current_, name);
}

void MachineCheck::checkBackup() {
  const std::string base = path_ + input_;
  if (!exists(absolute(base + ".inp"))) {
    std::string message = "the sample input file " + inQuotes(base + ".inp") +
                          " does not exist: the backup and every run fail; ";
    // A folder in P whose name begins I: P probably lacks its final backslash.
    std::string folderBeforeInput;
    for (const FolderEntry& entry : machine_.list(pathFolder_)) {
      if (entry.kind == EntryKind::kFolder && entry.name.size() > folderBeforeInput.size() &&
          entry.name.size() <= input_.size() &&
          equalIgnoringCase(std::string_view(input_).substr(0, entry.name.size()), entry.name)) {
        folderBeforeInput = entry.name;
      }
    }
    if (!folderBeforeInput.empty()) {
      const std::string folder = path_ + folderBeforeInput;
      message += inQuotes(folder) +
                 " is a folder, so the directory path probably lacks its final backslash: answer " +
                 inQuotes(folder + "\\") + " and run multikevra again";
    } else {
      message +=
          "correct the directory path or the input name and run multikevra again, or run "
          "this check in kevra's main directory";
    }
    report_.add(1, Finding::kMissingInput, message);
  }
  if (exists(absolute(base + "_orig.inp"))) {
    report_.add(1, Finding::kOverwritesBackup,
                "the backup " + inQuotes(base + "_orig.inp") +
                    " exists already: this script replaces it with the current " +
                    inQuotes(input_ + ".inp") +
                    ", which after a chained batch is no longer the original; move or rename the "
                    "backup first");
    asks(1, base + "_orig.inp");
  }
}

void MachineCheck::checkRun(std::uint64_t line, std::string_view data, bool lookForData) {
  if (!tcFound_) findTc(line);
  if (!lookForData || data.empty() || report_.ignores(Finding::kMissingData)) return;
  if (standsAlone(data)) {
    if (exists(absolute(data), true)) return;
    report_.add(line, Finding::kMissingData,
                "no file " + inQuotes(data) + " exists, nor one of that name with an extension: " +
                    "this run probably reads no data and writes no output, and its keep lines " +
                    "copy the previous run's files under this entry's names; correct the list " +
                    "file (a warning: kevra forms the data file's name from the filename macro " +
                    "of the input file, which the checker does not read)");
    return;
  }
  if (exists(absolute(data), true) || exists(absolute(path_ + std::string(data)), true)) return;
  std::string where = "in the current folder " + inQuotes(current_);
  if (!equalIgnoringCase(pathFolder_, current_)) where += " or in " + inQuotes(path_);
  report_.add(line, Finding::kMissingData,
              "no file of data name " + inQuotes(data) + " exists, neither " + inQuotes(data) +
                  " itself nor " + inQuotes(data) + " with an extension, " + where +
                  ": this run probably reads no data and writes no output, and its keep lines "
                  "copy the previous run's files under this entry's names; correct the list "
                  "file, or run this check in the folder the batch runs from (a warning: kevra "
                  "forms the data file's name from the filename macro of the input file, which "
                  "the checker does not read)");
}

void MachineCheck::checkChaining(std::uint64_t line) {
  if (chained_) return;
  chained_ = true;
  asks(line, path_ + input_ + ".inp");
}

void MachineCheck::checkKeep(std::uint64_t line, std::string_view kept, bool existsWhenRun,
                             bool ownFile) {
  const std::string target = absolute(path_ + std::string(kept));
  const std::string_view folder = folderOf(target);
  bool folderExists = pathExists_;
  if (pathExists_ && !equalIgnoringCase(folder, pathFolder_)) {
    folderExists = machine_.kind(folder) == EntryKind::kFolder;
    if (!folderExists && keptFolders_.insert(foldCase(folder)).second) {
      report_.add(line, Finding::kNoFolder,
                  "the folder " + inQuotes(folder) + " of kept file " +
                      inQuotes(path_ + std::string(kept)) +
                      " does not exist: every copy into it fails (\"The system cannot find the "
                      "path specified\") and nothing is kept there; create the folder before the "
                      "batch runs, or use data names without a folder, and run multikevra again");
    }
  }
  // Whether the kept file exists now matters only to these two findings.
  const bool lookAtTarget = copyAsks_ || !report_.ignores(Finding::kReplacesKept);
  const bool existsNow = lookAtTarget && folderExists && exists(target);
  if (existsNow && !existsWhenRun && !ownFile && !report_.ignores(Finding::kReplacesKept)) {
    if (++replaced_ == 1) {
      replacedLine_ = line;
      firstReplaced_ = path_ + std::string(kept);
      report_.hold(line, Finding::kReplacesKept);
    }
  }
  if (existsNow || existsWhenRun) asks(line, path_ + std::string(kept));
}

void MachineCheck::finish() {
  if (replacedLine_ == 0) return;
  if (replaced_ == 1) {
    report_.release("kept file " + inQuotes(firstReplaced_) +
                    " exists already: an earlier batch left it, and this batch replaces it "
                    "without asking; move it to another folder first if you want to keep it");
    return;
  }
  report_.release(std::to_string(replaced_) +
                  " kept files of this batch exist already, the first " + inQuotes(firstReplaced_) +
                  ": an earlier batch left them, and this batch replaces them without asking; "
                  "move them to another folder first if you want to keep them");
}

const std::vector<std::string>& MachineCheck::filesIn(std::string_view folder) {
  const auto [listing, added] = listings_.try_emplace(foldCase(folder));
  if (added) {
    for (const FolderEntry& entry : machine_.list(folder)) {
      if (entry.kind == EntryKind::kFile) listing->second.push_back(foldCase(entry.name));
    }
    std::sort(listing->second.begin(), listing->second.end());
  }
  return listing->second;
}

bool MachineCheck::exists(std::string_view name, bool orExtension) {
  const std::string_view folder = folderOf(name);
  if (folder.empty()) return false;
  const std::vector<std::string>& files = filesIn(folder);
  std::string file = foldCase(name.substr(name.rfind('\\') + 1));
  if (std::binary_search(files.begin(), files.end(), file)) return true;
  if (!orExtension) return false;
  file += '.';
  const auto next = std::lower_bound(files.begin(), files.end(), file);
  return next != files.end() && next->starts_with(file);
}

void MachineCheck::findTc(std::uint64_t line) {
  tcFound_ = true;
  if (report_.ignores(Finding::kNoTc) && report_.ignores(Finding::kTcIsBatch)) return;
  const std::string path = machine_.variable("PATH").value_or("");
  const std::optional<std::string> pathext = machine_.variable("PATHEXT");
  const std::string_view extensionList = pathext ? std::string_view(*pathext) : kDefaultExtensions;
  const std::vector<std::string_view> folders = items(path);
  const std::vector<std::string_view> extensions = items(extensionList);
  for (std::size_t i = 0; i <= folders.size(); ++i) {
    const std::string folder = i == 0 ? current_ : absolute(folders[i - 1]);
    for (const std::string_view extension : extensions) {
      const std::string tc = absolute(folder + "\\tc" + std::string(extension));
      if (machine_.kind(tc) != EntryKind::kFile) continue;
      if (equalIgnoringCase(extension, ".bat") || equalIgnoringCase(extension, ".cmd")) {
        report_.add(line, Finding::kTcIsBatch,
                    "the tc that cmd finds first is the batch file " + inQuotes(tc) +
                        ": cmd runs a batch file named in another in place of the rest of that "
                        "batch and never comes back to it, so the first run is the last line "
                        "that runs: neither its keep lines nor any later entry run; put "
                        "the folder of tc.exe ahead of it on PATH, or run the batch from a "
                        "folder where tc is the program");
      }
      return;
    }
  }
  report_.add(line, Finding::kNoTc,
              "tc is in neither the current folder " + inQuotes(current_) + " nor any of the " +
                  std::to_string(folders.size()) + " folders of PATH (with the extensions " +
                  std::string(extensionList) +
                  "): every run line fails with \"'tc' is not recognized as an internal or "
                  "external command\", and nothing is refined; run the batch, and this check, "
                  "from kevra's main directory, or put kevra's folder on PATH");
}

void MachineCheck::asks(std::uint64_t line, std::string_view target) {
  if (!copyAsks_) return;
  copyAsks_ = false;
  report_.add(line, Finding::kCopyPrompts,
              "COPYCMD is " + inQuotes(copycmd_) + " in this window, so copy asks \"Overwrite " +
                  absolute(target) + "? (Yes/No/All):\" before it replaces " + inQuotes(target) +
                  ", which exists when this line runs: the batch waits there until someone "
                  "answers; type set COPYCMD= in the window that runs the batch, then run it");
}

}  // namespace mk::check
