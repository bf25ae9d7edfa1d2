#include "script/keep_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "recordio/text_field.h"

namespace mk {
namespace {

TEST(KeptNameTest, DataNameAndWholeSuffixCutToTwenty) {
  const struct {
    std::string dataName;
    std::string suffix;
    std::string kept;
  } cases[] = {
      {"s01", ".hkl", "s01.hkl"},
      {"scan01", "_a.hkl", "scan01_a.hkl"},
      {"sample_batch_0003", "_a.hkl", "sample_batch_0003_a."},
      {"sample_batch_0003", ".prm", "sample_batch_0003.pr"},
      {"name_with_15_ch", ".suffix", "name_with_15_ch.suff"},
      {"exactly_twenty_chars", ".hkl", "exactly_twenty_chars"},
      {"a_data_name_longer_than_twenty", ".hkl", "a_data_name_longer_t"},
      {"s01", "  sfx", "s01  sfx"},  // blanks typed in front stay
      {"s01", "", "s01"},
      {"", ".hkl", ".hkl"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dataName + " + " + c.suffix);
    TextField<20> storage;
    EXPECT_EQ(keptName(c.dataName, TextField<20>(c.suffix), storage), c.kept);
  }
}

}  // namespace
}  // namespace mk
