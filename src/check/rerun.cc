#include "check/rerun.h"

#include <algorithm>

#include "check/file_names.h"
#include "check/value_words.h"

namespace mk::check {

constexpr std::string_view kMendFirst =
    "a later entry replaced an entry's kept files: mend the list file, then run that entry again";

std::string listItem(std::string_view name) {
  const std::size_t digits = name.find_first_not_of("0123456789");
  const bool repeated = digits != 0 && digits != std::string_view::npos && name[digits] == '*';
  if (!name.empty() && !repeated && name.find_first_of(" \t,/'\"") == std::string_view::npos)
    return std::string(name);
  std::string item = "'";
  for (const char c : name)
    item.append(c == '\'' ? 2 : 1, c);
  return item + "'";
}

// `name` (as the script names it) followed by ".night", ".night2", ...: a name no file has.
static std::string aside(const AfterSite& site, const std::string& name) {
  for (int n = 1;; ++n) {
    std::string kept = name + ".night" + (n > 1 ? std::to_string(n) : "");
    if (site.machine().kind(site.script().absolute(kept)) == EntryKind::kNone) return kept;
  }
}

// A copy typed at the prompt, where copy asks before it replaces a file unless told /y.
static std::string copyCommand(std::string_view from, std::string_view to, bool replaces = false) {
  return std::string(replaces ? "copy /y " : "copy ") + inQuotes(from) + " " + inQuotes(to);
}

// How to run the writer so that cmd cannot take the batch multikevra.bat for it: by its whole
// name, as cmd finds it from here, else as it lies beside this program.
static std::string writer(const Machine& machine) {
  constexpr std::string_view kWriter = "multikevra.exe";
  if (findCommand(machine, kWriter, true).found) return std::string(kWriter);
  const std::string beside = machine.programFolder() + "\\" + std::string(kWriter);
  return machine.kind(beside) == EntryKind::kFile ? inQuotes(beside) : std::string(kWriter);
}

// The entries (from 0) to run again into `again`, with chaining the copy it starts with into
// `start`, and a note on replaced entries into `notes`; or why none.
static std::string choose(const AfterSite& site, std::vector<std::size_t>& again,
                          std::string& start, std::vector<std::string>& notes) {
  const std::vector<EntryLeft>& entries = site.entries();
  const bool replaced = std::ranges::any_of(
      entries, [](const EntryLeft& entry) { return entry.outcome == Outcome::kReplaced; });
  if (!site.regular())
    return "this script is not as multikevra writes it: its rerun cannot be told";
  if (site.keeps().empty()) return "this batch keeps no files: which entries failed cannot be told";
  if (site.chaining() && replaced) return std::string(kMendFirst);
  if (replaced) notes.emplace_back(kMendFirst);
  const Script& script = site.script();
  std::size_t first = 0;
  while (first < entries.size() && entries[first].outcome == Outcome::kDone)
    ++first;
  for (std::size_t i = 0; i < entries.size() && !site.chaining(); ++i) {
    const Outcome outcome = entries[i].outcome;
    if (outcome != Outcome::kDone && outcome != Outcome::kReplaced) again.push_back(i);
  }
  if (site.chaining() && first < entries.size()) {
    if (first > 0 && !entries[first - 1].keptOutput.empty()) {
      start = copyCommand(entries[first - 1].keptOutput, script.path() + script.sampleInput, true);
    } else if (site.machine().kind(script.backupFile) == EntryKind::kFile) {
      first = 0;  // the whole batch, from the original sample input
      start = copyCommand(script.path() + script.backup, script.path() + script.sampleInput, true);
    } else {
      return "the chain cannot be rebuilt: the entry before kept no copy of tc's output, and "
             "there is no backup";
    }
    for (std::size_t i = first; i < entries.size(); ++i)
      again.push_back(i);
  }
  if (again.empty()) return replaced ? std::string(kMendFirst) : "every entry left its kept files";
  return {};
}

// The rerun of the batch `site` looked at: without chaining its entries that did not leave their
// kept files but were not replaced; with chaining those from the first such on, started from the
// entry before's kept tc output, else the whole batch from the backup. The first commands keep
// the night's backup, script and (chaining) sample input under names no file has. Its files and
// lines (`note` before each note) go to `morning`.
static void planRerun(const AfterSite& site, const std::string& note, Morning& morning) {
  std::vector<std::size_t> again;
  std::string start;
  std::vector<std::string> notes;
  if (const std::string why = choose(site, again, start, notes); !why.empty()) {
    morning.lines.push_back(note + "nothing written to run again: " + why);
    return;
  }
  const Script& script = site.script();
  std::string list;
  std::string information;
  for (const std::size_t i : again) {
    list += listItem(site.entries()[i].data) + "\n";
    std::string_view text = site.entries()[i].information;
    if (text.ends_with(' ')) text.remove_suffix(1);  // the blank the end rule adds
    information.append(text).append("\n");
  }
  std::string answers = script.path() + "\nrerun.lst\n" + std::to_string(again.size()) + "\n" +
                        script.input() + (site.information() ? "\ny\nrerun.inf\n" : "\nn\n") +
                        (site.chaining() ? "y\n" : "n\n") + "y\n" +
                        std::to_string(site.keeps().size()) + "\n";
  for (const auto& [output, suffix] : site.keeps())
    answers.append(output).append("\n").append(suffix).append("\n");
  morning.files.emplace_back("rerun.lst", list);
  morning.files.emplace_back("rerun.ans", answers);
  if (site.information()) morning.files.emplace_back("rerun.inf", information);
  notes.push_back("rerun.lst" + std::string(site.information() ? ", rerun.inf" : "") +
                  " and rerun.ans hold the " + counted(again.size(), "entry") +
                  " to run again, from entry " + std::to_string(again.front() + 1) + " (line " +
                  std::to_string(site.entries()[again.front()].runLine) + ")");
  std::vector<std::string> kept;  // the night's files, and where they are kept
  if (site.machine().kind(script.backupFile) == EntryKind::kFile)
    kept.push_back(script.path() + script.backup);
  kept.push_back(script.name);
  if (site.chaining()) kept.push_back(script.path() + script.sampleInput);
  std::vector<std::string> commands;
  std::string where;
  for (const std::string& name : kept) {
    const std::string night = aside(site, name);
    // The script is moved away: no multikevra.bat is left to run until the writer wrote one.
    commands.push_back(name == script.name
                           ? "ren " + inQuotes(name) + " " + inQuotes(fileNamePart(night))
                           : copyCommand(name, night));
    where.append(where.empty() ? "" : ", ").append(inQuotes(night));
  }
  notes.push_back("the first commands keep the night's files as " + where +
                  ": the rerun replaces the backup and multikevra.bat");
  if (!start.empty()) commands.push_back(start);
  // The batch runs only where the writer wrote it (Wine's cmd runs what follows && anyway).
  commands.insert(commands.end(),
                  {writer(site.machine()) + " < rerun.ans", "if not errorlevel 1 multikevra.bat"});
  notes.emplace_back("the last command runs the batch only if multikevra.exe wrote it");
  notes.emplace_back("type these commands, in order:");
  for (const std::string& line : notes)
    morning.lines.push_back(note + line);
  morning.lines.insert(morning.lines.end(), commands.begin(), commands.end());
}

std::string nightTable(const AfterSite& site, const Values& values) {
  std::string table = "entry,data name,run line,outcome,kept files present,newest kept file";
  table += values.x.empty() ? "" : "," + values.x;
  for (const std::string& name : values.names)
    table.append(",").append(name).append(",esd-").append(name);
  table += "\n";
  std::uint64_t number = 0;
  for (const EntryLeft& entry : site.entries()) {
    std::string data;
    for (const char c : entry.data)
      data.append(c == '"' ? 2 : 1, c);
    table += std::to_string(++number) + ",\"" + data + "\"," + std::to_string(entry.runLine) + "," +
             std::string(entry.by != nullptr               ? entry.by->tag
                         : entry.outcome == Outcome::kDone ? "done"
                                                           : "unknown") +
             "," + std::to_string(entry.present) + "," +
             (entry.newest ? localTime(*entry.newest) : "");
    const std::optional<Number>& x = values.xs[number - 1];
    table += values.x.empty() ? "" : "," + (x ? x->text : "");
    for (const std::optional<Number>& cell : values.cells[number - 1])
      table += cell ? "," + cell->text + "," + cell->esd : ",,";
    table += "\n";
  }
  return table;
}

std::string morningRefuses(const Machine& machine, const MorningAsks& asks) {
  std::vector<std::string> columns = {"entry", "outcome"};  // what a name could be of the night's
  if (!asks.x.empty()) columns.push_back(asks.x);
  for (const std::string& name : asks.values)
    columns.insert(columns.end(), {name, "esd-" + name});
  for (auto column = columns.begin() + 2; column != columns.end(); ++column) {
    if (column->find_first_of(",\"'") != std::string::npos ||
        !std::ranges::all_of(*column, [](char c) { return c > ' ' && c <= '~'; }))
      return inQuotes(*column) + " is no column name: printable ASCII, no blank, comma or quote";
    if (std::find(columns.begin(), column, *column) != column)
      return "the table has a column " + inQuotes(*column) + " already";
  }
  std::vector<std::string> files;
  if (asks.rerun) files = {"rerun.lst", "rerun.inf", "rerun.ans"};
  for (const std::optional<std::string>& file : {asks.table, asks.plot})
    if (file) files.push_back(*file);
  for (auto file = files.begin(); file != files.end(); ++file) {
    if (std::find(files.begin(), file, *file) != file) return inQuotes(*file) + " is named twice";
    if (file->find('?') != std::string::npos)  // as a letter the console's code page has not got
      return inQuotes(*file) +
             " holds \"?\", which no file name does: name it in the console's letters";
    if (machine.kind(absoluteName(machine.currentFolder(), *file)) != EntryKind::kNone)
      return inQuotes(*file) + " exists: move it away first; nothing was written";
  }
  return {};
}

Morning morningOf(const AfterSite& site, const MorningAsks& asks, std::string_view name) {
  Morning morning;
  const std::string note = std::string(name) + ": note: ";
  if (!asks.x.empty() && !site.information())
    morning.lines.push_back(note + "this batch gives no information text: x is the entry number");
  const Values values = valuesOf(site, asks.values, site.information() ? asks.x : "");
  for (const std::string& line : values.notes)
    morning.lines.push_back(line.find(": note: ") != std::string::npos ? line : note + line);
  if (asks.table) morning.files.emplace_back(*asks.table, nightTable(site, values));
  if (asks.plot) morning.files.emplace_back(*asks.plot, page(site, values, name));
  if (asks.rerun) planRerun(site, note, morning);
  return morning;
}

}  // namespace mk::check
