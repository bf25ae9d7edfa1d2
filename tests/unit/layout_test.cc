#include "recordio/layout.h"

#include <gtest/gtest.h>

#include <string>

namespace mk {
namespace {

// A layout that cannot mean what it says is refused when it is parsed (at compile time for the
// program's constexpr layouts), never turned into records that drop or misplace text.
TEST(LayoutTest, MalformedLayoutsAreRefused) {
  const char* const malformed[] = {
      "", "A5", "(A5", "('unclosed)", "(X)", "(A5,A20)", "('prompt: ',$,'more')", "($,/)",
  };
  for (const char* text : malformed) {
    SCOPED_TRACE(text);
    EXPECT_THROW(Layout{text}, const char*);
  }
}

TEST(LayoutTest, ItemsUpToTheLimit) {
  std::string most = "(";
  for (std::size_t i = 0; i < Layout::kMaxItems; ++i)
    most += "/";
  EXPECT_EQ(Layout(most + ")").items().size(), Layout::kMaxItems);
  EXPECT_THROW(Layout(most + "/)"), const char*);
}

}  // namespace
}  // namespace mk
