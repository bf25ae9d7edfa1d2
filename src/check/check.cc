#include "check/check.h"

#include <deque>
#include <optional>

#include "check/rules.h"

namespace mk::check {

// The note on what a check without the machine leaves out.
constexpr std::string_view kNotChecked =
    "files were not checked here: run this check on the Windows machine, in the batch's folder";

// The lines read ahead, at most, for the first entry's keep lines to tell P.
constexpr std::size_t kReadAhead = 1000;

bool readScriptLine(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (line.ends_with('\r')) line.pop_back();
  return true;
}

// A line's text as read, whether it has a line end, and whether it is the last.
struct Text {
  std::string text;
  bool ended = true;
  bool last = false;
};

static bool read(std::istream& in, Text& text) {
  if (!readScriptLine(in, text.text)) return false;
  text.ended = !in.eof();
  text.last = !text.ended || in.peek() == std::istream::traits_type::eof();
  return true;
}

// The length of P as the first entry's keep lines tell it, when they agree: P is what stands
// before the data name in a kept name. The lines after the first line `first` are read into
// `ahead`, up to the second run line.
static std::optional<std::size_t> pathSizeOfFirstEntry(const LineShape& first, std::istream& in,
                                                       std::deque<Text>& ahead) {
  const std::string_view path = first.values[0].text;
  const std::string_view pathAndInput(path.data(), path.size() + first.values[1].text.size());
  const ScriptLines lines(path, first.values[1].text);
  std::optional<std::string> data;
  std::optional<std::size_t> size;
  for (Text text; ahead.size() < kReadAhead && read(in, text);) {
    ahead.push_back(std::move(text));
    const LineShape shape = lines.recognise(ahead.back().text);
    if (shape.kind == LineKind::kRun && data) break;
    if (shape.kind == LineKind::kRun) data = findValue(shape, ValueKind::kDataName)->text;
    if (!data || shape.kind == LineKind::kChaining || shape.kind == LineKind::kRun) continue;
    const std::optional<std::size_t> told = pathSizeOfKeep(ahead.back().text, pathAndInput, *data);
    if (!told || (size && *size != *told)) return std::nullopt;
    size = told;
  }
  return size;
}

// Reads the script from `in`: makes `script` of its first line (on `machine`; `report` names its
// files in P), then hands `each` every line in order. False when the first line is not a backup
// copy line.
static bool walk(std::istream& in, Report& report, const Machine* machine,
                 std::optional<Script>& script, const std::function<void(const Line&)>& each) {
  Text text;
  std::deque<Text> ahead;
  Line line;
  if (!read(in, text)) return false;
  line.shape = recogniseFirstLine(text.text);
  if (line.kind() != LineKind::kBackup) return false;
  if (const std::optional<std::size_t> size = pathSizeOfFirstEntry(line.shape, in, ahead))
    line.shape = recogniseFirstLine(text.text, size);
  line.number = 1;
  line.text = text.text;
  line.ended = text.ended;
  line.last = text.last;
  if (!line.shape.values[0].text.empty()) report.nameFilesIn(line.shape.values[0].text);
  script.emplace(report.scriptName(), line.shape.values[0].text, line.shape.values[1].text,
                 machine);
  for (std::uint64_t number = 2;; ++number) {
    each(line);
    if (!ahead.empty()) {
      text = std::move(ahead.front());
      ahead.pop_front();
    } else if (!read(in, text)) {
      return true;
    }
    readLine(*script, number, text.text, line);
    line.ended = text.ended;
    line.last = text.last;
  }
}

// What the summary line tells of the script: its entries, whether it chains them, the files
// each keeps.
struct ScriptSummary {
  std::uint64_t entries = 0;
  bool chaining = false;
  std::uint64_t keptPerEntry = 0;

  void count(const Line& line) {
    if (line.kind() == LineKind::kRun) ++entries;
    if (entries != 1) return;
    if (line.kind() == LineKind::kChaining) chaining = true;
    if (line.kind() == LineKind::kKeep) ++keptPerEntry;
  }
  [[nodiscard]] std::string description() const {
    return counted(entries, "entry") + (chaining ? ", chaining on, " : ", chaining off, ") +
           counted(keptPerEntry, "file") + " kept per entry";
  }
};

// Hands the line of `context` to the rules of `room` (or to `only`, of that room), and their
// findings to `report`; after the batch, what they make of the entries to `after`. The left-out
// rules of the machine are not run: their look is what costs.
static void look(Room room, const Context& context, Report& report, const Rule* only,
                 AfterSite* after = nullptr) {
  Findings found;
  for (const Rule* rule : allRules()) {
    if (rule->room != room || (only != nullptr && rule != only) ||
        (room == Room::kMachine && report.ignores(*rule)))
      continue;
    found.clear();
    rule->find(context.line, context, found);
    for (Finding& finding : found) {
      const std::uint64_t entry = finding.line != 0 ? finding.entry : context.line.entry;
      const Outcome outcome = finding.outcome;
      report.add(*rule, context.line, std::move(finding));
      if (after != nullptr && outcome != Outcome::kUnknown && !report.ignores(*rule))
        after->worsen(entry, outcome, *rule);
    }
  }
}

bool checkBeforeRun(std::istream& in, Report& report, const Machine* machine, const Rule* only) {
  std::string note(kNotChecked);
  if (machine != nullptr && doubleByte(machine->codePage())) {  // its names not taken apart
    note = "files were not checked: names of the console's code page, " +
           std::to_string(machine->codePage()) + ", cannot be taken apart byte by byte";
    machine = nullptr;
  }
  std::optional<Script> script;
  Names names;
  std::optional<Site> site;
  ScriptSummary summary;
  const bool ours = walk(in, report, machine, script, [&](const Line& line) {
    if (line.number == 1 && machine != nullptr) site.emplace(*machine, *script);
    const Context context{*script, line, &names, site ? &*site : nullptr};
    look(Room::kLine, context, report, only);
    look(Room::kNames, context, report, only);
    if (site) look(Room::kMachine, context, report, only);
    names.record(line);
    summary.count(line);
  });
  if (!ours) return false;
  if (in.bad()) {  // unreadable: no summary
    report.flush(summary.entries);
  } else {
    report.summarize(summary.description(), summary.entries, site ? std::string_view() : note);
  }
  return true;
}

bool checkAfterRun(std::istream& in, Report& report, const Machine& machine,
                   const std::function<void(const AfterSite&)>& morning, const Rule* only) {
  std::optional<Script> script;
  std::optional<AfterSite> site;
  const bool ours = walk(in, report, &machine, script, [&](const Line& line) {
    if (line.number == 1) site.emplace(machine, *script);
    if (!site->begin(line)) return;
    look(Room::kAfter, Context{*script, line, nullptr, nullptr, &*site}, report, only, &*site);
    if (line.kind() == LineKind::kKeep) site->end();
  });
  if (!ours) return false;
  if (in.bad()) {
    report.flush(0);
    return true;
  }
  site->summarize(report);
  if (morning) morning(*site);
  return true;
}

}  // namespace mk::check
