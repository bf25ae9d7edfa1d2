#include "script/information.h"

#include <algorithm>

namespace mk {

std::string_view informationText(std::string_view line) {
  std::size_t blanks = 0;  // the run of blanks ending at the current column
  for (std::size_t column = 0; column < line.size(); ++column) {
    blanks = line[column] == ' ' ? blanks + 1 : 0;
    if (blanks == kInformationEndRun) return line.substr(0, column + 2 - kInformationEndRun);
  }
  return line.substr(0, std::min(line.size(), line.size() - blanks + 1));
}

}  // namespace mk
