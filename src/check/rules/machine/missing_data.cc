// missing-data: no file of a run line's data name exists, probably a typo.
#include "check/file_names.h"
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

constexpr std::string_view kEffect = ": this run probably reads no data; correct the list file";

// True when a file of the data name `data` exists, or of it with an extension: in P, or for a
// name without a folder of its own, in the current folder too.
static bool dataFound(Site& site, std::string_view data) {
  const Script& script = site.script();
  return site.exists(script.file(data, true), true) ||
         (!standsAlone(data) && site.exists(script.absolute(data), true));
}

static void find(const Line& line, const Context& context, Findings& found) {
  Site& site = *context.site;
  const std::string_view data = line.value(ValueKind::kDataName);
  if (line.kind() != LineKind::kRun || data.empty()) return;
  if (findInvalidName(data, true).fault != NameFault::kNone) return;  // no file can have it
  const Script& script = site.script();
  if (dataFound(site, data)) return;
  for (const Reading& reading : site.machine().readings(data)) {
    if (!dataFound(site, reading.name)) continue;
    found.push_back(Finding::of("data name " + inQuotes(data) + ofEntry(line) + " is " +
                                    inQuotes(reading.name) + " in " + reading.codePage +
                                    ": cmd reads another name; resave the list file",
                                dataCause(line)));
    return;
  }
  if (standsAlone(data)) {
    found.push_back(Finding::of("no file " + inQuotes(data) + ofEntry(line) +
                                    " exists, nor with an extension" + std::string(kEffect),
                                dataCause(line)));
    return;
  }
  const std::string& current = *script.current;
  std::string where = inQuotes(current);
  if (script.key(site.pathFolder()) != script.key(current))
    where += " or " + inQuotes(script.path());
  Finding& finding =
      found.emplace_back(Finding::of("no file of data name " + inQuotes(data) + ofEntry(line) +
                                         " exists in " + where + std::string(kEffect),
                                     dataCause(line)));
  // Missing because the directory is, or because names run into it: that finding tells.
  if (!site.pathExists())
    finding.follows.emplace_back(&kMissingInput, Cause{Cause::Kind::kLine, 1, {}});
  if (script.runsIntoPath())
    finding.follows.emplace_back(&kNoBackslash, Cause{Cause::Kind::kDirectory, 0, {}});
}

const Rule kMissingData = {
    {"missing-data", Severity::kWarning, Room::kMachine,
     "(on Windows) no file of the data name exists here: probably a typo",
     R"(No file of the entry's data name D exists, neither D itself nor D followed by a dot and
any extension, in the current folder or in the directory path. That run then reads no data and
writes no output, and its keep lines copy the previous run's output files under this entry's
names, where they look like results. It is a warning: kevra forms the data file's name from the
filename macro inside the input file, which the checker does not read; but a name with no file
of its stem anywhere is almost surely a typo or the wrong folder (a stem, qz_0100K beside
qz_0100K.xye, is fine).
cmd reads the batch in the console's code page (437 or 850 in Western Europe): a list file
saved as UTF-8 (Notepad's default) or in the ANSI code page names other letters there (an e
with an acute is C3 A9 in UTF-8, two letters in code page 850); the message names the file meant.

To mend: correct the list file and run multikevra again, or run the check in the folder the
batch runs from. For names beyond ASCII, make the list file in the console that runs the batch
(dir /b *.xye > list.txt), or save it in the console's code page (OEM), or use ASCII names.)"},
    find};

}  // namespace mk::check
