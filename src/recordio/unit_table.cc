#include "recordio/unit_table.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <new>
#include <string>
#include <utility>

#include "recordio/signals.h"
#include "recordio/statement.h"
#include "recordio/text_field.h"

namespace mk {

namespace {

std::array<Unit, kUnitCount> units;
volatile std::sig_atomic_t closed = 0;

std::string keepName(std::string_view name) {
  try {
    return std::string(name);
  } catch (const std::bad_alloc&) {
    fatalIo(IoError::layer(LayerError::kOutOfFreeSpace), "no space");
  }
}

}  // namespace

Unit& unitAt(int number) {
  return units.at(static_cast<std::size_t>(number));
}

void connectUnit(int number, std::unique_ptr<Channel> channel, Access access, bool writing,
                 std::string_view lineEnd) {
  unitAt(number).connect(std::move(channel), access, writing, lineEnd);
}

void connectStandardUnits() {
  connectUnit(kStandardErrorUnit, standardChannel(2), Access::kWriteOnly, true);
  connectUnit(kStandardInputUnit, standardChannel(0), Access::kReadOnly, false);
  connectUnit(kStandardOutputUnit, standardChannel(1), Access::kWriteOnly, true);
}

void openUnit(int number, std::string_view nameField, std::string_view lineEnd) {
  noteOpen(number);
  Unit& unit = unitAt(number);
  const std::string name = keepName(trimmedValue(nameField));
  unit.setName(name);
  if (name.empty()) fatalIo(IoError::layer(LayerError::kNullFileName), "open");

  struct Way {
    Access access;
    bool writing;
  };
  for (const Way way : {Way{Access::kUpdate, false}, Way{Access::kReadOnly, false},
                        Way{Access::kWriteOnly, true}}) {
    if (auto channel = openFileChannel(name, way.access)) {
      unit.connect(std::move(channel), way.access, way.writing, lineEnd);
      return;
    }
  }
  fatalIo(IoError::system(errno), "open");
}

void beginWriting(int number) {
  Unit& unit = unitAt(number);
  unit.markWritten();
  if (unit.writing()) return;
  if (unit.access() == Access::kReadOnly) {
    if (!unit.channel().reopen(Access::kUpdate)) {
      fatalIo(IoError::layer(LayerError::kCantWriteFile), "write start");
    }
    unit.setAccess(Access::kUpdate);
  }
  unit.enterWriting();
}

void beginReading(int number) {
  Unit& unit = unitAt(number);
  if (!unit.writing()) return;
  unit.leaveWriting();
  if (unit.access() == Access::kWriteOnly) {
    if (unit.channel().reopen(Access::kUpdate)) {
      unit.setAccess(Access::kUpdate);
    } else if (unit.channel().reopen(Access::kReadOnly)) {
      unit.setAccess(Access::kReadOnly);
    } else {
      fatalIo(IoError::layer(LayerError::kCantReadFile), "read start");
    }
  }
}

void flushUnit(int number) {
  Unit& unit = unitAt(number);
  if (!unit.flush() && unit.named()) {
    beginRecordStatement(number, unit.lastWriteLayout(), /*reading=*/false);
    fatalIo(IoError::system(unit.writeError()), "write");
  }
  actOnPendingSignal();
}

void closeAllUnits() {
  if (closed != 0) return;
  closed = 1;
  for (Unit& unit : units)
    unit.close();
}

void resetUnitTable() {
  for (Unit& unit : units)
    unit = Unit();
  closed = 0;
}

}  // namespace mk
