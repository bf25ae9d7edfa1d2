// Checking one run script, line by line, in one pass: the shape of each line, what cmd will do
// with it, and what the script's lines do to each other (chaining, kept files, entries).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/cmd_view.h"
#include "check/line_shape.h"
#include "check/name_table.h"
#include "check/report.h"

namespace mk::check {

class ScriptCheck {
 public:
  // Reports to `report`, which must outlive the check. `scriptSize` is the script's size in
  // bytes when known (else 0): it sizes the table of names once, from the names per byte of the
  // script's first lines, so that a large script seldom makes the table grow.
  ScriptCheck(Report& report, std::uint64_t scriptSize)
      : report_(report), scriptSize_(scriptSize) {}

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
  void checkOwnFiles(std::string_view output, std::string_view kept);
  [[nodiscard]] bool namesScript(std::string_view kept) const;
  void checkInputFiles();
  void lookUpName(NameTable::Group group, std::string_view name);
  void add(Finding finding, std::string_view message);

  Report& report_;
  std::uint64_t lineNumber_ = 0;
  ScriptLines lines_;                       // from the first line
  std::string sampleInput_;                 // I.inp, and the other files of I that the batch needs
  std::string tcOutput_;                    // I.out
  std::string backup_;                      // I_orig.inp
  std::string scriptFile_;                  // the script's file name, without its folder
  std::uint64_t dataNameLengths_ = 0;       // the lengths of the data names so far, a bit each
  std::uint64_t outputLengths_ = 0;         // the same of the output files of keep lines
  std::vector<std::string> outputsBefore_;  // the output files of the entry before, in order
  std::size_t keepIndex_ = 0;               // the keep line's place in its entry
  LineShape shape_;                         // the shape of the line being checked
  LineCharacters pathAndInputCharacters_;   // those of P and I
  ScriptSummary summary_;
  std::uint64_t scriptSize_ = 0;
  std::uint64_t bytesRead_ = 0;  // the lines so far, with one byte for each line end
  NameTable names_;
};

}  // namespace mk::check
