// missing-input: the sample input file does not exist.
#include "check/file_names.h"
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

// A folder in P whose name begins I, the longest: P probably lacks its final backslash.
static std::string folderBeforeInput(const Site& site) {
  const std::string& input = site.script().input();
  std::string found;
  for (const FolderEntry& entry : site.machine().list(site.pathFolder())) {
    if (entry.kind == EntryKind::kFolder && entry.name.size() > found.size() &&
        entry.name.size() <= input.size() &&
        site.script().key(input.substr(0, entry.name.size())) == site.script().key(entry.name)) {
      found = entry.name;
    }
  }
  return found;
}

static void find(const Line& line, const Context& context, Findings& found) {
  Site& site = *context.site;
  const Script& script = site.script();
  if (line.number != 1 || site.exists(script.sampleInputFile)) return;
  if (!site.pathExists()) {
    found.push_back(
        Finding::of("the folder " + inQuotes(site.pathFolder()) +
                    " does not exist: the backup, the runs and their data fail; correct the path"));
    return;
  }
  std::string message = "the sample input " + inQuotes(script.sampleInput) +
                        " does not exist: the backup and runs fail; ";
  const std::string folder = folderBeforeInput(site);
  if (!folder.empty()) {
    const std::string named = script.path() + folder;
    message += inQuotes(named) + " is a folder: answer " + inQuotes(named + "\\");
  } else {
    message += "correct the path or the input name";
  }
  found.push_back(Finding::of(message));
}

const Rule kMissingInput = {
    {"missing-input", Severity::kError, Room::kMachine,
     "(on Windows) the sample input file does not exist: every run fails",
     R"(The checker looks for P I.inp as cmd will, from the folder it runs in. When it is
missing, the backup fails and every run of tc starts without its input; when P's folder does
not exist, the data files there are missing too (not reported one by one). When a folder in P
begins with the input name, P probably lacks its final backslash (D:\xrd\batch for
D:\xrd\batch\): the message says so.

To mend: correct the directory path (ending in \) or the input name and run multikevra again;
or run the check, and the batch, in kevra's main directory when the names are relative.)"},
    find};

}  // namespace mk::check
