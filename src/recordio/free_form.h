// Free-form items: a count or a name that may stand anywhere on a line, after any blanks and
// blank lines, and ends at a separator (blank, tab, line end, comma or slash).
//
// One call is one whole read statement: it finds one item, stores its value unless the item
// is a null value (a lone comma or slash, or a repeat count with nothing after it), and drops
// the rest of the item's line. Every malformed item ends the run with the fatal diagnostic,
// whose "last format:" line then shows "list io".
#pragma once

#include <cstdint>
#include <span>

namespace mk {

// Reads one signed 32-bit integer item from unit `unit` into `target`: optional sign, decimal
// digits, ended by the first character that is not a digit. A decimal point, an exponent
// letter or a sign after a digit fails ("invalid integer"), as does a value outside the
// 32-bit range; an item without a digit fails ("invalid number") unless it is a null value.
void readItem(int unit, std::int32_t& target);

// Reads one text item from unit `unit` into the text field `target` (cut or blank-padded): an
// unquoted text up to the next separator, or a text in apostrophes or double quotes, where a
// doubled quote stands for one, a line end is dropped, and a backslash right before a line
// end becomes a line feed. Input that ends inside the quotes fails ("list in", end of file).
void readItem(int unit, std::span<char> target);

}  // namespace mk
