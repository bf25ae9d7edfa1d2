#include "recordio/records.h"

#include <gtest/gtest.h>

#include <string>

#include "memory_units.h"
#include "recordio/text_field.h"

namespace mk {
namespace {

using testing::readDiagnostic;

class RecordsTest : public testing::MemoryUnitsTest {};

constexpr int kUnit = 5;
constexpr Layout kA5("(A5)");
constexpr Layout kA1("(A1)");

struct LineCase {
  const char* name;
  std::string input;
  std::string first;   // the field after the first read
  std::string second;  // the field after a second read
};

TEST_F(RecordsTest, WholeLineReads) {
  const LineCase cases[] = {
      {"short lines are padded", "ab\ncd\n", "ab   ", "cd   "},
      {"long lines are cut, rest skipped", "abcdefgh\nxy\n", "abcde", "xy   "},
      {"empty line gives blanks", "\nxy\n", "     ", "xy   "},
      {"tab kept in place", "a\tb\n\n", "a\tb  ", "     "},
      {"CR LF is one line end", "ab\r\ncd\r\n", "ab   ", "cd   "},
      {"lone CR is ordinary", "a\rb\nc\n", "a\rb  ", "c    "},
      {"CR LF right after the field", "abcde\r\nf\n", "abcde", "f    "},
      {"CR LF with its CR in the last column", "abcd\r\nf\n", "abcd ", "f    "},
      {"long last line without line end", "x\nabcdef", "x    ", "abcde"},
      {"CR before end of input is ordinary", "x\nabcd\r", "x    ", "abcd\r"},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.name);
    resetUnitTable();
    giveInput(kUnit, c.input);
    TextField<5> field;
    readRecord(kUnit, kA5, field.span());
    EXPECT_EQ(field.view(), c.first);
    readRecord(kUnit, kA5, field.span());
    EXPECT_EQ(field.view(), c.second);
  }
}

TEST_F(RecordsTest, NarrowFieldIntoWiderTarget) {
  giveInput(kUnit, "yes\nNo\n");
  TextField<2> keep;
  readRecord(kUnit, kA1, keep.span());
  EXPECT_EQ(keep.view(), "y ");
  EXPECT_TRUE(equalText(keep, "y "));
  EXPECT_FALSE(equalText(keep, "Y "));
}

TEST_F(RecordsTest, NoLineLeftFailsInsideTheField) {
  giveInput(kUnit, "abc\n");
  TextField<5> field;
  readRecord(kUnit, kA5, field.span());
  EXPECT_FATAL(readRecord(kUnit, kA5, field.span()),
               readDiagnostic("fmt: end of file", kUnit, "(A5)"));
}

TEST_F(RecordsTest, ShortLastLineWithoutLineEndFails) {
  giveInput(kUnit, "abc");
  TextField<5> field;
  EXPECT_FATAL(readRecord(kUnit, kA5, field.span()),
               readDiagnostic("fmt: end of file", kUnit, "(A5)"));
}

TEST_F(RecordsTest, ReadAfterTheEndFailsAtStart) {
  giveInput(kUnit, "abcdef");
  TextField<5> field;
  readRecord(kUnit, kA5, field.span());
  EXPECT_EQ(field.view(), "abcde");
  EXPECT_FATAL(readRecord(kUnit, kA5, field.span()),
               readDiagnostic("read start: end of file", kUnit, "(A5)"));
}

TEST_F(RecordsTest, WriteLayoutShapes) {
  MemoryChannel& out = captureOutput(6);
  writeRecords(6, Layout("(/'Done'//)"));
  EXPECT_EQ(written(6, out), "\nDone\n\n\n");

  MemoryChannel& prompt = captureOutput(7);
  writeRecords(7, Layout("('first line'/'second: ',$)"));
  EXPECT_EQ(prompt.written(), "first line\nsecond: ");  // visible without any flush
  writeRecords(7, Layout("('del ',A,A,'.out')"), {"", "base"});
  EXPECT_EQ(written(7, prompt), "first line\nsecond: del base.out\n");
}

TEST_F(RecordsTest, WriteUsesTheUnitsLineEnd) {
  MemoryChannel& script = captureOutput(2, "\r\n");
  writeRecords(2, Layout("('copy ',A,' ',A/'next')"), {"a.out", "a.inp"});
  EXPECT_EQ(written(2, script), "copy a.out a.inp\r\nnext\r\n");
}

TEST(LayoutTest, ParsesItemsAndKeepsText) {
  constexpr Layout layout("('tc ',A,A,' \"x {',A,'}\"')");
  EXPECT_EQ(layout.valueCount(), 3);
  EXPECT_EQ(layout.items().size(), 6u);
  EXPECT_EQ(layout.items()[3].text, " \"x {");
  EXPECT_EQ(layout.text(), "('tc ',A,A,' \"x {',A,'}\"')");
  EXPECT_EQ(Layout("(A180)").fieldWidth(), 180);
}

}  // namespace
}  // namespace mk
