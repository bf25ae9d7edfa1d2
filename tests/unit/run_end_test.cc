// The run-end hook that lets fuzz targets run the program's logic many times in one process.
#include <gtest/gtest.h>

#include <string>

#include "memory_units.h"
#include "recordio/records.h"
#include "recordio/run.h"
#include "recordio/text_field.h"

namespace mk {
namespace {

struct Ended {
  int status;
};

[[noreturn]] void throwEnded(int status) {
  throw Ended{status};
}

class RunEndTest : public testing::MemoryUnitsTest {
 protected:
  void SetUp() override {
    MemoryUnitsTest::SetUp();
    setRunEndHook(throwEnded);
  }
  void TearDown() override {
    setRunEndHook(nullptr);
    MemoryUnitsTest::TearDown();
  }
};

TEST_F(RunEndTest, FatalDiagnosticWritesClosesAndThenCallsTheHook) {
  MemoryChannel& script = captureOutput(2, "\r\n");
  writeRecords(2, Layout("('kept line')"));
  giveInput(5, "");
  TextField<5> field;
  ::testing::internal::CaptureStderr();
  int status = 1;
  try {
    readRecord(5, Layout("(A5)"), field.span());
  } catch (const Ended& ended) {
    status = ended.status;
  }
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            testing::readDiagnostic("fmt: end of file", 5, "(A5)"));
  EXPECT_EQ(status, -1);
  EXPECT_EQ(script.written(), "kept line\r\n");  // written out by the closing of all units
  EXPECT_FALSE(unitAt(2).connected());
}

TEST_F(RunEndTest, NormalStopClosesAndCallsTheHookWithStatusZero) {
  MemoryChannel& script = captureOutput(2, "\r\n");
  writeRecords(2, Layout("('last line')"));
  int status = 1;
  try {
    stopRun();
  } catch (const Ended& ended) {
    status = ended.status;
  }
  EXPECT_EQ(status, 0);
  EXPECT_EQ(script.written(), "last line\r\n");
  EXPECT_FALSE(unitAt(2).connected());
}

}  // namespace
}  // namespace mk
