// overwrites-own-file: a keep copy onto a file the batch needs, or a line reading a file that an
// earlier keep line wrote.
#include "check/rules.h"
#include "check/value_words.h"

namespace mk::check {

constexpr std::string_view kFix = "; rename the data file";

// What the keep line's copy onto the batch's own file `own` does.
static std::string whatItOverwrites(const Script& script, const Line& line, const OwnFileOf& own) {
  switch (own.file) {
    case OwnFile::kItself:
      return "the file it copies: copy refuses that";
    case OwnFile::kSampleInput:
      return "the sample input " + inQuotes(script.sampleInput) + ", which later runs read";
    case OwnFile::kTcOutput:
      return "tc's output " + inQuotes(script.tcOutput) + ": this run's output is lost";
    case OwnFile::kBackup:
      return "the backup " + inQuotes(script.backup) + ": the original sample input is lost";
    case OwnFile::kOutputFile:
      return "the output file that line " + std::to_string(own.line) +
             " copies: later copies take " + inQuotes(line.value(ValueKind::kOutputFile));
    case OwnFile::kDataFile:
      return "the data file of line " + std::to_string(own.line) + ", which is lost";
    default:
      return "this script: cmd reads on in the copy";
  }
}

static void findOnKeep(const Line& line, const Context& context, Findings& found) {
  const OwnFileOf own = ownFileOf(context.script, line, *context.names);
  if (own.file != OwnFile::kNone) {
    // Its own data file: the suffix is empty, in every entry.
    const bool suffix = own.file == OwnFile::kDataFile && own.line == line.runLine &&
                        line.value(ValueKind::kKeptName) == line.data && line.data.size() < 20;
    const Cause cause = suffix ? Cause{Cause::Kind::kSuffix, line.slot, {}} : dataCause(line);
    found.push_back(Finding::of("kept name " + asResolved(line.value(ValueKind::kKeptName)) +
                                    (suffix ? "" : ofEntry(line)) + " is " +
                                    whatItOverwrites(context.script, line, own) +
                                    (suffix ? "; give the kept file a suffix" : std::string(kFix)),
                                cause));
    return;
  }
  // tc writes its output files anew at each run: only this entry's keep lines count.
  const std::uint64_t writer = context.names->keptInEntry(line.outputKey, line);
  if (writer == 0) return;
  found.push_back(Finding::of("output file name " + asResolved(line.value(ValueKind::kOutputFile)) +
                                  ofEntry(line) + " is line " + std::to_string(writer) +
                                  "'s kept file, not tc's output" + std::string(kFix),
                              dataCause(line)));
}

static void find(const Line& line, const Context& context, Findings& found) {
  if (line.kind() == LineKind::kKeep) findOnKeep(line, context, found);
  if (line.kind() != LineKind::kRun || line.dataKey.empty()) return;
  const std::uint64_t writer = context.names->keptLine(line.dataKey);
  if (writer == 0) return;
  found.push_back(Finding::of("data name " + asResolved(line.data) + ofEntry(line) + " is line " +
                                  std::to_string(writer) + "'s kept file, not its data" +
                                  std::string(kFix),
                              dataCause(line)));
}

const Rule kOverwritesOwnFile = {
    {"overwrites-own-file", Severity::kError, Room::kNames,
     "a keep copy onto a file the batch needs: input, output, data, script",
     R"(A keep line copies an output file to P N. When P N is a file the batch itself needs,
the copy spoils the batch: the sample input (the runs after it start from the copy), tc's
output file, the backup, an output file that a keep line copies, a data file (that raw data is
lost, or a later run reads the copy instead of its data), or the running script (cmd reads on in
the new file from the old position). The finding stands on the later of the two lines and names
the other.

To mend: change the data name or suffix so that no kept name is one of these files.)"},
    find};

}  // namespace mk::check
