#include "script/keep_lines.h"

#include "recordio/layout.h"
#include "recordio/records.h"
#include "script/script_lines.h"

namespace mk {

std::string_view keptName(std::string_view dataName, const TextField<20>& suffix,
                          TextField<20>& storage) {
  concatText(storage.span(), {dataName, suffix.view()});
  return trimmedValue(storage);
}

void writeKeepLines(std::string_view path, std::span<const RenamePair> renames,
                    std::string_view dataName) {
  TextField<20> name;
  for (const RenamePair& pair : renames) {
    writeRecords(
        kScriptUnit, script_lines::kKeep,
        {path, trimmedValue(pair.outputFile), path, keptName(dataName, pair.suffix, name)});
  }
}

}  // namespace mk
