#include "check/check.h"

#include <optional>

#include "check/rules.h"

namespace mk::check {

// The note on what a check without the machine leaves out.
constexpr std::string_view kNotChecked =
    "files were not checked here: run this check on the Windows machine, in the batch's folder";

// The script of the first line `text`, on the machine whose current folder is `current`, and
// that line; nothing when it is not a backup copy line.
static std::optional<Script> readFirstLine(std::string_view text, const Report& report,
                                           std::optional<std::string> current, Line& line) {
  const LineShape shape = recogniseFirstLine(text);
  if (shape.kind != LineKind::kBackup) return std::nullopt;
  line.number = 1;
  line.text = text;
  line.shape = shape;
  return Script(report.scriptName(), shape.values[0].text, shape.values[1].text,
                std::move(current));
}

static void count(const Line& line, ScriptSummary& summary) {
  if (line.kind() == LineKind::kRun) ++summary.entries;
  if (summary.entries != 1) return;
  if (line.kind() == LineKind::kChaining) summary.chaining = true;
  if (line.kind() == LineKind::kKeep) ++summary.keptPerEntry;
}

bool readScriptLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (line.ends_with('\r')) line.pop_back();
  return true;
}

bool checkBeforeRun(std::istream& in, Report& report, const Machine* machine) {
  std::string text;
  if (!readScriptLine(in, text)) return false;
  Line line;
  std::optional<std::string> current;
  if (machine != nullptr) current = machine->currentFolder();
  const std::optional<Script> script = readFirstLine(text, report, current, line);
  if (!script) return false;
  Names names;
  std::optional<Site> site;
  if (machine != nullptr) site.emplace(*machine, *script);
  ScriptSummary summary;
  for (std::uint64_t number = 2;; ++number) {
    for (const LineRule* rule : lineRules())
      rule->find(*script, line, report);
    for (const NamesRule* rule : namesRules())
      rule->find(*script, line, names, report);
    if (site) {
      for (const MachineRule* rule : machineRules())
        rule->find(line, names, *site, report);
    }
    names.record(line);
    count(line, summary);
    if (!readScriptLine(in, text)) break;
    readLine(*script, number, text, line);
  }
  if (in.bad()) return true;  // unreadable: no summary
  if (site) {
    for (const MachineRule* rule : machineRules()) {
      if (rule->finish != nullptr) rule->finish(*site, report);
    }
  } else {
    report.note(kNotChecked);
  }
  report.summarize(summary);
  return true;
}

bool checkAfterRun(std::istream& in, Report& report, const Machine& machine) {
  std::string text;
  if (!readScriptLine(in, text)) return false;
  Line line;
  const std::optional<Script> script = readFirstLine(text, report, machine.currentFolder(), line);
  if (!script) return false;
  AfterSite site(machine, *script);
  for (std::uint64_t number = 2;; ++number) {
    if (site.begin(line)) {
      const std::uint64_t before = report.made();
      for (const AfterRule* rule : afterRules())
        rule->find(line, site, report);
      if (line.kind() == LineKind::kKeep) site.end(report.made() != before);
    }
    if (!readScriptLine(in, text)) break;
    readLine(*script, number, text, line);
  }
  if (in.bad()) return true;  // unreadable: no summary
  site.summarize(report);
  return true;
}

}  // namespace mk::check
