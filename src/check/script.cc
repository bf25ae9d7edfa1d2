#include "check/script.h"

#include "check/file_names.h"

namespace mk::check {

Script::Script(std::string_view name, std::string_view path, std::string_view input,
               std::optional<std::string> current)
    : sampleInput(std::string(input) + ".inp"),
      tcOutput(std::string(input) + ".out"),
      backup(std::string(input) + "_orig.inp"),
      name_(name),
      lines_(path, input),
      current_(std::move(current)) {
  sampleInputKey = key(sampleInput);
  tcOutputKey = key(tcOutput);
  backupKey = key(backup);
  if (current_) {
    scriptKey = absoluteName(*current_, name_);
  } else if (path.empty()) {
    scriptKey = normalName(fileNamePart(name_));
  }
}

std::string Script::key(std::string_view name, bool data) const {
  if (!current_) return isPlainName(name) ? std::string(name) : normalName(name);
  return absolute(data && standsAlone(name) ? std::string(name) : path() + std::string(name));
}

std::string Script::absolute(std::string_view name) const {
  return absoluteName(current_.value_or("."), name);
}

void readLine(const Script& script, std::uint64_t number, std::string_view text, Line& line) {
  line.number = number;
  line.text = text;
  script.lines().recognise(text, line.shape);
  if (line.kind() == LineKind::kRun) {
    ++line.entry;
    line.runLine = number;
    const std::string_view data = line.value(ValueKind::kDataName);
    line.dataKey = data.empty() ? std::string() : script.key(data, true);
  } else if (line.kind() == LineKind::kKeep) {
    line.outputKey = script.key(line.value(ValueKind::kOutputFile));
    line.keptKey = script.key(line.value(ValueKind::kKeptName));
  }
}

}  // namespace mk::check
