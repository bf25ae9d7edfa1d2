// What --after makes of what a batch left, for the morning: the input that makes multikevra
// write a batch of exactly the entries to run again, with the commands to type (--rerun), and
// the night as a table (--table).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/after_site.h"

namespace mk::check {

struct Rerun {
  std::string why;                         // why nothing is to be written; empty: what follows
  std::string list, information, answers;  // rerun.lst, rerun.inf (none: empty), rerun.ans
  std::vector<std::string> notes;          // what runs again, what the copies keep and why
  std::vector<std::string> commands;       // to type, in order
};

// The rerun of the batch `site` looked at: without chaining its entries that did not leave their
// kept files but were not replaced; with chaining those from the first such on, started from the
// entry before's kept tc output, else the whole batch from the backup. The first commands keep
// the night's backup, script and (chaining) sample input under names no file has.
Rerun planRerun(const AfterSite& site);

// The night in comma-separated values: a header, then a row per entry: its number, data name,
// run line, outcome, kept files present and the newest one's local time.
std::string nightTable(const AfterSite& site);

// `name` as a list file item that multikevra reads back as `name`: quoted in apostrophes where a
// blank, tab, comma, slash, quote or repeat count would read otherwise, or it is empty.
std::string listItem(std::string_view name);

}  // namespace mk::check
