// Units over real files: positions kept across a change between reading and writing, the cut
// at the written length, values longer than the output buffer, and line ends on a read boundary.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "memory_units.h"
#include "recordio/free_form.h"
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

// A unit reconnected, or dropped with the table, gives its file's descriptor back.
TEST_F(FileUnitsTest, ReconnectAndResetCloseTheFile) {
  store("abc\n");
  const auto descriptors = [] {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
  };
  const auto before = descriptors();
  for (int i = 0; i < 3; ++i) {
    openUnit(kUnit, path());
    openUnit(kUnit, path());
    resetUnitTable();
  }
  EXPECT_EQ(descriptors(), before);
}

// A line end on the boundary of two 64 KiB reads (a line feed first in the block, also inside
// quotes, or a CR LF split) ends a list name (unit 7) and an information line (unit 3) whole.
TEST_F(FileUnitsTest, LineEndOnAReadBoundary) {
  for (const std::string last : {"name", "'na", "name\r"}) {  // the last line in the block
    SCOPED_TRACE(last);
    resetUnitTable();
    const std::string next = last[0] == '\'' ? "me'\nnext" : "next";
    store(std::string((64 << 10) - last.size() - 1, 'f') + "\n" + last + "\n" + next + "\n");
    openUnit(kUnit, path());
    openUnit(3, path());
    TextField<80> name;
    TextField<180> line;
    for (int skip = 0; skip < 2; ++skip) {
      readItem(kUnit, name.span());
      readRecord(3, Layout("(A180)"), line.span());
    }
    EXPECT_EQ(trimmedValue(name), "name");
    EXPECT_EQ(trimmedValue(line), last.substr(0, last.find('\r')));
    readItem(kUnit, name.span());
    readRecord(3, Layout("(A180)"), line.span());
    EXPECT_EQ(trimmedValue(name), "next");
    EXPECT_EQ(trimmedValue(line), next.substr(0, next.find('\n')));
  }
}

}  // namespace
}  // namespace mk
