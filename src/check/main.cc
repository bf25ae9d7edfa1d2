// multikevra-check [--after] [--ignore TAG[,TAG...]] [SCRIPT]: reports what will go wrong when
// a run script written by multikevra runs, or with --after what the batch left behind. Exit
// status 0 no finding, 1 warnings only, 2 errors, 3 not checked.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "check/check.h"
#include "check/machine.h"
#include "check/report.h"
#include "check/rerun.h"
#include "check/rules.h"

#ifndef MULTIKEVRA_VERSION
#define MULTIKEVRA_VERSION "unknown"
#endif

constexpr int kNotChecked = 3;
constexpr std::string_view kProgram = "multikevra-check";
constexpr std::string_view kUsage =
    "usage: multikevra-check [--after [--rerun] [--table FILE] [--plot FILE] [--value NAME [--x "
    "WORD]]] [--ignore TAG[,TAG...]] [SCRIPT] | --explain TAG | --help | --version";

// The help; each list of findings (@BEFORE, @AFTER) is filled in from the rules.
constexpr std::string_view kHelp = R"(usage: multikevra-check [--ignore TAG[,TAG...]] [SCRIPT]
       multikevra-check --after [--rerun] [--table FILE.csv] [--plot FILE.html]
                        [--value NAME...] [--x WORD] [--ignore TAG[,TAG...]] [SCRIPT]
       multikevra-check --explain TAG
       multikevra-check --help | /? | --version

Reads a run script written by multikevra (default: multikevra.bat in the current folder) and
reports, before it runs, every line cmd will run otherwise than it means and every file problem
it can see. Run it where the script will run: in kevra's main directory.

Each finding is one line, NAME:LINE: error|warning: MESSAGE [TAG], on the first line its cause
(an answer, an entry's data name or information, a file) reaches; then a count by tag and one
summary line. --explain TAG tells what a finding means, what cmd or Windows does, how to mend
it. --ignore TAG[,TAG...] (repeatable) leaves out findings you accept: not shown, not counted
toward the exit status, counted apart. A TAG may be a beginning that begins no other tag.

Findings before a run:
@BEFORE
With --after, run where the batch ran, after it ran, it reports what the batch left, naming
the entries that did not leave their kept files. --rerun writes the input of a batch of the
entries to run again and the commands to type: they move the night's multikevra.bat aside,
run the writer as multikevra.exe (typed "multikevra", cmd would run the night's batch again),
and the new batch only if the writer wrote it. --table FILE writes a row per entry, with the
number after each --value NAME in its kept files (the last: cycles repeat it) and after
--x WORD in its information; --plot FILE a page of plots of them.
Findings with --after:
@AFTER
Exit status: 0 no finding, 1 warnings only, 2 at least one error, 3 the script cannot be
checked (missing, unreadable, or not written by multikevra; with --after, not on Windows),
or an unknown option, tag or column name, or a file that --rerun, --table or --plot would write
exists.
)";

// Writes "multikevra-check: WHY" on standard error and returns the status for "not checked".
static int notChecked(const std::string& why) {
  std::fprintf(stderr, "%s: %s\n", kProgram.data(), why.c_str());
  return kNotChecked;
}

static std::string cannotRead(const std::string& name, int error) {
  if (error == ENOENT) return "cannot check \"" + name + "\": there is no such file";
  return "cannot read \"" + name + "\": " + std::strerror(error);
}

static int help(std::string_view /*value*/) {
  std::string text(kHelp);
  for (const bool after : {false, true}) {
    std::string list;  // a line a finding: tag, severity and summary
    for (const mk::check::Rule* rule : mk::check::allRules()) {
      if ((rule->room == mk::check::Room::kAfter) != after) continue;
      std::string line = "  " + std::string(rule->tag);
      line.resize(std::max<std::size_t>(line.size() + 1, 22), ' ');
      line.append(rule->severity == mk::check::Severity::kError ? "error    " : "warning  ");
      list.append(line).append(rule->summary).append("\n");
    }
    list.append("\n");
    const std::string_view marker = after ? "@AFTER\n" : "@BEFORE\n";
    text.replace(text.find(marker), marker.size(), list);
  }
  std::fputs(text.c_str(), stdout);
  return 0;
}

// The rule of the tag `tag`, or of the one tag it begins; nullptr, having said so on standard
// error in one line, when there is none.
static const mk::check::Rule* knownTag(std::string_view tag) {
  const mk::check::Rule* rule = mk::check::ruleOf(tag);
  if (rule != nullptr) return rule;
  const bool several = !tag.empty() && std::ranges::any_of(mk::check::allRules(), [&](auto* rule) {
    return rule->tag.starts_with(tag);
  });
  std::string why =
      (several ? "several tags begin \"" : "unknown tag \"") + std::string(tag) + "\"";
  const std::string_view nearest = mk::check::nearestTag(tag);
  why += !several && !nearest.empty() ? "; did you mean \"" + std::string(nearest) + "\"?"
                                      : std::string("; multikevra-check --help lists the tags");
  notChecked(why);
  return nullptr;
}

static int version(std::string_view /*value*/) {
  std::printf("%s %s\n", kProgram.data(), MULTIKEVRA_VERSION);
  return 0;
}

static int explain(std::string_view tag) {
  const mk::check::Rule* rule = knownTag(tag);
  if (rule == nullptr) return kNotChecked;
  std::string text(rule->tag);
  text.append(rule->severity == mk::check::Severity::kError ? " (error" : " (warning");
  text.append(rule->room == mk::check::Room::kAfter ? ", with --after): " : "): ");
  text.append(rule->summary).append("\n\n").append(rule->explanation).append("\n");
  std::fputs(text.c_str(), stdout);
  return 0;
}

// What the command line asks for.
struct Request {
  std::optional<mk::check::Argument> script;
  bool after = false;
  mk::check::MorningAsks asks;  // --rerun, --table, --plot, --value, --x
  std::vector<const mk::check::Rule*> ignored;
  int (*alone)(std::string_view value) = nullptr;  // --help, --version or --explain TAG
  std::string_view aloneValue;
};

// The rules of the list of tags `tags` (TAG[,TAG...]), added to `rules`; false, having said
// so, at a tag that names none.
static bool addRules(std::string_view tags, std::vector<const mk::check::Rule*>& rules) {
  for (;;) {
    const std::size_t comma = tags.find(',');
    const mk::check::Rule* rule = knownTag(tags.substr(0, comma));
    if (rule == nullptr) return false;
    rules.push_back(rule);
    if (comma == std::string_view::npos) return true;
    tags.remove_prefix(comma + 1);
  }
}

// The options: the name, whether a value follows (--table FILE or --table=FILE), and what it
// does standing alone, or else what it asks for of a check (false, having said why, where it
// cannot be taken).
struct Option {
  std::string_view name;
  bool takesValue;
  int (*alone)(std::string_view value);
  bool (*take)(Request& request, std::string_view value);
};
constexpr std::array<Option, 11> kOptions = {{
    {"--after", false, nullptr, [](Request& r, std::string_view) { return r.after = true; }},
    {"--rerun", false, nullptr, [](Request& r, std::string_view) { return r.asks.rerun = true; }},
    {"--table", true, nullptr, [](Request& r, std::string_view f) { return !!(r.asks.table = f); }},
    {"--plot", true, nullptr, [](Request& r, std::string_view f) { return !!(r.asks.plot = f); }},
    {"--value", true, nullptr,
     [](Request& r, std::string_view name) { return !r.asks.values.emplace_back(name).empty(); }},
    {"--x", true, nullptr, [](Request& r, std::string_view w) { return !(r.asks.x = w).empty(); }},
    {"--ignore", true, nullptr,
     [](Request& r, std::string_view tags) { return addRules(tags, r.ignored); }},
    {"--explain", true, explain, nullptr},
    {"--help", false, help, nullptr},
    {"/?", false, help, nullptr},  // as Windows programs take it
    {"--version", false, version, nullptr},
}};

// Writes `text` to the new file `file`; false, having said so, when it cannot.
static bool writeFile(const std::string& file, const std::string& text) {
  // text: CR LF on Windows, as multikevra reads its files there
  std::ofstream out(mk::check::systemName(file));
  out << text;
  if (out.flush()) return true;
  notChecked("cannot write \"" + file + "\"");
  return false;
}

static int readAndCheck(const mk::check::Argument& script, const Request& request) {
  const std::string& name = script.text;
  errno = 0;
  std::ifstream file(script.file, std::ios::binary);
  if (!file) return notChecked(cannotRead(name, errno != 0 ? errno : ENOENT));
  mk::check::Report report(name, stdout);
  for (const mk::check::Rule* rule : request.ignored)
    report.ignore(*rule);
  const std::unique_ptr<mk::check::Machine> machine =
      mk::check::kChecksFiles ? mk::check::thisMachine() : nullptr;
  if (request.after && machine && mk::check::doubleByte(machine->codePage())) {
    return notChecked("the batch's files cannot be looked at: names of the console's code page, " +
                      std::to_string(machine->codePage()) + ", cannot be taken apart byte by byte");
  }
  if (const std::string refused =
          request.after ? mk::check::morningRefuses(*machine, request.asks) : std::string();
      !refused.empty())
    return notChecked(refused);
  errno = 0;
  mk::check::Morning morning;
  const auto night = [&](const mk::check::AfterSite& site) {
    morning = mk::check::morningOf(site, request.asks, name);
  };
  const bool ours = request.after ? mk::check::checkAfterRun(file, report, *machine, night)
                                  : mk::check::checkBeforeRun(file, report, machine.get());
  if (file.bad()) return notChecked(cannotRead(name, errno != 0 ? errno : EIO));
  if (!ours) {
    return notChecked("\"" + name +
                      "\" is not a script written by multikevra: its first line is not the backup "
                      "copy line \"copy P I.inp P I_orig.inp\"");
  }
  for (const auto& [written, text] : morning.files)
    if (!writeFile(written, text)) return kNotChecked;
  for (const std::string& line : morning.lines)
    std::puts(mk::check::printable(line).c_str());
  if (std::fflush(stdout) != 0) return notChecked("cannot write the report");
  return report.exitStatus();
}

// Reads `arguments` into `request`; false, having said why, where they ask for nothing it can do.
static bool read(std::span<const mk::check::Argument> arguments, Request& request) {
  const std::string usage = "; " + std::string(kUsage);
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i].text;
    if (!argument.starts_with("--") && argument != "/?") {
      if (request.script) return notChecked("one script at a time" + usage) != kNotChecked;
      request.script = arguments[i];
      continue;
    }
    const std::size_t equals = argument.find('=');
    std::optional<std::string_view> value;
    if (equals != std::string_view::npos) value = argument.substr(equals + 1);
    argument = argument.substr(0, equals);
    const auto* option = std::ranges::find(kOptions, argument, &Option::name);
    if (option == kOptions.end())
      return notChecked("unknown option \"" + std::string(argument) + "\"" + usage) != kNotChecked;
    if (value && !option->takesValue)
      return notChecked(std::string(argument) + " takes no value" + usage) != kNotChecked;
    if (option->takesValue && !value && i + 1 == arguments.size())
      return notChecked(std::string(argument) + " takes a value" + usage) != kNotChecked;
    if (option->takesValue && !value) value = arguments[++i].text;
    if (option->alone != nullptr &&
        arguments.size() != (value && equals == std::string_view::npos ? 2U : 1U))
      return notChecked(std::string(argument) + " stands alone" + usage) != kNotChecked;
    request.alone = option->alone;
    request.aloneValue = value.value_or("");
    if (option->take != nullptr && !option->take(request, request.aloneValue)) return false;
  }
  return true;
}

// Checks the script as `request` asks; a check that runs out of memory ends with "not checked",
// as a script that cannot be read does.
static int checkScript(const Request& request) {
  const mk::check::Argument script =
      request.script.value_or(mk::check::Argument{"multikevra.bat", "multikevra.bat"});
  const std::string& name = script.text;
  const mk::check::MorningAsks& asks = request.asks;
  if ((asks.rerun || asks.table || asks.plot || !asks.values.empty()) && !request.after)
    return notChecked("--rerun, --table, --plot and --value go with --after; " +
                      std::string(kUsage));
  if (!asks.x.empty() && asks.values.empty())
    return notChecked("--x goes with --value; " + std::string(kUsage));
  if (request.after && !mk::check::kChecksFiles) {
    return notChecked(
        "the results of a batch can only be checked where it ran: run multikevra-check --after "
        "on the Windows machine, in kevra's main directory");
  }
  try {
    return readAndCheck(script, request);
  } catch (const std::bad_alloc&) {
    return notChecked("cannot check \"" + name + "\": not enough memory");
  }
}

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) try {  // the arguments as typed, not in the ANSI code page
#else
int main(int argc, char** argv) try {
#endif
  // any exception ends with one line, as not checked
  const std::vector<mk::check::Argument> arguments = mk::check::programArguments(argc, argv);
  Request request;
  if (!read(arguments, request)) return kNotChecked;
  if (request.alone != nullptr) return request.alone(request.aloneValue);
  return checkScript(request);
} catch (const std::exception& error) {
  return notChecked(std::string("stopped: ") + error.what());
}
