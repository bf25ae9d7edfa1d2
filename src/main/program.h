// The program's logic, one straight-line procedure.
#pragma once

namespace mk {

// Opens the run script, conducts the dialogue, writes the script and stops.
void runMultikevra();

}  // namespace mk
