// Checking one run script, line by line, in one pass: the shape of each line, what cmd will do
// with it, and what the script's lines do to each other (chaining, kept files, entries).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check/cmd_view.h"
#include "check/line_shape.h"
#include "check/machine.h"
#include "check/machine_check.h"
#include "check/name_table.h"
#include "check/report.h"

namespace mk::check {

class ScriptCheck {
 public:
  // Reports to `report`, which must outlive the check. `scriptSize` is the script's size in
  // bytes when known (else 0): it sizes the table of names once, from the names per byte of the
  // script's first lines, so that a large script seldom makes the table grow. With a
  // `machine` (which must outlive the check) the check also looks at what the batch needs from
  // it (machine_check.h), and compares the files names resolve to there; without one, the
  // report notes that files were not checked.
  ScriptCheck(Report& report, std::uint64_t scriptSize, const Machine* machine = nullptr)
      : report_(report), scriptSize_(scriptSize), machine_(machine) {}

  // Checks the script's first line. False, reporting nothing, when it is not a backup copy
  // line "copy P I.inp P I_orig.inp": then the script is not one of multikevra's.
  bool start(std::string_view line);

  // Checks the next line; start() must have accepted the first.
  void checkLine(std::string_view line);

  // Ends the check: the note on files not checked (on systems without file checks) and the
  // summary line.
  void finish();

 private:
  void checkHazards(std::string_view line, const LineShape& shape);
  void checkSplitNames(std::string_view line, const LineShape& shape,
                       const LineCharacters& characters);
  void checkSlash(std::string_view line, const LineShape& shape);
  void checkNames(const LineShape& shape, bool lookCloser);
  void checkQuote(const LineShape& shape);
  void checkByteOrderMark(const LineShape& shape);
  void checkRun(const LineShape& shape);
  void checkKeep(const LineShape& shape);
  // True when the target of the keep line exists when the line runs: one of the batch's own
  // files, reported overwrites-own-file.
  bool checkOwnFiles(std::string_view output, std::string_view kept, std::string_view keptKey);
  [[nodiscard]] bool namesScript(std::string_view kept) const;
  // The name the table compares for the name `name` in P (a data name may be a path of its own,
  // `data`): with a machine, the file it names there; else the name as Windows resolves it in
  // P. `buffer` holds it when it is not `name` itself.
  std::string_view fileKey(std::string_view name, bool data, std::string& buffer) const;
  // Compares a name with the earlier ones of its group; true when it was used before.
  bool lookUpName(NameTable::Group group, std::string_view key, std::string_view name);
  void add(Finding finding, std::string_view message);

  Report& report_;
  std::uint64_t lineNumber_ = 0;
  ScriptLines lines_;                  // from the first line
  std::string sampleInput_;            // I.inp, and the other files of I that the batch needs
  std::string tcOutput_;               // I.out
  std::string backup_;                 // I_orig.inp
  std::string scriptFile_;             // the script's file name, without its folder
  std::uint64_t dataNameLengths_ = 0;  // the lengths of the data names so far, a bit each
  std::uint64_t outputLengths_ = 0;    // the same of the output files of keep lines
  std::uint64_t keptLengths_ = 0;      // the same of the kept names
  // this entry's kept names so far, and their lines (as many as keepIndex_ says)
  std::vector<std::pair<std::string, std::uint64_t>> keptInEntry_;
  std::vector<std::string> outputsBefore_;  // the output files of the entry before, in order
  std::size_t keepIndex_ = 0;               // the keep line's place in its entry
  LineShape shape_;                         // the shape of the line being checked
  LineCharacters pathAndInputCharacters_;   // those of P and I
  ScriptSummary summary_;
  std::uint64_t scriptSize_ = 0;
  std::uint64_t bytesRead_ = 0;  // the lines so far, with one byte for each line end
  NameTable names_;
  const Machine* machine_ = nullptr;
  std::optional<MachineCheck> machineCheck_;  // with a machine, from the first line
  std::string sampleInputKey_;                // the table's names of I.inp, I.out, I_orig.inp
  std::string tcOutputKey_;
  std::string backupKey_;
  std::string keyBuffer_;  // for the line's names that are not their own keys
  std::string otherKeyBuffer_;
};

}  // namespace mk::check
