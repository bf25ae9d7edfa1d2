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

namespace mk::check {

// The night in comma-separated values: a header, then a row per entry: its number, data name,
// run line, outcome, kept files present and the newest one's local time.
std::string nightTable(const AfterSite& site);

// What the morning after the batch of `site` writes and says: --table's `table` (when given)
// and, with `rerun`, the input of a batch of the entries to run again (rerun.lst, rerun.inf,
// rerun.ans) and the commands to type: each file's name and text, and the lines for the user
// (the report's `name` before each note). Without chaining the entries that did not leave their
// kept files but were not replaced run again; with chaining those from the first such on,
// started from the entry before's kept tc output, else the whole batch from the backup.
struct Morning {
  std::vector<std::pair<std::string, std::string>> files;
  std::vector<std::string> lines;
};
Morning morningOf(const AfterSite& site, bool rerun, const std::optional<std::string>& table,
                  std::string_view name);

// The first of the files a morning of `rerun` and `table` writes that exists on `machine` (in its
// current folder), which it refuses to replace; nothing when none does.
std::optional<std::string> morningRefuses(const Machine& machine, bool rerun,
                                          const std::optional<std::string>& table);

// `name` as a list file item that multikevra reads back as `name`: quoted in apostrophes where a
// blank, tab, comma, slash, quote or repeat count would read otherwise, or it is empty.
std::string listItem(std::string_view name);

}  // namespace mk::check
