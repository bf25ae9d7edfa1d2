// Units over real files: positions kept across a change between reading and writing, the cut
// at the written length, and values longer than the output buffer.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "memory_units.h"
#include "recordio/records.h"
#include "recordio/text_field.h"

namespace mk {
namespace {

class FileUnitsTest : public testing::MemoryUnitsTest {
 protected:
  void SetUp() override {
    MemoryUnitsTest::SetUp();
    char pattern[] = "/tmp/multikevra-units-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    MemoryUnitsTest::TearDown();
    std::remove(path().c_str());
    std::remove(folder_.c_str());
  }

  std::string path() const { return folder_ + "/file.txt"; }
  void store(const std::string& bytes) const { std::ofstream(path(), std::ios::binary) << bytes; }
  std::string stored() const {
    std::ifstream in(path(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::string folder_;
};

constexpr int kUnit = 7;

// The unit reads ahead; a write that follows a read must land right after the line read,
// not after what was read ahead, and the file ends after the last record written.
TEST_F(FileUnitsTest, WriteAfterReadContinuesAfterTheLineRead) {
  store("abc\ndef\nghi\njkl\n");
  openUnit(kUnit, path());
  TextField<5> field;
  readRecord(kUnit, Layout("(A5)"), field.span());
  EXPECT_EQ(field.view(), "abc  ");
  writeRecords(kUnit, Layout("('XYZ')"));
  closeAllUnits();
  EXPECT_EQ(stored(), "abc\nXYZ\n");
}

// A file that did not exist is created for writing; reading it later reopens it at the
// position reached, so the lines written are not read back.
TEST_F(FileUnitsTest, ReadAfterWriteOnANewFileStartsAtThePositionReached) {
  openUnit(kUnit, path());
  writeRecords(kUnit, Layout("('written')"));
  TextField<5> field;
  EXPECT_FATAL(readRecord(kUnit, Layout("(A5)"), field.span()),
               "fmt: end of file\napparent state: unit 7 named " + path() +
                   "\nlast format: (A5)\nlately reading sequential formatted external IO\n");
}

TEST_F(FileUnitsTest, ValueLongerThanTheOutputBufferIsWrittenWhole) {
  const std::string value(300000, 'v');
  openUnit(kUnit, path());
  writeRecords(kUnit, Layout("('<',A,'>')"), {value});
  writeRecords(kUnit, Layout("('next')"));
  closeAllUnits();
  EXPECT_EQ(stored(), "<" + value + ">\nnext\n");
}

}  // namespace
}  // namespace mk
