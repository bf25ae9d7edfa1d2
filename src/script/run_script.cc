#include "script/run_script.h"

#include <cstdint>

#include "recordio/free_form.h"
#include "recordio/layout.h"
#include "recordio/records.h"
#include "recordio/unit_table.h"
#include "script/information.h"
#include "script/keep_lines.h"
#include "script/script_lines.h"

namespace mk {

namespace {

constexpr Layout kInformationLine("(A180)");

}  // namespace

void writeRunScript(const RunSettings& settings) {
  const std::string_view path = trimmedValue(settings.directoryPath);
  const std::string_view input = trimmedValue(settings.inputName);
  writeRecords(kScriptUnit, script_lines::kBackup, {path, input, path, input});
  writeRecords(kScriptUnit, script_lines::kDeleteOutput, {path, input});

  const bool chaining = isYes(settings.yesNo);
  const bool keeping = isYes(settings.keepAnswer);
  TextField<180> informationLine;
  TextField<80> dataName;  // a null value on the first entry leaves it empty
  std::string_view name;   // the data name, trimmed
  for (std::int64_t entry = 1; entry <= settings.entryCount; ++entry) {
    if (settings.informationWanted) {
      readRecord(kInformationUnit, kInformationLine, informationLine.span());
      readItem(kListUnit, dataName.span());
      name = trimmedValue(dataName);
      writeRecords(kScriptUnit, script_lines::kRunWithInformation,
                   {path, input, name, informationText(informationLine)});
    } else {
      readItem(kListUnit, dataName.span());
      name = trimmedValue(dataName);
      writeRecords(kScriptUnit, script_lines::kRun, {path, input, name});
    }
    if (chaining) writeRecords(kScriptUnit, script_lines::kChaining, {path, input, path, input});
    if (keeping) writeKeepLines(path, settings.renames, name);
  }
  flushUnit(kScriptUnit);
}

}  // namespace mk
