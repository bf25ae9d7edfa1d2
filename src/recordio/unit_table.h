// The unit table: units 0 to 99, the console on 0, 5 and 6, files opened by name.
#pragma once

#include <memory>
#include <string_view>

#include "recordio/channel.h"
#include "recordio/platform.h"
#include "recordio/unit.h"

namespace mk {

inline constexpr int kUnitCount = 100;
inline constexpr int kStandardErrorUnit = 0;
inline constexpr int kStandardInputUnit = 5;
inline constexpr int kStandardOutputUnit = 6;

// The table entry of unit `number` (0 to 99).
Unit& unitAt(int number);

// Connects units 0, 5 and 6 to standard error, input and output, unnamed; error and output in
// writing mode, input in reading mode.
void connectStandardUnits();

// Connects unit `number` to `channel` without a name (the console; tests use memory).
void connectUnit(int number, std::unique_ptr<Channel> channel, Access access, bool writing,
                 std::string_view lineEnd = platform::kConsoleLineEnd);

// Opens the file named by `nameField` (trailing blanks dropped, leading and inner blanks kept)
// on unit `number` with status "unknown": an existing file for update, else for reading only,
// else for writing only, created when missing (an existing file keeps its bytes). A record end
// on the unit writes `lineEnd`. Ends the run with the fatal diagnostic ("open") on an all-blank
// name or when all three ways fail.
void openUnit(int number, std::string_view nameField,
              std::string_view lineEnd = platform::kConsoleLineEnd);

// Puts unit `number` in writing mode before a write statement, and marks it written (so its
// close cuts it); a read-only unit is reopened for update at the same position, or the run ends
// ("write start", "can't write file").
void beginWriting(int number);

// Puts unit `number` in reading mode before a read statement; a write-only unit is reopened
// for update, or else for reading only, at the same position, or the run ends ("read start",
// "can't read file").
void beginReading(int number);

// Writes out everything buffered on unit `number`. A named unit whose writes failed ends the
// run with the fatal diagnostic ("write", the system's message), shown as a write on it. As at
// the end of a statement, a signal that arrived meanwhile then ends the run.
void flushUnit(int number);

// Closes every unit, 0 to 99 in order: output is written out, a named positionable unit in
// writing mode that a write statement wrote is cut at its written length, named streams are
// released (the console stays open). Nothing is reported. Runs at most once; safe inside a signal
// handler.
void closeAllUnits();

// Forgets every unit without closing anything and allows closeAllUnits to run again. For
// tests, which start each case from a fresh table.
void resetUnitTable();

}  // namespace mk
