#include "recordio/free_form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "memory_units.h"
#include "recordio/records.h"
#include "recordio/text_field.h"

namespace mk {
namespace {

using testing::readDiagnostic;

// As in the program, every item read follows a prompt written on the console.
class FreeFormTest : public testing::MemoryUnitsTest {
 protected:
  void SetUp() override {
    MemoryUnitsTest::SetUp();
    prompt();
  }
  static void prompt() {
    captureOutput(6);
    writeRecords(6, Layout("('Enter: ',$)"));
  }
};

constexpr int kUnit = 5;
constexpr std::int32_t kUnchanged = -99;

struct IntegerCase {
  std::string input;
  std::int32_t expected;  // kUnchanged: a null value
};

TEST_F(FreeFormTest, IntegerItems) {
  const IntegerCase cases[] = {
      {"7\n", 7},
      {"   7\n", 7},
      {"7,\n", 7},
      {"+7\n", 7},
      {"007\n", 7},
      {"7 8\n", 7},
      {"7/\n", 7},
      {"-3\n", -3},
      {"\n\n  \t\n5\n", 5},
      {"12abc\n", 12},
      {"2*9\n", 9},
      {"+2*9\n", 9},
      {"2* 9\n", kUnchanged},
      {"2*\n9\n", kUnchanged},
      {"2*,\n", kUnchanged},
      {",\n", kUnchanged},
      {"/\n", kUnchanged},
      {"-,\n", kUnchanged},
      {"7\r\n", 7},
      {"2147483647\n", 2147483647},
      {"-2147483648\n", -2147483647 - 1},
      {"000000000000000000000042\n", 42},
      {"7", 7},
  };
  for (const IntegerCase& c : cases) {
    SCOPED_TRACE(c.input);
    resetUnitTable();
    prompt();
    giveInput(kUnit, c.input);
    std::int32_t value = kUnchanged;
    readItem(kUnit, value);
    EXPECT_EQ(value, c.expected);
  }
}

TEST_F(FreeFormTest, RestOfTheLineIsDropped) {
  giveInput(kUnit, "3 4 5\n6\n");
  std::int32_t value = 0;
  readItem(kUnit, value);
  readItem(kUnit, value);
  EXPECT_EQ(value, 6);
}

struct FailureCase {
  std::string input;
  std::string firstLine;
};

TEST_F(FreeFormTest, MalformedIntegers) {
  const FailureCase cases[] = {
      {"3.5\n", "invalid integer: read unexpected character"},
      {"1e2\n", "invalid integer: read unexpected character"},
      {"5+3\n", "invalid integer: read unexpected character"},
      {".5\n", "invalid integer: read unexpected character"},
      {"0d1\n", "invalid integer: read unexpected character"},
      {"2E1\n", "invalid integer: read unexpected character"},
      {"2e1\n", "invalid integer: read unexpected character"},
      {"2D1\n", "invalid integer: read unexpected character"},
      {"2d1\n", "invalid integer: read unexpected character"},
      {"2+1\n", "invalid integer: read unexpected character"},
      {"2-1\n", "invalid integer: read unexpected character"},
      {"abc\n", "invalid number: incomprehensible list input"},
      {"-\n", "invalid number: incomprehensible list input"},
      {"+-3\n", "invalid number: incomprehensible list input"},
      {"\r\n\r5\n", "invalid number: incomprehensible list input"},
      {"0*4\n", "bad repetition count: incomprehensible list input"},
      {"*4\n", "bad repetition count: incomprehensible list input"},
      {"-2*4\n", "bad repetition count: incomprehensible list input"},
      {"2147483648\n", "invalid integer: integer out of range"},
      {"-2147483649\n", "invalid integer: integer out of range"},
      {"99999999999999999999999\n", "invalid integer: integer out of range"},
      {"", "list in: end of file"},
      {"\n  \n", "list in: end of file"},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.input);
    resetUnitTable();
    prompt();
    giveInput(kUnit, c.input);
    std::int32_t value = 0;
    EXPECT_FATAL(readItem(kUnit, value), readDiagnostic(c.firstLine, kUnit, "list io"));
  }
}

TEST_F(FreeFormTest, ItemOnLastLineMarksTheEnd) {
  giveInput(kUnit, "7");
  std::int32_t value = 0;
  readItem(kUnit, value);
  EXPECT_EQ(value, 7);
  EXPECT_FATAL(readItem(kUnit, value), readDiagnostic("read start: end of file", kUnit, "list io"));
  TextField<5> field;
  EXPECT_FATAL(readRecord(kUnit, Layout("(A5)"), field.span()),
               readDiagnostic("read start: end of file", kUnit, "(A5)"));
}

struct TextCase {
  std::string input;
  std::string expected;  // trimmed; "<unchanged>" for a null value
};

TEST_F(FreeFormTest, TextItems) {
  const TextCase cases[] = {
      {"  first second\n", "first"},
      {"\n\n  name\n", "name"},
      {"'my file.xy'\n", "my file.xy"},
      {"'it''s.xy'\n", "it's.xy"},
      {"\"say \"\"hi\"\"\"\n", "say \"hi\""},
      {"abc'd.xy\n", "abc'd.xy"},
      {"d:\\data\\a.xy,b.xy\n", "d:\\data\\a.xy"},
      {"d:/data/a.xy\n", "d:"},
      {"'d:/data/a.xy'\n", "d:/data/a.xy"},
      {"123\n", "123"},
      {"12ab\n", "12ab"},
      {"3*r1.xy\n", "r1.xy"},
      {"3*'a b'\n", "a b"},
      {"0*x\n", "0*x"},
      {"3*\nnext\n", "<unchanged>"},
      {"3* x\n", "<unchanged>"},
      {",x\n", "<unchanged>"},
      {"/x\n", "<unchanged>"},
      {"'two\nlines'\n", "twolines"},
      {"'two\\\nlines'\n", "two\nlines"},
      {"'two\\\r\nlines'\n", "two\nlines"},
      {"'a'b\n", "a"},
      {"name\r\n", "name"},
      {"na\rme\n", "na\rme"},
      {"last", "last"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.input);
    resetUnitTable();
    prompt();
    giveInput(kUnit, c.input);
    TextField<20> field("<unchanged>");
    readItem(kUnit, field.span());
    EXPECT_EQ(trimmedValue(field), c.expected);
  }
}

TEST_F(FreeFormTest, LongTextIsCutToTheField) {
  giveInput(kUnit, std::string(100, 'n') + " more\n'" + std::string(100, 'q') + "\\\n'\nnext\n");
  TextField<80> field;
  readItem(kUnit, field.span());
  EXPECT_EQ(field.view(), std::string(80, 'n'));
  readItem(kUnit, field.span());
  EXPECT_EQ(field.view(), std::string(80, 'q'));  // the line feed lies beyond the field
  readItem(kUnit, field.span());
  EXPECT_EQ(trimmedValue(field), "next");
}

class StartUpStateTest : public testing::MemoryUnitsTest {};

// A free-form read leaves the access word as it was: right after start-up it is "direct".
TEST_F(StartUpStateTest, FreeFormReadKeepsTheAccessWord) {
  giveInput(kUnit, "x\n");
  std::int32_t value = 0;
  EXPECT_FATAL(readItem(kUnit, value),
               "invalid number: incomprehensible list input\n"
               "apparent state: unit 5 (unnamed)\n"
               "last format: list io\n"
               "lately reading direct formatted external IO\n");
}

TEST_F(FreeFormTest, UnclosedQuoteFailsAtOnce) {
  giveInput(kUnit, "'never closed\nat all\n");
  TextField<20> field;
  EXPECT_FATAL(readItem(kUnit, field.span()),
               readDiagnostic("list in: end of file", kUnit, "list io"));
}

}  // namespace
}  // namespace mk
