// What every rule reads: the script, as its first line gives it (the directory path P, the
// input name I and the batch's own files), and one line of it at a time, recognised, with the
// names it holds made the keys of the files they name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "check/line_shape.h"
#include "check/machine.h"

namespace mk::check {

struct Script {
  // The script `name` (as the user gave it) whose first line gave P `path` and I `input`.
  // With `machine`, the machine it is checked on, names are absolute there; without, names in P.
  Script(std::string_view scriptName, std::string_view path, std::string_view input,
         const Machine* machine);

  // The file that `name` in P names (a data name, `data`, may be a path of its own): the name
  // as Windows resolves it (file_names.h), absolute on the machine.
  [[nodiscard]] std::string file(std::string_view name, bool data = false) const;

  // The key of the file `file`: two files are one when their keys are equal (case ignored, on
  // the machine as it compares names).
  [[nodiscard]] std::string key(std::string_view file) const;

  // `name` as cmd resolves it on the machine: absolute and normal (the machine's only).
  [[nodiscard]] std::string absolute(std::string_view name) const;

  [[nodiscard]] const std::string& path() const { return lines.path(); }
  // True when P ends in none of \ / : (and is not empty): every name runs into its last folder's.
  [[nodiscard]] bool runsIntoPath() const {
    return !path().empty() &&
           std::string_view("\\/:").find(path().back()) == std::string_view::npos;
  }
  [[nodiscard]] const std::string& input() const { return lines.input(); }

  std::string name;
  ScriptLines lines;
  const Machine* machine = nullptr;
  std::optional<std::string> current;  // the machine's current folder

  // The batch's own files, in P: I.inp, I.out, I_orig.inp; as files, their keys, and the
  // script's key (empty when the script's place in P is not known: no machine and P not empty).
  std::string sampleInput, tcOutput, backup;
  std::string sampleInputFile, tcOutputFile, backupFile;
  std::string sampleInputKey, tcOutputKey, backupKey, scriptKey;
};

// One line of the script, as the rules read it.
struct Line {
  std::uint64_t number = 0;
  std::uint64_t entry = 0;    // the entries so far: the run lines up to this line
  std::uint64_t runLine = 0;  // the run line of the entry (0: before the first)
  std::uint64_t slot = 0;     // a keep line's place among its entry's keep lines (1, 2, ...)
  std::string data;           // the entry's data name
  bool ended = true;          // the line has a line end
  bool last = false;          // no line follows
  std::string_view text;
  LineShape shape;
  // The files (Script::file) of its names and their keys: a run line's data name (empty for an
  // empty name), a keep line's output file and kept name.
  std::string dataFile, outputFile, keptFile;
  std::string dataKey, outputKey, keptKey;

  [[nodiscard]] LineKind kind() const { return shape.kind; }
  // The text of the line's value of `kind`, empty when it has none.
  [[nodiscard]] std::string_view value(ValueKind kind) const {
    const NamedValue* found = findValue(shape, kind);
    return found != nullptr ? found->text : std::string_view();
  }
  [[nodiscard]] bool has(ValueKind kind) const { return findValue(shape, kind) != nullptr; }
};

// Makes `line` line `number` of `script`, whose text is `text`: recognised, its keys made, its
// entry counted.
void readLine(const Script& script, std::uint64_t number, std::string_view text, Line& line);

}  // namespace mk::check
