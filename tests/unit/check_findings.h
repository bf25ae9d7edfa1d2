// Test support: the report of a check held in memory, and its findings as "LINE TAG".
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "check/check.h"
#include "check/report.h"

namespace mk::check {

// The findings of the check of the script `text` ("LINE TAG", in the report's order) and the
// whole report: before the batch, on `machine` when given; with `after`, after it on `machine`;
// with `only`, of that rule alone.
inline std::pair<std::vector<std::string>, std::string> checked(const Machine* machine,
                                                                const std::string& text,
                                                                bool after = false,
                                                                const Rule* only = nullptr) {
  char* buffer = nullptr;
  std::size_t length = 0;
  std::FILE* out = open_memstream(&buffer, &length);
  {
    Report report("multikevra.bat", out);
    std::istringstream in(text);
    EXPECT_TRUE(after ? checkAfterRun(in, report, *machine, nullptr, only)
                      : checkBeforeRun(in, report, machine, only));
  }
  std::fclose(out);
  const std::string report(buffer, length);
  std::free(buffer);  // NOLINT(cppcoreguidelines-no-malloc): open_memstream's buffer
  std::vector<std::string> findings;
  const std::regex finding(R"(multikevra\.bat:(\d+): (?:error|warning): .* \[([a-z-]+)\])");
  for (std::sregex_iterator at(report.begin(), report.end(), finding), end; at != end; ++at)
    findings.push_back((*at)[1].str() + " " + (*at)[2].str());
  return {findings, report};
}

}  // namespace mk::check
