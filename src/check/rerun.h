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

// What the morning after the batch of `site` writes (files, names and texts) and says (lines,
// `name` before each note): the table, the page, the values' notes; with --rerun the input of a
// batch of the entries to run again and the commands to type. Without chaining those that did not
// leave their kept files, if not replaced; with chaining all from the first such on.
struct Morning {
  std::vector<std::pair<std::string, std::string>> files;
  std::vector<std::string> lines;
};
Morning morningOf(const AfterSite& site, const MorningAsks& asks, std::string_view name);

// Why the morning of `asks` refuses: a value or x no column can be named (printable ASCII, no
// blank, comma or quote, a name of its own), or a file that exists on `machine`, is named twice
// or holds a "?" (a letter the console's code page has not got).
std::string morningRefuses(const Machine& machine, const MorningAsks& asks);

// `name` as a list file item that multikevra reads back as `name`: quoted in apostrophes where a
// blank, tab, comma, slash, quote or repeat count would read otherwise, or it is empty.
std::string listItem(std::string_view name);

}  // namespace mk::check
