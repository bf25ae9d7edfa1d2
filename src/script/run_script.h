// The run script: its opening lines and the lines of every entry.
#pragma once

#include "dialogue/run_settings.h"

namespace mk {

// Writes the run script on its unit: the backup copy of the sample input and the deletion of
// its output, then for each entry, in order, (its information line read,) its data name read
// from the list file, its run line, the chaining copy when asked for, and its keep lines.
// Ends by writing out the script, so that a failed write is reported before success is.
void writeRunScript(const RunSettings& settings);

}  // namespace mk
