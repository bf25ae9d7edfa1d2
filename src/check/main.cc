// multikevra-check [--after] [--ignore TAG[,TAG...]] [SCRIPT]: reports what will go wrong when
// a run script written by multikevra runs, or with --after what the batch left behind. Exit
// status 0 no finding, 1 warnings only, 2 errors, 3 not checked.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
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
    "usage: multikevra-check [--after [--rerun] [--table FILE]] [--ignore TAG[,TAG...]] [SCRIPT] | "
    "--explain TAG | --help "
    "| --version";

// The help; each list of findings (@BEFORE, @AFTER) is filled in from the rules.
constexpr std::string_view kHelp = R"(usage: multikevra-check [--ignore TAG[,TAG...]] [SCRIPT]
       multikevra-check --after [--rerun] [--table FILE.csv] [--ignore TAG[,TAG...]] [SCRIPT]
       multikevra-check --explain TAG
       multikevra-check --help | /? | --version

Reads a run script written by multikevra (default: multikevra.bat in the current folder) and
reports, before it runs, every line that cmd will run differently from what it means and every
file problem it can see. Run it where the script will run: in kevra's main directory.

Each finding is one line, NAME:LINE: error|warning: MESSAGE [TAG], on the first line its
cause (an answer, an entry's data name or information, a file) reaches; then a count by tag
and one summary line. --explain TAG tells what a finding means, what cmd or Windows does, and
how to mend it. --ignore TAG[,TAG...] (repeatable) leaves out findings you accept: not shown,
not counted toward the exit status, counted apart in the summary. A TAG may be given by a
beginning of it that begins no other tag; --ignore=TAG and --explain=TAG are read too.

Findings before a run:
@BEFORE
With --after, run where the batch ran, after it ran, it reports instead what the batch left.
The summary names the entries that did not leave their kept files. --rerun writes the input
of a batch of the entries to run again and the commands to type: they move the night's
multikevra.bat aside and run the writer as multikevra.exe (typed "multikevra", cmd would run
the night's multikevra.bat again), and the new batch only if the writer wrote it. --table FILE
writes a row per entry.
Findings with --after:
@AFTER
Exit status: 0 no finding, 1 warnings only, 2 at least one error, 3 the script cannot be
checked (missing, unreadable, or not written by multikevra; with --after, not on Windows),
or an unknown option or tag, or a file that --rerun or --table would write exists.
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

static int help() {
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
  if (!several && !nearest.empty()) {
    why.append("; did you mean \"").append(nearest).append("\"?");
  } else {
    why.append("; multikevra-check --help lists the tags");
  }
  notChecked(why);
  return nullptr;
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

// What the command line asks for besides the script.
struct Request {
  bool after = false;
  bool rerun = false;                // --rerun
  std::optional<std::string> table;  // --table FILE
  std::vector<const mk::check::Rule*> ignored;
};

// Writes `text` to the new file `file`; false, having said so, when it cannot.
static bool writeFile(const std::string& file, const std::string& text) {
  std::ofstream out(file);  // text: CR LF on Windows, as multikevra reads its files there
  out << text;
  if (out.flush()) return true;
  notChecked("cannot write \"" + file + "\"");
  return false;
}

// Writes what --rerun and --table ask for of the night of the script `name`, as `site` saw it;
// false, having said so, when a file cannot be written.
static bool writeMorning(const mk::check::AfterSite& site, const Request& request,
                         const std::string& name) {
  if (request.table && !writeFile(*request.table, mk::check::nightTable(site))) return false;
  if (!request.rerun) return true;
  const auto say = [](const std::string& line) { std::puts(mk::check::printable(line).c_str()); };
  const mk::check::Rerun rerun = mk::check::planRerun(site);
  if (!rerun.why.empty()) {
    say(name + ": note: nothing written to run again: " + rerun.why);
    return true;
  }
  if (!writeFile("rerun.lst", rerun.list) || !writeFile("rerun.ans", rerun.answers) ||
      (!rerun.information.empty() && !writeFile("rerun.inf", rerun.information)))
    return false;
  for (const std::string& note : rerun.notes)
    say(std::string(name).append(": note: ").append(note));
  say(name + ": note: type these commands, in order:");
  for (const std::string& command : rerun.commands)
    say(command);
  return true;
}

static int readAndCheck(const std::string& name, const Request& request) {
  errno = 0;
  std::ifstream file(name, std::ios::binary);
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
  errno = 0;
  bool written = true;
  const auto morning = [&](const mk::check::AfterSite& site) {
    written = writeMorning(site, request, name);
  };
  const bool ours = request.after ? mk::check::checkAfterRun(file, report, *machine, morning)
                                  : mk::check::checkBeforeRun(file, report, machine.get());
  if (file.bad()) return notChecked(cannotRead(name, errno != 0 ? errno : EIO));
  if (!ours) {
    return notChecked("\"" + name +
                      "\" is not a script written by multikevra: its first line is not the backup "
                      "copy line \"copy P I.inp P I_orig.inp\"");
  }
  if (std::fflush(stdout) != 0) return notChecked("cannot write the report");
  return written ? report.exitStatus() : kNotChecked;
}

// True, having said so, when a file that --rerun or --table would write exists already.
static bool refusesFiles(const Request& request) {
  std::vector<std::string> files;
  if (request.rerun) files = {"rerun.lst", "rerun.inf", "rerun.ans"};
  if (request.table) files.push_back(*request.table);
  for (const std::string& file : files) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) continue;
    notChecked("\"" + file + "\" exists: move it away first; nothing was written");
    return true;
  }
  return false;
}

// Checks the script `name` as `request` asks; a check that runs out of memory ends with "not
// checked", as a script that cannot be read does.
static int checkScript(const std::string& name, const Request& request) {
  if ((request.rerun || request.table) && !request.after)
    return notChecked("--rerun and --table go with --after; " + std::string(kUsage));
  if (request.after && !mk::check::kChecksFiles) {
    return notChecked(
        "the results of a batch can only be checked where it ran: run multikevra-check --after "
        "on the Windows machine, in kevra's main directory");
  }
  if (refusesFiles(request)) return kNotChecked;
  try {
    return readAndCheck(name, request);
  } catch (const std::bad_alloc&) {
    return notChecked("cannot check \"" + name + "\": not enough memory");
  }
}

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

// The value of a long option written --OPTION=VALUE, which `argument` then keeps without it.
static std::optional<std::string_view> valueIn(std::string_view& argument) {
  const std::size_t equals = argument.find('=');
  if (!argument.starts_with("--") || equals == std::string_view::npos) return std::nullopt;
  const std::string_view value = argument.substr(equals + 1);
  argument = argument.substr(0, equals);
  return value;
}

// The status of --help, --version or --explain TAG, which stand alone, when `arguments` hold one.
static std::optional<int> standAlone(std::span<char*> arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view option = arguments[i];
    if (option == "/?") option = "--help";  // as Windows programs take it
    const std::optional<std::string_view> value = valueIn(option);
    const bool alone = arguments.size() == (option == "--explain" && !value ? 2U : 1U);
    if (option == "--explain" && alone && (value || i == 0))
      return explain(value ? *value : std::string_view(arguments[1]));
    if (option == "--explain")
      return notChecked("--explain takes one tag and stands alone; " + std::string(kUsage));
    if ((option == "--help" || option == "--version") && (!alone || value))
      return notChecked(std::string(option) + " stands alone; " + std::string(kUsage));
    if (option == "--help") return help();
    if (option != "--version") continue;
    std::printf("%s %s\n", kProgram.data(), MULTIKEVRA_VERSION);
    return 0;
  }
  return std::nullopt;
}

int main(int argc, char** argv) try {  // any exception ends with one line, as not checked
  std::span<char*> arguments(argv, static_cast<std::size_t>(argc));
  if (!arguments.empty()) arguments = arguments.subspan(1);  // the program's own name
  if (const std::optional<int> status = standAlone(arguments)) return *status;
  Request request;
  std::optional<std::string> name;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view argument = arguments[i];
    const std::optional<std::string_view> value = valueIn(argument);
    const bool last = !value && i + 1 == arguments.size();
    const auto valueOf = [&] { return value ? *value : std::string_view(arguments[++i]); };
    if (value && (argument == "--after" || argument == "--rerun"))
      return notChecked(std::string(argument) + " takes no value; " + std::string(kUsage));
    if (argument == "--after" || argument == "--rerun") {
      (argument == "--after" ? request.after : request.rerun) = true;
    } else if (argument == "--ignore" || argument == "--table") {
      if (last) return notChecked(std::string(argument) + " takes a value; " + std::string(kUsage));
      if (argument == "--table") request.table = valueOf();
      if (argument == "--ignore" && !addRules(valueOf(), request.ignored)) return kNotChecked;
    } else if (argument.starts_with("--")) {
      return notChecked("unknown option \"" + std::string(argument) + "\"; " + std::string(kUsage));
    } else if (name) {
      return notChecked(std::string("one script at a time; ").append(kUsage));
    } else {
      name = argument;
    }
  }
  return checkScript(name.value_or("multikevra.bat"), request);
} catch (const std::exception& error) {
  return notChecked(std::string("stopped: ") + error.what());
}
