// What --after makes of what a batch left, for the morning: the input that makes multikevra
// write a batch of exactly the entries to run again, with the commands to type (--rerun), and
// the night as a table (--table).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/after_site.h"
#include "check/values.h"

namespace mk::check {

// The night in comma-separated values: a header, then a row per entry: its number, data name,
// run line, outcome, kept files present, the newest one's local time, x, each value and its
// uncertainty (empty: none).
std::string nightTable(const AfterSite& site, const Values& values);

// What the morning is asked for: --rerun, --table FILE, --plot FILE, --value NAME, --x WORD.
struct MorningAsks {
  bool rerun = false;
  std::optional<std::string> table, plot;
  std::vector<std::string> values;
  std::string x;
};

// What the morning after the batch of `site` writes and says (each file's name and text; the
// lines for the user, the report's `name` before each note): the table, the page, the notes on
// the values, and with --rerun the input of a batch of the entries to run again (rerun.lst,
// rerun.inf, rerun.ans) and the commands to type. Without chaining the entries that did not leave
// their kept files but were not replaced run again; with chaining those from the first such on,
// from the entry before's kept tc output, else the whole batch from the backup.
struct Morning {
  std::vector<std::pair<std::string, std::string>> files;
  std::vector<std::string> lines;
};
Morning morningOf(const AfterSite& site, const MorningAsks& asks, std::string_view name);

// Why the morning of `asks` refuses: a value or x that cannot be a column of the table (each
// printable ASCII without blank, comma or quote, once, no column the table has already), or a
// file it writes that exists on `machine` (in its current folder) or is named twice; empty when
// none.
std::string morningRefuses(const Machine& machine, const MorningAsks& asks);

// `name` as a list file item that multikevra reads back as `name`: quoted in apostrophes where a
// blank, tab, comma, slash, quote or repeat count would read otherwise, or it is empty.
std::string listItem(std::string_view name);

}  // namespace mk::check
