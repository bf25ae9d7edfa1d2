// copy-prompts: COPYCMD makes copy ask before it replaces a file, and the batch waits.
#include <optional>

#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

// True when COPYCMD's switches make copy ask before it replaces a file: /-Y, case ignored, the
// last of /Y and /-Y counting.
static bool copyAsks(std::string_view copycmd) {
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

// The file (its name in P) that `line` replaces when it runs, if it exists then: the backup of an
// earlier batch, the sample input on a chaining line, a kept file that exists or that the
// batch writes first.
static std::optional<std::string> replaces(const Line& line, const Names& names, Site& site) {
  const Script& script = site.script();
  if (line.number == 1 && site.exists(script.backupFile)) return script.backup;
  if (line.kind() == LineKind::kChaining) return script.sampleInput;
  if (line.kind() != LineKind::kKeep) return std::nullopt;
  if (!site.exists(line.keptFile) && !existsWhenRun(script, line, names)) return std::nullopt;
  return std::string(line.value(ValueKind::kKeptName));
}

static void find(const Line& line, const Context& context, Findings& found) {
  Site& site = *context.site;
  const Names& names = *context.names;
  const std::optional<std::string> copycmd = site.machine().variable("COPYCMD");
  if (!copycmd || !copyAsks(*copycmd)) return;
  const std::optional<std::string> target = replaces(line, names, site);
  if (!target) return;
  found.push_back(Finding::of("COPYCMD is " + inQuotes(*copycmd) +
                                  ": copy asks before it replaces " + inQuotes(*target) +
                                  ", and the batch waits; set COPYCMD= first",
                              Cause{Cause::Kind::kBatch, 0, {}}));
}

const Rule kCopyPrompts = {
    {"copy-prompts", Severity::kError, Room::kMachine,
     "(on Windows) COPYCMD=/-Y: copy asks before it replaces a file, and the batch waits",
     R"(copy replaces a file without asking in a batch file, unless the COPYCMD environment
variable holds /-Y (some users and administrators set it, so that copy asks at the prompt):
then copy asks "Overwrite ...? (Yes/No/All):" before it replaces a file that exists, and the
overnight batch waits at that question until someone answers. With chaining on, the first
chaining copy replaces the sample input, so the batch stops there; otherwise the backup line
asks when the backup exists, and a keep line when its kept file exists. Reported once, on the
first line that will ask. Where COPYCMD holds both /Y and /-Y, the last one counts.

To mend: type "set COPYCMD=" in the window that runs the batch, then run it from there.)"},
    find};

}  // namespace mk::check
