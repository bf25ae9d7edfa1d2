#include "check/script.h"

#include "check/file_names.h"

namespace mk::check {

Script::Script(std::string_view scriptName, std::string_view path, std::string_view input,
               std::optional<std::string> currentFolder)
    : name(scriptName),
      lines(path, input),
      current(std::move(currentFolder)),
      sampleInput(std::string(input) + ".inp"),
      tcOutput(std::string(input) + ".out"),
      backup(std::string(input) + "_orig.inp") {
  sampleInputKey = key(sampleInput);
  tcOutputKey = key(tcOutput);
  backupKey = key(backup);
  if (current) {
    scriptKey = absoluteName(*current, name);
  } else if (path.empty()) {
    scriptKey = normalName(fileNamePart(name));
  }
}

std::string Script::key(std::string_view name, bool data) const {
  if (!current) return isPlainName(name) ? std::string(name) : normalName(name);
  return absolute(data && standsAlone(name) ? std::string(name) : path() + std::string(name));
}

std::string Script::absolute(std::string_view name) const {
  return absoluteName(current.value_or("."), name);
}

void readLine(const Script& script, std::uint64_t number, std::string_view text, Line& line) {
  line.number = number;
  line.text = text;
  line.shape = script.lines.recognise(text);
  if (line.kind() == LineKind::kRun) {
    ++line.entry;
    line.runLine = number;
    line.slot = 0;
    line.data = line.value(ValueKind::kDataName);
    line.dataKey = line.data.empty() ? std::string() : script.key(line.data, true);
  } else if (line.kind() == LineKind::kKeep) {
    ++line.slot;
    line.outputKey = script.key(line.value(ValueKind::kOutputFile));
    line.keptKey = script.key(line.value(ValueKind::kKeptName));
  }
}

}  // namespace mk::check
