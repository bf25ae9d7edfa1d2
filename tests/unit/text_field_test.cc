#include "recordio/text_field.h"

#include <gtest/gtest.h>

#include <string>

namespace mk {
namespace {

TEST(TextFieldTest, NewFieldIsAllBlanks) {
  TextField<20> field;
  EXPECT_EQ(field.view(), std::string(20, ' '));
  EXPECT_EQ(trimmedLength(field), 0);
  EXPECT_EQ(trimmedValue(field), "");
}

TEST(TextFieldTest, TrimmedLengthCountsOnlyBlanksAsPadding) {
  EXPECT_EQ(trimmedLength("abc   "), 3);
  EXPECT_EQ(trimmedLength("  a b "), 5);
  EXPECT_EQ(trimmedLength("tab\t  "), 4);  // a tab is not a blank
  EXPECT_EQ(trimmedLength(std::string_view("nul\0 ", 5)), 4);
  EXPECT_EQ(trimmedLength(""), 0);
}

TEST(TextFieldTest, IndexOfFindsFirstOccurrence) {
  EXPECT_EQ(indexOf("sample name  ", " "), 7);
  EXPECT_EQ(indexOf(" leading", " "), 1);
  EXPECT_EQ(indexOf("twentycharacters1234", " "), 0);
  EXPECT_EQ(indexOf("ab", "abc"), 0);  // longer than the field
  EXPECT_EQ(indexOf("xxab", "ab"), 3);
}

TEST(TextFieldTest, AssignCutsAndPads) {
  TextField<5> field;
  assignText(field.span(), "abcdefgh");
  EXPECT_EQ(field.view(), "abcde");
  assignText(field.span(), "ab");
  EXPECT_EQ(field.view(), "ab   ");
  assignText(field.span(), "");
  EXPECT_EQ(field.view(), "     ");
}

TEST(TextFieldTest, AssignOfOwnLeadingSubstring) {
  TextField<20> name("first second");
  const int kept = indexOf(name, " ") - 1;
  assignText(name.span(), substring(name, 1, kept));
  EXPECT_EQ(name.view(), "first               ");

  // A full field has no blank: the cut length is -1 and nothing is kept.
  TextField<20> full("twentycharacters1234");
  assignText(full.span(), substring(full, 1, indexOf(full, " ") - 1));
  EXPECT_EQ(trimmedLength(full), 0);
}

TEST(TextFieldTest, AssignFromOverlappingTail) {
  TextField<6> field("abcdef");
  assignText(field.span(), substring(field, 3, 6));
  EXPECT_EQ(field.view(), "cdef  ");
}

TEST(TextFieldTest, ConcatCutsFirstSourceThatDoesNotFit) {
  TextField<20> target;
  concatText(target.span(), {"sample_batch_0003", "_a.hkl              "});
  EXPECT_EQ(target.view(), "sample_batch_0003_a.");
  concatText(target.span(), {"a_name_of_23_characters", ".hkl"});
  EXPECT_EQ(target.view(), "a_name_of_23_charact");
  concatText(target.span(), {"s01", ".hkl"});
  EXPECT_EQ(target.view(), "s01.hkl             ");
}

TEST(TextFieldTest, ConcatWithTargetAmongSources) {
  TextField<8> target("ab");
  concatText(target.span(), {"x", trimmedValue(target), "y"});
  EXPECT_EQ(target.view(), "xaby    ");
}

TEST(TextFieldTest, EqualTreatsShorterAsBlankExtended) {
  EXPECT_TRUE(equalText("y ", "y"));
  EXPECT_TRUE(equalText("y", "y "));
  EXPECT_TRUE(equalText("y ", "y "));
  EXPECT_FALSE(equalText("y ", "Y "));
  EXPECT_FALSE(equalText("yes", "y"));
  EXPECT_TRUE(equalText("", "   "));
  EXPECT_FALSE(equalText("\t", ""));
}

}  // namespace
}  // namespace mk
