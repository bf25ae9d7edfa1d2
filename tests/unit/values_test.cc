// The night's values: the number after a word, in one table of its corners; and the values of a
// night read from its kept files, a few bytes at a time, into the table's columns.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "check/check.h"
#include "check/rerun.h"
#include "check/values.h"
#include "memory_machine.h"

namespace mk::check {
namespace {

TEST(ValuesTest, TheNumberAfterAWord) {
  struct Row {
    std::string line;
    const char* word;
    const char* value;  // "-": no occurrence; "": one that gives no value; else text and esd
    const char* esd = "";
  };
  const std::vector<Row> rows = {
      {"a  4.91337(12)", "a", "4.91337", "0.00012"},
      {"b: 1.2e-3(4)", "b", "1.2e-3", "0.0004"},
      {"c = 3.45(12)E1", "c", "3.45E1", "1.2"},
      {"d 4.913(1.2)", "d", "4.913", "1.2"},
      {"e 4.91337_0.00012", "e", "4.91337", "0.00012"},
      {"f\t4.91337 +/- 0.00012", "f", "4.91337", "0.00012"},
      {"g .5 and h 5.", "g", ".5"},
      {"g .5 and h 5.", "h", "5."},
      {"g 4.91D", "g", "4.91"},
      {"g 1.5d-3(2)", "g", "1.5E-3", "0.0002"},
      {"g 4.91A", "g", "4.91"},
      {"g +4.9 -1", "g", "+4.9"},
      {"g 1,234.5", "g", ""},
      {"g 100,5", "g", ""},
      {"g 4.9, 5", "g", "4.9"},
      {"g *****", "g", ""},
      {"g = NaN", "g", ""},
      {"g -Inf", "g", ""},
      {"g Infinity", "g", ""},
      {"g is refined", "g", "-"},
      {"g nanometres 5", "g", "-"},
      {"g ~ 7", "g", "7"},
      {"g =: 7", "g", "7"},
      {"g ~~ 7", "g", "-"},
      {"gamma 5 beta 6", "a", "-"},
      {"A = 5", "a", "5"},
      {"R_wp 7.5", "R_wp", "7.5"},
      {"a 1 a 2 a 3", "a", "3"},
      {"a 1 a NaN", "a", ""},
      {"a 1 a then", "a", "1"},
      {"g 1e99999(4)", "g", "1e99999", "4E99999"},
      {"g 4e-3(1)e-3", "g", "4e-3", "0.001"},
      {"g" + std::string(60000, ' ') + "5", "g", "-"},  // too far, or too long to be a number
      {"g " + std::string(60000, '1'), "g", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line.substr(0, 40) + " / " + row.word);
    const auto found = valueIn(row.line, row.word);
    ASSERT_EQ(found.has_value(), std::string(row.value) != "-");
    if (!found) continue;
    ASSERT_EQ(found->has_value(), *row.value != '\0');
    if (!*found) continue;
    EXPECT_EQ((*found)->text, row.value);
    EXPECT_EQ((*found)->esd, row.esd);
  }
  EXPECT_EQ((*valueIn("TEMP 100 WL 0.70930 TEMP 200", "temp", true))->text, "100");
  EXPECT_EQ(shown({"4.91337", "0.00012"}), "4.91337(12)");
  EXPECT_EQ(shown({"1.2e-3", "0.0004"}), "1.2(4)e-3");
  EXPECT_EQ(shown({"4.9", "0.00012"}), "4.9 +/- 0.00012");
}

// A night of three entries, the second of which failed: its kept files hold the earlier values.
TEST(ValuesTest, TheNightsValuesInTheTable) {
  const std::string cycles = "cycle 1\r\na 4.90(2)\r\nb 7\r\ncycle 2\r\na 4.91(1)\r\n" +
                             std::string(70000, ' ') +
                             "a 9\r\nb 7.5_0.3\r\n";  // the long line is skipped
  const MemoryMachine machine(
      "C:\\q", {},
      {"C:\\q\\multikevra.bat|@10", "C:\\q\\sample_orig.inp", "C:\\q\\s01.hkl|@20=h1",
       "C:\\q\\s01.lst|@20=" + cycles, "C:\\q\\s02.hkl|@30=h1", "C:\\q\\s02.lst|@30=" + cycles,
       "C:\\q\\s03.hkl|@40=a 1.0\nb *****\n" + std::string(1, '\0') + "b 2",  // b: no number
       "C:\\q\\s03.lst|@40=a 5.0(3)\nb 3"});
  std::vector<std::string> lines;
  for (const char* entry : {"s01|TEMP 100 ", "s02|TEMP 150 ", "s03|WL 1 "}) {
    const std::string data(entry, 3);
    lines.insert(lines.end(), {"run " + std::string(entry), "keep kevra.hkl " + data + ".hkl",
                               "keep kevra.lst " + data + ".lst"});
  }
  MorningAsks asks;
  asks.table = "night.csv";
  asks.values = {"a", "b"};
  asks.x = "TEMP";
  Morning morning;
  std::FILE* out = std::tmpfile();
  Report report("multikevra.bat", out);
  std::istringstream in(script(lines));
  checkAfterRun(in, report, machine,
                [&](const AfterSite& site) { morning = morningOf(site, asks, "multikevra.bat"); });
  std::fclose(out);
  ASSERT_EQ(morning.files.size(), 1U);
  std::istringstream table(morning.files[0].second);
  std::vector<std::string> rows;
  for (std::string row; std::getline(table, row);)
    rows.push_back(std::regex_replace(row, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"), "T"));
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "entry,data name,run line,outcome,kept files present,newest kept file,TEMP,a,"
                      "esd-a,b,esd-b",
                      "1,\"s01\",3,done,2,T,100,4.91,0.01,7.5,0.3",
                      "2,\"s02\",6,unchanged-output,2,T,150,,,,", "3,\"s03\",9,done,2,T,,1.0,,3,"}))
      << morning.files[0].second;
  EXPECT_EQ(
      morning.lines,
      (std::vector<std::string>{
          "C:\\q\\s01.lst:5: note: a = 4.91(1) from \"a 4.91(1)\"; found in 2 of 2 entries done",
          "C:\\q\\s01.lst:7: note: b = 7.5(3) from \"b 7.5_0.3\"; found in 2 of 2 entries done"}));
}

}  // namespace
}  // namespace mk::check
