// Test support: units driven in memory, and the fatal diagnostic as an exact expectation.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <memory>
#include <string>
#include <string_view>

#include "recordio/memory_channel.h"
#include "recordio/statement.h"
#include "recordio/unit_table.h"

namespace mk::testing {

// Every test starts from a fresh unit table.
class MemoryUnitsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetUnitTable();
    resetStatementState();
  }
  void TearDown() override { resetUnitTable(); }

  // Connects `unit` for reading `input`.
  static void giveInput(int unit, std::string input) {
    connectUnit(unit, std::make_unique<MemoryChannel>(std::move(input)), Access::kReadOnly, false);
  }

  // Connects `unit` for writing with `lineEnd`; the returned channel keeps what is written.
  static MemoryChannel& captureOutput(int unit, std::string_view lineEnd = "\n") {
    auto channel = std::make_unique<MemoryChannel>();
    MemoryChannel& kept = *channel;
    connectUnit(unit, std::move(channel), Access::kWriteOnly, true, lineEnd);
    return kept;
  }

  // Everything written to `unit` so far.
  static std::string written(int unit, const MemoryChannel& channel) {
    unitAt(unit).flush();
    return channel.written();
  }
};

// A regular expression that matches exactly `text`, for death tests on the diagnostic.
inline std::string exactly(std::string_view text) {
  std::string pattern = "^";
  for (char c : text) {
    if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern + "$";
}

// For the child of a death test: its abort leaves no core file behind (where the machine writes
// core files into the working folder, every fatal test would leave one in the build tree).
inline void withoutCoreDump() {
  const rlimit none{0, 0};
  setrlimit(RLIMIT_CORE, &none);
}

// The four lines of the fatal diagnostic for a read on an unnamed unit.
inline std::string readDiagnostic(std::string_view first, int unit, std::string_view layout) {
  return std::string(first) + "\napparent state: unit " + std::to_string(unit) +
         " (unnamed)\nlast format: " + std::string(layout) +
         "\nlately reading sequential formatted external IO\n";
}

}  // namespace mk::testing

// Expects `statement` to end the run with exactly the diagnostic `text` and an abort.
#define EXPECT_FATAL(statement, text)     \
  EXPECT_EXIT(                            \
      {                                   \
        ::mk::testing::withoutCoreDump(); \
        statement;                        \
      },                                  \
      ::testing::KilledBySignal(SIGABRT), ::mk::testing::exactly(text))
