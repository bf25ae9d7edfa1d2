// read-only: a file that a line copies onto or deletes is read-only, so copy or del refuses it.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

// What follows when `line` cannot replace or delete its file.
static std::string_view whatFollows(const Line& line) {
  if (line.number == 1) return "copy refuses it, and the backup stays an earlier batch's";
  switch (line.kind()) {
    case LineKind::kDeleteOutput:
      return "del refuses to delete it";
    case LineKind::kChaining:
      return "copy refuses it, and the runs are not chained";
    default:
      return "copy refuses it, and the earlier file stays under this name";
  }
}

static void find(const Line& line, const Context& context, Findings& found) {
  Site& site = *context.site;
  const std::string& target = site.targetOf(line);
  if (target.empty() || !site.exists(target) || !site.machine().readOnly(target)) return;
  found.push_back(
      Finding::of(site.describeTarget(line) + " is read-only: " + std::string(whatFollows(line)),
                  site.causeOf(target)));
}

const Rule kReadOnly = {
    {"read-only", Severity::kError, Room::kMachine,
     "(on Windows) a file the batch replaces or deletes is read-only: copy or del refuses it",
     R"(copy does not replace a read-only file and del does not delete one: they say "Access
is denied" and the batch goes on. Files arrive read-only from a CD or DVD or from some
archivers, and users mark results read-only to keep them. So a read-only backup of an earlier
batch stays (with chaining, tonight's sample input is then kept nowhere), a read-only sample
input under chaining lets no chaining copy through (each run starts from the first input), a
read-only kept file of an earlier batch stays under this entry's name, and a read-only tc output
is never deleted. Files the batch only reads (the data files, the sample input without
chaining, tc.exe) may be read-only. Only the attribute is seen: a file that Windows refuses for
its permissions (an access control list, a share opened read-only) is not.

To mend: clear the attribute (attrib -r C:\kevra\quartz\sample.inp, or untick Read-only in the
file's Properties), or move the file away, before the batch runs.)"},
    find};

}  // namespace mk::check
