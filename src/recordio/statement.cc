#include "recordio/statement.h"

#include <string>

#include "recordio/platform.h"
#include "recordio/run.h"
#include "recordio/signals.h"
#include "recordio/unit_table.h"

namespace mk {

namespace {

// What the last statement begun was; read only by the diagnostic. At start-up the words read
// writing, direct, unformatted, and the first open makes the last one external.
struct StatementState {
  int unit = -1;
  std::string_view layout;
  bool hasLayout = false;
  bool reading = false;
  bool sequential = false;
  bool formatted = false;
  bool external = false;
};

StatementState state;

std::string_view layerErrorText(LayerError error) {
  switch (error) {
    case LayerError::kNullFileName:
      return "null file name";
    case LayerError::kIncomprehensibleListInput:
      return "incomprehensible list input";
    case LayerError::kOutOfFreeSpace:
      return "out of free space";
    case LayerError::kReadUnexpectedCharacter:
      return "read unexpected character";
    case LayerError::kCantReadFile:
      return "can't read file";
    case LayerError::kCantWriteFile:
      return "can't write file";
    case LayerError::kIntegerOutOfRange:
      return "integer out of range";
  }
  return "unknown error";
}

}  // namespace

std::string IoError::describe() const {
  switch (kind_) {
    case Kind::kSystem:
      return platform::errorMessage(errnum_);
    case Kind::kEndOfFile:
      return "end of file";
    case Kind::kLayer:
      return std::string(layerErrorText(error_));
  }
  return {};
}

void resetStatementState() {
  state = StatementState();
}

void noteOpen(int unit) {
  state.unit = unit;
  state.external = true;
}

void beginRecordStatement(int unit, std::string_view layout, bool reading) {
  state.unit = unit;
  state.layout = layout;
  state.hasLayout = true;
  state.reading = reading;
  state.sequential = true;
  state.formatted = true;
  state.external = true;
}

void beginListStatement(int unit) {
  state.unit = unit;
  state.layout = kListLayout;
  state.hasLayout = true;
  state.reading = true;
  state.formatted = true;
  state.external = true;
}

void endRecordStatement() {
  state.hasLayout = false;
  actOnPendingSignal();
}

void endListStatement() {
  actOnPendingSignal();
}

void fatalIo(IoError error, std::string_view context) {
  constexpr std::string_view kEnd = platform::kConsoleLineEnd;
  std::string text;
  text.append(context).append(": ").append(error.describe()).append(kEnd);
  if (state.unit >= 0) {
    const Unit& unit = unitAt(state.unit);
    text.append("apparent state: unit ").append(std::to_string(state.unit)).append(" ");
    if (unit.named()) {
      text.append("named ").append(unit.name());
    } else {
      text.append("(unnamed)");
    }
    text.append(kEnd);
  } else {
    text.append("apparent state: internal I/O").append(kEnd);
  }
  if (state.hasLayout) text.append("last format: ").append(state.layout).append(kEnd);
  text.append("lately ")
      .append(state.reading ? "reading " : "writing ")
      .append(state.sequential ? "sequential " : "direct ")
      .append(state.formatted ? "formatted " : "unformatted ")
      .append(state.external ? "external" : "internal")
      .append(" IO")
      .append(kEnd);
  platform::writeStandardError(text);
  closeAllUnits();
  abortRun();
}

}  // namespace mk
