#include "check/script.h"

#include "check/file_names.h"

namespace mk::check {

Script::Script(std::string_view scriptName, std::string_view path, std::string_view input,
               const Machine* machine)
    : name(scriptName),
      lines(path, input),
      machine(machine),
      sampleInput(std::string(input) + ".inp"),
      tcOutput(std::string(input) + ".out"),
      backup(std::string(input) + "_orig.inp") {
  if (machine != nullptr) current = machine->currentFolder();
  sampleInputFile = file(sampleInput);
  tcOutputFile = file(tcOutput);
  backupFile = file(backup);
  sampleInputKey = key(sampleInputFile);
  tcOutputKey = key(tcOutputFile);
  backupKey = key(backupFile);
  if (current) {
    scriptKey = key(absoluteName(*current, name));
  } else if (path.empty()) {
    scriptKey = key(normalName(fileNamePart(name)));
  }
}

std::string Script::file(std::string_view name, bool data) const {
  if (!current) return isPlainName(name) ? std::string(name) : normalName(name);
  return absolute(data && standsAlone(name) ? std::string(name) : path() + std::string(name));
}

std::string Script::key(std::string_view file) const {
  return machine != nullptr ? machine->key(file) : foldCase(file);
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
    line.dataFile = line.data.empty() ? std::string() : script.file(line.data, true);
    line.dataKey = line.data.empty() ? std::string() : script.key(line.dataFile);
  } else if (line.kind() == LineKind::kKeep) {
    ++line.slot;
    line.outputFile = script.file(line.value(ValueKind::kOutputFile));
    line.keptFile = script.file(line.value(ValueKind::kKeptName));
    line.outputKey = script.key(line.outputFile);
    line.keptKey = script.key(line.keptFile);
  }
}

}  // namespace mk::check
