// no-folder: the folder of a kept name with a folder in it does not exist.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  Site& site = *context.site;
  if (line.kind() != LineKind::kKeep || !site.pathExists()) return;
  const std::string_view folder = folderOf(line.keptFile);
  if (site.isFolder(folder)) return;
  found.push_back(Finding::of("the folder " + inQuotes(folder) + " of kept file " +
                                  inQuotes(line.value(ValueKind::kKeptName)) +
                                  " does not exist: nothing is kept there; create it first",
                              site.causeOf(folder)));
}

const Rule kNoFolder = {
    {"no-folder", Severity::kError, Room::kMachine,
     "(on Windows) a kept file's folder does not exist: those copies fail",
     R"(A kept name with a folder in it (the list names raw\s01.xy, so the kept file is
P raw\s01.xy.hkl) makes the keep copy write into a folder under P. copy creates no folders:
when that folder does not exist, every copy into it fails with "The system cannot find the
path specified", and nothing is kept. Reported once per missing folder.

To mend: create the folder before the batch runs (mkdir C:\kevra\quartz\raw), or use data
names without a folder and run multikevra again.)"},
    find};

}  // namespace mk::check
