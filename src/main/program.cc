#include "main/program.h"

#include "dialogue/dialogue.h"
#include "dialogue/run_settings.h"
#include "recordio/layout.h"
#include "recordio/records.h"
#include "recordio/run.h"
#include "recordio/unit_table.h"
#include "script/run_script.h"

namespace mk {

namespace {

constexpr Layout kClosingMessage("(/'Done file multikevra.bat written - copy to nt'//)");

}  // namespace

void runMultikevra() {
  // The script is opened before anything is asked; an existing one is overwritten only from
  // its first written line on, so a run that fails in the dialogue leaves it as it was.
  openUnit(kScriptUnit, kScriptName, "\r\n");

  RunSettings settings;
  askRunSettings(settings);
  writeRunScript(settings);
  writeRecords(kStandardOutputUnit, kClosingMessage);
  stopRun();
}

}  // namespace mk
