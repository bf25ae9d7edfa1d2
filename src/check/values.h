// The night's refined values (--value NAME, --x WORD): for each entry done, the number after a
// word in its kept files, each read once, streamed; and a page of plots of them (--plot).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/after_site.h"

namespace mk::check {

// A number as a file writes it: its text as read (a D exponent written E), and its uncertainty
// as exact decimal text (empty: none written).
struct Number {
  std::string text, esd;
};

// What stands after an occurrence of a word at the start of `rest`: any mix of blanks, = and :
// with one other character at most, then a number and its uncertainty (4.91337(12), 3.45(12)E1,
// 4.91337_0.00012, 4.91337 +/- 0.00012). Nothing where it is no occurrence (prose, no number);
// an empty number where it gives none (*****, NaN, Inf, a comma between digits).
std::optional<std::optional<Number>> valueAfter(std::string_view rest);

// The last occurrence of the whole word `word` (letters, digits, _; any case) in `line` that
// valueAfter reads; with `first`, the first. An empty word occurs nowhere.
std::optional<std::optional<Number>> valueIn(std::string_view line, std::string_view word,
                                             bool first = false);

// `number` as a page shows it: 4.91337(12), or where that cannot be, 4.9 +/- 0.00012.
std::string shown(const Number& number);

// The names and x of the values, of each entry x and each name's value; a note per name: where
// its value was first read, how often.
struct Values {
  std::vector<std::string> names, notes;
  std::string x;
  std::vector<std::optional<Number>> xs;
  std::vector<std::vector<std::optional<Number>>> cells;
};

// The values of `names` in the night `site` holds, each kept file read once: the last occurrence
// in the first of an entry's kept files (as the keep lines order them) that holds it; x, the
// number after `x`'s first occurrence in the entry's information text.
Values valuesOf(const AfterSite& site, std::vector<std::string> names, std::string x);

// The page of the night of `site` (its script `name`): a plot of each value against x, the table.
std::string page(const AfterSite& site, const Values& values, std::string_view name);

}  // namespace mk::check
