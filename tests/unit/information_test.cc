#include "script/information.h"

#include <gtest/gtest.h>

#include <string>

#include "recordio/text_field.h"

namespace mk {
namespace {

// The information text of `line` as read into the 180-character field.
std::string textOf(const std::string& line) {
  const TextField<180> field(line);
  return std::string(informationText(field));
}

TEST(InformationTextTest, EndsAtTheFirstRunOfThirteenBlanks) {
  const struct {
    std::string line;
    std::string text;
  } cases[] = {
      // append(), not "literal" + std::string: gcc 12 at -O3 takes that for an overlapping copy.
      {"prm a 5.4310", "prm a 5.4310 "},
      {"", " "},
      {std::string(13, ' ') + "lost", " "},
      {std::string("a").append(12, ' ') + "b", std::string("a").append(12, ' ') + "b "},
      {std::string("a").append(13, ' ') + "b", "a "},
      {std::string("temp 300").append(14, ' ') + "note", "temp 300 "},
      {std::string("tab\t").append(20, '\t') + "x", std::string("tab\t").append(20, '\t') + "x "},
      {std::string(167, 'p'), std::string(167, 'p') + " "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(textOf(c.line), c.text);
  }
}

TEST(InformationTextTest, ColumnsPastTheFieldCountAsBlanks) {
  EXPECT_EQ(textOf(std::string(168, 'q')), std::string(168, 'q') + " ");
  EXPECT_EQ(textOf(std::string(170, 'q') + "   x"), std::string(170, 'q') + "   x ");
  EXPECT_EQ(textOf(std::string(179, 'r')), std::string(179, 'r') + " ");
  EXPECT_EQ(textOf(std::string(180, 's')), std::string(180, 's'));
  EXPECT_EQ(textOf(std::string(160, 's') + std::string(20, ' ')), std::string(160, 's') + " ");
}

TEST(InformationTextTest, NeverLooksOutsideItsLine) {
  // A short view over a longer buffer: the blanks after it must not count.
  const std::string buffer = std::string("abc").append(20, ' ');
  EXPECT_EQ(informationText(std::string_view(buffer).substr(0, 3)), "abc");
  EXPECT_EQ(informationText(std::string_view(buffer).substr(0, 5)), "abc ");
}

}  // namespace
}  // namespace mk
