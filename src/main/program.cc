#include "main/program.h"

#include "dialogue/dialogue.h"
#include "dialogue/run_settings.h"
#include "recordio/run.h"
#include "recordio/unit_table.h"

namespace mk {

void runMultikevra() {
  // The script is opened before anything is asked; an existing one is overwritten only from
  // its first written line on, so a run that fails in the dialogue leaves it as it was.
  openUnit(kScriptUnit, kScriptName, "\r\n");

  RunSettings settings;
  askRunSettings(settings);
  stopRun();
}

}  // namespace mk
