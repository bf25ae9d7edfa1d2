// multikevra-check [--after] [SCRIPT]: reports what will go wrong when a run script written by
// multikevra runs, or with --after what the batch left behind. Exit status 0 no finding, 1
// warnings only, 2 errors, 3 not checked.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

#include "check/after_check.h"
#include "check/file_checks.h"
#include "check/line_reader.h"
#include "check/report.h"
#include "check/script_check.h"

#ifndef MULTIKEVRA_VERSION
#define MULTIKEVRA_VERSION "unknown"
#endif

namespace {

constexpr int kNotChecked = 3;
constexpr std::string_view kProgram = "multikevra-check";
constexpr std::string_view kUsage =
    "usage: multikevra-check [--after] [SCRIPT] | --help | --version";

constexpr std::string_view kHelp =
    "usage: multikevra-check [SCRIPT]\n"
    "       multikevra-check --after [SCRIPT]\n"
    "       multikevra-check --help | --version\n"
    "\n"
    "Reads a run script written by multikevra (default: multikevra.bat in the current folder)\n"
    "and reports, before it runs, every line that cmd will run differently from what it means\n"
    "and every file problem it can see. It writes nothing and changes no file. Run it where the\n"
    "script will run: in kevra's main directory, on the Windows machine.\n"
    "\n"
    "Each finding is one line, NAME:LINE: error|warning: MESSAGE [TAG], then one summary line.\n"
    "Errors: percent, split-name, special-char, slash, quote, invalid-name, kept-collision,\n"
    "  overwrites-own-file, empty-name, empty-input-name, missing-input, byte-order-mark.\n"
    "  Warnings: overwrites-backup, cut, duplicate-entry, foreign-line, non-ascii.\n"
    "\n"
    "With --after, run where the batch ran, after it ran, it reports instead what the batch left:\n"
    "errors no-backup (the backup of the sample input is missing) and not-kept (a kept file is\n"
    "missing); warnings stale (a kept file older than the script) and unchanged-output (a kept\n"
    "file with the same bytes as the entry before's: that run probably failed). The summary\n"
    "names the first entry that did not leave all its kept files.\n"
    "\n"
    "Exit status: 0 no finding, 1 warnings only, 2 at least one error, 3 the script cannot be\n"
    "checked (missing, unreadable, or not written by multikevra; with --after, not on Windows).\n";

// Writes "multikevra-check: WHY" on standard error and returns the status for "not checked".
int notChecked(const std::string& why) {
  std::fprintf(stderr, "%s: %s\n", kProgram.data(), why.c_str());
  return kNotChecked;
}

std::string cannotRead(const std::string& name, int error) {
  if (error == ENOENT) return "cannot check \"" + name + "\": there is no such file";
  return "cannot read \"" + name + "\": " + std::strerror(error);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Hands the script's lines to `check` (a ScriptCheck or an AfterCheck) and ends it.
template <class Check>
int checkLines(const std::string& name, mk::check::LineReader& reader, Check& check,
               const mk::check::Report& report) {
  const std::optional<std::string_view> first = reader.next();
  if (reader.error() != 0) return notChecked(cannotRead(name, reader.error()));
  if (!first || !check.start(*first)) {
    return notChecked("\"" + name +
                      "\" is not a script written by multikevra: its first line is not the backup "
                      "copy line \"copy P I.inp P I_orig.inp\"");
  }
  while (const std::optional<std::string_view> line = reader.next())
    check.checkLine(*line);
  if (reader.error() != 0) return notChecked(cannotRead(name, reader.error()));
  check.finish();
  if (std::fflush(stdout) != 0) return notChecked("cannot write the report");
  return report.exitStatus();
}

int readAndCheck(const std::string& name, bool after) {
  errno = 0;
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
  if (!file) return notChecked(cannotRead(name, errno != 0 ? errno : ENOENT));
  std::setvbuf(file.get(), nullptr, _IONBF, 0);  // the reader has its own large buffer

  mk::check::LineReader reader(file.get());
  mk::check::Report report(name, stdout);
  if (after) {
    mk::check::AfterCheck check(report);
    return checkLines(name, reader, check, report);
  }
  std::error_code sizeError;
  const std::uintmax_t size = std::filesystem::file_size(name, sizeError);
  mk::check::ScriptCheck check(report, sizeError ? 0 : size);
  return checkLines(name, reader, check, report);
}

// Checks the script `name`; a check that runs out of memory ends with "not checked", as a
// script that cannot be read does.
int checkScript(const std::string& name, bool after) {
  try {
    return readAndCheck(name, after);
  } catch (const std::bad_alloc&) {
    return notChecked("cannot check \"" + name + "\": not enough memory");
  } catch (const std::length_error& error) {
    return notChecked("cannot check \"" + name + "\": " + error.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::span<char*> arguments(argv, static_cast<std::size_t>(argc));
  if (!arguments.empty()) arguments = arguments.subspan(1);  // the program's own name
  const bool after = !arguments.empty() && std::string_view(arguments[0]) == "--after";
  if (after) arguments = arguments.subspan(1);
  std::string name = "multikevra.bat";
  if (arguments.size() > 1) return notChecked(std::string("one script at a time; ").append(kUsage));
  if (arguments.size() == 1) {
    const std::string_view argument = arguments[0];
    if (argument == "--help" && !after) {
      std::fputs(kHelp.data(), stdout);
      return 0;
    }
    if (argument == "--version" && !after) {
      std::printf("%s %s\n", kProgram.data(), MULTIKEVRA_VERSION);
      return 0;
    }
    if (argument.starts_with("--")) {
      return notChecked("unknown option \"" + std::string(argument) + "\"; " + std::string(kUsage));
    }
    name = argument;
  }
  if (after && !mk::check::kChecksFiles) {
    return notChecked(
        "the results of a batch can only be checked where it ran: run multikevra-check --after "
        "on the Windows machine, in kevra's main directory");
  }
  return checkScript(name, after);
}
