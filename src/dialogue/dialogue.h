// The dialogue: the banner and the questions, in their fixed order.
#pragma once

#include "dialogue/run_settings.h"

namespace mk {

// Prints the banner, asks every question on the console and fills `settings`; opens the list
// file right after its name is answered, and the information file when one is wanted. Input
// that ends or does not fit ends the run with the fatal diagnostic; nothing is asked again.
void askRunSettings(RunSettings& settings);

}  // namespace mk
