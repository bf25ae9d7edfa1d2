// Information lines: one line of extra parameters per entry, cut where a run of 13 blanks
// begins.
#pragma once

#include <cstddef>
#include <string_view>

namespace mk {

// How many blanks in a row end the information text.
inline constexpr std::size_t kInformationEndRun = 13;

// The information text of `line`: its columns up to the first run of 13 blanks, together with
// that run's first blank. Columns past the end of the line count as blanks, so a line without
// such a run ends after its last non-blank character and one blank, or, when its last column
// is not blank, is taken whole. Never longer than `line`; linear in its length.
std::string_view informationText(std::string_view line);

}  // namespace mk
