// not-a-file: a folder stands where a line copies or deletes a file.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

static void find(const Line& line, const Context& context, Findings& found) {
  Site& site = *context.site;
  // A sample input that is a folder is missing-input's.
  if (line.kind() == LineKind::kChaining) return;
  const std::string& target = site.targetOf(line);
  if (target.empty() || !site.listsFolder(target)) return;
  std::string effect = "copy puts the sample input into it";
  if (line.kind() == LineKind::kDeleteOutput) effect = "del asks to empty it, and the batch waits";
  if (line.kind() == LineKind::kKeep) {
    effect = "copy puts " + inQuotes(line.value(ValueKind::kOutputFile)) +
             " into it, and no file of that name is kept";
  }
  found.push_back(
      Finding::of(site.describeTarget(line) + " is a folder: " + effect, site.causeOf(target)));
}

const Rule kNotAFile = {
    {"not-a-file", Severity::kError, Room::kMachine,
     "(on Windows) a folder stands where the batch copies or deletes a file",
     R"(copy onto the name of a folder copies the file into that folder under its own name, and
del of a folder asks "Are you sure (Y/N)?" before it empties it. So a folder named as a kept
file gets the output file (kevra.hkl) inside it and no file of the kept name is made, a folder
named as the backup gets the sample input inside it, and a folder named as tc's output makes
the batch wait at del's question until someone answers. Reported once per name.

To mend: move the folder away before the batch runs, or change the data name or suffix.)"},
    find};

}  // namespace mk::check
