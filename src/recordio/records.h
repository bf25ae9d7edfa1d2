// Whole records: one write statement writes one or more lines, one read statement fills one
// text field from exactly one line.
#pragma once

#include <initializer_list>
#include <span>
#include <string_view>

#include "recordio/layout.h"

namespace mk {

// Writes the records that `layout` describes to unit `unit`: literal texts and `values` (one
// per value item, in order, each exactly its length), a line end at each record break and at
// the end, unless the layout ends with the open-line marker: then the last record has no line
// end and the unit's stream is flushed at once.
void writeRecords(int unit, const Layout& layout,
                  std::initializer_list<std::string_view> values = {});

// Reads one line of unit `unit` through `layout`, whose only item is a field of width w (at
// most target.size()): the line's first w characters fill the first w positions of `target`,
// blanks fill the rest, the rest of the line is skipped. Ends the run with the end-of-file
// diagnostic when the unit is already at its end ("read start") or the input ends inside the
// field ("fmt"); the input ending while the rest of the line is skipped only marks the unit.
void readRecord(int unit, const Layout& layout, std::span<char> target);

}  // namespace mk
