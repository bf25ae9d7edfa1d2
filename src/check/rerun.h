// What --after makes of what a batch left, for the morning: the input that makes multikevra
// write a batch of exactly the entries to run again, with the commands to type (--rerun), and
// the night as a table (--table).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/rules/after/after.h"

namespace mk::check {

struct Rerun {
  std::string why;  // why nothing is to be written; empty: what follows
  std::string list, information, answers;  // rerun.lst, rerun.inf (none: empty), rerun.ans
  std::vector<std::string> notes;          // what runs again, what the copies keep and why
  std::vector<std::string> commands;       // to type, in order
};

// The rerun of the batch that `site` looked at, after its last line. Without chaining the
// entries that did not leave their kept files run again (a replaced one only once the list
// file is mended); with chaining those from the first such entry on, starting from the kept
// copy of tc's output of the entry before, else from the backup (the whole batch). The first
// commands keep the night's backup, script and (with chaining) sample input under names no file
// has.
Rerun planRerun(const AfterSite& site);

// The night in comma-separated values: a header, then a row per entry: its number, data name,
// run line, outcome, kept files present and the newest one's local time.
std::string nightTable(const AfterSite& site);

// `name` as a list file item that multikevra reads back as `name`: quoted in apostrophes where a
// blank, tab, comma, slash, quote or repeat count would read otherwise, or it is empty.
std::string listItem(std::string_view name);

}  // namespace mk::check
